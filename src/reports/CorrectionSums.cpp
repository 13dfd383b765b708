#include "reports/CorrectionSums.h"

#include <map>

#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "reports/RecordedReceipts.h"
#include "reports/ReportLines.h"
#include "sales/Remise.h"

namespace vantor {

namespace {

// A discount or offered line is never positive: an article of that name sold
// at a price is an article.
bool TakesOff(const RecordedLine& line) {
    const std::optional<ExactSum> amount = ExactSum::Parse(line.amount);
    return amount && !amount->IsPositive();
}

void AddGiven(CorrectionSums& sums, const RecordedReceipt& sale) {
    for (const RecordedLine& line : sale.lines) {
        if (!TakesOff(line)) {
            continue;
        }
        const ExactSum amount = ExactSum::Parse(line.amount).value_or(ExactSum());
        if (EstLibelleRemise(line.label)) {
            sums.remises += amount;
        } else if (line.label == kLibelleOffert) {
            ++sums.offerts;
            sums.offert += amount;
        }
    }
}

}  // namespace

std::optional<CorrectionSums> CorrectionSumsOf(const std::string& dataPath, const Date& debut,
                                               const Date& fin,
                                               const std::optional<std::string>& serveur) {
    if (!FileExists(JoinPath(dataPath, kLinesFile))) {
        return std::nullopt;
    }
    CorrectionSums sums;
    const std::vector<RecordedReceipt> receipts = AllRecordedReceipts(dataPath);
    std::map<std::int32_t, std::size_t> sales;  // each number's last sale read so far
    for (std::size_t i = 0; i < receipts.size(); ++i) {
        const RecordedReceipt& r = receipts[i];
        const bool counted =
            debut <= r.date && r.date <= fin && (!serveur || r.serveur == *serveur);
        if (r.corrige == 0) {
            sales[r.numero] = i;
            if (counted) {
                AddGiven(sums, r);
            }
            continue;
        }
        if (!counted) {
            continue;
        }
        const auto corrected = sales.find(r.corrige);
        const Correction kind =
            KindOfCorrection(r, corrected == sales.end() ? nullptr : &receipts[corrected->second]);
        if (kind == Correction::Annulation) {
            ++sums.annulations;
            sums.annule += r.total;
        } else {
            ++sums.remboursements;
            sums.rembourse += r.total;
        }
    }
    return sums;
}

std::vector<std::string> LignesCorrections(const CorrectionSums& sums, const std::string& monnaie) {
    return {LigneNombreMontant("Annulations", sums.annulations, monnaie, sums.annule),
            LigneNombreMontant("Remboursements", sums.remboursements, monnaie, sums.rembourse),
            LigneMontant("Remises :", monnaie, sums.remises),
            LigneNombreMontant("Offerts", sums.offerts, monnaie, sums.offert)};
}

}  // namespace vantor
