// The cash journal (every entry and exit of the drawer in a period) and the
// accounting summary (takings and movements per account category).
#include <cstddef>

#include "data/Dates.h"
#include "data/Text.h"
#include "reports/ReadJournal.h"
#include "reports/Report.h"
#include "reports/ReportLines.h"

namespace vantor {

namespace {

constexpr std::string_view kEspeces = "   Encaissement espèces : ";
constexpr std::string_view kCartes = "   Encaissement cartes :  ";
constexpr std::string_view kChiffre = "Total chiffre d'affaires :";
constexpr std::string_view kMouvement = "   Mouvement caisse :     ";
constexpr std::string_view kSolde = "   Solde caisse :         ";

// The movement's text cut to 14 characters and stripped, or a label telling
// an entry from an exit when that leaves nothing.
std::string Libelle(const Movement& movement) {
    std::string label = Trim(Left(movement.texte, kMovementWidth));
    if (!label.empty()) {
        return label;
    }
    return movement.valeur.IsPositive() ? "Entrée Caisse " : "Sortie Caisse ";
}

void Journal(std::vector<std::string>& lines, const JournalSums& sums) {
    for (const Movement& movement : sums.movements) {
        lines.push_back(LigneJournal(movement.date, Libelle(movement), movement.montant));
    }
    const PeriodSums& p = sums.period;
    Ajouter(lines, {kSeparateurLong});
    lines.push_back(LigneResume(kEspeces, p.especes));
    lines.emplace_back(kSeparateurLong);
    lines.push_back(LigneResume(kMouvement, p.mouvements + p.especes));
    lines.push_back(LigneResume(kSolde, sums.solde));
    lines.emplace_back(kSeparateurLong);
}

void Resume(std::vector<std::string>& lines, const ReportSettings& s, const JournalSums& sums) {
    const PeriodSums& p = sums.period;
    lines.emplace_back(kSeparateurLong);
    lines.push_back(LigneResume(kEspeces, p.especes));
    lines.push_back(LigneResume(kCartes, p.cartes));
    lines.push_back(LigneResume(kChiffre, p.especes + p.cartes));
    lines.emplace_back(kSeparateurLong);
    ExactSum total;
    // The account digit reaches only the first ten categories.
    for (std::size_t k = 0; k < s.comptes.size(); ++k) {
        const ExactSum compte = k < sums.parCompte.size() ? sums.parCompte[k] : ExactSum();
        lines.push_back(LigneCompte(s.comptes[k], compte));
        total += compte;
    }
    lines.push_back(LigneCompte("Total", total));
    lines.emplace_back(kSeparateurLong);
    lines.push_back(LigneCompte("Résultat", p.especes + p.cartes + total));
    lines.emplace_back(kSeparateurLong);
}

}  // namespace

Report JournalVantor(const ReportSettings& settings, bool resume, const Date& debut,
                     const Date& fin) {
    ScanRequest request = PeriodRequest(debut, fin);
    request.solde = !resume;
    request.movements = !resume;
    request.vat = false;
    return ReportFromJournal(
        settings, request, [&](std::vector<std::string>& lines, const JournalSums& sums) {
            const std::string periode =
                "période du " + FormatDate(debut) + " au " + FormatDate(fin);
            if (resume) {
                Ajouter(lines, {kSeparateurLong, "Résumé comptable", periode});
                Resume(lines, settings, sums);
            } else {
                Ajouter(lines,
                        {kSeparateurLong, "Entrées / Sorties de caisse", periode, kSeparateurLong});
                Journal(lines, sums);
            }
        });
}

std::string TitreJournal(bool resume) {
    return resume ? "Résumé comptable" : "Journal de caisse";
}

}  // namespace vantor
