#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace vantor {

// The one look of the till on every desktop: Qt's Fusion style with the till's
// palette, and every button, field, list row, menu entry and scroll bar at
// least a fingertip (MinimumTouchPixels) high.
class TouchStyle : public QProxyStyle {
public:
    explicit TouchStyle(int touchPixels);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    int touch_;
};

// Light grey faces like the forms' default colour, white fields, a strong
// blue for the selection and the focus.
QPalette TillPalette();

// Sets the style and palette for the whole application (once per run).
void UseTouchStyle(int touchPixels);

}  // namespace vantor
