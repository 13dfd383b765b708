#include "platform/headless/TranscriptPrinters.h"

#include "platform/headless/TranscriptPrinting.h"

namespace vantor::headless {

std::unique_ptr<PageDevice> TranscriptPrinters::Open(const std::string& deviceName) {
    return std::make_unique<TranscriptPageDevice>(out_, deviceName, printers_.Open(deviceName));
}

}  // namespace vantor::headless
