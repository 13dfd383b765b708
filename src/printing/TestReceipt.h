#pragma once

#include "data/TillData.h"
#include "platform/Printers.h"

namespace vantor {

// The receipt that checks a printer's set-up, printed on the named printer:
// the shop's header, every accented letter and the euro sign, a QR code and a
// ruler of the paper's columns; then the drawer wired to it opens. Throws
// PrintError; the current printer is left as it was.
void PrintTestReceipt(Printers& printers, const std::string& printer, const InfosRecord& infos);

}  // namespace vantor
