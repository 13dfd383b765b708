// The checkout through the real program beyond its pages (cases/Checkout-*):
// what a failing disk or printer does to a sale, the ticket number after a
// start, and what a sale flushes.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "data/TextFile.h"
#include "ledger/ArchiveKey.h"
#include "support/ExpectedFile.h"
#include "support/TestKey.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

// Two coffees and a dish of 8.00 at 12:04:09 on 05.12.2026, waiter Paul,
// printed and answered by the boxes the failure shows.
const std::string kFailing =
    "clock 05.12.2026 12:04:09\nclick Command1 2\nclick Command1 2\nclick Command1 66\n"
    "answer \"8\"\nanswer \"Croque\"\nclick cmdPrint 0\nanswer yes\nanswer ok\n"
    "show lstTicket.ListCount\nshow NumTicket\n";

// The next ticket number is on disk before the sale is printed or recorded:
// a sale that fails afterwards leaves a gap in the numbers, never a number
// printed twice, even after a restart. The ticket stays on screen.
TEST(Checkout, AJournalWriteFailingHalfwayRecordsNothing) {
#ifndef VANTOR_FAULT_LIBRARY
    GTEST_SKIP() << "no library can be preloaded into a Windows program; the file system "
                    "seam's failure loop holds the journal's failing writes there";
#else
    TempDir data;
    // Writes the default files first, at a fixed time: the chain, hence the
    // receipt's code, is the same at every run.
    RunScript(data.Path(), "clock 05.12.2026 12:00:00\nshow NumTicket\n");
    // The closure of the 1st is signed: with a known key, its hash too is the same.
    WriteRaw(data / kArchiveKeyFile, kTestArchiveKey);
    const std::string before = "01.12.2026;9:00:00;Marie;4;0;Esp;2;0.22\r\n";
    WriteRaw(data / "tickets.csv", before);
    // Writes to regular files fail once 40 bytes went through to the journal,
    // as on a disk that fills up.
    TillRun run = RunVantor({"--headless", "--data-dir", data.Path()}, kFailing,
                            {{"LD_PRELOAD", VANTOR_FAULT_LIBRARY},
                             {"VANTOR_WRITE_LIMIT", "40"},
                             {"VANTOR_WRITE_LIMIT_FILE", "/tickets.csv"}});
    ASSERT_EQ(run.status, 0) << run.err << run.out;
    EXPECT_EXPECTED("Checkout-DiskFull.txt", Masked(run.out, data.Path(), "DATA"));
    EXPECT_EQ(Slurp(data / "tickets.csv"), before);
    EXPECT_EQ(Slurp(data / "Id.txt"), "2\r\n");
    EXPECT_NE(RunScript(data.Path(), "show NumTicket\n").out.find("show NumTicket 2"),
              std::string::npos);
#endif
}

