#pragma once

#include "platform/Services.h"

namespace vantor {

// Starting programs with QProcess. The application of a file type is the
// desktop's opener for it (platform/Desktop.h: xdg-open on a free desktop,
// the file association's program on Windows).
class QtShell : public Shell {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::string& error) override;
    // The full path of the opener when the file's type has an application;
    // empty when it has none (or the desktop lacks the tools to find it).
    std::string AssociatedApplication(const std::string& file) override;
};

}  // namespace vantor
