#pragma once

#include <QString>
#include <QStringList>

#include "platform/Services.h"

class QProcess;
class QWidget;

namespace vantor {

// The "onboard" on-screen keyboard: one process for the whole run, started at
// the first Show and asked over the session bus to show itself at the next
// ones; hidden again once the focus goes to something that takes no text.
// When the program is not installed, and on any failure, it does nothing.
class QtKeyboard : public OnScreenKeyboard {
public:
    explicit QtKeyboard(QString program = "onboard", QStringList arguments = {});
    ~QtKeyboard() override;
    QtKeyboard(const QtKeyboard&) = delete;
    QtKeyboard& operator=(const QtKeyboard&) = delete;

    void Show() override;
    void Hide();

    bool Running() const;
    bool Shown() const { return shown_; }
    // How many times the program was started.
    int Starts() const { return starts_; }

private:
    void FocusMoved(QWidget* now);
    void Call(const char* method) const;

    QString program_;
    QStringList arguments_;
    QProcess* process_ = nullptr;
    bool shown_ = false;
    int starts_ = 0;
};

}  // namespace vantor
