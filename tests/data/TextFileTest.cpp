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
using test::TempDir;
using test::WriteRaw;

class TextFileTest : public ::testing::Test {
protected:
    TempDir folder_;
    const std::string path_ = folder_ / "Articles.csv";
};

TEST_F(TextFileTest, EuroSignIsByte80OnDiskAndReadsBack) {
    WriteLinesAtomic(path_, {"Café 3.50 €"});

    EXPECT_EQ(Slurp(path_), "Caf\xE9 3.50 \x80\r\n");
    EXPECT_EQ(ReadLines(path_), Lines{"Café 3.50 €"});
}

TEST_F(TextFileTest, FileWithEveryByteIsRewrittenByteForByte) {
    std::string line;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n') {
            line += static_cast<char>(b);
        }
    }
    const std::string bytes = line + "\r\n" + "\x81\x8D\x8F\x90\x9D\r\n";
    WriteRaw(path_, bytes);

    const Lines lines = ReadLines(path_);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "\u0081\u008D\u008F\u0090\u009D");
    WriteLinesAtomic(path_, lines);
    EXPECT_EQ(Slurp(path_), bytes);
}

TEST_F(TextFileTest, CharactersOutsideWindows1252AreWrittenAsQuestionMarks) {
    WriteLinesAtomic(path_, {"Győr 😀;4;3"});

    EXPECT_EQ(Slurp(path_), "Gy?r ?;4;3\r\n");
}

TEST_F(TextFileTest, ReadsCrLfLoneLfAndMissingFinalLineEnd) {
    WriteRaw(path_, "Caf\xE9;3.5;0\r\nTh\xE9 noir;3.5;0\nLait;3.6;0");

    EXPECT_EQ(ReadLines(path_), (Lines{"Café;3.5;0", "Thé noir;3.5;0", "Lait;3.6;0"}));
}

TEST_F(TextFileTest, EmptyLinesAreKept) {
    WriteRaw(path_, "Nom\r\n\r\n\nLocalit\xE9\r\n\r\n");

    EXPECT_EQ(ReadLines(path_), (Lines{"Nom", "", "", "Localité", ""}));
}

TEST_F(TextFileTest, EmptyFileHasNoLinesAndEmptyLinesAreWrittenAsLineEnds) {
    WriteRaw(path_, "");
    EXPECT_TRUE(ReadLines(path_).empty());

    WriteLinesAtomic(path_, {"", "CHF", ""});
    EXPECT_EQ(Slurp(path_), "\r\nCHF\r\n\r\n");
    EXPECT_EQ(ReadLines(path_), (Lines{"", "CHF", ""}));
}

TEST_F(TextFileTest, CarriageReturnInsideALineIsText) {
    WriteRaw(path_, "a\rb\r\n");

    EXPECT_EQ(ReadLines(path_), Lines{"a\rb"});
}

}  // namespace
}  // namespace vantor
