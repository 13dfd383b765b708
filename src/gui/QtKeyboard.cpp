#include "gui/QtKeyboard.h"

#include <QApplication>
#include <QWidget>

#include "gui/Convert.h"
#include "gui/TouchHints.h"

namespace vantor {
namespace {

std::vector<std::string> ToStdList(const QStringList& list) {
    std::vector<std::string> texts;
    for (const QString& text : list) {
        texts.push_back(ToStd(text));
    }
    return texts;
}

}  // namespace

QtKeyboard::QtKeyboard(const QString& program, const QStringList& arguments)
    : program_(MakeKeyboardProgram(ToStd(program), ToStdList(arguments))) {}

QtKeyboard::~QtKeyboard() = default;

bool QtKeyboard::Running() const {
    return program_->Running();
}

void QtKeyboard::Show() {
    if (!Running()) {
        if (!program_->Start()) {
            return;
        }
        WatchFocus();
        ++starts_;
    } else {
        program_->Show();
    }
    shown_ = true;
}

void QtKeyboard::Hide() {
    if (shown_ && Running()) {
        program_->Hide();
    }
    shown_ = false;
}

void QtKeyboard::WatchFocus() {
    if (focusWatch_ == nullptr) {
        focusWatch_ = std::make_unique<QObject>();
        QObject::connect(qApp, &QApplication::focusChanged, focusWatch_.get(),
                         [this](QWidget*, QWidget* now) { FocusMoved(now); });
    }
}

// Between the request and the field that wants it the focus may pass through
// no widget at all: only a widget that takes no text hides the keyboard.
void QtKeyboard::FocusMoved(QWidget* now) {
    if (shown_ && now != nullptr && !TakesText(now)) {
        Hide();
    }
}

}  // namespace vantor
