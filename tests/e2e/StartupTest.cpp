// The start-up, through the real program: data folder, first run, remembered
// folder, single instance, and the loading of waiters, settings and ticket number.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "data/Cp1252.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Ed25519.h"
#include "support/RunTill.h"
#include "support/ScenarioFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// Every folder and file under the home in order, a file with its bytes or as
// "(default)" when it equals the default of its name in expected/; the
// archive key, new at every first start, as "(clé Ed25519)" when it is one.
std::string HomeFiles(const std::string& home) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(home)) {
        const std::string path = fs::relative(entry.path(), home).generic_string();
        if (entry.is_directory()) {
            files[path + "/"] = "";
        } else {
            const std::string bytes = Slurp(entry.path().string());
            const std::string name = entry.path().filename().string();
            const bool isDefault =
                !bytes.empty() && bytes == Slurp(std::string(VANTOR_EXPECTED_DIR) + "/" + name);
            const bool isKey = name == kArchiveKeyFile && ed25519::FromPem(bytes);
            files[path] = isKey       ? "(clé Ed25519)\n"
                          : isDefault ? "(default)\n"
                                      : Cp1252ToUtf8(bytes);
        }
    }
    std::string shown;
    for (const auto& [name, bytes] : files) {
        shown += "== " + name + "\n" + bytes;
    }
    return shown;
}

// The start on a user account of its own, whose home holds a folder "caisse",
// with settings that remember a folder (or none) and maybe --data-dir: each page
// expected/Account-NAME.txt holds the script, the transcript, the exit
// status, the errors and every file the home holds after the run (the home
// shown as HOME). Settings that exist are never written again.
TEST(UserAccount, FirstRunRememberedFolderAndDataDirOption) {
#ifdef _WIN32
    GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    const struct {
        std::string page;
        std::string remembered;
        std::vector<std::string> options = {};
    } rows[] = {
        {"FirstRun", ""},
        {"Remembered", "caisse"},
        {"Unplugged", "usb/VantorW"},
        {"DataDir", "caisse", {"--data-dir", "choisi"}},
        {"DataDirFirstRun", "", {"--data-dir", "choisi"}},
    };
    for (const auto& row : rows) {
        ExpectPage("Account-" + row.page, [&](const std::string& script, const auto&) {
            TempDir home;
            const std::string settings = home / "config/Telvora/VantorW.conf";
            fs::create_directories(home / "caisse");
            if (!row.remembered.empty()) {
                fs::create_directories(home / "config/Telvora");
                WriteRaw(settings, "[Settings]\nDataPath=" + (home / row.remembered) + "\n");
            }
            const auto written =
                fs::exists(settings) ? fs::last_write_time(settings) : fs::file_time_type();
            std::vector<std::string> arguments{"--headless"};
            for (const std::string& option : row.options) {
                arguments.push_back(option.starts_with("--") ? option : home / option);
            }
            const TillRun run = RunVantor(arguments, script,
                                          {{"HOME", home.Path()},
                                           {"XDG_CONFIG_HOME", home / "config"},
                                           {"XDG_DATA_HOME", home / "data"}});
            if (!row.remembered.empty()) {
                EXPECT_EQ(fs::last_write_time(settings), written) << "the settings were written";
            }
            const std::string shown = run.out + "== exit " + std::to_string(run.status) +
                                      "\n== errors\n" + run.err + HomeFiles(home.Path());
            return Masked(shown, home.Path(), "HOME");
        });
    }
}

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

// Waiters, settings and ticket number are loaded, with defaults for empty or
// odd files; an existing default file is kept as it is and the leftovers of
// an interrupted rewrite are removed; the receipt printer of the settings is
// taken when installed; "Quitter" ends the program. Each scenario is in
// expected/Startup-NAME.txt.
TEST(Loading, FilesAndPrinters) {
    const std::string settings =
        "Caf\xE9 du Port\r\nQuai 1\r\n1000 Lausanne\r\n021\r\nCHE-1\r\n8.1\r\n2.6\r\n\r\n\r\n1\r\n"
        "Merci\r\nwww\r\n";
    ExpectScenarios({
        {"Startup-Loading",
         {{"Serveurs.txt", "Anne\r\nPaul\r\n"}, {"Id.txt", "41\r\n"}, {"Infos.txt", settings}}},
        {"Startup-Defaults",
         {{"Serveurs.txt", ""},
          {"Id.txt", "abc\r\n"},
          {"Infos.txt", std::string(16, '\n') + "CHF\n" + "extra\n"}}},
        {"Startup-NoFile"},
        {"Startup-ExistingFile", {{"Categories.csv", "Caf\xE9s\r\nSodas\r\n"}}},
        {"Startup-Leftovers",
         {{"Id.txt", "41\r\n"},
          {"Id.txt.tmpAb12Cd", "42\r\n"},
          {"Articles.csv.tmp0aZ9yX", ""},
          {"photo.tmp", ""},
          {".vantor-probe-q7Rt2z", ""},
          {"archive.key.tmpK3y9aB", "PEM"},
          {"2026.tar.tmpT4r0aC", "archive"},
          {".vantor-probe-abc", ""},
          {".vantor-probe-q7Rt2z.txt", ""},
          {"notes.key.tmpK3y9aB", ""},
          {"photo.tar.tmp", ""}}},
        {"Startup-Printer", {{"Infos.txt", std::string(12, '\n') + "Caisse\r\n"}}},
        {"Startup-PrinterAbsent", {{"Infos.txt", std::string(12, '\n') + "Absente\r\n"}}},
        {"Startup-NoPrinter"},
        {"Startup-Quit"},
    });
    TempDir data;
    const TillRun run = RunScript(data.Path(), "close\nshow NumTicket\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "ligne 2 : le programme est terminé\n");
}

}  // namespace
}  // namespace vantor::test
