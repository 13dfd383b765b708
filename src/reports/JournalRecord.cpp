#include "reports/JournalRecord.h"

#include <cstring>
#include <optional>

#include "data/Dates.h"
#include "data/Numbers.h"
#include "reports/JournalScan.h"

namespace vantor {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Digit(char c) {
    return c - '0';
}

// A whole number in [low, high] (a single digit read at once), or -1.
int WholeNumberIn(std::string_view text, int low, int high) {
    if (text.size() == 1 && IsDigit(text[0])) {
        const int value = Digit(text[0]);
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
    const int day = Digit(text[0]) * 10 + Digit(text[1]);
    const int month = Digit(text[3]) * 10 + Digit(text[4]);
    const int year =
        Digit(text[6]) * 1000 + Digit(text[7]) * 100 + Digit(text[8]) * 10 + Digit(text[9]);
    const Date date{year, month, day};
    return IsValidDate(date) ? DateKey(date) : -1;
}

}  // namespace

JournalRecord::JournalRecord(std::string_view line) {
    std::size_t start = 0;
    for (std::string_view& field : fields) {
        if (start > line.size()) {
            break;  // the remaining fields stay empty
        }
        const char* found =
            static_cast<const char*>(std::memchr(line.data() + start, ';', line.size() - start));
        const std::size_t stop =
            found != nullptr ? static_cast<std::size_t>(found - line.data()) : line.size();
        field = line.substr(start, stop - start);
        start = stop + 1;
    }
}

JournalRecord::Kind JournalRecord::KindOf() const {
    const std::string_view kind = fields[Genre];
    if (kind == "Esp") {
        return Kind::Especes;
    }
    if (kind == "Cart") {
        return Kind::Carte;
    }
    return kind == "Sort" ? Kind::Sortie : Kind::Other;
}

int JournalRecord::CategorySlot() const {
    return WholeNumberIn(fields[Categorie], 0, 8);
}

int JournalRecord::VatCode() const {
    const int code = WholeNumberIn(fields[Code], 1, 2);
    return code < 0 ? 0 : code;
}

int JournalRecord::AccountDigit() const {
    const std::string_view field = fields[Code];
    return !field.empty() && IsDigit(field[0]) ? Digit(field[0]) : -1;
}

long DateKeyReader::Read(std::string_view text) {
    if (text == last_) {
        return lastKey_;
    }
    long key = WrittenDateKey(text);
    if (key < 0) {
        // Other spellings a hand-edited file may hold ("5.12.2026").
        const std::optional<Date> date = ParseDate(text);
        key = date ? DateKey(*date) : -1;
    }
    last_.assign(text);
    lastKey_ = key;
    return key;
}

}  // namespace vantor
