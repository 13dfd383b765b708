// The changes to the staff and their rules: the first person is a manager,
// the last manager stays one; a saved change shows in the waiters list and
// in the event log.
#include "staff/PersonnelChanges.h"

#include <gtest/gtest.h>

#include "data/TextFile.h"
#include "ledger/Verify.h"
#include "support/StaffFile.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

using test::Slurp;
using test::StaffLine;
using test::WriteRaw;

Personnel Staff(const std::vector<std::string>& lines) {
    Personnel personnel;
    for (const std::string& line : lines) {
        personnel.lignes.push_back(ParseMembre(line));
    }
    return personnel;
}

std::vector<std::string> Names(const Personnel& personnel) {
    std::vector<std::string> names;
    for (const Membre* membre : personnel.Membres()) {
        names.push_back(std::string(membre->nom) + " " + RoleName(membre->role));
    }
    return names;
}

const std::string kLast =
    "Anne est le dernier responsable : ajoutez d'abord un autre responsable, sans quoi personne "
    "ne pourrait plus gérer le personnel.";

TEST(PersonnelChanges, TheFirstPersonIsAManager) {
    Personnel personnel;
    EXPECT_EQ(AjouterMembre(personnel, "Paul", Role::Serveur, Pin("1234")),
              "La première personne doit être un responsable : lui seul pourra ensuite ajouter "
              "les autres.");
    EXPECT_TRUE(personnel.lignes.empty());
    EXPECT_EQ(AjouterMembre(personnel, " Anne ", Role::Responsable, Pin("1234")), "");
    EXPECT_EQ(AjouterMembre(personnel, "Paul", Role::Serveur, Pin("5678")), "");
    EXPECT_EQ(Names(personnel), (std::vector<std::string>{"Anne Responsable", "Paul Serveur"}));
    EXPECT_TRUE(PinMatches(Pin("1234"), personnel.Trouver("Anne")->code));
    EXPECT_TRUE(PinMatches(Pin("5678"), personnel.Trouver("Paul")->code));
    EXPECT_EQ(personnel.Trouver("Anne")->code.cost, kPinCost);
}

