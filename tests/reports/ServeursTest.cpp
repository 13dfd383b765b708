// The totals report waiter by waiter, and the turnover table that shares the
// takings of a team entry among its members.
#include <algorithm>

#include "ReportFixture.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

class Serveurs : public ReportTest {
protected:
    Serveurs() { settings.serveurs = {"Tous", "Paul", "Marie+Luc"}; }

    Lignes Detail(const Date& debut, const Date& fin) {
        return Lines(GenererTotaux(settings, debut, fin, 0, true));
    }
};

// The lines from the first one equal to `from` to the end.
Lignes From(const Lignes& lines, const std::string& from) {
    auto start = std::find(lines.begin(), lines.end(), from);
    EXPECT_NE(start, lines.end()) << from;
    return Lignes(start, lines.end());
}

// Paul takes 60, the team Marie+Luc 40; a record of an unknown waiter takes
// 5.5 in VAT only.
const Lignes kEquipe = {
    "05.12.2026;9:00:00;Paul;50;0;Esp;1;5",        "05.12.2026;9:00:00;Paul;10;0;Cart;1;1",
    "05.12.2026;9:30:00;Marie+Luc;40;5;Esp;2;2.2", "05.12.2026;10:00:00;Inconnu;0;5;Cart;2;5.5",
    "05.12.2026;0:00:00;;-5;10;Sort;0;0",
};

TEST_F(Serveurs, BlocksPerWaiterThenGrandTotals) {
    WriteJournal(kEquipe);
    settings.today = {2026, 12, 6};
    const Lignes expected = {
        "Totaux journalier du 05.12.2026",
        "----------------------------------",
        "",
        "Serveur : Paul",
        "----------------------------------",
        "Espèces            €    50.00",
        "Cartes             €    10.00",
        "----------------------------------",
        "Total Paul         €    60.00",
        "TVA à 10%          €     6.00",
        "TVA à 5.5%         €     0.00",
        "----------------------------------",
        "",
        "",
        "Serveur : Marie+Luc",
        "----------------------------------",
        "Espèces            €    40.00",
        "Cartes             €     0.00",
        "----------------------------------",
        "Total Marie+Luc    €    40.00",
        "TVA à 10%          €     0.00",
        "TVA à 5.5%         €     2.20",
        "----------------------------------",
        "",
        // A waiter in no entry, under an empty name: no takings, but VAT.
        "",
        "Serveur : ",
        "----------------------------------",
        "Espèces            €     0.00",
        "Cartes             €     0.00",
        "----------------------------------",
        "Total              €     0.00",
        "TVA à 10%          €     0.00",
        "TVA à 5.5%         €     5.50",
        "----------------------------------",
        "",
        "",
        "Totaux :",
        "----------------------------------",
        "Cartes             €    10.00",
        "Espèces            €    90.00",
        "----------------------------------",
        "Totaux             €   100.00",
        "TVA à 10%          €     6.00",
        "TVA à 5.5%         €     7.70",
        "----------------------------------",
    };
    // The period ends before today: no drawer, categories nor turnover table.
    EXPECT_EQ(Detail(kToday, kToday), expected);
}

TEST_F(Serveurs, TodayAddsDrawerCategoriesAndTheTeamTable) {
    WriteJournal(kEquipe);
    const Lignes expected = {
        "Totaux :",
        "----------------------------------",
        "Cartes             €    10.00",
        "Espèces            €    90.00",
        "----------------------------------",
        "Totaux             €   100.00",
        "TVA à 10%          €     6.00",
        "TVA à 5.5%         €     7.70",
        "----------------------------------",
        "Mouvement de vantor :",
        "Solde initial      €     0.00",
        "Vente espèces      €    90.00",
        "Entrée/sortie vant €    -5.00",
        "Evolution vantor   €    85.00",
        "----------------------------------",
        "Solde vantor       €    85.00",
        "----------------------------------",
        "",
        "Totaux par Catégories",
        "----------------------------------",
        "Total Boissons chaudes    60.00",
        "Total Boissons fraîche     0.00",
        "Total Alcools              0.00",
        "Total Vins                 0.00",
        "Total Entrées              0.00",
        "Total Plats               40.00",
        "Total Desserts             0.00",
        "Total                      0.00",
        "",
        "----------------------------------",
        "Chiffre d'affaire par serveur",
        "----------------------------------",
        "",
        "Paul                 60.00",
        "Marie                20.00",
        "Luc                  20.00",
        "----------------------------------",
        "Total               100.00",
    };
    EXPECT_EQ(From(Detail(kToday, kToday), "Totaux :"), expected);
}

