#include "platform/Printers.h"

namespace vantor {

std::unique_ptr<PageDevice> Printers::Open(const std::string& deviceName) {
    throw PrintError("L'imprimante \"" + deviceName + "\" n'est pas disponible.");
}

bool Printers::OpenDrawer(const std::string& /*deviceName*/) {
    return false;
}

const std::string& Printers::Current() {
    if (!started_) {
        current_ = DefaultName();
        started_ = true;
    }
    return current_;
}

bool Printers::Choose(const std::string& deviceName) {
    for (const std::string& name : List()) {
        if (name == deviceName) {
            Current();
            current_ = name;
            return true;
        }
    }
    return false;
}

}  // namespace vantor
