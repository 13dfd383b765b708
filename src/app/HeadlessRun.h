#pragma once

#include <functional>
#include <memory>

#include "app/Arguments.h"
#include "platform/PageDevice.h"
#include "platform/Services.h"
#include "reports/ReportDrawers.h"

namespace vantor {

// A run without a display: start-up, then the script, with the transcript on
// standard output. Returns the exit status: 0 when the script ran to its end,
// 1 when a line could not run or the till could not start, 2 for a script
// file that cannot be read.
// pdfDevices makes the PDF file of each printed document (--pdf-dir);
// systemPrinters makes the system's printers of --system-printers, dating
// their files with the run's clock. drawers writes the PDF files and the
// charts of the reports' buttons; null where the run cannot draw.
using SystemPrintersFactory = std::function<std::unique_ptr<Printers>(Clock&)>;
int RunHeadless(const Arguments& arguments, Settings& settings, SingleInstance& instance,
                Pictures& pictures, Clock& systemClock, const PdfDeviceFactory& pdfDevices,
                const SystemPrintersFactory& systemPrinters,
                const ReportDrawers* drawers = nullptr);

}  // namespace vantor
