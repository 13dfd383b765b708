#include "platform/qt/QtKeyboard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTextEdit>

namespace vantor {
namespace {

bool TakesText(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget)) {
        return true;
    }
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo != nullptr && combo->isEditable();
}

}  // namespace

QtKeyboard::QtKeyboard(QString program, QStringList arguments)
    : program_(std::move(program)), arguments_(std::move(arguments)) {}

QtKeyboard::~QtKeyboard() {
    if (process_ != nullptr) {
        process_->kill();
        process_->waitForFinished(1000);
        delete process_;
    }
}

bool QtKeyboard::Running() const {
    return process_ != nullptr && process_->state() != QProcess::NotRunning;
}

void QtKeyboard::Show() {
    if (!Running()) {
        const QString found = QStandardPaths::findExecutable(program_);
        if (found.isEmpty()) {
            return;
        }
        if (process_ == nullptr) {
            process_ = new QProcess;
            QObject::connect(qApp, &QApplication::focusChanged, process_,
                             [this](QWidget*, QWidget* now) { FocusMoved(now); });
        }
        process_->start(found, arguments_);
        ++starts_;
    } else {
        Call("Show");
    }
    shown_ = true;
}

void QtKeyboard::Hide() {
    if (shown_ && Running()) {
        Call("Hide");
    }
    shown_ = false;
}

// Between the request and the field that wants it the focus may pass through
// no widget at all: only a widget that takes no text hides the keyboard.
void QtKeyboard::FocusMoved(QWidget* now) {
    if (shown_ && now != nullptr && !TakesText(now)) {
        Hide();
    }
}

void QtKeyboard::Call(const char* method) const {
    QDBusConnection::sessionBus().send(
        QDBusMessage::createMethodCall("org.onboard.Onboard", "/org/onboard/Onboard/Keyboard",
                                       "org.onboard.Onboard.Keyboard", method));
}

}  // namespace vantor
