#include "reports/Corrections.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <utility>

#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/SaleLines.h"
#include "reports/ExactSum.h"
#include "reports/JournalRecord.h"
#include "sales/Remise.h"

namespace vantor {

namespace {

using LineKey = std::pair<std::string, int>;

LineKey KeyOf(const RecordedLine& line) {
    return {line.label, line.category};
}

std::int64_t LineCentsOf(const RecordedLine& line) {
    return ExactSum::Parse(line.amount).value_or(ExactSum()).Cents();
}

std::string NumeroText(const RecordedReceipt& sale) {
    return "Le ticket n° " + std::to_string(sale.numero);
}

// Why any correction of sale is refused whatever it takes back; "" when none.
std::string AnyCorrectionRefusal(const RecordedReceipt& sale,
                                 const std::vector<RecordedReceipt>& corrections) {
    if (sale.corrige != 0) {
        return NumeroText(sale) + " corrige le ticket n° " + std::to_string(sale.corrige) +
               " : il ne se corrige pas lui-même.";
    }
    for (const RecordedReceipt& correction : corrections) {
        if (KindOfCorrection(correction, &sale) == Correction::Annulation) {
            return NumeroText(sale) + " est déjà annulé";
        }
    }
    return "";
}

}  // namespace

std::vector<int> RemainingQuantities(const RecordedReceipt& sale,
                                     const std::vector<RecordedReceipt>& corrections) {
    std::map<LineKey, int> takenBack;
    for (const RecordedReceipt& correction : corrections) {
        for (const RecordedLine& line : correction.lines) {
            takenBack[KeyOf(line)] -= line.quantity;  // negative in a correction
        }
    }
    std::vector<int> remaining;
    for (const RecordedLine& line : sale.lines) {
        int& taken = takenBack[KeyOf(line)];
        const int fromThisLine = std::min(std::max(taken, 0), line.quantity);
        taken -= fromThisLine;
        remaining.push_back(line.quantity - fromThisLine);
    }
    return remaining;
}

std::string CancellationRefusal(const RecordedReceipt& sale,
                                const std::vector<RecordedReceipt>& corrections) {
    std::string refusal = AnyCorrectionRefusal(sale, corrections);
    if (refusal.empty() && !corrections.empty()) {
        refusal =
            NumeroText(sale) + " est déjà remboursé en partie : remboursez ce qu'il en reste.";
    }
    return refusal;
}

std::string RefundRefusal(const RecordedReceipt& sale,
                          const std::vector<RecordedReceipt>& corrections,
                          const std::vector<int>& quantities) {
    const std::string refusal = AnyCorrectionRefusal(sale, corrections);
    if (!refusal.empty()) {
        return refusal;
    }
    const std::vector<int> remaining = RemainingQuantities(sale, corrections);
    std::int64_t cents = 0;
    for (std::size_t i = 0; i < sale.lines.size(); ++i) {
        const int asked = i < quantities.size() ? quantities[i] : 0;
        if (asked < 0 || asked > remaining[i]) {
            return NumeroText(sale) + " ne peut plus rembourser que " +
                   std::to_string(remaining[i]) + " " + sale.lines[i].label +
                   " (vendu : " + std::to_string(sale.lines[i].quantity) +
                   ", déjà remboursé : " + std::to_string(sale.lines[i].quantity - remaining[i]) +
                   ").";
        }
    }
    for (const RecordedLine& line : CorrectionLines(sale, quantities)) {
        cents += LineCentsOf(line);
    }
    if (!(cents < 0)) {
        return "Rien à rembourser : choisissez les lignes des articles à rembourser.";
    }
    return "";
}

std::vector<RecordedLine> CorrectionLines(const RecordedReceipt& sale,
                                          const std::vector<int>& quantities) {
    std::vector<RecordedLine> lines;
    for (std::size_t i = 0; i < sale.lines.size() && i < quantities.size(); ++i) {
        const RecordedLine& sold = sale.lines[i];
        const int quantity = quantities[i];
        if (quantity <= 0 || sold.quantity <= 0) {
            continue;
        }
        // The whole line takes back its amount as printed, a part its share
        // to the cent, halves away from zero.
        const std::int64_t soldCents = LineCentsOf(sold);
        const std::int64_t product = soldCents * quantity;
        const std::int64_t half = sold.quantity / 2;
        const std::int64_t cents = quantity == sold.quantity
                                       ? soldCents
                                       : (product >= 0 ? (product + half) / sold.quantity
                                                       : -((-product + half) / sold.quantity));
        lines.push_back({-quantity, sold.label, TexteCentimes(-cents), sold.category});
    }
    return lines;
}

std::optional<CategoryTotals> RecordedTotals(const std::string& dataPath, std::int32_t numero) {
    const std::optional<ChainEntry> entry = SaleEntryOf(dataPath, numero);
    const std::string path = JoinPath(dataPath, kJournalFile);
    if (!entry || entry->end < entry->start || FileSize(path) < entry->end) {
        return std::nullopt;
    }
    const std::string bytes =
        ReadRange(path, entry->start, static_cast<std::size_t>(entry->end - entry->start));
    std::array<ExactSum, std::tuple_size_v<CategoryTotals>> sums{};
    JournalReader reader(bytes);
    for (JournalRecord record; reader.Next(record);) {
        const int category = record.Categorie();
        const std::optional<ExactSum> amount = ExactSum::Parse(record.montant);
        if (category >= 0 && amount) {
            sums[static_cast<std::size_t>(category)] += *amount;
        }
    }
    CategoryTotals totals{};
    for (std::size_t c = 0; c < sums.size(); ++c) {
        totals[c] = sums[c].ToDouble();
    }
    return totals;
}

CategoryTotals LinesTotals(const std::vector<RecordedLine>& lines) {
    std::array<std::int64_t, std::tuple_size_v<CategoryTotals>> cents{};
    for (const RecordedLine& line : lines) {
        if (line.category >= 0 && static_cast<std::size_t>(line.category) < cents.size()) {
            cents[static_cast<std::size_t>(line.category)] += LineCentsOf(line);
        }
    }
    CategoryTotals totals{};
    for (std::size_t c = 0; c < cents.size(); ++c) {
        totals[c] = static_cast<double>(cents[c]) / 100;
    }
    return totals;
}

std::string CorrectionText(const RecordedReceipt& correction, const RecordedReceipt* corrected) {
    const std::string numero = "ticket n° " + std::to_string(correction.corrige);
    if (KindOfCorrection(correction, corrected) == Correction::Annulation) {
        return "annule le " + numero + " du " + FormatDate(corrected->date);
    }
    return "rembourse " + RefundedText(correction.lines) + " du " + numero;
}

std::string CorrectionWord(Correction kind) {
    return kind == Correction::Annulation      ? "ANNULATION"
           : kind == Correction::Remboursement ? "REMBOURSEMENT"
                                               : "";
}

std::string RefundedText(const std::vector<RecordedLine>& lines) {
    std::string text;
    for (const RecordedLine& line : lines) {
        text += (text.empty() ? "" : ", ") + std::to_string(-line.quantity) + " " + line.label;
    }
    return text;
}

}  // namespace vantor
