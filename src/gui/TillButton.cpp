#include "gui/TillButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <algorithm>

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
    : QPushButton(parent),
      longPress_(new LongPress(*this, [this] { HeldLong(); })),
      face_(240, 240, 240),
      text_(Qt::black) {
    setFocusPolicy(Qt::NoFocus);
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TillButton::SetSecondLine(const QString& line, bool asLargeAsCaption) {
    if (line != secondLine_ || asLargeAsCaption != secondLineLarge_) {
        secondLine_ = line;
        secondLineLarge_ = asLargeAsCaption;
        SetSecondLineFont();
        update();
    }
}

// A price is written a fifth smaller than the caption, never bold; a large
// line as the caption is.
void TillButton::SetSecondLineFont() {
    secondLineFont_ = font();
    if (!secondLineLarge_) {
        secondLineFont_.setBold(false);
        secondLineFont_.setPixelSize(std::max(1, font().pixelSize() * 4 / 5));
    }
}

void TillButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        SetSecondLineFont();
    }
}

void TillButton::SetColors(const QColor& face, const QColor& text) {
    if (face == face_ && text == text_) {
        return;
    }
    face_ = face;
    text_ = text;
    update();
}

// The toolkit's 3D border: light on the top and left edges and dark on the
// bottom and right ones (swapped while pressed), a shade inside the dark side.
// Drawn with filled rectangles, the cheapest primitive of the raster engine.
void TillButton::PaintBevel(QPainter& painter, bool sunken) const {
    const int w = width();
    const int h = height();
    const QColor light = sunken ? Qt::black : Qt::white;
    const QColor dark = sunken ? Qt::white : Qt::black;
    const QColor shade = face_.darker(150);
    painter.fillRect(0, 0, w, 1, light);
    painter.fillRect(0, 0, 1, h, light);
    painter.fillRect(0, h - 1, w, 1, dark);
    painter.fillRect(w - 1, 0, 1, h, dark);
    if (sunken) {
        painter.fillRect(1, 1, w - 2, 1, shade);
        painter.fillRect(1, 1, 1, h - 2, shade);
    } else {
        painter.fillRect(1, h - 2, w - 2, 1, shade);
        painter.fillRect(w - 2, 1, 1, h - 2, shade);
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
    if (!secondLine_.isEmpty()) {
        painter.setFont(secondLineFont_);
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignBottom, secondLine_);
        area.setBottom(area.bottom() - QFontMetrics(secondLineFont_).height());
        painter.setFont(font());
    }
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    longPress_->PaintProgress(painter, rect().adjusted(2, 2, -2, -2));
}

void TillButton::mousePressEvent(QMouseEvent* event) {
    const int button = ToolkitMouseButton(event->button());
    QPointer<TillButton> alive(this);
    if (button != 0 && onMouseDown) {
        onMouseDown(button);
    }
    if (alive && event->button() == Qt::LeftButton && isEnabled()) {
        QPushButton::mousePressEvent(event);
        if (onMouseDown) {
            longPress_->Press(event->position().toPoint());
        }
    }
}

void TillButton::mouseMoveEvent(QMouseEvent* event) {
    longPress_->Move(event->position().toPoint());
    QPushButton::mouseMoveEvent(event);
}

void TillButton::mouseReleaseEvent(QMouseEvent* event) {
    longPress_->Release();
    QPushButton::mouseReleaseEvent(event);
}

// Held long: reported as a right press. When that opened a pop-up or a box,
// lifting the finger afterwards is no click.
void TillButton::HeldLong() {
    if (!onMouseDown) {
        return;
    }
    const int before = ModalsShown();
    QPointer<TillButton> alive(this);
    onMouseDown(vbRightButton);
    if (alive && ModalsShown() != before) {
        setDown(false);
    }
}

}  // namespace vantor
