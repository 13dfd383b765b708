#include "reports/Graphiques.h"

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "reports/ReadJournal.h"

namespace vantor {

namespace {

inline constexpr const char* kAutresServeurs = "Autres";

// The same day in an earlier month or year, kept inside that month.
Date SameDayIn(int year, int month, int day) {
    const Date last = LastDayOfMonth({year, month, 1});
    return {year, month, std::min(day, last.day)};
}

Date MonthEarlier(const Date& date) {
    return date.month == 1 ? SameDayIn(date.year - 1, 12, date.day)
                           : SameDayIn(date.year, date.month - 1, date.day);
}

// A period of whole months (from a 1st to a month's last day) is compared
// with whole months: November with all of October, February with all of the
// other year's February, however many days each has.
bool WholeMonths(const Date& debut, const Date& fin) {
    return debut.day == 1 && fin == LastDayOfMonth(fin);
}

std::pair<Date, Date> EarlierMonths(bool whole, const Date& du, const Date& au) {
    return {du, whole ? LastDayOfMonth(au) : au};
}

// The waiter slots as the totals report per waiter reads them: the screen's
// entries, then the slot of the waiters in none.
ScanRequest ChartRequest(const ReportSettings& settings, const Date& debut, const Date& fin) {
    ScanRequest request = PeriodRequest(debut, fin);
    for (const std::string& nom : settings.serveurs) {
        request.waiterSlots.push_back(Utf8ToCp1252(nom));
    }
    request.charts = true;
    return request;
}

ChartPeriod PeriodOfSums(const ReportSettings& settings, const Date& debut, const Date& fin,
                         const JournalSums& sums) {
    ChartPeriod chart;
    chart.debut = debut;
    chart.fin = fin;
    for (long day = DaysFromCivil(debut); day <= DaysFromCivil(fin); ++day) {
        const Date date = DateFromDays(day);
        const auto found = sums.charts.parJour.find(DateKey(date));
        chart.jours.push_back(
            {date, found == sums.charts.parJour.end() ? Takings{} : found->second});
    }
    for (std::size_t hour = 0; hour < chart.heures.size(); ++hour) {
        chart.heures[hour] = sums.charts.parHeure[hour];
    }
    chart.heureInconnue = sums.charts.parHeure[kUnknownHour];
    for (std::size_t i = 0; i < settings.categories.size(); ++i) {
        chart.categories.push_back({settings.categories[i], sums.period.parCategorie[i]});
    }
    // Slot 0 is the filter's "Tous", which the report per waiter leaves out too.
    for (std::size_t i = 1; i < sums.waiterSlots.size(); ++i) {
        const WaiterSums& w = sums.waiterSlots[i];
        if (w.especes + w.cartes == ExactSum()) {
            continue;
        }
        const bool autres = i >= settings.serveurs.size();
        chart.serveurs.push_back(
            {autres ? kAutresServeurs : settings.serveurs[i], {w.especes, w.cartes}});
    }
    chart.total = {sums.period.especes, sums.period.cartes};
    chart.unreadable = sums.unreadable;
    return chart;
}

}  // namespace

std::optional<Comparaison> ComparaisonNommee(std::string_view word) {
    if (word == "semaine") {
        return Comparaison::Semaine;
    }
    if (word == "mois") {
        return Comparaison::Mois;
    }
    if (word == "annee") {
        return Comparaison::Annee;
    }
    return std::nullopt;
}

std::pair<Date, Date> PeriodeEnArriere(const Date& debut, const Date& fin,
                                       Comparaison comparaison) {
    switch (comparaison) {
        case Comparaison::Semaine:
            return {DateFromDays(DaysFromCivil(debut) - 7), DateFromDays(DaysFromCivil(fin) - 7)};
        case Comparaison::Mois:
            return EarlierMonths(WholeMonths(debut, fin), MonthEarlier(debut), MonthEarlier(fin));
        case Comparaison::Annee:
            return EarlierMonths(WholeMonths(debut, fin),
                                 SameDayIn(debut.year - 1, debut.month, debut.day),
                                 SameDayIn(fin.year - 1, fin.month, fin.day));
        case Comparaison::Aucune:
            break;
    }
    return {debut, fin};
}

Graphiques CalculerGraphiques(const ReportSettings& settings, const Date& debut, const Date& fin,
                              Comparaison comparaison) {
    Graphiques graphiques;
    const std::optional<JournalSums> sums =
        LireJournal(settings.journal, ChartRequest(settings, debut, fin), settings.parts);
    if (!sums) {
        graphiques.noJournal = true;
        return graphiques;
    }
    graphiques.periode = PeriodOfSums(settings, debut, fin, *sums);
    if (comparaison != Comparaison::Aucune) {
        const auto [du, au] = PeriodeEnArriere(debut, fin, comparaison);
        const std::optional<JournalSums> earlier =
            LireJournal(settings.journal, ChartRequest(settings, du, au), settings.parts);
        graphiques.comparaison = PeriodOfSums(settings, du, au, earlier.value_or(JournalSums{}));
    }
    return graphiques;
}

}  // namespace vantor
