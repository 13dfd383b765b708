// The table of guarded actions: one row each, each named, none a "Serveur"
// does alone.
#include "staff/GuardedActions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantor {
namespace {

TEST(GuardedActions, EachActionHasOneNamedRowThatOnlyAManagerDoesAlone) {
    std::set<std::string> names;
    int row = 0;
    for (const GuardedAction& guarded : GuardedActions()) {
        SCOPED_TRACE(guarded.libelle);
        EXPECT_EQ(static_cast<int>(guarded.action), row++);
        EXPECT_EQ(&Garde(guarded.action), &guarded);
        EXPECT_TRUE(names.insert(guarded.libelle).second) << "named twice";
        EXPECT_FALSE(std::string(guarded.libelle).empty());
        EXPECT_TRUE(RoleMay(Role::Responsable, guarded.action));
        EXPECT_FALSE(RoleMay(Role::Serveur, guarded.action));
    }
    EXPECT_EQ(row, static_cast<int>(Action::Rembourser) + 1);
}

}  // namespace
}  // namespace vantor
