#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DateTime.h"

namespace vantor {

// One line of Clotures.csv (Windows-1252, CR LF, ";"):
//   period;debut;fin;ventes;premier;dernier;especes;cartes;mouvements;tva1;
//   tva2;total;grandTotal;grandTotalAbsolu;date;heure;tvaIncluse1;tvaIncluse2
// period is "Jour", "Mois" or "Année"; amounts are number texts as the
// journal writes them; premier and dernier are the first and last receipt
// numbers (0 when no sale of the period has one). The closures written
// before the included VAT was kept have the first 16 fields only; fields
// after the 18th are left to their own readers. The line is signed
// (ClosureSignature.h): the head it names and the signature end it.
struct Closure {
    std::string period = "Jour";
    Date debut;
    Date fin;
    long ventes = 0;
    long premier = 0;
    long dernier = 0;
    std::string especes = "0";
    std::string cartes = "0";
    std::string mouvements = "0";
    std::string tva1 = "0";              // VAT of the records with VAT code 1 (on the premises)
    std::string tva2 = "0";              // and 2 (take-away)
    std::string total = "0";             // especes + cartes
    std::string grandTotal = "0";        // every sale since the first record
    std::string grandTotalAbsolu = "0";  // the same with every amount counted positive
    DateTime made;
    // The VAT included in the takings of codes 1 and 2; none in a closure of 16 fields.
    std::optional<std::string> tvaIncluse1 = "0";
    std::optional<std::string> tvaIncluse2 = "0";
};

inline constexpr const char* kClosureDay = "Jour";
inline constexpr const char* kClosureMonth = "Mois";
inline constexpr const char* kClosureYear = "Année";

std::string FormatClosure(const Closure& closure);
std::optional<Closure> ParseClosure(std::string_view line);

// Every closure of the data folder, in file order (unreadable lines left out).
std::vector<Closure> ReadClosures(const std::string& dataPath);
// The last day a closure covers, read from the end of Clotures.csv.
std::optional<Date> LastClosedDay(const std::string& dataPath);
// Appends the closure, signed by the folder's key (made when it has none),
// under the chain. Throws FileError.
void AppendClosure(const std::string& dataPath, const Closure& closure);

}  // namespace vantor
