// The real program's standard streams and arguments: bytes that a text-mode
// stream or an ANSI code page would change.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>

#include "data/TextFile.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kOpened = "open frmMain \"Vantor pour Windows\"\n";

bool OpensForReading(const std::string& path) {
    File file;
    return file.Open(path, FileSystem::Mode::Read) == 0;
}

TEST(Program, ScriptAndTranscriptBytesPassUnchanged) {
    TempDir dir;
    // CR LF and LF line ends, and a 0x1A byte (the end of a text-mode input).
    const TillRun run =
        RunScript(dir / "caisse", "show NumTicket\r\n# \x1a fin ?\r\nshow lstTicket.ListCount\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kOpened + "show NumTicket 1\nshow lstTicket.ListCount 0\n");
    EXPECT_EQ(run.err, "");
}

TEST(Program, ADataFolderAndAScriptWithAccentsInTheirPaths) {
    TempDir dir;
    const std::string data = dir / "Mes données";
    const std::string script = dir / "Journée été.txt";
    WriteFileAtomic(script, "show DataPath\r\nshow NumTicket\r\n");  // as a Windows editor saves it
    const TillRun run = RunVantor({"--headless", "--data-dir", data, "--script", script}, "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with(kOpened + "show DataPath \"")) << run.out;
    EXPECT_TRUE(run.out.ends_with("Mes données\"\nshow NumTicket 1\n")) << run.out;
    EXPECT_TRUE(OpensForReading(JoinPath(data, "Articles.csv")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2)
        << "the data folder and the script, under no other name";
}

#ifdef _WIN32
// Without a folder given or remembered, the data goes under the user's roaming
// application data, not into the current folder. The only test that runs the
// program on the account's own folders there.
TEST(Program, TheDefaultDataFolderIsUnderTheRoamingApplicationData) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    const std::string roaming = FromPath(ToPath(appData));
    const std::filesystem::path settings = ToPath(roaming + "\\Telvora\\VantorW.conf");
    const std::string folder = roaming + "\\VantorW";
    std::filesystem::remove(settings);
    std::filesystem::remove_all(ToPath(folder));
    TempDir current;
    std::filesystem::current_path(ToPath(current.Path()));
    // (declining the restore a first start offers)
    const TillRun run = RunVantor({"--headless"}, "answer no\nshow NumTicket\n");
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(OpensForReading(JoinPath(folder, "Articles.csv")));
    EXPECT_TRUE(std::filesystem::is_empty(ToPath(current.Path())));
    EXPECT_TRUE(std::filesystem::exists(settings)) << "the folder is remembered";
    std::filesystem::remove(settings);
    std::filesystem::remove_all(ToPath(folder));
}
#endif

}  // namespace
}  // namespace vantor::test
