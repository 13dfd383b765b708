#include "sales/NumeroTicket.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "data/Numbers.h"
#include "ledger/LastSale.h"

namespace vantor {

std::int32_t LireNumTicket(const std::string& dataPath) {
    const std::string path = JoinPath(dataPath, kIdFile);
    if (!FileExists(path)) {
        return 1;
    }
    std::vector<std::string> lines = ReadLines(path);
    std::optional<double> last = lines.empty() ? std::nullopt : ParseNumber(lines.front());
    // Rounded half to even, as the toolkit converts a number to a whole one.
    if (!last || !(std::nearbyint(*last) >= INT32_MIN && std::nearbyint(*last) <= INT32_MAX)) {
        return 2;
    }
    // The file holds the number of the next receipt: a restart takes it as it
    // is, so the receipts of a day follow each other without a gap that an
    // inspector would have to be told about. Receipts are numbered from 1.
    return std::max(static_cast<std::int32_t>(std::nearbyint(*last)), 1);
}

namespace {

// What Id.txt gave, for the notice.
std::string IdFileSays(const std::string& dataPath, std::int32_t numero) {
    if (!FileExists(JoinPath(dataPath, kIdFile))) {
        return "Le fichier Id.txt est absent";
    }
    return "Le fichier Id.txt donnait le n° " + std::to_string(numero) + " au prochain ticket";
}

}  // namespace

NumeroDemarrage NumTicketAuDemarrage(const std::string& dataPath) {
    NumeroDemarrage start{LireNumTicket(dataPath), ""};
    std::optional<std::int64_t> last;
    try {
        last = LastSaleReceipt(dataPath);
    } catch (const FileError&) {
        return start;  // an unreadable chain: the start-up's check tells
    }
    // After the largest number the next sale is numbered 1 again, whatever follows.
    if (!last || *last >= INT32_MAX || start.numero > *last) {
        return start;
    }
    const std::int32_t next =
        NumTicketSuivant(static_cast<std::int32_t>(std::max<std::int64_t>(*last, 0)));
    start.avis = IdFileSays(dataPath, start.numero) +
                 ", mais le journal a déjà enregistré le "
                 "ticket n° " +
                 std::to_string(*last) + " : le prochain ticket portera le n° " +
                 std::to_string(next) + ".";
    start.numero = next;
    return start;
}

std::int32_t NumTicketSuivant(std::int32_t numero) {
    return numero == INT32_MAX ? 1 : numero + 1;
}

void EcrireNumTicket(const std::string& dataPath, std::int32_t next, KeptBy keptBy) {
    const std::string path = JoinPath(dataPath, kIdFile);
    const std::string bytes = EncodeLines({std::to_string(next)});
    // A number only grows (but at the wrap to 1): written over the old one in
    // place, the file's first line is the old number or the new one.
    keptBy == KeptBy::Chain ? OverwriteInPlace(path, bytes) : WriteFileAtomic(path, bytes);
}

}  // namespace vantor
