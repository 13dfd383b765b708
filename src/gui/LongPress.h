#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <functional>

class QPainter;
class QRect;
class QWidget;

namespace vantor {

// A finger held still on a widget for a while acts as the right mouse button:
// touch screens have no other way to reach a pop-up. While the finger is held
// the widget paints a bar that fills up (PaintProgress); when it is full,
// fired runs. A finger that moves away cancels.
class LongPress : public QObject {
public:
    static constexpr int kHoldMs = 600;

    LongPress(QWidget& widget, std::function<void()> fired);

    void Press(const QPoint& at);
    void Move(const QPoint& at);
    // Ends the press (a press that fired already ended).
    void Release();
    bool Holding() const { return holding_; }
    // Draws the fill bar along the bottom of the area while the press is held.
    void PaintProgress(QPainter& painter, const QRect& area) const;

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void Stop();
    void Fire();

    QWidget& widget_;
    std::function<void()> fired_;
    // Plain timers: every keypad button has its long press, and a timer
    // object each would cost the start-up for presses that mostly never come.
    QBasicTimer hold_;
    QBasicTimer repaint_;
    QElapsedTimer elapsed_;
    QPoint origin_;
    bool holding_ = false;
};

// Counts the modal boxes, dialogs and pop-up menus shown: a long press whose
// right-button handler opened one must not also click when the finger lifts.
void NoteModalShown();
int ModalsShown();

}  // namespace vantor
