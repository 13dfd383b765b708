// The program's entry. A report or a check of a given data folder runs here at once;
// everything else (the window, headless runs, and a report of the remembered
// folder, which is kept in the desktop settings) is in libvantor-app, loaded
// only then: a report does not pay for loading the toolkit and its sixty
// libraries, which would take longer than reading a year of sales.
#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/Commands.h"
#include "platform/ProgramEntry.h"
#include "platform/SystemClock.h"

namespace {

constexpr const char* kApplicationLibrary = "libvantor-app.so";
// The library's folder relative to the executable's, the same in the build
// tree and once installed (bin/vantor, lib/vantor/libvantor-app.so).
constexpr const char* kApplicationLibraryFolder = VANTOR_APP_LIBRARY_FOLDER;
constexpr const char* kApplicationEntry = "VantorMain";

// A report run here never asks the settings: its folder is given.
class NoSettings : public vantor::Settings {
public:
    std::string Read(const std::string&) override { return ""; }
    bool Write(const std::string&, const std::string&) override { return false; }
};

bool CommandOnAGivenFolder(const std::vector<std::string>& words, const char* command) {
    if (words.empty() || words.front() != command) {
        return false;
    }
    for (std::size_t i = 1; i + 1 < words.size(); ++i) {
        if (words[i] == "--data-dir") {
            return true;
        }
    }
    return false;
}

// `vantor verify FILE` checks an archive alone: no folder, no settings.
bool ArchiveCheck(const std::vector<std::string>& words) {
    return words.size() == 2 && words[0] == "verify" && !words[1].starts_with("--");
}

// A backup to given destinations, and a restore (whose folder is always given).
bool BackupOnGivenFolders(const std::vector<std::string>& words) {
    if (!words.empty() && words.front() == "restaurer") {
        return true;
    }
    const auto has = [&](const char* option) {
        return std::find(words.begin(), words.end(), option) != words.end();
    };
    return CommandOnAGivenFolder(words, "sauvegarder") && has("--vers");
}

// A report into a PDF file and the charts are drawn by the toolkit.
bool AsksForDrawing(const std::vector<std::string>& words) {
    if (words.size() >= 2 && words[0] == "report" && words[1] == "graphique") {
        return true;
    }
    return std::find(words.begin(), words.end(), "--pdf") != words.end();
}

int RunApplication(int argc, char** argv) {
    std::error_code ignored;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ignored);
    const std::string library =
        (self.parent_path() / kApplicationLibraryFolder / kApplicationLibrary)
            .lexically_normal()
            .string();
    void* handle = ::dlopen(library.c_str(), RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) {
        std::cerr << "Vantor ne peut pas démarrer : " << ::dlerror() << '\n';
        return 1;
    }
    using Entry = int (*)(int, char**);
    auto entry = reinterpret_cast<Entry>(::dlsym(handle, kApplicationEntry));
    if (entry == nullptr) {
        std::cerr << "Vantor ne peut pas démarrer : " << ::dlerror() << '\n';
        return 1;
    }
    return entry(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words = vantor::EnterProgram(argc, argv);
    if (AsksForDrawing(words)) {
        return RunApplication(argc, argv);
    }
    if (CommandOnAGivenFolder(words, "verify") || ArchiveCheck(words) ||
        CommandOnAGivenFolder(words, "archive") || CommandOnAGivenFolder(words, "report") ||
        BackupOnGivenFolders(words) || CommandOnAGivenFolder(words, "export") ||
        CommandOnAGivenFolder(words, "personnel")) {
        NoSettings settings;
        vantor::SystemClock clock;
        return *vantor::RunDataCommand(words, settings, clock);
    }
    return RunApplication(argc, argv);
}
