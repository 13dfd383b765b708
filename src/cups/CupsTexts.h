#pragma once

#include <string>
#include <string_view>
#include <vector>

// CUPS answers in English: the status of a request, the keywords of a
// printer's state, and the messages of its backends (the programs that reach
// the printers). The till shows them through these tables, in French.
namespace vantor::cups {

// The status of a request (cupsLastError()); never empty: a status without
// its own words is named by its number.
std::string StatusText(int status);
// A keyword of printer-state-reasons ("media-empty-error"; the suffixes
// -report, -warning and -error are its weight): its French words, "" when it
// tells no trouble ("none", "other", CUPS's own bookkeeping).
std::string StateReasonText(std::string_view keyword);
// A message of CUPS's own backends ("The printer is not responding."): its
// French words, "" when it is not one of theirs.
std::string BackendMessageText(std::string_view message);
// What a printer's state says of its trouble: the first reason with words,
// else its message when it is CUPS's, else the message as the printer
// wrote it (a driver's own, quoted), else "".
std::string PrinterTrouble(const std::vector<std::string>& reasons, std::string_view message);

}  // namespace vantor::cups
