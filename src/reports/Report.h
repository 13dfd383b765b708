#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/TillData.h"
#include "platform/DateTime.h"
#include "reports/ExactSum.h"

namespace vantor {

inline constexpr const char* kAucunTicket = "Aucun ticket enregistré";
inline constexpr const char* kFinAvantDebut =
    "Opération impossible, la date de fin est avant la date de début";

// What the reports take from the till: the same for the screen and for the
// command line, so that both give the same lines.
struct ReportSettings {
    std::string journal;                // path of tickets.csv
    std::string dossier;                // the data folder, for lignes.csv; empty: not read
    std::vector<std::string> commerce;  // the shop's name, address, town and phone, if given
    std::string monnaie;                // currency symbol (Infos 16)
    std::string taux1;                  // VAT rate on the premises (Infos 5)
    std::string taux2;                  // VAT rate take-away (Infos 6)
    CategoryNames categories;
    std::vector<std::string> serveurs;  // the waiter filter's entries: "Tous", then the waiters
    std::vector<std::string> comptes;   // the account categories, in list order
    Date today;
    bool formation = false;  // training mode: the turnover table shows quarters
    int parts = 0;           // pieces of the journal read at once; 0: as many as pay
};

struct Report {
    bool noJournal = false;  // tickets.csv does not exist: no report
    std::vector<std::string> lines;
    long unreadable = 0;  // journal records counted as 0 (see AvisIllisibles)
};

// "Générer": the report of the period for all waiters, one waiter
// (indexServeur > 0), or waiter by waiter (detail with all waiters).
Report GenererTotaux(const ReportSettings& settings, const Date& debut, const Date& fin,
                     int indexServeur, bool detail);
Report RapportTotaux(const ReportSettings& settings, const Date& debut, const Date& fin,
                     int indexServeur);
Report RapportTotauxServeurs(const ReportSettings& settings, const Date& debut, const Date& fin);

// The names of the reports, as their pages are headed: "Totaux", "Totaux de
// Paul" (serveur given), "Totaux par serveur"; "Journal de caisse",
// "Résumé comptable".
std::string TitreTotaux(const std::string& serveur, bool detail);
std::string TitreJournal(bool resume);
inline constexpr const char* kTitreRapportZ = "Rapport Z";

// The cash journal (resume false) or the accounting summary (resume true).
Report JournalVantor(const ReportSettings& settings, bool resume, const Date& debut,
                     const Date& fin);

// The cash that should be in the drawer: the "Esp" and "Sort" amounts of the
// whole journal; nullopt when there is no journal.
std::optional<ExactSum> SoldeVantor(const std::string& journal, int parts = 0);

// The turnover per person of the waiter slots, a team entry ("Paul+Marie")
// being shared equally among its members; no line when no entry is a team.
std::vector<std::string> CAParServeur(const std::vector<std::string>& noms,
                                      const std::vector<double>& especes,
                                      const std::vector<double>& cartes, bool formation);

// The notice shown after a report that counted unreadable records as 0.
std::string AvisIllisibles(long count);

}  // namespace vantor
