#include "gui/IdleWatch.h"

#include <QApplication>
#include <QEvent>
#include <QTimerEvent>

#include "gui/Events.h"

namespace vantor {

namespace {

constexpr int kTickMs = 5000;

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

}  // namespace

IdleWatch::IdleWatch(Form& form, QObject* parent) : QObject(parent), form_(form) {
    sinceInput_.start();
    qApp->installEventFilter(this);
    tick_.start(kTickMs, this);
}

IdleWatch::~IdleWatch() {
    qApp->removeEventFilter(this);
}

bool IdleWatch::eventFilter(QObject* watched, QEvent* event) {
    if (IsInput(event->type())) {
        sinceInput_.restart();
    }
    return QObject::eventFilter(watched, event);
}

void IdleWatch::timerEvent(QTimerEvent* event) {
    if (event->timerId() != tick_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    if (QApplication::activeModalWidget() != nullptr || form_.Closed()) {
        return;
    }
    const int seconds = static_cast<int>(sinceInput_.elapsed() / 1000);
    DeliverEvent([this, seconds] { form_.Form_Idle(seconds); });
}

}  // namespace vantor
