// The start-up, through the real program: a single instance, and the end.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

TEST(SingleInstance, ASecondInstanceOnTheSameFolderTouchesNothing) {
    TempDir data;
    RunningTill first({"--headless", "--data-dir", data.Path()});
    first.Send("show NumTicket\n");
    ASSERT_TRUE(first.WaitFor("show NumTicket"));
    const auto before = FolderState(data.Path());

    TillRun second = RunScript(data.Path(), "show NumTicket\n");
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("déjà ouvert"), std::string::npos) << second.err;
    EXPECT_EQ(second.out.find("open frmMain"), std::string::npos);
    EXPECT_EQ(FolderState(data.Path()), before);

    TempDir otherTemp;
    TillRun elsewhere =
        RunVantor({"--headless", "--data-dir", data.Path()}, "", {{"TMPDIR", otherTemp.Path()}});
    EXPECT_EQ(elsewhere.status, 1) << "the lock is in the data folder, not in TMPDIR";
    EXPECT_EQ(FolderState(data.Path()), before);

    TempDir other;
    EXPECT_EQ(RunScript(other.Path(), "").status, 0) << "another folder is another till";
    TillRun end = first.Finish("show NumTicket\n");
    EXPECT_EQ(end.status, 0) << end.err;
    EXPECT_EQ(RunScript(data.Path(), "").status, 0) << "the folder is free again";
}

// Nothing runs once the program has ended (the loading of the files and the
// printers: cases/Startup-*; the data folder of a user account: accounts/).
TEST(Loading, NoCommandRunsOnceTheProgramHasEnded) {
    TempDir data;
    const TillRun run = RunScript(data.Path(), "close\nshow NumTicket\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ligne 2 : le programme est terminé\n");
}

}  // namespace
}  // namespace vantor::test
