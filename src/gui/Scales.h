#pragma once

#include <QRect>

#include "platform/Form.h"

namespace vantor {

// How the window turns the forms' twips into pixels: the scales of the main
// window and where each control's widget goes at them. The screen's own
// scale and a fingertip's height are in DisplayScale.h.

// Pixels per twip across and down. Across, a band of the form (the keypad)
// may have a scale of its own, and what lies right of it another: the keypad
// shows whole columns at a size for a finger and the column beside it takes
// the rest of the width. Fonts follow the smaller of x and y.
struct Scales {
    double x = 1.0 / 15;
    double y = 1.0 / 15;
    int bandLeft = 0;   // twips from the form's left edge
    int bandWidth = 0;  // 0: one scale across
    double band = 0;
    double right = 0;

    double Font() const { return x < y ? x : y; }
    // The scale of the fonts of a control this many twips from the form's
    // left edge: narrower keypad columns get smaller captions.
    double FontAt(double twips) const;
    // Pixels from the form's left edge to this many twips.
    double Across(double twips) const;
    // The inverse: twips to this many pixels.
    double TwipsAcross(double pixels) const;
    bool operator==(const Scales&) const = default;
};

// Where a control's widget goes inside its parent's, in pixels, and the
// pixels per twip of its fonts.
struct ScaledControl {
    QRect rect;
    double fontScale = 0;
};
ScaledControl Scaled(const Control& control, const Scales& scales);

// The scales of a maximized main window `outerWidth` pixels wide, `down`
// pixels per twip down. Across, the frame that scrolls sideways (the keypad:
// columns a scroll bar step wide) shows as many whole columns as the width
// allows at a size for a finger (two fingertips of `touch` pixels, and not
// much narrower than the scale down makes them; all of them when they fit), a little wider when
// there is room; what lies right of it (the ticket column) takes the rest, so no empty band is left
// between the two. The form is then Scales::TwipsAcross(outerWidth) twips wide, which makes the
// frame as wide as those columns (the form widens the frame with itself). Without such a frame: one
// scale across.
Scales WideScales(const Form& form, double down, int outerWidth, int touch);

}  // namespace vantor
