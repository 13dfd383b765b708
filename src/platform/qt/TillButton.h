#pragma once

#include <QColor>
#include <QPushButton>
#include <functional>

namespace vantor {

// A command button drawn as the forms toolkit draws it: a flat face of exactly
// the model's colour, a raised bevel (sunken while pressed) and a centred
// caption that wraps onto several lines. Any mouse press is reported with the
// button pressed before the usual click.
class TillButton : public QPushButton {
public:
    explicit TillButton(QWidget* parent);

    void SetColors(const QColor& face, const QColor& text);
    QColor Face() const { return face_; }

    // Called with vbLeftButton or vbRightButton when the mouse is pressed.
    std::function<void(int button)> onMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void PaintBevel(QPainter& painter, bool sunken) const;

    QColor face_;
    QColor text_;
};

// The toolkit's number for a Qt mouse button, 0 for buttons it does not know.
int ToolkitMouseButton(Qt::MouseButton button);

}  // namespace vantor
