#include "reports/ClosureDays.h"

#include <algorithm>
#include <optional>

#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "reports/Clotures.h"
#include "reports/JournalRecord.h"
#include "reports/JournalScan.h"

namespace vantor {

namespace {

ExactSum Absolute(const ExactSum& x) {
    return x.IsPositive() ? x : ExactSum() - x;
}

// Where each sale starts in the journal, with its receipt number, from the
// chain (an entry given up is replaced by the next one at its place).
std::map<std::uint64_t, long> SaleStarts(const std::string& dataPath) {
    std::map<std::uint64_t, long> starts;
    const std::string path = JoinPath(dataPath, kChainFile);
    if (!FileExists(path)) {
        return starts;
    }
    for (const std::string& line : ReadLines(path)) {
        const std::optional<ChainEntry> entry = ParseEntry(line);
        if (!entry || entry->file != kJournalFile || entry->kind == EntryKind::Interrupted) {
            continue;
        }
        if (entry->kind == EntryKind::Sale) {
            starts[entry->start] = static_cast<long>(entry->ref);
        } else {
            starts.erase(entry->start);
        }
    }
    return starts;
}

}  // namespace

JournalDays ScanDays(const std::string& dataPath, long after, long until) {
    JournalDays scan;
    std::map<long, DayScan>& days = scan.days;
    const std::string path = JoinPath(dataPath, kJournalFile);
    if (!FileExists(path)) {
        return scan;
    }
    // Read only when a record is to be closed: most starts close nothing.
    std::optional<std::map<std::uint64_t, long>> sales;
    const std::string bytes = ReadBytes(path);
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
        const std::string_view line(bytes.data() + start, end - start);
        JournalReader reader(line);
        JournalRecord record;
        const bool read = reader.Next(record);
        scan.latest = read ? std::max(scan.latest, record.day) : scan.latest;
        if (read && record.day > after && record.day <= until) {
            if (!sales) {
                sales = SaleStarts(dataPath);
            }
            DayScan& day = days.try_emplace(record.day, record.day).first->second;
            day.scanner.Read(line);
            if (record.kind == JournalRecord::Kind::Especes ||
                record.kind == JournalRecord::Kind::Carte) {
                day.absolute += Absolute(ClosureAmount(std::string(record.montant)));
            }
            if (auto sale = sales->find(start); sale != sales->end()) {
                day.premier = day.ventes == 0 ? sale->second : day.premier;
                day.dernier = sale->second;
                ++day.ventes;
            }
        }
        start = end;
    }
    return scan;
}

Closure DayClosure(long key, DayScan& day, const DateTime& now) {
    const PeriodSums sums = day.scanner.Result().period;
    Closure closure;
    closure.period = kClosureDay;
    closure.debut = closure.fin = DateOfKey(key);
    closure.ventes = day.ventes;
    closure.premier = day.premier;
    closure.dernier = day.dernier;
    closure.especes = sums.especes.Text();
    closure.cartes = sums.cartes.Text();
    closure.mouvements = sums.mouvements.Text();
    closure.tva1 = sums.tva1.Text();
    closure.tva2 = sums.tva2.Text();
    closure.tvaIncluse1 = sums.tvaIncluse1.Text();
    closure.tvaIncluse2 = sums.tvaIncluse2.Text();
    closure.total = (sums.especes + sums.cartes).Text();
    closure.grandTotalAbsolu = day.absolute.Text();
    closure.made = now;
    return closure;
}

// One reading of the journal for all of them, day by day as for their totals.
void CompleterTvaIncluse(const std::string& dataPath, std::vector<Closure>& closures) {
    std::vector<Closure*> old;
    long first = 0;
    long last = 0;
    for (Closure& closure : closures) {
        if (!closure.tvaIncluse1 || !closure.tvaIncluse2) {
            first = old.empty() ? DateKey(closure.debut) : std::min(first, DateKey(closure.debut));
            last = std::max(last, DateKey(closure.fin));
            old.push_back(&closure);
        }
    }
    if (old.empty()) {
        return;
    }
    std::map<long, PeriodSums> days;
    for (auto& [key, day] : ScanDays(dataPath, first - 1, last).days) {
        days.emplace(key, day.scanner.Result().period);
    }
    for (Closure* closure : old) {
        ExactSum tva1;
        ExactSum tva2;
        const auto end = days.upper_bound(DateKey(closure->fin));
        for (auto day = days.lower_bound(DateKey(closure->debut)); day != end; ++day) {
            tva1 += day->second.tvaIncluse1;
            tva2 += day->second.tvaIncluse2;
        }
        closure->tvaIncluse1 = tva1.Text();
        closure->tvaIncluse2 = tva2.Text();
    }
}

}  // namespace vantor
