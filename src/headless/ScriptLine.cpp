#include "headless/ScriptLine.h"

#include <optional>

#include "data/Numbers.h"

namespace vantor::headless {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Reads a quoted word starting after its opening quote; returns the position
// after the closing quote.
std::size_t ReadQuoted(std::string_view line, std::size_t i, std::string& word) {
    while (i < line.size()) {
        char c = line[i++];
        if (c == '"') {
            return i;
        }
        if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
            c = line[i++];
        }
        word += c;
    }
    throw ScriptError("guillemet non fermé");
}

}  // namespace

std::vector<Word> SplitWords(std::string_view line) {
    std::vector<Word> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (IsBlank(line[i])) {
            ++i;
            continue;
        }
        Word word;
        if (line[i] == '"') {
            word.quoted = true;
            i = ReadQuoted(line, i + 1, word.text);
        } else {
            while (i < line.size() && !IsBlank(line[i])) {
                word.text += line[i++];
            }
        }
        words.push_back(std::move(word));
    }
    return words;
}

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "\"";
}

int ParseIndex(const Word& word) {
    std::optional<int> value = word.quoted ? std::nullopt : ParseInteger(word.text);
    if (!value) {
        throw ScriptError("nombre attendu : " + word.text);
    }
    return *value;
}

void ExpectCount(const std::vector<Word>& words, std::size_t least, std::size_t most) {
    if (words.size() < least || words.size() > most) {
        throw ScriptError("nombre d'arguments incorrect pour " + words.front().text);
    }
}

}  // namespace vantor::headless
