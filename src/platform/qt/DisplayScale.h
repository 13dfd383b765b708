#pragma once

class QScreen;

namespace vantor {

// Scales are in pixels per twip (1440 twips per inch).

// The scale of the screen's logical resolution: 1/15 at 96 dots per inch.
double NativeScale();
// The largest scale at which a window of this outer size (twips) fits the
// available area of the primary screen.
double FitScale(int widthTwips, int heightTwips);

// The scale every window of the run uses: the main window sets it, and until
// then it is NativeScale().
double SessionScale();
void SetSessionScale(double pixelsPerTwip);

// The session scale, made smaller when a dialog of this size would not fit.
double DialogScale(int widthTwips, int heightTwips);

// Room the window frame takes around the client area of a dialog, in twips,
// for forms whose size is an outer size (title bar and borders).
inline constexpr int kFrameWidthTwips = 120;
inline constexpr int kFrameHeightTwips = 420;

}  // namespace vantor
