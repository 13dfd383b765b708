// The headless automation itself: errors with their line numbers, and bad
// arguments (pop-up menus, quoting and controls: cases/Automation-*).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

TEST(Automation, ErrorsNameTheLineAndStopWithStatusOne) {
    TempDir data;
    struct Case {
        std::string script;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"# comment\n\nclick cmdFoo\n", "ligne 3 : contrôle inconnu dans frmMain : cmdFoo"},
        {"show lblServeur\nfrobnicate\n", "ligne 2 : commande inconnue : frobnicate"},
        {"answer yes\n", "ligne 1 : aucune boîte n'attend de réponse"},
        {"type txtNote \"open\n", "ligne 1 : guillemet non fermé"},
        {"click cmdClearQ\n", "ligne 1 : le contrôle cmdClearQ est caché ou désactivé"},
        {"click mnuModif\n", "ligne 1 : le contrôle mnuModif est caché ou désactivé"},
        {"click lblServeur\n",
         "ligne 1 : le script se termine alors que le menu mnuServeurs est ouvert"},
        {"click lblServeur\nshow Serveur\n",
         "ligne 2 : le menu mnuServeurs attend un click ou answer cancel"},
        {"choose cmbTVA 3\n", "ligne 1 : pas d'élément 3 dans cmbTVA"},
        {"show lblServeur.Colour\n", "ligne 1 : propriété inconnue : lblServeur.Colour"},
        {"clock 31.02.2026 10:00:00\n", "ligne 1 : date et heure attendues (JJ.MM.AAAA H:MM:SS)"},
        {"show Serveur\nprinters \"A\"\n", "ligne 2 : printers doit précéder toute autre commande"},
        {"click Command1 -1\n", "ligne 1 : contrôle inconnu dans frmMain : Command1 -1"},
        {"\xEF\xBB\xBFshow Serveur\nanswer ok\n", "ligne 2 : aucune boîte n'attend de réponse"},
    };
    for (const Case& c : cases) {
        TillRun run = RunScript(data.Path(), c.script);
        EXPECT_EQ(run.status, 1) << c.script;
        EXPECT_EQ(run.err, c.reason + "\n") << c.script;
    }
}

TEST(Automation, BadArgumentsAndUnreadableScript) {
    TempDir data;
    EXPECT_EQ(RunVantor({"--headless", "--frobnicate"}, "").status, 2);
    EXPECT_EQ(RunVantor({"--headless", "--data-dir"}, "").status, 2);
    EXPECT_EQ(RunVantor({"--script", "x.txt"}, "").status, 2) << "a script needs --headless";
    TillRun run =
        RunVantor({"--headless", "--data-dir", data.Path(), "--script", data / "none"}, "");
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(std::filesystem::exists(data / "Articles.csv")) << "nothing starts";
    run = RunVantor({"--headless", "--data-dir", data.Path(), "--script", data.Path()}, "");
    EXPECT_EQ(run.status, 2) << "a folder is no script";
    EXPECT_FALSE(std::filesystem::exists(data / "Articles.csv"));
}

}  // namespace
}  // namespace vantor::test
