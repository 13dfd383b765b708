#include "app/QtTill.h"

namespace vantor {

QtTill::QtTill(const StartOptions& options) : till(StartTill(platform, instance, options)) {
    if (till.status == StartStatus::Running) {
        // The PDF printer writes its files into the data folder.
        printers.SetDataFolder(till.data->DataPath);
    }
}

}  // namespace vantor
