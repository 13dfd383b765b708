#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "platform/Desktop.h"
#include "platform/Services.h"

class QObject;
class QWidget;

namespace vantor {

// The on-screen keyboard. Qt's virtual keyboard when it is the application's
// input method (UseVirtualKeyboard), else the system's program
// (platform/Desktop.h): one process for the whole run, started at the first
// Show and asked to show itself at the next ones. Either is hidden again once
// the focus goes to something that takes no text, and while it follows the
// text fields (the settings' keyboard option) it comes up for each one that
// takes the focus; otherwise it never comes up by itself. When the program
// is not installed, and on any failure, it does nothing.
class QtKeyboard : public OnScreenKeyboard {
public:
    explicit QtKeyboard(const QString& program = kKeyboardProgram,
                        const QStringList& arguments = {});
    ~QtKeyboard() override;
    QtKeyboard(const QtKeyboard&) = delete;
    QtKeyboard& operator=(const QtKeyboard&) = delete;

    // Before the application is made: Qt's virtual keyboard becomes its input
    // method when it is installed and the user chose no other
    // (QT_IM_MODULE). Whether it is the input method now.
    static bool UseVirtualKeyboard();

    void Show() override;
    void Hide();
    void FollowTextFields(bool on) override;

    bool Running() const;
    bool Shown() const { return shown_; }
    bool Following() const { return following_; }
    // How many times the program was started.
    int Starts() const { return starts_; }

private:
    void WatchFocus();
    void FocusMoved(QWidget* now);

    const bool virtualKeyboard_;
    std::unique_ptr<KeyboardProgram> program_;
    // The focus is followed while this lives; it also holds back the panel
    // the widgets ask for by themselves while no text field is followed.
    std::unique_ptr<QObject> focusWatch_;
    bool shown_ = false;
    bool following_ = false;
    int starts_ = 0;
};

}  // namespace vantor
