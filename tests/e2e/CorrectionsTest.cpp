// The rules of a correction on sales written as lignes.csv holds them: which
// correction is a cancellation, what is left to refund, what is refused,
// and the lines that take back a part of a line.
#include <gtest/gtest.h>

#include <sstream>

#include "reports/CorrectionEvents.h"
#include "reports/Corrections.h"
#include "reports/RecordedReceipts.h"

namespace vantor::test {
namespace {

// A sale or a correction from its lines of lignes.csv, one per text line.
RecordedReceipt Receipt(const std::string& lines) {
    std::istringstream in(lines);
    std::optional<RecordedReceipt> receipt;
    for (std::string line; std::getline(in, line);) {
        std::optional<RecordedReceipt> read = ParseRecordedLine(line);
        EXPECT_TRUE(read) << line;
        if (!read) {
            continue;
        }
        if (!receipt) {
            receipt = std::move(read);
        } else {
            receipt->lines.push_back(read->lines.front());
            receipt->total += read->total;
        }
    }
    return receipt.value_or(RecordedReceipt{});
}

// Sale 5: two coffees, a dish, a discount on the dish.
const std::string kSale =
    "5;05.12.2026;12:04:09;Paul;Esp;;2;2;Café (3.50);7.00;0;\n"
    "5;05.12.2026;12:04:09;Paul;Esp;;2;1;Croque;8.00;5;\n"
    "5;05.12.2026;12:04:09;Paul;Esp;;2;1;Remise 10 %;-0.80;5;\n";

std::string Head(int numero) {
    return std::to_string(numero) + ";06.12.2026;09:00:00;Anne;Esp;;2;";
}

// The lines of correction numero: each "quantity;label;amount;category"
// after its head, correcting sale 5.
std::string Correcting(int numero, std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += Head(numero) + line + ";5\n";
    }
    return text;
}

TEST(Corrections, ACorrectionIsACancellationOnlyWhenItTakesBackEveryLineNegated) {
    const RecordedReceipt sale = Receipt(kSale);
    struct Row {
        const char* what;
        std::string lines;
        Correction expected;
    } rows[] = {
        {"a sale", "7;05.12.2026;13:00:00;Paul;Esp;;2;1;Café;3.50;0;\n", Correction::Aucune},
        {"every line negated",
         Correcting(8, {"-2;Café (3.50);-7.00;0", "-1;Croque;-8.00;5", "-1;Remise 10 %;0.80;5"}),
         Correction::Annulation},
        {"every line, another order",
         Correcting(8, {"-1;Remise 10 %;0.80;5", "-1;Croque;-8.00;5", "-2;Café (3.50);-7;0"}),
         Correction::Annulation},
        {"one coffee of two",
         Correcting(8, {"-1;Café (3.50);-3.50;0", "-1;Croque;-8.00;5", "-1;Remise 10 %;0.80;5"}),
         Correction::Remboursement},
        {"a line left out", Correcting(8, {"-2;Café (3.50);-7.00;0", "-1;Croque;-8.00;5"}),
         Correction::Remboursement},
        {"a line twice",
         Correcting(8, {"-2;Café (3.50);-7.00;0", "-2;Café (3.50);-7.00;0", "-1;Croque;-8.00;5"}),
         Correction::Remboursement},
        {"an amount not negated",
         Correcting(8, {"-2;Café (3.50);-7.00;0", "-1;Croque;-8.00;5", "-1;Remise 10 %;-0.80;5"}),
         Correction::Remboursement},
        {"another category",
         Correcting(8, {"-2;Café (3.50);-7.00;1", "-1;Croque;-8.00;5", "-1;Remise 10 %;0.80;5"}),
         Correction::Remboursement},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KindOfCorrection(Receipt(row.lines), &sale), row.expected) << row.what;
    }
    EXPECT_EQ(KindOfCorrection(Receipt(Head(8) + "-2;Café (3.50);-7.00;0;5\n"), nullptr),
              Correction::Remboursement)
        << "the sale corrected unknown";
}

// The event that says what a correction did, as the event log keeps it
// (the reason and who follow it).
TEST(Corrections, TheEventOfACorrectionNamesItsNumberWhatItTookBackAndItsTotal) {
    const RecordedReceipt sale = Receipt(kSale);
    struct Row {
        std::string lines;
        const RecordedReceipt* corrected;
        const char* type;
        const char* detail;
    } rows[] = {
        {Correcting(8, {"-2;Café (3.50);-7.00;0", "-1;Croque;-8.00;5", "-1;Remise 10 %;0.80;5"}),
         &sale, "Annulation", "Ticket n° 8 annule le ticket n° 5 du 05.12.2026 : -14.20"},
        {Correcting(9, {"-1;Café (3.50);-3.50;0", "-1;Croque;-8.00;5"}), &sale, "Remboursement",
         "Ticket n° 9 rembourse 1 Café (3.50), 1 Croque du ticket n° 5 : -11.50"},
        {Correcting(10, {"-1;Croque;-8.00;5"}), nullptr, "Remboursement",
         "Ticket n° 10 rembourse 1 Croque du ticket n° 5 : -8.00"},
    };
    for (const Row& row : rows) {
        const CorrectionEvent event = CorrectionEventOf(Receipt(row.lines), row.corrected);
        EXPECT_EQ(event.type, row.type) << row.detail;
        EXPECT_EQ(event.detail, row.detail);
    }
}

