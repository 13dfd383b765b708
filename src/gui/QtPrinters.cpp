#include "gui/QtPrinters.h"

#include <QDir>
#include <QPrinterInfo>
#include <algorithm>

#include "cups/CupsRaw.h"
#include "gui/Convert.h"
#include "gui/PdfFiles.h"

namespace vantor {

std::vector<std::string> QtPrinters::List() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(ToStd(name));
    }
    for (const std::string& raw : cups::RawQueues()) {
        if (std::find(names.begin(), names.end(), raw) == names.end()) {
            names.push_back(raw);
        }
    }
    names.emplace_back(kPdfPrinterName);
    return names;
}

std::string QtPrinters::DefaultName() const {
    const QString name = QPrinterInfo::defaultPrinterName();
    return name.isEmpty() ? std::string(kPdfPrinterName) : ToStd(name);
}

std::unique_ptr<PageDevice> QtPrinters::Open(const std::string& deviceName) {
    if (deviceName == kPdfPrinterName) {
        if (dataFolder_.empty()) {
            throw PrintError("Le dossier de données n'est pas encore connu.");
        }
        return DatedPdfFile(ToStd(QDir(ToQString(dataFolder_)).filePath("Impressions")),
                            clock_.Now());
    }
    if (cups::IsRawQueue(deviceName)) {
        return CupsPrinters::Open(deviceName);
    }
    if (std::unique_ptr<PageDevice> device = QtPageDevice::ForPrinter(deviceName)) {
        return device;
    }
    return Printers::Open(deviceName);
}

bool QtPrinters::OpenDrawer(const std::string& deviceName) {
    return deviceName != kPdfPrinterName && CupsPrinters::OpenDrawer(deviceName);
}

}  // namespace vantor
