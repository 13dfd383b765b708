#include "platform/qt/TillButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/Control.h"

namespace vantor {

int ToolkitMouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return vbLeftButton;
        case Qt::RightButton:
            return vbRightButton;
        default:
            return 0;
    }
}

TillButton::TillButton(QWidget* parent)
    : QPushButton(parent), face_(240, 240, 240), text_(Qt::black) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TillButton::SetColors(const QColor& face, const QColor& text) {
    if (face == face_ && text == text_) {
        return;
    }
    face_ = face;
    text_ = text;
    update();
}

void TillButton::PaintBevel(QPainter& painter, bool sunken) const {
    const QRect r = rect().adjusted(0, 0, -1, -1);
    const QColor light = sunken ? Qt::black : Qt::white;
    const QColor dark = sunken ? Qt::white : Qt::black;
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(face_.darker(150));
    const QRect inner = r.adjusted(1, 1, -1, -1);
    if (sunken) {
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
    } else {
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
    }
}

void TillButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), face_);
    const bool sunken = isDown() || isChecked();
    PaintBevel(painter, sunken);
    painter.setFont(font());
    painter.setPen(isEnabled() ? text_ : face_.darker(160));
    QRect area = rect().adjusted(3, 3, -3, -3);
    if (sunken) {
        area.translate(1, 1);
    }
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

void TillButton::mousePressEvent(QMouseEvent* event) {
    const int button = ToolkitMouseButton(event->button());
    QPointer<TillButton> alive(this);
    if (button != 0 && onMouseDown) {
        onMouseDown(button);
    }
    if (alive && event->button() == Qt::LeftButton && isEnabled()) {
        QPushButton::mousePressEvent(event);
    }
}

}  // namespace vantor
