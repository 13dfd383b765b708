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

}  // namespace

void JournalSums::Merge(JournalSums&& next) {
    period.especes += next.period.especes;
    period.cartes += next.period.cartes;
    period.mouvements += next.period.mouvements;
    period.tva1 += next.period.tva1;
    period.tva2 += next.period.tva2;
    period.tvaIncluse1 += next.period.tvaIncluse1;
    period.tvaIncluse2 += next.period.tvaIncluse2;
    for (std::size_t i = 0; i < period.parCategorie.size(); ++i) {
        period.parCategorie[i] += next.period.parCategorie[i];
    }
    for (std::size_t i = 0; i < period.especesParCode.size(); ++i) {
        period.especesParCode[i] += next.period.especesParCode[i];
        period.cartesParCode[i] += next.period.cartesParCode[i];
    }
    for (std::size_t i = 0; i < waiterSlots.size() && i < next.waiterSlots.size(); ++i) {
        waiterSlots[i].especes += next.waiterSlots[i].especes;
        waiterSlots[i].cartes += next.waiterSlots[i].cartes;
        waiterSlots[i].tva1 += next.waiterSlots[i].tva1;
        waiterSlots[i].tva2 += next.waiterSlots[i].tva2;
        waiterSlots[i].tvaIncluse1 += next.waiterSlots[i].tvaIncluse1;
        waiterSlots[i].tvaIncluse2 += next.waiterSlots[i].tvaIncluse2;
    }
    for (std::size_t i = 0; i < parCompte.size(); ++i) {
        parCompte[i] += next.parCompte[i];
    }
    for (const auto& [day, takings] : next.charts.parJour) {
        Takings& mine = charts.parJour[day];
        mine.especes += takings.especes;
        mine.cartes += takings.cartes;
    }
    for (std::size_t i = 0; i < charts.parHeure.size(); ++i) {
        charts.parHeure[i].especes += next.charts.parHeure[i].especes;
        charts.parHeure[i].cartes += next.charts.parHeure[i].cartes;
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

std::optional<ExactSum> IncludedVat(const ExactSum& amount, const ExactSum& vat) {
    if (vat == ExactSum()) {
        return ExactSum();  // also with an amount of 0
    }
    return ExactSum::ProductOverSum(vat, amount);
}

int ScanParts(std::size_t bytes) {
    const unsigned cores = std::max(1u, std::min(std::thread::hardware_concurrency(), kMostParts));
    const std::size_t worth = bytes / kBytesPerPart + 1;
    return static_cast<int>(std::min<std::size_t>(cores, worth));
}

long DateKey(const Date& date) {
    return date.year * 10000L + date.month * 100L + date.day;
}

Date DateOfKey(long key) {
    return Date{static_cast<int>(key / 10000), static_cast<int>(key / 100 % 100),
                static_cast<int>(key % 100)};
}

}  // namespace vantor
