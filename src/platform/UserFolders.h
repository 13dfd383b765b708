#pragma once

#include <string>
#include <vector>

namespace vantor {

// The user's own folders, as the system names them. Paths are UTF-8; a folder
// the system does not know is the empty text.
class UserFolders {
public:
    virtual ~UserFolders() = default;
    // The per-user application data folder, under which the default data
    // folder "VantorW" is made.
    //   POSIX: $XDG_DATA_HOME, else $HOME/.local/share.
    //   Windows: the roaming application data folder (FOLDERID_RoamingAppData,
    //   what %APPDATA% names), so the data folder is %APPDATA%\VantorW.
    virtual std::string ApplicationData() = 0;
    // Where the settings file of the build without Qt lives.
    //   POSIX: $XDG_CONFIG_HOME, else $HOME/.config.
    //   Windows: the roaming application data folder, as above.
    virtual std::string Configuration() = 0;
    //   POSIX: $HOME.  Windows: the user's profile (FOLDERID_Profile).
    virtual std::string Home() = 0;
    // The user's pictures folder, where the image chooser opens; it may not
    // exist.
    //   POSIX: XDG_PICTURES_DIR of $XDG_CONFIG_HOME/user-dirs.dirs, "$HOME"
    //   expanded, else $HOME/Pictures.
    //   Windows: the Pictures known folder (FOLDERID_Pictures).
    virtual std::string Pictures() = 0;
    // The drives of the image chooser, the system's own first.
    //   POSIX: "/", then the mounted removable media (mount points under
    //   /media and /run/media) in the order of the mount table.
    //   Windows: the drive roots ("C:\", "D:\", ...) of GetLogicalDriveStringsW.
    virtual std::vector<std::string> Drives() = 0;
};

// This system's folders (posix/ or win32/, chosen when building).
UserFolders& SystemUserFolders();

}  // namespace vantor