// A receipt that cannot be printed: the sale's chain entry, already on disk,
// is given up at once (an "I" entry right after it), nothing is recorded,
// the ticket stays for another try and its number is spent; the next start
// has nothing left to settle.
TEST(Checkout, AReceiptThatFailsGivesItsEntryUpAtOnceAndKeepsTheTicket) {
    HeadlessTill till;
    const std::string printer = "escpos \"Ticket\" \"" + (till / "unplugged/lp0") + "\"\n";
    const std::string sale = "click Command1 2\nclick Command1 2\nclick cmdPrint 0\n";  // 7.00
    const TillRun failed = till.Run(printer + "clock 05.12.2026 12:04:09\n" + sale +
                                    "answer yes\nanswer ok\nshow lstTicket.ListCount\n"
                                    "show NumTicket\n");
    ASSERT_EQ(Boxes(failed).size(), 2U) << failed.out;
    EXPECT_TRUE(Boxes(failed)[1].starts_with("msgbox critical ok")) << Boxes(failed)[1];
    EXPECT_EQ(Shows(failed),
              (std::vector<std::string>{"show lstTicket.ListCount 1", "show NumTicket 2"}));
    EXPECT_EQ(till.Read("tickets.csv"), "");
    std::vector<std::string> chain = ReadLines(till / "tickets.chain");
    ASSERT_GE(chain.size(), 5U);
    // The start's event, the sale's lines and records announced, both given
    // up; then the stop's event.
    EXPECT_TRUE(chain[1].starts_with("2;L;1;lignes.csv;0;62;")) << chain[1];
    EXPECT_TRUE(chain[2].starts_with("3;V;1;tickets.csv;0;36;")) << chain[2];
    EXPECT_TRUE(chain[3].starts_with("4;I;3;tickets.csv;0;0;")) << chain[3];
    EXPECT_TRUE(chain[4].starts_with("5;I;2;lignes.csv;0;0;")) << chain[4];
    EXPECT_EQ(till.Read("lignes.csv"), "");

    const TillRun next =
        till.Run("clock 05.12.2026 12:10:00\nshow NumTicket\n" + sale + "answer no\n");
    EXPECT_EQ(Boxes(next), std::vector<std::string>{
                               "msgbox none yesno \"Impression\" \"Imprimer le ticket ?\""});
    // The number given up is skipped, and no other: a restart adds nothing.
    EXPECT_EQ(Shows(next), std::vector<std::string>{"show NumTicket 2"});
    EXPECT_EQ(till.Read("tickets.csv"), "05.12.2026;12:10:00;Nom;7;0;Esp;;0\r\n");
    chain = ReadLines(till / "tickets.chain");
    EXPECT_NE(std::find_if(chain.begin(), chain.end(),
                           [](const std::string& line) {
                               return line.find(";V;2;tickets.csv;0;36;") != std::string::npos;
                           }),
              chain.end());
}

// Id.txt is only a copy of what the chain knows: whatever it says, the first
// receipt after a start follows the last sale the chain announces, and the
// user is told when Id.txt was behind. In agreement, the number Id.txt holds
// is the next receipt's: a restart leaves no gap in the receipts.
TEST(Checkout, TheNumberAfterAStartFollowsTheChainWhateverIdTxtSays) {
    const std::string kNotice = "msgbox exclamation ok \"Vantor pour Windows\" \"";
    const std::string kChainHas =
        ", mais le journal a déjà enregistré le ticket n° 2 : le "
        "prochain ticket portera le n° 3.\"";
    const struct {
        const char* name;
        const char* id;  // what Id.txt holds at the start; nullptr: no file
        int next;
        std::string notice;
    } rows[] = {
        {"as left", "3\r\n", 3, ""},
        {"ahead", "41\r\n", 41, ""},
        {"at the last receipt", "2\r\n", 3,
         kNotice + "Le fichier Id.txt donnait le n° 2 au prochain ticket" + kChainHas},
        {"deleted", nullptr, 3, kNotice + "Le fichier Id.txt est absent" + kChainHas},
        {"behind", "1\r\n", 3,
         kNotice + "Le fichier Id.txt donnait le n° 1 au prochain ticket" + kChainHas},
        {"not a number", "abc\r\n", 3,
         kNotice + "Le fichier Id.txt donnait le n° 2 au prochain ticket" + kChainHas},
        {"emptied by a power cut", "", 3,
         kNotice + "Le fichier Id.txt donnait le n° 2 au prochain ticket" + kChainHas},
    };
    const std::string sale = "click Command1 2\nclick cmdPrint 0\nanswer no\n";
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HeadlessTill till;
        till.Run("clock 05.12.2026 12:04:09\n" + sale + sale);  // receipts 1 and 2
        ASSERT_EQ(till.Read("Id.txt"), "3\r\n");
        if (row.id == nullptr) {
            fs::remove(till / "Id.txt");
        } else {
            till.Write("Id.txt", row.id);
        }
        const TillRun run = till.Run("clock 05.12.2026 12:30:00\nshow NumTicket\n" + sale);
        EXPECT_EQ(Shows(run),
                  std::vector<std::string>{"show NumTicket " + std::to_string(row.next)});
        const std::vector<std::string> notices = LinesStartingWith(run.out, kNotice);
        EXPECT_EQ(notices, row.notice.empty() ? std::vector<std::string>{}
                                              : std::vector<std::string>{row.notice});
        EXPECT_EQ(till.Read("Id.txt"), std::to_string(row.next + 1) + "\r\n");
    }
}

