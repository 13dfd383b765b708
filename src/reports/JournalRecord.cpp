#include "reports/JournalRecord.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>

#include "data/Dates.h"
#include "data/Numbers.h"
#include "reports/JournalScan.h"
#include "reports/Separators.h"

namespace vantor {

namespace {

using Kind = JournalRecord::Kind;

// The lines the till writes are shorter than this: they are cut from the
// separators of one look at their first 64 bytes. Longer lines are cut field
// by field.
constexpr std::size_t kWrittenLineLimit = 64;

int DecimalValue(char c) {
    return c - '0';
}

// A whole number in [low, high] (a single digit read at once), or -1.
int WholeNumberIn(std::string_view text, int low, int high) {
    if (text.size() == 1 && IsDigit(text[0])) {
        const int value = DecimalValue(text[0]);
        return value >= low && value <= high ? value : -1;
    }
    const std::optional<int> value = ParseInteger(text);
    return value && *value >= low && *value <= high ? *value : -1;
}

// "dd.mm.yyyy" exactly as the till writes it, or -1.
long WrittenDateKey(std::string_view text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') {
        return -1;
    }
    for (const std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsDigit(text[i])) {
            return -1;
        }
    }
    const int day = DecimalValue(text[0]) * 10 + DecimalValue(text[1]);
    const int month = DecimalValue(text[3]) * 10 + DecimalValue(text[4]);
    const int year = DecimalValue(text[6]) * 1000 + DecimalValue(text[7]) * 100 +
                     DecimalValue(text[8]) * 10 + DecimalValue(text[9]);
    const Date date{year, month, day};
    return IsValidDate(date) ? DateKey(date) : -1;
}

Kind KindOf(std::string_view kind) {
    if (kind == "Esp") {
        return Kind::Especes;
    }
    if (kind == "Cart") {
        return Kind::Carte;
    }
    return kind == "Sort" ? Kind::Sortie : Kind::Other;
}

}  // namespace

int JournalRecord::Categorie() const {
    return WholeNumberIn(categorieTexte, 0, 8);
}

int JournalRecord::Code() const {
    return std::max(WholeNumberIn(codeTexte, 1, 2), 0);
}

int JournalRecord::Compte() const {
    return !codeTexte.empty() && IsDigit(codeTexte[0]) ? DecimalValue(codeTexte[0]) : -1;
}

int JournalRecord::Heure() const {
    const std::size_t colon = heure.find(':');
    return colon == std::string_view::npos ? -1 : WholeNumberIn(heure.substr(0, colon), 0, 23);
}

bool JournalReader::Next(JournalRecord& record) {
    while (pos_ < bytes_.size()) {
        record.whole = record.ended = true;
        record.tooLong = false;
        if (CutWritten(fields_) || CutAny(fields_, record)) {
            Read(fields_, record);
            return true;
        }
    }
    return false;
}

// Exactly 7 ";" and a line end within the limit; anything else is left to
// CutAny, which gives the same fields for the lines this one takes.
bool JournalReader::CutWritten(Fields& fields) {
    if (bytes_.size() - pos_ < kWrittenLineLimit) {
        return false;
    }
    const char* const start = bytes_.data() + pos_;
    const SeparatorMasks found = FindSeparators(start);
    if (found.lineFeeds == 0) {
        return false;
    }
    const int end = std::countr_zero(found.lineFeeds);
    std::uint64_t semicolons = found.semicolons & ((std::uint64_t{1} << end) - 1);
    int from = 0;
    for (std::size_t k = 0; k + 1 < fields.size(); ++k) {
        if (semicolons == 0) {
            return false;
        }
        const int at = std::countr_zero(semicolons);
        semicolons &= semicolons - 1;
        fields[k] = std::string_view(start + from, static_cast<std::size_t>(at - from));
        from = at + 1;
    }
    if (semicolons != 0) {
        return false;  // an eighth ";"
    }
    const int stop = end > from && start[end - 1] == '\r' ? end - 1 : end;
    fields.back() = std::string_view(start + from, static_cast<std::size_t>(stop - from));
    pos_ += static_cast<std::size_t>(end) + 1;
    return true;
}

// The line at pos_, whatever it holds; false when it is blank.
bool JournalReader::CutAny(Fields& fields, JournalRecord& record) {
    const std::size_t lineEnd = std::min(bytes_.find('\n', pos_), bytes_.size());
    std::string_view line = bytes_.substr(pos_, lineEnd - pos_);
    pos_ = lineEnd < bytes_.size() ? lineEnd + 1 : lineEnd;
    record.ended = lineEnd < bytes_.size();
    record.tooLong = line.size() > kLongestLine;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (record.tooLong) {
        line = {};
    }
    std::size_t start = 0;
    for (std::string_view& field : fields) {
        record.whole = start <= line.size();
        const std::size_t stop = record.whole ? line.find(';', start) : line.size();
        const std::size_t end = std::min(stop, line.size());
        field = record.whole ? line.substr(start, end - start) : std::string_view();
        start = end + 1;
    }
    return !line.empty() || record.tooLong;
}

void JournalReader::Read(const Fields& fields, JournalRecord& record) {
    record.date = fields[0];
    record.day = Day(fields[0]);
    record.heure = fields[1];
    record.nom = fields[2];
    record.montant = fields[3];
    record.categorieTexte = fields[4];
    record.kind = KindOf(fields[5]);
    record.codeTexte = fields[6];
    record.tva = fields[7];
}

long JournalReader::Day(std::string_view text) {
    if (text.size() == lastDate_.size() && lastDay_ >= 0 &&
        std::memcmp(text.data(), lastDate_.data(), lastDate_.size()) == 0) {
        return lastDay_;
    }
    lastDay_ = WrittenDateKey(text);
    if (lastDay_ >= 0) {
        std::memcpy(lastDate_.data(), text.data(), lastDate_.size());
        return lastDay_;
    }
    // Other spellings a hand-edited file may hold ("5.12.2026").
    const std::optional<Date> date = ParseDate(text);
    return date ? DateKey(*date) : -1;
}

}  // namespace vantor
