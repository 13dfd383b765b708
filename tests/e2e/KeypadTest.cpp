// The article keypad built from Articles.csv has a button for each article
// and no more (its paging and the layout: cases/Keypad-*).
#include <gtest/gtest.h>

#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// There are exactly 91 buttons for the default catalogue; a blank line of the
// file makes no button.
TEST(Keypad, NoButtonBeyondTheLastArticle) {
    TempDir data;
    EXPECT_EQ(RunScript(data.Path(), "show Command1 91\n").status, 0);
    EXPECT_EQ(RunScript(data.Path(), "show Command1 92\n").status, 1);
    WriteRaw(data / "Articles.csv", "Nom;Prix;Cat\r\nTarte;3;6\r\n\r\nBizarre;2;9\r\n");
    EXPECT_EQ(RunScript(data.Path(), "show Command1 3\n").status, 1);
}

}  // namespace
}  // namespace vantor::test
