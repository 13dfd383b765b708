// The data files through the system's own calls: what a spreadsheet holding
// a file open, a text-mode write or a 32-bit offset would break.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

#include "data/DurableAppend.h"
#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

std::ptrdiff_t EntriesIn(const std::string& folder) {
    return std::distance(std::filesystem::directory_iterator(folder), {});
}

std::string ReadFrom(const File& file, std::uint64_t offset, std::size_t size) {
    std::string bytes(size, '\0');
    std::size_t got = 0;
    EXPECT_EQ(file.ReadAt(bytes.data(), size, offset, got), 0);
    bytes.resize(got);
    return bytes;
}

TEST(SystemFiles, ARewriteReplacesTheFileEvenWhileAnotherHandleReadsIt) {
    TempDir dir;
    const std::string path = dir / "Articles.csv";
    WriteFileAtomic(path, "Café;1.5\r\n");
    WriteFileAtomic(path, "Thé;2\r\n");
    EXPECT_EQ(ReadBytes(path), "Thé;2\r\n");

    File reader;
    ASSERT_EQ(reader.Open(path, FileSystem::Mode::Read), 0);
    ASSERT_NO_THROW(WriteFileAtomic(path, "Chocolat;2.8\r\n"));
    EXPECT_EQ(ReadBytes(path), "Chocolat;2.8\r\n");
    EXPECT_EQ(ReadFrom(reader, 0, 64), "Thé;2\r\n") << "the reader keeps the file it opened";
    EXPECT_EQ(reader.Close(), 0);
    EXPECT_EQ(EntriesIn(dir.Path()), 1) << "no temporary file left beside";
}

// What a replace interrupted by a crash leaves: the new file's temporary
// (dropped) or the old file set aside (put back unless the new one is there).
TEST(SystemFiles, LeftoversOfAnUnfinishedReplaceAreSettledAtTheNextStart) {
    TempDir dir;
    WriteRaw(dir / "Articles.csv.old3fk9q2", "ancien\r\n");
    WriteRaw(dir / "Articles.csv.tmpa8Bz0q", "nouveau\r\n");
    WriteRaw(dir / "Id.txt", "7\r\n");
    WriteRaw(dir / "Id.txt.old0a1b2c", "6\r\n");
    WriteRaw(dir / "notes.old123456", "à garder\r\n");
    RemoveLeftoverTemporaries(dir.Path());
    EXPECT_EQ(Slurp(dir / "Articles.csv"), "ancien\r\n");
    EXPECT_EQ(Slurp(dir / "Id.txt"), "7\r\n");
    EXPECT_EQ(Slurp(dir / "notes.old123456"), "à garder\r\n");
    EXPECT_EQ(EntriesIn(dir.Path()), 3);
}

TEST(SystemFiles, BytesGoToDiskExactlyAsGiven) {
    TempDir dir;
    const std::string journal = dir / "tickets.csv";
    const std::string record = "05.12.2026;12:04:09;Paul;7;0;Esp;2;0.385\r\n";
    const std::string odd = std::string("\x1a\r\n\n\r\0\xe9", 7);
    AppendFileDurable(journal, record);
    AppendFileDurable(journal, odd);
    EXPECT_EQ(ReadBytes(journal), record + odd);
    WriteFileAtomic(dir / "Id.txt", odd + record);
    EXPECT_EQ(ReadBytes(dir / "Id.txt"), odd + record);
    EXPECT_EQ(ReadRange(journal, record.size(), odd.size()), odd);
}

TEST(SystemFiles, OffsetsPastFourGibibytes) {
    TempDir dir;
    constexpr std::uint64_t kFar = (std::uint64_t{1} << 32) + 7;
    File file;
    ASSERT_EQ(file.Open(dir / "tickets.csv", FileSystem::Mode::Append), 0);
    ASSERT_EQ(file.Truncate(kFar), 0);  // a sparse file: no disk space is used
    ASSERT_EQ(file.Write("fin\r\n"), 0);
    std::uint64_t size = 0;
    ASSERT_EQ(file.Size(size), 0);
    EXPECT_EQ(size, kFar + 5);
    File reader;
    ASSERT_EQ(reader.Open(dir / "tickets.csv", FileSystem::Mode::Read), 0);
    EXPECT_EQ(ReadFrom(reader, kFar, 16), "fin\r\n");
    EXPECT_EQ(ReadFrom(reader, kFar - 2, 3), std::string("\0\0f", 3));
    EXPECT_EQ(ReadFrom(reader, kFar + 5, 16), "") << "the end of the file";
    ASSERT_EQ(file.Truncate(3), 0);
    EXPECT_EQ(file.Size(size), 0);
    EXPECT_EQ(size, 3u);
}

}  // namespace
}  // namespace vantor::test
