// Closures: the totals of each past day (and month, and year) fixed in a
// chained line, with the perpetual grand total.
#include "reports/Clotures.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "data/Dates.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Events.h"
#include "reports/ClosureDays.h"
#include "reports/JournalScan.h"
#include "reports/ReportLines.h"

namespace vantor {

namespace {

// The closure of a month or a year: the sum of the closures it is made of,
// each with its included VAT (CompleterTvaIncluse).
Closure Summed(const std::vector<Closure>& parts, const char* period, const DateTime& now) {
    Closure sum;
    sum.period = period;
    sum.debut = parts.front().debut;
    sum.fin = parts.back().fin;
    ExactSum especes, cartes, mouvements, tva1, tva2, tvaIncluse1, tvaIncluse2;
    for (const Closure& part : parts) {
        sum.ventes += part.ventes;
        sum.premier = sum.premier == 0 ? part.premier : sum.premier;
        sum.dernier = part.dernier != 0 ? part.dernier : sum.dernier;
        especes += ClosureAmount(part.especes);
        cartes += ClosureAmount(part.cartes);
        mouvements += ClosureAmount(part.mouvements);
        tva1 += ClosureAmount(part.tva1);
        tva2 += ClosureAmount(part.tva2);
        tvaIncluse1 += ClosureAmount(part.tvaIncluse1.value_or("0"));
        tvaIncluse2 += ClosureAmount(part.tvaIncluse2.value_or("0"));
    }
    sum.especes = especes.Text();
    sum.cartes = cartes.Text();
    sum.mouvements = mouvements.Text();
    sum.tva1 = tva1.Text();
    sum.tva2 = tva2.Text();
    sum.tvaIncluse1 = tvaIncluse1.Text();
    sum.tvaIncluse2 = tvaIncluse2.Text();
    sum.total = (especes + cartes).Text();
    sum.grandTotal = parts.back().grandTotal;
    sum.grandTotalAbsolu = parts.back().grandTotalAbsolu;
    sum.made = now;
    return sum;
}

long MonthKey(const Date& date) {
    return date.year * 100L + date.month;
}

// The closures of the folder, and those of this closing, written in date
// order: each day once, a month right before the first day closure after
// it, a year right after its last month.
class ClosingBook {
public:
    ClosingBook(const std::string& dataPath, const DateTime& now) : dataPath_(dataPath), now_(now) {
        for (const Closure& closure : ReadClosures(dataPath)) {
            if (closure.period == kClosureDay) {
                // Of a day closed twice by an earlier version, the first counts.
                days_[MonthKey(closure.debut)].try_emplace(DateKey(closure.debut), closure);
                lastDay_ = closure;
            } else if (closure.period == kClosureMonth) {
                closedMonths_.insert(MonthKey(closure.debut));
                months_[closure.debut.year].try_emplace(MonthKey(closure.debut), closure);
            } else if (closure.period == kClosureYear) {
                closedYears_.insert(closure.debut.year);
            }
        }
        if (lastDay_) {
            grand_ = ClosureAmount(lastDay_->grandTotal);
            absolute_ = ClosureAmount(lastDay_->grandTotalAbsolu);
        }
    }

    // The last day closed before this closing.
    const std::optional<Closure>& LastDay() const { return lastDay_; }

    // Closes every month and year with closures of their own parts that
    // ended before day and has none of its own, in date order.
    void CloseEndedBefore(const Date& day) {
        for (const auto& [month, parts] : days_) {
            if (month >= MonthKey(day)) {
                break;
            }
            if (closedMonths_.insert(month).second) {
                CloseYearsBefore(static_cast<int>(month / 100));
                Closure closure = Summed(Completed(parts), kClosureMonth, now_);
                months_[closure.debut.year].try_emplace(month, closure);
                Append(std::move(closure));
            }
        }
        CloseYearsBefore(day.year);
    }

    void CloseDay(Closure closure) {
        grand_ += ClosureAmount(closure.total);
        absolute_ += ClosureAmount(closure.grandTotalAbsolu);
        closure.grandTotal = grand_.Text();
        closure.grandTotalAbsolu = absolute_.Text();
        days_[MonthKey(closure.debut)].try_emplace(DateKey(closure.debut), closure);
        Append(std::move(closure));
    }

    std::vector<Closure> Made() { return std::move(made_); }

private:
    // The parts of a period in date order, those of 16 fields with their
    // included VAT read from the journal.
    std::vector<Closure> Completed(const std::map<long, Closure>& parts) const {
        std::vector<Closure> values;
        for (const auto& [key, closure] : parts) {
            values.push_back(closure);
        }
        CompleterTvaIncluse(dataPath_, values);
        return values;
    }

    void CloseYearsBefore(int year) {
        for (const auto& [closedYear, parts] : months_) {
            if (closedYear >= year) {
                break;
            }
            if (closedYears_.insert(closedYear).second) {
                Append(Summed(Completed(parts), kClosureYear, now_));
            }
        }
    }

    // The closure, then its event: a closing stopped in between has the
    // event logged at the next start.
    void Append(Closure closure) {
        AppendClosure(dataPath_, closure);
        TryLogEvent(dataPath_, now_, kClosureEvent, ResumeCloture(closure));
        made_.push_back(std::move(closure));
    }

    const std::string& dataPath_;
    const DateTime now_;
    std::map<long, std::map<long, Closure>> days_;   // by month, then day
    std::map<int, std::map<long, Closure>> months_;  // by year, then month
    std::set<long> closedMonths_;
    std::set<int> closedYears_;
    std::optional<Closure> lastDay_;
    ExactSum grand_;
    ExactSum absolute_;
    std::vector<Closure> made_;
};

long DaysBetween(long from, long to) {
    return DaysFromCivil(DateOfKey(to)) - DaysFromCivil(DateOfKey(from));
}

}  // namespace

ExactSum ClosureAmount(const std::string& text) {
    return ExactSum::Parse(text).value_or(ExactSum());
}

ClosingRun Cloturer(const std::string& dataPath, const DateTime& now, bool aujourdhui,
                    const std::function<bool(const FarDate&)>& confirm) {
    ClosingBook book(dataPath, now);
    const long today = DateKey(now.date);
    const std::optional<Date> closed = LastClosedDate(ReadClosedPeriods(dataPath));
    const long after = closed ? DateKey(*closed) : 0;
    JournalDays scan = ScanDays(dataPath, after, aujourdhui ? today : today - 1);
    if (aujourdhui && today > after) {
        scan.days.try_emplace(today, today);
    }
    const long days = scan.latest > 0 ? DaysBetween(scan.latest, today) : 0;
    if (!scan.days.empty() && days > kDaysBeforeAsking &&
        !confirm(FarDate{DateOfKey(scan.latest), now.date, days,
                         DateOfKey(scan.days.rbegin()->first)})) {
        return {{}, true};
    }
    if (book.LastDay()) {
        book.CloseEndedBefore(book.LastDay()->debut);  // what a stopped closing left open
    }
    for (auto& [key, day] : scan.days) {
        book.CloseEndedBefore(DateOfKey(key));
        book.CloseDay(DayClosure(key, day, now));
    }
    return {book.Made(), false};
}

}  // namespace vantor
