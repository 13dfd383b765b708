// The charts' figures: per day, per hour, per category and per waiter, each
// equal to the totals report of the same period on the same journal, over a
// table of periods (empty ones, a day with only cash movements); the hours
// and the comparison periods as expected files.
#include <algorithm>

#include "ReportFixture.h"
#include "data/Dates.h"
#include "reports/Graphiques.h"
#include "reports/ReportLines.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Lignes = std::vector<std::string>;
using Graphs = ReportTest;

// Sales of Paul, Marie and Zoé (in no entry) at several hours, one whose time
// is unreadable; the 3rd holds cash movements only; a sale before the period
// and one after. Amounts with more than two decimals add up exactly.
const Lignes kVentes = {
    "28.11.2026;9:00:00;Paul;100;0;Esp;1;10",
    "01.12.2026;8:59:59;Paul;12.5;0;Esp;1;1.25",
    "01.12.2026;9:00:00;Marie;7.333;1;Cart;2;0.403315",
    "01.12.2026;9:30:00;Paul;4.20;1;Esp;1;0.42",
    "01.12.2026;23:10:00;Zo\xE9;3;5;Cart;1;0.3",
    "01.12.2026;0:00:00;Banque;-20;10;Sort;0;0",
    "02.12.2026;12:00:00;Marie;30.125;5;Cart;2;1.656875",
    "02.12.2026;12:45:00;Marie;-2.5;5;Esp;1;-0.25",
    "02.12.2026;xx;Paul;6;2;Esp;1;0.6",
    "03.12.2026;0:00:00;Fond de caisse;50;10;Sort;0;0",
    "03.12.2026;0:00:00;Banque;-40;10;Sort;0;0",
    "05.12.2026;19:00:00;Paul;18;5;Cart;1;1.8",
    "05.12.2026;19:20:00;Marie;9.99;6;Esp;1;0.999",
    "07.12.2026;10:00:00;Paul;55;5;Esp;1;5.5",
};

// The report's line that starts with the label, "" when there is none.
std::string LineOf(const Lignes& lines, const std::string& label) {
    const auto found = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.starts_with(label + " ");
    });
    return found == lines.end() ? "" : *found;
}

Takings Sum(const std::vector<ChartDay>& days) {
    Takings sum;
    for (const ChartDay& d : days) {
        sum.especes += d.montants.especes;
        sum.cartes += d.montants.cartes;
    }
    return sum;
}

Takings Sum(const std::array<Takings, 24>& hours, const Takings& unknown) {
    Takings sum = unknown;
    for (const Takings& h : hours) {
        sum.especes += h.especes;
        sum.cartes += h.cartes;
    }
    return sum;
}

class Figures {
public:
    Figures(const ReportSettings& settings) : s_(settings) {}

    // The cash and card lines of the totals report of debut..fin.
    void ExpectTotals(const Date& debut, const Date& fin, const Takings& t) const {
        const Lignes report = Lines(RapportTotaux(s_, debut, fin, 0));
        EXPECT_EQ(LigneMontant("Espèces", s_.monnaie, t.especes), LineOf(report, "Espèces"));
        EXPECT_EQ(LigneMontant("Cartes", s_.monnaie, t.cartes), LineOf(report, "Cartes"));
    }

    void ExpectCategories(const ChartPeriod& chart) const {
        const Lignes report = Lines(RapportTotaux(s_, chart.debut, chart.fin, 0));
        ASSERT_EQ(chart.categories.size(), s_.categories.size());
        for (const ChartAmount& c : chart.categories) {
            EXPECT_NE(std::find(report.begin(), report.end(), LigneCategorie(c.nom, c.montant)),
                      report.end())
                << c.nom;
        }
    }

    // Each waiter's block of the report per waiter, and no block more.
    void ExpectWaiters(const ChartPeriod& chart) const {
        const Lignes report = Lines(GenererTotaux(s_, chart.debut, chart.fin, 0, true));
        std::size_t blocks = 0;
        for (std::size_t k = 0; k < report.size(); ++k) {
            blocks += report[k].starts_with("Serveur : ") ? 1 : 0;
        }
        EXPECT_EQ(chart.serveurs.size(), blocks);
        for (const ChartWaiter& w : chart.serveurs) {
            const std::string nom = w.nom == "Autres" ? "" : w.nom;
            const auto at = std::find(report.begin(), report.end(), "Serveur : " + nom);
            ASSERT_NE(at, report.end()) << w.nom;
            EXPECT_EQ(*(at + 2), LigneMontant("Espèces", s_.monnaie, w.montants.especes));
            EXPECT_EQ(*(at + 3), LigneMontant("Cartes", s_.monnaie, w.montants.cartes));
        }
    }

private:
    const ReportSettings& s_;
};

