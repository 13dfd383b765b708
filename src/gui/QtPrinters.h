#pragma once

#include "cups/CupsPrinters.h"
#include "platform/Services.h"

namespace vantor {

// The printers of the system (CUPS), followed by the till's own PDF printer
// (kPdfPrinterName), which is also the default when the system has none. A
// CUPS queue without a driver is a receipt printer spoken to in ESC/POS,
// with the cash drawer wired to it (CupsPrinters).
class QtPrinters : public CupsPrinters {
public:
    // The clock dates the PDF printer's files.
    explicit QtPrinters(Clock& clock) : clock_(clock) {}

    std::vector<std::string> List() const override;
    std::string DefaultName() const override;
    // The PDF printer writes <data folder>/Impressions/<date>_<time>_<n>.pdf, n
    // counting the documents of the same second; any other name prints on the
    // installed printer of that name. Throws PrintError.
    std::unique_ptr<PageDevice> Open(const std::string& deviceName) override;
    // The PDF printer has no drawer, whether or not CUPS answers.
    bool OpenDrawer(const std::string& deviceName) override;
    void SetDataFolder(const std::string& folder) override { dataFolder_ = folder; }

private:
    Clock& clock_;
    std::string dataFolder_;
};

}  // namespace vantor
