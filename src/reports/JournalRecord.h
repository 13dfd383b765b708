#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantor {

// One record of the journal, cut into its 8 fields (numbered 1 to 8 in the
// file's description, 0 to 7 here). A field is the text between two ";"; the
// fields a short record lacks are empty, and what follows an eighth ";" is
// not read.
struct JournalRecord {
    enum Field { Jour, Heure, Nom, Montant, Categorie, Genre, Code, MontantTva };
    enum class Kind { Other, Especes, Carte, Sortie };

    std::array<std::string_view, 8> fields;

    // line: one line of the file without its line end.
    explicit JournalRecord(std::string_view line);
    std::string_view operator[](Field field) const { return fields[field]; }

    // "Esp", "Cart", "Sort" or anything else.
    Kind KindOf() const;
    // The category slot 0..8, or -1 when the field is not a whole number in that range.
    int CategorySlot() const;
    // The VAT code 1 or 2, or 0 for any other value.
    int VatCode() const;
    // The account digit 0..9 that starts field 7, or -1.
    int AccountDigit() const;
};

// Reads the date field as a key yyyymmdd, -1 when it is no date. Remembers
// the last date read, since the records of one day follow each other.
class DateKeyReader {
public:
    long Read(std::string_view text);

private:
    std::string last_;
    long lastKey_ = -1;
};

}  // namespace vantor
