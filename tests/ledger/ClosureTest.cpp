// Closures through the real program: the past days are closed at the next
// start with the totals the totals report gives, months and years follow, a
// closed day refuses sales, and "Clôture du jour" prints the Z report.
#include <gtest/gtest.h>

#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Rates 10 and 5.5; the sales are on the premises (VAT code 1).
const std::string kInfos = "Bar\r\n\r\n\r\n\r\n\r\n10\r\n5.5\r\n\r\n\r\n1\r\n";
// A coffee (3.50, category 0) and a dish of 8.00 (category 5).
const std::string kTicket =
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n";
const std::string kDay =
    "clock 05.12.2026 12:00:00\n" + kTicket + "click cmdPrint 0\nanswer no\n" + kTicket +
    "click cmdPrint 1\nanswer no\n" + kTicket +
    "click cmdPrint 2\nanswer no\ntype txtEsp \"5.75\"\nclick cmdComplete\nclick cmdOK\n";

class Closures : public ::testing::Test {
protected:
    void SetUp() override { WriteRaw(data_ / "Infos.txt", kInfos); }
    TillRun Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err << run.out;
        return run;
    }
    std::vector<std::string> ClosureLines() {
        return FileExists(data_ / kClosureFile) ? ReadLines(data_ / kClosureFile)
                                                : std::vector<std::string>{};
    }
    TempDir data_;
};

TEST_F(Closures, PastDaysMonthsAndYearsAreClosedWithTheTotalsOfTheReportAndRefuseSales) {
    Run(kDay);
    EXPECT_TRUE(ClosureLines().empty());
    // The next day has a cash movement and no sale: the month still ends at ticket 3.
    Run("clock 06.12.2026 10:00:00\nclick optPrint 2\nchoose cmbVantor 1\ntype txtVantor \"20\"\n"
        "choose cmbCatCompt 2\ntype txtTexteVantor \"Banque\"\nclick cmdVantor\n");
    Run("clock 02.01.2027 09:00:00\nshow NumTicket\n");
    const std::string sales = ";3;1;3;17.25;17.25;";
    EXPECT_EQ(
        ClosureLines(),
        (std::vector<std::string>{
            "Jour;05.12.2026;05.12.2026" + sales + "0;3.45;0;34.5;34.5;34.5;06.12.2026;10:00:00",
            "Jour;06.12.2026;06.12.2026;0;0;0;0;0;20;0;0;0;34.5;34.5;02.01.2027;9:00:00",
            "Mois;05.12.2026;06.12.2026" + sales + "20;3.45;0;34.5;34.5;34.5;02.01.2027;9:00:00",
            "Année;05.12.2026;06.12.2026" + sales +
                "20;3.45;0;34.5;34.5;34.5;02.01.2027;9:00:00"}));
    const TillRun report =
        RunVantor({"report", "totaux", "--du", "05.12.2026", "--au", "05.12.2026", "--today",
                   "06.12.2026", "--data-dir", data_.Path()},
                  "");
    for (const char* line : {"Cartes             €    17.25\n", "Espèces            €    17.25\n",
                             "Total journalier   €    34.50\n", "TVA à 10%          €     3.45\n",
                             "TVA à 5.5%         €     0.00\n"}) {
        EXPECT_NE(report.out.find(line), std::string::npos) << line << report.out;
    }
    EXPECT_EQ(RunVantor({"verify", "--data-dir", data_.Path()}, "").out,
              "Journal intact : 9 enregistrements, 4 clôtures\n");

    const std::string journal = Slurp(data_ / kJournalFile);
    const TillRun back =
        Run("clock 05.12.2026 18:00:00\n" + kTicket + "click cmdPrint 0\nanswer ok\n");
    EXPECT_NE(back.out.find("msgbox critical ok \"Vantor\" \"Vente refusée : la journée du "
                            "05.12.2026 est clôturée. Vérifiez la date et l'heure de "
                            "l'ordinateur.\""),
              std::string::npos)
        << back.out;
    EXPECT_EQ(Slurp(data_ / kJournalFile), journal);
}

TEST_F(Closures, ClotureDuJourPrintsTheZReportAndClosesToday) {
    const TillRun run = Run(kDay + "click optPrint 2\nclick cmdCloture\nanswer yes\n" +
                            "click optPrint 0\n" + kTicket + "click cmdPrint 0\nanswer ok\n");
    EXPECT_NE(run.out.find("Rapport Z : clôture du 05.12.2026"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Ventes : 3 (tickets 1 à 3)"), std::string::npos);
    EXPECT_NE(run.out.find("\"Vente refusée : la journée du 05.12.2026 est clôturée."),
              std::string::npos);
    ASSERT_EQ(ClosureLines().size(), 1u);
    EXPECT_TRUE(ClosureLines()[0].starts_with("Jour;05.12.2026;05.12.2026;3;1;3;"));
}

}  // namespace
}  // namespace vantor::test
