// `vantor personnel ajouter|liste|reinitialiser`, run as the program: the
// staff set up from a script, each bad input refused with its reason and
// nothing written, never while a till is open on the folder, and the PIN
// nowhere but in the digest.
#include <gtest/gtest.h>

#include <filesystem>

#include "data/TextFile.h"
#include "ledger/Verify.h"
#include "staff/Personnel.h"
#include "support/RunTill.h"
#include "support/StaffFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// The event log's types and details, without the date and time of the run.
std::vector<std::string> Events(const std::string& folder) {
    std::vector<std::string> events;
    const std::string path = JoinPath(folder, "Evenements.csv");
    for (const std::string& line :
         FileExists(path) ? ReadLines(path) : std::vector<std::string>{}) {
        events.push_back(line.substr(line.find(';', line.find(';') + 1) + 1));
    }
    return events;
}

TillRun Personnel(const std::string& folder, std::vector<std::string> words,
                  const std::string& input = "") {
    words.insert(words.begin(), {"personnel", "--data-dir", folder});
    return RunVantor(words, input);
}

const std::string kUsage =
    "Utilisation :\n"
    "  vantor personnel ajouter NOM --role Responsable|Serveur [--data-dir DOSSIER]\n"
    "  vantor personnel liste [--data-dir DOSSIER]\n"
    "  vantor personnel reinitialiser NOM [--data-dir DOSSIER]\n"
    "  (le code, deux fois, une ligne chacune sur l'entrée standard)\n";

