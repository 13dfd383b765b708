#include "gui/QtKeyboard.h"

#include <QApplication>
#include <QFileInfo>
#include <QInputMethod>
#include <QLibraryInfo>
#include <QWidget>
#include <functional>

#include "gui/Convert.h"
#include "gui/TouchHints.h"

namespace vantor {
namespace {

constexpr const char* kVirtualKeyboard = "qtvirtualkeyboard";

std::vector<std::string> ToStdList(const QStringList& list) {
    std::vector<std::string> texts;
    for (const QString& text : list) {
        texts.push_back(ToStd(text));
    }
    return texts;
}

bool IsVirtualKeyboardInputMethod() {
    return qEnvironmentVariable("QT_IM_MODULE") == QLatin1String(kVirtualKeyboard);
}

// Text is typed on the keyboard; an amount on the numeric pad beside it.
bool TypesLetters(const QWidget* widget) {
    return TakesText(widget) && !IsAmountField(widget);
}

// Watches the focus and the taps, the widgets asking for no input panel of
// their own: a tap on a field that takes letters brings the keyboard while it
// follows the text fields (the field may have the focus already); a tap on
// anything else (a button of the keypad, which never takes the focus, or an
// amount field, which has its numeric pad) puts it away.
class FocusWatch : public QObject {
public:
    FocusWatch(QtKeyboard& keyboard, std::function<void(QWidget*)> moved) : keyboard_(keyboard) {
        qApp->setAutoSipEnabled(false);
        connect(qApp, &QApplication::focusChanged, this,
                [moved](QWidget*, QWidget* now) { moved(now); });
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::MouseButtonRelease && widget != nullptr) {
            if (!TypesLetters(widget)) {
                keyboard_.Hide();
            } else if (keyboard_.Following()) {
                keyboard_.Show();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QtKeyboard& keyboard_;
};

}  // namespace

bool QtKeyboard::UseVirtualKeyboard() {
    if (qEnvironmentVariableIsEmpty("QT_IM_MODULE")) {
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               "/platforminputcontexts/libqtvirtualkeyboardplugin.so";
        if (QFileInfo::exists(plugin)) {
            qputenv("QT_IM_MODULE", kVirtualKeyboard);
        }
    }
    return IsVirtualKeyboardInputMethod();
}

QtKeyboard::QtKeyboard(const QString& program, const QStringList& arguments)
    : virtualKeyboard_(IsVirtualKeyboardInputMethod() && program == kKeyboardProgram),
      program_(MakeKeyboardProgram(ToStd(program), ToStdList(arguments))) {
    if (virtualKeyboard_ && qApp != nullptr) {
        WatchFocus();
    }
}

QtKeyboard::~QtKeyboard() = default;

bool QtKeyboard::Running() const {
    return virtualKeyboard_ || program_->Running();
}

void QtKeyboard::Show() {
    if (virtualKeyboard_) {
        QGuiApplication::inputMethod()->show();
    } else if (!Running()) {
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
    if (virtualKeyboard_) {
        // It may be up at a widget's own request, unknown to shown_.
        QGuiApplication::inputMethod()->hide();
    } else if (shown_ && Running()) {
        program_->Hide();
    }
    shown_ = false;
}

void QtKeyboard::FollowTextFields(bool on) {
    following_ = on;
    if (on) {
        WatchFocus();
        if (TypesLetters(QApplication::focusWidget())) {
            Show();
        }
    } else {
        Hide();
    }
}

void QtKeyboard::WatchFocus() {
    if (focusWatch_ == nullptr) {
        focusWatch_ =
            std::make_unique<FocusWatch>(*this, [this](QWidget* now) { FocusMoved(now); });
    }
}

// Between the request and the field that wants it the focus may pass through
// no widget at all: only a widget that takes no text hides the keyboard (an
// amount field too: the numeric pad comes instead).
void QtKeyboard::FocusMoved(QWidget* now) {
    if (now == nullptr) {
        return;
    }
    if (!TypesLetters(now)) {
        if (shown_ || virtualKeyboard_) {
            Hide();
        }
    } else if (following_) {
        Show();
    }
}

}  // namespace vantor
