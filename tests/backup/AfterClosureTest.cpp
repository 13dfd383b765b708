// The till's own backups, through its screen: after "Clôture du jour" and
// after the closure made at the next start, to the folders of the settings,
// shown under the checkout and recorded; the backups dialog reached from
// the settings, its folders, days and "Sauvegarder maintenant"; the Z's line
// of the last verified backup. The settings live in the user's folder,
// pointed at a test account: POSIX only.
#include <gtest/gtest.h>

#include <filesystem>

#include "BackupFolders.h"
#include "backup/BackupCheck.h"
#include "backup/BackupLog.h"
#include "backup/BackupNames.h"
#include "data/TextFile.h"
#include "support/ExpectedFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

const std::string kCloseTheDay =
    "clock 05.12.2026 22:10:00\nclick Command1 2\nclick cmdPrint 0\nanswer no\n"
    "click optPrint 2\nclick cmdCloture\nanswer yes\n";

// A till whose settings, in a test account, back it up to those folders.
class BackedUpTill {
public:
    explicit BackedUpTill(const std::string& folders) {
        if (!folders.empty()) {
            std::filesystem::create_directories(account_ / "Telvora");
            WriteRaw(account_ / "Telvora/VantorW.conf", "[Sauvegarde]\nDossiers=" + folders + "\n");
        }
        till_.SetEnvironment("XDG_CONFIG_HOME", account_.Path());
    }
    HeadlessTill& Till() { return till_; }
    std::string Settings() const { return Slurp(account_ / "Telvora/VantorW.conf"); }

private:
    TempDir account_;
    HeadlessTill till_;
};

std::string Caption(const TillRun& run, const std::string& name) {
    for (const std::string& line : Shows(run)) {
        const std::string start = "show " + name + " ";
        if (line.starts_with(start)) {
            return line.substr(start.size());
        }
    }
    return "(not shown)";
}

struct ClosureCase {
    const char* what;
    bool stickThere;
    bool stickSet;
    std::string caption;  // how lblSauvegarde starts; STICK stands for the stick
    std::string logged;   // how the line of Sauvegardes.csv starts; none when empty
};

std::string WithStick(std::string text, const std::string& stick) {
    const std::size_t at = text.find("STICK");
    return at == std::string::npos ? text : text.replace(at, 5, stick);
}

TEST(AfterClosureTest, EachClosureOfADayIsBackedUpToTheFoldersOfTheSettings) {
    const std::vector<ClosureCase> cases = {
        {"a stick plugged in", true, true,
         "\"Sauvegarde vérifiée : STICK/Vantor-sauvegardes/2026-12-05_22-10-00 (",
         "05.12.2026;22:10:00;vérifiée;STICK;2026-12-05_22-10-00;"},
        {"the stick pulled out", false, true,
         "\"Sauvegarde échouée : ", "05.12.2026;22:10:00;échouée;STICK;;"},
        {"no folder set", false, false,
         "\"Aucune destination de sauvegarde n'est réglée (Paramètres).\"", ""},
    };
    for (const ClosureCase& row : cases) {
        SCOPED_TRACE(row.what);
        TempDir stick;
        const std::string folder = row.stickThere ? stick.Path() : stick / "absente";
        BackedUpTill till(row.stickSet ? folder : "");
        const TillRun run =
            till.Till().Run(kCloseTheDay + "show lblSauvegarde.Caption\nshow lblTotal\n");
        EXPECT_TRUE(
            Caption(run, "lblSauvegarde.Caption").starts_with(WithStick(row.caption, folder)))
            << run.out;
        // The closure is made whatever the backup did.
        EXPECT_EQ(Caption(run, "lblTotal.Caption"), "\"Journée du 05.12.2026 clôturée\"");
        const std::string log = till.Till().Read(kBackupLogFile);
        if (row.logged.empty()) {
            EXPECT_EQ(log, "");
            continue;
        }
        EXPECT_TRUE(TextOf(till.Till() / kBackupLogFile).starts_with(WithStick(row.logged, folder)))
            << TextOf(till.Till() / kBackupLogFile);
        const std::string events = TextOf(till.Till() / "Evenements.csv");
        EXPECT_NE(events.find(row.stickThere ? ";Sauvegarde vérifiée;" : ";Sauvegarde échouée;"),
                  std::string::npos)
            << events;
        if (row.stickThere) {
            const BackupCheck check = CheckBackupFolder(OnlyBackup(folder));
            EXPECT_TRUE(check.intact) << check.problem;
            EXPECT_NE(TextOf(OnlyBackup(folder) + "/Clotures.csv").find("05.12.2026"),
                      std::string::npos);
        }
    }
}

