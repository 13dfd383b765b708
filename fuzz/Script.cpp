// A line of an automation script split into words. Every word, quoted again,
// must split back into itself.
#include "FuzzInput.h"
#include "headless/ScriptLine.h"

using namespace vantor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<headless::Word> words;
    try {
        words = headless::SplitWords(fuzz::Bytes(data, size));
    } catch (const headless::ScriptError&) {
        return 0;  // an unclosed quote, refused with its line number
    }
    for (const headless::Word& word : words) {
        const std::vector<headless::Word> again = headless::SplitWords(headless::Quote(word.text));
        fuzz::Require(again.size() == 1 && again[0].quoted && again[0].text == word.text,
                      "a quoted word does not split back into itself");
    }
    return 0;
}
