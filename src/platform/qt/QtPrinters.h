#pragma once

#include "platform/Printers.h"

namespace vantor {

// The printers of the system (CUPS), followed by the till's own PDF printer
// (kPdfPrinterName), which is also the default when the system has none.
class QtPrinters : public Printers {
public:
    std::vector<std::string> List() const override;
    std::string DefaultName() const override;
};

}  // namespace vantor
