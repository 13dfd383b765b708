#pragma once

#include "platform/Printers.h"

namespace vantor {

// The system's receipt printers without any toolkit: the raw CUPS queues,
// spoken to in ESC/POS, with the drawer wired to them. The first is the
// default. Page printers and the PDF printer need the Qt build.
class CupsPrinters : public Printers {
public:
    std::vector<std::string> List() const override;
    std::string DefaultName() const override;
    std::unique_ptr<PageDevice> Open(const std::string& deviceName) override;
    bool OpenDrawer(const std::string& deviceName) override;
};

}  // namespace vantor
