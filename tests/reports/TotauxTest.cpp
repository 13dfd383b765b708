// The totals report for all waiters or one waiter: exact lines for the
// cases its rules single out.
#include <algorithm>
#include <filesystem>

#include "ReportFixture.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Totaux = ReportTest;
using Lignes = std::vector<std::string>;

// A day of sales before today, then today: cash 100.00, card 30.00, an exit
// of 20.00; the drawer balance is 70 + 100 - 20 = 150.
const Lignes kJournee = {
    "04.12.2026;18:00:00;Paul;70;0;Esp;1;7",     "05.12.2026;9:05:07;Paul;60;0;Esp;1;6",
    "05.12.2026;9:10:00;Marie;40;5;Esp;2;2.2",   "05.12.2026;12:04:09;Paul;30;5;Cart;2;1.65",
    "05.12.2026;0:00:00;Banque;-20;10;Sort;2;0",
};

bool Has(const Lignes& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Today shows the drawer block; a period ending before today and a single
// waiter do not, and a single waiter ignores the detail box.
TEST_F(Totaux, TheDrawerBlockOnlyForTodayAndAllWaiters) {
    WriteJournal(kJournee);
    const auto totaux = [this](const Date& debut, int serveur, bool detail) {
        return Joined(Lines(GenererTotaux(settings, debut, kToday, serveur, detail)));
    };
    EXPECT_EXPECTED("Totaux-jour.txt", totaux(kToday, 0, false));
    EXPECT_EXPECTED("Totaux-Paul.txt", totaux(kToday, 1, false));
    EXPECT_EXPECTED("Totaux-Paul.txt", totaux(kToday, 1, true));
    settings.today = {2026, 12, 6};
    EXPECT_EXPECTED("Totaux-periode.txt", totaux({2026, 12, 1}, 0, false));
}

TEST_F(Totaux, WaiterNamesCompareExactlyAndInTheFilesCodePage) {
    settings.serveurs = {"Tous", "Zoé", "paul"};
    WriteJournal({"05.12.2026;9:00:00;Zo\xE9;10;0;Esp;0;0", "05.12.2026;9:00:00;Paul;20;0;Esp;0;0",
                  "05.12.2026;9:00:00;Zo\xE9 ;40;0;Esp;0;0"});
    EXPECT_TRUE(
        Has(Lines(RapportTotaux(settings, kToday, kToday, 1)), "Espèces            €    10.00"));
    EXPECT_TRUE(
        Has(Lines(RapportTotaux(settings, kToday, kToday, 2)), "Espèces            €     0.00"));
}

TEST_F(Totaux, AmountsAreCutToTwoDecimalsNotRounded) {
    WriteJournal({"05.12.2026;9:00:00;Paul;12.345;0;Cart;1;1.2345",
                  "05.12.2026;9:00:00;Paul;0.999;0;Esp;2;0.0549"});
    EXPECT_EXPECTED("Totaux-coupes.txt", Joined(Lines(RapportTotaux(settings, kToday, kToday, 0))));
}

// 10,000 cash sales of 0.03 add up to 299.9999999999689 as doubles, which a
// report that cuts would show as 299.99.
TEST_F(Totaux, LongSumsDoNotLoseACent) {
    WriteJournal(Lignes(10000, "05.12.2026;9:00:00;Paul;0.03;0;Esp;0;0"));
    const Lignes lines = Lines(RapportTotaux(settings, kToday, kToday, 0));
    EXPECT_TRUE(Has(lines, "Espèces            €   300.00"));
    EXPECT_TRUE(Has(lines, "Total Boissons chaudes   300.00"));
}

TEST_F(Totaux, CategoryAndVatFieldsOutsideTheirRangesCountNowhere) {
    WriteJournal({
        "05.12.2026;9:00:00;Paul;1;x;Esp;1;0.1", "05.12.2026;9:00:00;Paul;2;9;Esp;3;0.2",
        "05.12.2026;9:00:00;Paul;4;10;Esp;a;0.4",
        "05.12.2026;9:00:00;Paul;8;8;Esp;2;0.8",  // slot 8 exists but is not printed
        "05.12.2026;9:00:00;Paul;16; 7 ;Esp; 2 ;1.6",
        "05.12.2026;9:00:00;Paul;32;3;Autre;1;3.2",  // an unknown kind: category and VAT only
    });
    EXPECT_EXPECTED("Totaux-hors-limites.txt",
                    Joined(Lines(RapportTotaux(settings, kToday, kToday, 0))));
}

// Prices include VAT: each record's field 8 was written as amount × rate / 100,
// and the VAT lines show what the amounts include, amount × rate / (100 +
// rate), which is field 8 × field 4 / (field 4 + field 8), rounded to cents.
TEST_F(Totaux, TheVatLinesShowTheVatTheTakingsInclude) {
    struct Row {
        const char* what;
        Lignes records;
        const char* tva10;
        const char* tva55;
        long unreadable;
    };
    const Row rows[] = {
        {"10.00 at 10 % holds 0.91, not 1.00",
         {"05.12.2026;9:00:00;Paul;10;0;Esp;1;1"},
         "0.91",
         "0.00",
         0},
        {"a split payment of 15.00 at 5.5 %",
         {"05.12.2026;9:00:00;Paul;4.2;0;Esp;2;0.231", "05.12.2026;9:00:00;Paul;2.8;0;Cart;2;0.154",
          "05.12.2026;9:00:00;Paul;4.8;5;Esp;2;0.264",
          "05.12.2026;9:00:00;Paul;3.2;5;Cart;2;0.176"},
         "0.00",
         "0.78",
         0},
        {"a card share of 0 holds 0",
         {"05.12.2026;9:00:00;Paul;10;0;Esp;1;1", "05.12.2026;9:00:00;Paul;0;0;Cart;1;0"},
         "0.91",
         "0.00",
         0},
        {"a refund holds its VAT back",
         {"05.12.2026;9:00:00;Paul;20;0;Esp;1;2", "05.12.2026;9:00:00;Paul;-10;0;Esp;1;-1"},
         "0.91",
         "0.00",
         0},
        {"half a cent is rounded away from zero",
         {"05.12.2026;9:00:00;Paul;0.03;0;Esp;1;0.006"},
         "0.01",
         "0.00",
         0},
        {"each record at its own rate (10 %, then 8 %)",
         {"05.12.2026;9:00:00;Paul;10;0;Esp;1;1", "05.12.2026;9:00:00;Paul;10;0;Esp;1;0.8"},
         "1.65",
         "0.00",
         0},
        {"an amount and a VAT that cancel out hold no rate",
         {"05.12.2026;9:00:00;Paul;10;0;Esp;1;-10", "05.12.2026;9:00:00;Paul;22;0;Esp;2;1.21"},
         "0.00",
         "1.15",
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WriteJournal(row.records);
        const Report report = RapportTotaux(settings, kToday, kToday, 0);
        const Lignes lines = Lines(report);
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "TVA à 10%          €     " + std::string(row.tva10));
        EXPECT_EQ(lines.back(), "TVA à 5.5%         €     " + std::string(row.tva55));
        EXPECT_EQ(report.unreadable, row.unreadable);
    }
}

TEST_F(Totaux, AnEmptyJournalGivesAReportOfZerosAndNoJournalNoReport) {
    WriteJournal({});
    EXPECT_EXPECTED("Totaux-vide.txt", Joined(Lines(RapportTotaux(settings, kToday, kToday, 0))));
    std::filesystem::remove(settings.journal);
    for (const Report& report : {GenererTotaux(settings, kToday, kToday, 0, false),
                                 GenererTotaux(settings, kToday, kToday, 0, true),
                                 GenererTotaux(settings, kToday, kToday, 1, false)}) {
        EXPECT_TRUE(report.noJournal);
        EXPECT_TRUE(report.lines.empty());
    }
    EXPECT_FALSE(SoldeVantor(settings.journal).has_value());
}

}  // namespace
}  // namespace vantor::test
