// The Z report's lines: a closure's totals, then the chain's head and the
// key that signed it, as printed at "Clôture du jour".
#include "reports/Clotures.h"

#include <stdexcept>

#include "data/Dates.h"
#include "data/Text.h"
#include "ledger/ChainEntry.h"
#include "reports/ReportLines.h"
#include "reports/ReportPdf.h"

namespace vantor {

namespace {

// The included VAT of a closure, or "inconnue" for one of 16 fields not
// completed from the journal (CompleterTvaIncluse).
std::string LigneTvaZ(const std::string& taux, const std::string& monnaie,
                      const std::optional<std::string>& tvaIncluse) {
    if (tvaIncluse) {
        return LigneTva(taux, monnaie, ClosureAmount(*tvaIncluse));
    }
    return FitRight(LibelleTva(taux), 18) + " " + monnaie + " inconnue";
}

}  // namespace

std::vector<std::string> RapportZ(const Closure& c, const std::string& monnaie,
                                  const std::string& taux1, const std::string& taux2,
                                  const std::optional<CorrectionSums>& corrections) {
    const std::string periode = PeriodeDuAu(FormatDate(c.debut), FormatDate(c.fin));
    std::vector<std::string> lines = {
        "Rapport Z : clôture " + periode,
        std::string(kSeparateur),
        "Ventes : " + std::to_string(c.ventes) + " (tickets " + std::to_string(c.premier) + " à " +
            std::to_string(c.dernier) + ")",
        std::string(kSeparateur),
        LigneMontant("Cartes", monnaie, ClosureAmount(c.cartes)),
        LigneMontant("Espèces", monnaie, ClosureAmount(c.especes)),
        std::string(kSeparateur),
        LigneMontant("Total", monnaie, ClosureAmount(c.total)),
        LigneMontant("Entrée/sortie caisse", monnaie, ClosureAmount(c.mouvements)),
        LigneTvaZ(taux1, monnaie, c.tvaIncluse1),
        LigneTvaZ(taux2, monnaie, c.tvaIncluse2),
        std::string(kSeparateur)};
    if (corrections) {
        for (std::string& line : LignesCorrections(*corrections, monnaie)) {
            lines.push_back(std::move(line));
        }
        lines.emplace_back(kSeparateur);
    }
    Ajouter(lines, {LigneMontant("Grand total", monnaie, ClosureAmount(c.grandTotal)),
                    LigneMontant("Grand total absolu", monnaie, ClosureAmount(c.grandTotalAbsolu)),
                    kSeparateur});
    return lines;
}

std::optional<CorrectionSums> CorrectionsOfClosure(const std::string& dataPath,
                                                   const Closure& closure) {
    return CorrectionSumsOf(dataPath, closure.debut, closure.fin, std::nullopt);
}

std::optional<Report> RapportZDuJour(const std::string& dataPath, const ReportSettings& report,
                                     const Date& jour, int width) {
    std::vector<Closure> closures = ReadClosures(dataPath);
    CompleterTvaIncluse(dataPath, closures);
    for (const Closure& closure : closures) {
        if (closure.period == kClosureDay && closure.debut == jour) {
            Report z;
            z.lines = RapportZComplet(dataPath, closure, report.monnaie, report.taux1, report.taux2,
                                      {}, width);
            return z;
        }
    }
    return std::nullopt;
}

std::string SansClotureDuJour(const Date& jour) {
    return "Aucune clôture du jour pour le " + FormatDate(jour);
}

std::vector<std::string> LignesChaine(const std::optional<ChainEntry>& head,
                                      const std::string& cle) {
    std::vector<std::string> lines;
    if (head) {
        // 64 digits: two lines of 32 fit the narrowest paper.
        lines = {"Chaîne : entrée " + std::to_string(head->seq), head->hash.substr(0, 32),
                 head->hash.substr(32)};
    }
    if (!cle.empty()) {
        lines.push_back("Clé : " + cle);
    }
    if (!lines.empty()) {
        lines.emplace_back(kSeparateur);
    }
    return lines;
}

std::vector<std::string> LignesSauvegarde(const std::optional<VerifiedBackup>& last, int width) {
    const std::string caption = "Dernière sauvegarde vérifiée :";
    const std::string when =
        last ? FormatDate(last->when.date) + " " + FormatTime(last->when.time) : "aucune";
    if (Len(caption) + 1 + Len(when) <= static_cast<std::size_t>(width)) {
        return {caption + " " + when, std::string(kSeparateur)};
    }
    return {caption, when, std::string(kSeparateur)};
}

std::vector<std::string> RapportZComplet(const std::string& dataPath, const Closure& closure,
                                         const std::string& monnaie, const std::string& taux1,
                                         const std::string& taux2,
                                         const std::vector<std::string>& chaine, int width) {
    std::vector<std::string> lines =
        RapportZ(closure, monnaie, taux1, taux2, CorrectionsOfClosure(dataPath, closure));
    lines.insert(lines.end(), chaine.begin(), chaine.end());
    try {
        // Strictly before: the backup that follows the closure starts in its second.
        for (std::string& line :
             LignesSauvegarde(LastVerifiedBackup(dataPath, closure.made), width)) {
            lines.push_back(std::move(line));
        }
    } catch (const std::runtime_error&) {
    }
    return lines;
}

}  // namespace vantor
