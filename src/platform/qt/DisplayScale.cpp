#include "platform/qt/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace vantor {
namespace {

constexpr double kTwipsPerInch = 1440.0;
double sessionScale = 0;

}  // namespace

double NativeScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
    return dpi / kTwipsPerInch;
}

double FitScale(int widthTwips, int heightTwips) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || widthTwips <= 0 || heightTwips <= 0) {
        return NativeScale();
    }
    const QRect area = screen->availableGeometry();
    return std::min(static_cast<double>(area.width()) / widthTwips,
                    static_cast<double>(area.height()) / heightTwips);
}

double SessionScale() {
    return sessionScale > 0 ? sessionScale : NativeScale();
}

void SetSessionScale(double pixelsPerTwip) {
    sessionScale = pixelsPerTwip;
}

double DialogScale(int widthTwips, int heightTwips) {
    return std::min(SessionScale(), FitScale(widthTwips, heightTwips));
}

}  // namespace vantor
