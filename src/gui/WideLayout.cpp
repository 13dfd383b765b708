#include "gui/WideLayout.h"

#include <algorithm>

#include "gui/TouchHints.h"

namespace vantor {
namespace {

// Columns may grow this much wider than the scale down makes them.
constexpr double kWidestColumn = 1.25;
// and this much narrower, when that shows more of them.
constexpr double kNarrowestColumn = 0.8;

}  // namespace

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
