#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ledger/Ledger.h"

namespace vantor {

// What a check of the chain against the journal and the event log found.
struct LedgerCheck {
    bool intact = true;
    std::uint64_t records = 0;         // journal records covered by the chain
    std::uint64_t closures = 0;        // closures in the chain
    std::uint64_t signedClosures = 0;  // of which signed (the older ones are not)
    // The first broken record, in French: "ligne 12 de tickets.csv : ...".
    std::string problem;
    // The last write was cut by a crash and not settled yet (the next start
    // does it): not a sign of tampering.
    std::optional<Interruption> interrupted;
};

// Reads tickets.chain, tickets.csv, Evenements.csv and Clotures.csv of the
// data folder once from their starts, and checks each signed closure line:
// its signature by the folder's key, the head it names (the entry before its
// own), and that no unsigned line follows a signed one.
LedgerCheck VerifyLedger(const std::string& dataPath);

// "Journal intact : N enregistrements, M clôtures", or the problem.
std::string CheckSummary(const LedgerCheck& check);
// "Clôtures signées : S sur M", and how many older ones are not; "" without
// closures.
std::string SignedClosuresLine(const LedgerCheck& check);
// "la vente n° 12" / "un mouvement de caisse" / "un événement".
std::string InterruptedWhat(const Interruption& interruption);
// What the entry covers: "vente n° 12", "clôture"...
std::string EntryWhat(const ChainEntry& entry);

}  // namespace vantor
