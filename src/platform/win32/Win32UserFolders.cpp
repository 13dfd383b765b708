// The user's folders as Windows names them: the known folders and the drives.
// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "platform/UserFolders.h"
#include "platform/win32/Utf16.h"

namespace vantor {

namespace {

std::string KnownFolder(const KNOWNFOLDERID& id) {
    wchar_t* path = nullptr;
    std::string folder;
    if (::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK) {
        folder = win32::Utf8(path);
    }
    ::CoTaskMemFree(path);
    return folder;
}

class Win32UserFolders : public UserFolders {
public:
    std::string ApplicationData() override { return KnownFolder(FOLDERID_RoamingAppData); }
    std::string Configuration() override { return KnownFolder(FOLDERID_RoamingAppData); }
    std::string Home() override { return KnownFolder(FOLDERID_Profile); }
    std::string Pictures() override { return KnownFolder(FOLDERID_Pictures); }

    std::vector<std::string> Drives() override {
        wchar_t buffer[512] = {};
        const DWORD size = ::GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer)), buffer);
        std::vector<std::string> roots;
        for (const wchar_t* root = buffer; root < buffer + size && *root != L'\0';
             root += wcslen(root) + 1) {
            roots.push_back(win32::Utf8(root));
        }
        return roots;
    }
};

}  // namespace

UserFolders& SystemUserFolders() {
    static Win32UserFolders folders;
    return folders;
}

}  // namespace vantor
