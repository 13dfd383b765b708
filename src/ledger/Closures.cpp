#include "ledger/Closures.h"

#include <charconv>
#include <set>

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ClosureSignature.h"
#include "ledger/Events.h"
#include "ledger/Ledger.h"

namespace vantor {

namespace {

constexpr std::size_t kOldFields = 16;  // before the included VAT
constexpr std::size_t kFields = 18;

bool ReadLong(std::string_view text, long& number) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end = line.find(';'); end != std::string_view::npos;
         start = end + 1, end = line.find(';', start)) {
        fields.emplace_back(line.substr(start, end - start));
    }
    fields.emplace_back(line.substr(start));
    return fields;
}

}  // namespace

std::string FormatClosure(const Closure& c) {
    return c.period + ";" + FormatDate(c.debut) + ";" + FormatDate(c.fin) + ";" +
           std::to_string(c.ventes) + ";" + std::to_string(c.premier) + ";" +
           std::to_string(c.dernier) + ";" + c.especes + ";" + c.cartes + ";" + c.mouvements + ";" +
           c.tva1 + ";" + c.tva2 + ";" + c.total + ";" + c.grandTotal + ";" + c.grandTotalAbsolu +
           ";" + FormatDate(c.made.date) + ";" + FormatTime(c.made.time) +
           (c.tvaIncluse1 && c.tvaIncluse2 ? ";" + *c.tvaIncluse1 + ";" + *c.tvaIncluse2 : "");
}

std::optional<Closure> ParseClosure(std::string_view line) {
    const std::vector<std::string> f = Fields(ClosureFields(line));
    Closure c;
    if (f.size() < kOldFields) {
        return std::nullopt;
    }
    const std::optional<Date> debut = ParseDate(f[1]);
    const std::optional<Date> fin = ParseDate(f[2]);
    const std::optional<Date> made = ParseDate(f[14]);
    if (!debut || !fin || !made || !ReadLong(f[3], c.ventes) || !ReadLong(f[4], c.premier) ||
        !ReadLong(f[5], c.dernier)) {
        return std::nullopt;
    }
    c.period = f[0];
    c.debut = *debut;
    c.fin = *fin;
    c.especes = f[6];
    c.cartes = f[7];
    c.mouvements = f[8];
    c.tva1 = f[9];
    c.tva2 = f[10];
    c.total = f[11];
    c.grandTotal = f[12];
    c.grandTotalAbsolu = f[13];
    c.made.date = *made;
    if (f.size() >= kFields) {
        c.tvaIncluse1 = f[16];
        c.tvaIncluse2 = f[17];
    } else {
        c.tvaIncluse1.reset();
        c.tvaIncluse2.reset();
    }
    return c;
}

std::vector<Closure> ReadClosures(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kClosureFile);
    std::vector<Closure> closures;
    if (!FileExists(path)) {
        return closures;
    }
    for (const std::string& line : ReadLines(path)) {
        if (std::optional<Closure> closure = ParseClosure(line)) {
            closures.push_back(*closure);
        }
    }
    return closures;
}

void AppendClosure(const std::string& dataPath, const Closure& closure) {
    // Settled first, so that the head the line names is the entry just before its own.
    SettleInterruptedWrite(dataPath);
    const std::optional<ChainEntry> head = LastChainEntry(dataPath);
    const std::string seed = LoadOrCreateArchiveKey(dataPath);
    AppendChained(dataPath, kClosureFile, EntryKind::Closure, closure.ventes,
                  {SignedClosureLine(FormatClosure(closure), head ? head->seq : 0,
                                     head ? head->hash : kChainOrigin, seed)});
}

namespace {

// Adds one closure, met in file order, to what is closed.
void Note(ClosedPeriods& closed, const Closure& closure) {
    if (closure.period == kClosureDay) {
        closed = ClosedPeriods{closure.fin, std::nullopt, std::nullopt};
    } else if (closure.period == kClosureMonth) {
        closed.month = Date{closure.debut.year, closure.debut.month, 1};
    } else if (closure.period == kClosureYear) {
        closed.year = closure.debut.year;
    }
}

}  // namespace

