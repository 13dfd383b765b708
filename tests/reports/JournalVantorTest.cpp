// The cash journal and the accounting summary: exact lines.
#include "ReportFixture.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;
using Journaux = ReportTest;

const Date kDebut{2026, 12, 1};

// Before the period: 100 in cash and an entry of 50. In the period: sales,
// and movements with every kind of label.
const Lignes kMouvements = {
    "30.11.2026;9:00:00;Paul;100;0;Esp;1;10",
    "30.11.2026;0:00:00;Fond de caisse;50;10;Sort;0;0",
    "01.12.2026;9:00:00;Paul;80;0;Esp;1;8",
    "01.12.2026;9:00:00;Paul;45.5;0;Cart;1;4.55",
    "01.12.2026;0:00:00;Banque;-20;10;Sort;0;0",
    "02.12.2026;0:00:00;;25;10;Sort;2;0",
    "02.12.2026;0:00:00;   R\xE9parationsvitre;-25;10;Sort;1;0",  // 16 letters
    "03.12.2026;0:00:00;;0;10;Sort;12;0",
    "03.12.2026;0:00:00;  ;-7.5;10;Sort;7;0",
    "04.12.2026;0:00:00;Monnaie;3.456;10;Sort;x;0",
    "06.12.2026;0:00:00;Banque;-1000;10;Sort;0;0",
};

TEST_F(Journaux, CashJournalListsEveryMovementOfThePeriod) {
    WriteJournal(kMouvements);
    const Lignes expected = {
        "-----------------------------------", "Entrées / Sorties de vantor",
        "période du 01.12.2026 au 05.12.2026", "-----------------------------------",
        "01.12.2026  Banque          -20.00",  "02.12.2026  Entrée Vantor    25.00",
        "02.12.2026  Réparations     -25.00",  // cut to 14, then stripped
        "03.12.2026  Sortie Vantor     0.00",  "03.12.2026  Sortie Vantor    -7.50",
        "04.12.2026  Monnaie           3.45",  "-----------------------------------",
        "   Envantorment espèces :    80.00",  "-----------------------------------",
        "   Mouvement vantor :        55.95",  "   Solde vantor :          -794.04",
        "-----------------------------------",
    };
    EXPECT_EQ(Lines(JournalVantor(settings, false, kDebut, kToday)), expected);
}

TEST_F(Journaux, SummaryAddsMovementsPerAccountDigit) {
    WriteJournal(kMouvements);
    const Lignes expected = {
        "-----------------------------------",  "Résumé comptable",
        "période du 01.12.2026 au 05.12.2026",  "-----------------------------------",
        "   Envantorment espèces :    80.00",   "   Envantorment cartes :     45.50",
        "Total chiffre d'affaires :  125.50",   "-----------------------------------",
        "Banque                        -20.00",
        "Fournisseurs                  -25.00",  // "1" and "12" both start with 1
        "Divers                         25.00",
        "Total                         -20.00",  // account 7 and "x" are left out
        "-----------------------------------",  "Résultat                      105.50",
        "-----------------------------------",
    };
    EXPECT_EQ(Lines(JournalVantor(settings, true, kDebut, kToday)), expected);
}

TEST_F(Journaux, APeriodWithoutMovementsStillShowsEveryAccount) {
    WriteJournal(kMouvements);
    const Date past{2026, 11, 30};
    const Date stillPast{2026, 11, 29};
    const Lignes journal = Lines(JournalVantor(settings, false, stillPast, stillPast));
    EXPECT_EQ(journal, (Lignes{
                           "-----------------------------------",
                           "Entrées / Sorties de vantor",
                           "période du 29.11.2026 au 29.11.2026",
                           "-----------------------------------",
                           "-----------------------------------",
                           "   Envantorment espèces :     0.00",
                           "-----------------------------------",
                           "   Mouvement vantor :         0.00",
                           "   Solde vantor :          -794.04",
                           "-----------------------------------",
                       }));
    const Lignes resume = Lines(JournalVantor(settings, true, stillPast, stillPast));
    EXPECT_EQ(
        Lignes(resume.begin() + 8, resume.begin() + 12),
        (Lignes{"Banque                          0.00", "Fournisseurs                    0.00",
                "Divers                          0.00", "Total                           0.00"}));
    EXPECT_EQ(Lines(JournalVantor(settings, true, past, past))[8],
              "Banque                         50.00");
}

TEST_F(Journaux, NoJournalGivesNoReport) {
    EXPECT_TRUE(JournalVantor(settings, false, kDebut, kToday).noJournal);
    EXPECT_TRUE(JournalVantor(settings, true, kDebut, kToday).noJournal);
}

}  // namespace
}  // namespace vantor::test
