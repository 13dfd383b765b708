#include "startup/Startup.h"

#include <filesystem>

#include "backup/BackupLog.h"
#include "data/TextFile.h"
#include "ledger/LedgerStart.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "sales/frmMain.h"
#include "startup/FirstRestore.h"

namespace vantor {

namespace {

constexpr const char* kFolderName = "VantorW";

// Where the data lives this run, and whether it is the first run's choice.
struct DataFolder {
    std::string path;
    bool chosenNow = false;  // not remembered yet: to be created and remembered
};

DataFolder ResolveDataFolder(Settings& settings, UserFolders& folders,
                             const StartOptions& options) {
    if (options.dataDir) {
        return {FromPath(std::filesystem::absolute(ToPath(*options.dataDir)).lexically_normal()),
                true};
    }
    std::string remembered = settings.Read(kDataPathKey);
    if (!remembered.empty()) {
        return {remembered, false};
    }
    return {JoinPath(folders.ApplicationData(), kFolderName), true};
}

// A remembered folder must be there and writable: an unplugged drive must not
// give a fresh empty folder, which would split the journal in two.
std::string UnusableReason(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(ToPath(path), error)) {
        return "le dossier n'existe pas";
    }
    if (!std::filesystem::is_directory(ToPath(path), error)) {
        return "ce n'est pas un dossier";
    }
    if (const int probe = ProbeWritableFolder(path); probe != 0) {
        return SystemErrorText(probe);
    }
    return "";
}

std::string CreateFolder(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(ToPath(path), error);
    if (error || !DirectoryExists(path)) {
        return error ? SystemErrorText(error) : "le dossier n'a pas pu être créé";
    }
    return UnusableReason(path);
}

void ShowFolderError(Platform& platform, const std::string& path, const std::string& reason) {
    platform.ui.MsgBox("Le dossier de données \"" + path +
                           "\" ne peut pas être utilisé : " + reason +
                           ".\nVérifiez que le disque est branché et accessible, puis relancez "
                           "Vantor.",
                       vbCritical, "Vantor pour Windows");
}

// The chain is settled and checked before the first sale; a file error here
// is told and the till goes on, like a failed check.
void OpenTheLedger(Platform& platform, const std::string& dataPath) {
    try {
        for (const LedgerNotice& notice : OpenLedger(dataPath, platform.clock.Now())) {
            platform.ui.MsgBox(notice.text, notice.alarm ? vbCritical : vbExclamation,
                               "Vantor pour Windows");
        }
    } catch (const FileError& error) {
        platform.ui.MsgBox(std::string("Le journal n'a pas pu être contrôlé : ") + error.what(),
                           vbCritical, "Vantor pour Windows");
    }
}

// A folder whose backups stopped is told at each start, without stopping it.
void WarnOfAnOldBackup(Platform& platform, const std::string& dataPath) {
    try {
        if (const std::optional<std::string> warning =
                OldBackupWarning(dataPath, platform.clock.Now())) {
            platform.ui.MsgBox(*warning, vbExclamation, "Vantor pour Windows");
        }
    } catch (const FileError&) {
        // An unreadable Sauvegardes.csv: the backup command tells its own failures.
    }
}

}  // namespace

Till::Till() = default;
Till::~Till() = default;
Till::Till(Till&&) noexcept = default;
Till& Till::operator=(Till&&) noexcept = default;

std::string DataFolderOf(Settings& settings, UserFolders& folders, const StartOptions& options) {
    return ResolveDataFolder(settings, folders, options).path;
}

Till StartTill(Platform& platform, SingleInstance& instance, const StartOptions& options) {
    Till till;
    DataFolder folder = ResolveDataFolder(platform.settings, platform.folders, options);
    // The lock lives in the folder, so the folder is made sure of first; a
    // second instance finds it there and creates nothing.
    // The very first start may bring a backup back instead of an empty folder.
    std::error_code missing;
    if (folder.chosenNow && !options.dataDir &&
        !std::filesystem::exists(ToPath(folder.path), missing)) {
        OfferFirstRestore(platform, folder.path);
    }
    std::string reason = folder.chosenNow ? CreateFolder(folder.path) : UnusableReason(folder.path);
    if (!reason.empty()) {
        ShowFolderError(platform, folder.path, reason);
        return till;
    }
    if (!instance.Claim(folder.path)) {
        instance.ActivateOther(folder.path);
        till.status = StartStatus::OtherInstance;
        return till;
    }
    RemoveLeftoverTemporaries(folder.path);
    if (folder.chosenNow && !options.dataDir) {
        // When the setting cannot be written the default is chosen again next time.
        platform.settings.Write(kDataPathKey, folder.path);
    }
    till.data = std::make_unique<TillData>();
    till.data->DataPath = folder.path;
    till.tables = std::make_unique<Tables>();
    till.main = std::make_unique<frmMain>(platform, *till.data, *till.tables);
    try {
        till.main->Form_Load();
    } catch (const FileError& error) {
        platform.ui.MsgBox(error.what(), vbCritical, "Vantor pour Windows");
        till.main.reset();
        return till;
    }
    OpenTheLedger(platform, folder.path);
    till.main->AnnoncerPersonnel();
    till.main->CloturerJoursPasses();
    WarnOfAnOldBackup(platform, folder.path);
    till.status = StartStatus::Running;
    return till;
}

}  // namespace vantor
