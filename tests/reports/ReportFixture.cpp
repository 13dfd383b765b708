#include "ReportFixture.h"

namespace vantor::test {

ReportTest::ReportTest() {
    settings.journal = folder / "tickets.csv";
    settings.monnaie = "€";
    settings.taux1 = "10";
    settings.taux2 = "5.5";
    settings.categories = {"Boissons chaudes", "Boissons fraîches",
                           "Alcools",          "Vins",
                           "Entrées",          "Plats",
                           "Desserts",         ""};
    settings.serveurs = {"Tous", "Paul", "Marie"};
    settings.comptes = {"Banque", "Fournisseurs", "Divers"};
    settings.today = kToday;
}

std::vector<std::string> Lines(const Report& report) {
    EXPECT_FALSE(report.noJournal);
    return report.lines;
}

}  // namespace vantor::test
