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

}  // namespace
}  // namespace vantor::test
