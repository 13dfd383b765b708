#include "gui/TouchHints.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QTextEdit>

#include "gui/Convert.h"

namespace vantor {

namespace {

// Past the digits from `at`.
qsizetype SkipDigits(QStringView text, qsizetype at) {
    while (at < text.size() && text[at].isDigit()) {
        ++at;
    }
    return at;
}

}  // namespace

bool IsAmountField(const QWidget* widget) {
    const auto* edit = qobject_cast<const QLineEdit*>(widget);
    return edit != nullptr && edit->isEnabled() && !edit->isReadOnly() &&
           (edit->alignment() & Qt::AlignRight) != 0;
}

bool AsksForAmount(const std::string& proposed) {
    bool number = false;
    ToQString(proposed).toDouble(&number);  // spaces around it allowed
    return number;
}

// Words, then one number with its decimals, then at most a currency sign or
// a short unit; checked by hand, as every article button asks at start-up.
FaceAmount FaceAmountOf(const QString& tip) {
    const QString simple = tip.simplified();
    if (!IsAmountText(simple)) {
        return {};
    }
    const bool total = simple.front().isLetter() && simple.contains(u' ');
    return {total ? simple.section(u' ', 1) : simple, total};
}

bool IsAmountText(const QString& text) {
    const QString trimmed = text.trimmed();
    const QStringView view(trimmed);
    qsizetype at = 0;
    while (at < view.size() && !view[at].isDigit()) {
        ++at;
    }
    if (at == view.size()) {
        return false;
    }
    at = SkipDigits(view, at);
    if (at + 1 < view.size() && view[at] == u'.' && view[at + 1].isDigit()) {
        at = SkipDigits(view, at + 1);
    }
    while (at < view.size() && view[at].isSpace()) {
        ++at;
    }
    qsizetype after = 0;  // characters after the number, a surrogate pair counting as one
    for (; at < view.size(); ++at) {
        if (view[at].isDigit()) {
            return false;
        }
        after += view[at].isLowSurrogate() ? 0 : 1;
    }
    return after <= 3;
}

bool TakesText(const QWidget* widget) {
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
        qobject_cast<const QPlainTextEdit*>(widget) ||
        qobject_cast<const QAbstractSpinBox*>(widget)) {
        return true;
    }
    const auto* combo = qobject_cast<const QComboBox*>(widget);
    return combo != nullptr && combo->isEditable();
}

bool IsTapped(ControlKind kind) {
    switch (kind) {
        case ControlKind::Button:
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
        case ControlKind::DatePicker:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            return true;
        default:
            return false;
    }
}

bool IsTouchTarget(QStyle::ContentsType type) {
    switch (type) {
        case QStyle::CT_PushButton:
        case QStyle::CT_ToolButton:
        case QStyle::CT_LineEdit:
        case QStyle::CT_ComboBox:
        case QStyle::CT_SpinBox:
        case QStyle::CT_MenuItem:
        case QStyle::CT_MenuBarItem:
        case QStyle::CT_ItemViewItem:
        case QStyle::CT_CheckBox:
        case QStyle::CT_RadioButton:
            return true;
        default:
            return false;
    }
}

const Control* KeypadScrollBar(const Form& form) {
    for (const Control* control : form.Controls()) {
        const Control* frame = control->container;
        if (control->kind == ControlKind::HScrollBar && control->smallChange > 0 &&
            frame != nullptr && frame->kind == ControlKind::Frame && frame->container == nullptr) {
            return control;
        }
    }
    return nullptr;
}

}  // namespace vantor