struct PeriodCase {
    Date debut, fin;
    const char* why;
};

TEST_F(Graphs, EveryFigureEqualsTheTotalsReportOfItsPeriodToTheCent) {
    WriteJournal(kVentes);
    settings.today = {2026, 12, 31};  // no drawer block: the same lines for every period
    const PeriodCase table[] = {
        {{2026, 12, 1}, {2026, 12, 5}, "the sales days"},
        {{2026, 12, 3}, {2026, 12, 3}, "cash movements only"},
        {{2026, 12, 2}, {2026, 12, 2}, "a refund and an unreadable time"},
        {{2026, 11, 1}, {2026, 11, 27}, "empty, before the first sale"},
        {{2026, 12, 20}, {2026, 12, 24}, "empty, after the last sale"},
        {{2026, 11, 28}, {2026, 12, 7}, "every sale"},
    };
    const Figures figures(settings);
    for (const PeriodCase& c : table) {
        SCOPED_TRACE(c.why);
        const Graphiques g = CalculerGraphiques(settings, c.debut, c.fin, Comparaison::Aucune);
        ASSERT_FALSE(g.noJournal);
        const ChartPeriod& chart = g.periode;
        ASSERT_EQ(chart.jours.size(),
                  static_cast<std::size_t>(DaysFromCivil(c.fin) - DaysFromCivil(c.debut) + 1));
        EXPECT_EQ(chart.jours.front().jour, c.debut);
        EXPECT_EQ(chart.jours.back().jour, c.fin);
        for (const ChartDay& day : chart.jours) {
            SCOPED_TRACE(FormatDate(day.jour));
            figures.ExpectTotals(day.jour, day.jour, day.montants);
        }
        figures.ExpectTotals(c.debut, c.fin, Sum(chart.jours));
        figures.ExpectTotals(c.debut, c.fin, Sum(chart.heures, chart.heureInconnue));
        figures.ExpectTotals(c.debut, c.fin, chart.total);
        figures.ExpectCategories(chart);
        figures.ExpectWaiters(chart);
    }
}

std::string Describe(const ChartPeriod& chart) {
    std::string text = "du " + FormatDate(chart.debut) + " au " + FormatDate(chart.fin) + "\n";
    for (const ChartDay& d : chart.jours) {
        text += "  " + FormatDate(d.jour) + " espèces " + d.montants.especes.Text() + " cartes " +
                d.montants.cartes.Text() + "\n";
    }
    for (std::size_t h = 0; h < chart.heures.size(); ++h) {
        const Takings& t = chart.heures[h];
        if (!(t == Takings{})) {
            text += "  " + std::to_string(h) + " h espèces " + t.especes.Text() + " cartes " +
                    t.cartes.Text() + "\n";
        }
    }
    text += "  heure illisible espèces " + chart.heureInconnue.especes.Text() + " cartes " +
            chart.heureInconnue.cartes.Text() + "\n";
    for (const ChartWaiter& w : chart.serveurs) {
        text += "  " + w.nom + " espèces " + w.montants.especes.Text() + " cartes " +
                w.montants.cartes.Text() + "\n";
    }
    return text;
}

// A sale at 8:59:59 is in hour 8, at 9:00:00 in hour 9; the week before
// holds the sale of the 28th only.
TEST_F(Graphs, HoursAndTheWeekBeforeAsExpected) {
    WriteJournal(kVentes);
    const Graphiques g =
        CalculerGraphiques(settings, {2026, 12, 1}, {2026, 12, 5}, Comparaison::Semaine);
    ASSERT_TRUE(g.comparaison.has_value());
    EXPECT_EXPECTED("Graphiques-semaine.txt", Describe(g.periode) + Describe(*g.comparaison));
}

