#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Desktop.h"
#include "platform/Services.h"

class QObject;
class QWidget;

namespace vantor {

// The system's on-screen keyboard (platform/Desktop.h): one process for the
// whole run, started at the first Show and asked to show itself at the next
// ones; hidden again once the focus goes to something that takes no text.
// When the program is not installed, and on any failure, it does nothing.
class QtKeyboard : public OnScreenKeyboard {
public:
    explicit QtKeyboard(const QString& program = kKeyboardProgram,
                        const QStringList& arguments = {});
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
    void WatchFocus();
    void FocusMoved(QWidget* now);

    std::unique_ptr<KeyboardProgram> program_;
    // The focus is followed while this lives.
    std::unique_ptr<QObject> focusWatch_;
    bool shown_ = false;
    int starts_ = 0;
};

}  // namespace vantor
