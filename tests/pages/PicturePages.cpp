#include <gtest/gtest.h>

#include "PageKinds.h"
#include "support/ExpectedFile.h"
#include "support/PictureHome.h"

namespace vantor::test {

// The headless till on the data folder of a PictureHome account: the files
// given are under its folder (home/..., data/..., each HOME in them the home,
// "(none)" to remove one of the pictures); the transcript, then each file of
// the data folder the page shows, the home shown as HOME.
void RunPicturePage(const Page& page, const std::vector<std::string>& arguments) {
#ifdef _WIN32
    GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    ASSERT_EQ(page.mark, "transcript");
    ASSERT_TRUE(page.command.empty() && arguments.empty())
        << "a picture page runs on its data folder, with no other command or argument";
    const PictureHome account;
    WriteGiven(page, account.Root(), "HOME", account.Home());
    const std::string out = account.Run(Unmasked(page.script, "HOME", account.Home()));
    const std::string shown = WithFiles(out, account.Data(), ShownFiles(page.expected));
    ExpectShown(page, Masked(shown, account.Home(), "HOME"));
}

}  // namespace vantor::test
