#include "sales/Ticket.h"

#include <algorithm>

#include "data/Numbers.h"
#include "data/Text.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/Remise.h"

namespace vantor {

std::vector<std::string> Ticket::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(lines_.size());
    for (const TicketLine& line : lines_) {
        texts.push_back(line.text);
    }
    return texts;
}

std::vector<std::string> Ticket::Records() const {
    std::vector<std::string> records{""};
    records.reserve(lines_.size() + 1);
    for (const TicketLine& line : lines_) {
        records.push_back(FormatTicketRecord(line.record));
    }
    return records;
}

// Only the last line is ever merged, and only when it is the same article
// sold again: same name, same unit price and same category, so that the bill
// and the category totals stay what was sold.
bool Ticket::SellsAgainLast(std::string_view name, std::string_view price, int category) const {
    return !lines_.empty() && lines_.back().remise == RemiseSur::Rien &&
           lines_.back().record.category == category && SellsAgain(lines_.back().text, name, price);
}

bool Ticket::Sell(int quantity, std::string_view name, std::string_view price, int category,
                  std::string_view currency) {
    const bool merged = SellsAgainLast(name, price, category);
    int sent = 0;
    if (merged) {
        quantity += LineQuantity(lines_.back().text).value_or(0);
        sent = lines_.back().sent;
        lines_.pop_back();
    }
    Add(quantity, name, price, category, currency);
    lines_.back().sent = sent;
    return merged;
}

void Ticket::Add(int quantity, std::string_view name, std::string_view price, int category,
                 std::string_view currency) {
    const SaleFields fields = MakeSaleFields(quantity, name, price);
    lines_.push_back({MakeTicketLine(quantity, fields.label, currency, fields.amount),
                      {quantity, fields.label, fields.amount, category},
                      std::string(name),
                      std::string(price),
                      0,
                      fields.wholeLabel});
    Recalculate(currency);
}

std::size_t Ticket::LineSellingAgain(const TicketLine& line) const {
    std::size_t index = 0;
    while (index < lines_.size() &&
           !(lines_[index].remise == RemiseSur::Rien && line.remise == RemiseSur::Rien &&
             lines_[index].record.category == line.record.category &&
             SellsAgain(lines_[index].text, line.article, line.unitPrice))) {
        ++index;
    }
    return index;
}

// A round merges anywhere on the table's ticket, not only with the last
// line: a table's second round of the same drinks makes one line each.
void Ticket::AddRound(const Ticket& round, std::string_view currency) {
    for (const TicketLine& line : round.lines_) {
        const std::size_t same = LineSellingAgain(line);
        if (same == lines_.size()) {
            lines_.push_back(line);
            continue;
        }
        TicketLine& merged = lines_[same];
        const int quantity = merged.record.quantity + line.record.quantity;
        const SaleFields fields = MakeSaleFields(quantity, line.article, line.unitPrice);
        merged.text = MakeTicketLine(quantity, fields.label, currency, fields.amount);
        merged.record = {quantity, fields.label, fields.amount, line.record.category};
        merged.wholeLabel = fields.wholeLabel;
        merged.sent += line.sent;
    }
    Recalculate(currency);
}

void Ticket::AddRemise(std::size_t after, std::string_view label, std::int64_t cents, int category,
                       RemiseSur scope, std::string_view currency) {
    const std::string amount = FormatMontant(TexteCentimes(-cents), false);
    const std::string field = FitRight(label, kLabelWidth);
    TicketLine line{MakeTicketLine(1, field, currency, amount),
                    {1, field, amount, category},
                    "",
                    "",
                    0,
                    std::string(label)};
    line.remise = scope;
    const std::size_t at = std::min(after + 1, lines_.size());
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
    Recalculate(currency);
}

void Ticket::MarkSent(std::size_t index) {
    lines_.at(index).sent = lines_.at(index).record.quantity;
}

std::vector<int> Ticket::SentLines() const {
    std::vector<int> sent;
    for (std::size_t index = 0; index < lines_.size(); ++index) {
        if (lines_[index].AllSent()) {
            sent.push_back(static_cast<int>(index));
        }
    }
    return sent;
}

bool Ticket::Remove(std::size_t index, std::string_view currency) {
    if (index >= lines_.size()) {
        return false;
    }
    const bool itsDiscount = index + 1 < lines_.size() && lines_[index].remise == RemiseSur::Rien &&
                             lines_[index + 1].remise == RemiseSur::Ligne;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index),
                 lines_.begin() + static_cast<std::ptrdiff_t>(index + (itsDiscount ? 2 : 1)));
    Recalculate(currency);
    return true;
}

void Ticket::Recalculate(std::string_view currency) {
    total_ = 0;
    for (const TicketLine& line : lines_) {
        total_ += LineAmount(line.text).value_or(0);
    }
    totalTag_ = FormatMontant(NumberToText(total_), false);
    totalCaption_ = PadRight("Total", kLabelWidth) + " ";
    totalCaption_ += currency;
    totalCaption_ += " " + totalTag_;
}

void Ticket::Clear() {
    *this = Ticket{};
}

void Ticket::Resume(std::string_view table) {
    totalTag_ = NumberToText(total_);
    tableName_ = table;
}

}  // namespace vantor
