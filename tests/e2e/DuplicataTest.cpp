// A duplicate through the real program prints the receipt again exactly as
// it was: the amount received and the change of a cash sale, the card part,
// the cash handed over and the change of a split, the VAT rate it printed,
// for sales and corrections alike; only its marks differ. A sale recorded
// before lignes.csv kept these reads as it always did, beside newer ones.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "RatedSales.h"
#include "data/Cp1252.h"
#include "ledger/Ledger.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

// 80 mm paper, the amount received asked of a cash sale.
const std::string kAmountReceivedAsked = "80\r\n2\r\n1\r\n";

const std::string kCashReceived20 =
    "click cmdPrint 0\nanswer yes\nclick cmdBillet 2\nclick cmdOK\n";
const std::string kSplitWithChange =
    "click cmdPrint 2\nanswer yes\ntype txtcart \"6.5\"\ntype txtEsp \"10\"\nclick cmdOK\n";

// Every run prints on the receipt printer.
const std::string kPrinter = "printers \"Caisse\"\n";

// The newest receipt of the day printed again at 16:00.
const std::string kDuplicate =
    "clock 05.12.2026 16:00:00\nclick mnuTickets\nchoose lstTickets 0\n"
    "click cmdDuplicata\nclick cmdFermer\n";

// The receipts a run printed, each as its lines without their heights (a
// duplicate's are one mark lower) nor its marks: the word across its top and
// bottom, and the word that starts a correction's duplicate.
std::vector<std::string> Receipts(const std::string& transcript) {
    static const std::regex text(R"(^print text (-?\d+) -?\d+ (.*)$)");
    static const std::regex mark(R"re("\s*(DUPLICATA|ANNULATION|REMBOURSEMENT)"$)re");
    std::vector<std::string> receipts;
    std::istringstream lines(transcript);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("print start")) {
            receipts.emplace_back();
        } else if (!receipts.empty() && line.starts_with("print ") && line != "print end" &&
                   !std::regex_search(line, mark)) {
            receipts.back() += std::regex_replace(line, text, "print text $1 $2") + "\n";
        }
    }
    return receipts;
}

TEST(Duplicata, PrintsTheReceiptAgainAsItWasButForItsMarks) {
    struct Row {
        const char* what;
        std::string mode;  // the VAT mode of the settings
        // The runs, the last receipt printed a duplicate of the one before it.
        std::vector<RateStep> steps;
        const char* holds;  // a line of the receipt duplicated
    } rows[] = {
        {"cash, 20.00 received",
         "2",
         {{"5.5", TwoCoffeesAndADish(kCashReceived20) + kDuplicate}},
         "Rendu                               €     5.00"},
        {"cash, the exact amount received",
         "2",
         {{"5.5",
           TwoCoffeesAndADish("click cmdPrint 0\nanswer yes\nclick cmdCompte\n") + kDuplicate}},
         "Rendu                               €     0.00"},
        {"card",
         "2",
         {{"5.5", TwoCoffeesAndADish("click cmdPrint 1\nanswer yes\n") + kDuplicate}},
         "Carte                               €    15.00"},
        {"a split with change",
         "2",
         {{"5.5", TwoCoffeesAndADish(kSplitWithChange) + kDuplicate}},
         "Espèces                             €    10.00"},
        // The card's part is not what the cash part leaves of the total.
        {"a split typed to the tenth of a cent",
         "2",
         {{"5.5", TwoCoffeesAndADish("click cmdPrint 2\nanswer yes\ntype txtcart \"6.489\"\n"
                                     "type txtEsp \"8.507\"\nclick cmdOK\n") +
                      kDuplicate}},
         "Carte                               €     6.48"},
        {"the VAT rate changed since",
         "2",
         {{"5.5", TwoCoffeesAndADish(kCashReceived20)}, {"8.1", kDuplicate}},
         "dont TVA 5.5 %                      €     0.78"},
        {"a VAT mode the screen does not show, no VAT line",
         "1.4",
         {{"5.5", TwoCoffeesAndADish("click cmdPrint 1\nanswer yes\n") + kDuplicate}},
         "Total                               €    15.00"},
        {"a split cancelled after the rate changed",
         "2",
         {{"5.5", TwoCoffeesAndADish(kSplitWithChange)},
          {"8.1", kNewestCancelled},
          {"2.6", kDuplicate}},
         "dont TVA 5.5 %                      €    -0.78"},
        {"a coffee refunded in cash",
         "2",
         {{"5.5", TwoCoffeesAndADish(kCashReceived20) + kCoffeeRefunded}, {"8.1", kDuplicate}},
         "Espèces                             €    -3.50"},
    };
    for (const Row& row : rows) {
        HeadlessTill till;
        till.Write("Serveurs.txt", "Paul\r\nMarie\r\n");
        till.Write("ImprimanteTicket.txt", kAmountReceivedAsked);
        std::vector<std::string> printed;
        std::string last;
        for (const RateStep& step : row.steps) {
            till.Write("Infos.txt", SettingsWithRates(step.takeaway, row.mode));
            last = till.Run(kPrinter + step.script).out;
            for (std::string& receipt : Receipts(last)) {
                printed.push_back(std::move(receipt));
            }
        }
        ASSERT_GE(printed.size(), 2U) << row.what;
        EXPECT_NE(last.find("DUPLICATA"), std::string::npos) << row.what;
        const std::string& receipt = printed[printed.size() - 2];
        EXPECT_NE(receipt.find(row.holds), std::string::npos) << row.what << "\n" << receipt;
        EXPECT_EQ(printed.back(), receipt) << row.what;
    }
}

