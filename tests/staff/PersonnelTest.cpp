// Personnel.csv read and written: one person a line, Windows-1252, CR LF;
// a line that is no person lets nobody in, is said, and is kept as it was.
#include "staff/Personnel.h"

#include <gtest/gtest.h>

#include "data/TextFile.h"
#include "support/StaffFile.h"
#include "support/TempDir.h"

namespace vantor {
namespace {

using test::Slurp;
using test::WriteRaw;

const std::string kSalt = "00112233445566778899aabbccddeeff";
const std::string kDigest = "0123456789abcdef0123456789abcdef0123456789abcdef0123456789abcdef";

std::string Line(const std::string& name, const std::string& role,
                 const std::string& cost = "3;32768;1", const std::string& salt = kSalt,
                 const std::string& digest = kDigest, const std::string& algorithm = "argon2id") {
    return name + ";" + role + ";" + algorithm + ";" + cost + ";" + salt + ";" + digest;
}

TEST(Personnel, APersonsLineReadsBackAsWritten) {
    const PersonnelLine read = ParseMembre(Line("Anne", "Responsable"));
    ASSERT_TRUE(read.membre) << read.probleme;
    EXPECT_EQ(read.membre->nom, "Anne");
    EXPECT_EQ(read.membre->role, Role::Responsable);
    EXPECT_EQ(read.membre->code.cost, (Argon2Cost{3, 32768, 1}));
    EXPECT_EQ(read.membre->code.salt, kSalt);
    EXPECT_EQ(read.membre->code.digest, kDigest);
    EXPECT_EQ(FormatMembre(*read.membre), Line("Anne", "Responsable"));
    EXPECT_EQ(ParseMembre(Line("Paul", "Serveur")).membre->role, Role::Serveur);
}

TEST(Personnel, ALineThatIsNoPersonSaysWhy) {
    const std::pair<std::string, std::string> rows[] = {
        {"", "1 champ au lieu de 8"},
        {"Anne", "1 champ au lieu de 8"},
        {"Anne;Responsable;argon2id;3;32768;1;" + kSalt, "7 champs au lieu de 8"},
        {Line("Anne", "Responsable") + ";x", "9 champs au lieu de 8"},
        {Line("", "Serveur"), "nom vide"},
        {Line("  ", "Serveur"), "nom vide"},
        {Line("Anne", "Chef"), "rôle inconnu : Chef"},
        {Line("Anne", "responsable"), "rôle inconnu : responsable"},
        {Line("Anne", "Serveur", "3;32768;1", kSalt, kDigest, "md5"),
         "empreinte d'un type inconnu : md5"},
        {Line("Anne", "Serveur", "3;x;1"), "coût de l'empreinte illisible ou hors limites"},
        {Line("Anne", "Serveur", "3;;1"), "coût de l'empreinte illisible ou hors limites"},
        {Line("Anne", "Serveur", "-3;32768;1"), "coût de l'empreinte illisible ou hors limites"},
        {Line("Anne", "Serveur", "3;4000000000;1"),
         "coût de l'empreinte illisible ou hors limites"},
        {Line("Anne", "Serveur", "99999999999;8;1"),
         "coût de l'empreinte illisible ou hors limites"},
        {Line("Anne", "Serveur", "0;32768;1"), "coût de l'empreinte illisible ou hors limites"},
        {Line("Anne", "Serveur", "3;32768;1", kSalt.substr(2)), "empreinte illisible"},
        {Line("Anne", "Serveur", "3;32768;1", kSalt, kDigest + "00"), "empreinte illisible"},
        {Line("Anne", "Serveur", "3;32768;1", kSalt, "0123456789ABCDEF" + kDigest.substr(16)),
         "empreinte illisible"},
        {Line("Anne", "Serveur", "3;32768;1", kSalt, "zz" + kDigest.substr(2)),
         "empreinte illisible"},
    };
    for (const auto& [line, why] : rows) {
        SCOPED_TRACE(line);
        const PersonnelLine read = ParseMembre(line);
        EXPECT_FALSE(read.membre);
        EXPECT_EQ(read.probleme, why);
        EXPECT_EQ(read.texte, line);
    }
}

class PersonnelFileTest : public ::testing::Test {
protected:
    test::TempDir folder_;
    const std::string path_ = folder_ / "Personnel.csv";
};

TEST_F(PersonnelFileTest, NoFileIsNoStaff) {
    EXPECT_FALSE(LirePersonnel(folder_.Path()));
    EXPECT_FALSE(FileExists(path_));  // reading creates nothing
}

// A name with an accent is one byte on disk; a rewrite changes no byte of a
// line it did not change, unreadable lines included.
TEST_F(PersonnelFileTest, TheFileIsWindows1252AndARewriteKeepsEveryLine) {
    const std::string bytes = Line("Ren\xE9", "Responsable") + "\r\n" + "Paul;Chef;cut\r\n" +
                              Line("Zo\xE9", "Serveur") + "\r\n" + Line("ren\xE9", "Serveur") +
                              "\r\n";
    WriteRaw(path_, bytes);
    const std::optional<Personnel> personnel = LirePersonnel(folder_.Path());
    ASSERT_TRUE(personnel);
    ASSERT_EQ(personnel->lignes.size(), 4u);
    std::vector<std::string> names;
    for (const Membre* membre : personnel->Membres()) {
        names.push_back(membre->nom);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"René", "Zoé"}));
    EXPECT_EQ(personnel->Responsables(), 1);
    EXPECT_NE(personnel->Trouver("Zoé"), nullptr);
    EXPECT_EQ(personnel->Trouver("zoé"), nullptr);
    EXPECT_EQ(personnel->Problemes(),
              (std::vector<std::string>{"ligne 2 : 3 champs au lieu de 8",
                                        "ligne 4 : rené figure déjà plus haut"}));
    EcrirePersonnel(folder_.Path(), *personnel);
    EXPECT_EQ(Slurp(path_), bytes);
}

