#include "platform/posix/PosixUserFolders.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/Paths.h"

namespace vantor {
namespace {

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

}  // namespace

std::string PosixUserFolders::XdgFolder(const char* variable, const char* underHome) {
    const std::string value = environment_(variable);
    if (!value.empty()) {
        return value;
    }
    const std::string home = Home();
    return (home.empty() ? "." : home) + underHome;
}

std::string PosixUserFolders::ApplicationData() {
    return XdgFolder("XDG_DATA_HOME", "/.local/share");
}

std::string PosixUserFolders::Configuration() {
    return XdgFolder("XDG_CONFIG_HOME", "/.config");
}

std::string PosixUserFolders::Home() {
    return environment_("HOME");
}

std::string PosixUserFolders::Pictures() {
    const std::string home = Home();
    std::ifstream file(ToPath(Configuration() + "/user-dirs.dirs"));
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

std::vector<std::string> PosixUserFolders::Drives() {
    std::vector<std::string> drives{"/"};
    std::ifstream mounts(ToPath(mountTable_));
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

}  // namespace vantor