TEST(AfterClosureTest, TheDaysClosedAtTheNextStartAreBackedUpToo) {
    TempDir stick;
    BackedUpTill till(stick.Path());
    till.Till().Run("clock 05.12.2026 12:00:00\n" + kCoffeeSale);
    EXPECT_EQ(ListBackups(stick.Path()), std::vector<std::string>{});
    const TillRun run = till.Till().Run("clock 06.12.2026 09:00:00\nshow lblSauvegarde.Caption\n");
    EXPECT_TRUE(Caption(run, "lblSauvegarde.Caption")
                    .starts_with("\"Sauvegarde vérifiée : " + stick.Path() +
                                 "/Vantor-sauvegardes/2026-12-06_09-00-00 ("))
        << run.out;
    EXPECT_EQ(ListBackups(stick.Path()), std::vector<std::string>{"2026-12-06_09-00-00"});
}

// The Z of the next closure tells the backup made after the last one.
TEST(AfterClosureTest, TheZTellsTheLastVerifiedBackup) {
    TempDir stick;
    BackedUpTill till(stick.Path());
    const TillRun first = till.Till().Run(kCloseTheDay);
    EXPECT_NE(first.out.find("\" Dernière sauvegarde vérifiée : aucune\""), std::string::npos)
        << first.out;
    const TillRun second = till.Till().Run(
        "clock 06.12.2026 21:00:00\nclick optPrint 2\nclick cmdCloture\nanswer yes\n");
    // Too wide for the receipt with its date: the caption on a line of its own.
    EXPECT_NE(second.out.find("\" Dernière sauvegarde vérifiée :\"\n"), std::string::npos)
        << second.out;
    EXPECT_NE(second.out.find("\" 05.12.2026 22:10:00\""), std::string::npos) << second.out;
}

// The texts a run printed on the receipt printer, one a line, without the
// margin's space; the blank lines between receipts left out.
std::string PrintedTexts(const TillRun& run) {
    std::string texts;
    for (std::size_t start = 0; start < run.out.size();) {
        const std::size_t end = std::min(run.out.find('\n', start), run.out.size());
        const std::string line = run.out.substr(start, end - start);
        start = end + 1;
        const std::size_t open = line.find(" bold \" ");
        if (line.starts_with("print text ") && open != std::string::npos && line.ends_with('"') &&
            line.size() > open + 9) {
            texts += line.substr(open + 8, line.size() - open - 9) + "\n";
        }
    }
    return texts;
}

// `vantor report z` gives a day's Z again as "Clôture du jour" printed it,
// its backup line too: the last backup verified before that closure, not
// the ones made since.
TEST(AfterClosureTest, TheZPrintedAgainTellsTheBackupTheClosureKnew) {
    TempDir stick;
    BackedUpTill till(stick.Path());
    const TillRun first = till.Till().Run(kCloseTheDay);
    const TillRun second = till.Till().Run(
        "clock 06.12.2026 21:00:00\nclick Command1 2\nclick Command1 2\nclick cmdPrint 0\n"
        "answer no\nclick optPrint 2\nclick cmdCloture\nanswer yes\n");
    ASSERT_EQ(BackUp(till.Till().Folder(), stick.Path()).status, 0);  // today, after both
    std::string again;
    for (const auto& [day, printed] : {std::pair{"05.12.2026", &first}, {"06.12.2026", &second}}) {
        const TillRun z =
            RunVantor({"report", "z", "--du", day, "--data-dir", till.Till().Folder()}, "");
        again += "== vantor report z --du " + std::string(day) + "\n" + z.out + z.err;
        // What the screen printed holds the same lines, the chain's between them.
        const std::size_t backupLine = z.out.find("Dernière sauvegarde vérifiée :");
        ASSERT_NE(backupLine, std::string::npos) << z.out;
        const std::string paper = PrintedTexts(*printed);
        EXPECT_EQ(paper.substr(0, backupLine), z.out.substr(0, backupLine));
        EXPECT_TRUE(paper.ends_with(z.out.substr(backupLine))) << paper;
    }
    EXPECT_EXPECTED("Z-sauvegarde.txt", again);
}