TEST(Personnel, ANewNameMustBeOneTheFilesAndTheJournalCanKeep) {
    Personnel personnel;
    personnel.lignes.push_back(ParseMembre(Line("Anne", "Responsable")));
    personnel.lignes.push_back(ParseMembre("Marc;Chef"));  // unreadable: not a name taken
    const std::pair<std::string, std::string> rows[] = {
        {"Paul", ""},
        {"  Paul  ", ""},
        {"Marc", ""},
        {"Jean-Éric Dupré", ""},
        {std::string(30, 'x'), ""},
        {"", "Tapez le nom de la personne."},
        {"   ", "Tapez le nom de la personne."},
        {"Paul;Serveur", "Le nom ne peut pas contenir « ; »."},
        {";", "Le nom ne peut pas contenir « ; »."},
        {"Pa\tul", "Le nom ne peut pas contenir de caractère de contrôle."},
        {"Pa\rul", "Le nom ne peut pas contenir de caractère de contrôle."},
        {"Łukasz", "Le nom contient un caractère que le fichier du personnel ne peut pas garder."},
        {"Anne 😀", "Le nom contient un caractère que le fichier du personnel ne peut pas garder."},
        {std::string(31, 'x'), "Le nom compte plus de 30 caractères."},
        {"Anne", "Anne fait déjà partie du personnel."},
        {"ANNE", "ANNE fait déjà partie du personnel."},
        {" anne ", "anne fait déjà partie du personnel."},
    };
    for (const auto& [typed, fault] : rows) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(NomFault(typed, personnel), fault);
    }
}

TEST(Personnel, RolesAreTheirWordsAndNoOther) {
    EXPECT_STREQ(RoleName(Role::Serveur), "Serveur");
    EXPECT_STREQ(RoleName(Role::Responsable), "Responsable");
    EXPECT_EQ(ParseRole("Serveur"), Role::Serveur);
    EXPECT_EQ(ParseRole("Responsable"), Role::Responsable);
    for (const char* word : {"", "serveur", "Serveuse", "Responsable ", "Admin"}) {
        EXPECT_FALSE(ParseRole(word)) << word;
    }
}

}  // namespace
}  // namespace vantor
