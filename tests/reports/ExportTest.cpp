// The accountant's export through the real program: the closed days of a
// period as a spreadsheet file and as accounting entries, and its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "ReportFixture.h"
#include "TillFolder.h"
#include "ledger/ArchiveKey.h"
#include "ledger/Closures.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"
#include "support/RunTill.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// A coffee (3.50, category 0) and a dish of 8.00 (category 5).
const std::string kTicket =
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n";
const std::string kCash = kTicket + "click cmdPrint 0\nanswer no\n";
const std::string kCard = kTicket + "click cmdPrint 1\nanswer no\n";
const std::string kMixed =
    kTicket + "click cmdPrint 2\nanswer no\ntype txtEsp \"5.75\"\nclick cmdComplete\nclick cmdOK\n";

// VAT rates 10 and 5.5, selling on the premises; closures signed by the test key.
struct ExportTill : HeadlessTill {
    ExportTill() {
        Write("Infos.txt", "Bar\r\n\r\n\r\n\r\n\r\n10\r\n5.5\r\n\r\n\r\n1\r\n");
        Write(kArchiveKeyFile, kTestArchiveKey);
        // The 1st written by hand: take-away and without VAT, a cash movement.
        Write("tickets.csv", JournalBytes({
                                 "01.12.2026;9:00:00;Paul;4.2;0;Esp;2;0.231",
                                 "01.12.2026;9:00:00;Paul;2.8;0;Cart;2;0.154",
                                 "01.12.2026;9:30:00;Paul;5;7;Esp;0;0",
                                 "01.12.2026;11:00:00;Banque;-20;10;Sort;2;0",
                             }));
        Run("clock 02.12.2026 12:00:00\n" + kCash + kCard + kMixed);
        Run("clock 03.12.2026 12:00:00\n" + kCash +
            "click optPrint 2\nchoose cmbVantor 1\ntype txtVantor \"50\"\n"
            "choose cmbCatCompt 6\ntype txtTexteVantor \"Apport\"\nclick cmdVantor\n");
        // Closes the 1st to the 3rd; the 4th stays open.
        Run("clock 04.12.2026 12:00:00\n" + kCard);
    }

    TillRun Export(std::vector<std::string> arguments) const {
        arguments.insert(arguments.begin(), {"export", "comptable"});
        arguments.insert(arguments.end(), {"--data-dir", Folder()});
        return RunVantor(arguments, "");
    }
};

// The files' bytes and what the command said: expected/Export-*.
TEST(ExportComptable, WritesTheClosedDaysAsASpreadsheetAndAsEntries) {
    ExportTill till;
    TempDir out;
    const std::vector<std::string> period = {"--du", "01.12.2026", "--au", "04.12.2026"};
    std::vector<std::string> csv = period;
    csv.insert(csv.end(), {"--out", out / "export.csv"});
    TillRun run = till.Export(csv);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EXPECTED("Export-csv.txt", Masked(run.out, out.Path(), "OUT"));
    EXPECT_EXPECTED("Export.csv", Slurp(out / "export.csv"));

    std::vector<std::string> fec = period;
    fec.insert(fec.end(), {"--out", out / "export.txt", "--format", "fec"});
    run = till.Export(fec);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EXPECTED("Export.fec", Slurp(out / "export.txt"));

    // With the open day, marked so.
    fec.push_back("--jours-ouverts");
    run = till.Export(fec);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EXPECTED("Export-ouverts.txt",
                    Masked(run.out, out.Path(), "OUT") + Slurp(out / "export.txt"));
}

