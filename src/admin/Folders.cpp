#include "admin/Folders.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include "platform/win32/Folders.h"
#endif

namespace vantor {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const std::string& path) {
    std::error_code error;
    return !path.empty() && fs::is_directory(path, error);
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The mount table writes a space as \040, a tab as \011 and so on.
std::string UnescapeMount(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string octal = field.substr(i + 1, 3);
            if (std::all_of(octal.begin(), octal.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(octal, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

bool IsRemovableMount(const std::string& mountPoint) {
    return mountPoint.starts_with("/media/") || mountPoint.starts_with("/run/media/");
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? "" : value;
}

// XDG_PICTURES_DIR of the user's user-dirs.dirs, with $HOME expanded.
[[maybe_unused]] std::string UserPicturesFolder(const std::string& home) {  // not on Windows
    std::string config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        config = home + "/.config";
    }
    std::ifstream file(config + "/user-dirs.dirs");
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=";
    while (std::getline(file, line)) {
        if (!line.starts_with(key)) {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.starts_with("$HOME")) {
            value = home + value.substr(5);
        }
        return value;
    }
    return home.empty() ? "" : home + "/Pictures";
}

}  // namespace

std::vector<std::string> ListeLecteurs() {
#ifdef _WIN32
    return win32::DriveRoots();
#endif
    std::vector<std::string> drives{"/"};
    std::ifstream mounts("/proc/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device;
        std::string mountPoint;
        fields >> device >> mountPoint;
        mountPoint = UnescapeMount(mountPoint);
        if (IsRemovableMount(mountPoint) &&
            std::find(drives.begin(), drives.end(), mountPoint) == drives.end()) {
            drives.push_back(mountPoint);
        }
    }
    return drives;
}

std::string LecteurDe(const std::string& folder, const std::vector<std::string>& drives) {
#ifdef _WIN32
    // "C:\" holds "c:\Images" and "C:" itself.
    for (const std::string& drive : drives) {
        if (Lower(folder + "\\").starts_with(Lower(drive))) {
            return drive;
        }
    }
    return drives.empty() ? "" : drives.front();
#endif
    std::string best = "/";
    for (const std::string& drive : drives) {
        const bool inside = folder == drive || folder.starts_with(drive + "/");
        if (inside && drive.size() > best.size()) {
            best = drive;
        }
    }
    return best;
}

FolderList ListeDossiers(const std::string& folder) {
    FolderList list;
    fs::path current = fs::path(folder).lexically_normal();
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
        list.items.push_back(indent + (p == p.root_path() ? p.string() : p.filename().string()));
        list.paths.push_back(p.string());
        indent += "  ";
    }
    list.current = static_cast<int>(list.items.size()) - 1;
    std::vector<fs::path> children;
    std::error_code error;
    for (fs::directory_iterator it(current, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        const std::string name = it->path().filename().string();
        if (!name.starts_with(".") && it->is_directory(kind)) {
            children.push_back(it->path());
        }
    }
    std::sort(children.begin(), children.end());
    for (const fs::path& child : children) {
        list.items.push_back(indent + child.filename().string());
        list.paths.push_back(child.string());
    }
    return list;
}

std::vector<std::string> ListeFichiers(const std::string& folder, const std::string& pattern) {
    const std::string extension = Lower(fs::path(pattern).extension().string());
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        const std::string name = it->path().filename().string();
        if (!name.starts_with(".") && it->is_regular_file(kind) &&
            Lower(it->path().extension().string()) == extension) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
    return names;
}

std::string DossierDeDepart(const std::string& currentPicture) {
    if (!currentPicture.empty()) {
        const std::string folder = fs::path(currentPicture).parent_path().string();
        if (IsFolder(folder)) {
            return folder;
        }
    }
#ifdef _WIN32
    const std::string home = win32::ProfileFolder();
    const std::string pictures = win32::PicturesFolder();
#else
    const std::string home = Environment("HOME");
    const std::string pictures = UserPicturesFolder(home);
#endif
    if (IsFolder(pictures)) {
        return pictures;
    }
    return IsFolder(home) ? home : "/";
}

}  // namespace vantor