// What one checkout flushes to disk (beyond what the start and the stop
// flush): a sale's chain entry (its lines' and its records' entries in one
// write), which makes its number durable, its lines and its records; Id.txt,
// written over in place, is flushed only for a sale with no record, whose
// number no chain entry keeps, and when it is made by the folder's first sale;
// a training sale records nothing, its printed receipt only the event that
// logs it (one chained append). A recorded sale replaces no file by a rename,
// which on ext4 costs about a flush.
TEST(Checkout, ASaleFlushesItsChainEntryItsLinesAndItsRecordsAndNoMore) {
#ifndef VANTOR_FAULT_LIBRARY
    GTEST_SKIP() << "no library can be preloaded into a Windows program";
#else
    const std::string coffee = "click Command1 2\n";
    const std::string training = "click mnuFormation\nanswer \"391205\"\n";
    const std::string firstSale = coffee + "click cmdPrint 0\nanswer no\n";
    const struct {
        const char* name;
        std::string setup;  // before the sale, flushed in the run without it too
        std::string sale;
        std::map<std::string, int> flushed;
    } rows[] = {
        {"cash",
         "",
         coffee + "click cmdPrint 0\nanswer yes\n",
         {{"tickets.chain", 1}, {"tickets.csv", 1}, {"lignes.csv", 1}}},
        {"the folder's first",
         "",
         firstSale,
         {{"tickets.chain", 1},
          {"tickets.csv", 1},
          {"lignes.csv", 1},
          {"Id.txt", 1},
          {"(dossier)", 1}}},
        {"card",
         "",
         coffee + "click cmdPrint 1\nanswer no\n",
         {{"tickets.chain", 1}, {"tickets.csv", 1}, {"lignes.csv", 1}}},
        {"mixed",
         "",
         coffee +
             "click cmdPrint 2\nanswer no\ntype txtEsp \"2\"\nclick cmdComplete\nclick cmdOK\n",
         {{"tickets.chain", 1}, {"tickets.csv", 1}, {"lignes.csv", 1}}},
        {"no line",
         "",
         "click cmdPrint 0\nanswer no\n",
         {{"Id.txt", 1}, {"(dossier)", 1}, {"rename Id.txt", 1}}},
        {"training",
         "click mnuFormation\nanswer \"391205\"\n",
         coffee + "click cmdPrint 0\nanswer yes\n",
         {{"tickets.chain", 1}, {"Evenements.csv", 1}}},
    };
    // What each run flushed, by file name (temporary files by the file they
    // replace), and what it replaced by a rename ("rename Id.txt").
    auto flushes = [](HeadlessTill& till, const std::string& script) {
        const std::string log = till / "flushed.log";
        fs::remove(log);
        till.SetEnvironment("LD_PRELOAD", VANTOR_FAULT_LIBRARY);
        till.SetEnvironment("VANTOR_FSYNC_LOG", log);
        till.Run("clock 05.12.2026 12:04:09\n" + script);
        std::map<std::string, int> files;
        for (std::string path : ReadLines(log)) {
            const bool renamed = path.starts_with("rename ");
            path = renamed ? path.substr(7) : path;
            std::string name = fs::path(path).filename().string();
            name = path == till.Folder() ? "(dossier)" : name.substr(0, name.find(".tmp"));
            ++files[renamed ? "rename " + name : name];
        }
        return files;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HeadlessTill till;
        // The defaults written, and Id.txt by a first sale but in the row of that sale.
        till.Run("clock 05.12.2026 12:04:09\n" +
                 (row.sale == firstSale ? std::string("show NumTicket\n") : firstSale));
        std::map<std::string, int> sold = flushes(till, row.setup + row.sale);
        for (const auto& [file, count] : flushes(till, row.setup)) {
            if ((sold[file] -= count) == 0) {
                sold.erase(file);
            }
        }
        EXPECT_EQ(sold, row.flushed);
    }
#endif
}

}  // namespace
}  // namespace vantor::test