TEST(PersonnelCommand, AScriptSetsUpTheStaffAndResetsAForgottenPin) {
    TempDir folder;
    TillRun run = Personnel(folder.Path(), {"ajouter", "Marc", "--role", "Responsable"},
                            "86420135\n86420135\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Ajouté au personnel : Marc (Responsable)\n");
    EXPECT_EQ(run.err, "");
    // A PIN from a Windows pipe ends with CR LF.
    run = Personnel(folder.Path(), {"ajouter", "Zoé", "--role", "Serveur"}, "4321\r\n4321\r\n");
    EXPECT_EQ(run.status, 0) << run.err;
    run = Personnel(folder.Path(), {"liste"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Marc : Responsable\nZoé : Serveur\n");

    std::optional<vantor::Personnel> staff = LirePersonnel(folder.Path());
    ASSERT_TRUE(staff);
    EXPECT_TRUE(PinMatches(Pin("86420135"), staff->Trouver("Marc")->code));
    EXPECT_TRUE(PinMatches(Pin("4321"), staff->Trouver("Zoé")->code));
    EXPECT_EQ(staff->Trouver("Marc")->code.cost, kPinCost);
    EXPECT_EQ(Slurp(folder / "Serveurs.txt"), "Marc\r\nZo\xE9\r\n");

    run = Personnel(folder.Path(), {"reinitialiser", "Marc"}, "24681357\n24681357\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Nouveau code enregistré pour Marc\n");
    staff = LirePersonnel(folder.Path());
    EXPECT_TRUE(PinMatches(Pin("24681357"), staff->Trouver("Marc")->code));
    EXPECT_FALSE(PinMatches(Pin("86420135"), staff->Trouver("Marc")->code));
    EXPECT_EQ(Events(folder.Path()),
              (std::vector<std::string>{
                  "Gestion du personnel activée;Marc (Responsable), en ligne de commande",
                  "Personnel ajouté;Marc (Responsable), en ligne de commande",
                  "Personnel ajouté;Zoé (Serveur), en ligne de commande",
                  "Code modifié;Marc, en ligne de commande"}));
    EXPECT_TRUE(VerifyLedger(folder.Path()).intact);
    // The PIN is in no file of the folder.
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        SCOPED_TRACE(entry.path().string());
        EXPECT_EQ(Slurp(entry.path().string()).find("86420135"), std::string::npos);
        EXPECT_EQ(Slurp(entry.path().string()).find("24681357"), std::string::npos);
    }
}

// Each refused with its reason; the folder's files are left as they were.
TEST(PersonnelCommand, EachBadInputIsRefusedWithItsReasonAndWritesNothing) {
    const std::string manager = StaffLine("Marc", "Responsable", "1111");
    const struct {
        const char* name;
        std::vector<std::string> staff;  // Personnel.csv before, none when empty
        std::vector<std::string> words;
        std::string input;
        int status;
        std::string err;
    } rows[] = {
        {"le premier est un serveur",
         {},
         {"ajouter", "Paul", "--role", "Serveur"},
         "1234\n1234\n",
         1,
         "La première personne doit être un responsable : lui seul pourra ensuite ajouter les "
         "autres.\n"},
        {"code trop court",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "123\n123\n",
         1,
         "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.\n"},
        {"code trop long",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "123456789\n123456789\n",
         1,
         "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.\n"},
        {"code avec une lettre",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "12a4\n12a4\n",
         1,
         "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.\n"},
        {"code avec une espace",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "1234 \n1234 \n",
         1,
         "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.\n"},
        {"code vide",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "\n\n",
         1,
         "Tapez le code.\n"},
        {"deux codes différents",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "1234\n1243\n",
         1,
         "Les deux codes tapés ne sont pas les mêmes.\n"},
        {"un seul code",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "1234\n",
         1,
         "Le code n'a pas été lu deux fois (une ligne chacune).\n"},
        {"aucun code",
         {},
         {"ajouter", "Marc", "--role", "Responsable"},
         "",
         1,
         "Le code n'a pas été lu deux fois (une ligne chacune).\n"},
        {"nom vide",
         {},
         {"ajouter", "", "--role", "Responsable"},
         "1234\n1234\n",
         1,
         "Tapez le nom de la personne.\n"},
        {"nom avec ;",
         {},
         {"ajouter", "Marc;Chef", "--role", "Responsable"},
         "1234\n1234\n",
         1,
         "Le nom ne peut pas contenir « ; ».\n"},
        {"nom déjà pris",
         {manager},
         {"ajouter", "marc", "--role", "Serveur"},
         "1234\n1234\n",
         1,
         "marc fait déjà partie du personnel.\n"},
        {"rôle inconnu",
         {},
         {"ajouter", "Marc", "--role", "Chef"},
         "1234\n1234\n",
         2,
         "--role Responsable ou --role Serveur est demandé\n" + kUsage},
        {"rôle manquant",
         {},
         {"ajouter", "Marc"},
         "1234\n1234\n",
         2,
         "--role Responsable ou --role Serveur est demandé\n" + kUsage},
        {"rôle sans valeur",
         {},
         {"ajouter", "Marc", "--role"},
         "",
         2,
         "valeur manquante après --role\n" + kUsage},
        {"rien à faire", {}, {}, "", 2, "ajouter, liste ou reinitialiser est demandé\n" + kUsage},
        {"commande inconnue",
         {},
         {"supprimer", "Marc"},
         "",
         2,
         "commande incomplète ou inconnue : personnel supprimer\n" + kUsage},
        {"nom manquant",
         {},
         {"ajouter", "--role", "Serveur"},
         "",
         2,
         "commande incomplète ou inconnue : personnel ajouter\n" + kUsage},
        {"liste avec un nom",
         {},
         {"liste", "Marc"},
         "",
         2,
         "commande incomplète ou inconnue : personnel liste\n" + kUsage},
        {"liste avec un rôle",
         {},
         {"liste", "--role", "Serveur"},
         "",
         2,
         "commande incomplète ou inconnue : personnel liste\n" + kUsage},
        {"option inconnue", {}, {"liste", "--tous"}, "", 2, "argument inconnu : --tous\n" + kUsage},
        {"réinitialiser sans personnel",
         {},
         {"reinitialiser", "Marc"},
         "1234\n1234\n",
         1,
         "Aucun fichier du personnel : la gestion du personnel n'est pas activée.\n"},
        {"réinitialiser un inconnu",
         {manager, "Zoé;Chef;x"},
         {"reinitialiser", "Zoé"},
         "1234\n1234\n",
         1,
         "Zoé ne fait pas partie du personnel.\nPersonnel.csv, ligne 2 : 3 champs au lieu de 8 : "
         "personne ne se connecte avec cette ligne\n"},
        {"réinitialiser avec un mauvais code",
         {manager},
         {"reinitialiser", "Marc"},
         "1234\n4321\n",
         1,
         "Les deux codes tapés ne sont pas les mêmes.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir folder;
        if (!row.staff.empty()) {
            WriteRaw(folder / "Personnel.csv", StaffFile(row.staff));
        }
        // The lock file that any till, or command, leaves in its folder.
        WriteRaw(folder / "Vantor.lock", "");
        const std::string before = FolderState(folder.Path());
        const TillRun run = Personnel(folder.Path(), row.words, row.input);
        EXPECT_EQ(run.status, row.status);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
        EXPECT_EQ(FolderState(folder.Path()), before);
    }
}

TEST(PersonnelCommand, TheListShowsNamesAndRolesNeverADigest) {
    TempDir folder;
    const std::string anne = StaffLine("Anne", "Responsable", "1111");
    WriteRaw(folder / "Personnel.csv", StaffFile({anne, "Paul;Serveur;argon2id;1;8;1;00;00",
                                                  StaffLine("Zoé", "Serveur", "2222")}));
    const TillRun run = Personnel(folder.Path(), {"liste"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Anne : Responsable\nZoé : Serveur\n");
    EXPECT_EQ(run.err,
              "Personnel.csv, ligne 2 : empreinte illisible : personne ne se connecte avec cette "
              "ligne\n");
    EXPECT_EQ(run.out.find(anne.substr(anne.rfind(';') + 1)), std::string::npos);

    TempDir none;
    const TillRun empty = Personnel(none.Path(), {"liste"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out,
              "Aucun fichier du personnel : la gestion du personnel n'est pas activée.\n");
    EXPECT_FALSE(FileExists(none / "Personnel.csv"));
}

TEST(PersonnelCommand, AFolderThatIsNotThereIsTold) {
    TempDir home;
    const TillRun run = RunVantor({"personnel", "liste", "--data-dir", home / "absent"}, "");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Dossier de données introuvable : " + (home / "absent") + "\n");
}

// The till holds its folder's lock while it runs: the staff is changed
// when it is closed, never under its feet.
TEST(PersonnelCommand, NothingIsDoneWhileATillIsOpenOnTheFolder) {
    TempDir folder;
    WriteRaw(folder / "Personnel.csv", StaffFile({StaffLine("Marc", "Responsable", "1111")}));
    RunningTill till({"--headless", "--data-dir", folder.Path()});
    till.Send("show Serveur\n");
    ASSERT_TRUE(till.WaitFor("open frmMain"));
    const std::string before = Slurp(folder / "Personnel.csv");
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"ajouter", "Paul", "--role", "Serveur"},
          std::vector<std::string>{"reinitialiser", "Marc"}, std::vector<std::string>{"liste"}}) {
        SCOPED_TRACE(words.front());
        const TillRun run = Personnel(folder.Path(), words, "1234\n1234\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err,
                  "Vantor est ouvert sur ce dossier : fermez la caisse, puis recommencez.\n");
    }
    EXPECT_EQ(Slurp(folder / "Personnel.csv"), before);
    till.Finish("close\n");
}

}  // namespace
}  // namespace vantor::test
