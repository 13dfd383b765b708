#pragma once

#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/DateTime.h"

namespace vantor {

// The per-user settings store (the registry on Windows). Keys look like
// "Settings/DataPath".
class Settings {
public:
    virtual ~Settings() = default;
    // The empty text when the value is missing.
    virtual std::string Read(const std::string& key) = 0;
    // Returns false when the store cannot be written.
    virtual bool Write(const std::string& key, const std::string& value) = 0;
};

// Starting other programs and opening documents.
class Shell {
public:
    virtual ~Shell() = default;
    // Starts the program with its arguments, each passed whole. Returns false
    // with the system's reason when it cannot be started.
    virtual bool Start(const std::string& program, const std::vector<std::string>& arguments,
                       std::string& error) = 0;
    // The application the desktop associates with the file's type; empty when none.
    virtual std::string AssociatedApplication(const std::string& file) = 0;
};

// The system's on-screen keyboard. Failures are ignored.
class OnScreenKeyboard {
public:
    virtual ~OnScreenKeyboard() = default;
    virtual void Show() = 0;
    // Whether it comes up by itself for every text field that takes the focus
    // (the keyboard option of the settings); where nothing is typed by hand,
    // nothing to do.
    virtual void FollowTextFields(bool on) { (void)on; }
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime Now() = 0;
};

// Reading pictures from image files.
class Pictures {
public:
    virtual ~Pictures() = default;
    // A picture with its natural size, or one that is not Loaded() when the
    // file cannot be read as a picture.
    virtual Picture Load(const std::string& path) = 0;
};

// Keeps a second process off the same data folder.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // Claims the data folder (which exists) for this process for the rest of
    // the run; false when another running instance holds it. The first claim
    // of a folder creates its lock file; a refused claim writes nothing.
    virtual bool Claim(const std::string& dataPath) = 0;
    // Asks the instance holding the folder to bring its window to the front.
    // Failures are ignored.
    virtual void ActivateOther(const std::string& dataPath) = 0;
};

}  // namespace vantor
