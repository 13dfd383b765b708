#pragma once

#include <string>

namespace vantor {

// What in a folder without chain (tickets.chain missing or empty) shows that
// it had one, in French ("Evenements.csv a déjà 12 lignes, …"); "" when
// nothing does, as in a folder of a version from before the chain. The event
// log, the closures and tickets.recup are only ever written under a chain,
// and the archive key is made at the first start once the chain has begun.
std::string EarlierChainEvidence(const std::string& dataPath);

}  // namespace vantor
