// Crash safety of the atomic writer. The faults are caused from outside: a
// child process runs the real writer with a small library preloaded that
// aborts on rename or makes writes run out of space (FaultInjection.cpp).

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "data/TextFile.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

using Lines = std::vector<std::string>;
using test::Slurp;
using test::TempDir;
using test::WriteRaw;

class AtomicWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLinesAtomic(path_, {"Description;Prix;Categorie", "Café;3.50;0"});
        oldBytes_ = Slurp(path_);
        for (int i = 1; i <= 300; ++i) {
            newLines_.push_back("Article " + std::to_string(i) + ";" + std::to_string(i) + ".50;0");
        }
    }

    // Runs the writer in a child with the fault library and the variable
    // given; returns its wait status, its errors in errors_.
    int WriteInChild(const std::string& fault) {
        WriteRaw(work_ / "input", EncodeLines(newLines_));
        // Appended piece by piece: a chain of + on these literals trips gcc 12's
        // array-bounds warning at -O2.
        std::string command = "exec env LD_PRELOAD=";
        command.append(VANTOR_FAULT_LIBRARY).append(" ASAN_OPTIONS=verify_asan_link_order=0 ");
        command.append(fault).append(" ").append(VANTOR_WRITE_HELPER);
        command.append(" '").append(path_).append("' '").append(work_ / "input");
        command.append("' 2>'").append(work_ / "errors").append("'");
        const int status = std::system(command.c_str());
        errors_ = Slurp(work_ / "errors");
        return status;
    }

    Lines FolderEntries() const {
        Lines names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir folder_;
    TempDir work_;
    const std::string path_ = folder_ / "Articles.csv";
    Lines newLines_{"Description;Prix;Categorie"};
    std::string oldBytes_;
    std::string errors_;
};

TEST_F(AtomicWriteTest, CrashBetweenWriteAndRenameLeavesTheOldFileIntact) {
    const int status = WriteInChild("VANTOR_ABORT_ON_RENAME=1");
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT) << status << errors_;
    EXPECT_EQ(Slurp(path_), oldBytes_);
    // The new content was complete beside the file when the crash came.
    const Lines entries = FolderEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(Slurp(folder_ / entries[entries[0] == "Articles.csv" ? 1 : 0]),
              EncodeLines(newLines_));

    // The next start removes the leftover, and only the till's own.
    Lines others = {"Articles.csv.tmp12", "notes.tmpAbC123", "Id.txt.tmpAb-c12",
                    "Photo.bmp.tmpAbC123", "Articles.csv"};
    for (const std::string& name : others) {
        WriteRaw(folder_ / name, "x");
    }
    WriteRaw(folder_ / "Id.txt.tmp9xZ0aB", "4");
    RemoveLeftoverTemporaries(folder_.Path());
    std::sort(others.begin(), others.end());
    EXPECT_EQ(FolderEntries(), others);
}

TEST_F(AtomicWriteTest, DiskFullLeavesTheOldFileAndNoTemporary) {
    const std::size_t size = EncodeLines(newLines_).size();
    for (const std::size_t limit : {std::size_t{0}, size / 2, size - 1, size}) {
        SCOPED_TRACE("write limit " + std::to_string(limit));
        WriteRaw(path_, oldBytes_);
        const int status = WriteInChild("VANTOR_WRITE_LIMIT=" + std::to_string(limit));

        EXPECT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), limit < size ? 2 : 0);
        EXPECT_EQ(Slurp(path_), limit < size ? oldBytes_ : EncodeLines(newLines_));
        EXPECT_EQ(errors_.find(SystemErrorText(ENOSPC)) != std::string::npos, limit < size)
            << errors_;
        EXPECT_EQ(FolderEntries(), Lines{"Articles.csv"});
    }
}

TEST_F(AtomicWriteTest, ALinkedFileHasItsTargetRewritten) {
    const std::string link = folder_ / "Lien.csv";
    std::filesystem::create_symlink("Articles.csv", link);
    WriteLinesAtomic(link, newLines_);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadLines(path_), newLines_);
}

TEST_F(AtomicWriteTest, WritingIntoAMissingFolderThrowsAndCreatesNothing) {
    const std::string missing = folder_ / "absent";
    EXPECT_THROW(WriteLinesAtomic(JoinPath(missing, "Infos.txt"), {"Chez Lou"}), FileError);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

}  // namespace
}  // namespace vantor
