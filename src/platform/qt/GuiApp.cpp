#include "platform/qt/GuiApp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "platform/headless/SystemClock.h"
#include "platform/qt/DisplayScale.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/NumericPad.h"
#include "platform/qt/QtKeyboard.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtPrinters.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/TouchStyle.h"
#include "sales/frmMain.h"

namespace vantor {
namespace {

// Dates, calendars and Qt's own dialog texts in French, like the rest of the till.
void UseFrench(QApplication& application, QTranslator& translator) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    if (translator.load(QLocale(), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(&translator);
    }
}

int RunMainWindow(QApplication& application, QtSingleInstance& instance, Form& main,
                  bool exitWhenShown) {
    MainWindow window(main);
    instance.onActivateRequest = [&window] { window.BringToFront(); };
    QObject::connect(&window, &MainWindow::Finished, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (exitWhenShown) {
        QObject::connect(&window, &MainWindow::FirstPainted, &application,
                         [] { QTimer::singleShot(0, [] { QCoreApplication::exit(0); }); });
    }
    window.ShowForm();
    application.exec();
    instance.onActivateRequest = nullptr;
    return 0;
}

}  // namespace

void SetUpApplication(QApplication& application, QTranslator& translator) {
    QApplication::setApplicationName("Vantor");
    UseFrench(application, translator);
    UseTouchStyle(MinimumTouchPixels());
    NumericPad::Install();
    InstallFontSubstitutes();
}

int RunGui(int argc, char** argv, const StartOptions& options, bool exitWhenShown) {
    QApplication application(argc, argv);
    QTranslator translator;
    SetUpApplication(application, translator);

    QtUi ui;
    QtPrinters printers;
    QtSettings settings;
    QtShell shell;
    QtKeyboard keyboard;
    SystemClock clock;
    QtPictures pictures;
    QtSingleInstance instance;
    Platform platform{ui,       printers, settings, shell,
                      keyboard, clock,    pictures, SystemUserFolders()};

    Till till = StartTill(platform, instance, options);
    switch (till.status) {
        case StartStatus::OtherInstance:
            return 0;
        case StartStatus::Failed:
            return 1;
        case StartStatus::Running:
            break;
    }
    printers.SetDataFolder(till.data->DataPath);
    if (till.main->Closed()) {
        return 0;
    }
    return RunMainWindow(application, instance, *till.main, exitWhenShown);
}

}  // namespace vantor
