// What the kitchen orders sent of a ticket: a line is sent whole, a tap that
// merges with it adds what is still to send, a round added to a table brings
// its own, and only the lines sent whole are marked.
#include <gtest/gtest.h>

#include "sales/Ticket.h"

namespace vantor {
namespace {

struct SentStep {
    enum Kind { Sell, Send, Round, Remove } kind;
    const char* name = "";
    int line = 0;  // the line sent or removed
};

SentStep SellDish(const char* name) {
    return {SentStep::Sell, name};
}
SentStep SendLine(int line) {
    return {SentStep::Send, "", line};
}
SentStep RemoveLine(int line) {
    return {SentStep::Remove, "", line};
}
// Another round, made of a steak sent and a tart not sent.
const SentStep kRound{SentStep::Round};

struct SentCase {
    const char* what;
    std::vector<SentStep> steps;
    std::vector<int> sent;    // each line's quantity sent
    std::vector<int> marked;  // the lines marked
};

const SentCase kSentCases[] = {
    {"nothing sent", {SellDish("Steak"), SellDish("Tarte")}, {0, 0}, {}},
    {"one line sent", {SellDish("Steak"), SellDish("Tarte"), SendLine(0)}, {1, 0}, {0}},
    {"a line sent whole", {SellDish("Steak"), SellDish("Steak"), SendLine(0)}, {2}, {0}},
    {"tapped again after it was sent",
     {SellDish("Steak"), SendLine(0), SellDish("Steak")},
     {1},
     {}},
    {"sent again", {SellDish("Steak"), SendLine(0), SellDish("Steak"), SendLine(0)}, {2}, {0}},
    {"a line removed takes its mark",
     {SellDish("Steak"), SellDish("Tarte"), SendLine(1), RemoveLine(0)},
     {1},
     {0}},
    {"a round joins the table's steak with what it sent", {SellDish("Steak"), kRound}, {1, 0}, {}},
    {"a round on a steak sent", {SellDish("Steak"), SendLine(0), kRound}, {2, 0}, {0}},
};

void RunSentSteps(Ticket& ticket, const std::vector<SentStep>& steps) {
    for (const SentStep& step : steps) {
        switch (step.kind) {
            case SentStep::Sell:
                ticket.Sell(1, step.name, "20", 5, "€");
                break;
            case SentStep::Send:
                ticket.MarkSent(static_cast<std::size_t>(step.line));
                break;
            case SentStep::Remove:
                ticket.Remove(static_cast<std::size_t>(step.line), "€");
                break;
            case SentStep::Round: {
                Ticket round;
                round.Sell(1, "Steak", "20", 5, "€");
                round.MarkSent(0);
                round.Sell(1, "Tarte", "20", 5, "€");
                ticket.AddRound(round, "€");
                break;
            }
        }
    }
}

TEST(TicketSent, WhatWasSentFollowsTheLines) {
    for (const SentCase& row : kSentCases) {
        SCOPED_TRACE(row.what);
        Ticket ticket;
        RunSentSteps(ticket, row.steps);
        std::vector<int> sent;
        for (const TicketLine& line : ticket.Lines()) {
            sent.push_back(line.sent);
        }
        EXPECT_EQ(sent, row.sent);
        EXPECT_EQ(ticket.SentLines(), row.marked);
    }
}

}  // namespace
}  // namespace vantor
