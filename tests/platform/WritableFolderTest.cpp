// The check that a folder can be written, asked of the file system itself: a
// file is created in it and removed again.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

TEST(WritableFolder, TheProbeLeavesNothingAndNamesTheFailure) {
    TempDir dir;
    WriteRaw(dir / "fichier", "x");
    fs::create_directories(ToPath(dir / "Mes données"));
    EXPECT_EQ(ProbeWritableFolder(dir / "Mes données"), 0);
    EXPECT_TRUE(fs::is_empty(ToPath(dir / "Mes données")));
    EXPECT_EQ(ProbeWritableFolder(dir / "absent"), ENOENT);
    // Windows finds no such path under a file.
#ifdef _WIN32
    EXPECT_EQ(ProbeWritableFolder(dir / "fichier"), ENOENT);
#else
    EXPECT_EQ(ProbeWritableFolder(dir / "fichier"), ENOTDIR);
#endif
}

// The system's file system, where every file is already gone when the
// probe removes it: the start that holds the folder took it for a leftover.
class RemovedFirst : public FileSystem {
public:
    int Open(const std::string& path, Mode mode, Handle& handle) override {
        return SystemFiles().Open(path, mode, handle);
    }
    int CreateTemporary(std::string& path, Access access, Handle& handle) override {
        return SystemFiles().CreateTemporary(path, access, handle);
    }
    int Size(Handle handle, std::uint64_t& size) override {
        return SystemFiles().Size(handle, size);
    }
    int ReadAt(Handle handle, char* buffer, std::size_t size, std::uint64_t offset,
               std::size_t& got) override {
        return SystemFiles().ReadAt(handle, buffer, size, offset, got);
    }
    int Write(Handle handle, std::string_view bytes) override {
        return SystemFiles().Write(handle, bytes);
    }
    int WriteAt(Handle handle, std::string_view bytes, std::uint64_t offset) override {
        return SystemFiles().WriteAt(handle, bytes, offset);
    }
    int Flush(Handle handle) override { return SystemFiles().Flush(handle); }
    int Truncate(Handle handle, std::uint64_t size) override {
        return SystemFiles().Truncate(handle, size);
    }
    int Close(Handle handle) override { return SystemFiles().Close(handle); }
    int Rename(const std::string& from, const std::string& to) override {
        return SystemFiles().Rename(from, to);
    }
    int Remove(const std::string& path) override {
        SystemFiles().Remove(path);
        return SystemFiles().Remove(path);
    }
    int FlushFolder(const std::string& folder) override {
        return SystemFiles().FlushFolder(folder);
    }
    int CreateFolder(const std::string& path, Access access) override {
        return SystemFiles().CreateFolder(path, access);
    }
};

TEST(WritableFolder, AProbeRemovedByAnotherStartStillSaysWritable) {
    TempDir dir;
    RemovedFirst files;
    UseFileSystem use(files);
    EXPECT_EQ(ProbeWritableFolder(dir.Path()), 0);
    EXPECT_TRUE(fs::is_empty(ToPath(dir.Path())));
}

#ifdef _WIN32
TEST(WritableFolder, ARememberedReadOnlyFolderStopsTheTill) {
    GTEST_SKIP() << "a folder's permissions and the settings' place are set through POSIX "
                    "calls and variables; the probe itself is held by the test above";
}
#else
std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

// A remembered data folder that cannot be written stops the till before it
// writes anything. An administrator writes wherever the permissions say
// otherwise, so there the folder is a read-only view of itself (a mount of
// the folder on itself, in a mount namespace of the run's own).
TEST(WritableFolder, ARememberedReadOnlyFolderStopsTheTill) {
    TempDir home;
    const std::string data = home / "caisse";
    ASSERT_EQ(RunVantor({"--headless", "--data-dir", data}, "").status, 0);
    const std::string files = FolderState(data);
    fs::create_directories(home / "config/Telvora");
    WriteRaw(home / "config/Telvora/VantorW.conf", "[Settings]\nDataPath=" + data + "\n");
    std::string run =
        "env HOME=" + Quoted(home.Path()) + " XDG_CONFIG_HOME=" + Quoted(home / "config") + " " +
        Quoted(VANTOR_EXECUTABLE) + " --headless </dev/null >" + Quoted(home / "out") + " 2>&1";
    std::string reason = "permission refusée";
    if (::geteuid() == 0) {
        if (std::system("unshare -m true >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "run as root without mount namespaces (unshare -m)";
        }
        run = "unshare -m sh -c " +
              Quoted("mount --bind \"$0\" \"$0\" && mount -o remount,bind,ro \"$0\" \"$0\" && " +
                     run) +
              " " + Quoted(data);
        reason = "disque en lecture seule";
    } else {
        fs::permissions(data, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const int status = std::system(run.c_str());
    fs::permissions(data, fs::perms::owner_all);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string out = Slurp(home / "out");
    EXPECT_NE(out.find("msgbox critical ok"), std::string::npos) << out;
    EXPECT_NE(out.find("\"" + data + "\" ne peut pas être utilisé : " + reason), std::string::npos)
        << out;
    EXPECT_EQ(FolderState(data), files);
}
#endif

}  // namespace
}  // namespace vantor::test
