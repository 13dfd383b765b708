#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reports/ExactSum.h"

namespace vantor {

// The line forms of the reports. Columns line up in a fixed-pitch font:
// every part is cut or padded with spaces to its width.

inline constexpr std::string_view kSeparateur = "----------------------------------";
inline constexpr std::string_view kSeparateurLong = "-----------------------------------";
// A cash movement's label in the cash journal, in characters.
inline constexpr std::size_t kMovementWidth = 14;

// Label on 18 characters, the currency symbol, the amount on 8.
std::string LigneMontant(std::string_view label, std::string_view monnaie, const ExactSum& x);
// "Annulations : 2," on 18 characters, then as LigneMontant; a longer one
// ("Remboursements : 0,") pushes the currency right, the amount keeping its
// end column while it has spaces to give.
std::string LigneNombreMontant(std::string_view label, long count, std::string_view monnaie,
                               const ExactSum& x);
// "Total ", the category name on 16, the amount on 8.
std::string LigneCategorie(std::string_view nom, const ExactSum& x);
// "TVA à 10% " for the rate 10.
std::string LibelleTva(std::string_view taux);
// The VAT line of a rate: the VAT included in the takings, rounded to cents
// halves away from zero as the receipt rounds it (cut, 0.909 would show
// 0.90 where the receipt said 0.91).
std::string LigneTva(std::string_view taux, std::string_view monnaie, const ExactSum& tvaIncluse);
// A fixed label followed directly by the amount on 8.
std::string LigneResume(std::string_view label, const ExactSum& x);
// Label on 28 characters, then the amount on 8.
std::string LigneCompte(std::string_view label, const ExactSum& x);
// Date on 12, label on 14, then the amount text on 8.
std::string LigneJournal(std::string_view date, std::string_view label, std::string_view montant);

// Adds lines at the end of a report.
void Ajouter(std::vector<std::string>& lines, std::initializer_list<std::string_view> more);

}  // namespace vantor
