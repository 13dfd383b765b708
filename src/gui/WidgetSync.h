#pragma once

#include <QRect>
#include <string>
#include <vector>

#include "platform/Control.h"

class QWidget;

namespace vantor {

// What a widget shows, as last copied from its control; a sync sets only the
// properties that differ, so an unchanged form syncs in a few microseconds per
// control.
struct WidgetCache {
    bool fresh = true;
    double scale = 0;
    QRect geometry;
    bool visible = false;
    bool enabled = false;
    std::string caption;
    std::string toolTip;
    std::string text;
    Color backColor = 0;
    Color foreColor = 0;
    std::string fontName;
    int fontSize = 0;
    bool fontBold = false;
    std::vector<std::string> items;
    int listIndex = -2;
    int value = 0;
    int min = 0;
    int max = 0;
    int smallChange = 0;
    int largeChange = 0;
    bool checked = false;
    int maxLength = 0;
    int alignment = -1;
    bool isDefault = false;
    Date date;
    Picture picture;
};

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

// Copies the control's current properties onto its widget (created by
// CreateWidget for the same kind) without emitting any of the widget's signals.
void SyncWidget(QWidget& widget, const Control& control, const Scales& scales, WidgetCache& cache);

// After the user changed a widget (typed, chose, toggled, scrolled), the cache
// no longer tells what the widget shows: the next sync copies the model's
// value back whether or not the model changed it.
void ForgetUserInput(WidgetCache& cache);

}  // namespace vantor
