#pragma once

#include <string>

#include "reports/ChartLayout.h"

class QPainter;

namespace vantor {

struct Graphiques;

// The four charts of a period on a 1024 × 768 canvas: the takings per day
// (cash and card stacked), per hour of the day, per category and per waiter,
// each bar of the compared period in grey beside its own.
void PaintCharts(QPainter& painter, const Graphiques& graphiques, const std::string& monnaie);

// Draws the charts into a PNG, SVG or PDF file, by its name's ending, and
// replaces the file with them at once. Throws std::runtime_error with the
// reason in French (another ending, a file that cannot be written).
void WriteChartFile(const std::string& path, const Graphiques& graphiques,
                    const std::string& monnaie);

}  // namespace vantor