TEST(PersonnelChanges, EachChangeKeepsItsRule) {
    const std::vector<std::string> staff = {StaffLine("Anne", "Responsable", "1111"),
                                            StaffLine("Paul", "Serveur", "2222")};
    const struct {
        const char* name;
        std::function<std::string(Personnel&)> change;
        std::string refusal;
        std::vector<std::string> after;
    } rows[] = {
        {"retirer le dernier responsable",
         [](Personnel& p) { return RetirerMembre(p, "Anne"); },
         kLast,
         {"Anne Responsable", "Paul Serveur"}},
        {"le dernier responsable devient serveur",
         [](Personnel& p) { return ChangerRole(p, "Anne", Role::Serveur); },
         kLast,
         {"Anne Responsable", "Paul Serveur"}},
        {"retirer un serveur",
         [](Personnel& p) { return RetirerMembre(p, "Paul"); },
         "",
         {"Anne Responsable"}},
        {"retirer une personne inconnue",
         [](Personnel& p) { return RetirerMembre(p, "Zoé"); },
         "Zoé ne fait pas partie du personnel.",
         {"Anne Responsable", "Paul Serveur"}},
        {"un serveur devient responsable, puis l'ancien serveur",
         [](Personnel& p) {
             const std::string first = ChangerRole(p, "Paul", Role::Responsable);
             return first.empty() ? ChangerRole(p, "Anne", Role::Serveur) : first;
         },
         "",
         {"Anne Serveur", "Paul Responsable"}},
        {"deux responsables : l'un peut partir",
         [](Personnel& p) {
             ChangerRole(p, "Paul", Role::Responsable);
             return RetirerMembre(p, "Anne");
         },
         "",
         {"Paul Responsable"}},
        {"ajouter un nom déjà pris",
         [](Personnel& p) { return AjouterMembre(p, "paul", Role::Serveur, Pin("3333")); },
         "paul fait déjà partie du personnel.",
         {"Anne Responsable", "Paul Serveur"}},
        {"ajouter avec un code invalide",
         [](Personnel& p) { return AjouterMembre(p, "Zoé", Role::Serveur, Pin("12a4")); },
         "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.",
         {"Anne Responsable", "Paul Serveur"}},
        {"changer le code d'une personne inconnue",
         [](Personnel& p) { return ChangerCode(p, "Zoé", Pin("1234")); },
         "Zoé ne fait pas partie du personnel.",
         {"Anne Responsable", "Paul Serveur"}},
        {"changer un code contre un code invalide",
         [](Personnel& p) { return ChangerCode(p, "Paul", Pin("123")); },
         "Le code doit compter de 4 à 8 chiffres, sans lettre ni espace.",
         {"Anne Responsable", "Paul Serveur"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Personnel personnel = Staff(staff);
        EXPECT_EQ(row.change(personnel), row.refusal);
        EXPECT_EQ(Names(personnel), row.after);
    }
}

TEST(PersonnelChanges, ANewCodeChecksInPlaceOfTheOld) {
    Personnel personnel = Staff({StaffLine("Anne", "Responsable", "1111")});
    EXPECT_EQ(ChangerCode(personnel, "Anne", Pin("9876")), "");
    EXPECT_TRUE(PinMatches(Pin("9876"), personnel.Trouver("Anne")->code));
    EXPECT_FALSE(PinMatches(Pin("1111"), personnel.Trouver("Anne")->code));
}

// Saved: the staff's names join the waiters list after the names it had,
// and the change is logged in the chain, after the activation when the
// staff file is new.
TEST(PersonnelChanges, ASavedChangeShowsInTheWaitersListAndTheEventLog) {
    test::TempDir folder;
    WriteRaw(folder / "Serveurs.txt", "Marie\r\nPaul\r\n");
    const DateTime now{{2026, 12, 5}, {9, 30, 0}};
    Personnel personnel;
    ASSERT_EQ(AjouterMembre(personnel, "Anne", Role::Responsable, Pin("1111")), "");
    EnregistrerPersonnel(folder.Path(), personnel, now, "Personnel ajouté", "Anne (Responsable)");
    ASSERT_EQ(AjouterMembre(personnel, "Paul", Role::Serveur, Pin("2222")), "");
    EnregistrerPersonnel(folder.Path(), personnel, now, "Personnel ajouté", "Paul (Serveur)");
    EXPECT_EQ(Slurp(folder / "Serveurs.txt"), "Marie\r\nPaul\r\nAnne\r\n");
    EXPECT_EQ(ReadLines(folder / "Evenements.csv"),
              (std::vector<std::string>{
                  "05.12.2026;9:30:00;Gestion du personnel activée;Anne (Responsable)",
                  "05.12.2026;9:30:00;Personnel ajouté;Anne (Responsable)",
                  "05.12.2026;9:30:00;Personnel ajouté;Paul (Serveur)"}));
    const std::optional<Personnel> read = LirePersonnel(folder.Path());
    ASSERT_TRUE(read);
    EXPECT_EQ(Names(*read), (std::vector<std::string>{"Anne Responsable", "Paul Serveur"}));
    EXPECT_TRUE(PinMatches(Pin("2222"), read->Trouver("Paul")->code));
    EXPECT_TRUE(VerifyLedger(folder.Path()).intact);
}

TEST(PersonnelChanges, AWaitersListOfOneEmptyLineBecomesTheStaffsNames) {
    test::TempDir folder;
    WriteRaw(folder / "Serveurs.txt", "\r\n");
    Personnel personnel;
    AjouterMembre(personnel, "Anne", Role::Responsable, Pin("1111"));
    EnregistrerPersonnel(folder.Path(), personnel, {}, "Personnel ajouté", "Anne");
    EXPECT_EQ(Slurp(folder / "Serveurs.txt"), "Anne\r\n");
    test::TempDir none;
    EnregistrerPersonnel(none.Path(), personnel, {}, "Personnel ajouté", "Anne");
    EXPECT_EQ(Slurp(none / "Serveurs.txt"), "Anne\r\n");
}

}  // namespace
}  // namespace vantor
