#include "ledger/Closures.h"

#include <charconv>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "ledger/ClosureSignature.h"
#include "ledger/Ledger.h"

namespace vantor {

namespace {

constexpr std::size_t kOldFields = 16;  // before the included VAT
constexpr std::size_t kFields = 18;
constexpr std::uint64_t kTail = 1024;

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

std::optional<Date> LastClosedDay(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kClosureFile);
    const std::uint64_t size = FileSize(path);
    if (size == 0) {
        return std::nullopt;
    }
    const std::uint64_t from = size > kTail ? size - kTail : 0;
    std::string tail = ReadRange(path, from, size - from);
    if (!tail.ends_with("\r\n")) {
        return std::nullopt;  // a line cut by a crash: the start-up settles it first
    }
    tail.resize(tail.size() - 2);
    const std::size_t before = tail.rfind('\n');
    std::optional<Closure> last =
        ParseClosure(before == std::string::npos ? tail : tail.substr(before + 1));
    return last ? std::optional<Date>(last->fin) : std::nullopt;
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

}  // namespace vantor
