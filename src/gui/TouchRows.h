#pragma once

#include <QRect>
#include <QSize>
#include <vector>

#include "platform/Control.h"

namespace vantor {

// One control inside a frame: where its twips put it (pixels, relative to the
// frame) and whether it is tapped.
struct RowItem {
    QRect rect;
    bool tapped = false;
};

struct RowFit {
    std::vector<QRect> rects;  // in the order of the items
    int height = 0;            // the frame's height that holds them
};

// On a small screen a frame's fields and buttons may fall below a fingertip.
// The controls side by side form rows; each row with a tapped control grows to
// a fingertip (about its middle) and the rows below give way, using up the
// gaps first, so that nothing overlaps. The frame grows only when its rows do
// not fit. Rows needing no growth keep their places; what lies below the
// frame's bottom edge (a folded panel's hidden part) stays out of sight. A
// tapped control narrower than a fingertip widens to one about its middle.
RowFit FitRowsForFinger(const std::vector<RowItem>& items, QSize frame, int touch);

}  // namespace vantor
