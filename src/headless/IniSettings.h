#pragma once

#include <string>

#include "platform/Services.h"

namespace vantor {

// The per-user settings kept in an INI file without any toolkit: "[Settings]"
// then "DataPath=...", read and written the way the Qt build's own store
// writes $XDG_CONFIG_HOME/Telvora/VantorW.conf, so both builds share the
// remembered data folder. Keys look like "Settings/DataPath"; the file is
// rewritten whole on each change (UTF-8).
class IniSettings : public Settings {
public:
    explicit IniSettings(std::string file) : file_(std::move(file)) {}
    std::string Read(const std::string& key) override;
    bool Write(const std::string& key, const std::string& value) override;

private:
    std::string file_;
};

// Reads one value as stored after "key=": quoted parts, backslash escapes and
// a leading "@@" undone.
std::string IniUnescape(const std::string& stored);
// The value as stored after "key=".
std::string IniEscape(const std::string& value);

}  // namespace vantor
