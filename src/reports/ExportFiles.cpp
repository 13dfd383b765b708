// The two forms of the accountant's export: a spreadsheet file and
// accounting entries.
#include <algorithm>
#include <filesystem>
#include <numeric>

#include "data/Dates.h"
#include "platform/Paths.h"
#include "reports/ExportComptable.h"

namespace vantor {

namespace {

constexpr std::string_view kExportByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kExportLineEnd = "\r\n";
// The spreadsheet's columns of the takings, VAT code 0 having no VAT.
constexpr std::size_t kExportTaxedCodes[] = {1, 2};

// "sur place 10 %", "à emporter 5,5 %", "sans TVA".
std::string ExportLibelleCode(const ExportComptable& data, std::size_t code) {
    if (code == 0) {
        return "sans TVA";
    }
    std::string taux = code == 1 ? data.taux1 : data.taux2;
    std::replace(taux.begin(), taux.end(), '.', ',');
    const std::string mode = code == 1 ? "sur place" : "à emporter";
    return taux.empty() ? mode : mode + " " + taux + " %";
}

// A cell as spreadsheets read it: quoted when it holds a separator or a quote.
std::string ExportCell(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string ExportRow(const std::vector<std::string>& cells, char separator) {
    std::string row;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        row += (i > 0 ? std::string(1, separator) : "") + cells[i];
    }
    return row + std::string(kExportLineEnd);
}

// 05/12/2026, as French spreadsheets take a date.
std::string ExportDateTableur(const Date& date) {
    return TwoDigits(date.day) + "/" + TwoDigits(date.month) + "/" + std::to_string(date.year);
}

// 20261205.
std::string ExportDateFec(const Date& date) {
    return std::to_string(date.year) + TwoDigits(date.month) + TwoDigits(date.day);
}

std::vector<std::string> CsvHeader(const ExportComptable& data) {
    std::vector<std::string> cells = {"Date", "Clôturée", "Ventes", "Premier ticket",
                                      "Dernier ticket"};
    for (const std::size_t code : kExportTaxedCodes) {
        const std::string label = ExportLibelleCode(data, code);
        cells.insert(cells.end(), {"TTC " + label, "TVA " + label, "HT " + label});
    }
    cells.insert(cells.end(),
                 {"TTC sans TVA", "Total TTC", "Total TVA", "Total HT", "Espèces", "Cartes"});
    for (std::size_t k = 0; k < data.comptes.size() && k < JourComptable{}.comptes.size(); ++k) {
        cells.push_back(ExportCell(data.comptes[k]));
    }
    cells.insert(cells.end(), {"Autres mouvements", "Total mouvements"});
    return cells;
}

// The amounts of a day's line, or of the totals' line.
std::vector<std::int64_t> ExportCsvAmounts(const ExportComptable& data, const JourComptable& jour) {
    std::vector<std::int64_t> amounts;
    std::int64_t ttc = 0;
    std::int64_t tva = 0;
    for (const std::size_t code : kExportTaxedCodes) {
        amounts.insert(amounts.end(),
                       {jour.Ttc(code), jour.tva[code], jour.Ttc(code) - jour.tva[code]});
        ttc += jour.Ttc(code);
        tva += jour.tva[code];
    }
    ttc += jour.Ttc(0);
    const auto sum = [](const auto& parts) {
        return std::accumulate(parts.begin(), parts.end(), std::int64_t{0});
    };
    amounts.insert(amounts.end(),
                   {jour.Ttc(0), ttc, tva, ttc - tva, sum(jour.especes), sum(jour.cartes)});
    std::int64_t listed = 0;
    for (std::size_t k = 0; k < data.comptes.size() && k < jour.comptes.size(); ++k) {
        amounts.push_back(jour.comptes[k]);
        listed += jour.comptes[k];
    }
    amounts.insert(amounts.end(), {jour.mouvements - listed, jour.mouvements});
    return amounts;
}

void ExportAddAmounts(std::vector<std::string>& cells, const std::vector<std::int64_t>& amounts) {
    for (const std::int64_t cents : amounts) {
        cells.push_back(MontantVirgule(cents));
    }
}

std::string ExportNumber(long n) {
    return n != 0 ? std::to_string(n) : "";
}

// Text for a field of the entries: no tab and no line end inside.
std::string ExportPlain(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

struct ExportFecLine {
    std::string compte;
    std::string libelle;
    std::int64_t debit;  // a negative amount goes to the other side
};

}  // namespace

std::string CsvComptable(const ExportComptable& data) {
    std::string bytes(kExportByteOrderMark);
    bytes += ExportRow(CsvHeader(data), ';');
    std::vector<std::int64_t> totals;
    long ventes = 0;
    long premier = 0;
    long dernier = 0;
    for (const JourComptable& jour : data.jours) {
        std::vector<std::string> cells = {ExportDateTableur(jour.date),
                                          jour.cloture ? "oui" : "non", std::to_string(jour.ventes),
                                          ExportNumber(jour.premier), ExportNumber(jour.dernier)};
        const std::vector<std::int64_t> amounts = ExportCsvAmounts(data, jour);
        ExportAddAmounts(cells, amounts);
        bytes += ExportRow(cells, ';');
        totals.resize(amounts.size());
        for (std::size_t i = 0; i < amounts.size(); ++i) {
            totals[i] += amounts[i];
        }
        ventes += jour.ventes;
        premier = premier == 0 ? jour.premier : premier;
        dernier = jour.dernier != 0 ? jour.dernier : dernier;
    }
    if (totals.empty()) {
        totals = ExportCsvAmounts(data, JourComptable{});
    }
    std::vector<std::string> cells = {"Total", "", std::to_string(ventes), ExportNumber(premier),
                                      ExportNumber(dernier)};
    ExportAddAmounts(cells, totals);
    return bytes + ExportRow(cells, ';');
}

std::string FecComptable(const ExportComptable& data) {
    std::string bytes = ExportRow(
        {"JournalCode", "JournalLib", "EcritureNum", "EcritureDate", "CompteNum", "CompteLib",
         "CompAuxNum", "CompAuxLib", "PieceRef", "PieceDate", "EcritureLib", "Debit", "Credit",
         "EcritureLet", "DateLet", "ValidDate", "Montantdevise", "Idevise"},
        '\t');
    const NumerosComptes& n = data.numeros;
    long numero = 0;
    for (const JourComptable& jour : data.jours) {
        const std::string date = ExportDateFec(jour.date);
        const std::string piece = (jour.cloture ? "Z" : "JOUR") + date;
        const std::string valide = jour.validite ? ExportDateFec(*jour.validite) : "";
        for (const std::size_t code : {std::size_t{1}, std::size_t{2}, std::size_t{0}}) {
            const ExportFecLine lines[] = {
                {n.caisse, "Caisse", jour.especes[code]},
                {n.cartes, "Cartes bancaires", jour.cartes[code]},
                {n.ventes, "Ventes", -(jour.Ttc(code) - jour.tva[code])},
                {n.tva, "TVA collectée", -jour.tva[code]},
            };
            if (std::all_of(std::begin(lines), std::end(lines),
                            [](const ExportFecLine& line) { return line.debit == 0; })) {
                continue;
            }
            const std::string libelle = ExportPlain("Ventes du " + FormatDate(jour.date) + " " +
                                                    ExportLibelleCode(data, code));
            ++numero;
            for (const ExportFecLine& line : lines) {
                if (line.debit == 0) {
                    continue;
                }
                bytes += ExportRow({"VE", "Ventes", std::to_string(numero), date,
                                    ExportPlain(line.compte), line.libelle, "", "", piece, date,
                                    libelle, MontantVirgule(std::max<std::int64_t>(line.debit, 0)),
                                    MontantVirgule(std::max<std::int64_t>(-line.debit, 0)), "", "",
                                    valide, "", ""},
                                   '\t');
            }
        }
    }
    return bytes;
}

bool DansDossierDonnees(const std::string& path, const std::string& dataPath) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    const fs::path parent =
        fs::weakly_canonical(fs::absolute(ToPath(path), ignored), ignored).parent_path();
    return parent == fs::weakly_canonical(ToPath(dataPath), ignored);
}

}  // namespace vantor
