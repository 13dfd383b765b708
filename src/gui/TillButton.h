#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <functional>

#include "gui/LongPress.h"

namespace vantor {

// A command button drawn as the forms toolkit draws it: a flat face of exactly
// the model's colour, a raised bevel (sunken while pressed) and a centred
// caption that wraps onto several lines. Any mouse press is reported with the
// button pressed before the usual click; a long press (LongPress) reports the
// right button.
class TillButton : public QPushButton {
public:
    explicit TillButton(QWidget* parent);

    void SetColors(const QColor& face, const QColor& text);
    // A line drawn under the caption, smaller (a price) or, asLargeAsCaption,
    // of the caption's size (a parked total, read from afar); empty for none.
    void SetSecondLine(const QString& line, bool asLargeAsCaption = false);
    QString SecondLine() const { return secondLine_; }
    QFont SecondLineFont() const { return secondLineFont_; }
    QColor Face() const { return face_; }

    // Called with vbLeftButton or vbRightButton when the mouse is pressed.
    std::function<void(int button)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PaintBevel(QPainter& painter, bool sunken) const;
    void HeldLong();
    void SetSecondLineFont();

    LongPress* longPress_;
    QColor face_;
    QColor text_;
    QString secondLine_;
    bool secondLineLarge_ = false;
    QFont secondLineFont_;
};

// The toolkit's number for a Qt mouse button, 0 for buttons it does not know.
int ToolkitMouseButton(Qt::MouseButton button);

}  // namespace vantor
