#pragma once

// Where the charts of a period stand on their canvas, and what each bar
// shows: the window draws them there and finds the bar under a finger there.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "reports/Graphiques.h"

namespace vantor {

// The canvas of the four charts, in pixels; the window scales it to its
// picture. Wider than 4:3, so that at 1024 × 768 the picture takes the whole
// width under the row of choices and above the figures.
inline constexpr int kChartCanvasWidth = 1024;
inline constexpr int kChartCanvasHeight = 640;

struct ChartRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool Contains(double px, double py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

// One bar: the label under it, its takings, and the compared period's bar
// beside it with that bar's own label (the day a week earlier: "28.11").
struct ChartBarFigures {
    std::string libelle;
    Takings montants;
    std::optional<Takings> avant;
    std::string libelleAvant;
};

struct ChartPanel {
    std::string titre;
    ChartRect area;  // the panel's background
    ChartRect plot;  // where its bars stand
    // A category's takings are not split by payment: all in montants.especes.
    bool parPaiement = true;
    std::vector<ChartBarFigures> bars;

    // The column of bar i over the plot's whole height: a tap anywhere in it
    // chooses the bar, however short.
    ChartRect Slot(std::size_t i) const;
};

// The four charts: per day (the whole width), then per hour, per category
// and per waiter side by side under it.
std::vector<ChartPanel> ChartPanels(const Graphiques& graphiques);

// The bar under a point of the canvas, with its chart's title; nullopt
// outside every bar's column.
struct ChartTap {
    std::string titre;
    bool parPaiement = true;
    ChartBarFigures bar;
};
std::optional<ChartTap> BarAt(const Graphiques& graphiques, double x, double y);

// The figures of a tapped bar, as the window shows them under the charts:
// "Par jour, 05.12 : 42,00 € (espèces 30,00 €, cartes 12,00 €) ; comparaison 28.11 : ...".
std::string ChiffresDeBarre(const ChartTap& tap, const std::string& monnaie);

// An amount of the charts: "42,00 €".
std::string MontantGraphique(const ExactSum& amount, const std::string& monnaie);

}  // namespace vantor
