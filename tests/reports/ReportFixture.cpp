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

void ReportTest::WriteJournal(const std::vector<std::string>& records) {
    std::string bytes;
    for (const std::string& record : records) {
        bytes += record + "\r\n";
    }
    WriteRaw(settings.journal, bytes);
}

std::vector<std::string> Lines(const Report& report) {
    EXPECT_FALSE(report.noJournal);
    return report.lines;
}

}  // namespace vantor::test