TEST(AfterClosureTest, TheBackupsDialogKeepsItsFoldersDaysAndRepository) {
    TempDir stick;
    BackedUpTill till("");
    const TillRun run = till.Till().Run(
        "clock 05.12.2026 22:10:00\nclick mnuInfos\nclick cmdSauvegardes\n"
        "show txtJours.Text\n"
        "type txtDossier \"" +
        stick.Path() +
        "\"\nclick cmdAjouter\n"
        "type txtDossier \"/media/absente\"\nclick cmdAjouter\n"
        "type txtDossier \"" +
        stick.Path() +
        "\"\nclick cmdAjouter\n"
        "choose lstDossiers 1\nclick cmdRetirer\nshow lstDossiers.List\n"
        "type txtJours \"0\"\nclick cmdSauvegarder\nanswer ok\n"
        "type txtJours \"30\"\nclick cmdSauvegarder\nshow lblProgression.Caption\n"
        "type txtRestic \"sftp:caisse@nas:/vantor\"\ntype txtMotDePasse \"cafe 2026\"\n"
        "click cmdFiche\nclick cmdOK\nclick cmdUndo\nshow lblSauvegarde.Caption\n");
    EXPECT_EQ(Caption(run, "txtJours.Text"), "\"14\"");
    EXPECT_EQ(ShownList(run.out, "lstDossiers"), std::vector<std::string>{stick.Path()});
    EXPECT_EQ(Boxes(run),
              std::vector<std::string>{"msgbox exclamation ok \"Vantor\" \"Le nombre de jours "
                                       "gardés doit être un nombre de 1 à 366.\""});
    const std::string done =
        "\"Sauvegarde vérifiée : " + stick.Path() + "/Vantor-sauvegardes/2026-12-05_22-10-00 (";
    EXPECT_TRUE(Caption(run, "lblProgression.Caption").starts_with(done)) << run.out;
    EXPECT_TRUE(Caption(run, "lblSauvegarde.Caption").starts_with(done)) << run.out;
    // The sheet the owner keeps: the address and the password, in words and as a QR code.
    for (const std::string& printed :
         {std::string("\"Fiche de sauvegarde\""), "\"  " + stick.Path() + "\"",
          std::string("\"  sftp:caisse@nas:/vantor\""), std::string("\"  cafe 2026\""),
          std::string("print qrcode \"restic:sftp:caisse@nas:/vantor\nRESTIC_PASSWORD=cafe "
                      "2026\"")}) {
        EXPECT_NE(run.out.find(printed), std::string::npos) << printed << "\n" << run.out;
    }
    const std::string settings = till.Settings();
    for (const std::string& line :
         {"Dossiers=" + stick.Path(), std::string("Jours=30"),
          std::string("Restic=sftp:caisse@nas:/vantor"), std::string("MotDePasse=cafe 2026")}) {
        EXPECT_NE(settings.find(line + "\n"), std::string::npos) << line << "\n" << settings;
    }
    // Opened again, the dialog shows what was kept.
    const TillRun again = till.Till().Run(
        "click mnuInfos\nclick cmdSauvegardes\nshow lstDossiers.List\nshow txtJours.Text\n"
        "show txtRestic.Text\nclick cmdAnnuler\nclick cmdUndo\n");
    EXPECT_EQ(ShownList(again.out, "lstDossiers"), std::vector<std::string>{stick.Path()});
    EXPECT_EQ(Caption(again, "txtJours.Text"), "\"30\"");
    EXPECT_EQ(Caption(again, "txtRestic.Text"), "\"sftp:caisse@nas:/vantor\"");
}

// A new computer: no data folder yet, a backup on the stick. The first start
// offers to bring it back, and the till starts on it with its receipt number;
// declined, or from a folder holding no backup, the till starts empty.
TEST(AfterClosureTest, TheFirstStartOffersToRestoreABackup) {
    HeadlessTill old;
    SellCoffees(old, 3);
    TempDir stick;
    ASSERT_EQ(BackUp(old.Folder(), stick.Path()).status, 0);
    const struct {
        const char* what;
        std::string answers;
        std::string box;  // the last one
        std::string number;
    } cases[] = {
        {"restored", "answer yes\nanswer \"" + stick.Path() + "\"\n",
         "msgbox information ok \"Premier démarrage\" \"Sauvegarde ", "4"},
        {"declined", "answer no\n",
         "msgbox question yesno \"Premier démarrage\" \"Aucun dossier de données", "1"},
        {"no backup there", "answer yes\nanswer \"" + stick.Path() + "/absente\"\n",
         "msgbox exclamation ok \"Premier démarrage\" \"Rien n'a été restauré : ", "1"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        TempDir home;
        const TillRun run = RunVantor(
            {"--headless"}, "clock 08.12.2026 09:00:00\n" + row.answers + "show NumTicket\n",
            {{"HOME", home.Path()},
             {"XDG_CONFIG_HOME", home / "config"},
             {"XDG_DATA_HOME", home / "data"}});
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        const std::vector<std::string> boxes = Boxes(run);
        ASSERT_FALSE(boxes.empty()) << run.out;
        EXPECT_TRUE(boxes.back().starts_with(row.box)) << boxes.back();
        EXPECT_EQ(Shows(run), std::vector<std::string>{"show NumTicket " + row.number});
    }
}

}  // namespace
}  // namespace vantor::test