// The cash and card of each day equal its closure to the cent.
TEST(ExportComptable, TheDaysEqualTheirClosures) {
    ExportTill till;
    TempDir out;
    ASSERT_EQ(
        till.Export({"--du", "01.12.2026", "--au", "03.12.2026", "--out", out / "e.csv"}).status,
        0);
    std::vector<std::string> rows;
    std::istringstream in(Slurp(out / "e.csv"));
    for (std::string row; std::getline(in, row);) {
        rows.push_back(row);
    }
    const std::vector<Closure> closures = ReadClosures(till.Folder());
    std::size_t days = 0;
    for (const Closure& closure : closures) {
        if (closure.period != kClosureDay) {
            continue;
        }
        ++days;
        ASSERT_LT(days, rows.size());
        const auto comma = [](std::string text) {
            const double value = std::stod(text);
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.2f", value);
            std::string cents = buffer;
            std::replace(cents.begin(), cents.end(), '.', ',');
            return cents;
        };
        const std::string& row = rows[days];
        EXPECT_NE(row.find(";" + comma(closure.especes) + ";" + comma(closure.cartes) + ";"),
                  std::string::npos)
            << row;
    }
    EXPECT_EQ(days, 3u);
}

// A journal changed under a closed day is not exported.
TEST(ExportComptable, AJournalThatNoLongerGivesItsClosureIsRefused) {
    ExportTill till;
    TempDir out;
    std::string journal = till.Read("tickets.csv");
    journal.replace(journal.find(";-20;"), 5, ";-25;");
    till.Write("tickets.csv", journal);
    const TillRun run =
        till.Export({"--du", "01.12.2026", "--au", "03.12.2026", "--out", out / "e.csv"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("journée du 01.12.2026 ne donne plus les montants de sa clôture"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(out / "e.csv"));
}

// Each refused with its reason and status 2, and nothing written.
TEST(ExportComptable, BadArgumentsAndUnwritableOutputsAreRefused) {
    ExportTill till;
    TempDir out;
    const std::string file = out / "e.csv";
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{"--du", "01.12.2026", "--au", "03.12.2026"}, "--du, --au et --out sont demandés"},
        {{"--au", "03.12.2026", "--out", file}, "--du, --au et --out sont demandés"},
        {{"--du", "01.12.2026", "--out", file}, "--du, --au et --out sont demandés"},
        {{"--du", "31.02.2026", "--au", "03.12.2026", "--out", file},
         "date attendue (JJ.MM.AAAA) après --du : 31.02.2026"},
        {{"--du", "01.12.2026", "--au", "2026-12-03", "--out", file},
         "date attendue (JJ.MM.AAAA) après --au : 2026-12-03"},
        {{"--du", "03.12.2026", "--au", "01.12.2026", "--out", file},
         "Opération impossible, la date de fin est avant la date de début"},
        {{"--du", "01.12.2026", "--au", "03.12.2026", "--out", file, "--format", "xls"},
         "format attendu : csv ou fec, pas xls"},
        {{"--du", "01.12.2026", "--au", "03.12.2026", "--out", file, "--serveur", "Paul"},
         "argument inconnu : --serveur"},
        {{"--du", "01.12.2026", "--au", "03.12.2026", "--out", ""},
         "--du, --au et --out sont demandés"},
        {{"--du", "01.12.2026", "--au", "03.12.2026", "--out", out / "absent/e.csv"},
         "Export non écrit : "},
        {{"--du", "01.12.2026", "--au", "03.12.2026", "--out", till / "tickets.csv"},
         "L'export ne s'écrit pas dans le dossier de données : " + (till / "tickets.csv")},
    };
    const std::string journal = till.Read("tickets.csv");
    for (const auto& [arguments, reason] : refusals) {
        const TillRun run = till.Export(arguments);
        EXPECT_EQ(run.status, 2) << reason;
        EXPECT_TRUE(run.err.starts_with(reason)) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    const TillRun run = RunVantor({"export", "ventes", "--data-dir", till.Folder()}, "");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.starts_with("export attendu : comptable\nUtilisation :")) << run.err;
    EXPECT_TRUE(fs::is_empty(out.Path()));
    EXPECT_EQ(till.Read("tickets.csv"), journal);
}

// The boxes of the till's own handlers, without the start-up's notices
// (the chain of the journal written by hand).
std::vector<std::string> HandlerBoxes(const TillRun& run) {
    std::vector<std::string> boxes;
    for (const std::string& box : Boxes(run)) {
        if (box.find(" \"Vantor\" ") != std::string::npos) {
            boxes.push_back(box);
        }
    }
    return boxes;
}

