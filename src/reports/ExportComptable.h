#pragma once

// The accountant's export: the takings of each closed day by VAT rate, the
// VAT they include, the cash, the card and the cash movements by account, as
// a spreadsheet file or as accounting entries.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace vantor {

// The account numbers the entries are booked to, one a line (Windows-1252,
// CR LF): sales, VAT collected, cash, card. A missing file or line takes
// the default.
inline constexpr const char* kNumerosComptesFile = "ComptesComptables.txt";
struct NumerosComptes {
    std::string ventes = "706";
    std::string tva = "44571";
    std::string caisse = "530";
    std::string cartes = "5112";
};
NumerosComptes LireNumerosComptes(const std::string& dataPath);

// The VAT codes of the journal: 0 without VAT, 1 on the premises, 2 take-away.
inline constexpr std::size_t kCodesTva = 3;

// One day of the journal, in cents. The cash and card of each VAT code add
// up to the day's cash and card rounded to cents, as its closure has them.
struct JourComptable {
    Date date;
    bool cloture = false;          // the day has its closure
    std::optional<Date> validite;  // when that closure was made
    long ventes = 0;
    long premier = 0;  // first and last receipt numbers, 0 when none
    long dernier = 0;
    std::array<std::int64_t, kCodesTva> especes{};
    std::array<std::int64_t, kCodesTva> cartes{};
    std::array<std::int64_t, kCodesTva> tva{};  // the VAT included, as the Z shows it
    std::array<std::int64_t, 10> comptes{};     // cash movements by account digit
    std::int64_t mouvements = 0;                // every cash movement of the day

    std::int64_t Ttc(std::size_t code) const { return especes[code] + cartes[code]; }
};

struct ExportComptable {
    Date du;
    Date au;
    std::vector<JourComptable> jours;  // in date order
    std::vector<Date> ouverts;         // days with records but no closure
    bool ouvertsCompris = false;       // those days are in jours too
    std::string taux1;                 // the VAT rates of codes 1 and 2
    std::string taux2;
    std::vector<std::string> comptes;  // the account categories' names
    NumerosComptes numeros;
};

// The days of the period from the journal, read by the closures' own
// scanner; the days not yet closed are left out unless ouverts. Throws
// FileError when a file cannot be read, or when a closed day's journal no
// longer gives its closure's figures.
ExportComptable LireExportComptable(const std::string& dataPath, const Date& du, const Date& au,
                                    bool ouverts);

// The spreadsheet file: UTF-8 with a byte order mark, ";" between cells,
// "," before the cents, CR LF; a line a day, then the totals.
std::string CsvComptable(const ExportComptable& data);

// The accounting entries file: a header, then an entry a day and VAT code,
// its lines tab-separated, amounts with "," before the cents, UTF-8, CR LF.
// Every entry balances.
std::string FecComptable(const ExportComptable& data);

// What the export covers, as told to the user.
std::vector<std::string> CouvertureExport(const ExportComptable& data);

// The till's own files are never replaced by an export: whether the path
// names a file right in the data folder.
bool DansDossierDonnees(const std::string& path, const std::string& dataPath);
inline constexpr const char* kExportHorsDossier =
    "L'export ne s'écrit pas dans le dossier de données : ";
inline constexpr const char* kExportNonEcrit = "Export non écrit : ";
inline constexpr const char* kExportEcrit = "Export écrit : ";

// 1234 cents as "12,34", -5 as "-0,05".
std::string MontantVirgule(std::int64_t cents);

}  // namespace vantor
