// One reading of the sales journal, adding up everything a report needs.
#include "reports/JournalScan.h"

#include <future>
#include <thread>

#include "reports/JournalScanner.h"

namespace vantor {

namespace {

// Below this size one core reads the file faster than two can start.
constexpr std::size_t kBytesPerPart = 4u << 20;
constexpr unsigned kMostParts = 4;

// The file cut into pieces of about equal size, each ending after a line end.
std::vector<std::string_view> Pieces(std::string_view bytes, int parts) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (int k = 1; k <= parts && start < bytes.size(); ++k) {
        std::size_t stop =
            bytes.size() * static_cast<std::size_t>(k) / static_cast<std::size_t>(parts);
        if (stop <= start) {
            continue;
        }
        const std::size_t lineEnd = bytes.find('\n', stop - 1);
        stop = k == parts || lineEnd == std::string_view::npos ? bytes.size() : lineEnd + 1;
        pieces.push_back(bytes.substr(start, stop - start));
        start = stop;
    }
    return pieces;
}

JournalSums ScanPiece(std::string_view piece, const ScanRequest& request) {
    JournalScanner scanner(request);
    scanner.Read(piece);
    return scanner.Result();
}

}  // namespace

void JournalSums::Merge(JournalSums&& next) {
    period.especes += next.period.especes;
    period.cartes += next.period.cartes;
    period.mouvements += next.period.mouvements;
    period.tva1 += next.period.tva1;
    period.tva2 += next.period.tva2;
    for (std::size_t i = 0; i < period.parCategorie.size(); ++i) {
        period.parCategorie[i] += next.period.parCategorie[i];
    }
    for (std::size_t i = 0; i < slots.size() && i < next.slots.size(); ++i) {
        slots[i].especes += next.slots[i].especes;
        slots[i].cartes += next.slots[i].cartes;
        slots[i].tva1 += next.slots[i].tva1;
        slots[i].tva2 += next.slots[i].tva2;
    }
    for (std::size_t i = 0; i < parCompte.size(); ++i) {
        parCompte[i] += next.parCompte[i];
    }
    solde += next.solde;
    movements.insert(movements.end(), std::make_move_iterator(next.movements.begin()),
                     std::make_move_iterator(next.movements.end()));
    unreadable += next.unreadable;
}

JournalSums ScanInParts(std::size_t parts, const std::function<JournalSums(std::size_t)>& scan) {
    std::vector<std::future<JournalSums>> others;
    for (std::size_t k = 1; k < parts; ++k) {
        others.push_back(std::async(std::launch::async, scan, k));
    }
    JournalSums sums = scan(0);
    for (std::future<JournalSums>& other : others) {
        sums.Merge(other.get());
    }
    return sums;
}

JournalSums ScanJournal(std::string_view bytes, const ScanRequest& request, int parts) {
    const std::vector<std::string_view> pieces = Pieces(bytes, parts < 1 ? 1 : parts);
    if (pieces.empty()) {
        return ScanPiece(bytes, request);
    }
    return ScanInParts(pieces.size(), [&](std::size_t k) { return ScanPiece(pieces[k], request); });
}

int ScanParts(std::size_t bytes) {
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), kMostParts));
    const std::size_t worth = bytes / kBytesPerPart + 1;
    return static_cast<int>(std::min<std::size_t>(cores, worth));
}

long DateKey(const Date& date) {
    return date.year * 10000L + date.month * 100L + date.day;
}

}  // namespace vantor
