#include "reports/RecordedReceipts.h"

#include <algorithm>
#include <charconv>
#include <functional>

#include "checkout/LinesFile.h"
#include "data/Cp1252.h"
#include "data/Dates.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"

namespace vantor {

namespace {

// The 8 fields before the label and the 3 after it, or 8 after it on the
// lines that keep the receipt's extras.
constexpr std::size_t kFieldsBefore = 8;
constexpr std::size_t kFieldsAfter = 3;
constexpr std::size_t kFieldsAfterWithExtras = 8;

template <typename Number>
bool ReadLinesNumber(std::string_view text, Number& number) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

// The line cut into its fields, the label (which may hold ";") whole. Only
// the lines that keep the receipt's extras end with their mark: the last
// field of the others is empty or a number.
std::optional<std::vector<std::string_view>> RecordedFields(std::string_view line) {
    std::vector<std::string_view> before;
    std::size_t start = 0;
    for (std::size_t i = 0; i < kFieldsBefore; ++i) {
        const std::size_t end = line.find(';', start);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        before.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    const std::size_t lastField = line.rfind(';') + 1;
    const std::size_t fieldsAfter =
        line.substr(lastField) == kLinesExtrasMark ? kFieldsAfterWithExtras : kFieldsAfter;
    std::vector<std::string_view> after;
    std::size_t stop = line.size();
    for (std::size_t i = 0; i < fieldsAfter; ++i) {
        const std::size_t at = line.rfind(';', stop == 0 ? 0 : stop - 1);
        if (at == std::string_view::npos || at < start) {
            return std::nullopt;
        }
        after.insert(after.begin(), line.substr(at + 1, stop - at - 1));
        stop = at;
    }
    before.push_back(line.substr(start, stop - start));
    before.insert(before.end(), after.begin(), after.end());
    return before;
}

// The line taken back: its quantity and amount negated, the rest the same.
bool TakesBack(const RecordedLine& back, const RecordedLine& sold) {
    const std::optional<ExactSum> backAmount = ExactSum::Parse(back.amount);
    const std::optional<ExactSum> soldAmount = ExactSum::Parse(sold.amount);
    return back.quantity == -sold.quantity && back.label == sold.label &&
           back.category == sold.category && backAmount && soldAmount &&
           (*backAmount + *soldAmount) == ExactSum();
}

// The recorded sales of bytes of lignes.csv that keep says to keep, oldest
// first.
std::vector<RecordedReceipt> ReceiptsOfBytes(
    const std::string& bytes, const std::function<bool(const RecordedReceipt&)>& keep) {
    std::vector<RecordedReceipt> receipts;
    bool sameSale = false;  // the last line read was kept
    std::int32_t lastNumero = 0;
    for (std::size_t start = 0; start < bytes.size();) {
        std::size_t stop = bytes.find('\n', start);
        stop = stop == std::string::npos ? bytes.size() : stop;
        std::string_view raw(bytes.data() + start, stop - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        start = stop + 1;
        std::optional<RecordedReceipt> line = ParseRecordedLine(Cp1252ToUtf8(raw));
        if (!line) {
            continue;
        }
        // A sale's lines follow each other.
        const bool next = sameSale && line->numero == lastNumero;
        lastNumero = line->numero;
        if (next) {
            receipts.back().lines.push_back(std::move(line->lines.front()));
            receipts.back().total += line->total;
        } else if ((sameSale = keep(*line))) {
            receipts.push_back(std::move(*line));
        }
    }
    return receipts;
}

// The recorded sales that keep says to keep, oldest first, read from
// lignes.csv up to its last complete write.
std::vector<RecordedReceipt> RecordedReceiptsWhere(
    const std::string& dataPath, const std::function<bool(const RecordedReceipt&)>& keep) {
    const std::string path = JoinPath(dataPath, kLinesFile);
    if (!FileExists(path)) {
        return {};
    }
    const std::uint64_t end = CompleteEnd(dataPath, kLinesFile).value_or(FileSize(path));
    return ReceiptsOfBytes(ReadRange(path, 0, static_cast<std::size_t>(end)), keep);
}

}  // namespace

Correction KindOfCorrection(const RecordedReceipt& r, const RecordedReceipt* corrected) {
    if (r.corrige == 0) {
        return Correction::Aucune;
    }
    if (corrected == nullptr || corrected->lines.size() != r.lines.size()) {
        return Correction::Remboursement;
    }
    // Each sold line matched by one line of the correction, in any order.
    std::vector<bool> used(r.lines.size(), false);
    for (const RecordedLine& sold : corrected->lines) {
        bool found = false;
        for (std::size_t i = 0; i < r.lines.size() && !found; ++i) {
            if (!used[i] && TakesBack(r.lines[i], sold)) {
                used[i] = found = true;
            }
        }
        if (!found) {
            return Correction::Remboursement;
        }
    }
    return Correction::Annulation;
}

std::optional<RecordedReceipt> ParseRecordedLine(std::string_view line) {
    const std::optional<std::vector<std::string_view>> fields = RecordedFields(line);
    if (!fields) {
        return std::nullopt;
    }
    const std::vector<std::string_view>& f = *fields;
    RecordedReceipt receipt;
    RecordedLine sold;
    const std::optional<Date> date = ParseDate(f[1]);
    const std::optional<ExactSum> amount = ExactSum::Parse(f[9]);
    if (!ReadLinesNumber(f[0], receipt.numero) || !date || !ReadLinesNumber(f[7], sold.quantity) ||
        !amount || !ReadLinesNumber(f[10], sold.category) ||
        (!f[11].empty() && !ReadLinesNumber(f[11], receipt.corrige))) {
        return std::nullopt;
    }
    receipt.date = *date;
    receipt.heure = f[2];
    receipt.serveur = f[3];
    receipt.paiement = f[4];
    receipt.especes = f[5];
    receipt.modeTVA = f[6];
    if (f.size() == kFieldsBefore + 1 + kFieldsAfterWithExtras) {
        receipt.printed = ReceiptExtras{std::string(f[12]), std::string(f[13]), std::string(f[14]),
                                        std::string(f[15])};
    }
    sold.label = f[8];
    sold.amount = f[9];
    receipt.lines.push_back(std::move(sold));
    receipt.total = *amount;
    return receipt;
}

std::vector<RecordedReceipt> RecordedReceiptsOf(const std::string& dataPath, const Date& day) {
    std::vector<RecordedReceipt> receipts =
        RecordedReceiptsWhere(dataPath, [&](const RecordedReceipt& r) { return r.date == day; });
    std::reverse(receipts.begin(), receipts.end());
    return receipts;
}

std::optional<RecordedReceipt> RecordedSale(const std::string& dataPath, std::int32_t numero) {
    std::vector<RecordedReceipt> found = RecordedReceiptsWhere(
        dataPath, [&](const RecordedReceipt& r) { return r.numero == numero; });
    if (found.empty()) {
        return std::nullopt;
    }
    return std::move(found.back());
}

std::vector<RecordedReceipt> CorrectionsOf(const std::string& dataPath, std::int32_t numero) {
    return RecordedReceiptsWhere(dataPath,
                                 [&](const RecordedReceipt& r) { return r.corrige == numero; });
}

std::vector<RecordedReceipt> AllRecordedReceipts(const std::string& dataPath) {
    return RecordedReceiptsWhere(dataPath, [](const RecordedReceipt&) { return true; });
}

std::vector<RecordedReceipt> RecordedReceiptsIn(const std::string& dataPath, std::uint64_t start,
                                                std::uint64_t end) {
    const std::string path = JoinPath(dataPath, kLinesFile);
    if (end <= start || !FileExists(path) || FileSize(path) < end) {
        return {};
    }
    return ReceiptsOfBytes(ReadRange(path, start, static_cast<std::size_t>(end - start)),
                           [](const RecordedReceipt&) { return true; });
}

}  // namespace vantor
