#pragma once

#include <QBasicTimer>
#include <QElapsedTimer>
#include <QObject>

#include "platform/Form.h"

namespace vantor {

// Counts the time since the last touch, click or key anywhere in the
// application, and tells the main form of it every few seconds while no
// modal dialog is open (Form_Idle): what locks an idle till.
class IdleWatch : public QObject {
public:
    IdleWatch(Form& form, QObject* parent);
    ~IdleWatch() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    Form& form_;
    QElapsedTimer sinceInput_;
    QBasicTimer tick_;
};

}  // namespace vantor
