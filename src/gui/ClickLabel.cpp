#include "gui/ClickLabel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "gui/TillButton.h"
#include "platform/Control.h"

namespace vantor {

ClickLabel::ClickLabel(QWidget* parent)
    : QLabel(parent), longPress_(new LongPress(*this, [this] { HeldLong(); })) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    QPointer<ClickLabel> alive(this);
    const int button = ToolkitMouseButton(event->button());
    if (button != 0 && onMouseDown) {
        onMouseDown(button);
    }
    if (alive) {
        pressed_ = event->button() == Qt::LeftButton;
        if (pressed_ && isEnabled() && onMouseDown) {
            longPress_->Press(event->position().toPoint());
        }
    }
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event) {
    longPress_->Move(event->position().toPoint());
    QLabel::mouseMoveEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (longPress_->Holding()) {
        QPainter painter(this);
        longPress_->PaintProgress(painter, rect());
    }
}

void ClickLabel::HeldLong() {
    if (!onMouseDown) {
        return;
    }
    const int before = ModalsShown();
    QPointer<ClickLabel> alive(this);
    onMouseDown(vbRightButton);
    if (alive && ModalsShown() != before) {
        pressed_ = false;
    }
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    longPress_->Release();
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (!click || !isEnabled()) {
        return;
    }
    QPointer<ClickLabel> alive(this);
    if (onMouseUp) {
        onMouseUp(vbLeftButton, event->position().toPoint());
    }
    if (alive && onClick) {
        onClick();
    }
}

}  // namespace vantor
