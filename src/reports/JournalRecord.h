#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantor {

// One record of the journal with the values the reports read from it. Its
// 8 fields (numbered 1 to 8 in the file's description) are the texts between
// two ";"; the fields a short record lacks are empty, and what follows an
// eighth ";" is not read.
struct JournalRecord {
    enum class Kind { Other, Especes, Carte, Sortie };  // field 6: "Esp", "Cart", "Sort"

    std::string_view date;            // field 1, as written
    std::string_view heure;           // field 2: "9:05:07"
    long day = -1;                    // field 1 as a key yyyymmdd, -1 when it is no date
    std::string_view nom;             // field 3: the waiter, or the movement's text
    std::string_view montant;         // field 4: the amount
    std::string_view categorieTexte;  // field 5
    Kind kind = Kind::Other;
    std::string_view codeTexte;  // field 7: the VAT code, or a movement's account
    std::string_view tva;        // field 8: the VAT amount
    bool whole = true;           // all 8 fields are there
    bool ended = true;           // the line has its line end
    bool tooLong = false;        // longer than any record: none of it is read

    // Read only for the records that need them (those of the period).
    int Categorie() const;  // field 5 when it is a whole number 0..8, else -1
    int Code() const;       // field 7 when it is the VAT code 1 or 2, else 0
    int Compte() const;     // the digit that starts field 7, or -1
    int Heure() const;      // the hour of field 2, 0..23, or -1
};

// The records of the journal's bytes, in file order. Lines end with LF,
// CR LF or the end of the bytes; blank lines are skipped. A line in the form
// the till writes is cut from one search of its first 64 bytes for separators;
// any other is cut field by field.
inline constexpr std::size_t kLongestLine = 64u << 10;
class JournalReader {
public:
    explicit JournalReader(std::string_view bytes) : bytes_(bytes) {}
    // The next record; false after the last one.
    bool Next(JournalRecord& record);

private:
    using Fields = std::array<std::string_view, 8>;

    bool CutWritten(Fields& fields);
    bool CutAny(Fields& fields, JournalRecord& record);
    void Read(const Fields& fields, JournalRecord& record);
    long Day(std::string_view text);

    const std::string_view bytes_;
    std::size_t pos_ = 0;  // the start of the next line
    Fields fields_;        // of the line last cut
    // The last date of the written form read: the records of one day follow each other.
    std::array<char, 10> lastDate_{};
    long lastDay_ = -1;
};

}  // namespace vantor
