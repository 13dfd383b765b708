// The totals report waiter by waiter, and the turnover table that shares the
// takings of a team entry among its members.
#include <algorithm>

#include "ReportFixture.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;

class Serveurs : public ReportTest {
protected:
    Serveurs() { settings.serveurs = {"Tous", "Paul", "Marie+Luc"}; }

    Lignes Detail() { return Lines(GenererTotaux(settings, kToday, kToday, 0, true)); }
};

// Paul takes 60, the team Marie+Luc 40; a record of an unknown waiter and an
// unknown kind takes 5.5 in VAT only (the VAT included in 105.5 at 5.5 %),
// under an empty name.
const Lignes kEquipe = {
    "05.12.2026;9:00:00;Paul;50;0;Esp;1;5",
    "05.12.2026;9:00:00;Paul;10;0;Cart;1;1",
    "05.12.2026;9:30:00;Marie+Luc;40;5;Esp;2;2.2",
    "05.12.2026;10:00:00;Inconnu;105.5;x;Autre;2;5.8025",
    "05.12.2026;0:00:00;;-5;10;Sort;0;0",
};

// Before today: the blocks per waiter and the grand totals only. Today adds
// the drawer, the categories and the team table, in quarters in training.
TEST_F(Serveurs, BlocksPerWaiterThenTodaysDrawerCategoriesAndTeamTable) {
    WriteJournal(kEquipe);
    EXPECT_EXPECTED("Serveurs-jour.txt", Joined(Detail()));
    settings.formation = true;
    const Lignes formation = Detail();
    EXPECT_EXPECTED("Serveurs-formation.txt", Joined(Lignes(formation.end() - 8, formation.end())));
    settings.today = {2026, 12, 6};
    EXPECT_EXPECTED("Serveurs-veille.txt", Joined(Detail()));
}

TEST_F(Serveurs, WithoutATeamEntryThereIsNoTable) {
    settings.serveurs = {"Tous", "Paul", "Marie"};
    WriteJournal(
        {"05.12.2026;9:00:00;Paul;50;0;Esp;1;5", "05.12.2026;9:30:00;Marie;40;5;Esp;2;2.2"});
    EXPECT_EQ(Detail().back(), "Total                      0.00");
}

TEST_F(Serveurs, UnknownWaitersGatherUnderTheEmptyNameFirst) {
    WriteJournal({"05.12.2026;9:00:00;Paul;50;0;Esp;1;5", "05.12.2026;9:00:00;Zoe;7;0;Esp;1;0",
                  "05.12.2026;9:00:00;Max;3;0;Cart;1;0",
                  "05.12.2026;9:30:00;Luc+Marie;30;5;Esp;2;2.2",
                  "05.12.2026;9:30:00;Marie+Luc;40;5;Esp;2;2.2"});
    // Zoe, Max and the unknown team Luc+Marie first, under the empty name.
    const Lignes lines = Detail();
    EXPECT_EXPECTED("Serveurs-inconnus.txt", Joined(Lignes(lines.end() - 6, lines.end())));
}

TEST_F(Serveurs, SlotTousIsNeverShownNorAddedUp) {
    WriteJournal({"05.12.2026;9:00:00;Tous;50;0;Esp;1;5", "05.12.2026;9:00:00;Paul;7;0;Esp;1;0"});
    settings.today = {2026, 12, 6};
    const Lignes lines = Detail();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Serveur : Tous"), 0);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Totaux             €     7.00"), lines.end());
}

TEST(CAParServeur, TeamMembersAreTrimmedAndMergedByName) {
    const std::vector<std::string> lines = CAParServeur(
        {"Tous", "Paul", " Paul + Eva ", "Eva", ""}, {0, 10, 30, 0, 0}, {0, 0, 10, 4.5, 0}, false);
    EXPECT_EXPECTED("Serveurs-equipe.txt", Joined(lines));
    EXPECT_TRUE(CAParServeur({"Tous", "Paul", ""}, {0, 10, 0}, {0, 0, 0}, false).empty());
}

}  // namespace
}  // namespace vantor::test
