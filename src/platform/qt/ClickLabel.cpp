#include "platform/qt/ClickLabel.h"

#include <QMouseEvent>
#include <QPointer>

#include "platform/qt/TillButton.h"

namespace vantor {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    QPointer<ClickLabel> alive(this);
    const int button = ToolkitMouseButton(event->button());
    if (button != 0 && onMouseDown) {
        onMouseDown(button);
    }
    if (alive) {
        pressed_ = event->button() == Qt::LeftButton;
    }
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && isEnabled() && onClick) {
        onClick();
    }
}

}  // namespace vantor
