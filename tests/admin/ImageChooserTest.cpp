// The logo and QR pictures of the settings dialog, chosen in the image
// chooser panel: where it opens, what it lists, the fitted preview, and what
// "OK" and "Annuler" keep.
#include <gtest/gtest.h>

#include <filesystem>

#include "admin/Bitmap.h"
#include "support/ExpectedFile.h"
#include "support/RunTill.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

namespace fs = std::filesystem;

class ImageChooser : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "the user's folders come from the system on Windows, which no "
                        "environment variable redirects to a test account";
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
    std::string Infos() const {
        return Slurp(data_ / "data/Infos.txt");
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
        return Masked(run.out, Home(), "HOME");
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
    EXPECT_EXPECTED("ImageChooser-OpensInThePicturesFolderAndListsOnlyBitmaps.txt", out);
}

TEST_F(ImageChooser, OpensInTheUsersPicturesFolderElseTheHomeFolder) {
    fs::create_directories(Home() + "/Images");
    WriteRaw(Home() + "/.config/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Images\"\n");
    std::string out = Run("click mnuInfos\nclick cmdAddImg 1\nshow Dir1.Path\nclick cmdUndo\n");
    EXPECT_EXPECTED("ImageChooser-OpensInTheUsersPicturesFolderElseTheHomeFolder.txt", out);
    fs::remove_all(Home() + "/Images");
    fs::remove_all(Pictures());
    out = Run("click mnuInfos\nclick cmdAddImg 1\nshow Dir1.Path\nclick cmdUndo\n");
    EXPECT_EXPECTED("ImageChooser-OpensInTheUsersPicturesFolderElseTheHomeFolder2.txt", out);
}

TEST_F(ImageChooser, APictureIsPreviewedAtTheFixedWidthAndSavedByOk) {
    const std::string logo = Pictures() + "/logo.bmp";
    const std::string out =
        Run("click mnuInfos\nclick cmdAddImg 0\nchoose File1 1\nshow lblFile\nclick cmdLoadImg\n"
            "show imgLogo\nshow imgLogo.PictureWidth\nshow imgLogo.Width\nshow imgLogo.Height\n"
            "show fraFiles.Visible\nclick cmdOK\nshow Image1\nshow Infos 7\n");
    EXPECT_EXPECTED("ImageChooser-APictureIsPreviewedAtTheFixedWidthAndSavedByOk.txt", out);
    EXPECT_EQ(Infos(), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + logo +
                           "\r\n\r\n-1\r\n\r\n\r\nVantor PDF\r\n\r\n0\r\n\r\n\x80\r\n");

    // At the next opening the preview comes from the settings, and the
    // chooser opens in the picture's folder.
    const std::string again =
        Run("click mnuInfos\nshow imgLogo.Height\nshow imgQR\nclick cmdAddImg 0\nshow Dir1.Path\n"
            "click cmdUndoFiles\nclick cmdUndo\n");
    EXPECT_EXPECTED("ImageChooser-APictureIsPreviewedAtTheFixedWidthAndSavedByOk2.txt", again);
}

TEST_F(ImageChooser, ADoubleClickOnAFileLoadsItLikeOk) {
    const std::string out =
        Run("click mnuInfos\nclick cmdAddImg 1\nchoose File1 1\ndblclick File1\nshow imgQR.Height\n"
            "show fraFiles.Visible\nclick cmdUndo\n");
    EXPECT_EXPECTED("ImageChooser-ADoubleClickOnAFileLoadsItLikeOk.txt", out);
}

TEST_F(ImageChooser, CancellingTheDialogAfterChoosingALogoChangesNothing) {
    WriteRaw(data_ / "data/Infos.txt", "Bar\r\n");
    const std::string out =
        Run("click mnuInfos\nclick cmdAddImg 0\nchoose File1 1\nclick cmdLoadImg\nclick cmdUndo\n"
            "show Infos 7\nshow Image1\n");
    EXPECT_EXPECTED("ImageChooser-CancellingTheDialogAfterChoosingALogoChangesNothing.txt", out);
    EXPECT_EQ(Infos(), "Bar\r\n");
}

TEST_F(ImageChooser, NothingChosenOrAnUnreadablePictureKeepsThePreview) {
    const std::string qr = Pictures() + "/QR.BMP";
    const std::string out =
        Run("click mnuInfos\nclick cmdAddImg 1\nchoose File1 2\nclick cmdLoadImg\n"
            "show imgQR.Height\nclick cmdAddImg 1\nclick cmdLoadImg\nshow imgQR\n"
            "click cmdAddImg 1\nchoose File1 0\nclick cmdLoadImg\nshow imgQR\n"
            "click cmdAddImg 0\nchoose File1 0\nclick cmdLoadImg\nshow imgLogo\nclick cmdOK\n");
    EXPECT_EXPECTED("ImageChooser-NothingChosenOrAnUnreadablePictureKeepsThePreview.txt", out);
    EXPECT_NE(Infos().find("\r\n\r\n" + qr + "\r\n-1\r\n"), std::string::npos) << Infos();
}

TEST_F(ImageChooser, AStoredPictureThatCannotBeReadIsNotKept) {
    WriteRaw(data_ / "data/Infos.txt", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n" + Pictures() +
                                           "/abime.bmp\r\n" + Pictures() + "/absent.bmp\r\n");
    const std::string out = Run("click mnuInfos\nshow imgLogo\nshow imgQR\nclick cmdOK\n");
    EXPECT_EXPECTED("ImageChooser-AStoredPictureThatCannotBeReadIsNotKept.txt", out);
    EXPECT_TRUE(Infos().starts_with("\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n-1\r\n")) << Infos();
}

}  // namespace
}  // namespace vantor::test
