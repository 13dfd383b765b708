// This system's folders on POSIX systems: the process's environment and the
// kernel's mount table.
#include <cstdlib>

#include "platform/posix/PosixUserFolders.h"

namespace vantor {

namespace {

std::string ProcessEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? "" : value;
}

}  // namespace

UserFolders& SystemUserFolders() {
    static PosixUserFolders folders(ProcessEnvironment, "/proc/mounts");
    return folders;
}

}  // namespace vantor
