// The user's folders: what the POSIX side reads from the environment, the
// user's user-dirs.dirs and the mount table, and the image chooser's start
// built on them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "admin/Folders.h"
#include "headless/FixedUserFolders.h"
#include "platform/posix/PosixUserFolders.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

using Variables = std::map<std::string, std::string>;

PosixUserFolders Posix(const Variables& variables, const std::string& mountTable = "") {
    return PosixUserFolders(
        [variables](const char* name) {
            const auto found = variables.find(name);
            return found == variables.end() ? std::string() : found->second;
        },
        mountTable);
}

TEST(PosixUserFolders, FolderFromTheEnvironment) {
    const struct {
        Variables variables;
        std::string applicationData;
        std::string configuration;
    } cases[] = {
        {{{"HOME", "/home/léa"}}, "/home/léa/.local/share", "/home/léa/.config"},
        {{{"HOME", "/home/léa"}, {"XDG_DATA_HOME", "/d"}, {"XDG_CONFIG_HOME", "/c"}}, "/d", "/c"},
        {{}, "./.local/share", "./.config"},
    };
    for (const auto& c : cases) {
        PosixUserFolders folders = Posix(c.variables);
        EXPECT_EQ(folders.ApplicationData(), c.applicationData);
        EXPECT_EQ(folders.Configuration(), c.configuration);
    }
}

TEST(PosixUserFolders, PicturesFromUserDirsElseUnderHome) {
    TempDir config;
    const Variables variables{{"HOME", "/home/léa"}, {"XDG_CONFIG_HOME", config.Path()}};
    EXPECT_EQ(Posix(variables).Pictures(), "/home/léa/Pictures");
    WriteRaw(config / "user-dirs.dirs",
             "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
             "XDG_PICTURES_DIR=\"$HOME/Mes images\"\n");
    EXPECT_EQ(Posix(variables).Pictures(), "/home/léa/Mes images");
    WriteRaw(config / "user-dirs.dirs", "XDG_PICTURES_DIR=\"/srv/photos\"\n");
    EXPECT_EQ(Posix(variables).Pictures(), "/srv/photos");
    EXPECT_EQ(Posix(variables).Home(), "/home/léa");
}

TEST(PosixUserFolders, DrivesAreTheRootThenRemovableMediaInMountOrder) {
    TempDir dir;
    WriteRaw(dir / "mounts",
             "/dev/sda1 / ext4 rw 0 0\n"
             "/dev/sdb1 /media/l\\351a/CL\\303\\211\\040USB vfat rw 0 0\n"
             "proc /proc proc rw 0 0\n"
             "/dev/sdc1 /run/media/paul/Photos exfat rw 0 0\n"
             "/dev/sdb1 /media/l\\351a/CL\\303\\211\\040USB vfat rw 0 0\n"
             "/dev/sdd1 /mnt/sauvegarde ext4 rw 0 0\n");
    EXPECT_EQ(Posix({}, dir / "mounts").Drives(),
              (std::vector<std::string>{"/", "/media/l\351a/CLÉ USB", "/run/media/paul/Photos"}));
    EXPECT_EQ(Posix({}, dir / "absent").Drives(), std::vector<std::string>{"/"});
}

TEST(UserFolders, TheImageChooserOpensInThePicturesElseTheHome) {
    TempDir dir;
    FixedUserFolders folders;
    folders.home = dir / "maison";
    folders.pictures = dir / "maison/Images";
    std::filesystem::create_directories(dir / "maison/Logos");
    EXPECT_EQ(DossierDeDepart("", folders), dir / "maison");
    std::filesystem::create_directories(dir / "maison/Images");
    EXPECT_EQ(DossierDeDepart("", folders), dir / "maison/Images");
    EXPECT_EQ(DossierDeDepart(dir / "maison/Logos/logo.bmp", folders), dir / "maison/Logos");
    folders.home = dir / "absent";
    folders.pictures.clear();
    EXPECT_EQ(DossierDeDepart("", folders), "/");
}

// The drive the image chooser shows for a folder: the longest mount point
// holding it, a drive letter whatever its case, else the system's own.
TEST(UserFolders, TheDriveOfAFolder) {
    const std::vector<std::string> mounts{"/", "/media/usb", "/media/usb/cartes"};
    const std::vector<std::string> letters{"C:\\", "E:\\"};
    const struct {
        std::string folder;
        const std::vector<std::string>& drives;
        std::string drive;
    } cases[] = {
        {"/home/paul", mounts, "/"},
        {"/media/usb", mounts, "/media/usb"},
        {"/media/usb/Logos", mounts, "/media/usb"},
        {"/media/usb/cartes/a", mounts, "/media/usb/cartes"},
        {"/media/usb2", mounts, "/"},
        {"/media/usb", {}, "/"},
        {"e:\\Images", letters, "E:\\"},
        {"E:", letters, "E:\\"},
        {"D:\\Photos", letters, "C:\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LecteurDe(c.folder, c.drives), c.drive) << c.folder;
    }
}

}  // namespace
}  // namespace vantor::test
