#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/JournalScan.h"
#include "reports/Report.h"

namespace vantor {

// The period beside which the charts show the chosen one.
enum class Comparaison { Aucune, Semaine, Mois, Annee };

// "semaine", "mois", "annee"; nullopt for any other word.
std::optional<Comparaison> ComparaisonNommee(std::string_view word);

struct ChartDay {
    Date jour;
    Takings montants;
    friend bool operator==(const ChartDay&, const ChartDay&) = default;
};

struct ChartAmount {
    std::string nom;
    ExactSum montant;
    friend bool operator==(const ChartAmount&, const ChartAmount&) = default;
};

struct ChartWaiter {
    std::string nom;  // "Autres" for the waiters in no entry
    Takings montants;
    friend bool operator==(const ChartWaiter&, const ChartWaiter&) = default;
};

// What the charts of a period show, read as the totals report reads it.
struct ChartPeriod {
    Date debut;
    Date fin;
    std::vector<ChartDay> jours;          // every day of the period, in order
    std::array<Takings, 24> heures;       // by hour of the day
    Takings heureInconnue;                // sales whose time cannot be read
    std::vector<ChartAmount> categories;  // the categories of the totals report, in its order
    std::vector<ChartWaiter> serveurs;    // the waiter entries with takings
    Takings total;
    long unreadable = 0;
};

struct Graphiques {
    bool noJournal = false;
    ChartPeriod periode;
    std::optional<ChartPeriod> comparaison;
};

// The same days a week, a month or a year earlier; a day that the earlier
// month lacks (31, or 29 February) becomes its last day. Whole months (from
// a 1st to a month's last day) a month or a year earlier are whole months.
std::pair<Date, Date> PeriodeEnArriere(const Date& debut, const Date& fin, Comparaison comparaison);

// The charts' figures of the period, and of the earlier one if asked: each
// period is one reading of the journal by the totals report's scanner.
Graphiques CalculerGraphiques(const ReportSettings& settings, const Date& debut, const Date& fin,
                              Comparaison comparaison);

}  // namespace vantor
