// `vantor report` only reads: it writes no file, needs no window and runs
// beside a till open on the same folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "TillFolder.h"
#include "app/CommandLine.h"
#include "ledger/ArchiveKey.h"
#include "support/ExpectedFile.h"
#include "support/TestKey.h"

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
        EXPECT_EQ(run.err, reason + "\n" + Usage(kTill));
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
        EXPECT_EQ(run.out, Usage(kTill));
    }
}

// Every command line the program reads, one row each: what it answered on
// standard output and standard error and its status, for the till's own
// arguments and the report, verify and archive commands alike (the folders
// masked): expected/Command-lines.txt.
TEST(CommandLine, EachCommandLineIsAnsweredWithItsStatusAndUsage) {
    TempDir home;
    TillFolder folder;
    folder.WriteJournal({"05.12.2026;9:00:00;Paul;50;0;Esp;1;5"});
    const std::string data = folder.Folder();
    HeadlessTill till;  // one sale under the chain: a folder that verifies
    till.Run("clock 05.12.2026 12:00:00\nclick Command1 2\nclick cmdPrint 0\nanswer no\n");
    till.Write(kArchiveKeyFile, kTestArchiveKey);  // its archive signed by a known key
    const std::string sold = till.Folder();
    const std::string absent = home / "absent";
    const std::vector<std::vector<std::string>> lines = {
        // The till's own arguments.
        {"--verbose"},
        {"verbose"},
        {"REPORT"},
        {"--headless", "--data-dir"},
        {"--headless", "--data-dir", ""},
        {"--headless", "--script", "", "--data-dir", data},
        {"--headless", "--pdf-dir"},
        {"--headless", "--verbose", "--data-dir"},
        {"--data-dir", data, "--data-dir"},
        {"--script", "x.txt"},
        {"--pdf-dir", "x"},
        {"--system-printers"},
        {"--headless", "--pdf-dir", "p", "--system-printers"},
        {"--headless", "--system-printers", "--pdf-dir", "p"},
        {"--exit-when-shown", "--bogus"},
        {"--help"},
        {"-h"},
        {"--help", "x"},
        // vantor report
        {"report"},
        {"report", "bilan"},
        {"report", "Totaux"},
        {"report", "--du", "01.12.2026"},
        {"report", "totaux", "--bogus"},
        {"report", "totaux", "--bogus", "x"},
        {"report", "totaux", "extra"},
        {"report", "totaux", "extra", "more"},
        {"report", "totaux", "--du"},
        {"report", "totaux", "--du", "31.02.2026", "--bogus", "x"},
        {"report", "totaux", "--bogus", "x", "--du", "31.02.2026"},
        {"report", "totaux", "--today", "5.12.26"},
        {"report", "totaux", "--au", "--data-dir", data},
        {"report", "totaux", "--data-dir"},
        {"report", "totaux", "--data-dir", absent},
        {"report", "journal", "--detail", "--data-dir", data},
        {"report", "resume", "--serveur", "Paul", "--data-dir", data},
        {"report", "totaux", "--serveur", "", "--data-dir", data},
        {"report", "totaux", "--serveur", "Luc", "--data-dir", data},
        {"report", "totaux", "--today", "01.01.2020", "--today", "05.12.2026", "--data-dir", data},
        {"report", "totaux", "--detail", "--detail", "--serveur", "Paul", "--data-dir", data,
         "--today", "05.12.2026"},
        {"report", "journal", "--data-dir", absent, "--data-dir", data, "--today", "05.12.2026"},
        {"report", "totaux", "--du", "06.12.2026", "--au", "05.12.2026", "--data-dir", data},
        // vantor verify
        {"verify", "--du"},
        {"verify", "--data-dir"},
        {"verify", "--contre"},
        {"verify", "a.tar", "b.tar"},
        {"verify", "--bogus", "x"},
        {"verify", "--data-dir", absent},
        {"verify", home / "absent.tar"},
        {"verify", "-x"},
        {"verify", home / "absent.tar", "--contre", "1:abcdef01"},
        {"verify", "--data-dir", data, "--contre", home / "absente"},
        {"verify", "--data-dir", data, "--contre", "1:abcdef01", "--contre", "1:zz"},
        {"verify", "--data-dir", data},
        {"verify", "--data-dir", absent, "--data-dir", data},
        {"verify", "--data-dir", data, home / "absent.tar"},
        {"verify", "--data-dir", sold},
        {"verify", "--contre", sold, "--data-dir", sold},
        // vantor archive
        {"archive"},
        {"archive", "--du", "01.12.2026", "--au", "31.12.2026"},
        {"archive", "x.tar"},
        {"archive", "--out"},
        {"archive", "--contre", "x"},
        {"archive", "--du", "x", "--au", "y", "--out", "z"},
        {"archive", "--du", "01.12.2026", "--au", "31.12.2026", "--out", "", "--data-dir", data},
        {"archive", "--du", "02.12.2026", "--au", "01.12.2026", "--out", home / "z.tar",
         "--data-dir", data},
        {"archive", "--du", "01.12.2026", "--au", "01.12.2026", "--out", home / "z.tar",
         "--data-dir", absent},
        {"archive", "--du", "01.12.2026", "--au", "31.12.2026", "--data-dir", data, "--out",
         home / "decembre.tar"},
        {"archive", "--au", "31.12.2026", "--out", home / "decembre.tar", "--du", "01.12.2026",
         "--data-dir", sold},
        {"verify", home / "decembre.tar"},
        {"verify", "--data-dir", sold, "--contre", home / "decembre.tar"},
        {"verify", "--data-dir", sold, "--contre", "1:zz", "--contre", sold},
        {"verify", "--contre", sold, "--data-dir", sold, "--contre", home / "decembre.tar"},
    };
    // No row may read the settings of the account running the tests.
    const std::map<std::string, std::string> account = {{"HOME", home / "compte"},
                                                        {"XDG_CONFIG_HOME", home / "config"},
                                                        {"XDG_DATA_HOME", home / "share"}};
    std::string told;
    for (const std::vector<std::string>& words : lines) {
        const TillRun run = RunVantor(words, "", account);
        told += "== vantor";
        for (const std::string& word : words) {
            told += " " + (word.empty() ? std::string("\"\"") : word);
        }
        told += "\nstatus " + std::to_string(run.status) + "\n";
        told += run.out.empty() ? "" : "-- stdout\n" + run.out;
        told += run.err.empty() ? "" : "-- stderr\n" + run.err;
    }
    const std::string masked = Masked(Masked(told, data, "DOSSIER"), sold, "CAISSE");
    EXPECT_EXPECTED("Command-lines.txt", Masked(masked, home.Path(), "HOME"));
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
