// One reading of the sales journal, adding up everything a report needs.
#include "reports/JournalScan.h"

#include <future>
#include <optional>
#include <thread>

#include "data/Cp1252.h"
#include "reports/JournalRecord.h"

namespace vantor {

namespace {

using Kind = JournalRecord::Kind;

// Below this size one core reads the file faster than two can start.
constexpr std::size_t kBytesPerPart = 4u << 20;
constexpr unsigned kMostParts = 4;

class Scanner {
public:
    explicit Scanner(const ScanRequest& request) : request_(request) {
        if (!request.slots.empty()) {
            sums_.slots.resize(request.slots.size() + 1);
        }
    }

    void Read(std::string_view bytes);
    JournalSums Result() { return std::move(sums_); }

private:
    void Record(const JournalRecord& record);
    // Adds a record of the period; false when a number it needs is unreadable.
    bool Keep(const JournalRecord& record, std::optional<ExactSum> amount);
    bool AddVat(const JournalRecord& record, WaiterSums& waiter);
    std::size_t SlotOf(std::string_view name);

    const ScanRequest& request_;
    JournalSums sums_;
    std::string lastName_;
    std::size_t lastSlot_ = std::string::npos;
};

void Scanner::Read(std::string_view bytes) {
    JournalReader reader(bytes);
    JournalRecord record;
    while (reader.Next(record)) {
        Record(record);
    }
}

void Scanner::Record(const JournalRecord& record) {
    const long day = record.day;
    const Kind kind = record.kind;
    bool unreadable = day < 0;
    std::optional<ExactSum> amount;
    if (request_.solde && (kind == Kind::Especes || kind == Kind::Sortie)) {
        amount = ExactSum::Parse(record.montant);
        unreadable = unreadable || !amount;
        sums_.solde += amount.value_or(ExactSum());
    }
    if (day >= request_.debut && day <= request_.fin &&
        (!request_.serveur || record.nom == *request_.serveur)) {
        unreadable = !Keep(record, amount) || unreadable;
    }
    sums_.unreadable += unreadable ? 1 : 0;
}

bool Scanner::Keep(const JournalRecord& record, std::optional<ExactSum> amount) {
    const Kind kind = record.kind;
    const int category = record.categorie;
    if (!amount && (kind != Kind::Other || category >= 0)) {
        amount = ExactSum::Parse(record.montant);
    }
    bool readable = amount || (kind == Kind::Other && category < 0);
    const ExactSum value = amount.value_or(ExactSum());
    PeriodSums& period = sums_.period;
    if (category >= 0) {
        period.parCategorie[static_cast<std::size_t>(category)] += value;
    }
    // Records of the period by waiter go to their slot; without slots, to a scratch one.
    WaiterSums scratch;
    WaiterSums& waiter = sums_.slots.empty() ? scratch : sums_.slots[SlotOf(record.nom)];
    if (kind == Kind::Especes) {
        period.especes += value;
        waiter.especes += value;
    } else if (kind == Kind::Carte) {
        period.cartes += value;
        waiter.cartes += value;
    } else if (kind == Kind::Sortie) {
        period.mouvements += value;
        if (record.compte >= 0) {
            sums_.parCompte[static_cast<std::size_t>(record.compte)] += value;
        }
        if (request_.movements) {
            sums_.movements.push_back({Cp1252ToUtf8(record.date), Cp1252ToUtf8(record.nom),
                                       Cp1252ToUtf8(record.montant), value});
        }
    }
    if (request_.vat) {
        readable = AddVat(record, waiter) && readable;
    }
    return readable;
}

bool Scanner::AddVat(const JournalRecord& record, WaiterSums& waiter) {
    const int code = record.code;
    if (code == 0) {
        return true;
    }
    const std::optional<ExactSum> vat = ExactSum::Parse(record.tva);
    const ExactSum value = vat.value_or(ExactSum());
    (code == 1 ? sums_.period.tva1 : sums_.period.tva2) += value;
    (code == 1 ? waiter.tva1 : waiter.tva2) += value;
    return vat.has_value();
}

// The first slot of that name, the last slot when none has it.
std::size_t Scanner::SlotOf(std::string_view name) {
    if (lastSlot_ != std::string::npos && name == lastName_) {
        return lastSlot_;
    }
    std::size_t slot = 0;
    while (slot < request_.slots.size() && request_.slots[slot] != name) {
        ++slot;
    }
    lastName_.assign(name);
    lastSlot_ = slot;
    return slot;
}

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
    Scanner scanner(request);
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

JournalSums ScanJournal(std::string_view bytes, const ScanRequest& request, int parts) {
    const std::vector<std::string_view> pieces = Pieces(bytes, parts < 1 ? 1 : parts);
    if (pieces.size() <= 1) {
        return ScanPiece(bytes, request);
    }
    std::vector<std::future<JournalSums>> others;
    for (std::size_t k = 1; k < pieces.size(); ++k) {
        others.push_back(std::async(std::launch::async, ScanPiece, pieces[k], std::cref(request)));
    }
    JournalSums sums = ScanPiece(pieces.front(), request);
    for (std::future<JournalSums>& other : others) {
        sums.Merge(other.get());
    }
    return sums;
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
