#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace vantor {

// `vantor sauvegarder [--data-dir DIR] [--vers DESTINATION]...`: a verified
// backup of the data folder to each destination (those of the settings
// without --vers). 0 only when every one is verified, 1 otherwise, 2 for bad
// arguments or a data folder that cannot be found. May run while the till
// is open on the folder.
int RunBackupCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                     std::ostream& out, std::ostream& err);

// `vantor restaurer --depuis DESTINATION [--sauvegarde NAME] --data-dir DIR
// [--remplacer] [--malgre-tout]`: lists the backups found and restores one
// (the newest without --sauvegarde). 0 when restored, 1 when refused or
// failed, 2 for bad arguments.
int RunRestoreCommand(const std::vector<std::string>& words, Clock& clock, std::ostream& out,
                      std::ostream& err);

}  // namespace vantor
