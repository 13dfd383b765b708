#include "app/GuiApp.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <QTranslator>

#include "app/QtTill.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/QtSingleInstance.h"
#include "sales/frmMain.h"

namespace vantor {
namespace {

// A backup under way when the till is closed is finished first, and said so:
// its result still reaches the backup log and the event log, and the till
// does not seem gone while its program goes on.
void WaitForBackup(QtBackground& background) {
    if (!background.Busy()) {
        return;
    }
    QProgressDialog waiting(QString::fromUtf8("Sauvegarde en cours…\nLa caisse se fermera dès "
                                              "qu'elle sera terminée."),
                            QString(), 0, 0);
    waiting.setWindowTitle(QString::fromUtf8("Vantor"));
    waiting.setMinimumDuration(0);
    waiting.setWindowModality(Qt::ApplicationModal);
    waiting.show();
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!background.Busy()) {
            loop.quit();
        }
    });
    poll.start(100);
    loop.exec();
    QCoreApplication::processEvents();  // what the backup posted last: its result
}

int RunMainWindow(QApplication& application, QtSingleInstance& instance, Form& main,
                  QtBackground& background, bool exitWhenShown) {
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
    WaitForBackup(background);
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
    return RunMainWindow(application, started.instance, started.Main(), started.background,
                         exitWhenShown);
}

}  // namespace vantor
