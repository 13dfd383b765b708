#include "gui/Scales.h"

#include <algorithm>

#include "gui/TouchHints.h"

namespace vantor {

namespace {

// Columns may grow this much wider than the scale down makes them.
constexpr double kWidestColumn = 1.25;
// and this much narrower, when that shows more of them.
constexpr double kNarrowestColumn = 0.8;

// The control's left edge from the form's (when the form has a band: no
// other scale needs it).
int FormLeft(const Control& control, const Scales& scales) {
    int origin = 0;
    for (const Control* c = control.container;
         scales.bandWidth > 0 && c != nullptr && c->kind != ControlKind::Menu; c = c->container) {
        origin += c->left;
    }
    return origin;
}

QRect ScaledRectAt(const Control& control, const Scales& scales, int origin) {
    const int start = qRound(scales.Across(origin));
    const int left = qRound(scales.Across(origin + control.left)) - start;
    const int top = qRound(control.top * scales.y);
    const int right = qRound(scales.Across(origin + control.left + control.width)) - start;
    const int bottom = qRound((control.top + control.height) * scales.y);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

}  // namespace

double Scales::Across(double twips) const {
    if (bandWidth <= 0 || twips <= bandLeft) {
        return twips * x;
    }
    const double inBand = std::min(twips, static_cast<double>(bandLeft + bandWidth)) - bandLeft;
    const double beyond = std::max(0.0, twips - bandLeft - bandWidth);
    return bandLeft * x + inBand * band + beyond * right;
}

double Scales::FontAt(double twips) const {
    if (bandWidth <= 0 || twips <= bandLeft) {
        return Font();
    }
    const double across = twips <= bandLeft + bandWidth ? band : right;
    return std::min(across, y);
}

double Scales::TwipsAcross(double pixels) const {
    const double bandStart = bandLeft * x;
    if (bandWidth <= 0 || pixels <= bandStart) {
        return pixels / x;
    }
    const double bandEnd = bandStart + bandWidth * band;
    if (pixels <= bandEnd) {
        return bandLeft + (pixels - bandStart) / band;
    }
    return bandLeft + bandWidth + (pixels - bandEnd) / right;
}

// Across, a control is placed by where it lies on the whole form (a band may
// start inside its frame; without one, the origin does not matter); down, one
// scale serves.
ScaledControl Scaled(const Control& control, const Scales& scales) {
    const int origin = FormLeft(control, scales);
    // A keypad button scrolled off to the left keeps the keypad's font.
    return {ScaledRectAt(control, scales, origin),
            scales.FontAt(origin + std::max(0, control.left) + 1)};
}

Scales WideScales(const Form& form, double down, int outerWidth, int touch) {
    Scales scales{down, down};
    const Control* bar = KeypadScrollBar(form);
    if (bar == nullptr) {
        return scales;
    }
    const Control& frame = *bar->container;
    const int step = bar->smallChange;
    // The frame follows the form's width: the rest of the form keeps its twips.
    const int rest = form.width - frame.width;
    const int beside = rest - frame.left;  // right of the frame
    const double room = outerWidth - rest * down;
    const int columns = std::max(0, bar->max - bar->min) / step + 1;
    const int margin = step / 10;
    const double least = std::max(2.0 * touch, kNarrowestColumn * step * down);
    const int fitting = static_cast<int>((room - margin * down) / least);
    const int shown = std::clamp(fitting, 1, columns);
    const int width = shown * step + margin;
    const double band = std::min(room, width * down * kWidestColumn) / width;
    const double right = (outerWidth - frame.left * down - width * band) / std::max(1, beside);
    if (band <= 0 || right <= 0) {
        return scales;
    }
    scales.bandLeft = frame.left;
    scales.bandWidth = width;
    scales.band = band;
    scales.right = right;
    return scales;
}

}  // namespace vantor
