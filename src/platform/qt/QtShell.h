#pragma once

#include <QString>

#include "platform/Services.h"

namespace vantor {

// Starting programs with QProcess; the application of a file's type is the
// program of the desktop entry that `xdg-mime query default <type>` names.
class QtShell : public Shell {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::string& error) override;
    // The full path of the program, empty when there is none (or no xdg-mime).
    std::string AssociatedApplication(const std::string& file) override;
};

// The program a desktop entry runs: the first word of its Exec line (after
// "env" and its assignments), as a full path; empty when it cannot be found.
QString ProgramOfDesktopEntry(const QString& desktopFile);

}  // namespace vantor
