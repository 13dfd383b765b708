// One QApplication for every test of the process, set up as the program sets
// up its own. Offscreen unless the caller chose a display (the touch checks
// run on a real one). The binary also serves as the child process of the
// cross-process tests ("--child hold-instance FOLDER").
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gui/Application.h"
#include "gui/QtKeyboard.h"
#include "gui/QtSingleInstance.h"

namespace {

// The child's role: claims the folder, says so, then serves activation
// requests until killed (or for 30 seconds at most).
int HoldInstance(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    vantor::QtSingleInstance instance;
    auto say = [](const char* line) {
        std::printf("%s\n", line);
        std::fflush(stdout);
    };
    if (!instance.Claim(argv[3])) {
        say("busy");
        return 0;
    }
    instance.onActivateRequest = [&say] { say("activated"); };
    say("claimed");
    QTimer::singleShot(30000, &application, &QCoreApplication::quit);
    return application.exec();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child" && std::string(argv[2]) == "hold-instance") {
        return HoldInstance(argc, argv);
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // On a display, the keyboard the program uses there.
    if (std::string(std::getenv("QT_QPA_PLATFORM")) != "offscreen") {
        vantor::QtKeyboard::UseVirtualKeyboard();
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator translator;
    vantor::SetUpApplication(application, translator);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // Qt's virtual keyboard (6.4) destroys its panel after the application;
    // once the pointer went over the panel that aborts the process. The
    // results are written: the process ends here.
    std::fflush(nullptr);
    std::_Exit(status);
}
