// The waiters: the list dialog saved on "Fermer" answered "Oui", and the
// quick add of the "Employés" menu. Each transcript, with Serveurs.txt after
// it, is in expected/Waiters-NAME.txt.
#include <gtest/gtest.h>

#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

TEST(Waiters, ListDialogAndQuickAdd) {
    const std::vector<std::pair<std::string, std::string>> waiters = {
        {"Serveurs.txt", "Anne\nPaul\r\nL\xE9o\r\n"}};
    const std::vector<std::string> file = {"Serveurs.txt"};
    ExpectTranscripts({
        // Closing without any change asks nothing and leaves the file untouched.
        {"Waiters-Unchanged",
         "click mnuEditServ\nshow lstServeurs\nshow lstServeurs.ListIndex\n"
         "choose lstServeurs 1\nshow txtServ\nclick cmdClose\n",
         waiters, file},
        // "Modifier" without a selection still counts as a change; "Non"
        // discards everything, and so does the close box.
        {"Waiters-No",
         "click mnuEditServ\ntype txtServ \"Zo\xC3\xA9\"\nclick cmdModify\nshow lstServeurs\n"
         "click cmdAdd\nchoose lstServeurs 0\nclick cmdDelete\nshow lstServeurs\n"
         "click cmdClose\nanswer no\nclick mnuEditServ\ntype txtServ \"Zo\xC3\xA9\"\n"
         "click cmdAdd\nclose\n",
         waiters, file},
        // "Oui" saves the list and reloads the menu; after "Ajouter" nothing is
        // selected, so "Modifier" changes nothing.
        {"Waiters-Yes",
         "click mnuEditServ\nchoose lstServeurs 2\ntype txtServ \"L\xC3\xA9on;Marc\"\n"
         "click cmdModify\nshow txtServ\ntype txtServ \"Jo;\"\nclick cmdAdd\n"
         "type txtServ \"Eve\"\nclick cmdModify\nclick cmdClose\nanswer yes\nshow mnuSrv 2\n"
         "show mnuSrv 3\nshow cmbServeur.List\n",
         waiters, file},
        // Deleting every waiter writes one empty line.
        {"Waiters-DeleteAll",
         "click mnuEditServ\nchoose lstServeurs 0\nclick cmdDelete\nchoose lstServeurs 0\n"
         "click cmdDelete\nchoose lstServeurs 0\nclick cmdDelete\nclick cmdClose\nanswer yes\n",
         waiters, file},
        // The quick add appends the name everywhere, and creates the file.
        {"Waiters-QuickAdd",
         "click mnuAddSrv\nanswer ok\nclick mnuAddSrv\nanswer \"Ma;rie\"\nclick mnuAddSrv\n"
         "answer cancel\nshow mnuSrv 3\nshow mnuSrv 4\nshow cmbServeur.List\n"
         "click mnuSrv 4\nshow Serveur\n",
         waiters, file},
        {"Waiters-QuickAddFirst", "click mnuAddSrv\nanswer \"Anne\"\nshow mnuSrv 1\n", {}, file},
    });
}

}  // namespace
}  // namespace vantor::test
