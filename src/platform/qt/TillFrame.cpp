#include "platform/qt/TillFrame.h"

#include <QPainter>

namespace vantor {

void TillFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = title().isEmpty() ? 0 : metrics.height() / 2;
    const QRect border = rect().adjusted(0, top, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
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
