#pragma once

#include <string>

namespace vantor {

// Whether the event log says staff management is on: its last "Gestion du
// personnel activée" comes after its last "Gestion du personnel
// désactivée". So a staff file deleted behind the till's back is noticed.
bool JournalDitPersonnelActive(const std::string& dataPath);

}  // namespace vantor
