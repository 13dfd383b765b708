#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sales/TicketRecord.h"

namespace vantor {

// A line of a ticket: its text as the ticket list shows it
// (sales/LigneTicket.h) and its record, made together from one sale, with
// the article's name and unit price it was made from.
// What a line is: an article sold, or a discount (on the line above it, or
// on the whole ticket, shared over its categories at the checkout).
enum class RemiseSur { Rien, Ligne, Ticket };

struct TicketLine {
    std::string text;
    TicketRecord record;
    std::string article;
    std::string unitPrice;
    // How many of the quantity an order has sent to the kitchen already.
    int sent = 0;
    // The label as sold, before the screen's 18 characters cut it: what the
    // receipt prints.
    std::string wholeLabel;
    RemiseSur remise = RemiseSur::Rien;

    bool AllSent() const { return sent >= record.quantity; }
};

// The ticket being built on a sales screen: its lines with their records,
// and its total as the total label shows it. The screen's list and label are
// its view; the tables keep one each while they are occupied.
class Ticket {
public:
    const std::vector<TicketLine>& Lines() const { return lines_; }
    bool Empty() const { return lines_.empty(); }
    // A ticket is being rung up while its total is shown, with no line left too.
    bool Open() const { return !totalCaption_.empty(); }
    // The lines' texts, in order.
    std::vector<std::string> Texts() const;
    // As LignesTicket holds them: entry 0 empty, entry k the record of line k - 1.
    std::vector<std::string> Records() const;
    double Total() const { return total_; }
    // "Total" padded to 18, the currency and the amount of FormatMontant (width
    // 8); empty when no ticket is rung up.
    const std::string& TotalCaption() const { return totalCaption_; }
    // The amount alone as the caption shows it; "0" when no ticket is rung up,
    // the plain number after a table was taken back.
    const std::string& TotalTag() const { return totalTag_; }

    // A tap on an article at a numeric price: the last line merges with it when
    // it sells the same article again (same name, price and category), and is
    // then replaced by the line of both quantities, what was sent of it kept.
    // True when it merged.
    bool Sell(int quantity, std::string_view name, std::string_view price, int category,
              std::string_view currency);
    // A new last line selling quantity of name at price, without merging.
    void Add(int quantity, std::string_view name, std::string_view price, int category,
             std::string_view currency);
    // Another round for a table: each line of round is added to this
    // ticket's line that sells the same article at the same price in the
    // same category, its quantity added, or else at the end; the total is
    // summed again.
    void AddRound(const Ticket& round, std::string_view currency);
    // A discount's line of cents (taken off: a positive number), inserted
    // after line after (from 0) or last. It sells nothing: no article tap
    // merges with it and no round adds to it.
    void AddRemise(std::size_t after, std::string_view label, std::int64_t cents, int category,
                   RemiseSur scope, std::string_view currency);
    // An order sent the whole quantity of line index (from 0).
    void MarkSent(std::size_t index);
    // The positions of the lines whose whole quantity was sent.
    std::vector<int> SentLines() const;
    // Removes line index (from 0) with its record, and the discount given on
    // it; false when there is none.
    bool Remove(std::size_t index, std::string_view currency);
    // The total summed again from the lines' amounts, shown in currency.
    void Recalculate(std::string_view currency);
    // No line, no total.
    void Clear();
    // Back from a table: the total caption it was parked with, the total as
    // a plain number in the tag ("10.5"), and the table's name.
    void Resume(std::string_view table = "");
    // The name of the table the ticket was taken back from; empty for a
    // ticket rung up on the screen.
    const std::string& TableName() const { return tableName_; }

private:
    // The index of the line that line sells again; lines_.size() for none.
    std::size_t LineSellingAgain(const TicketLine& line) const;
    bool SellsAgainLast(std::string_view name, std::string_view price, int category) const;

    std::vector<TicketLine> lines_;
    double total_ = 0;
    std::string totalCaption_;
    std::string totalTag_ = "0";
    std::string tableName_;
};

}  // namespace vantor
