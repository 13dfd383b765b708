#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace vantor {

// `vantor personnel ajouter NAME --role Responsable|Serveur [--data-dir DIR]`,
// `vantor personnel liste [--data-dir DIR]` and
// `vantor personnel reinitialiser NAME [--data-dir DIR]`: the staff set up or
// recovered from the computer's own account. A new PIN is read twice from
// in, one line each, and is never shown. Refused while a till is open on the
// folder (its lock tells). 0 when done, 1 when refused, 2 for bad arguments
// or a folder that cannot be found.
int RunPersonnelCommand(const std::vector<std::string>& words, Settings& settings, Clock& clock,
                        std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace vantor
