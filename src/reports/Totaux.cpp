// The totals report: takings of a period for all waiters, one waiter, or
// waiter by waiter with the turnover table.
#include <cstddef>

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "reports/CorrectionSums.h"
#include "reports/ReadJournal.h"
#include "reports/Report.h"
#include "reports/ReportLines.h"

namespace vantor {

namespace {

std::string Titre(const std::string& debut, const std::string& fin) {
    return debut == fin ? "Totaux journalier du " + debut : "Totaux du " + debut + " au " + fin;
}

// How the cash in the drawer moved: from the balance before the period's
// sales and movements to the balance of the whole journal.
void BlocVantor(std::vector<std::string>& lines, const ReportSettings& s, const ExactSum& solde,
                const ExactSum& mouvements, const ExactSum& especes) {
    lines.emplace_back("Mouvement de caisse :");
    lines.push_back(LigneMontant("Solde initial", s.monnaie, solde - mouvements - especes));
    lines.push_back(LigneMontant("Vente espèces", s.monnaie, especes));
    lines.push_back(LigneMontant("Entrée/sortie caisse", s.monnaie, mouvements));
    lines.push_back(LigneMontant("Evolution caisse", s.monnaie, especes + mouvements));
    lines.emplace_back(kSeparateur);
    lines.push_back(LigneMontant("Solde caisse", s.monnaie, solde));
}

void LignesCategories(std::vector<std::string>& lines, const ReportSettings& s,
                      const PeriodSums& period) {
    for (std::size_t i = 0; i < s.categories.size(); ++i) {
        lines.push_back(LigneCategorie(s.categories[i], period.parCategorie[i]));
    }
}

// The VAT included in the takings at each rate.
void LignesTva(std::vector<std::string>& lines, const ReportSettings& s, const ExactSum& tva1,
               const ExactSum& tva2) {
    lines.push_back(LigneTva(s.taux1, s.monnaie, tva1));
    lines.push_back(LigneTva(s.taux2, s.monnaie, tva2));
}

// The corrections, discounts and offered lines of the period (of the one
// waiter, when given); none from a folder without the sales' lines.
void BlocCorrections(std::vector<std::string>& lines, const ReportSettings& s, const Date& debut,
                     const Date& fin, const std::optional<std::string>& serveur) {
    const std::optional<CorrectionSums> sums =
        s.dossier.empty() ? std::nullopt : CorrectionSumsOf(s.dossier, debut, fin, serveur);
    if (!sums) {
        return;
    }
    for (std::string& line : LignesCorrections(*sums, s.monnaie)) {
        lines.push_back(std::move(line));
    }
    lines.emplace_back(kSeparateur);
}

bool UnServeur(const ReportSettings& s, int indexServeur) {
    return indexServeur > 0 && static_cast<std::size_t>(indexServeur) < s.serveurs.size();
}

// Waiter by waiter, slots 1..N: the blocks with takings or VAT, and the grand totals.
WaiterSums BlocsServeurs(std::vector<std::string>& lines, const ReportSettings& s,
                         const std::vector<std::string>& noms, const JournalSums& sums) {
    WaiterSums grand;
    for (std::size_t i = 1; i < sums.waiterSlots.size(); ++i) {
        const WaiterSums& w = sums.waiterSlots[i];
        if (!(w.especes + w.cartes + w.tvaIncluse1 + w.tvaIncluse2).IsPositive()) {
            continue;
        }
        Ajouter(lines, {"", "Serveur : " + noms[i], kSeparateur});
        lines.push_back(LigneMontant("Espèces", s.monnaie, w.especes));
        lines.push_back(LigneMontant("Cartes", s.monnaie, w.cartes));
        lines.emplace_back(kSeparateur);
        lines.push_back(LigneMontant("Total " + noms[i], s.monnaie, w.especes + w.cartes));
        LignesTva(lines, s, w.tvaIncluse1, w.tvaIncluse2);
        Ajouter(lines, {kSeparateur, ""});
        grand.especes += w.especes;
        grand.cartes += w.cartes;
        grand.tvaIncluse1 += w.tvaIncluse1;
        grand.tvaIncluse2 += w.tvaIncluse2;
    }
    return grand;
}

void TableauCA(std::vector<std::string>& lines, const ReportSettings& s,
               const std::vector<std::string>& noms, const JournalSums& sums) {
    std::vector<double> especes;
    std::vector<double> cartes;
    for (const WaiterSums& w : sums.waiterSlots) {
        especes.push_back(w.especes.ToDouble());
        cartes.push_back(w.cartes.ToDouble());
    }
    const std::vector<std::string> table = CAParServeur(noms, especes, cartes, s.formation);
    if (table.size() <= 3) {
        return;
    }
    Ajouter(lines,
            {"", kSeparateur,
             s.formation ? "Chiffre d'affaire par serveur (25%)" : "Chiffre d'affaire par serveur",
             kSeparateur, ""});
    lines.insert(lines.end(), table.begin(), table.end());
}

}  // namespace

Report GenererTotaux(const ReportSettings& settings, const Date& debut, const Date& fin,
                     int indexServeur, bool detail) {
    if (detail && indexServeur == 0) {
        return RapportTotauxServeurs(settings, debut, fin);
    }
    return RapportTotaux(settings, debut, fin, indexServeur);
}

Report RapportTotaux(const ReportSettings& s, const Date& debut, const Date& fin,
                     int indexServeur) {
    const bool unServeur = UnServeur(s, indexServeur);
    const bool tiroir = fin == s.today && !unServeur;
    ScanRequest request = PeriodRequest(debut, fin);
    if (unServeur) {
        request.serveur = Utf8ToCp1252(s.serveurs[static_cast<std::size_t>(indexServeur)]);
    }
    request.solde = tiroir;
    return ReportFromJournal(
        s, request, [&](std::vector<std::string>& lines, const JournalSums& sums) {
            const PeriodSums& p = sums.period;
            const bool unJour = debut == fin;
            lines.push_back(Titre(FormatDate(debut), FormatDate(fin)));
            if (unServeur) {
                lines.push_back("Serveur : " + s.serveurs[static_cast<std::size_t>(indexServeur)]);
            }
            lines.emplace_back(kSeparateur);
            lines.push_back(LigneMontant("Cartes", s.monnaie, p.cartes));
            lines.push_back(LigneMontant("Espèces", s.monnaie, p.especes));
            lines.emplace_back(kSeparateur);
            lines.push_back(LigneMontant(unJour ? "Total journalier" : "Total période", s.monnaie,
                                         p.especes + p.cartes));
            lines.emplace_back(kSeparateur);
            BlocCorrections(lines, s, debut, fin,
                            unServeur ? std::optional<std::string>(
                                            s.serveurs[static_cast<std::size_t>(indexServeur)])
                                      : std::nullopt);
            if (tiroir) {
                BlocVantor(lines, s, sums.solde, p.mouvements, p.especes);
            }
            Ajouter(lines, {"", kSeparateur, "Totaux par Catégories", kSeparateur});
            LignesCategories(lines, s, p);
            lines.emplace_back(kSeparateur);
            lines.push_back(LigneMontant("Total", s.monnaie, p.especes + p.cartes));
            lines.emplace_back(kSeparateur);
            LignesTva(lines, s, p.tvaIncluse1, p.tvaIncluse2);
        });
}

Report RapportTotauxServeurs(const ReportSettings& s, const Date& debut, const Date& fin) {
    const bool tiroir = fin == s.today;
    std::vector<std::string> noms = s.serveurs;
    noms.emplace_back();  // slot N: the records of a waiter in no entry
    ScanRequest request = PeriodRequest(debut, fin);
    for (const std::string& nom : s.serveurs) {
        request.waiterSlots.push_back(Utf8ToCp1252(nom));
    }
    request.solde = tiroir;
    return ReportFromJournal(
        s, request, [&](std::vector<std::string>& lines, const JournalSums& sums) {
            Ajouter(lines, {Titre(FormatDate(debut), FormatDate(fin)), kSeparateur});
            const WaiterSums grand = BlocsServeurs(lines, s, noms, sums);
            Ajouter(lines, {"", "Totaux :", kSeparateur});
            lines.push_back(LigneMontant("Cartes", s.monnaie, grand.cartes));
            lines.push_back(LigneMontant("Espèces", s.monnaie, grand.especes));
            lines.emplace_back(kSeparateur);
            lines.push_back(LigneMontant("Totaux", s.monnaie, grand.especes + grand.cartes));
            LignesTva(lines, s, grand.tvaIncluse1, grand.tvaIncluse2);
            lines.emplace_back(kSeparateur);
            BlocCorrections(lines, s, debut, fin, std::nullopt);
            if (!tiroir) {
                return;
            }
            BlocVantor(lines, s, sums.solde, sums.period.mouvements, grand.especes);
            Ajouter(lines, {kSeparateur, "", "Totaux par Catégories", kSeparateur});
            LignesCategories(lines, s, sums.period);
            TableauCA(lines, s, noms, sums);
        });
}

std::string TitreTotaux(const std::string& serveur, bool detail) {
    if (!serveur.empty()) {
        return "Totaux de " + serveur;
    }
    return detail ? "Totaux par serveur" : "Totaux";
}

}  // namespace vantor
