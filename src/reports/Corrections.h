#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checkout/Journal.h"
#include "reports/RecordedReceipts.h"

namespace vantor {

// A recorded sale is corrected by a new sale of its lines negated: every line
// for a cancellation, the quantities chosen for a refund. These rules say
// what may still be taken back and what the correction's lines are; the
// sales screen records them through its checkout.

// What is left to take back of each line of sale, its earlier corrections
// counted (a line is known by its label and category: the refund of one
// "Café" takes back from the first "Café" lines still left).
std::vector<int> RemainingQuantities(const RecordedReceipt& sale,
                                     const std::vector<RecordedReceipt>& corrections);

// Why sale cannot be cancelled ("Le ticket n° 12 est déjà annulé"); "" when
// it can.
std::string CancellationRefusal(const RecordedReceipt& sale,
                                const std::vector<RecordedReceipt>& corrections);

// Why the quantities (one per line of sale) cannot be refunded; "" when they
// can.
std::string RefundRefusal(const RecordedReceipt& sale,
                          const std::vector<RecordedReceipt>& corrections,
                          const std::vector<int>& quantities);

// The lines that take back quantities[i] of each line i of sale: the
// quantity and the amount negated, the amount in proportion to the quantity,
// rounded to the cent; the lines with none left out.
std::vector<RecordedLine> CorrectionLines(const RecordedReceipt& sale,
                                          const std::vector<int>& quantities);

// The category subtotals that the journal records of sale numero hold (a
// discount on the whole ticket shared over its categories, as recorded);
// nothing when the chain names no records of that number.
std::optional<CategoryTotals> RecordedTotals(const std::string& dataPath, std::int32_t numero);

// The subtotals of lines by category, to the cent.
CategoryTotals LinesTotals(const std::vector<RecordedLine>& lines);

// What a refund takes back, as its receipt says it: "1 Café (3.50), 2 Croque".
std::string RefundedText(const std::vector<RecordedLine>& lines);

// What a correction does to the sale it corrects, as its receipt and the
// event log say it after "Ce ticket": "annule le ticket n° 12 du
// 05.12.2026", "rembourse 1 Café (3.50) du ticket n° 12".
std::string CorrectionText(const RecordedReceipt& correction, const RecordedReceipt* corrected);
// The word printed at the top and bottom of a correction's receipt:
// "ANNULATION", "REMBOURSEMENT"; "" for a sale.
std::string CorrectionWord(Correction kind);

}  // namespace vantor
