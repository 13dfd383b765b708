#pragma once

#include <functional>

#include "platform/UserFolders.h"

namespace vantor {

// The user's folders on POSIX systems: the XDG environment, the user's
// user-dirs.dirs and the mount table.
class PosixUserFolders : public UserFolders {
public:
    // The environment variable of a name ("" when unset).
    using Environment = std::function<std::string(const char* name)>;
    PosixUserFolders(Environment environment, std::string mountTable)
        : environment_(std::move(environment)), mountTable_(std::move(mountTable)) {}

    std::string ApplicationData() override;
    std::string Configuration() override;
    std::string Home() override;
    std::string Pictures() override;
    std::vector<std::string> Drives() override;

private:
    std::string XdgFolder(const char* variable, const char* underHome);

    Environment environment_;
    std::string mountTable_;
};

}  // namespace vantor
