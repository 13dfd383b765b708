#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::headless {

// A script line that cannot run; the runner reports it with its line number.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Word {
    std::string text;
    bool quoted = false;
    bool operator==(std::string_view other) const { return !quoted && text == other; }
};

// The words of a script line. A word with spaces is written in double quotes,
// with \" and \\ inside. Throws ScriptError on an unclosed quote.
std::vector<Word> SplitWords(std::string_view line);

// The text in double quotes, only " and \ escaped.
std::string Quote(std::string_view text);

// The word as a whole number; throws ScriptError when it is not one.
int ParseIndex(const Word& word);
// Throws ScriptError unless the command (the first word) has from least to
// most words, itself included.
void ExpectCount(const std::vector<Word>& words, std::size_t least, std::size_t most);

}  // namespace vantor::headless
