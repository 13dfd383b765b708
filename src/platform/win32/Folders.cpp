#include "platform/win32/Folders.h"

// windows.h first: the other system headers need its definitions.
#include <windows.h>

#include <shlobj.h>

#include <cstring>

#include "platform/win32/Utf16.h"

namespace vantor::win32 {

namespace {

std::string KnownFolder(const KNOWNFOLDERID& id) {
    wchar_t* path = nullptr;
    std::string folder;
    if (::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK) {
        folder = Utf8(path);
    }
    ::CoTaskMemFree(path);
    return folder;
}

}  // namespace

std::string RoamingAppDataFolder() {
    return KnownFolder(FOLDERID_RoamingAppData);
}

std::string PicturesFolder() {
    return KnownFolder(FOLDERID_Pictures);
}

std::string ProfileFolder() {
    return KnownFolder(FOLDERID_Profile);
}

std::vector<std::string> DriveRoots() {
    wchar_t buffer[512] = {};
    const DWORD size = ::GetLogicalDriveStringsW(static_cast<DWORD>(std::size(buffer)), buffer);
    std::vector<std::string> roots;
    for (const wchar_t* root = buffer; root < buffer + size && *root != L'\0';
         root += wcslen(root) + 1) {
        roots.push_back(Utf8(root));
    }
    return roots;
}

std::string WhyNotWritable(const std::string& folder) {
    const std::wstring wide = Utf16(folder);
    wchar_t probe[MAX_PATH + 1] = {};
    if (::GetTempFileNameW(wide.c_str(), L"vnt", 0, probe) == 0) {
        return std::strerror(ErrnoOf(::GetLastError()));
    }
    ::DeleteFileW(probe);
    return "";
}

}  // namespace vantor::win32
