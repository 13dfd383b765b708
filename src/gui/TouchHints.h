#pragma once

#include <QString>
#include <QStyle>
#include <string>

#include "platform/Form.h"

class QWidget;

namespace vantor {

// The forms never say "this is an amount" or "this is the keypad": on a touch
// screen the window reads it from how they show their controls. Every such
// reading is here.

// A field for an amount, which gets the numeric pad beside it while it has
// the focus: a line edit that can be typed in, right-aligned (the forms
// right-align their amounts, and input boxes asking for one do the same).
bool IsAmountField(const QWidget* widget);

// An input box whose proposed answer is a number asks for an amount: it is
// typed at the right, with the numeric pad.
bool AsksForAmount(const std::string& proposed);

// Whether a tool tip is an amount ("2.50", "Total   €  12.50"): such a tool
// tip is also written on the button's face, since a touch screen never shows
// tool tips.
bool IsAmountText(const QString& text);

// What a button writes on its face for its tool tip: an amount as it is; a
// total ("Total € 12.00", a parked table's) without its word and as large as
// the caption, to be read from across the room; no text for any other tip.
struct FaceAmount {
    QString text;
    bool large = false;
};
FaceAmount FaceAmountOf(const QString& tip);

// Whether a widget takes typed text: the on-screen keyboard stays up while
// the focus goes from one such widget to another.
bool TakesText(const QWidget* widget);

// Whether a finger has to hit a control of this kind (it must then be at
// least a fingertip high), and the same for what the style sizes.
bool IsTapped(ControlKind kind);
bool IsTouchTarget(QStyle::ContentsType type);

// The keypad's scroll bar: the sideways bar, moving by whole columns, of a
// frame on the form itself; nullptr when the form has none.
const Control* KeypadScrollBar(const Form& form);

}  // namespace vantor
