// The image chooser of the settings dialog opens in the pictures folder and
// lists only bitmaps; its folder list starts at the root, so the script
// depends on where the home is (the other cases: the pages of pictures/).
#include <gtest/gtest.h>

#include <filesystem>

#include "support/ExpectedFile.h"
#include "support/PictureHome.h"

namespace vantor::test {
namespace {

// Dir1 lists the folders from the root down to the current one first.
int Depth(const std::string& folder) {
    const std::filesystem::path path(folder);
    return static_cast<int>(std::distance(path.begin(), path.end()));
}

TEST(ImageChooser, OpensInThePicturesFolderAndListsOnlyBitmaps) {
#ifdef _WIN32
    GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
    const PictureHome account;
    const std::string out = account.Run(
        "click mnuInfos\nclick cmdAddImg 0\nshow fraFiles.Visible\nshow Drive1.List 0\n"
        "show Drive1.Text\nshow Dir1.Path\nshow File1.Path\nshow File1\nshow lblFile\n"
        "choose Dir1 " +
        std::to_string(Depth(account.Pictures())) +
        "\nshow Dir1.Path\nshow File1\n"
        "click cmdUndoFiles\nshow fraFiles.Visible\nclick cmdUndo\n");
    EXPECT_EXPECTED("ImageChooser-OpensInThePicturesFolderAndListsOnlyBitmaps.txt",
                    Masked(out, account.Home(), "HOME"));
}

}  // namespace
}  // namespace vantor::test