// Read in several parts at once, the days and hours of each part add up.
TEST_F(Graphs, ThePartsOfAJournalReadAtOnceGiveTheSameFigures) {
    WriteJournal(kVentes);
    const Date debut{2026, 11, 28};
    const Date fin{2026, 12, 7};
    settings.parts = 1;
    const std::string whole =
        Describe(CalculerGraphiques(settings, debut, fin, Comparaison::Aucune).periode);
    for (int parts : {2, 3, 5}) {
        settings.parts = parts;
        EXPECT_EQ(Describe(CalculerGraphiques(settings, debut, fin, Comparaison::Aucune).periode),
                  whole)
            << parts << " parts";
    }
}

TEST(EarlierPeriods, AreTheSameDaysAWeekAMonthOrAYearBefore) {
    const struct {
        Date debut, fin;
        Comparaison comparaison;
        Date du, au;
    } table[] = {
        {{2026, 12, 1}, {2026, 12, 5}, Comparaison::Semaine, {2026, 11, 24}, {2026, 11, 28}},
        {{2027, 1, 3}, {2027, 1, 3}, Comparaison::Semaine, {2026, 12, 27}, {2026, 12, 27}},
        {{2026, 3, 31}, {2026, 3, 31}, Comparaison::Mois, {2026, 2, 28}, {2026, 2, 28}},
        {{2026, 1, 1}, {2026, 1, 31}, Comparaison::Mois, {2025, 12, 1}, {2025, 12, 31}},
        {{2028, 2, 29}, {2028, 3, 1}, Comparaison::Annee, {2027, 2, 28}, {2027, 3, 1}},
        {{2026, 1, 1}, {2026, 12, 31}, Comparaison::Annee, {2025, 1, 1}, {2025, 12, 31}},
        // Whole months are compared with whole months.
        {{2026, 11, 1}, {2026, 11, 30}, Comparaison::Mois, {2026, 10, 1}, {2026, 10, 31}},
        {{2026, 3, 1}, {2026, 3, 31}, Comparaison::Mois, {2026, 2, 1}, {2026, 2, 28}},
        {{2028, 3, 1}, {2028, 3, 31}, Comparaison::Mois, {2028, 2, 1}, {2028, 2, 29}},
        {{2026, 10, 1}, {2026, 11, 30}, Comparaison::Mois, {2026, 9, 1}, {2026, 10, 31}},
        {{2029, 2, 1}, {2029, 2, 28}, Comparaison::Annee, {2028, 2, 1}, {2028, 2, 29}},
        {{2028, 2, 1}, {2028, 2, 29}, Comparaison::Annee, {2027, 2, 1}, {2027, 2, 28}},
        // Not whole months: the same days, kept inside the earlier month.
        {{2026, 11, 2}, {2026, 11, 30}, Comparaison::Mois, {2026, 10, 2}, {2026, 10, 30}},
        {{2026, 11, 1}, {2026, 11, 29}, Comparaison::Mois, {2026, 10, 1}, {2026, 10, 29}},
        {{2029, 2, 2}, {2029, 2, 28}, Comparaison::Annee, {2028, 2, 2}, {2028, 2, 28}},
        // A week stays seven days, whole months or not.
        {{2026, 11, 1}, {2026, 11, 30}, Comparaison::Semaine, {2026, 10, 25}, {2026, 11, 23}},
    };
    for (const auto& row : table) {
        const auto [du, au] = PeriodeEnArriere(row.debut, row.fin, row.comparaison);
        EXPECT_EQ(FormatDate(du), FormatDate(row.du)) << FormatDate(row.debut);
        EXPECT_EQ(FormatDate(au), FormatDate(row.au)) << FormatDate(row.fin);
    }
    EXPECT_EQ(ComparaisonNommee("mois"), Comparaison::Mois);
    EXPECT_EQ(ComparaisonNommee("annee"), Comparaison::Annee);
    EXPECT_EQ(ComparaisonNommee("semaine"), Comparaison::Semaine);
    EXPECT_EQ(ComparaisonNommee("jour"), std::nullopt);
}

TEST_F(Graphs, NoJournalNoCharts) {
    EXPECT_TRUE(CalculerGraphiques(settings, kToday, kToday, Comparaison::Mois).noJournal);
}

}  // namespace
}  // namespace vantor::test
