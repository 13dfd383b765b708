#pragma once

#include <memory>
#include <string>
#include <vector>

namespace vantor {

// What the desktop offers the window beyond starting programs: the program
// that opens a file type and the on-screen keyboard. Each system has its own
// (gui/posix/ or platform/win32/, chosen when building).

// The program that opens files of this file's type: a full path that
// Shell::Start runs with the file as its one argument; empty when the type
// has none, or when the program named for it is not installed.
//   POSIX: xdg-open, when `xdg-mime query default <type>` names an installed
//   desktop entry (the desktop then starts its own choice).
//   Windows: the executable the file association of the extension names.
std::string FileTypeOpener(const std::string& file);

// The on-screen keyboard's program, one process for the whole run, ended
// with this object.
class KeyboardProgram {
public:
    virtual ~KeyboardProgram() = default;
    // Starts the program (a name looked up on the PATH, or a full path);
    // false when it is not installed or cannot be started.
    virtual bool Start() = 0;
    virtual bool Running() const = 0;
    // Ask the running program to show or hide itself; failures are ignored.
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

// The system's on-screen keyboard.
//   POSIX: "onboard", shown and hidden over the session bus.
//   Windows: "osk.exe"; a later Show restores its window if the user
//   minimised it, and Hide leaves it to the user (its own close button).
extern const char* const kKeyboardProgram;

std::unique_ptr<KeyboardProgram> MakeKeyboardProgram(const std::string& program,
                                                     const std::vector<std::string>& arguments);

}  // namespace vantor
