// The corrections, discounts and offered lines of a period in the totals
// report and in the Z of each day closure, read from the sales' lines: a
// cancellation and a partial refund (of sales of an earlier day and of the
// same day), a line discount and an offered coffee. A folder kept before the
// sales' lines were gives its reports as they were, without those lines.
#include <gtest/gtest.h>

#include "TillFolder.h"
#include "data/Cp1252.h"
#include "ledger/Ledger.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

struct RecordedSale {
    std::int64_t numero;
    std::vector<std::string> lines;    // lignes.csv, as UTF-8
    std::vector<std::string> records;  // tickets.csv
};

const std::vector<RecordedSale> kSalesWithCorrections = {
    {1,
     {"1;04.12.2026;18:00:00;Paul;Esp;;2;2;Café;7.00;0;",
      "1;04.12.2026;18:00:00;Paul;Esp;;2;1;Croque;8.00;5;"},
     {"04.12.2026;18:00:00;Paul;7;0;Esp;2;0.385", "04.12.2026;18:00:00;Paul;8;5;Esp;2;0.44"}},
    {2,
     {"2;05.12.2026;9:00:00;Paul;Cart;;2;1;Crème brûlée;4.50;5;",
      "2;05.12.2026;9:00:00;Paul;Cart;;2;1;Pression 5 dl;5.00;2;",
      "2;05.12.2026;9:00:00;Paul;Cart;;2;1;Remise 10 %;-0.50;2;"},
     {"05.12.2026;9:00:00;Paul;4.5;5;Cart;2;0.2475",
      "05.12.2026;9:00:00;Paul;4.5;2;Cart;2;0.2475"}},
    {3,
     {"3;05.12.2026;10:00:00;Marie+Luc;Esp;;2;2;Café;7.00;0;",
      "3;05.12.2026;10:00:00;Marie+Luc;Esp;;2;1;Offert;-3.50;0;"},
     {"05.12.2026;10:00:00;Marie+Luc;3.5;0;Esp;2;0.1925"}},
    // Sale 1 of the day before, cancelled: each of its lines negated.
    {4,
     {"4;05.12.2026;11:00:00;Paul;Esp;;2;-1;Croque;-8.00;5;1",
      "4;05.12.2026;11:00:00;Paul;Esp;;2;-2;Café;-7.00;0;1"},
     {"05.12.2026;11:00:00;Paul;-7;0;Esp;2;-0.385", "05.12.2026;11:00:00;Paul;-8;5;Esp;2;-0.44"}},
    // The crème brûlée of sale 2 refunded.
    {5,
     {"5;05.12.2026;12:00:00;Marie+Luc;Cart;;2;-1;Crème brûlée;-4.50;5;2"},
     {"05.12.2026;12:00:00;Marie+Luc;-4.5;5;Cart;2;-0.2475"}},
    // An article that happens to be called "Offert" is sold, not offered.
    {6,
     {"6;06.12.2026;9:00:00;Paul;Esp;;2;1;Café;3.50;0;",
      "6;06.12.2026;9:00:00;Paul;Esp;;2;1;Remise 1.00;-1.00;0;",
      "6;06.12.2026;9:00:00;Paul;Esp;;2;1;Offert;2.00;7;"},
     {"06.12.2026;9:00:00;Paul;2.5;0;Esp;2;0.1375", "06.12.2026;9:00:00;Paul;2;7;Esp;2;0.11"}},
};

// The sales as the checkout writes them: each sale's lines under the chain
// right before its records (the chain writes them in Windows-1252); without
// lines, the records alone.
void RecordSales(const TillFolder& folder, bool withLines) {
    for (const RecordedSale& sale : kSalesWithCorrections) {
        if (withLines) {
            AppendChained(folder.Folder(), kLinesFile, EntryKind::Lines, sale.numero, sale.lines);
        }
        AppendChained(folder.Folder(), kJournalFile, EntryKind::Sale, sale.numero, sale.records);
    }
}

// The reports of the folder: totals of a day, of one waiter, of a period,
// waiter by waiter; the days closed at the end of the 6th, and each Z; then
// the folder's check.
std::string CorrectionReports(const TillFolder& folder) {
    const std::vector<std::vector<std::string>> commands = {
        {"totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--today", "05.12.2026"},
        {"totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--serveur", "Paul", "--today",
         "07.12.2026"},
        {"totaux", "--du", "04.12.2026", "--au", "06.12.2026", "--today", "07.12.2026"},
        {"totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--detail", "--today", "07.12.2026"},
    };
    std::string shown;
    const auto show = [&](const std::vector<std::string>& words, const TillRun& run) {
        shown += "== vantor";
        for (const std::string& word : words) {
            shown += " " + word;
        }
        shown += "\n" + run.out + run.err;
    };
    for (const std::vector<std::string>& words : commands) {
        show(words, folder.Report(words));
    }
    folder.Write("Id.txt", "7\r\n");  // the next receipt number, as the till keeps it
    folder.Run("clock 06.12.2026 23:00:00\nclick optPrint 2\nclick cmdCloture\nanswer yes\n");
    for (const char* day : {"04.12.2026", "05.12.2026", "06.12.2026"}) {
        show({"z", "--du", day}, folder.Report({"z", "--du", day}));
    }
    const TillRun verify = RunVantor({"verify", "--data-dir", folder.Folder()}, "");
    shown += "== vantor verify\n" + verify.out + verify.err;
    return shown;
}

TEST(Corrections, TheTotalsAndTheZShowTheCorrectionsDiscountsAndOfferedLines) {
    TillFolder folder;
    RecordSales(folder, true);
    std::string lines;
    for (const RecordedSale& sale : kSalesWithCorrections) {
        for (const std::string& line : sale.lines) {
            lines += line + "\r\n";
        }
    }
    EXPECT_EQ(Cp1252ToUtf8(folder.Read(kLinesFile)), lines) << "the sales' labels as sold";
    EXPECT_EXPECTED("Corrections.txt", CorrectionReports(folder));
}

// The reports without the four lines and the separator that ends them.
std::string WithoutCorrectionLines(const std::string& reports) {
    std::string kept;
    std::size_t skip = 0;
    for (std::size_t start = 0; start < reports.size();) {
        const std::size_t end = reports.find('\n', start) + 1;
        const std::string line = reports.substr(start, end - start);
        start = end;
        if (line.starts_with("Annulations : ")) {
            skip = 5;
        }
        if (skip > 0) {
            --skip;
        } else {
            kept += line;
        }
    }
    return kept;
}

TEST(Corrections, AFolderWithoutTheSalesLinesGivesItsReportsAsBefore) {
    TillFolder with;
    RecordSales(with, true);
    TillFolder without;
    RecordSales(without, false);
    EXPECT_EQ(CorrectionReports(without), WithoutCorrectionLines(CorrectionReports(with)));
}

}  // namespace
}  // namespace vantor::test
