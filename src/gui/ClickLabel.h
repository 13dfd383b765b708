#pragma once

#include <QLabel>
#include <QPoint>
#include <functional>

#include "gui/LongPress.h"

namespace vantor {

// A label or picture holder that reports mouse presses and clicks, as the
// toolkit's labels and images do; a long press reports the right button.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent);

    std::function<void(int button)> onMouseDown;
    std::function<void()> onClick;
    // A left press released inside the label, at that point (before onClick).
    std::function<void(int button, QPoint at)> onMouseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void HeldLong();

    LongPress* longPress_;
    bool pressed_ = false;
};

}  // namespace vantor
