#pragma once

#include <string>
#include <vector>

#include "platform/UserFolders.h"

namespace vantor {

// The drive holding a folder: the longest drive path it lies in.
std::string LecteurDe(const std::string& folder, const std::vector<std::string>& drives);

// A folder list as the chooser shows it: the folders from the root down to
// the current one, then the current folder's subfolders (sorted), each
// indented one step per level.
struct FolderList {
    std::vector<std::string> items;  // what the list shows
    std::vector<std::string> paths;  // the full path of each item
    int current = -1;                // the item of the folder itself
};
FolderList ListeDossiers(const std::string& folder);

// The names of the files of a folder whose extension is that of the pattern
// ("*.bmp"), letter case ignored, in alphabetical order whatever the
// letter case; hidden files are left out.
std::vector<std::string> ListeFichiers(const std::string& folder, const std::string& pattern);

// Where the chooser opens: the folder of the current picture when it exists,
// else the user's pictures folder, else the home folder, else the root.
std::string DossierDeDepart(const std::string& currentPicture, UserFolders& folders);

}  // namespace vantor
