// The category editor when Categories.csv cannot be written (the names
// saved and the keypad sorted: cases/Categories-*).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// A file that cannot be written is told in a box and the till goes on, as
// the window does for every handler.
TEST(Categories, AFailedSaveIsShownAndTheTillGoesOn) {
    TempDir data;
    RunningTill till({"--headless", "--data-dir", data.Path()});
    till.Send("show Serveur\n");
    ASSERT_TRUE(till.WaitFor("show Serveur"));
    std::filesystem::remove(data / "Categories.csv");
    std::filesystem::create_directory(data / "Categories.csv");
    const TillRun run = till.Finish(
        "click mnuCat\ntype txtCat 0 \"Chaud\"\nclick cmdOK\nanswer ok\nclick cmdUndo\n"
        "show Serveur\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string out = Masked(run.out, data.Path(), "DATA");
    EXPECT_NE(out.find("msgbox critical ok \"Vantor\" \"Écriture impossible "
                       "'DATA/Categories.csv' : c'est un dossier\""),
              std::string::npos)
        << out;
    EXPECT_EQ(LinesStartingWith(run.out, "show Serveur").size(), 2u);
}

}  // namespace
}  // namespace vantor::test
