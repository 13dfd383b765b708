#include "data/Text.h"

#include <algorithm>

#include "data/Utf8.h"

namespace vantor {

namespace {

// Characters are counted at their first byte; UTF-8 continuation bytes belong
// to the character before them (IsUtf8Continuation). A text never starts
// inside a character, so a stray continuation byte at the front still counts
// as one.

// Byte offset after the first n characters (the size when the text is shorter).
std::size_t OffsetAfter(std::string_view s, std::size_t n) {
    std::size_t offset = 0;
    for (; n > 0 && offset < s.size(); --n) {
        ++offset;
        while (offset < s.size() && IsUtf8Continuation(s[offset])) {
            ++offset;
        }
    }
    return offset;
}

// Only the space itself: tabs and other blanks are part of the text.
std::string_view WithoutLeadingSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : s.substr(first);
}

std::string_view WithoutTrailingSpaces(std::string_view s) {
    const std::size_t last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : s.substr(0, last + 1);
}

std::string WithSpaces(std::string_view s, std::size_t spaces, bool before) {
    std::string out;
    out.reserve(s.size() + spaces);
    if (before) {
        out.append(spaces, ' ');
    }
    out.append(s);
    if (!before) {
        out.append(spaces, ' ');
    }
    return out;
}

std::size_t MissingUpTo(std::string_view s, std::size_t width) {
    const std::size_t length = Len(s);
    return length < width ? width - length : 0;
}

}  // namespace

std::size_t Len(std::string_view s) {
    if (s.empty()) {
        return 0;
    }
    const auto starts =
        std::count_if(s.begin() + 1, s.end(), [](char byte) { return !IsUtf8Continuation(byte); });
    return 1 + static_cast<std::size_t>(starts);
}

std::string Left(std::string_view s, std::size_t n) {
    return std::string(s.substr(0, OffsetAfter(s, n)));
}

std::string Mid(std::string_view s, std::size_t start, std::size_t n) {
    // Position 0 is taken as 1, as there is nothing before the first character.
    const std::string_view rest = s.substr(OffsetAfter(s, start > 0 ? start - 1 : 0));
    return std::string(rest.substr(0, OffsetAfter(rest, n)));
}

std::string Trim(std::string_view s) {
    return std::string(WithoutTrailingSpaces(WithoutLeadingSpaces(s)));
}

std::string PadRight(std::string_view s, std::size_t width) {
    return WithSpaces(s, MissingUpTo(s, width), false);
}

std::string PadLeft(std::string_view s, std::size_t width) {
    return WithSpaces(s, MissingUpTo(s, width), true);
}

std::string FitRight(std::string_view s, std::size_t width) {
    const std::string_view kept = s.substr(0, OffsetAfter(s, width));
    return WithSpaces(kept, MissingUpTo(kept, width), false);
}

std::string Replace(std::string_view s, std::string_view what, std::string_view with) {
    if (what.empty()) {
        return std::string(s);
    }
    std::string out;
    out.reserve(s.size());
    std::size_t from = 0;
    for (std::size_t found = s.find(what); found != std::string_view::npos;
         found = s.find(what, from)) {
        out.append(s.substr(from, found - from)).append(with);
        from = found + what.size();
    }
    out.append(s.substr(from));
    return out;
}

std::string Before(std::string_view s, std::string_view separator) {
    return std::string(s.substr(0, s.find(separator)));
}

namespace {

bool IsFrenchVowel(std::string_view letter) {
    static constexpr std::string_view kVowels[] = {
        "a", "e", "i", "o", "u", "A", "E", "I", "O", "U", "à", "â", "ä", "é",
        "è", "ê", "ë", "î", "ï", "ô", "ö", "ù", "û", "ü", "æ", "œ", "À", "Â",
        "Ä", "É", "È", "Ê", "Ë", "Î", "Ï", "Ô", "Ö", "Ù", "Û", "Ü", "Æ", "Œ"};
    return std::find(std::begin(kVowels), std::end(kVowels), letter) != std::end(kVowels);
}

// A y before a vowel is heard as a consonant: "de Yann", but "d'Yves".
bool Elides(std::string_view name) {
    const std::string first = Left(name, 1);
    if (first == "h" || first == "H") {
        return true;
    }
    if (first == "y" || first == "Y") {
        return !IsFrenchVowel(Mid(name, 2, 1));
    }
    return IsFrenchVowel(first);
}

}  // namespace

std::string DeNom(std::string_view name) {
    return (Elides(name) ? "d'" : "de ") + std::string(name);
}

}  // namespace vantor
