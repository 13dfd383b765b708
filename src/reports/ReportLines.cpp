#include "reports/ReportLines.h"

#include <algorithm>

#include "data/Text.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

constexpr std::size_t kReportLabelWidth = 18;
constexpr std::size_t kCategoryWidth = 16;
constexpr std::size_t kAccountWidth = 28;
constexpr std::size_t kDateWidth = 12;

std::string Amount(const ExactSum& x) {
    return FormatMontant(x.Text(), false);
}

}  // namespace

std::string LigneMontant(std::string_view label, std::string_view monnaie, const ExactSum& x) {
    std::string line = FitRight(label, kReportLabelWidth);
    line += ' ';
    line += monnaie;
    line += ' ';
    return line += Amount(x);
}

std::string LigneNombreMontant(std::string_view label, long count, std::string_view monnaie,
                               const ExactSum& x) {
    std::string line =
        PadRight(std::string(label) + " : " + std::to_string(count) + ",", kReportLabelWidth);
    line += ' ';
    line += monnaie;
    line += ' ';
    // A label longer than its room ("Remboursements : 0,") takes it from the
    // amount's leading spaces, so that the amounts still end in one column.
    std::string amount = Amount(x);
    const std::size_t over = Len(line) - std::min(Len(line), kReportLabelWidth + Len(monnaie) + 2);
    const std::size_t spaces = std::min(over, amount.find_first_not_of(' '));
    return line += amount.substr(spaces);
}

std::string LigneCategorie(std::string_view nom, const ExactSum& x) {
    return "Total " + FitRight(nom, kCategoryWidth) + " " + Amount(x);
}

std::string LibelleTva(std::string_view taux) {
    std::string label = "TVA à ";
    label += taux;
    return label += "% ";
}

std::string LigneTva(std::string_view taux, std::string_view monnaie, const ExactSum& tvaIncluse) {
    return LigneMontant(LibelleTva(taux), monnaie, tvaIncluse.RoundedToCents());
}

std::string LigneResume(std::string_view label, const ExactSum& x) {
    return std::string(label) + Amount(x);
}

std::string LigneCompte(std::string_view label, const ExactSum& x) {
    return FitRight(label, kAccountWidth) + Amount(x);
}

std::string LigneJournal(std::string_view date, std::string_view label, std::string_view montant) {
    return FitRight(date, kDateWidth) + FitRight(label, kMovementWidth) +
           FormatMontant(montant, false);
}

void Ajouter(std::vector<std::string>& lines, std::initializer_list<std::string_view> more) {
    for (std::string_view line : more) {
        lines.emplace_back(line);
    }
}

}  // namespace vantor
