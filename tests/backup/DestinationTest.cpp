// A destination that is full, read-only or pulled out during the copy (the
// file system seam failing on purpose: the tests run as root, which no
// read-only folder stops, and mount no small disk): the backup is told as
// not made, in French, no backup claims to be complete, nothing of it is
// left, and the data folder is as it was. Then every call to the
// destination failing in turn, the N-th one for N = 1, 2, ...
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <mutex>
#include <set>

#include "BackupFolders.h"
#include "backup/BackupCheck.h"
#include "backup/FolderBackup.h"
#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

const DateTime kStickEvening{Date{2026, 12, 7}, TimeOfDay{23, 10, 5}};

// The system's file system, except for the files under one folder: their
// calls fail with an error from the failing-th one on (a write after
// writing what the room left when it is given, a full disk).
class DestinationFaults : public FileSystem {
public:
    DestinationFaults(std::string folder, int failing, int error, std::uint64_t room = 0)
        : folder_(std::move(folder)), failing_(failing), error_(error), room_(room) {}
    int Calls() const {
        const std::lock_guard lock(mutex_);
        return calls_;
    }

    int Open(const std::string& path, Mode mode, Handle& handle) override {
        const std::lock_guard lock(mutex_);
        if (Under(path) && Fails()) {
            return error_;
        }
        const int error = files_.Open(path, mode, handle);
        if (error == 0 && Under(path)) {
            handles_.insert(handle);
        }
        return error;
    }
    int CreateTemporary(std::string& path, Access access, Handle& handle) override {
        const std::lock_guard lock(mutex_);
        return Under(path) && Fails() ? error_ : files_.CreateTemporary(path, access, handle);
    }
    int Size(Handle handle, std::uint64_t& size) override {
        const std::lock_guard lock(mutex_);
        return Ours(handle) && Fails() ? error_ : files_.Size(handle, size);
    }
    int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
               std::size_t& got) override {
        const std::lock_guard lock(mutex_);
        return Ours(handle) && Fails() ? error_ : files_.ReadAt(handle, buffer, size, offset, got);
    }
    int Write(Handle handle, std::string_view bytes) override {
        const std::lock_guard lock(mutex_);
        if (!Ours(handle)) {
            return files_.Write(handle, bytes);
        }
        if (Fails()) {
            // What room was left is written, as a disk that fills up does.
            const std::size_t part = std::min<std::uint64_t>(room_, bytes.size());
            files_.Write(handle, bytes.substr(0, part));
            room_ -= part;
            return error_;
        }
        return files_.Write(handle, bytes);
    }
    int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) override {
        const std::lock_guard lock(mutex_);
        return Ours(handle) && Fails() ? error_ : files_.WriteAt(handle, bytes, offset);
    }
    int Flush(Handle handle) override {
        const std::lock_guard lock(mutex_);
        return Ours(handle) && Fails() ? error_ : files_.Flush(handle);
    }
    int StartFlush(Handle handle) override {
        const std::lock_guard lock(mutex_);
        return Ours(handle) && Fails() ? error_ : files_.StartFlush(handle);
    }
    int Truncate(Handle handle, std::uint64_t size) override {
        const std::lock_guard lock(mutex_);
        return Ours(handle) && Fails() ? error_ : files_.Truncate(handle, size);
    }
    int Close(Handle handle) override {
        const std::lock_guard lock(mutex_);
        const bool ours = Ours(handle);
        handles_.erase(handle);
        const int error = files_.Close(handle);
        return ours && Fails() ? error_ : error;
    }
    int Rename(const std::string& from, const std::string& to) override {
        const std::lock_guard lock(mutex_);
        return Under(from) && Fails() ? error_ : files_.Rename(from, to);
    }
    int Remove(const std::string& path) override {
        const std::lock_guard lock(mutex_);
        return Under(path) && Fails() ? error_ : files_.Remove(path);
    }
    int FlushFolder(const std::string& folder) override {
        const std::lock_guard lock(mutex_);
        return Under(folder) && Fails() ? error_ : files_.FlushFolder(folder);
    }
    int CreateFolder(const std::string& path, Access access) override {
        const std::lock_guard lock(mutex_);
        return Under(path) && Fails() ? error_ : files_.CreateFolder(path, access);
    }

private:
    bool Under(const std::string& path) const { return path.starts_with(folder_); }
    bool Ours(Handle handle) const { return handles_.count(handle) != 0; }
    bool Fails() { return ++calls_ >= failing_; }

    FileSystem& files_ = SystemFiles();
    std::string folder_;
    int failing_;
    int error_;
    std::uint64_t room_;
    int calls_ = 0;
    std::set<Handle> handles_;
    // A backup flushes its copy on a thread of its own while it checks it.
    mutable std::recursive_mutex mutex_;
};

// A stick that changes a byte of one file as it writes it, and says nothing.
class SilentlyCorrupting : public DestinationFaults {
public:
    SilentlyCorrupting(std::string folder, std::string file)
        : DestinationFaults(std::move(folder), 1 << 30, 0), file_(std::move(file)) {}
    int Open(const std::string& path, Mode mode, Handle& handle) override {
        const int error = DestinationFaults::Open(path, mode, handle);
        if (error == 0 && mode == Mode::CreateNew && fs::path(path).filename() == file_) {
            corrupted_ = handle;
        }
        return error;
    }
    int Write(Handle handle, std::string_view bytes) override {
        if (handle != corrupted_ || bytes.empty()) {
            return DestinationFaults::Write(handle, bytes);
        }
        std::string changed(bytes);
        changed[0] ^= 1;
        return DestinationFaults::Write(handle, changed);
    }

private:
    std::string file_;
    Handle corrupted_ = kNoHandle;
};

