// The program: the window, a headless run driven by a script, or a report.
#include <QGuiApplication>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/Arguments.h"
#include "app/Commands.h"
#include "app/GuiApp.h"
#include "app/HeadlessRun.h"
#include "gui/ChartPicture.h"
#include "gui/Fonts.h"
#include "gui/PdfFiles.h"
#include "gui/QtPictures.h"
#include "gui/QtPrinters.h"
#include "gui/QtSettings.h"
#include "gui/QtSingleInstance.h"
#include "gui/ReportPdfFile.h"
#include "platform/SystemClock.h"

namespace {

// Drawing pages (PDF files, the system's printers) needs fonts, hence a GUI
// application, on no display; a run that only writes the transcript does with
// the cheaper core application.
std::unique_ptr<QCoreApplication> HeadlessApplication(int& argc, char** argv,
                                                      const vantor::Arguments& arguments) {
    if (!arguments.pdfDir && !arguments.systemPrinters) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    vantor::InstallFontSubstitutes();
    return application;
}

}  // namespace

// Called by the `vantor` executable (Launcher.cpp), which loads this library
// for everything but a report of a given data folder.
extern "C" int VantorMain(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    {
        // Reads the data folder only: no application object, no single-instance lock.
        vantor::QtSettings settings;
        vantor::SystemClock clock;
        const vantor::ReportDrawers drawers{vantor::WriteReportPdfFile, vantor::WriteChartFile};
        if (std::optional<int> status = vantor::RunDataCommand(words, settings, clock, &drawers)) {
            return *status;
        }
    }
    std::optional<vantor::Arguments> arguments = vantor::ArgumentsOrUsage(words);
    if (!arguments) {
        return 2;
    }
    if (!arguments->headless) {
        return vantor::RunGui(argc, argv, arguments->start, arguments->exitWhenShown);
    }
    std::unique_ptr<QCoreApplication> application = HeadlessApplication(argc, argv, *arguments);
    vantor::QtSettings settings;
    vantor::QtSingleInstance instance;
    vantor::QtPictures pictures;
    vantor::SystemClock clock;
    vantor::PdfDeviceFactory pdfFiles;
    if (arguments->pdfDir) {
        pdfFiles = vantor::NumberedPdfFiles(*arguments->pdfDir);
    }
    // Only a run that draws pages has the fonts that the PDF files and the
    // charts need.
    const vantor::ReportDrawers drawers{vantor::WriteReportPdfFile, vantor::WriteChartFile};
    const bool draws = arguments->pdfDir || arguments->systemPrinters;
    return vantor::RunHeadless(
        *arguments, settings, instance, pictures, clock, pdfFiles,
        [](vantor::Clock& printClock) { return std::make_unique<vantor::QtPrinters>(printClock); },
        draws ? &drawers : nullptr);
}
