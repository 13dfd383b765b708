#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reports/RecordedReceipts.h"

namespace vantor {

// The event log tells who made each correction and who approved it, in an
// event written right after the correction's records and lines.

// The sum of the lines' amounts, in cents.
std::int64_t CentsOfLines(const std::vector<RecordedLine>& lines);

// The event of a correction: its type ("Annulation", "Remboursement") and
// the start of its detail, "Ticket n° 14 annule le ticket n° 12 du
// 05.12.2026 : -11.50", to which the till adds the reason and who.
struct CorrectionEvent {
    std::string type;
    std::string detail;
};
CorrectionEvent CorrectionEventOf(const RecordedReceipt& correction,
                                  const RecordedReceipt* corrected);

// The correction whose records the chain holds last, when the event log has
// no event of it written after them: Vantor stopped in between. Only the
// last records can be so, the start writing the event that lacks. Nothing
// otherwise. Throws FileError.
std::optional<RecordedReceipt> CorrectionWithoutEvent(const std::string& dataPath);

// Writes the event of that correction from what lignes.csv keeps of it (the
// waiter who recorded it; its reason and approval were not kept), dated now.
// Throws FileError.
void LogCorrectionEventAfterStop(const std::string& dataPath, const RecordedReceipt& correction,
                                 const DateTime& now);

}  // namespace vantor