TEST(DestinationTest, ACopyThatDoesNotReadBackIsNotABackup) {
    HeadlessTill till;
    SellCoffees(till, 2);
    for (const std::string file : {"tickets.csv", "Articles.csv"}) {
        TempDir stick;
        BackupResult result;
        {
            SilentlyCorrupting stickFiles(stick.Path(), file);
            UseFileSystem use(stickFiles);
            result = BackupToFolder(till.Folder(), stick.Path(), kStickEvening);
        }
        EXPECT_FALSE(result.verified) << file;
        EXPECT_EQ(result.problem, "Sauvegarde non vérifiée sur " + stick.Path() + " : " + file +
                                      " ne correspond plus à son empreinte SHA-256 du manifeste");
        EXPECT_EQ(ListBackups(stick.Path()), std::vector<std::string>{}) << file;
    }
}

// What the destination's backups folder holds, by name.
std::vector<std::string> Entries(const std::string& destination) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry :
         fs::directory_iterator(JoinPath(destination, kBackupsFolder), ignored)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct DestinationCase {
    const char* what;
    int failing;  // the destination's call that fails first
    int error;
    std::uint64_t room;
    std::string problem;  // how it starts
};

TEST(DestinationTest, AFailingDestinationIsToldAndLeavesNothing) {
    HeadlessTill till;
    SellCoffees(till, 3);
    const std::string before = FolderState(till.Folder());
    const std::vector<DestinationCase> cases = {
        {"a stick full at the first byte", 1, ENOSPC, 0, "Destination de sauvegarde pleine : "},
        {"a stick full halfway through", 9, ENOSPC, 100, "Destination de sauvegarde pleine : "},
        {"a read-only stick", 1, EROFS, 0, "Destination de sauvegarde en lecture seule : "},
        {"a share that refuses writing", 1, EACCES, 0,
         "Destination de sauvegarde en lecture seule : "},
        {"a stick pulled out during the copy", 6, EIO, 10,
         "Destination de sauvegarde disparue pendant la copie : "},
        {"a device gone", 4, ENODEV, 0, "Destination de sauvegarde disparue pendant la copie : "},
    };
    for (const DestinationCase& row : cases) {
        TempDir stick;
        BackupResult result;
        {
            DestinationFaults faults(stick.Path(), row.failing, row.error, row.room);
            UseFileSystem use(faults);
            result = BackupToFolder(till.Folder(), stick.Path(), kStickEvening);
        }
        EXPECT_FALSE(result.verified) << row.what;
        EXPECT_EQ(result.problem.substr(0, row.problem.size()), row.problem)
            << row.what << ": " << result.problem;
        EXPECT_NE(result.problem.find(stick.Path()), std::string::npos) << row.what;
        EXPECT_EQ(Entries(stick.Path()), std::vector<std::string>{}) << row.what;
        EXPECT_EQ(FolderState(till.Folder()), before) << row.what;
        // Once the stick is back, the backup is made.
        EXPECT_TRUE(BackupToFolder(till.Folder(), stick.Path(), kStickEvening).verified)
            << row.what;
    }
}

// Whichever call to the destination fails, and whatever it left, no backup
// the destination lists fails its check, nothing under a temporary name
// stays, and the data folder is unchanged.
TEST(DestinationTest, EveryCallFailingInTurnLeavesNoFalseBackup) {
    HeadlessTill till(RamDiskOrTemporary());
    SellCoffees(till, 2);
    const std::string before = FolderState(till.Folder());
    int failing = 1;
    for (const int error : {ENOSPC, EIO}) {
        for (failing = 1; failing < 1000; ++failing) {
            TempDir stick(RamDiskOrTemporary());
            BackupResult result;
            bool allCalled = false;
            {
                DestinationFaults faults(stick.Path(), failing, error, 7);
                UseFileSystem use(faults);
                result = BackupToFolder(till.Folder(), stick.Path(), kStickEvening);
                allCalled = faults.Calls() < failing;
            }
            for (const std::string& name : ListBackups(stick.Path())) {
                const BackupCheck check =
                    CheckBackupFolder(JoinPath(JoinPath(stick.Path(), kBackupsFolder), name));
                EXPECT_TRUE(check.intact) << "call " << failing << ": " << check.problem;
            }
            // A backup renamed into place whose folder then fails to flush is
            // complete (checked above) though told as failed.
            const std::vector<std::string> entries = Entries(stick.Path());
            EXPECT_EQ(entries.size(), ListBackups(stick.Path()).size()) << "call " << failing;
            EXPECT_LE(entries.size(), 1u) << "call " << failing;
            EXPECT_EQ(entries.size(), result.verified ? 1u : entries.size()) << "call " << failing;
            EXPECT_EQ(FolderState(till.Folder()), before) << "call " << failing;
            if (allCalled) {
                EXPECT_TRUE(result.verified) << result.problem;
                break;
            }
        }
        EXPECT_GT(failing, 10);
        EXPECT_LT(failing, 1000);
    }
}

// A backup killed part-way leaves its folder under the temporary name; the
// next one removes it.
TEST(DestinationTest, TheNextBackupRemovesWhatACutOneLeft) {
    HeadlessTill till;
    SellCoffees(till, 1);
    TempDir stick;
    fs::create_directories(stick / "Vantor-sauvegardes/.en-cours-2026-12-06_23-00-00");
    WriteRaw(stick / "Vantor-sauvegardes/.en-cours-2026-12-06_23-00-00/tickets.csv", "cut");
    ASSERT_TRUE(BackupToFolder(till.Folder(), stick.Path(), kStickEvening).verified);
    EXPECT_EQ(Entries(stick.Path()), std::vector<std::string>{"2026-12-07_23-10-05"});
}

}  // namespace
}  // namespace vantor::test