TEST(Corrections, WhatIsLeftToRefundCountsEveryEarlierRefundOfTheSale) {
    const RecordedReceipt sale = Receipt(kSale);
    const RecordedReceipt oneCoffee = Receipt(Head(8) + "-1;Café (3.50);-3.50;0;5\n");
    const RecordedReceipt dish = Receipt(Head(9) + "-1;Croque;-8.00;5;5\n");
    struct Row {
        const char* what;
        std::vector<RecordedReceipt> corrections;
        std::vector<int> remaining;
    } rows[] = {
        {"none yet", {}, {2, 1, 1}},
        {"one coffee", {oneCoffee}, {1, 1, 1}},
        {"one coffee twice", {oneCoffee, oneCoffee}, {0, 1, 1}},
        {"a coffee and the dish", {oneCoffee, dish}, {1, 0, 1}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(RemainingQuantities(sale, row.corrections), row.remaining) << row.what;
    }
}

TEST(Corrections, RefusedCorrectionsSayWhy) {
    const RecordedReceipt sale = Receipt(kSale);
    const RecordedReceipt oneCoffee = Receipt(Head(8) + "-1;Café (3.50);-3.50;0;5\n");
    const RecordedReceipt all =
        Receipt(Head(9) + "-2;Café (3.50);-7.00;0;5\n" + Head(9) + "-1;Croque;-8.00;5;5\n" +
                Head(9) + "-1;Remise 10 %;0.80;5;5\n");
    struct Row {
        const char* what;
        std::vector<RecordedReceipt> corrections;
        std::vector<int> refund;  // empty: the whole sale cancelled
        std::string refusal;
    } rows[] = {
        {"a cancellation", {}, {}, ""},
        {"a cancellation twice", {all}, {}, "Le ticket n° 5 est déjà annulé"},
        {"a cancellation after a refund",
         {oneCoffee},
         {},
         "Le ticket n° 5 est déjà remboursé en partie : remboursez ce qu'il en reste."},
        {"a refund", {}, {1, 0, 0}, ""},
        {"a refund after a refund", {oneCoffee}, {1, 1, 0}, ""},
        {"a refund of a cancelled sale", {all}, {1, 0, 0}, "Le ticket n° 5 est déjà annulé"},
        {"more than sold",
         {},
         {3, 0, 0},
         "Le ticket n° 5 ne peut plus rembourser que 2 Café (3.50) (vendu : 2, déjà "
         "remboursé : 0)."},
        {"more than left",
         {oneCoffee},
         {2, 0, 0},
         "Le ticket n° 5 ne peut plus rembourser que 1 Café (3.50) (vendu : 2, déjà "
         "remboursé : 1)."},
        {"the discount alone",
         {},
         {0, 0, 1},
         "Rien à rembourser : choisissez les lignes des articles à rembourser."},
        {"nothing",
         {},
         {0, 0, 0},
         "Rien à rembourser : choisissez les lignes des articles à "
         "rembourser."},
    };
    for (const Row& row : rows) {
        const std::string refusal = row.refund.empty()
                                        ? CancellationRefusal(sale, row.corrections)
                                        : RefundRefusal(sale, row.corrections, row.refund);
        EXPECT_EQ(refusal, row.refusal) << row.what;
    }
    EXPECT_EQ(CancellationRefusal(all, {}),
              "Le ticket n° 9 corrige le ticket n° 5 : il ne se corrige pas lui-même.");
}

TEST(Corrections, APartOfALineTakesBackItsShareToTheCent) {
    const RecordedReceipt sale = Receipt(
        "5;05.12.2026;12:04:09;Paul;Esp;;2;3;Thé;10.00;0;\n"
        "5;05.12.2026;12:04:09;Paul;Esp;;2;2;Eau;5.01;1;\n"
        "5;05.12.2026;12:04:09;Paul;Esp;;2;1;Remise 10 %;-1.50;0;\n");
    struct Row {
        std::vector<int> quantities;
        std::string lines;
    } rows[] = {
        {{1, 0, 0}, "-1 Thé -3.33 0\n"},
        {{2, 0, 0}, "-2 Thé -6.67 0\n"},
        {{3, 0, 0}, "-3 Thé -10.00 0\n"},
        {{0, 1, 0}, "-1 Eau -2.51 1\n"},  // half a cent up, away from zero
        {{0, 0, 1}, "-1 Remise 10 % 1.50 0\n"},
        {{1, 2, 1}, "-1 Thé -3.33 0\n-2 Eau -5.01 1\n-1 Remise 10 % 1.50 0\n"},
    };
    for (const Row& row : rows) {
        std::string lines;
        for (const RecordedLine& line : CorrectionLines(sale, row.quantities)) {
            lines += std::to_string(line.quantity) + " " + line.label + " " + line.amount + " " +
                     std::to_string(line.category) + "\n";
        }
        EXPECT_EQ(lines, row.lines) << row.lines;
    }
    EXPECT_EQ(RefundedText(CorrectionLines(sale, {1, 2, 0})), "1 Thé, 2 Eau");
}

}  // namespace
}  // namespace vantor::test
