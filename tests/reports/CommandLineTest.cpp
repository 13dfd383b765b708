// `vantor report` only reads: it writes no file, needs no window and runs
// beside a till open on the same folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "TillFolder.h"
#include "app/Arguments.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

TEST(CommandLine, ReadsTheFolderWithoutWritingToIt) {
    TempDir home;
    const std::string data = home / "data";
    fs::create_directories(data);
    const auto empty = FolderState(home.Path());
    TillRun run = RunVantor({"report", "totaux", "--data-dir", data}, "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Aucun ticket enregistré\n");
    WriteRaw(home / "fichier", "");
    for (const std::string& notAFolder : {home / "absent", home / "fichier"}) {
        run = RunVantor({"report", "journal", "--data-dir", notAFolder}, "");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "Dossier de données introuvable : " + notAFolder + "\n");
    }
    fs::remove(home / "fichier");
    EXPECT_EQ(FolderState(home.Path()), empty);

    WriteRaw(data + "/tickets.csv", "05.12.2026;9:00:00;Paul;50;5;Esp;1;5\r\n");
    const auto before = FolderState(home.Path());
    run = RunVantor({"report", "totaux", "--data-dir", data, "--today", "05.12.2026"}, "");
    EXPECT_EQ(run.status, 0) << run.err;
    // The default category names, no VAT rate.
    EXPECT_EXPECTED("Command-defaults.txt", run.out);
    EXPECT_EQ(FolderState(home.Path()), before);
}

// The till's own arguments are checked before anything opens: no window, no
// data folder; `--help` shows the usage and succeeds.
TEST(CommandLine, TheTillsArgumentsAreCheckedBeforeAnythingStarts) {
    TempDir home;
    const std::string data = home / "data";
    // Each refused with its reason, then the usage, and status 2.
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{"--verbose"}, "argument inconnu : --verbose"},
        {{"--headless", "--data-dir"}, "valeur manquante après --data-dir"},
        {{"--headless", "--script", "", "--data-dir", data}, "valeur manquante après --script"},
        {{"--data-dir", data, "--script", home / "s.txt"},
         "--script, --pdf-dir et --system-printers vont avec --headless"},
        {{"--headless", "--pdf-dir", home / "pdf", "--system-printers"},
         "--pdf-dir et --system-printers ne vont pas ensemble"},
    };
    for (const auto& [arguments, reason] : refusals) {
        const TillRun run = RunVantor(arguments, "");
        EXPECT_EQ(run.status, 2) << reason;
        EXPECT_EQ(run.err, reason + "\n" + kUsage);
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(data));
#ifndef _WIN32  // the Windows build draws no PDF file
    const TillRun pdf =
        RunVantor({"--headless", "--data-dir", data, "--pdf-dir", home / "pdf"}, "");
    EXPECT_EQ(pdf.status, 0) << pdf.err;
#endif
    for (const std::string help : {"--help", "-h"}) {
        const TillRun run = RunVantor({help}, "");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, kUsage);
    }
}

// A data file whose reading fails (here every read of it is an I/O error)
// stops the report with the file and the reason, not with an empty report.
TEST(CommandLine, AFileThatCannotBeReadStopsTheReportWithItsReason) {
#ifdef _WIN32
    GTEST_SKIP() << "no file on Windows fails every read";
#else
    TillFolder folder;
    folder.WriteJournal({"05.12.2026;9:00:00;Paul;50;0;Esp;1;5"});
    fs::remove(folder / "Infos.txt");
    fs::create_symlink("/proc/self/mem", folder / "Infos.txt");
    const TillRun run = folder.Report({"totaux", "--today", "05.12.2026"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "Lecture impossible '" + (folder / "Infos.txt") + "' : erreur d'entrée/sortie\n");
    EXPECT_EQ(run.out, "");
#endif
}

TEST(CommandLine, RunsWhileTheTillIsOpenOnTheSameFolder) {
    TillFolder folder;
    folder.WriteJournal({"05.12.2026;9:00:00;Paul;50;0;Esp;1;5"});
    RunningTill till({"--headless", "--data-dir", folder.Folder()});
    till.Send("show DataPath\n");
    ASSERT_TRUE(till.WaitFor("show DataPath"));
    const TillRun run = folder.Report({"totaux", "--today", "05.12.2026"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(OutputLines(run)[3], "Espèces            €    50.00");
    EXPECT_EQ(till.Finish("").status, 0);
}

TEST(CommandLine, WithoutDataDirReadsTheRememberedFolder) {
#ifdef _WIN32
    GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    TempDir home;
    const std::map<std::string, std::string> user = {{"HOME", home.Path()},
                                                     {"XDG_CONFIG_HOME", home / "config"},
                                                     {"XDG_DATA_HOME", home / "share"}};
    TillRun run = RunVantor({"report", "resume"}, "", user);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Aucun ticket enregistré\n");
    EXPECT_TRUE(fs::is_empty(home.Path())) << "nothing chosen, created nor remembered";

    fs::create_directories(home / "config/Telvora");
    fs::create_directories(home / "caisse");
    WriteRaw(home / "config/Telvora/VantorW.conf", "[Settings]\nDataPath=" + home / "caisse\n");
    WriteRaw(home / "caisse/tickets.csv", "01.12.2026;9:00:00;Paul;8;0;Cart;1;0.8\r\n");
    run = RunVantor({"report", "resume", "--du", "01.12.2026", "--au", "01.12.2026"}, "", user);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(OutputLines(run)[5], "   Encaissement cartes :      8.00");
}

}  // namespace
}  // namespace vantor::test
