#include "reports/CorrectionEvents.h"

#include "data/Cp1252.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"
#include "ledger/SaleLines.h"
#include "reports/Corrections.h"
#include "sales/Remise.h"

namespace vantor {

namespace {

constexpr const char* kAnnulationEvent = "Annulation";
constexpr const char* kRemboursementEvent = "Remboursement";

std::string CorrectionNumberText(std::int32_t numero) {
    return "Ticket n° " + std::to_string(numero) + " ";
}

// The event log's lines written after the chain line starting at lineStart,
// as UTF-8.
std::string EventsAfter(const std::string& dataPath, std::uint64_t lineStart) {
    const std::string events = JoinPath(dataPath, kEventFile);
    if (!FileExists(events)) {
        return "";
    }
    const ChainEntryFound before =
        LastEntryBefore(JoinPath(dataPath, kChainFile), lineStart, kEventFile);
    const std::uint64_t from = before.entry ? FileEndAfter(*before.entry) : 0;
    const std::uint64_t size = FileSize(events);
    return from >= size
               ? ""
               : Cp1252ToUtf8(ReadRange(events, from, static_cast<std::size_t>(size - from)));
}

bool LogsCorrection(const std::string& events, std::int32_t numero) {
    for (const char* type : {kAnnulationEvent, kRemboursementEvent}) {
        if (events.find(std::string(";") + type + ";" + CorrectionNumberText(numero)) !=
            std::string::npos) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::int64_t CentsOfLines(const std::vector<RecordedLine>& lines) {
    std::int64_t cents = 0;
    for (const RecordedLine& line : lines) {
        cents += ExactSum::Parse(line.amount).value_or(ExactSum()).Cents();
    }
    return cents;
}

CorrectionEvent CorrectionEventOf(const RecordedReceipt& correction,
                                  const RecordedReceipt* corrected) {
    const Correction kind = KindOfCorrection(correction, corrected);
    return {kind == Correction::Annulation ? kAnnulationEvent : kRemboursementEvent,
            CorrectionNumberText(correction.numero) + CorrectionText(correction, corrected) +
                " : " + TexteCentimes(CentsOfLines(correction.lines))};
}

std::optional<RecordedReceipt> CorrectionWithoutEvent(const std::string& dataPath) {
    const std::string chain = JoinPath(dataPath, kChainFile);
    if (!FileExists(chain)) {
        return std::nullopt;
    }
    const ChainEntryFound sale = LastEntryBefore(chain, FileSize(chain), kJournalFile);
    if (!sale.entry || sale.entry->kind != EntryKind::Sale) {
        return std::nullopt;
    }
    const std::optional<ChainEntryAt> lines = LinesOfSale(chain, sale.lineStart, *sale.entry);
    if (!lines) {
        return std::nullopt;
    }
    std::vector<RecordedReceipt> receipts =
        RecordedReceiptsIn(dataPath, lines->entry.start, lines->entry.end);
    if (receipts.size() != 1 || receipts.front().corrige == 0 ||
        receipts.front().numero != sale.entry->ref ||
        LogsCorrection(EventsAfter(dataPath, sale.lineStart), receipts.front().numero)) {
        return std::nullopt;
    }
    return std::move(receipts.front());
}

void LogCorrectionEventAfterStop(const std::string& dataPath, const RecordedReceipt& correction,
                                 const DateTime& now) {
    const std::optional<RecordedReceipt> corrected = RecordedSale(dataPath, correction.corrige);
    const CorrectionEvent event = CorrectionEventOf(correction, corrected ? &*corrected : nullptr);
    LogEvent(dataPath, now, event.type,
             event.detail + ", par " + Before(correction.serveur, "+") +
                 ", motif et accord inconnus : Vantor a été arrêté avant d'écrire cet événement");
}

}  // namespace vantor
