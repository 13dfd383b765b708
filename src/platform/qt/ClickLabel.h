#pragma once

#include <QLabel>
#include <functional>

namespace vantor {

// A label or picture holder that reports mouse presses and clicks, as the
// toolkit's labels and images do.
class ClickLabel : public QLabel {
public:
    explicit ClickLabel(QWidget* parent);

    std::function<void(int button)> onMouseDown;
    std::function<void()> onClick;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace vantor