// Sale 1 as lignes.csv kept it before it kept the receipt's extras (as
// UTF-8): a split, a label holding five ";", as many fields as the extras add.
const std::vector<std::string> kOldLines = {
    "1;05.12.2026;11:00:00;Paul;Mixte;5;2;2;Café (3.50);7.00;0;",
    "1;05.12.2026;11:00:00;Paul;Mixte;5;2;1;Plat; du; jour; à; 8; 5;8.00;5;",
};
const std::vector<std::string> kOldRecords = {
    "05.12.2026;11:00:00;Paul;2.33333333333333;0;Esp;2;0.128333333333333",
    "05.12.2026;11:00:00;Paul;4.66666666666667;0;Cart;2;0.256666666666667",
    "05.12.2026;11:00:00;Paul;2.66666666666667;5;Esp;2;0.146666666666667",
    "05.12.2026;11:00:00;Paul;5.33333333333333;5;Cart;2;0.293333333333333",
};

// The duplicate of the old sale shows its cash part and today's rate as it
// always did; a new sale follows it, the old sale is cancelled, and the
// folder mixing both kinds of lines checks intact.
TEST(Duplicata, ASaleRecordedBeforeTheExtrasReadsAsItAlwaysDidBesideNewOnes) {
    HeadlessTill till;
    till.Write("Serveurs.txt", "Paul\r\nMarie\r\n");
    till.Write("ImprimanteTicket.txt", kAmountReceivedAsked);
    till.Write("Infos.txt", SettingsWithRates("8.1"));
    till.Run("clock 05.12.2026 10:00:00\n");  // the folder's files and the chain's start
    AppendChained(till.Folder(), kLinesFile, EntryKind::Lines, 1, kOldLines);
    AppendChained(till.Folder(), kJournalFile, EntryKind::Sale, 1, kOldRecords);
    till.Write("Id.txt", "2\r\n");
    const TillRun run =
        till.Run(kPrinter +
                 "clock 05.12.2026 12:00:00\nclick mnuTickets\nchoose lstTickets 0\n"
                 "click cmdDuplicata\nclick cmdFermer\n" +
                 TwoCoffeesAndADish(kSplitWithChange) +
                 // The old sale cancelled, the new one its duplicate printed.
                 "clock 05.12.2026 14:00:00\nclick mnuTickets\nchoose lstTickets 1\n"
                 "click cmdAnnulerTicket\nanswer \"Erreur\"\nanswer no\n"
                 "choose lstTickets 1\nclick cmdDuplicata\nclick cmdFermer\n");
    const TillRun verified = RunVantor({"verify", "--data-dir", till.Folder()}, "");
    EXPECT_EQ(verified.status, 0) << verified.out << verified.err;
    EXPECT_EXPECTED("Duplicata-OldLines.txt",
                    run.out + "== lignes.csv\n" + Cp1252ToUtf8(till.Read("lignes.csv")) +
                        "== Evenements.csv\n" + Cp1252ToUtf8(till.Read("Evenements.csv")) +
                        "== vantor verify\n" + verified.out);
}

}  // namespace
}  // namespace vantor::test
