#include "startup/FirstRestore.h"

#include <filesystem>

#include "backup/Restore.h"
#include "data/Text.h"
#include "platform/Paths.h"

namespace vantor {

namespace {

constexpr const char* kFirstStartTitle = "Premier démarrage";

void TellRestore(Platform& platform, const RestoreResult& result) {
    if (!result.restored) {
        platform.ui.MsgBox("Rien n'a été restauré : " + result.problem +
                               "\nVantor démarre avec un dossier de données vide.",
                           vbExclamation, kFirstStartTitle);
        return;
    }
    platform.ui.MsgBox("Sauvegarde " + result.backup +
                           " restaurée et vérifiée : " + result.broughtBack +
                           ".\nLes ventes faites après cette sauvegarde n'y sont pas.",
                       vbInformation, kFirstStartTitle);
}

}  // namespace

bool OfferFirstRestore(Platform& platform, const std::string& path) {
    if (platform.ui.MsgBox("Aucun dossier de données n'existe encore sur cet ordinateur (" + path +
                               ").\nRestaurer les données de la caisse depuis une sauvegarde ?",
                           vbYesNo | vbQuestion | vbDefaultButton2, kFirstStartTitle) != vbYes) {
        return false;
    }
    const std::string source = Trim(
        platform.ui.InputBox("Dossier de la sauvegarde (clé USB, disque ou partage, ou son dossier "
                             "Vantor-sauvegardes) :",
                             kFirstStartTitle));
    if (source.empty()) {
        return false;
    }
    // The restored folder is made beside its place, which needs its parent.
    std::error_code ignored;
    std::filesystem::create_directories(ToPath(path).parent_path(), ignored);
    RestoreRequest request;
    request.source = source;
    request.dataDir = path;
    const RestoreResult result = RestoreBackup(request, platform.clock.Now());
    TellRestore(platform, result);
    return result.restored;
}

}  // namespace vantor
