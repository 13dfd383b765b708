#include "gui/TillFrame.h"

#include <QPainter>

namespace vantor {
namespace {

// The pixels a one-pixel pen draws around the rectangle (its right and bottom
// lines one past them), as four filled strips: the raster engine fills a
// strip at once, where it strokes an outline scan line by scan line down the
// whole frame.
void Outline(QPainter& painter, const QRect& rect, const QColor& color) {
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    painter.fillRect(rect.left(), rect.top(), rect.width() + 1, 1, color);
    painter.fillRect(rect.left(), bottom, rect.width() + 1, 1, color);
    painter.fillRect(rect.left(), rect.top() + 1, 1, rect.height() - 1, color);
    painter.fillRect(right, rect.top() + 1, 1, rect.height() - 1, color);
}

}  // namespace

void TillFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = title().isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -2, -2);
    Outline(painter, border, palette().color(QPalette::Mid));
    Outline(painter, border.translated(1, 1), palette().color(QPalette::Light));
    if (title().isEmpty()) {
        return;
    }
    const int margin = metrics.averageCharWidth();
    const QRect caption(margin, 0, metrics.horizontalAdvance(title()) + margin, metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::WindowText : QPalette::Mid));
    painter.drawText(caption, Qt::AlignCenter, title());
}

}  // namespace vantor
