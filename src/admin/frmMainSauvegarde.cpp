// Backups from the sales screen: after each closure of a day and on demand,
// on a thread of their own so that a sale is never kept waiting; each one
// done is recorded from the screen's thread, which alone appends to the chain.
#include <cstdint>
#include <memory>

#include "backup/BackupLog.h"
#include "backup/BackupRun.h"
#include "backup/BackupSettings.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

int BackupPercent(std::uint64_t done, std::uint64_t total) {
    return total == 0 ? 100 : static_cast<int>(done * 100 / total);
}

}  // namespace

void frmMain::AfficherSauvegarde(const std::string& texte, bool echec) {
    Control& label = Get("lblSauvegarde");
    label.caption = texte;
    label.foreColor = echec ? Rgb(192, 0, 0) : Rgb(0, 0, 0);
    label.visible = true;
    if (suiviSauvegarde_) {
        suiviSauvegarde_(texte);
    }
}

void frmMain::Sauvegarder(std::function<void(const std::string&)> suivi) {
    if (sauvegardeEnCours_) {
        if (suivi) {
            suivi("Une sauvegarde est déjà en cours.");
        }
        return;
    }
    const std::vector<std::string> destinations = BackupDestinations(platform_.settings);
    suiviSauvegarde_ = std::move(suivi);
    if (destinations.empty()) {
        AfficherSauvegarde("Aucune destination de sauvegarde n'est réglée (Paramètres).", true);
        suiviSauvegarde_ = nullptr;
        return;
    }
    sauvegardeEnCours_ = true;
    const std::string dataPath = data_.DataPath;
    const Thinning thinning = BackupThinning(platform_.settings);
    const std::string password = platform_.settings.Read(kBackupResticPasswordKey);
    const DateTime now = platform_.clock.Now();
    Background& background = platform_.background;
    AfficherSauvegarde(BackupProgressText(destinations.front(), 0));
    // The first failure of the run stays shown once the others are done.
    auto failure = std::make_shared<std::string>();
    background.Start([this, &background, dataPath, destinations, thinning, now, password, failure] {
        for (const std::string& destination : destinations) {
            // Told again at each new percent only: the screen is not flooded.
            auto shown = std::make_shared<int>(0);
            const BackupProgress progress = [this, &background, destination, shown](
                                                std::uint64_t done, std::uint64_t total) {
                const int percent = BackupPercent(done, total);
                if (percent != *shown) {
                    *shown = percent;
                    background.Post([this, destination, percent] {
                        AfficherSauvegarde(BackupProgressText(destination, percent));
                    });
                }
            };
            const TimedBackup backup =
                BackUpTimed(dataPath, destination, now, thinning, progress, password);
            background.Post([this, backup, failure] {
                RecordBackup(data_.DataPath, backup.when, backup.result, backup.seconds, true);
                AfficherSauvegarde(BackupOutcomeText(backup), !backup.result.verified);
                if (!backup.result.verified && failure->empty()) {
                    *failure = BackupOutcomeText(backup);
                }
            });
        }
        background.Post([this, failure] {
            if (!failure->empty()) {
                AfficherSauvegarde(*failure, true);
            }
            sauvegardeEnCours_ = false;
            suiviSauvegarde_ = nullptr;
        });
    });
}

}  // namespace vantor
