#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace vantor {

struct CommandLine;

// The data folder a command works on: --data-dir, or the remembered one;
// nullopt after telling err that it cannot be found.
std::optional<std::string> CommandFolder(const CommandLine& line, Settings& settings,
                                         std::ostream& err);

// `vantor verify [--data-dir DIR]`: checks the chain of the data folder
// (the remembered one without --data-dir) against its journal, event log and
// closures. Prints "Journal intact : N enregistrements, M clôtures" and
// returns 0, or "Journal altéré : " and the first broken record and returns
// 1; 2 for bad arguments or a folder that cannot be found. Reads only: it
// also runs while the till is open on the folder.
// With `--contre SOURCE` (several may be given), the local chain is also
// checked against each anchor that left the computer: a code N:HHHHHHHH read
// off a receipt or a Z report, an earlier signed archive, a backup folder;
// one line each, "Conforme à …" or "Non conforme à … : …", and 0 only when
// the folder is intact and every anchor agrees.
// `vantor verify FILE`: checks a signed archive alone, the same way.
int RunVerifyCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                     std::ostream& err);

// `vantor archive --du DD.MM.YYYY --au DD.MM.YYYY [--data-dir DIR] --out FILE`:
// writes the signed archive of the period. 0 when written, 1 when it could
// not be, 2 for bad arguments.
int RunArchiveCommand(const std::vector<std::string>& words, Settings& settings, std::ostream& out,
                      std::ostream& err);

}  // namespace vantor
