#pragma once

#include <memory>
#include <optional>
#include <string>

#include "data/TillData.h"
#include "platform/Platform.h"

namespace vantor {

class frmMain;
class Tables;

struct StartOptions {
    // --data-dir: this folder for this run; the remembered setting is neither
    // read nor written.
    std::optional<std::string> dataDir;
};

enum class StartStatus {
    Running,        // the main form is loaded and ready to be shown
    OtherInstance,  // another instance holds the folder; it was asked to come forward
    Failed,         // the data folder is unusable; the reason was shown
};

struct Till {
    Till();
    ~Till();
    Till(Till&&) noexcept;
    Till& operator=(Till&&) noexcept;

    StartStatus status = StartStatus::Failed;
    std::unique_ptr<TillData> data;
    // The shop's tables, which the sales screen shows: they outlive it.
    std::unique_ptr<Tables> tables;
    std::unique_ptr<frmMain> main;
};

// The start of the program: single instance, data folder, loading of every
// file the sales screen needs (frmMain's Form_Load). Shows nothing on screen
// except a critical message when the data folder cannot be used.
Till StartTill(Platform& platform, SingleInstance& instance, const StartOptions& options);

inline constexpr const char* kDataPathKey = "Settings/DataPath";

// The data folder a start with these options would use; nothing is created
// nor remembered. The first run's is "VantorW" in the user's application data.
std::string DataFolderOf(Settings& settings, UserFolders& folders, const StartOptions& options);

}  // namespace vantor
