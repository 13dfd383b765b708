#pragma once

#include "gui/QtBackground.h"
#include "gui/QtKeyboard.h"
#include "gui/QtPictures.h"
#include "gui/QtPrinters.h"
#include "gui/QtSession.h"
#include "gui/QtSettings.h"
#include "gui/QtShell.h"
#include "gui/QtSingleInstance.h"
#include "gui/QtUi.h"
#include "platform/SystemClock.h"
#include "reports/ReportDrawers.h"
#include "startup/Startup.h"

namespace vantor {

// The till started on the Qt platform, with the services it runs on (made
// first, gone last): what the program, the touch checks and the benchmarks
// show in a window. The QApplication must exist already; `till.status` tells
// whether the start went through.
struct QtTill {
    explicit QtTill(const StartOptions& options);
    // A backup still under way ends while the windows are still there.
    ~QtTill() { background.Join(); }
    QtTill(const QtTill&) = delete;
    QtTill& operator=(const QtTill&) = delete;

    frmMain& Main() const { return *till.main; }

    QtSession session;  // before the windows, gone after them
    QtUi ui;
    SystemClock clock;
    QtPrinters printers{clock};
    QtSettings settings;
    QtShell shell;
    QtKeyboard keyboard;
    QtPictures pictures;
    QtSingleInstance instance;
    QtBackground background;
    ReportDrawers drawers;  // the PDF files and charts of the reports
    Platform platform{
        ui, printers, settings, shell, keyboard, clock, pictures, SystemUserFolders(), background};
    Till till;
};

}  // namespace vantor
