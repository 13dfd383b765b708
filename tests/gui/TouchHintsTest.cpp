// What the window reads from how the forms show their controls (gui/TouchHints):
// each hint asked about widgets and controls as the forms make them.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>
#include <functional>

#include "gui/TouchHints.h"

namespace vantor::test {
namespace {

// A line edit aligned as given, then changed by adjust.
bool AmountField(Qt::Alignment alignment, const std::function<void(QLineEdit&)>& adjust = {}) {
    QLineEdit edit;
    edit.setAlignment(alignment);
    if (adjust) {
        adjust(edit);
    }
    return IsAmountField(&edit);
}

template <typename Widget>
bool TakesTextOf(const std::function<void(Widget&)>& adjust = {}) {
    Widget widget;
    if (adjust) {
        adjust(widget);
    }
    return TakesText(&widget);
}

// Whether the keypad's bar is found on a form with a frame (in a frame when
// nested) holding a sideways bar that steps by `step`.
bool KeypadBarFound(ControlKind holder, bool nested, int step) {
    Form form("frmTest");
    Control* container = &form.Add(holder, "fraOuter");
    if (nested) {
        container = &form.Add(ControlKind::Frame, "fraInner", -1, container);
    }
    Control& bar = form.Add(ControlKind::HScrollBar, "Scroll", -1, container);
    bar.smallChange = step;
    return KeypadScrollBar(form) == &bar;
}

bool AmountTip(const char* tip) {
    return IsAmountText(QString::fromUtf8(tip));
}

// Whether the tip goes on the button's face as `text`, large or not.
bool OnFace(const char* tip, const char* text, bool large) {
    const FaceAmount face = FaceAmountOf(QString::fromUtf8(tip));
    return face.text == QString::fromUtf8(text) && face.large == large;
}

struct Row {
    const char* what;
    std::function<bool()> hint;
    bool expected;
};

TEST(TouchHints, EachReadsWhatTheFormsShowAsTheirMeaning) {
    using Edit = QLineEdit&;
    const Row rows[] = {
        // The numeric pad: an amount field is a right-aligned line edit one can type in.
        {"a right-aligned field", [] { return AmountField(Qt::AlignRight); }, true},
        {"a right-aligned field, centred down",
         [] { return AmountField(Qt::AlignRight | Qt::AlignVCenter); }, true},
        {"a left-aligned field", [] { return AmountField(Qt::AlignLeft); }, false},
        {"a centred field", [] { return AmountField(Qt::AlignHCenter); }, false},
        {"a read-only right-aligned field",
         [] { return AmountField(Qt::AlignRight, [](Edit e) { e.setReadOnly(true); }); }, false},
        {"a disabled right-aligned field",
         [] { return AmountField(Qt::AlignRight, [](Edit e) { e.setEnabled(false); }); }, false},
        {"a spin box",
         [] {
             QSpinBox box;
             return IsAmountField(&box);
         },
         false},
        {"no widget", [] { return IsAmountField(nullptr); }, false},
        // An input box proposing a number asks for an amount.
        {"the proposed answer 12.50", [] { return AsksForAmount("12.50"); }, true},
        {"the proposed answer \" 3 \"", [] { return AsksForAmount(" 3 "); }, true},
        {"the proposed answer -0.5", [] { return AsksForAmount("-0.5"); }, true},
        {"the proposed answer 12,50", [] { return AsksForAmount("12,50"); }, false},
        {"the proposed answer Croque", [] { return AsksForAmount("Croque"); }, false},
        {"no proposed answer", [] { return AsksForAmount(""); }, false},
        // Only a tool tip that is an amount goes onto the button's face.
        {"the tip 2.50", [] { return AmountTip("2.50"); }, true},
        {"the tip 12", [] { return AmountTip("12"); }, true},
        {"a parked table's total", [] { return AmountTip("Total              €     7.00"); }, true},
        {"the tip \" -3.20 CHF \"", [] { return AmountTip(" -3.20 CHF "); }, true},
        {"the tip 12.", [] { return AmountTip("12."); }, true},
        {"the tip 4.50 EUR", [] { return AmountTip("4.50 EUR"); }, true},
        {"the tip Imprimer ticket", [] { return AmountTip("Imprimer ticket"); }, false},
        {"the tip Bon Cuisine", [] { return AmountTip("Bon Cuisine"); }, false},
        {"no tip", [] { return AmountTip(""); }, false},
        {"a price with words after it", [] { return AmountTip("2.50 le verre de 25 cl"); }, false},
        {"a price with a long unit", [] { return AmountTip("4.50 EURO"); }, false},
        {"the tip 1.2.3", [] { return AmountTip("1.2.3"); }, false},
        {"the tip 12 x 3", [] { return AmountTip("12 x 3"); }, false},
        {"the tip 12. EUR", [] { return AmountTip("12. EUR"); }, false},
        // A price goes on the face as it is, a total without its word and large.
        {"a price on the face", [] { return OnFace(" 2.50 ", "2.50", false); }, true},
        {"a price and its unit on the face", [] { return OnFace("4.50 EUR", "4.50 EUR", false); },
         true},
        {"a table's total on the face, large",
         [] { return OnFace("Total              €     7.00", "€ 7.00", true); }, true},
        {"a negative amount on the face", [] { return OnFace(" -3.20 CHF ", "-3.20 CHF", false); },
         true},
        {"no amount, nothing on the face", [] { return OnFace("Bon Cuisine", "", false); }, true},
        // The on-screen keyboard stays up on what takes text.
        {"a line edit takes text", [] { return TakesTextOf<QLineEdit>(); }, true},
        {"a text edit takes text", [] { return TakesTextOf<QTextEdit>(); }, true},
        {"a plain text edit takes text", [] { return TakesTextOf<QPlainTextEdit>(); }, true},
        {"a spin box takes text", [] { return TakesTextOf<QSpinBox>(); }, true},
        {"a date takes text", [] { return TakesTextOf<QDateEdit>(); }, true},
        {"an editable combo box takes text",
         [] { return TakesTextOf<QComboBox>([](QComboBox& c) { c.setEditable(true); }); }, true},
        {"a combo box to choose from", [] { return TakesTextOf<QComboBox>(); }, false},
        {"a button", [] { return TakesTextOf<QPushButton>(); }, false},
        {"a list", [] { return TakesTextOf<QListWidget>(); }, false},
        {"no widget takes no text", [] { return TakesText(nullptr); }, false},
        // A finger must hit these controls, so they are a fingertip high at least.
        {"a button is tapped", [] { return IsTapped(ControlKind::Button); }, true},
        {"a text box is tapped", [] { return IsTapped(ControlKind::TextBox); }, true},
        {"a combo box is tapped", [] { return IsTapped(ControlKind::ComboBox); }, true},
        {"a drive list is tapped", [] { return IsTapped(ControlKind::DriveList); }, true},
        {"a date is tapped", [] { return IsTapped(ControlKind::DatePicker); }, true},
        {"an option is tapped", [] { return IsTapped(ControlKind::OptionButton); }, true},
        {"a check box is tapped", [] { return IsTapped(ControlKind::CheckBox); }, true},
        {"a label", [] { return IsTapped(ControlKind::Label); }, false},
        {"a frame", [] { return IsTapped(ControlKind::Frame); }, false},
        {"a list box (its rows are)", [] { return IsTapped(ControlKind::ListBox); }, false},
        {"a folder list", [] { return IsTapped(ControlKind::DirList); }, false},
        {"a file list", [] { return IsTapped(ControlKind::FileList); }, false},
        {"a picture", [] { return IsTapped(ControlKind::Picture); }, false},
        {"a scroll bar (widened apart)", [] { return IsTapped(ControlKind::HScrollBar); }, false},
        {"a menu", [] { return IsTapped(ControlKind::Menu); }, false},
        {"the style's push button", [] { return IsTouchTarget(QStyle::CT_PushButton); }, true},
        {"the style's tool button", [] { return IsTouchTarget(QStyle::CT_ToolButton); }, true},
        {"the style's line edit", [] { return IsTouchTarget(QStyle::CT_LineEdit); }, true},
        {"the style's combo box", [] { return IsTouchTarget(QStyle::CT_ComboBox); }, true},
        {"the style's spin box", [] { return IsTouchTarget(QStyle::CT_SpinBox); }, true},
        {"the style's menu entry", [] { return IsTouchTarget(QStyle::CT_MenuItem); }, true},
        {"the style's menu bar entry", [] { return IsTouchTarget(QStyle::CT_MenuBarItem); }, true},
        {"the style's list row", [] { return IsTouchTarget(QStyle::CT_ItemViewItem); }, true},
        {"the style's check box", [] { return IsTouchTarget(QStyle::CT_CheckBox); }, true},
        {"the style's option", [] { return IsTouchTarget(QStyle::CT_RadioButton); }, true},
        {"the style's group box", [] { return IsTouchTarget(QStyle::CT_GroupBox); }, false},
        {"the style's scroll bar", [] { return IsTouchTarget(QStyle::CT_ScrollBar); }, false},
        {"the style's progress bar", [] { return IsTouchTarget(QStyle::CT_ProgressBar); }, false},
        // The keypad: a frame on the form whose sideways bar steps by whole columns.
        {"a stepping bar in a frame on the form",
         [] { return KeypadBarFound(ControlKind::Frame, false, 1400); }, true},
        {"a bar without steps", [] { return KeypadBarFound(ControlKind::Frame, false, 0); }, false},
        {"a stepping bar in a frame inside a frame",
         [] { return KeypadBarFound(ControlKind::Frame, true, 1400); }, false},
        {"a stepping bar in a picture",
         [] { return KeypadBarFound(ControlKind::Picture, false, 1400); }, false},
        {"a stepping bar on the form itself",
         [] {
             Form form("frmTest");
             form.Add(ControlKind::HScrollBar, "Scroll").smallChange = 1400;
             return KeypadScrollBar(form) != nullptr;
         },
         false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.hint(), row.expected) << row.what;
    }
}

}  // namespace
}  // namespace vantor::test
