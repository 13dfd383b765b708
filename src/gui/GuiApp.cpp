#include "gui/GuiApp.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include "gui/DisplayScale.h"
#include "gui/Fonts.h"
#include "gui/MainWindow.h"
#include "gui/NumericPad.h"
#include "gui/QtSingleInstance.h"
#include "gui/QtTill.h"
#include "gui/TouchStyle.h"
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

    QtTill started(options);
    switch (started.till.status) {
        case StartStatus::OtherInstance:
            return 0;
        case StartStatus::Failed:
            return 1;
        case StartStatus::Running:
            break;
    }
    if (started.Main().Closed()) {
        return 0;
    }
    return RunMainWindow(application, started.instance, started.Main(), exitWhenShown);
}

}  // namespace vantor
