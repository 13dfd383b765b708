#include "FuzzInput.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "reports/Report.h"
#include "reports/ReportFolder.h"

namespace vantor::fuzz {

namespace {

// A new folder in the temporary folder, removed with this object.
struct OwnFolder {
    OwnFolder() {
        std::mt19937_64 random{std::random_device{}()};
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (int tries = 0; tries < 100 && path.empty(); ++tries) {
            const std::filesystem::path folder = base / ("vantor-fuzz-" + std::to_string(random()));
            std::error_code error;
            if (std::filesystem::create_directory(folder, error)) {
                path = folder.string();
            }
        }
        if (path.empty()) {
            std::perror("no temporary folder");
            std::abort();
        }
    }
    ~OwnFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};

// A sale of each waiter in cash, by card and split, a cash movement in and out.
constexpr const char* kSmallJournal =
    "05.12.2026;9:00:00;Anne;3.50;0;Esp;1;0.26\r\n"
    "05.12.2026;9:01:00;Paul;12.00;5;Cart;2;0.30\r\n"
    "05.12.2026;9:02:00;Marie;7.00;1;Esp;1;0.52\r\n"
    "05.12.2026;9:02:00;Marie;3.00;1;Cart;1;0.22\r\n"
    "05.12.2026;0:00:00;;50;0;Esp;0;0\r\n"
    "05.12.2026;0:00:00;;-20;10;Sort;0;0\r\n";

}  // namespace

const std::string& DataFolder() {
    static const OwnFolder folder;
    return folder.path;
}

std::string WriteDataFile(const char* name, std::string_view bytes) {
    const std::string path = (std::filesystem::path(DataFolder()) / name).string();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(file.good(), "the input could not be written as a data file");
    return path;
}

void ReportOnFolder() {
    const std::string journal = (std::filesystem::path(DataFolder()) / "tickets.csv").string();
    if (!std::filesystem::exists(journal)) {
        WriteDataFile("tickets.csv", kSmallJournal);
    }
    const ReportSettings settings = ReglagesDuDossier(DataFolder(), {2026, 12, 6});
    const Date day{2026, 12, 5};
    GenererTotaux(settings, day, day, 0, true);
    JournalVantor(settings, true, day, day);
}

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz: %s\n", what);
        std::abort();
    }
}

}  // namespace vantor::fuzz
