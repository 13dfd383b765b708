#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/DateTime.h"
#include "reports/ExactSum.h"

namespace vantor {

// What the corrections, discounts and offered lines of a period took off its
// takings, read from lignes.csv. Each amount is the sum of the recorded
// lines, as their receipts printed them (negative). A correction counts on
// the day it was made, whatever the date of the sale it corrects; the
// discounts and offered lines are those of the period's sales (a correction
// that takes one back is counted whole with the corrections).
struct CorrectionSums {
    long annulations = 0;
    ExactSum annule;
    long remboursements = 0;
    ExactSum rembourse;
    ExactSum remises;
    long offerts = 0;
    ExactSum offert;
};

// The sums of the sales dated from debut to fin (of the waiter serveur
// only, when given); nothing for a data folder without lignes.csv, kept
// before the sales' lines were, whose reports show no such lines.
std::optional<CorrectionSums> CorrectionSumsOf(const std::string& dataPath, const Date& debut,
                                               const Date& fin,
                                               const std::optional<std::string>& serveur);

// "Annulations : n, montant", "Remboursements : n, montant",
// "Remises : montant" and "Offerts : n, montant", in the report line forms.
std::vector<std::string> LignesCorrections(const CorrectionSums& sums, const std::string& monnaie);

}  // namespace vantor
