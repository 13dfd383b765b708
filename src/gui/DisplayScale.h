#pragma once

#include "platform/Design.h"  // kFrameWidthTwips, kFrameHeightTwips

class QScreen;

namespace vantor {

// Scales are in pixels per twip (1440 twips per inch).

// The scale of the screen's logical resolution: 1/15 at 96 dots per inch.
double NativeScale();
// The largest scale at which a window of this outer size (twips) fits the
// available area of the screen (the primary one when none is given).
double FitScale(int widthTwips, int heightTwips, const QScreen* screen = nullptr);

// The scale every window of the run uses: the main window sets it, and until
// then it is NativeScale().
double SessionScale();
void SetSessionScale(double pixelsPerTwip);

// The height of a fingertip on the screen (9 mm, FingertipPixels), in pixels:
// the least height and width of anything to be tapped.
int MinimumTouchPixels(const QScreen* screen = nullptr);
// 9 mm in logical pixels on a screen of this physical resolution (as the
// screen reports it), logical resolution (dots per inch) and pixel ratio; never
// less than 9 mm at the logical resolution (34 pixels at 96 dpi): a screen
// that says it is large, a television or one whose description is wrong,
// would otherwise get targets small to the eye and the finger alike.
int FingertipPixels(double physicalDpi, double logicalDpi, double ratio);

// The scale of a dialog of this size: the session scale, made smaller when the
// dialog would not fit the screen, but never so small that its smallest
// control to be tapped (smallestTouchTwips high, 0 when it has none) is below
// a fingertip: such a dialog scrolls instead.
double DialogScale(int widthTwips, int heightTwips, int smallestTouchTwips = 0);

}  // namespace vantor
