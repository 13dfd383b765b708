// Who may do what: everyone while there is no staff file; with one, the
// person signed in by their role; a PIN is checked against its name only,
// and never while the name is locked.
#include "staff/StaffSession.h"

#include <gtest/gtest.h>

#include "support/StaffFile.h"

namespace vantor {
namespace {

using test::StaffLine;
using Verdict = StaffSession::Verdict;

Personnel Staff() {
    Personnel personnel;
    personnel.lignes.push_back(ParseMembre(StaffLine("Anne", "Responsable", "1111")));
    personnel.lignes.push_back(ParseMembre(StaffLine("Paul", "Serveur", "2222")));
    return personnel;
}

const DateTime kNow{{2026, 12, 5}, {12, 0, 0}};

TEST(StaffSession, WithoutAStaffFileEveryoneDoesEverything) {
    StaffSession session;
    EXPECT_FALSE(session.Active());
    EXPECT_EQ(session.Courant(), nullptr);
    EXPECT_TRUE(session.Peut(Action::Cloture));
    EXPECT_TRUE(session.Peut(Action::Parametres));
}

TEST(StaffSession, WithOneThePersonSignedInDoesWhatTheirRoleMay) {
    StaffSession session;
    session.Charger(Staff());
    EXPECT_TRUE(session.Active());
    EXPECT_FALSE(session.Peut(Action::Cloture)) << "nobody signed in";
    session.Connecter("Paul");
    EXPECT_EQ(session.Courant()->nom, "Paul");
    EXPECT_FALSE(session.Peut(Action::Cloture));
    session.Connecter("Anne");
    EXPECT_TRUE(session.Peut(Action::Cloture));
    session.Deconnecter();
    EXPECT_EQ(session.Courant(), nullptr);
    EXPECT_FALSE(session.Peut(Action::Cloture));
    session.Connecter("Zoé");
    EXPECT_EQ(session.Courant(), nullptr) << "not in the staff";
}

TEST(StaffSession, ReadingTheFileAgainSignsOutWhoeverItNoLongerHas) {
    StaffSession session;
    session.Charger(Staff());
    session.Connecter("Paul");
    session.Charger(Staff());
    EXPECT_EQ(session.Courant()->nom, "Paul");
    Personnel without;
    without.lignes.push_back(ParseMembre(StaffLine("Anne", "Responsable", "1111")));
    session.Charger(without);
    EXPECT_EQ(session.Courant(), nullptr);
}

TEST(StaffSession, APinIsCheckedForItsNameAndTheTypedTextWiped) {
    StaffSession session;
    session.Charger(Staff());
    const struct {
        const char* name;
        const char* typed;
        Verdict verdict;
    } rows[] = {
        {"Anne", "1111", Verdict::Accepte},   {"Paul", "2222", Verdict::Accepte},
        {"Anne", "2222", Verdict::Incorrect}, {"Paul", "1111", Verdict::Incorrect},
        {"Paul", "", Verdict::Incorrect},     {"Paul", "22a2", Verdict::Incorrect},
        {"Paul", "222", Verdict::Incorrect},  {"Zoé", "1111", Verdict::Inconnu},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " " + row.typed);
        std::string typed = row.typed;
        EXPECT_EQ(session.Verifier(row.name, typed, kNow).verdict, row.verdict);
        EXPECT_TRUE(typed.empty());
    }
}

TEST(StaffSession, ALockedNameIsNotCheckedEvenWithItsRightPin) {
    StaffSession session;
    session.Charger(Staff());
    for (int i = 1; i <= 5; ++i) {
        std::string typed = "0000";
        const StaffSession::Essai essai = session.Verifier("Paul", typed, kNow);
        EXPECT_EQ(essai.verdict, Verdict::Incorrect);
        EXPECT_EQ(essai.attente, i == 5 ? 60 : 0);
    }
    std::string right = "2222";
    const StaffSession::Essai locked = session.Verifier("Paul", right, kNow);
    EXPECT_EQ(locked.verdict, Verdict::Bloque);
    EXPECT_EQ(locked.attente, 60);
    EXPECT_TRUE(right.empty());
    std::string anne = "1111";
    EXPECT_EQ(session.Verifier("Anne", anne, kNow).verdict, Verdict::Accepte);
    std::string later = "2222";
    EXPECT_EQ(session.Verifier("Paul", later, {{2026, 12, 5}, {12, 1, 0}}).verdict,
              Verdict::Accepte);
}

}  // namespace
}  // namespace vantor
