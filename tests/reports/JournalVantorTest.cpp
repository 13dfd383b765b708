// The cash journal and the accounting summary: exact lines.
#include <filesystem>

#include "ReportFixture.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;
using Journaux = ReportTest;

const Date kDebut{2026, 12, 1};

// Before the period: 100 in cash and an entry of 50. In the period: sales,
// and movements with every kind of label: none, blanks, 16 letters cut to
// 14, an account "12" that starts with 1, an unknown account 7 and "x".
const Lignes kMouvements = {
    "30.11.2026;9:00:00;Paul;100;0;Esp;1;10",
    "30.11.2026;0:00:00;Fond de caisse;50;10;Sort;0;0",
    "01.12.2026;9:00:00;Paul;80;0;Esp;1;8",
    "01.12.2026;9:00:00;Paul;45.5;0;Cart;1;4.55",
    "01.12.2026;0:00:00;Banque;-20;10;Sort;0;0",
    "02.12.2026;0:00:00;;25;10;Sort;2;0",
    "02.12.2026;0:00:00;   R\xE9parationsvitre;-25;10;Sort;1;0",
    "03.12.2026;0:00:00;;0;10;Sort;12;0",
    "03.12.2026;0:00:00;  ;-7.5;10;Sort;7;0",
    "04.12.2026;0:00:00;Monnaie;3.456;10;Sort;x;0",
    "06.12.2026;0:00:00;Banque;-1000;10;Sort;0;0",
};

TEST_F(Journaux, CashJournalAndSummaryOfThePeriod) {
    WriteJournal(kMouvements);
    EXPECT_EXPECTED("Journal.txt", Joined(Lines(JournalVantor(settings, false, kDebut, kToday))));
    EXPECT_EXPECTED("Resume.txt", Joined(Lines(JournalVantor(settings, true, kDebut, kToday))));
}

TEST_F(Journaux, APeriodWithoutMovementsStillShowsEveryAccount) {
    WriteJournal(kMouvements);
    const Date past{2026, 11, 30};
    const Date stillPast{2026, 11, 29};
    EXPECT_EXPECTED("Journal-vide.txt",
                    Joined(Lines(JournalVantor(settings, false, stillPast, stillPast))));
    EXPECT_EXPECTED("Resume-vide.txt",
                    Joined(Lines(JournalVantor(settings, true, stillPast, stillPast))));
    EXPECT_EQ(Lines(JournalVantor(settings, true, past, past))[8],
              "Banque                         50.00");
    std::filesystem::remove(settings.journal);
    EXPECT_TRUE(JournalVantor(settings, false, kDebut, kToday).noJournal);
    EXPECT_TRUE(JournalVantor(settings, true, kDebut, kToday).noJournal);
}

}  // namespace
}  // namespace vantor::test
