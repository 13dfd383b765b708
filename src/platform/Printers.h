#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/PageDevice.h"

namespace vantor {

// The printer that writes PDF files into the folder "Impressions" of the data
// folder: listed after the installed printers, the default when there is none.
inline constexpr const char* kPdfPrinterName = "Vantor PDF";

// The receipt printer's roll and drawer, for the printers that speak ESC/POS:
// 58 mm paper holds 32 columns of the printer's font, 80 mm paper 48; the
// drawer is wired to pin 2 or pin 5 of the printer's drawer socket.
struct ReceiptPaper {
    int widthMm = 80;
    int drawerPin = 2;
    int Columns() const { return widthMm == 58 ? 32 : 48; }
    // Dots across the printable width, 8 a millimetre.
    int Dots() const { return widthMm == 58 ? 384 : 576; }
    friend bool operator==(const ReceiptPaper&, const ReceiptPaper&) = default;
};

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
    // Opens the cash drawer wired to the named printer. Returns false when the
    // printer has no drawer (a page printer); throws PrintError when it has one
    // that cannot be reached.
    virtual bool OpenDrawer(const std::string& deviceName);
    // The data folder, known once the till has started: the PDF printer
    // writes into it. Printers without one ignore it.
    virtual void SetDataFolder(const std::string& /*folder*/) {}

    const ReceiptPaper& Paper() const { return paper_; }
    void SetPaper(const ReceiptPaper& paper) { paper_ = paper; }

    const std::string& Current();
    // The first installed printer named exactly so becomes current; no match
    // leaves the current printer as it was. Returns whether it matched.
    bool Choose(const std::string& deviceName);

private:
    ReceiptPaper paper_;
    bool started_ = false;
    std::string current_;
};

// A system without printers the till can reach.
class NoPrinters : public Printers {
public:
    std::vector<std::string> List() const override { return {}; }
    std::string DefaultName() const override { return {}; }
};

}  // namespace vantor
