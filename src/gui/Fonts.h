#pragma once

#include <QFont>
#include <string>

namespace vantor {

// The font of a control: the model gives a family, a size in points and bold;
// the size is drawn at the window's scale (1 pt = 20 twips). Families the
// desktop lacks get a substitute of the same kind: "Courier New" a fixed-pitch
// font (Liberation Mono, metric-compatible), "MS Sans Serif" the default
// sans-serif font.
QFont ControlFont(const std::string& family, int points, bool bold, double pixelsPerTwip);

// Tells Qt's font matching about these substitutes, so that any QFont of the
// model's families (on screen or on a printed page) finds them. Runs once.
// (Asking the font database which families exist would cost more than the
// whole first paint of the main window.)
void InstallFontSubstitutes();

}  // namespace vantor