// "Exporter pour le comptable" beside the reports: the period of the
// report's mode, the form by the file's ending (".txt" the entries), the very
// bytes of the command and what they cover; a cancel writes nothing, the data
// folder, an unwritable place and an end before the start are refused.
TEST(ExportComptable, TheWindowsButtonWritesWhatTheCommandWrites) {
#ifdef _WIN32
    // The transcript doubles each backslash of a path it quotes, and the
    // proposed folder is the account's own there: the command's own tests
    // check the bytes of both exports on Windows.
    GTEST_SKIP() << "paths compared as POSIX writes them";
#endif
    ExportTill till;
    TempDir out;
    TempDir home;
    till.SetEnvironment("HOME", home.Path());
    const std::string compta =
        "clock 04.12.2026 13:00:00\nclick optPrint 2\ndate DTPicker4 01.12.2026\n"
        "date DTPicker5 04.12.2026\nclick cmdComptable\n";
    for (const bool fec : {false, true}) {
        SCOPED_TRACE(fec ? "fec" : "csv");
        const std::string file = out / (fec ? "fenetre.txt" : "fenetre.csv");
        const TillRun run = till.Run(compta + "answer \"" + file + "\"\nanswer ok\n");
        const std::string proposed =
            "Export comptable 01.12.2026-04.12.2026.csv\" \"Tableur CSV "
            "(*.csv);;Écritures FEC (*.txt)\"";
        const std::vector<std::string> asked = LinesStartingWith(run.out, "savefile");
        ASSERT_EQ(asked.size(), 1U) << run.out;
        EXPECT_EQ(asked[0],
                  "savefile \"Exporter pour le comptable\" \"" + home.Path() + "/" + proposed);
        const std::string command = out / (fec ? "commande.txt" : "commande.csv");
        std::vector<std::string> arguments = {"--du",       "01.12.2026", "--au",
                                              "04.12.2026", "--out",      command};
        if (fec) {
            arguments.insert(arguments.end(), {"--format", "fec"});
        }
        const TillRun exported = till.Export(arguments);
        ASSERT_EQ(exported.status, 0) << exported.err;
        EXPECT_EQ(Slurp(file), Slurp(command));
        // What the command says, but the file's name.
        ASSERT_EQ(HandlerBoxes(run).size(), 1U) << run.out;
        const std::string said = exported.out.substr(0, exported.out.rfind("Export écrit : "));
        EXPECT_NE(run.out.find("msgbox information ok \"Vantor\" \"" + said +
                               "Export écrit : " + file + "\"\n"),
                  std::string::npos)
            << run.out;
        EXPECT_NE(said.find("Journée non clôturée, laissée de côté : 04.12.2026"),
                  std::string::npos)
            << said;
    }
    const std::string absent = out / "absent/e.csv";
    const TillRun refused =
        till.Run(compta + "answer cancel\nclick cmdComptable\nanswer \"" + (till / "e.csv") +
                 "\"\nanswer ok\nclick cmdComptable\nanswer \"" + absent +
                 "\"\nanswer ok\ndate DTPicker4 05.12.2026\nclick cmdComptable\nanswer ok\n");
    const std::vector<std::string> boxes = HandlerBoxes(refused);
    ASSERT_EQ(boxes.size(), 3U) << refused.out;
    EXPECT_EQ(boxes[0],
              "msgbox critical ok \"Vantor\" \"L'export ne s'écrit pas dans le dossier "
              "de données : " +
                  (till / "e.csv") + "\"");
    EXPECT_TRUE(boxes[1].starts_with("msgbox critical ok \"Vantor\" \"Export non écrit : "))
        << boxes[1];
    EXPECT_EQ(boxes[2],
              "msgbox critical ok \"Vantor\" \"Opération impossible, la date de fin est "
              "avant la date de début\"");
    EXPECT_EQ(LinesStartingWith(refused.out, "savefile").size(), 3U);
    EXPECT_FALSE(fs::exists(till / "e.csv"));
    EXPECT_FALSE(fs::exists(absent));
    EXPECT_TRUE(fs::is_empty(home.Path()));
}

}  // namespace
}  // namespace vantor::test
