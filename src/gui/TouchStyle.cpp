#include "gui/TouchStyle.h"

#include <QApplication>
#include <QStyleFactory>
#include <algorithm>

#include "gui/TouchHints.h"

namespace vantor {

TouchStyle::TouchStyle(int touchPixels)
    : QProxyStyle(QStyleFactory::create("Fusion")), touch_(touchPixels) {}

QSize TouchStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
    QSize made = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (IsTouchTarget(type)) {
        made.setHeight(std::max(made.height(), touch_));
    }
    if (type == CT_PushButton) {
        made.setWidth(std::max(made.width(), touch_ * 2));
    }
    return made;
}

int TouchStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                            const QWidget* widget) const {
    switch (metric) {
        case PM_ScrollBarExtent:
            return std::max(QProxyStyle::pixelMetric(metric, option, widget), touch_ * 2 / 3);
        case PM_ScrollBarSliderMin:
            return touch_;
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return std::max(QProxyStyle::pixelMetric(metric, option, widget), touch_);
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QPalette TillPalette() {
    QPalette palette(QColor(240, 240, 240));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(233, 237, 243));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 90, 200));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    return palette;
}

void UseTouchStyle(int touchPixels) {
    auto* style = new TouchStyle(touchPixels);
    QApplication::setStyle(style);
    QApplication::setPalette(TillPalette());
}

}  // namespace vantor
