#include "gui/SideSwipe.h"

#include <QAbstractButton>
#include <QChildEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gui/DisplayScale.h"
#include "gui/LongPress.h"

namespace vantor {
namespace {

// A move this quick, however short, is a flick.
constexpr qint64 kFlickMs = 300;

// The finger now swipes: the button under it is no longer pressed, nor held
// for a long press (which would open its pop-up).
void Unpress(QObject* watched) {
    if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
        button->setDown(false);
    }
    for (QObject* child : watched->children()) {
        if (auto* hold = dynamic_cast<LongPress*>(child)) {
            hold->Release();
        }
    }
}

}  // namespace

SideSwipe::SideSwipe(QWidget& frame, QScrollBar& bar, std::function<double()> pixelsPerStep)
    : QObject(&bar), frame_(frame), bar_(bar), pixelsPerStep_(std::move(pixelsPerStep)) {
    frame_.installEventFilter(this);
    for (QObject* child : frame_.children()) {
        Watch(child);
    }
}

void SideSwipe::Watch(QObject* child) {
    if (child != &bar_ && child->isWidgetType()) {
        child->installEventFilter(this);
    }
}

bool SideSwipe::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ChildAdded:
            if (watched == &frame_) {
                Watch(static_cast<QChildEvent*>(event)->child());
            }
            return false;
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                Press(static_cast<QMouseEvent*>(event)->globalPosition());
            }
            return false;
        case QEvent::MouseMove:
            return Move(watched, static_cast<QMouseEvent*>(event)->globalPosition());
        case QEvent::MouseButtonRelease:
            return Release(watched, static_cast<QMouseEvent*>(event)->globalPosition());
        default:
            return false;
    }
}

void SideSwipe::Press(const QPointF& at) {
    pressed_ = true;
    swiping_ = false;
    origin_ = at;
    startValue_ = bar_.value();
    held_.start();
}

// Sideways further than half a fingertip, and more sideways than down: a swipe.
bool SideSwipe::Move(QObject* watched, const QPointF& at) {
    if (!pressed_) {
        return false;
    }
    const QPointF moved = at - origin_;
    if (!swiping_ && std::abs(moved.x()) > MinimumTouchPixels(frame_.screen()) / 2.0 &&
        std::abs(moved.x()) > std::abs(moved.y())) {
        swiping_ = true;
        Unpress(watched);
    }
    if (swiping_) {
        bar_.setValue(Target(moved.x(), false));
    }
    return swiping_;
}

bool SideSwipe::Release(QObject* watched, const QPointF& at) {
    const bool swiped = swiping_;
    if (swiped) {
        bar_.setValue(Target(at.x() - origin_.x(), held_.elapsed() < kFlickMs));
        Unpress(watched);
    }
    pressed_ = false;
    swiping_ = false;
    return swiped;  // the finger lifted off a swipe: no click
}

// The finger going left shows the columns to the right.
int SideSwipe::Target(double travelled, bool flick) const {
    const double column = std::max(1.0, pixelsPerStep_());
    long steps = std::lround(-travelled / column);
    if (flick && steps == 0) {
        steps = travelled < 0 ? 1 : -1;
    }
    const int value = startValue_ + static_cast<int>(steps) * bar_.singleStep();
    return std::clamp(value, bar_.minimum(), bar_.maximum());
}

}  // namespace vantor
