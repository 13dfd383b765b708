// The rights of the files the till writes: a new file gets what the user's
// umask leaves of read and write for all, the archive key is its owner's
// alone from its first byte, and the key is made at the first start so that
// `vantor archive` writes nothing in the data folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ledger/ArchiveKey.h"
#include "ledger/ChainEntry.h"
#include "platform/FileSystem.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kFirstSale =
    "clock 05.12.2026 15:00:00\nclick Command1 2\nclick cmdPrint 0\nanswer no\n";

unsigned ModeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 01000;
}

// The umask of this process (and of the programs it starts) for a while.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

TEST(FileModes, NewFilesHaveTheRightsTheUmaskLeavesAndTheKeyIsPrivate) {
    const struct {
        mode_t umask;
        unsigned file;  // every data file and the archive
        unsigned key;
    } cases[] = {{022, 0644, 0600}, {077, 0600, 0600}, {002, 0664, 0600}, {027, 0640, 0600}};
    for (const auto& row : cases) {
        SCOPED_TRACE("umask " + std::to_string(row.umask));
        const Umask umask(row.umask);
        TempDir dir;
        TempDir out;
        ASSERT_EQ(RunScript(dir.Path(), kFirstSale).status, 0);
        ASSERT_EQ(RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026", "--data-dir",
                             dir.Path(), "--out", out / "decembre.tar"},
                            "")
                      .status,
                  0);
        EXPECT_EQ(ModeOf(out / "decembre.tar"), row.file);
        int files = 0;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
            const std::string name = entry.path().filename().string();
            EXPECT_EQ(ModeOf(entry.path().string()), name == kArchiveKeyFile ? row.key : row.file)
                << name;
            ++files;
        }
        EXPECT_GE(files, 8);  // the journal, its chain, the event log, the catalogue...
    }
}

// The system's file system, noting the rights of each temporary file the
// moment it is created.
class NotingFiles : public FileSystem {
public:
    std::vector<std::pair<std::string, unsigned>> created;

    int Open(const std::string& path, Mode mode, Handle& handle) override {
        return system_.Open(path, mode, handle);
    }
    int CreateTemporary(std::string& path, Access access, Handle& handle) override {
        const int error = system_.CreateTemporary(path, access, handle);
        created.emplace_back(std::filesystem::path(path).filename().string(), ModeOf(path));
        return error;
    }
    int Size(Handle handle, std::uint64_t& size) override { return system_.Size(handle, size); }
    int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
               std::size_t& got) override {
        return system_.ReadAt(handle, buffer, size, offset, got);
    }
    int Write(Handle handle, std::string_view bytes) override {
        return system_.Write(handle, bytes);
    }
    int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) override {
        return system_.WriteAt(handle, bytes, offset);
    }
    int Flush(Handle handle) override { return system_.Flush(handle); }
    int Truncate(Handle handle, std::uint64_t size) override {
        return system_.Truncate(handle, size);
    }
    int Close(Handle handle) override { return system_.Close(handle); }
    int Rename(const std::string& from, const std::string& to) override {
        return system_.Rename(from, to);
    }
    int Remove(const std::string& path) override { return system_.Remove(path); }
    int FlushFolder(const std::string& folder) override { return system_.FlushFolder(folder); }
    int CreateFolder(const std::string& path, Access access) override {
        return system_.CreateFolder(path, access);
    }

private:
    FileSystem& system_ = SystemFiles();
};

// A kill between the creation of the key's temporary file and its rename
// leaves it behind: it must never have been readable by others.
TEST(FileModes, TheKeysTemporaryFileIsPrivateFromItsFirstByte) {
    const Umask umask(0);
    TempDir dir;
    NotingFiles files;
    {
        UseFileSystem use(files);
        LoadOrCreateArchiveKey(dir.Path());
    }
    ASSERT_EQ(files.created.size(), 1U);
    EXPECT_TRUE(files.created[0].first.starts_with("archive.key.tmp")) << files.created[0].first;
    EXPECT_EQ(files.created[0].second, 0600U);
    EXPECT_EQ(ModeOf(dir / kArchiveKeyFile), 0600U);
}

TEST(FileModes, TheKeyIsMadeAtTheFirstStartAndAnArchiveWritesNothingInTheFolder) {
    TempDir dir;
    TempDir out;
    ASSERT_EQ(RunScript(dir.Path(), kFirstSale).status, 0);
    EXPECT_EQ(ModeOf(dir / kArchiveKeyFile), 0600U);
    const std::string before = FolderState(dir.Path());
    const TillRun archived = RunVantor({"archive", "--du", "01.12.2026", "--au", "31.12.2026",
                                        "--data-dir", dir.Path(), "--out", out / "decembre.tar"},
                                       "");
    EXPECT_EQ(archived.status, 0) << archived.err;
    EXPECT_EQ(FolderState(dir.Path()), before);
}

}  // namespace
}  // namespace vantor::test
