#pragma once

#include <string>

#include "platform/Form.h"

namespace vantor {

// The white of the fields and lists one types in or chooses from, in every
// dialog.
inline constexpr Color kFieldColor = Rgb(255, 255, 255);

// Room the window's frame takes around a form's client area, in twips: a
// form's width and height are its outer size (title bar and borders).
inline constexpr int kFrameWidthTwips = 120;
inline constexpr int kFrameHeightTwips = 420;

// Where a form's design puts a control, in twips: left and top within its
// container, width and height.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Moves and sizes the control to its bounds.
Control& Place(Control& control, const Bounds& bounds);

// Adds a control at its bounds, inside container when given, as element
// index of a control array when index >= 0.
Control& AddAt(Form& form, ControlKind kind, const std::string& name, const Bounds& bounds,
               Control* container = nullptr, int index = -1);

// Adds a command button with its caption, as AddAt places it.
Control& AddButton(Form& form, const std::string& name, const std::string& caption,
                   const Bounds& bounds, Control* container = nullptr, int index = -1);

}  // namespace vantor
