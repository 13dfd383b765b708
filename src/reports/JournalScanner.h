#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "reports/JournalRecord.h"
#include "reports/JournalScan.h"

namespace vantor {

// Adds the records of whole lines of the journal, given piece after piece,
// to the sums a request asks for.
class JournalScanner {
public:
    explicit JournalScanner(const ScanRequest& request) : request_(request) {
        if (!request.waiterSlots.empty()) {
            sums_.waiterSlots.resize(request.waiterSlots.size() + 1);
        }
    }

    // bytes: whole lines (the last one may lack its line end).
    void Read(std::string_view bytes);
    JournalSums Result() { return std::move(sums_); }
    // A line longer than any record, skipped unread.
    void CountLongLine() { ++sums_.unreadable; }

private:
    void Record(const JournalRecord& record);
    // Adds a record of the period; false when a number it needs is unreadable.
    bool Keep(const JournalRecord& record, std::optional<ExactSum> amount);
    bool AddVat(const JournalRecord& record, std::optional<ExactSum> amount, WaiterSums& waiter);
    std::size_t SlotOf(std::string_view name);
    void AddToCharts(const JournalRecord& record, const ExactSum& value, ExactSum Takings::*kind);

    const ScanRequest& request_;
    JournalSums sums_;
    std::string lastName_;
    std::size_t lastSlot_ = std::string::npos;
    long lastChartDay_ = -1;
    Takings* lastDayTakings_ = nullptr;  // of lastChartDay_; std::map keeps it in place
};

// Runs scan(k) for the parts k = 0..parts-1 at the same time, the first on
// this thread, and adds up their sums in that order.
JournalSums ScanInParts(std::size_t parts, const std::function<JournalSums(std::size_t)>& scan);

}  // namespace vantor
