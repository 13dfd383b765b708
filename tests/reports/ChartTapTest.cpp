// A finger on the charts: each point of the canvas gives the figures of the
// bar whose column holds it (a short bar is chosen from anywhere above it),
// with the compared bar's; titles, labels and the room between charts give
// none.
#include "ReportFixture.h"
#include "reports/ChartLayout.h"

namespace vantor::test {
namespace {

using Taps = ReportTest;

// Paul and Marie on the 1st, Paul on the 3rd; a week earlier Paul alone on
// the 24th of November.
const std::vector<std::string> kJournal = {
    "24.11.2026;9:05:00;Paul;3;0;Esp;1;0.3",
    "01.12.2026;9:10:00;Paul;10;0;Esp;1;1",
    "01.12.2026;9:40:00;Marie;4.5;1;Cart;1;0.45",
    "03.12.2026;12:00:00;Paul;7;2;Esp;1;0.7",
};

struct TapCase {
    double x, y;          // canvas pixels
    const char* figures;  // "" for no bar
};

std::string FiguresAt(const Graphiques& g, double x, double y) {
    const std::optional<ChartTap> tap = BarAt(g, x, y);
    return tap ? ChiffresDeBarre(*tap, "€") : "";
}

// The days' chart spans x 14 to 1010 with 4 columns of 249 pixels, its bars
// from y 82 to 310; under it, hours from x 14 (24 columns of 20.3 pixels),
// categories from x 523 (7 columns of 33.4), waiters from x 779 (2 of 115.5),
// their bars from y 374 to 602.
TEST_F(Taps, APointGivesTheFiguresOfTheBarWhoseColumnHoldsIt) {
    WriteJournal(kJournal);
    const Graphiques g =
        CalculerGraphiques(settings, {2026, 12, 1}, {2026, 12, 4}, Comparaison::Semaine);
    const TapCase cases[] = {
        {100, 300,
         "Par jour, 01.12 : 14.50 € (espèces 10.00 €, cartes 4.50 €) ; comparaison 24.11 : "
         "3.00 € (espèces 3.00 €, cartes 0.00 €)"},
        {14, 309,
         "Par jour, 01.12 : 14.50 € (espèces 10.00 €, cartes 4.50 €) ; comparaison 24.11 : "
         "3.00 € (espèces 3.00 €, cartes 0.00 €)"},
        {600, 90,
         "Par jour, 03.12 : 7.00 € (espèces 7.00 €, cartes 0.00 €) ; comparaison 26.11 : "
         "0.00 € (espèces 0.00 €, cartes 0.00 €)"},
        {1009, 200,
         "Par jour, 04.12 : 0.00 € (espèces 0.00 €, cartes 0.00 €) ; comparaison 27.11 : "
         "0.00 € (espèces 0.00 €, cartes 0.00 €)"},
        {205, 600,
         "Par heure, 9 h : 14.50 € (espèces 10.00 €, cartes 4.50 €) ; comparaison 9 h : "
         "3.00 € (espèces 3.00 €, cartes 0.00 €)"},
        {265, 500,
         "Par heure, 12 h : 7.00 € (espèces 7.00 €, cartes 0.00 €) ; comparaison 12 h : "
         "0.00 € (espèces 0.00 €, cartes 0.00 €)"},
        {530, 590,
         "Par catégorie, Boissons chaudes : 10.00 € ; comparaison Boissons chaudes : 3.00 €"},
        {570, 590,
         "Par catégorie, Boissons fraîches : 4.50 € ; comparaison Boissons fraîches : 0.00 €"},
        {800, 500,
         "Par serveur, Paul : 17.00 € (espèces 17.00 €, cartes 0.00 €) ; comparaison Paul : "
         "3.00 € (espèces 3.00 €, cartes 0.00 €)"},
        {950, 601,
         "Par serveur, Marie : 4.50 € (espèces 0.00 €, cartes 4.50 €) ; comparaison Marie : "
         "0.00 € (espèces 0.00 €, cartes 0.00 €)"},
        {5, 5, ""},       // the legend
        {100, 70, ""},    // the days' title
        {100, 320, ""},   // the days' labels
        {13, 300, ""},    // left of the first day
        {1011, 300, ""},  // right of the last
        {505, 600, ""},   // between the hours and the categories
        {100, 607, ""},   // under the hours' bars
    };
    for (const TapCase& c : cases) {
        EXPECT_EQ(FiguresAt(g, c.x, c.y), c.figures) << c.x << " " << c.y;
    }
}

// Without a comparison a bar has its own figures only; a month of 31 days
// has 31 columns, the last one the 31st.
TEST_F(Taps, WithoutComparisonAndOverAMonth) {
    WriteJournal(kJournal);
    const Graphiques g =
        CalculerGraphiques(settings, {2026, 12, 1}, {2026, 12, 31}, Comparaison::Aucune);
    EXPECT_EQ(FiguresAt(g, 20, 300), "Par jour, 01.12 : 14.50 € (espèces 10.00 €, cartes 4.50 €)");
    EXPECT_EQ(FiguresAt(g, 1005, 300), "Par jour, 31.12 : 0.00 € (espèces 0.00 €, cartes 0.00 €)");
    EXPECT_EQ(FiguresAt(g, 14 + 996.0 / 31 * 2 + 1, 300),
              "Par jour, 03.12 : 7.00 € (espèces 7.00 €, cartes 0.00 €)");
    EXPECT_EQ(FiguresAt(g, 530, 590), "Par catégorie, Boissons chaudes : 10.00 €");
}

// The four charts lie inside the canvas without overlapping, each bar's
// column inside its chart's bars.
TEST_F(Taps, TheChartsShareTheCanvas) {
    WriteJournal(kJournal);
    const std::vector<ChartPanel> panels =
        ChartPanels(CalculerGraphiques(settings, {2026, 12, 1}, {2026, 12, 4}, Comparaison::Mois));
    ASSERT_EQ(panels.size(), 4U);
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const ChartRect& a = panels[i].area;
        EXPECT_GE(a.x, 0);
        EXPECT_GE(a.y, 0);
        EXPECT_LE(a.x + a.width, kChartCanvasWidth);
        EXPECT_LE(a.y + a.height, kChartCanvasHeight);
        for (std::size_t j = i + 1; j < panels.size(); ++j) {
            const ChartRect& b = panels[j].area;
            const bool apart = a.x + a.width <= b.x || b.x + b.width <= a.x ||
                               a.y + a.height <= b.y || b.y + b.height <= a.y;
            EXPECT_TRUE(apart) << panels[i].titre << " / " << panels[j].titre;
        }
        const ChartPanel& p = panels[i];
        ASSERT_FALSE(p.bars.empty()) << p.titre;
        const ChartRect last = p.Slot(p.bars.size() - 1);
        EXPECT_NEAR(last.x + last.width, p.plot.x + p.plot.width, 1e-9) << p.titre;
        EXPECT_TRUE(p.bars.front().avant.has_value()) << p.titre;
    }
}

}  // namespace
}  // namespace vantor::test
