// The receipts of a day read back from what the checkout recorded
// (lignes.csv): newest first, each with its lines as printed and its total,
// a past day by its date, a sale given up nowhere.
#include <gtest/gtest.h>

#include "data/Dates.h"
#include "reports/RecordedReceipts.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

std::string Listed(const std::vector<RecordedReceipt>& receipts) {
    std::string text;
    for (const RecordedReceipt& receipt : receipts) {
        text += "n° " + std::to_string(receipt.numero) + " " + FormatDate(receipt.date) + " " +
                receipt.heure + " " + receipt.serveur + " " + receipt.paiement +
                (receipt.especes.empty() ? "" : " (espèces " + receipt.especes + ")") + " total " +
                receipt.total.Text() + "\n";
        for (const RecordedLine& line : receipt.lines) {
            text += "    " + std::to_string(line.quantity) + " x [" + line.label + "] " +
                    line.amount + " cat " + std::to_string(line.category) + "\n";
        }
    }
    return text;
}

TEST(RecordedReceipts, TheReceiptsOfADayNewestFirstFromTheLinesFile) {
    HeadlessTill till;
    const std::string dish = "click Command1 66\nanswer \"8\"\nanswer \"Croque; maison\"\n";
    const std::string coffee = "click Command1 2\n";
    till.Run("clock 04.12.2026 18:00:00\n" + coffee + "click cmdPrint 1\nanswer no\n" +
             "clock 05.12.2026 12:04:09\n" + coffee + coffee + dish +
             "click cmdPrint 0\nanswer no\n"
             "clock 05.12.2026 12:30:00\n" +
             coffee + dish +
             "click cmdPrint 2\nanswer no\ntype txtEsp \"5\"\nclick cmdComplete\nclick "
             "cmdOK\n"
             // An empty ticket records nothing.
             "click cmdPrint 0\nanswer no\n");
    std::string found;
    for (const Date day : {Date{2026, 12, 5}, Date{2026, 12, 4}, Date{2026, 12, 3}}) {
        found += "== " + FormatDate(day) + "\n" + Listed(RecordedReceiptsOf(till.Folder(), day));
    }
    EXPECT_EXPECTED("Recorded-receipts.txt", found);
}

// A line of lignes.csv read back: its fields, its label whole whatever it
// holds, and what its receipt printed after its total when the line kept it.
std::string ReadBack(const std::string& line) {
    const std::optional<RecordedReceipt> read = ParseRecordedLine(line);
    if (!read) {
        return "not read";
    }
    const RecordedLine& sold = read->lines.front();
    std::string text = std::to_string(read->numero) + " " + read->paiement + " [" + read->especes +
                       "] " + std::to_string(sold.quantity) + " [" + sold.label + "] " +
                       sold.amount + " cat " + std::to_string(sold.category) + " corrige " +
                       std::to_string(read->corrige);
    if (!read->printed) {
        return text + ", printed unknown";
    }
    const ReceiptExtras& p = *read->printed;
    return text + ", printed [" + p.recu + "] [" + p.rendu + "] [" + p.carte + "] [" + p.taux + "]";
}

TEST(RecordedReceipts, ALineReadsItsFieldsAndItsLabelWholeWhateverTheLabelHolds) {
    const std::string head = "7;05.12.2026;12:04:09;Paul;";
    struct Row {
        const char* what;
        std::string line;
        const char* read;
    } rows[] = {
        {"an older line", head + "Esp;;2;2;Café (3.50);7.00;0;",
         "7 Esp [] 2 [Café (3.50)] 7.00 cat 0 corrige 0, printed unknown"},
        {"an older line, a label with as many \";\" as the extras add",
         head + "Mixte;5;2;1;Plat; 1; 2; 3; 4; 5;8.00;5;3",
         "7 Mixte [5] 1 [Plat; 1; 2; 3; 4; 5] 8.00 cat 5 corrige 3, printed unknown"},
        {"an older line, a label ending with the mark", head + "Esp;;2;1;Menu;v2;8.00;5;",
         "7 Esp [] 1 [Menu;v2] 8.00 cat 5 corrige 0, printed unknown"},
        {"cash received", head + "Esp;;2;1;Croque;8.00;5;;20;12.00;;5.5;v2",
         "7 Esp [] 1 [Croque] 8.00 cat 5 corrige 0, printed [20] [12.00] [] [5.5]"},
        {"a split with change, a label with \";\"",
         head + "Mixte;8.5;2;1;Croque; maison;8.00;5;;10;1.50;6.5;8.1;v2",
         "7 Mixte [8.5] 1 [Croque; maison] 8.00 cat 5 corrige 0, printed [10] [1.50] [6.5] "
         "[8.1]"},
        {"card, no VAT line", head + "Cart;;0;1;Croque;8.00;5;;;;;;v2",
         "7 Cart [] 1 [Croque] 8.00 cat 5 corrige 0, printed [] [] [] []"},
        {"a correction", head + "Esp;;2;-1;Croque;-8.00;5;3;;;;5.5;v2",
         "7 Esp [] -1 [Croque] -8.00 cat 5 corrige 3, printed [] [] [] [5.5]"},
        {"another mark", head + "Esp;;2;1;Croque;8.00;5;;;;;5.5;v3", "not read"},
        {"the mark without the extras", head + "Esp;;2;1;Croque;8.00;5;v2", "not read"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReadBack(row.line), row.read) << row.what;
    }
}

}  // namespace
}  // namespace vantor::test
