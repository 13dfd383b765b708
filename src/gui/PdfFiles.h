#pragma once

#include <memory>
#include <string>

#include "gui/QtPageDevice.h"
#include "platform/DateTime.h"
#include "platform/PageDevice.h"

namespace vantor {

// The next document of the PDF printer: a file of the folder (created when
// missing) named by the date and time now and a number, the first free one
// for that second: "2026-12-05_12-04-09_1.pdf", "2026-12-05_12-04-09_2.pdf".
// Throws PrintError.
std::unique_ptr<QtPageDevice> DatedPdfFile(const std::string& folder, const DateTime& now);

// The PDF files of a headless run (--pdf-dir): one per document, numbered in
// the order of the run and named after the printer: "001-Vantor PDF.pdf",
// "002-Cuisine.pdf". The folder is created when missing; files of an earlier
// run with the same names are replaced.
PdfDeviceFactory NumberedPdfFiles(const std::string& folder);

}  // namespace vantor
