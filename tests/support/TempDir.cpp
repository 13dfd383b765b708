#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/Paths.h"

namespace vantor::test {

// A new folder under the system's temporary folder, named at random so that
// tests running side by side never share one.
TempDir::TempDir() : TempDir(FromPath(std::filesystem::temp_directory_path())) {}

TempDir::TempDir(const std::string& under) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::filesystem::path base = ToPath(under);
    for (int tries = 0; tries < 100; ++tries) {
        const std::filesystem::path folder = base / ("vantor-test-" + std::to_string(random()));
        std::error_code error;
        if (std::filesystem::create_directory(folder, error)) {
            path_ = folder.string();
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made in " + base.string());
}

std::string RamDiskOrTemporary() {
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error)
               ? std::string("/dev/shm")
               : FromPath(std::filesystem::temp_directory_path());
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::operator/(const std::string& name) const {
    return FromPath(ToPath(path_) / ToPath(name));
}

std::string Slurp(const std::string& path) {
    std::ifstream in(ToPath(path), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream out(ToPath(path), std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string FolderState(const std::string& folder) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(ToPath(folder))) {
        entries[FromPath(entry.path())] =
            std::to_string(entry.is_regular_file() ? entry.file_size() : 0) + " " +
            std::to_string(entry.last_write_time().time_since_epoch().count());
    }
    std::string state;
    for (const auto& [path, sizeAndTime] : entries) {
        state += path + " " + sizeAndTime + "\n";
    }
    return state;
}

}  // namespace vantor::test
