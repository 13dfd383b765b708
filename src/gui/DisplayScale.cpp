#include "gui/DisplayScale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "gui/QtSession.h"

namespace vantor {
namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kFingertipMillimetres = 9.0;

const QScreen* OrPrimary(const QScreen* screen) {
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

double NativeScale() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
    return dpi / kTwipsPerInch;
}

double FitScale(int widthTwips, int heightTwips, const QScreen* screen) {
    screen = OrPrimary(screen);
    if (screen == nullptr || widthTwips <= 0 || heightTwips <= 0) {
        return NativeScale();
    }
    const QRect area = screen->availableGeometry();
    return std::min(static_cast<double>(area.width()) / widthTwips,
                    static_cast<double>(area.height()) / heightTwips);
}

double SessionScale() {
    const double scale = QtSession::Current().scale;
    return scale > 0 ? scale : NativeScale();
}

void SetSessionScale(double pixelsPerTwip) {
    QtSession::Current().scale = pixelsPerTwip;
}

int FingertipPixels(double physicalDpi, double logicalDpi, double ratio) {
    // A screen that reports no size, or a nonsense one, counts as 96 dpi.
    if (!(physicalDpi >= 48 && physicalDpi <= 600)) {
        physicalDpi = 96.0;
    }
    // Logical pixels: the widgets' unit when the desktop scales them.
    const double perInch = std::max(physicalDpi / (ratio > 0 ? ratio : 1.0), logicalDpi);
    return static_cast<int>(std::lround(kFingertipMillimetres / kMillimetresPerInch * perInch));
}

int MinimumTouchPixels(const QScreen* screen) {
    screen = OrPrimary(screen);
    if (screen == nullptr) {
        return FingertipPixels(96.0, 96.0, 1.0);
    }
    return FingertipPixels(screen->physicalDotsPerInchY(), screen->logicalDotsPerInchY(),
                           screen->devicePixelRatio());
}

double DialogScale(int widthTwips, int heightTwips, int smallestTouchTwips) {
    const double scale = std::min(SessionScale(), FitScale(widthTwips, heightTwips));
    if (smallestTouchTwips <= 0) {
        return scale;
    }
    return std::max(scale, (MinimumTouchPixels() + 0.5) / smallestTouchTwips);
}

}  // namespace vantor
