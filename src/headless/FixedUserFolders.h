#pragma once

#include "platform/UserFolders.h"

namespace vantor {

// Folders given in advance, whatever the system: the scripted side of the
// user's folders.
class FixedUserFolders : public UserFolders {
public:
    std::string applicationData;
    std::string configuration;
    std::string home;
    std::string pictures;
    std::vector<std::string> drives;

    std::string ApplicationData() override { return applicationData; }
    std::string Configuration() override { return configuration; }
    std::string Home() override { return home; }
    std::string Pictures() override { return pictures; }
    std::vector<std::string> Drives() override { return drives; }
};

}  // namespace vantor
