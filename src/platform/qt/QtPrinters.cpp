#include "platform/qt/QtPrinters.h"

#include <QPrinterInfo>

#include "platform/qt/Convert.h"

namespace vantor {

std::vector<std::string> QtPrinters::List() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(ToStd(name));
    }
    names.emplace_back(kPdfPrinterName);
    return names;
}

std::string QtPrinters::DefaultName() const {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? std::string(kPdfPrinterName) : ToStd(name);
}

}  // namespace vantor
