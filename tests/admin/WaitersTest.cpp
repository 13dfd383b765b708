// The waiters: the list dialog saved on "Fermer" answered "Oui", and the
// quick add of the "Employés" menu. Each scenario, its script then its
// transcript and Serveurs.txt, is in expected/Waiters-NAME.txt.
#include <gtest/gtest.h>

#include "support/ScenarioFile.h"

namespace vantor::test {
namespace {

TEST(Waiters, ListDialogAndQuickAdd) {
    const std::pair<std::string, std::string> waiters = {"Serveurs.txt",
                                                         "Anne\nPaul\r\nL\xE9o\r\n"};
    ExpectScenarios({{"Waiters-Unchanged", {waiters}},
                     {"Waiters-No", {waiters}},
                     {"Waiters-Yes", {waiters}},
                     {"Waiters-DeleteAll", {waiters}},
                     {"Waiters-QuickAdd", {waiters}},
                     {"Waiters-QuickAddFirst"}});
}

}  // namespace
}  // namespace vantor::test
