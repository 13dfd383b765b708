// Corrections over two days through the real program: a cancellation and two
// refunds of today's sales, the cancellation of a sale of a closed day. The
// journal and lignes.csv agree sale by sale, the closed day keeps its
// closure and its records, and `vantor verify` finds the ledger intact.
#include <gtest/gtest.h>

#include <map>

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "reports/ExactSum.h"
#include "reports/RecordedReceipts.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

const std::string kCoffeesAndDish =
    "click Command1 2\nclick Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n";

// The sum of the amounts of each day's records, by payment ("Esp", "Cart").
std::map<std::string, ExactSum> JournalSums(const std::string& journal) {
    std::map<std::string, ExactSum> sums;
    std::size_t start = 0;
    for (std::size_t end; (end = journal.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        std::vector<std::string> fields;
        std::string line = journal.substr(start, end - start);
        for (std::size_t at = 0;;) {
            const std::size_t semi = line.find(';', at);
            fields.push_back(line.substr(at, semi - at));
            if (semi == std::string::npos) {
                break;
            }
            at = semi + 1;
        }
        sums[fields[0] + " " + fields[5]] += ExactSum::Parse(fields[3]).value_or(ExactSum());
    }
    return sums;
}

TEST(Tickets, CorrectionsAgreeWithTheJournalAndLeaveTheLedgerIntact) {
    HeadlessTill till;
    till.Write("Serveurs.txt", "Paul\r\nMarie\r\n");
    // Sale 1 on the 4th, by card; the 5th closes the 4th at its first sale.
    till.Run("clock 04.12.2026 18:00:00\n" + kCoffeesAndDish + "click cmdPrint 1\nanswer no\n");
    till.Run("clock 05.12.2026 12:00:00\n" + kCoffeesAndDish +
             "click cmdPrint 0\nanswer no\n"                      // sale 3 (a start skips one)
             "click Command1 2\nclick cmdPrint 0\nanswer no\n");  // sale 4
    const std::string closures = till.Read("Clotures.csv");
    ASSERT_NE(closures, "");
    const std::string journal = till.Read("tickets.csv");
    till.Run(
        "clock 05.12.2026 15:00:00\nclick mnuTickets\n"
        // Sale 3: one coffee refunded in cash, then the dish by card.
        "choose lstTickets 1\nchoose lstLignes 0\nclick cmdRembourser\nanswer \"Froid\"\n"
        "answer yes\nanswer no\n"
        "choose lstTickets 2\nchoose lstLignes 1\nclick cmdRembourser\nanswer \"Brûlé\"\n"
        "answer no\nanswer no\n"
        // Sale 4 cancelled.
        "choose lstTickets 2\nclick cmdAnnulerTicket\nanswer \"Erreur\"\nanswer no\n"
        // Sale 1, of the closed 4th, cancelled today.
        "click cmdJourPrecedent\nchoose lstTickets 0\nclick cmdAnnulerTicket\n"
        "answer \"Carte au lieu d'espèces\"\nanswer no\n"
        "click cmdFermer\n");
    EXPECT_EQ(till.Read("Clotures.csv"), closures) << "the closed day was touched";
    EXPECT_TRUE(till.Read("tickets.csv").starts_with(journal)) << "a record was rewritten";

    // Each day's records by payment, and the lines of each sale, total for total.
    std::string found;
    for (const auto& [day, sum] : JournalSums(till.Read("tickets.csv"))) {
        found += day + " " + sum.Text() + "\n";
    }
    for (const Date day : {Date{2026, 12, 4}, Date{2026, 12, 5}}) {
        for (const RecordedReceipt& receipt : RecordedReceiptsOf(till.Folder(), day)) {
            found += "n° " + std::to_string(receipt.numero) + " " + FormatDate(receipt.date) + " " +
                     receipt.paiement + " " + receipt.total.Text() +
                     (receipt.corrige != 0 ? " corrige " + std::to_string(receipt.corrige) : "") +
                     "\n";
        }
    }
    const TillRun verified = RunVantor({"verify", "--data-dir", till.Folder()}, "");
    EXPECT_EQ(verified.status, 0) << verified.out << verified.err;
    EXPECT_EXPECTED("Tickets-Corrections.txt",
                    found + Cp1252ToUtf8(till.Read("Evenements.csv")) + verified.out);
}

}  // namespace
}  // namespace vantor::test
