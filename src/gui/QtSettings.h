#pragma once

#include "platform/Services.h"

namespace vantor {

// The per-user settings of the till, kept by QSettings for the organisation
// "Telvora" and the application "VantorW" (on Linux
// $XDG_CONFIG_HOME/Telvora/VantorW.conf). Keys look like "Settings/DataPath".
class QtSettings : public Settings {
public:
    std::string Read(const std::string& key) override;
    bool Write(const std::string& key, const std::string& value) override;
};

}  // namespace vantor
