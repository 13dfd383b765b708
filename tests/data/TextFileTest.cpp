// The Windows-1252 text files as they are on disk, through the real reader
// and the real writer.

#include "data/TextFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace vantor {
namespace {

using Lines = std::vector<std::string>;
using test::Slurp;
using test::WriteRaw;

class TextFileTest : public ::testing::Test {
protected:
    test::TempDir folder_;
    const std::string path_ = folder_ / "Articles.csv";
};

TEST_F(TextFileTest, LinesAreWrittenInWindows1252WithCrLf) {
    WriteLinesAtomic(path_, {"Café 3.50 €", "", "Győr 😀;4;3"});
    EXPECT_EQ(Slurp(path_), "Caf\xE9 3.50 \x80\r\n\r\nGy?r ?;4;3\r\n");
    EXPECT_EQ(ReadLines(path_), (Lines{"Café 3.50 €", "", "Gy?r ?;4;3"}));
}

TEST_F(TextFileTest, FileWithEveryByteIsRewrittenByteForByte) {
    std::string line;
    for (int b = 0; b < 256; ++b) {
        line += b == '\n' ? "" : std::string(1, static_cast<char>(b));
    }
    const std::string bytes = line + "\r\n" + "\x81\x8D\x8F\x90\x9D\r\n";
    WriteRaw(path_, bytes);

    const Lines lines = ReadLines(path_);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "\u0081\u008D\u008F\u0090\u009D");  // the undefined bytes
    WriteLinesAtomic(path_, lines);
    EXPECT_EQ(Slurp(path_), bytes);
}

TEST_F(TextFileTest, ReadsCrLfLoneLfEmptyLinesAndMissingFinalLineEnd) {
    const std::pair<std::string, Lines> rows[] = {
        {"Caf\xE9;3.5;0\r\nTh\xE9 noir;3.5;0\nLait;3.6;0",
         {"Café;3.5;0", "Thé noir;3.5;0", "Lait;3.6;0"}},
        {"Nom\r\n\r\n\nLocalit\xE9\r\n\r\n", {"Nom", "", "", "Localité", ""}},
        {"a\rb\r\n", {"a\rb"}},  // a lone CR is text
        {"", {}}};
    for (const auto& [bytes, lines] : rows) {
        WriteRaw(path_, bytes);
        EXPECT_EQ(ReadLines(path_), lines) << bytes;
    }
}

}  // namespace
}  // namespace vantor
