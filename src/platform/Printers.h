#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/PageDevice.h"

namespace vantor {

// The printer that writes PDF files into the folder "Impressions" of the data
// folder: listed after the installed printers, the default when there is none.
inline constexpr const char* kPdfPrinterName = "Vantor PDF";

// The installed printers and the current printer of the run. The list comes
// from the platform; the current printer starts as the platform's default and
// changes only through Choose.
class Printers {
public:
    virtual ~Printers() = default;
    // Device names, in the order the system lists them.
    virtual std::vector<std::string> List() const = 0;
    virtual std::string DefaultName() const = 0;

    // Starts a document on the named printer. Throws PrintError.
    virtual std::unique_ptr<PageDevice> Open(const std::string& deviceName);

    const std::string& Current();
    // The first installed printer named exactly so becomes current; no match
    // leaves the current printer as it was. Returns whether it matched.
    bool Choose(const std::string& deviceName);

private:
    bool started_ = false;
    std::string current_;
};

}  // namespace vantor
