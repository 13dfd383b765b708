// The start-up, through the real program: data folder, first run, remembered
// folder, single instance, and the loading of waiters, settings and ticket number.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunTill.h"
#include "support/ScenarioFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// A user account of its own: settings and data folders in a temporary home.
class UserAccount {
public:
    std::map<std::string, std::string> Environment() const {
        return {{"HOME", home_.Path()},
                {"XDG_CONFIG_HOME", home_ / "config"},
                {"XDG_DATA_HOME", home_ / "data"}};
    }
    std::string SettingsFile() const { return home_ / "config/Telvora/VantorW.conf"; }
    std::string DefaultFolder() const { return home_ / "data/VantorW"; }
    void Remember(const std::string& folder) const {
        fs::create_directories(home_ / "config/Telvora");
        WriteRaw(SettingsFile(), "[Settings]\nDataPath=" + folder + "\n");
    }
    TillRun Run(const std::string& script) const {
        return RunVantor({"--headless"}, script, Environment());
    }

private:
    TempDir home_;
};

// Every file of a folder with its bytes and modification time.
std::map<std::string, std::pair<std::string, fs::file_time_type>> Snapshot(
    const std::string& folder) {
    std::map<std::string, std::pair<std::string, fs::file_time_type>> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        files[entry.path().filename().string()] = {Slurp(entry.path().string()),
                                                   fs::last_write_time(entry.path())};
    }
    return files;
}

// The start on a user account of its own.
class FirstRun : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    }

    UserAccount user;
};

TEST_F(FirstRun, CreatesTheDefaultFolderAndFilesAndRemembersIt) {
    TillRun run = user.Run("show DataPath\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string folder = user.DefaultFolder();
    EXPECT_NE(run.out.find("show DataPath \"" + folder + "\""), std::string::npos) << run.out;
    for (const char* written : {"Articles.csv", "Categories.csv", "Comptes.csv"}) {
        EXPECT_EQ(Slurp(folder + "/" + written),
                  Slurp(std::string(VANTOR_EXPECTED_DIR) + "/" + written))
            << written;
    }
    for (const char* empty : {"Serveurs.txt", "Infos.txt"}) {
        EXPECT_TRUE(fs::exists(folder + "/" + empty)) << empty;
        EXPECT_EQ(fs::file_size(folder + "/" + empty), 0u) << empty;
    }
    EXPECT_FALSE(fs::exists(folder + "/Id.txt"));
    EXPECT_FALSE(fs::exists(folder + "/tickets.csv"));
    EXPECT_NE(Slurp(user.SettingsFile()).find("DataPath=" + folder), std::string::npos);
}

TEST_F(FirstRun, SecondStartUsesTheRememberedFolderWithoutWritingTheSetting) {
    TempDir elsewhere;
    user.Remember(elsewhere.Path());
    const auto settingsBefore = fs::last_write_time(user.SettingsFile());
    const std::string settingsText = Slurp(user.SettingsFile());

    TillRun run = user.Run("show DataPath\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\"" + elsewhere.Path() + "\""), std::string::npos);
    EXPECT_TRUE(fs::exists(elsewhere / "Articles.csv"));
    EXPECT_FALSE(fs::exists(user.DefaultFolder()));
    EXPECT_EQ(Slurp(user.SettingsFile()), settingsText);
    EXPECT_EQ(fs::last_write_time(user.SettingsFile()), settingsBefore);
}

TEST_F(FirstRun, AnUnpluggedRememberedFolderStopsTheTillAndWritesNothing) {
    TempDir parent;
    const std::string gone = parent / "usb/VantorW";
    user.Remember(gone);
    const std::string settingsText = Slurp(user.SettingsFile());

    TillRun run = user.Run("show DataPath\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("msgbox critical ok"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(gone), std::string::npos);
    EXPECT_NE(run.err.find(gone), std::string::npos);
    EXPECT_FALSE(fs::exists(parent / "usb"));
    EXPECT_FALSE(fs::exists(user.DefaultFolder()));
    EXPECT_EQ(Slurp(user.SettingsFile()), settingsText);
}

TEST(DataFolder, TheDataDirOptionNeitherReadsNorWritesTheSetting) {
    UserAccount user;
    TempDir remembered, chosen;
    user.Remember(remembered.Path());
    const std::string settingsText = Slurp(user.SettingsFile());
    TillRun run = RunVantor({"--headless", "--data-dir", chosen / "new"}, "show DataPath\n",
                            user.Environment());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(chosen / "new/Articles.csv"));
    EXPECT_FALSE(fs::exists(remembered / "Articles.csv"));
    EXPECT_EQ(Slurp(user.SettingsFile()), settingsText);

    UserAccount fresh;
    ASSERT_EQ(
        RunVantor({"--headless", "--data-dir", chosen.Path()}, "", fresh.Environment()).status, 0);
    EXPECT_FALSE(fs::exists(fresh.SettingsFile()));
}

TEST(SingleInstance, ASecondInstanceOnTheSameFolderTouchesNothing) {
    TempDir data;
    RunningTill first({"--headless", "--data-dir", data.Path()});
    first.Send("show NumTicket\n");
    ASSERT_TRUE(first.WaitFor("show NumTicket"));
    const auto before = Snapshot(data.Path());

    TillRun second = RunScript(data.Path(), "show NumTicket\n");
    EXPECT_EQ(second.status, 1);
    EXPECT_NE(second.err.find("déjà ouvert"), std::string::npos) << second.err;
    EXPECT_EQ(second.out.find("open frmMain"), std::string::npos);
    EXPECT_EQ(Snapshot(data.Path()), before);

    TempDir otherTemp;
    TillRun elsewhere =
        RunVantor({"--headless", "--data-dir", data.Path()}, "", {{"TMPDIR", otherTemp.Path()}});
    EXPECT_EQ(elsewhere.status, 1) << "the lock is in the data folder, not in TMPDIR";
    EXPECT_EQ(Snapshot(data.Path()), before);

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
          {"photo.tmp", ""}}},
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
