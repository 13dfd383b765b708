// The Windows-1252 text files as they are on disk, through the real reader
// and the real writer.

#include "data/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Paths.h"
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

// Read back from any offset, each line comes whole with where it starts,
// whatever the blocks it spans (lines of 1 byte to 40,000, CR LF, a lone LF,
// empty lines, a last line without its line end).
TEST_F(TextFileTest, LinesAreReadBackWholeAcrossBlocks) {
    const std::vector<std::size_t> lengths = {0, 1, 16383, 16384, 16385, 40000, 7, 0, 120};
    std::string bytes;
    std::vector<std::pair<std::string, std::uint64_t>> lines;  // the line, where it starts
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        lines.emplace_back(std::string(lengths[i], static_cast<char>('a' + i)), bytes.size());
        bytes += lines.back().first + (i == 3 ? "\n" : "\r\n");
    }
    bytes += "fin";
    lines.emplace_back("fin", bytes.size() - 3);
    WriteRaw(path_, bytes);
    for (std::size_t from = 0; from < lines.size(); ++from) {
        const std::uint64_t before =
            from + 1 < lines.size() ? lines[from + 1].second : bytes.size();
        std::vector<std::pair<std::string, std::uint64_t>> read;
        bool lastEnded = true;
        ForEachLineBackward(path_, before,
                            [&](std::string_view line, std::uint64_t start, bool ended) {
                                lastEnded = read.empty() ? ended : lastEnded;
                                read.emplace_back(std::string(line), start);
                                return false;
                            });
        const std::vector<std::pair<std::string, std::uint64_t>> expected(
            lines.rend() - static_cast<std::ptrdiff_t>(from) - 1, lines.rend());
        EXPECT_EQ(read, expected) << "before " << before;
        EXPECT_EQ(lastEnded, from + 1 < lines.size());
    }
    std::size_t visited = 0;
    ForEachLineBackward(path_, bytes.size(), [&](std::string_view, std::uint64_t, bool) {
        return ++visited == 2;  // stops when told
    });
    EXPECT_EQ(visited, 2u);
}

// The temporaries an earlier write of one file left beside it go, given a
// path with or without a folder; other names stay.
TEST_F(TextFileTest, TheLeftoversOfOneFileAreRemovedBesideIt) {
    const std::vector<std::string> kept = {"a.tar.tmp", "a.tar.tmpAbC12", "b.tar.tmpAbC123",
                                           "a.tar.tmpAb-123", "a.tar.oldAbC123"};
    for (const std::string& name : kept) {
        WriteRaw(folder_ / name, "x");
    }
    WriteRaw(folder_ / "a.tar.tmpAbC123", "x");
    RemoveLeftoverTemporariesOf(folder_ / "a.tar");
    EXPECT_FALSE(FileExists(folder_ / "a.tar.tmpAbC123"));
    WriteRaw(folder_ / "a.tar.tmpZz9Zz9", "x");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder_.Path());
    RemoveLeftoverTemporariesOf("a.tar");
    std::filesystem::current_path(before);
    EXPECT_FALSE(FileExists(folder_ / "a.tar.tmpZz9Zz9"));
    for (const std::string& name : kept) {
        EXPECT_TRUE(FileExists(folder_ / name)) << name;
    }
}

// What had the scratch file's name before it is written: the scratch file is
// then a plain file of its own, and whatever a link pointed to is untouched
// (a missing target is not made).
TEST(ScratchFile, IsNeverWrittenThroughALink) {
    namespace fs = std::filesystem;
    const struct {
        const char* name;
        const char* linkTo;  // a symbolic link to this, or a plain file when null
    } rows[] = {
        {"nothing", ""},
        {"a leftover scratch file", nullptr},
        {"a link to a file", "victim.txt"},
        {"a link to a missing file", "missing.txt"},
        {"a link to a link to a file", "link.txt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        test::TempDir folder;
        const std::string scratch = folder / "tempcsv.csv";
        WriteRaw(folder / "victim.txt", "keep me");
        std::error_code error;
        fs::create_symlink("victim.txt", ToPath(folder / "link.txt"), error);
        if (row.linkTo == nullptr) {
            WriteRaw(scratch, "old scratch");
        } else if (*row.linkTo != '\0') {
            fs::create_symlink(row.linkTo, ToPath(scratch), error);
        }
        if (error) {
            GTEST_SKIP() << "this system makes no symbolic link here: " << error.message();
        }
        WriteScratchFile(scratch, "1;2;3\r\n");
        EXPECT_FALSE(fs::is_symlink(ToPath(scratch)));
        EXPECT_EQ(Slurp(scratch), "1;2;3\r\n");
        EXPECT_EQ(Slurp(folder / "victim.txt"), "keep me");
        EXPECT_FALSE(fs::exists(ToPath(folder / "missing.txt")));
    }
}

// A name held by a folder cannot be a scratch file: refused, the folder kept.
TEST(ScratchFile, AFolderOfThatNameIsRefused) {
    test::TempDir folder;
    const std::string scratch = folder / "tempcsv.csv";
    std::filesystem::create_directories(ToPath(scratch + "/dedans"));
    EXPECT_THROW(WriteScratchFile(scratch, "1;2;3\r\n"), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(ToPath(scratch + "/dedans")));
}

}  // namespace
}  // namespace vantor
