#pragma once

#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "staff/Personnel.h"

namespace vantor {

// The changes to the staff, made in memory, each keeping its rule; "" when
// made, otherwise why not, in French. A staff file is never left without a
// manager who can sign in: the first person is a "Responsable", and the last
// one is neither removed nor made a "Serveur".
std::string AjouterMembre(Personnel& personnel, std::string_view nom, Role role, const Pin& pin);
std::string RetirerMembre(Personnel& personnel, std::string_view nom);
std::string ChangerRole(Personnel& personnel, std::string_view nom, Role role);
std::string ChangerCode(Personnel& personnel, std::string_view nom, const Pin& pin);

// Saves a change: every name of the staff joins Serveurs.txt (the waiters
// list keeps showing the same people), Personnel.csv is rewritten, and the
// change goes into the event log, after "Gestion du personnel activée" when
// the staff file is new. Throws FileError when a file cannot be written;
// an event that cannot be is not the change's failure.
void EnregistrerPersonnel(const std::string& dataPath, const Personnel& personnel,
                          const DateTime& now, const std::string& type, const std::string& detail);

}  // namespace vantor
