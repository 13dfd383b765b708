#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <functional>

class QScrollBar;
class QWidget;

namespace vantor {

// A finger dragged sideways across a frame that scrolls by whole steps (the
// keypad and its scroll bar) moves it one whole column for each column's
// width the finger travels, and a quick flick at least one: through the scroll
// bar, so the model's scroll position does the paging. The button where the
// finger went down is then not clicked.
class SideSwipe : public QObject {
public:
    // pixelsPerStep: how wide one step of the bar (a column) is drawn.
    SideSwipe(QWidget& frame, QScrollBar& bar, std::function<double()> pixelsPerStep);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* child);
    void Press(const QPointF& at);
    bool Move(QObject* watched, const QPointF& at);
    bool Release(QObject* watched, const QPointF& at);
    int Target(double travelled, bool flick) const;

    QWidget& frame_;
    QScrollBar& bar_;
    std::function<double()> pixelsPerStep_;
    bool pressed_ = false;
    bool swiping_ = false;
    QPointF origin_;
    int startValue_ = 0;
    QElapsedTimer held_;
};

}  // namespace vantor
