// The totals report for all waiters or one waiter: exact lines for the
// cases its rules single out.
#include <algorithm>

#include "ReportFixture.h"

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

const Lignes kCategoriesDuJour = {
    "----------------------------------", "Totaux par Catégories",
    "----------------------------------", "Total Boissons chaudes    60.00",
    "Total Boissons fraîche     0.00",    "Total Alcools              0.00",
    "Total Vins                 0.00",    "Total Entrées              0.00",
    "Total Plats               70.00",    "Total Desserts             0.00",
    "Total                      0.00",
};

Lignes Concat(std::initializer_list<Lignes> parts) {
    Lignes all;
    for (const Lignes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

bool Has(const Lignes& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST_F(Totaux, TodayForAllWaitersShowsTheDrawerBlock) {
    WriteJournal(kJournee);
    const Lignes expected = Concat({
        {
            "Totaux journalier du 05.12.2026",
            "----------------------------------",
            "Cartes             €    30.00",
            "Espèces            €   100.00",
            "----------------------------------",
            "Total journalier   €   130.00",
            "----------------------------------",
            "Mouvement de vantor :",
            "Solde initial      €    70.00",
            "Vente espèces      €   100.00",
            "Entrée/sortie vant €   -20.00",
            "Evolution vantor   €    80.00",
            "----------------------------------",
            "Solde vantor       €   150.00",
            "",
        },
        kCategoriesDuJour,
        {
            "----------------------------------",
            "Total              €   130.00",
            "----------------------------------",
            "TVA à 10%          €     6.00",
            "TVA à 5.5%         €     3.85",
        },
    });
    EXPECT_EQ(Lines(GenererTotaux(settings, kToday, kToday, 0, false)), expected);
}

TEST_F(Totaux, APeriodEndingYesterdayHasNoDrawerBlock) {
    WriteJournal(kJournee);
    settings.today = {2026, 12, 6};
    const Lignes lines = Lines(GenererTotaux(settings, {2026, 12, 1}, kToday, 0, false));
    const Lignes head = {
        "Totaux du 01.12.2026 au 05.12.2026", "----------------------------------",
        "Cartes             €    30.00",      "Espèces            €   170.00",
        "----------------------------------", "Total période      €   200.00",
        "----------------------------------", "",
        "----------------------------------", "Totaux par Catégories",
    };
    ASSERT_GE(lines.size(), head.size());
    EXPECT_EQ(Lignes(lines.begin(), lines.begin() + static_cast<long>(head.size())), head);
    EXPECT_TRUE(Has(lines, "Total Boissons chaudes   130.00"));
    EXPECT_TRUE(Has(lines, "TVA à 10%          €    13.00"));
}

TEST_F(Totaux, OneWaiterHasNoDrawerBlockAndIgnoresTheDetailBox) {
    WriteJournal(kJournee);
    const Lignes expected = Concat({
        {
            "Totaux journalier du 05.12.2026",
            "Serveur : Paul",
            "----------------------------------",
            "Cartes             €    30.00",
            "Espèces            €    60.00",
            "----------------------------------",
            "Total journalier   €    90.00",
            "----------------------------------",
            "",
            "----------------------------------",
            "Totaux par Catégories",
            "----------------------------------",
            "Total Boissons chaudes    60.00",
            "Total Boissons fraîche     0.00",
            "Total Alcools              0.00",
            "Total Vins                 0.00",
            "Total Entrées              0.00",
            "Total Plats               30.00",
            "Total Desserts             0.00",
            "Total                      0.00",
            "----------------------------------",
            "Total              €    90.00",
            "----------------------------------",
            "TVA à 10%          €     6.00",
            "TVA à 5.5%         €     1.65",
        },
    });
    EXPECT_EQ(Lines(GenererTotaux(settings, kToday, kToday, 1, false)), expected);
    EXPECT_EQ(Lines(GenererTotaux(settings, kToday, kToday, 1, true)), expected);
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
    const Lignes lines = Lines(RapportTotaux(settings, kToday, kToday, 0));
    EXPECT_TRUE(Has(lines, "Cartes             €    12.34"));
    EXPECT_TRUE(Has(lines, "Espèces            €     0.99"));
    EXPECT_TRUE(Has(lines, "Total journalier   €    13.34"));
    EXPECT_TRUE(Has(lines, "TVA à 10%          €     1.23"));
    EXPECT_TRUE(Has(lines, "TVA à 5.5%         €     0.05"));
}

// 10,000 cash sales of 0.03 add up to 299.9999999999689 as doubles, which a
// report that cuts would show as 299.99.
TEST_F(Totaux, LongSumsDoNotLoseACent) {
    Lignes records(10000, "05.12.2026;9:00:00;Paul;0.03;0;Esp;0;0");
    WriteJournal(records);
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
    const Lignes lines = Lines(RapportTotaux(settings, kToday, kToday, 0));
    EXPECT_TRUE(Has(lines, "Espèces            €    31.00"));
    EXPECT_TRUE(Has(lines, "Total Vins                32.00"));
    EXPECT_TRUE(Has(lines, "Total                     16.00"));
    EXPECT_TRUE(Has(lines, "TVA à 10%          €     3.30"));
    EXPECT_TRUE(Has(lines, "TVA à 5.5%         €     2.40"));
}

TEST_F(Totaux, AnEmptyJournalGivesAReportOfZeros) {
    WriteJournal({});
    const Lignes lines = Lines(RapportTotaux(settings, kToday, kToday, 0));
    EXPECT_EQ(lines.size(), 31u);
    EXPECT_TRUE(Has(lines, "Solde vantor       €     0.00"));
    EXPECT_EQ(lines.back(), "TVA à 5.5%         €     0.00");
}

TEST_F(Totaux, NoJournalGivesNoReport) {
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
