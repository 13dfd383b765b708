#pragma once

#include "platform/Services.h"

namespace vantor {

// Starting programs with QProcess. A file's type has an application when
// `xdg-mime query default <type>` names an installed desktop entry; the
// desktop's opener, xdg-open, then starts that application on the file.
class QtShell : public Shell {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments,
               std::string& error) override;
    // The full path of xdg-open when the file's type has an application;
    // empty when it has none (or the desktop lacks xdg-mime or xdg-open).
    std::string AssociatedApplication(const std::string& file) override;
};

}  // namespace vantor
