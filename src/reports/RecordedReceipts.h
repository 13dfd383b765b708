#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checkout/ReceiptExtras.h"
#include "platform/DateTime.h"
#include "reports/ExactSum.h"

namespace vantor {

// A ticket line of a recorded sale, read back from lignes.csv.
struct RecordedLine {
    int quantity = 0;
    std::string label;
    std::string amount;  // as printed
    int category = 0;
};

// A recorded sale as lignes.csv keeps it: what its receipt printed.
struct RecordedReceipt {
    std::int32_t numero = 0;
    Date date;
    std::string heure;
    std::string serveur;
    std::string paiement;  // "Esp", "Cart" or "Mixte"
    std::string especes;   // the cash part of a "Mixte"
    std::string modeTVA;
    std::int32_t corrige = 0;  // the sale a correction corrects, 0 for a sale
    // What its receipt printed after its total; nothing for a sale recorded
    // before lignes.csv kept it.
    std::optional<ReceiptExtras> printed;
    std::vector<RecordedLine> lines;
    ExactSum total;
};

// One line of lignes.csv (as UTF-8) with its sale's fields; nothing when it
// is not one the till writes.
std::optional<RecordedReceipt> ParseRecordedLine(std::string_view line);

// The recorded sales of a day, newest first, read from lignes.csv up to its
// last complete write (a sale being written is not there yet). Lines that
// cannot be read are passed over: the check reports them.
std::vector<RecordedReceipt> RecordedReceiptsOf(const std::string& dataPath, const Date& day);
// Every recorded sale of lignes.csv, in the order they were recorded, read
// as RecordedReceiptsOf reads a day's.
std::vector<RecordedReceipt> AllRecordedReceipts(const std::string& dataPath);

// The recorded sales of the bytes from start to end of lignes.csv (the range
// of a chain entry); none when the file does not reach so far.
std::vector<RecordedReceipt> RecordedReceiptsIn(const std::string& dataPath, std::uint64_t start,
                                                std::uint64_t end);

// The recorded sale of that number, the last one when the numbers went
// round; nothing when lignes.csv has none.
std::optional<RecordedReceipt> RecordedSale(const std::string& dataPath, std::int32_t numero);

// The corrections of sale numero, whatever their day, oldest first.
std::vector<RecordedReceipt> CorrectionsOf(const std::string& dataPath, std::int32_t numero);

// What a recorded sale is: a sale, or the correction of the sale it names
// (corrige). A correction is a cancellation when it takes back every line of
// that sale, each line negated (quantity and amount), otherwise a refund; the
// corrected sale unknown (nullptr), it counts as a refund.
enum class Correction { Aucune, Annulation, Remboursement };
Correction KindOfCorrection(const RecordedReceipt& r, const RecordedReceipt* corrected);

}  // namespace vantor
