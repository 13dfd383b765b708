#pragma once

#include <cstdint>
#include <string>

#include "data/TextFile.h"

namespace vantor {

inline constexpr const char* kIdFile = "Id.txt";

// The number of the next receipt: the number in Id.txt + 1 (2 when the file
// holds no number, 1 when there is no file).
std::int32_t LireNumTicket(const std::string& dataPath);

// The number of the next receipt at start-up: LireNumTicket's, unless the
// chain already holds that number or a later one (Id.txt deleted, edited, or
// older than the chain after a power cut): then the number after the chain's
// last sale, and a notice that says so.
struct NumeroDemarrage {
    std::int32_t numero = 1;
    std::string avis;  // empty when Id.txt and the chain agree
};
NumeroDemarrage NumTicketAuDemarrage(const std::string& dataPath);

// The number after this one; after the largest the numbers start again at 1.
std::int32_t NumTicketSuivant(std::int32_t numero);

// What keeps the number written to Id.txt through a power cut: the file
// itself, replaced atomically and flushed; or the chain entry of the sale,
// appended and flushed right after, from which the start takes the number
// when Id.txt is behind: the file is then overwritten in place, unflushed.
enum class KeptBy {
    IdFile,
    Chain,
};
// Id.txt holds the number the next receipt shows. Throws FileError, the file
// then holding its old number.
void EcrireNumTicket(const std::string& dataPath, std::int32_t next,
                     KeptBy keptBy = KeptBy::IdFile);

}  // namespace vantor
