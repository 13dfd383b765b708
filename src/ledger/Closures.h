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
// The event logged for each closure made.
inline constexpr const char* kClosureEvent = "Clôture";

std::string FormatClosure(const Closure& closure);
// Lines longer than the 16 fields (fields added later) are read all the same.
std::optional<Closure> ParseClosure(std::string_view line);

// Every closure of the data folder, in file order (unreadable lines left out).
std::vector<Closure> ReadClosures(const std::string& dataPath);
// Appends the closure, signed by the folder's key (made when it has none),
// under the chain. Throws FileError.
void AppendClosure(const std::string& dataPath, const Closure& closure);

// What the closures have closed: a record dated in a closed day, month or
// year is refused. Days are closed in date order, and a month or year right
// before the first day after it: the last day closure and the closures after
// it in Clotures.csv tell how far they reach.
struct ClosedPeriods {
    std::optional<Date> day;    // the last closed day
    std::optional<Date> month;  // the first day of a month closed after it
    std::optional<int> year;    // a year closed after it
};
// Read from the end of Clotures.csv back to its last day closure.
ClosedPeriods ReadClosedPeriods(const std::string& dataPath);
// The same from closures in file order.
ClosedPeriods ClosedPeriodsOf(const std::vector<Closure>& closures);
// The last calendar day that they close; nothing when none is.
std::optional<Date> LastClosedDate(const ClosedPeriods& closed);
// Why a record of that date is refused ("le mois de décembre 2026 est
// clôturé"); nothing when it may be recorded.
std::optional<std::string> ClosedBecause(const ClosedPeriods& closed, const Date& date);

// "la journée du 05.12.2026", "le mois de décembre 2026", "l'année 2026".
std::string ClosedPeriodText(const std::string& period, const Date& date);

// "Jour 05.12.2026 : 12 ventes, total 345.5": the detail of a closure event.
std::string ResumeCloture(const Closure& closure);
// Logs the closure event of every closure that has none (a closing stopped
// between a closure and its event); returns how many. Throws FileError.
std::size_t LogMissingClosureEvents(const std::string& dataPath, const DateTime& now);

}  // namespace vantor
