// The sums of one reading of the journal, record by record.
#include "reports/JournalScanner.h"

#include "data/Cp1252.h"

namespace vantor {

namespace {

using Kind = JournalRecord::Kind;

}  // namespace

void JournalScanner::Read(std::string_view bytes) {
    JournalReader reader(bytes);
    JournalRecord record;
    while (reader.Next(record)) {
        Record(record);
    }
}

void JournalScanner::Record(const JournalRecord& record) {
    if (record.tooLong) {
        CountLongLine();
        return;
    }
    if (!record.whole && !record.ended) {
        return;  // a sale being written: the next reading has it whole
    }
    const long day = record.day;
    const Kind kind = record.kind;
    const bool inPeriod = day >= request_.debut && day <= request_.fin;
    // A cut record counts in what it can, and is counted wherever it could
    // have counted: in the period, or in the balance of the whole file.
    bool unreadable = day < 0 || (!record.whole && (inPeriod || request_.solde));
    std::optional<ExactSum> amount;
    if (request_.solde && (kind == Kind::Especes || kind == Kind::Sortie)) {
        amount = ExactSum::Parse(record.montant);
        unreadable = unreadable || !amount;
        sums_.solde += amount.value_or(ExactSum());
    }
    if (inPeriod && (!request_.serveur || record.nom == *request_.serveur)) {
        unreadable = !Keep(record, amount) || unreadable;
    }
    sums_.unreadable += unreadable ? 1 : 0;
}

bool JournalScanner::Keep(const JournalRecord& record, std::optional<ExactSum> amount) {
    const Kind kind = record.kind;
    const int category = record.Categorie();
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
    WaiterSums& waiter =
        sums_.waiterSlots.empty() ? scratch : sums_.waiterSlots[SlotOf(record.nom)];
    if (kind == Kind::Especes) {
        period.especes += value;
        period.especesParCode[static_cast<std::size_t>(record.Code())] += value;
        waiter.especes += value;
        if (request_.charts) {
            AddToCharts(record, value, &Takings::especes);
        }
    } else if (kind == Kind::Carte) {
        period.cartes += value;
        period.cartesParCode[static_cast<std::size_t>(record.Code())] += value;
        waiter.cartes += value;
        if (request_.charts) {
            AddToCharts(record, value, &Takings::cartes);
        }
    } else if (kind == Kind::Sortie) {
        period.mouvements += value;
        if (const int compte = record.Compte(); compte >= 0) {
            sums_.parCompte[static_cast<std::size_t>(compte)] += value;
        }
        if (request_.movements) {
            sums_.movements.push_back({Cp1252ToUtf8(record.date), Cp1252ToUtf8(record.nom),
                                       Cp1252ToUtf8(record.montant), value});
        }
    }
    if (request_.vat) {
        readable = AddVat(record, amount, waiter) && readable;
    }
    return readable;
}

// The VAT as written, and the VAT the amount includes, which needs both numbers.
bool JournalScanner::AddVat(const JournalRecord& record, std::optional<ExactSum> amount,
                            WaiterSums& waiter) {
    const int code = record.Code();
    if (code == 0) {
        return true;
    }
    const std::optional<ExactSum> vat = ExactSum::Parse(record.tva);
    const ExactSum value = vat.value_or(ExactSum());
    (code == 1 ? sums_.period.tva1 : sums_.period.tva2) += value;
    (code == 1 ? waiter.tva1 : waiter.tva2) += value;
    if (!amount) {
        amount = ExactSum::Parse(record.montant);
    }
    const std::optional<ExactSum> included =
        vat && amount ? IncludedVat(*amount, *vat) : std::nullopt;
    const ExactSum inside = included.value_or(ExactSum());
    (code == 1 ? sums_.period.tvaIncluse1 : sums_.period.tvaIncluse2) += inside;
    (code == 1 ? waiter.tvaIncluse1 : waiter.tvaIncluse2) += inside;
    return included.has_value();
}

// The records of a day follow each other: its takings are looked up once.
void JournalScanner::AddToCharts(const JournalRecord& record, const ExactSum& value,
                                 ExactSum Takings::*kind) {
    if (lastDayTakings_ == nullptr || record.day != lastChartDay_) {
        lastDayTakings_ = &sums_.charts.parJour[record.day];
        lastChartDay_ = record.day;
    }
    lastDayTakings_->*kind += value;
    const int hour = record.Heure();
    const std::size_t at = hour < 0 ? kUnknownHour : static_cast<std::size_t>(hour);
    sums_.charts.parHeure[at].*kind += value;
}

// The first slot of that name, the last slot when none has it.
std::size_t JournalScanner::SlotOf(std::string_view name) {
    if (lastSlot_ != std::string::npos && name == lastName_) {
        return lastSlot_;
    }
    std::size_t slot = 0;
    while (slot < request_.waiterSlots.size() && request_.waiterSlots[slot] != name) {
        ++slot;
    }
    lastName_.assign(name);
    lastSlot_ = slot;
    return slot;
}

}  // namespace vantor
