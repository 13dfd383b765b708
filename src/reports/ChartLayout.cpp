#include "reports/ChartLayout.h"

#include <algorithm>

#include "data/Dates.h"
#include "data/Text.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

// The legend's two lines above the charts, and the room of each panel's
// title above its bars and of its labels under them.
constexpr double kChartsTop = 56;
constexpr double kPanelTitle = 26;
constexpr double kPanelLabels = 32;  // two rows of labels
constexpr double kPanelInset = 8;

ChartRect PlotOf(const ChartRect& area) {
    return {area.x + kPanelInset, area.y + kPanelTitle, area.width - 2 * kPanelInset,
            area.height - kPanelTitle - kPanelLabels};
}

ChartPanel PanelAt(const std::string& titre, const ChartRect& area) {
    ChartPanel panel;
    panel.titre = titre;
    panel.area = area;
    panel.plot = PlotOf(area);
    return panel;
}

std::string DayLabel(const Date& d) {
    return TwoDigits(d.day) + "." + TwoDigits(d.month);
}

void DayBars(ChartPanel& panel, const ChartPeriod& p, const std::optional<ChartPeriod>& earlier) {
    for (std::size_t i = 0; i < p.jours.size(); ++i) {
        ChartBarFigures bar{DayLabel(p.jours[i].jour), p.jours[i].montants, std::nullopt, ""};
        // The earlier period may be shorter (a month of fewer days).
        if (earlier && i < earlier->jours.size()) {
            bar.avant = earlier->jours[i].montants;
            bar.libelleAvant = DayLabel(earlier->jours[i].jour);
        } else if (earlier) {
            bar.avant = Takings{};
        }
        panel.bars.push_back(bar);
    }
}

void HourBars(ChartPanel& panel, const ChartPeriod& p, const std::optional<ChartPeriod>& earlier) {
    for (std::size_t h = 0; h < p.heures.size(); ++h) {
        ChartBarFigures bar{std::to_string(h) + " h", p.heures[h], std::nullopt, ""};
        if (earlier) {
            bar.avant = earlier->heures[h];
            bar.libelleAvant = bar.libelle;
        }
        panel.bars.push_back(bar);
    }
}

void CategoryBars(ChartPanel& panel, const ChartPeriod& p,
                  const std::optional<ChartPeriod>& earlier) {
    panel.parPaiement = false;
    for (std::size_t i = 0; i < p.categories.size(); ++i) {
        if (p.categories[i].nom.empty()) {
            continue;
        }
        ChartBarFigures bar{p.categories[i].nom, {p.categories[i].montant, {}}, std::nullopt, ""};
        if (earlier) {
            bar.avant = Takings{earlier->categories[i].montant, {}};
            bar.libelleAvant = bar.libelle;
        }
        panel.bars.push_back(bar);
    }
}

void WaiterBars(ChartPanel& panel, const ChartPeriod& p,
                const std::optional<ChartPeriod>& earlier) {
    for (const ChartWaiter& w : p.serveurs) {
        ChartBarFigures bar{w.nom, w.montants, std::nullopt, ""};
        if (earlier) {
            const auto same = std::find_if(earlier->serveurs.begin(), earlier->serveurs.end(),
                                           [&](const ChartWaiter& e) { return e.nom == w.nom; });
            bar.avant = same == earlier->serveurs.end() ? Takings{} : same->montants;
            bar.libelleAvant = bar.libelle;
        }
        panel.bars.push_back(bar);
    }
}

std::string TakingsText(const Takings& t, bool parPaiement, const std::string& monnaie) {
    std::string text = MontantGraphique(t.especes + t.cartes, monnaie);
    if (parPaiement) {
        text += " (espèces " + MontantGraphique(t.especes, monnaie) + ", cartes " +
                MontantGraphique(t.cartes, monnaie) + ")";
    }
    return text;
}

}  // namespace

ChartRect ChartPanel::Slot(std::size_t i) const {
    const double slot = plot.width / static_cast<double>(std::max<std::size_t>(bars.size(), 1));
    return {plot.x + static_cast<double>(i) * slot, plot.y, slot, plot.height};
}

std::vector<ChartPanel> ChartPanels(const Graphiques& g) {
    const double half = (kChartCanvasHeight - kChartsTop) / 2;
    const double column = kChartCanvasWidth / 2.0;
    const double below = kChartsTop + half;
    std::vector<ChartPanel> panels{
        PanelAt("Par jour", {6, kChartsTop, kChartCanvasWidth - 12, half - 6}),
        PanelAt("Par heure", {6, below, column - 9, half - 6}),
        PanelAt("Par catégorie", {column + 3, below, column / 2 - 6, half - 6}),
        PanelAt("Par serveur", {column * 1.5 + 3, below, column / 2 - 9, half - 6}),
    };
    DayBars(panels[0], g.periode, g.comparaison);
    HourBars(panels[1], g.periode, g.comparaison);
    CategoryBars(panels[2], g.periode, g.comparaison);
    WaiterBars(panels[3], g.periode, g.comparaison);
    return panels;
}

std::optional<ChartTap> BarAt(const Graphiques& graphiques, double x, double y) {
    for (const ChartPanel& panel : ChartPanels(graphiques)) {
        for (std::size_t i = 0; i < panel.bars.size(); ++i) {
            if (panel.Slot(i).Contains(x, y)) {
                return ChartTap{panel.titre, panel.parPaiement, panel.bars[i]};
            }
        }
    }
    return std::nullopt;
}

std::string ChiffresDeBarre(const ChartTap& tap, const std::string& monnaie) {
    std::string text = tap.titre + ", " + tap.bar.libelle + " : " +
                       TakingsText(tap.bar.montants, tap.parPaiement, monnaie);
    if (tap.bar.avant) {
        const std::string label = tap.bar.libelleAvant.empty() ? "" : " " + tap.bar.libelleAvant;
        text += " ; comparaison" + label + " : " +
                TakingsText(*tap.bar.avant, tap.parPaiement, monnaie);
    }
    return text;
}

std::string MontantGraphique(const ExactSum& amount, const std::string& monnaie) {
    const std::string chiffres = Trim(FormatMontant(amount.Text(), false));
    return monnaie.empty() ? chiffres : chiffres + " " + monnaie;
}

}  // namespace vantor
