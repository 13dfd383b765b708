#pragma once

#include <chrono>
#include <set>
#include <string>

#include "platform/Printers.h"

namespace vantor {

// The system's receipt printers without any toolkit: the raw CUPS queues,
// spoken to in ESC/POS, with the drawer wired to them. The first is the
// default. Page printers and the PDF printer need the Qt build.
class CupsPrinters : public Printers {
public:
    // How long a document may wait to be passed on to the printer; a drawer
    // whose printer has just let a document wait that long gets a short try
    // only, so that a silent printer does not hold the till twice over.
    static constexpr std::chrono::milliseconds kWait = std::chrono::seconds(10);
    static constexpr std::chrono::milliseconds kDrawerWaitAfterSilence = std::chrono::seconds(2);

    std::vector<std::string> List() const override;
    std::string DefaultName() const override;
    std::unique_ptr<PageDevice> Open(const std::string& deviceName) override;
    // Throws PrintError when CUPS cannot be asked whether the printer has a
    // drawer, as when the drawer cannot be reached.
    bool OpenDrawer(const std::string& deviceName) override;

private:
    // The job on the queue, noting whether the printer let it wait past the time.
    void Send(const std::string& queue, const std::string& bytes, std::chrono::milliseconds wait);

    std::set<std::string> silent_;  // queues whose last job was not passed on in time
};

}  // namespace vantor
