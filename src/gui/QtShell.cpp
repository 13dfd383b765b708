#include "gui/QtShell.h"

#include <QProcess>

#include "gui/Convert.h"
#include "platform/Desktop.h"

namespace vantor {

bool QtShell::Start(const std::string& program, const std::vector<std::string>& arguments,
                    std::string& error) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list.append(ToQString(argument));
    }
    QProcess process;
    process.setProgram(ToQString(program));
    process.setArguments(list);
    if (!process.startDetached()) {
        // Qt's own reason is in English; the program's name says which.
        error = "Le programme \"" + program + "\" n'a pas pu être lancé.";
        return false;
    }
    return true;
}

std::string QtShell::AssociatedApplication(const std::string& file) {
    return FileTypeOpener(file);
}

}  // namespace vantor
