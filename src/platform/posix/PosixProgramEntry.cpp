// The program's entry on POSIX systems: nothing to translate.
#include "platform/ProgramEntry.h"

namespace vantor {

std::vector<std::string> EnterProgram(int argc, char** argv) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>{};
}

}  // namespace vantor
