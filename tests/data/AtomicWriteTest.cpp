// Crash safety of the atomic writer. The faults are caused from outside: a
// child process runs the real writer with a small library preloaded that
// aborts on rename or makes writes run out of space (FaultInjection.cpp).

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "data/TextFile.h"
#include "support/TempDir.h"

extern char** environ;

namespace vantor {
namespace {

using test::Slurp;
using test::TempDir;

struct ChildOutcome {
    int status = -1;     // -1: the child never ran
    std::string errors;  // what the child wrote on stderr

    bool AbortedBySignal() const { return WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT; }
    bool ExitedWith(int code) const { return WIFEXITED(status) && WEXITSTATUS(status) == code; }
};

// The current environment plus the fault library and the given variables.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& faults) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view variable(*entry);
        // The first of two equal names wins: set ours only once.
        if (!variable.starts_with("LD_PRELOAD=") && !variable.starts_with("ASAN_OPTIONS=") &&
            !variable.starts_with("VANTOR_")) {
            variables.emplace_back(variable);
        }
    }
    variables.push_back(std::string("LD_PRELOAD=") + VANTOR_FAULT_LIBRARY);
    // A sanitizer build wants its runtime first; the preloaded library comes
    // before it on purpose.
    variables.push_back("ASAN_OPTIONS=verify_asan_link_order=0");
    variables.insert(variables.end(), faults.begin(), faults.end());
    return variables;
}

std::vector<char*> PointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

std::string ReadToEnd(int fd) {
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return text;
}

// Runs the helper writing `lines` into `path`, with the fault variables set.
ChildOutcome WriteInChild(const std::string& path, const std::vector<std::string>& lines,
                          const std::vector<std::string>& faults) {
    std::vector<std::string> arguments{VANTOR_WRITE_HELPER, path};
    arguments.insert(arguments.end(), lines.begin(), lines.end());
    std::vector<std::string> environment = ChildEnvironment(faults);
    std::vector<char*> argv = PointersTo(arguments);
    std::vector<char*> envp = PointersTo(environment);

    ChildOutcome outcome;
    int errorPipe[2];
    if (::pipe2(errorPipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe: " << std::strerror(errno);
        return outcome;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errorPipe[1], STDERR_FILENO);
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(errorPipe[1]);

    if (spawned != 0) {
        ::close(errorPipe[0]);
        ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
        return outcome;
    }
    outcome.errors = ReadToEnd(errorPipe[0]);
    ::close(errorPipe[0]);
    EXPECT_EQ(::waitpid(child, &outcome.status, 0), child);
    return outcome;
}

std::vector<std::string> ManyLines() {
    std::vector<std::string> lines{"Description;Prix;Categorie"};
    for (int i = 1; i <= 300; ++i) {
        lines.push_back("Article " + std::to_string(i) + ";" + std::to_string(i) + ".50;" +
                        std::to_string(i % 8));
    }
    return lines;
}

class AtomicWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLinesAtomic(path_, oldLines_);
        oldBytes_ = Slurp(path_);
    }

    // Names of everything in the folder, sorted.
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir folder_;
    const std::string path_ = folder_ / "Articles.csv";
    const std::vector<std::string> oldLines_{"Description;Prix;Categorie", "Café;3.50;0"};
    const std::vector<std::string> newLines_ = ManyLines();
    std::string oldBytes_;
};

TEST_F(AtomicWriteTest, ChildWithTheLibraryButNoFaultReplacesTheFile) {
    // Shows that the preloaded library passes calls through, so the failures
    // below come from the faults asked for and nothing else.
    const ChildOutcome outcome = WriteInChild(path_, newLines_, {});

    EXPECT_TRUE(outcome.ExitedWith(0)) << outcome.errors;
    EXPECT_EQ(ReadLines(path_), newLines_);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Articles.csv"});
}

TEST_F(AtomicWriteTest, CrashBetweenWriteAndRenameLeavesTheOldFileIntact) {
    const ChildOutcome outcome = WriteInChild(path_, newLines_, {"VANTOR_ABORT_ON_RENAME=1"});

    ASSERT_TRUE(outcome.AbortedBySignal()) << "status " << outcome.status << " " << outcome.errors;
    EXPECT_EQ(Slurp(path_), oldBytes_);
    // The new content was complete on disk beside the file when the crash
    // came: the crash hit the moment between writing and renaming.
    const std::vector<std::string> entries = FolderEntries();
    ASSERT_EQ(entries.size(), 2u);
    const std::string& leftover = entries[0] == "Articles.csv" ? entries[1] : entries[0];
    EXPECT_EQ(Slurp(folder_ / leftover), EncodeLines(newLines_));

    // The next start removes the leftover, and only the till's own.
    const std::vector<std::string> others = {"Articles.csv.tmp12", "notes.tmpAbC123",
                                             "Id.txt.tmpAb-c12", "Photo.bmp.tmpAbC123"};
    for (const std::string& name : others) {
        test::WriteRaw(folder_ / name, "x");
    }
    test::WriteRaw(folder_ / "Id.txt.tmp9xZ0aB", "4");
    RemoveLeftoverTemporaries(folder_.Path());
    std::vector<std::string> kept = others;
    kept.push_back("Articles.csv");
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(FolderEntries(), kept);

    WriteLinesAtomic(path_, newLines_);
    EXPECT_EQ(ReadLines(path_), newLines_);
}

TEST_F(AtomicWriteTest, ALinkedFileHasItsTargetRewritten) {
    const std::string link = folder_ / "Lien.csv";
    std::filesystem::create_symlink("Articles.csv", link);
    WriteLinesAtomic(link, newLines_);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadLines(path_), newLines_);
}

TEST_F(AtomicWriteTest, DiskFullHalfwayLeavesTheOldFileAndNoTemporary) {
    const std::size_t size = EncodeLines(newLines_).size();
    for (const std::size_t limit : {std::size_t{0}, size / 2, size - 1}) {
        SCOPED_TRACE("write limit " + std::to_string(limit));
        const ChildOutcome outcome =
            WriteInChild(path_, newLines_, {"VANTOR_WRITE_LIMIT=" + std::to_string(limit)});

        EXPECT_TRUE(outcome.ExitedWith(2)) << "status " << outcome.status;
        EXPECT_NE(outcome.errors.find(SystemErrorText(ENOSPC)), std::string::npos)
            << outcome.errors;
        EXPECT_EQ(Slurp(path_), oldBytes_);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"Articles.csv"});
    }
}

TEST_F(AtomicWriteTest, DiskWithJustEnoughRoomTakesTheWholeFile) {
    const std::size_t size = EncodeLines(newLines_).size();
    const ChildOutcome outcome =
        WriteInChild(path_, newLines_, {"VANTOR_WRITE_LIMIT=" + std::to_string(size)});

    EXPECT_TRUE(outcome.ExitedWith(0)) << outcome.errors;
    EXPECT_EQ(ReadLines(path_), newLines_);
}

TEST(AtomicWriteFolder, WritingIntoAMissingFolderThrowsAndCreatesNothing) {
    TempDir folder;
    const std::string missing = folder / "absent";

    EXPECT_THROW(WriteLinesAtomic(JoinPath(missing, "Infos.txt"), {"Chez Lou"}), FileError);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}

}  // namespace
}  // namespace vantor
