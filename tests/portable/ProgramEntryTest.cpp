// The arguments and standard streams of the real program: accented paths
// given on the command line reach the till as they are, and the transcript's
// bytes come out unchanged (a line ends with LF alone, as the script's do).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/Paths.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

TEST(ProgramEntry, AccentedDataFolderAndScriptPathsAndExactTranscriptBytes) {
    TempDir dir;
    std::filesystem::create_directories(ToPath(dir / "Scripts été"));
    WriteRaw(dir / "Scripts été/vente.txt", "show DataPath\nshow Infos 0\n");
    const TillRun run = RunVantor({"--headless", "--data-dir", dir / "Mes données", "--script",
                                   dir / "Scripts été/vente.txt"},
                                  "");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Masked(run.out, dir.Path(), "DIR"),
              "open frmMain \"Vantor pour Windows\"\nshow DataPath \"DIR/Mes données\"\n"
              "show Infos(0) \"\"\n");
    EXPECT_TRUE(std::filesystem::exists(ToPath(dir / "Mes données/Articles.csv")));
}

}  // namespace
}  // namespace vantor::test
