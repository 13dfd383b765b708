#pragma once

#include <string>
#include <vector>

namespace vantor::win32 {

// The user's folders as Windows names them ("" when it has none).
std::string RoamingAppDataFolder();
std::string PicturesFolder();
std::string ProfileFolder();
// The roots of the drives ("C:\", "E:\").
std::vector<std::string> DriveRoots();

// "" when files can be made in folder; otherwise why not. Tried for real
// (a file made and removed): the folder's attributes and the C runtime's
// access() do not say whether a folder is writable on Windows.
std::string WhyNotWritable(const std::string& folder);

}  // namespace vantor::win32
