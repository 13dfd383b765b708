#include "app/GuiApp.h"

#include <QApplication>
#include <QTimer>
#include <QTranslator>

#include "app/QtTill.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/QtSingleInstance.h"
#include "sales/frmMain.h"

namespace vantor {
namespace {

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

int RunGui(int argc, char** argv, const StartOptions& options, bool exitWhenShown) {
    QtKeyboard::UseVirtualKeyboard();
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