TEST_F(Serveurs, TrainingModeShowsTheQuarters) {
    WriteJournal(kEquipe);
    settings.formation = true;
    const Lignes expected = {
        "Chiffre d'affaire par serveur (25%)",
        "----------------------------------",
        "",
        "Paul                 60.00 ( 15.00)",
        "Marie                20.00 (  5.00)",
        "Luc                  20.00 (  5.00)",
        "----------------------------------",
        "Total               100.00 ( 25.00)",
    };
    EXPECT_EQ(From(Detail(kToday, kToday), "Chiffre d'affaire par serveur (25%)"), expected);
}

TEST_F(Serveurs, WithoutATeamEntryThereIsNoTable) {
    settings.serveurs = {"Tous", "Paul", "Marie"};
    WriteJournal(
        {"05.12.2026;9:00:00;Paul;50;0;Esp;1;5", "05.12.2026;9:30:00;Marie;40;5;Esp;2;2.2"});
    const Lignes lines = Detail(kToday, kToday);
    EXPECT_EQ(lines.back(), "Total                      0.00");
}

TEST_F(Serveurs, UnknownWaitersGatherUnderTheEmptyNameFirst) {
    WriteJournal({"05.12.2026;9:00:00;Paul;50;0;Esp;1;5", "05.12.2026;9:00:00;Zoe;7;0;Esp;1;0",
                  "05.12.2026;9:00:00;Max;3;0;Cart;1;0",
                  "05.12.2026;9:30:00;Luc+Marie;30;5;Esp;2;2.2",
                  "05.12.2026;9:30:00;Marie+Luc;40;5;Esp;2;2.2"});
    const Lignes expected = {
        "                     40.00",  // Zoe, Max and the unknown team Luc+Marie
        "Paul                 50.00", "Marie                20.00",
        "Luc                  20.00", "----------------------------------",
        "Total               130.00",
    };
    const Lignes lines = Detail(kToday, kToday);
    EXPECT_EQ(Lignes(lines.end() - 6, lines.end()), expected);
}

TEST_F(Serveurs, SlotTousIsNeverShownNorAddedUp) {
    WriteJournal({"05.12.2026;9:00:00;Tous;50;0;Esp;1;5", "05.12.2026;9:00:00;Paul;7;0;Esp;1;0"});
    settings.today = {2026, 12, 6};
    const Lignes lines = Detail(kToday, kToday);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Serveur : Tous"), 0);
    EXPECT_EQ(From(lines, "Totaux :")[5], "Totaux             €     7.00");
}

TEST(CAParServeur, TeamMembersAreTrimmedAndMergedByName) {
    const std::vector<std::string> lines = CAParServeur(
        {"Tous", "Paul", " Paul + Eva ", "Eva", ""}, {0, 10, 30, 0, 0}, {0, 0, 10, 4.5, 0}, false);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Paul                 30.00",
                         "Eva                  24.50",
                         "----------------------------------",
                         "Total                54.50",
                     }));
    EXPECT_TRUE(CAParServeur({"Tous", "Paul", ""}, {0, 10, 0}, {0, 0, 0}, false).empty());
}

}  // namespace
}  // namespace vantor::test
