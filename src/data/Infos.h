#pragma once

#include <string>

#include "data/DataFiles.h"
#include "data/TillData.h"
#include "platform/Printers.h"

namespace vantor {

inline constexpr const char* kInfosFile = "Infos.txt";

// Fills the settings from Infos.txt (an empty file is created when there is
// none; lines past the 17th are ignored), gives the printers the receipt
// paper of ImprimanteTicket.txt, selects the receipt printer named in
// field 12 when it is installed, and makes "€" the currency when field 16 is empty.
void LireInfos(const std::string& dataPath, InfosRecord& infos, Printers& printers);
// The same settings, without choosing a printer.
void LireInfos(const std::string& dataPath, InfosRecord& infos, WhenMissing missing);
// Rewrites Infos.txt with its 17 lines.
void EcrireInfos(const std::string& dataPath, const InfosRecord& infos);

}  // namespace vantor
