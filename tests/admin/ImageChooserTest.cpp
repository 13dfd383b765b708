// The logo and QR pictures of the settings dialog, chosen in the image
// chooser panel: where it opens, what it lists, the fitted preview, and what
// "OK" and "Annuler" keep. Each page, its script, its transcript (the home
// folder shown as HOME) and the settings file it left, is in
// expected/ImageChooser-NAME.txt.
#include <gtest/gtest.h>

#include <filesystem>

#include "admin/Bitmap.h"
#include "support/RunTill.h"
#include "support/ScenarioFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

class ImageChooser : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << kNoTestAccountOnWindows;
#endif
        fs::create_directories(Pictures() + "/Anciens");
        fs::create_directories(Home() + "/.config");
        WriteRaw(Pictures() + "/logo.bmp", Bitmap(4350, 1000));
        WriteRaw(Pictures() + "/QR.BMP", Bitmap(40, 40));
        WriteRaw(Pictures() + "/notes.txt", "pas une image");
        WriteRaw(Pictures() + "/photo.png", "pas lue");
        WriteRaw(Pictures() + "/.cache.bmp", Bitmap(2, 2));
        WriteRaw(Pictures() + "/abime.bmp", "BM pas une image");
        WriteRaw(Pictures() + "/Anciens/vieux.bmp", Bitmap(30, 60));
        fs::create_directories(data_ / "data");
    }

    std::string Home() const {
        return home_.Path();
    }
    std::string Pictures() const {
        return Home() + "/Pictures";
    }
    // Dir1 lists the folders from the root down to the current one first.
    static int Depth(const std::string& folder) {
        const fs::path path(folder);
        return static_cast<int>(std::distance(path.begin(), path.end()));
    }

    std::string Run(const std::string& script) {
        TillRun run = RunVantor({"--headless", "--data-dir", data_ / "data"}, script,
                                {{"HOME", Home()}, {"XDG_CONFIG_HOME", Home() + "/.config"}});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }

    // The page expected/ImageChooser-NAME.txt run on this account, the home
    // folder shown as HOME.
    void ExpectPage(const std::string& name) {
        test::ExpectPage("ImageChooser-" + name, [&](const std::string& script, const auto& files) {
            return Masked(WithFiles(Run(script), data_ / "data", files), Home(), "HOME");
        });
    }

    TempDir home_;
    TempDir data_;
};

TEST_F(ImageChooser, OpensInThePicturesFolderAndListsOnlyBitmaps) {
    const std::string out =
        Run("click mnuInfos\nclick cmdAddImg 0\nshow fraFiles.Visible\nshow Drive1.List 0\n"
            "show Drive1.Text\nshow Dir1.Path\nshow File1.Path\nshow File1\nshow lblFile\n"
            "choose Dir1 " +
            std::to_string(Depth(Pictures())) +
            "\nshow Dir1.Path\nshow File1\n"
            "click cmdUndoFiles\nshow fraFiles.Visible\nclick cmdUndo\n");
    EXPECT_EXPECTED("ImageChooser-OpensInThePicturesFolderAndListsOnlyBitmaps.txt",
                    Masked(out, Home(), "HOME"));
}

TEST_F(ImageChooser, OpensInTheUsersPicturesFolderElseTheHomeFolder) {
    fs::create_directories(Home() + "/Images");
    WriteRaw(Home() + "/.config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Images\"\n");
    ExpectPage("OpensInTheUsersPicturesFolderElseTheHomeFolder");
    fs::remove_all(Home() + "/Images");
    fs::remove_all(Pictures());
    ExpectPage("OpensInTheUsersPicturesFolderElseTheHomeFolder2");
}

TEST_F(ImageChooser, APictureIsPreviewedAtTheFixedWidthAndSavedByOk) {
    ExpectPage("APictureIsPreviewedAtTheFixedWidthAndSavedByOk");
    ExpectPage("APictureIsPreviewedAtTheFixedWidthAndSavedByOk2");
}

TEST_F(ImageChooser, ADoubleClickOnAFileLoadsItLikeOk) {
    ExpectPage("ADoubleClickOnAFileLoadsItLikeOk");
}

TEST_F(ImageChooser, CancellingTheDialogAfterChoosingALogoChangesNothing) {
    WriteRaw(data_ / "data/Infos.txt", "Bar\r\n");
    ExpectPage("CancellingTheDialogAfterChoosingALogoChangesNothing");
}

TEST_F(ImageChooser, NothingChosenOrAnUnreadablePictureKeepsThePreview) {
    ExpectPage("NothingChosenOrAnUnreadablePictureKeepsThePreview");
}

TEST_F(ImageChooser, AStoredPictureThatCannotBeReadIsNotKept) {
    WriteRaw(data_ / "data/Infos.txt", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + Pictures() +
                                           "/abime.bmp\r\n" + Pictures() + "/absent.bmp\r\n");
    ExpectPage("AStoredPictureThatCannotBeReadIsNotKept");
}

// A picture too large for a receipt (1 × 10,000 pixels) is refused when
// chosen, with the reason; the preview stays as it was and another can be chosen.
TEST_F(ImageChooser, APictureTooLargeForTheReceiptIsRefusedWhenChosen) {
    WriteRaw(Pictures() + "/haut.bmp", Bitmap(1, 10000));
    ExpectPage("APictureTooLargeForTheReceiptIsRefusedWhenChosen");
}

}  // namespace
}  // namespace vantor::test
