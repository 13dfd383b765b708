#include "admin/Folders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/Paths.h"

namespace vantor {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(ToPath(path), error);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "C:\" as the system lists its drives.
bool IsLetterRoot(const std::string& drive) {
    return drive.size() == 3 && std::isalpha(static_cast<unsigned char>(drive[0])) &&
           drive[1] == ':' && (drive[2] == '\\' || drive[2] == '/');
}

// A drive letter holds "c:\Images" and "C:" itself; a mount point holds
// itself and what lies under it.
bool OnDrive(const std::string& folder, const std::string& drive) {
    if (IsLetterRoot(drive)) {
        return Lower(folder + drive.back()).starts_with(Lower(drive));
    }
    return folder == drive || folder.starts_with(drive + "/");
}

}  // namespace

std::string LecteurDe(const std::string& folder, const std::vector<std::string>& drives) {
    std::string best;
    for (const std::string& drive : drives) {
        if (OnDrive(folder, drive) && drive.size() > best.size()) {
            best = drive;
        }
    }
    if (!best.empty()) {
        return best;
    }
    return !drives.empty() && IsLetterRoot(drives.front()) ? drives.front() : "/";
}

FolderList ListeDossiers(const std::string& folder) {
    FolderList list;
    fs::path current = ToPath(folder).lexically_normal();
    if (!current.has_filename() && current != current.root_path()) {
        current = current.parent_path();
    }
    std::vector<fs::path> chain;
    for (fs::path p = current; !p.empty(); p = p.parent_path()) {
        chain.insert(chain.begin(), p);
        if (p == p.parent_path()) {
            break;
        }
    }
    std::string indent;
    for (const fs::path& p : chain) {
        list.items.push_back(indent + FromPath(p == p.root_path() ? p : p.filename()));
        list.paths.push_back(FromPath(p));
        indent += "  ";
    }
    list.current = static_cast<int>(list.items.size()) - 1;
    std::vector<fs::path> children;
    std::error_code error;
    for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        const std::string name = FromPath(it->path().filename());
        if (!name.starts_with(".") && it->is_directory(kind)) {
            children.push_back(it->path());
        }
    }
    std::sort(children.begin(), children.end());
    for (const fs::path& child : children) {
        list.items.push_back(indent + FromPath(child.filename()));
        list.paths.push_back(FromPath(child));
    }
    return list;
}

std::vector<std::string> ListeFichiers(const std::string& folder, const std::string& pattern) {
    const std::string extension = Lower(FromPath(ToPath(pattern).extension()));
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(ToPath(folder), error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kind;
        const std::string name = FromPath(it->path().filename());
        if (!name.starts_with(".") && it->is_regular_file(kind) &&
            Lower(FromPath(it->path().extension())) == extension) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    return names;
}

std::string DossierDeDepart(const std::string& currentPicture, UserFolders& folders) {
    if (!currentPicture.empty()) {
        const std::string folder = FromPath(ToPath(currentPicture).parent_path());
        if (IsFolder(folder)) {
            return folder;
        }
    }
    const std::string home = folders.Home();
    const std::string pictures = folders.Pictures();
    if (IsFolder(pictures)) {
        return pictures;
    }
    return IsFolder(home) ? home : "/";
}

}  // namespace vantor
