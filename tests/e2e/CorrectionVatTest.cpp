// A correction made after the VAT rate changed takes back the VAT its sale
// recorded: its records, its receipt's VAT line and its lines bear the sale's
// rate, so that a cancellation nets the day's VAT to zero in the totals and
// the Z. A sale recorded before its lines kept the rate is corrected at
// today's rate of its mode, as it always was.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "RatedSales.h"
#include "data/Cp1252.h"
#include "ledger/Ledger.h"
#include "support/ExpectedFile.h"
#include "support/HeadlessTill.h"

namespace vantor::test {
namespace {

const std::string kPaidInCash = "click cmdPrint 0\nanswer yes\n";
const std::string kSplit =
    "click cmdPrint 2\nanswer yes\ntype txtcart \"6.5\"\ntype txtEsp \"8.5\"\nclick cmdOK\n";

// The newest receipt's cancellation refused: a message, nothing printed.
const std::string kNewestCancelledRefused =
    "clock 05.12.2026 14:00:00\nclick mnuTickets\nchoose lstTickets 0\n"
    "click cmdAnnulerTicket\nanswer \"Erreur\"\nanswer ok\nclick cmdFermer\n";
const std::string kDayClosed =
    "clock 05.12.2026 23:00:00\nclick optPrint 2\nclick cmdCloture\nanswer yes\n";

// Sale 1 as lignes.csv kept it before it kept the rate, at 10 %, with its
// records.
const std::vector<std::string> kOldRatedLines = {
    "1;05.12.2026;11:00:00;Paul;Esp;;2;2;Café (3.50);7.00;0;",
    "1;05.12.2026;11:00:00;Paul;Esp;;2;1;Croque;8.00;5;",
};
const std::vector<std::string> kOldRatedRecords = {
    "05.12.2026;11:00:00;Paul;7;0;Esp;2;0.7",
    "05.12.2026;11:00:00;Paul;8;5;Esp;2;0.8",
};

void RecordOldSale(const HeadlessTill& till) {
    till.Run("clock 05.12.2026 10:00:00\n");  // the folder's files and the chain's start
    AppendChained(till.Folder(), kLinesFile, EntryKind::Lines, 1, kOldRatedLines);
    AppendChained(till.Folder(), kJournalFile, EntryKind::Sale, 1, kOldRatedRecords);
    till.Write("Id.txt", "2\r\n");
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        if (!part.empty() && part.back() == '\r') {
            part.pop_back();
        }
        parts.push_back(part);
    }
    return parts;
}

// A record without its moment, its amount and VAT negated: what the record
// that cancels it holds after its date and time.
std::string NegatedAfterItsMoment(const std::string& record) {
    std::vector<std::string> fields = Split(record, ';');
    for (const std::size_t number : {std::size_t{3}, std::size_t{7}}) {
        std::string& field = fields.at(number);
        field = field.starts_with('-') ? field.substr(1) : field == "0" ? field : "-" + field;
    }
    std::string text;
    for (std::size_t f = 2; f < fields.size(); ++f) {
        text += fields[f] + (f + 1 < fields.size() ? ";" : "");
    }
    return text;
}

std::string AfterItsMoment(const std::string& record) {
    const std::size_t time = record.find(';', record.find(';') + 1);
    return record.substr(time + 1);
}

// The lines of text that hold what.
std::string LinesHolding(const std::string& text, const std::string& what) {
    std::string kept;
    for (const std::string& line : Split(text, '\n')) {
        if (line.find(what) != std::string::npos) {
            kept += line + "\n";
        }
    }
    return kept;
}

TEST(CorrectionVat, ACorrectionTakesBackTheVatItsSaleRecorded) {
    struct Row {
        const char* what;
        bool oldSale;  // sale 1 recorded before the lines kept the rate
        std::vector<RateStep> steps;
        bool cancels;  // the correction takes back the whole sale
    } rows[] = {
        {"cancelled after the rate went from 10 to 20",
         false,
         {{"10", TwoCoffeesAndADish(kPaidInCash)}, {"20", kNewestCancelled}},
         true},
        {"a coffee refunded after the rate went from 10 to 20",
         false,
         {{"10", TwoCoffeesAndADish(kPaidInCash)}, {"20", kCoffeeRefunded}},
         false},
        {"a split cancelled after the rate went from 10 to 20",
         false,
         {{"10", TwoCoffeesAndADish(kSplit)}, {"20", kNewestCancelled}},
         true},
        {"cancelled the day the rate went from 10 to 20, the rate back to 10 since",
         false,
         {{"10", TwoCoffeesAndADish(kPaidInCash)},
          {"20", kNewestCancelled},
          {"10", "clock 05.12.2026 16:00:00\n"}},
         true},
        {"a sale recorded before the rate was kept, cancelled at today's 20",
         true,
         {{"20", kNewestCancelled}},
         false},
        {"a sale recorded before the rate was kept, today's rate not a number",
         true,
         {{"dix", kNewestCancelledRefused}},
         false},
    };
    std::string shown;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        HeadlessTill till;
        till.Write("Serveurs.txt", "Paul\r\nMarie\r\n");
        till.Write("Infos.txt", SettingsWithRates(row.steps.front().takeaway, "2", "8.1"));
        if (row.oldSale) {
            RecordOldSale(till);
        }
        std::string printed;
        for (const RateStep& step : row.steps) {
            till.Write("Infos.txt", SettingsWithRates(step.takeaway, "2", "8.1"));
            printed += till.Run("printers \"Caisse\"\n" + step.script).out;
        }
        const std::vector<std::string> records = Split(till.Read("tickets.csv"), '\n');
        till.Run(kDayClosed);
        const TillRun totals =
            RunVantor({"report", "totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--today",
                       "05.12.2026", "--data-dir", till.Folder()},
                      "");
        const TillRun z =
            RunVantor({"report", "z", "--du", "05.12.2026", "--data-dir", till.Folder()}, "");
        const std::string totalsVat = LinesHolding(totals.out, "TVA à");
        const std::string zVat = LinesHolding(z.out, "TVA à");
        shown += "== " + std::string(row.what) + "\n-- tickets.csv\n" + till.Read("tickets.csv") +
                 "-- lignes.csv\n" + Cp1252ToUtf8(till.Read("lignes.csv")) +
                 "-- the receipts' VAT\n" + LinesHolding(printed, "dont TVA") +
                 LinesHolding(printed, "msgbox critical") + "-- totaux\n" + totalsVat + "-- z\n" +
                 zVat;
        if (!row.cancels) {
            continue;
        }
        // The records of the cancellation are those of its sale negated, one
        // for one, and the day's VAT is none.
        ASSERT_EQ(records.size() % 2, 0U) << row.what;
        const std::size_t half = records.size() / 2;
        std::multiset<std::string> sold, taken;
        for (std::size_t r = 0; r < half; ++r) {
            sold.insert(NegatedAfterItsMoment(records[r]));
            taken.insert(AfterItsMoment(records[half + r]));
        }
        EXPECT_EQ(taken, sold) << row.what;
        for (const std::string& line : Split(totalsVat + zVat, '\n')) {
            EXPECT_TRUE(line.ends_with(" 0.00")) << row.what << ": " << line;
        }
    }
    EXPECT_EXPECTED("CorrectionVat.txt", shown);
}

}  // namespace
}  // namespace vantor::test
