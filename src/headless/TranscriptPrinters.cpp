#include "headless/TranscriptPrinters.h"

#include "headless/ScriptLine.h"
#include "headless/TranscriptPrinting.h"

namespace vantor::headless {

std::unique_ptr<PageDevice> TranscriptPrinters::Open(const std::string& deviceName) {
    printers_.SetPaper(Paper());
    return std::make_unique<TranscriptPageDevice>(out_, deviceName, printers_.Open(deviceName));
}

bool TranscriptPrinters::OpenDrawer(const std::string& deviceName) {
    printers_.SetPaper(Paper());
    if (!printers_.OpenDrawer(deviceName)) {
        return false;
    }
    out_ << "drawer " << Quote(deviceName) << '\n';
    return true;
}

}  // namespace vantor::headless