ClosedPeriods ReadClosedPeriods(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kClosureFile);
    std::vector<Closure> tail;  // from the end back
    ForEachLineBackward(path, FileSize(path),
                        [&](std::string_view line, std::uint64_t, bool ended) {
                            std::optional<Closure> closure =
                                ended ? ParseClosure(Cp1252ToUtf8(line)) : std::nullopt;
                            if (closure) {
                                tail.push_back(std::move(*closure));
                            }
                            return closure && closure->period == kClosureDay;
                        });
    return ClosedPeriodsOf(std::vector<Closure>(tail.rbegin(), tail.rend()));
}

ClosedPeriods ClosedPeriodsOf(const std::vector<Closure>& closures) {
    ClosedPeriods closed;
    for (const Closure& closure : closures) {
        Note(closed, closure);
    }
    return closed;
}

std::optional<Date> LastClosedDate(const ClosedPeriods& closed) {
    std::optional<Date> last = closed.day;
    const auto later = [&](const Date& date) { last = last && *last > date ? *last : date; };
    if (closed.month) {
        later(LastDayOfMonth(*closed.month));
    }
    if (closed.year) {
        later(Date{*closed.year, 12, 31});
    }
    return last;
}

std::optional<std::string> ClosedBecause(const ClosedPeriods& closed, const Date& date) {
    if (closed.year && date.year <= *closed.year) {
        return ClosedPeriodText(kClosureYear, date) + " est clôturée";
    }
    if (closed.month && Date{date.year, date.month, 1} <= *closed.month) {
        return ClosedPeriodText(kClosureMonth, date) + " est clôturé";
    }
    if (closed.day && date <= *closed.day) {
        return ClosedPeriodText(kClosureDay, date) + " est clôturée";
    }
    return std::nullopt;
}

std::string ClosedPeriodText(const std::string& period, const Date& date) {
    if (period == kClosureYear) {
        return "l'année " + std::to_string(date.year);
    }
    if (period == kClosureMonth) {
        return "le mois de " + MonthAndYear(date);
    }
    return "la journée du " + FormatDate(date);
}

namespace {

// What a closure event names before its counts: "Jour 05.12.2026".
std::string ClosureName(const Closure& c) {
    const std::string periode =
        c.debut == c.fin ? FormatDate(c.debut) : FormatDate(c.debut) + " au " + FormatDate(c.fin);
    return c.period + " " + periode;
}

constexpr std::string_view kNameEnd = " : ";

}  // namespace

std::string ResumeCloture(const Closure& c) {
    return ClosureName(c) + std::string(kNameEnd) + std::to_string(c.ventes) + " ventes, total " +
           c.total;
}

std::size_t LogMissingClosureEvents(const std::string& dataPath, const DateTime& now) {
    const std::vector<Closure> closures = ReadClosures(dataPath);
    const std::string events = JoinPath(dataPath, kEventFile);
    if (closures.empty()) {
        return 0;
    }
    std::set<std::string> logged;
    const std::string type = std::string(";") + kClosureEvent + ";";
    for (const std::string& line :
         FileExists(events) ? ReadLines(events) : std::vector<std::string>{}) {
        const std::size_t at = line.find(type);
        if (at != std::string::npos) {
            const std::string detail = line.substr(at + type.size());
            logged.insert(detail.substr(0, detail.find(kNameEnd)));
        }
    }
    std::size_t made = 0;
    for (const Closure& closure : closures) {
        if (logged.insert(ClosureName(closure)).second) {
            LogEvent(dataPath, now, kClosureEvent, ResumeCloture(closure));
            ++made;
        }
    }
    return made;
}

}  // namespace vantor
