#include "gui/LongPress.h"

#include <QPainter>
#include <QTimerEvent>
#include <QWidget>
#include <algorithm>

#include "gui/QtSession.h"

namespace vantor {
namespace {

constexpr int kRepaintMs = 40;

// How far a finger may drift and still count as held, in pixels.
int DriftAllowed(const QWidget& widget) {
    return std::max(8, widget.height() / 4);
}

}  // namespace

void NoteModalShown() {
    ++QtSession::Current().modalsShown;
}

int ModalsShown() {
    return QtSession::Current().modalsShown;
}

LongPress::LongPress(QWidget& widget, std::function<void()> fired)
    : QObject(&widget), widget_(widget), fired_(std::move(fired)) {}

void LongPress::Press(const QPoint& at) {
    origin_ = at;
    holding_ = true;
    elapsed_.start();
    hold_.start(kHoldMs, this);
    repaint_.start(kRepaintMs, this);
}

void LongPress::timerEvent(QTimerEvent* event) {
    if (event->timerId() == hold_.timerId()) {
        Fire();
    } else if (event->timerId() == repaint_.timerId()) {
        widget_.update();
    } else {
        QObject::timerEvent(event);
    }
}

void LongPress::Move(const QPoint& at) {
    if (holding_ && (at - origin_).manhattanLength() > DriftAllowed(widget_)) {
        Stop();
    }
}

void LongPress::Release() {
    Stop();
}

void LongPress::Stop() {
    holding_ = false;
    hold_.stop();
    repaint_.stop();
    widget_.update();
}

void LongPress::Fire() {
    Stop();
    if (fired_) {
        fired_();
    }
}

void LongPress::PaintProgress(QPainter& painter, const QRect& area) const {
    if (!holding_) {
        return;
    }
    const double done = std::min(1.0, static_cast<double>(elapsed_.elapsed()) / kHoldMs);
    const int thickness = std::max(4, area.height() / 8);
    painter.fillRect(area.left(), area.bottom() - thickness + 1, qRound(area.width() * done),
                     thickness, QColor(0, 90, 200));
}

}  // namespace vantor
