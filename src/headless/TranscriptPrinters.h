#pragma once

#include <ostream>

#include "platform/Printers.h"

namespace vantor::headless {

// Other printers (the system's, --system-printers) seen through the
// transcript: the same list, default and documents, each operation of a
// document also written as a transcript line.
class TranscriptPrinters : public Printers {
public:
    TranscriptPrinters(std::ostream& transcript, Printers& printers)
        : out_(transcript), printers_(printers) {}
    std::vector<std::string> List() const override { return printers_.List(); }
    std::string DefaultName() const override { return printers_.DefaultName(); }
    std::unique_ptr<PageDevice> Open(const std::string& deviceName) override;
    bool OpenDrawer(const std::string& deviceName) override;
    void SetDataFolder(const std::string& folder) override { printers_.SetDataFolder(folder); }

private:
    std::ostream& out_;
    Printers& printers_;
};

}  // namespace vantor::headless
