#pragma once

#include "gui/WidgetSync.h"
#include "platform/Form.h"

namespace vantor {

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
