#pragma once

#include <string>
#include <vector>

namespace vantor {

// What a program run to its end left: its exit code and what it wrote.
struct ProgramOutput {
    bool started = false;
    std::string notStarted;  // the system's reason, when it could not be started
    int exitCode = -1;       // -1 when killed by a signal
    std::string out;
    std::string err;
};

// Runs other programs to their end and reads what they say (a backup tool).
class Programs {
public:
    virtual ~Programs() = default;
    // The program is looked for in the PATH; its environment is this
    // process's. Each argument is passed whole; workingFolder "" keeps ours.
    virtual ProgramOutput Run(const std::string& program, const std::vector<std::string>& arguments,
                              const std::string& workingFolder) = 0;
};

// The system's own.
Programs& SystemPrograms();

}  // namespace vantor
