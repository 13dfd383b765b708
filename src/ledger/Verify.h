#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ledger/Ledger.h"

namespace vantor {

// What a check of the chain against the journal and the event log found.
struct LedgerCheck {
    bool intact = true;
    std::uint64_t records = 0;   // journal records covered by the chain
    std::uint64_t closures = 0;  // closures in the chain
    // The first broken record, in French: "ligne 12 de tickets.csv : ...".
    std::string problem;
    // The last write was cut by a crash and not settled yet (the next start
    // does it): not a sign of tampering.
    std::optional<Interruption> interrupted;
};

// Reads tickets.chain, tickets.csv and Evenements.csv of the data folder once
// from their starts.
LedgerCheck VerifyLedger(const std::string& dataPath);

// "Journal intact : N enregistrements, M clôtures", or the problem.
std::string CheckSummary(const LedgerCheck& check);
// "la vente n° 12" / "un mouvement de caisse" / "un événement".
std::string InterruptedWhat(const Interruption& interruption);
// What the entry covers: "vente n° 12", "clôture"...
std::string EntryWhat(const ChainEntry& entry);

}  // namespace vantor
