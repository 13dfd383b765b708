#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ledger/ChainEntry.h"
#include "ledger/Closures.h"
#include "platform/DateTime.h"

namespace vantor {

// Closes, in date order, every day that holds journal records, has no
// closure yet and lies before today (or up to today with aujourdhui); then
// every month and year that has daily (monthly) closures, none of its own,
// and has ended before now. Each closure is appended to Clotures.csv under
// the chain; its totals are those the totals report gives for its period,
// read with the same code. Returns the closures made. Throws FileError.
std::vector<Closure> Cloturer(const std::string& dataPath, const DateTime& now, bool aujourdhui);

// The closures of 16 fields, written before the included VAT was kept, get
// it from the journal records of their periods, read as for their totals
// (the chain shows them unchanged since); the others are left as they are.
void CompleterTvaIncluse(const std::string& dataPath, std::vector<Closure>& closures);

// The Z report of a closure, in the report line forms; its VAT is the VAT
// included in the takings, rounded to cents.
std::vector<std::string> RapportZ(const Closure& closure, const std::string& monnaie,
                                  const std::string& taux1, const std::string& taux2);

// The chain's head when the Z report is printed (its entry number and whole
// hash, the code `vantor verify --contre` takes) and the first digits of the
// shop's key, printed below the grand totals: the Z, once out of the shop,
// is what a rewritten history no longer matches.
std::vector<std::string> LignesChaine(const std::optional<ChainEntry>& head,
                                      const std::string& cle);

// "Jour 05.12.2026 : 12 ventes, total 345.5": the detail of a closure event.
std::string ResumeCloture(const Closure& closure);

}  // namespace vantor
