// The program's entry: the window, or a headless run driven by a script.
#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/Arguments.h"
#include "app/HeadlessRun.h"
#include "platform/headless/SystemClock.h"
#include "platform/qt/GuiApp.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/QtSingleInstance.h"

int main(int argc, char** argv) {
    std::string error;
    std::optional<vantor::Arguments> arguments =
        vantor::ParseArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!arguments) {
        std::cerr << error << '\n' << vantor::kUsage;
        return 2;
    }
    if (!arguments->headless) {
        return vantor::RunGui(argc, argv, arguments->start, arguments->exitWhenShown);
    }
    QCoreApplication application(argc, argv);
    vantor::QtSettings settings;
    vantor::QtSingleInstance instance;
    vantor::QtPictures pictures;
    vantor::SystemClock clock;
    return vantor::RunHeadless(*arguments, settings, instance, pictures, clock, {});
}
