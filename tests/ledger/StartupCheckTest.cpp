// The chain through the real program: the start-up settles an interrupted
// sale and tells which one, a failed check is told and logged while selling
// goes on, and `vantor verify` reports and exits as documented.
#include <gtest/gtest.h>

#include "data/TextFile.h"
#include "ledger/Ledger.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kSale =
    "clock 05.12.2026 12:04:09\n"
    "click Command1 2\nclick Command1 66\nanswer \"8\"\nanswer \"Croque\"\n"
    "click cmdPrint 0\nanswer no\n";
const std::string kRecords =
    "05.12.2026;12:04:09;Nom;3.5;0;Esp;;0\r\n05.12.2026;12:04:09;Nom;8;5;Esp;;0\r\n";

class StartupCheck : public ::testing::Test {
protected:
    TillRun Run(const std::string& script) {
        TillRun run = RunScript(data_.Path(), script);
        EXPECT_EQ(run.status, 0) << run.err << run.out;
        return run;
    }
    std::string File(const std::string& name) const { return Slurp(data_ / name); }
    TempDir data_;
};

TEST_F(StartupCheck, InterruptedSaleIsCutBackKeptAndTold) {
    Run(kSale);
    ASSERT_EQ(File(kJournalFile), kRecords);
    // Sale 2 killed while its records were being written.
    AppendChained(data_.Path(), kJournalFile, EntryKind::Sale, 2,
                  {"05.12.2026;12:05:00;Nom;3.5;0;Esp;;0", "05.12.2026;12:05:00;Nom;8;5;Esp;;0"});
    WriteRaw(data_ / kJournalFile, kRecords + "05.12.2026;12:05:00;Nom;3.5;0;Esp;;0\r\n05.1");

    TillRun run = Run(kSale);
    EXPECT_NE(run.out.find("msgbox exclamation ok \"Vantor pour Windows\" \"La vente n° 2 n'a "
                           "pas été enregistrée : Vantor a été arrêté pendant son écriture. Ce "
                           "qui en avait été écrit est conservé dans tickets.recup.\""),
              std::string::npos)
        << run.out;
    EXPECT_EQ(File(kJournalFile), kRecords + kRecords);
    EXPECT_EQ(File(kRecoveryFile),
              "Octets retir\xE9s de tickets.csv \xE0 partir de l'octet 74 :\r\n"
              "05.12.2026;12:05:00;Nom;3.5;0;Esp;;0\r\n05.1\r\n");
    EXPECT_NE(File(kEventFile)
                  .find(";\xC9"
                        "criture interrompue;la vente n\xB0 2, 42 octets "
                        "retir\xE9s de tickets.csv\r\n"),
              std::string::npos)
        << File(kEventFile);
    EXPECT_EQ(RunVantor({"verify", "--data-dir", data_.Path()}, "").out,
              "Journal intact : 4 enregistrements, 0 clôtures\n");
}

TEST_F(StartupCheck, FailedCheckIsToldAndLoggedAndSellingGoesOn) {
    Run(kSale);
    const std::string altered =
        "05.12.2026;12:04:09;Nom;0.5;0;Esp;;0\r\n" + kRecords.substr(kRecords.find("\r\n") + 2);
    WriteRaw(data_ / kJournalFile, altered);
    TillRun run = Run(kSale);
    const std::string problem =
        "ligne 1 de tickets.csv : ne correspond plus à l'entrée 2 de tickets.chain (vente n° 1, "
        "lignes 1 à 2)";
    EXPECT_NE(run.out.find("msgbox critical ok \"Vantor pour Windows\" \"Le contrôle "
                           "d'intégrité du journal a échoué : " +
                           problem + ".\nLes ventes continuent d'être enregistrées.\""),
              std::string::npos)
        << run.out;
    EXPECT_EQ(File(kJournalFile), altered + kRecords);
    EXPECT_NE(File(kEventFile)
                  .find("Contr\xF4le d'int\xE9grit\xE9 \xE9"
                        "chou\xE9;ligne 1 de"),
              std::string::npos);
}

TEST_F(StartupCheck, VerifyCommandReportsAndExits) {
    Run(kSale);
    const TillRun intact = RunVantor({"verify", "--data-dir", data_.Path()}, "");
    EXPECT_EQ(intact.status, 0);
    EXPECT_EQ(intact.out, "Journal intact : 2 enregistrements, 0 clôtures\n");

    WriteRaw(data_ / kJournalFile, kRecords + kRecords);
    const TillRun altered = RunVantor({"verify", "--data-dir", data_.Path()}, "");
    EXPECT_EQ(altered.status, 1);
    EXPECT_EQ(altered.out,
              "Journal altéré : ligne 3 de tickets.csv : enregistrements absents de "
              "tickets.chain\n");

    const struct {
        std::vector<std::string> arguments;
        const char* error;
    } refused[] = {
        {{"verify", "--data-dir", data_ / "absent"}, "Dossier de données introuvable"},
        {{"verify", "--data-dir", data_.Path(), "--du"}, "argument inconnu : --du"},
    };
    for (const auto& row : refused) {
        const TillRun run = RunVantor(row.arguments, "");
        EXPECT_EQ(run.status, 2) << row.error;
        EXPECT_NE(run.err.find(row.error), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace vantor::test
