#include "gui/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "gui/DisplayScale.h"
#include "gui/Fonts.h"
#include "gui/NumericPad.h"
#include "gui/TouchStyle.h"

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

}  // namespace

void SetUpApplication(QApplication& application, QTranslator& translator) {
    QApplication::setApplicationName("Vantor");
    UseFrench(application, translator);
    UseTouchStyle(MinimumTouchPixels());
    NumericPad::Install();
    InstallFontSubstitutes();
}

}  // namespace vantor
