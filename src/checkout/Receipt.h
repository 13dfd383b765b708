#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "checkout/Journal.h"
#include "checkout/ReceiptExtras.h"
#include "checkout/frmPaiement.h"
#include "platform/DateTime.h"

namespace vantor {

// What a checkout takes from the lines on screen: their sum, and the sums of
// the lines of each category (from their records).
struct TicketTotals {
    double total = 0;
    CategoryTotals categories{};
};

// An article line of the receipt: its label whole, as it was sold.
struct ReceiptArticle {
    int quantity = 0;
    std::string label;
    std::string amount;
    int category = 0;  // kept in the lines file, not printed
};

// What the receipt of a sale prints; a report prints the lines on screen.
struct ReceiptSale {
    std::vector<ReceiptArticle> articles;
    std::string totalText;  // two decimals at least
    double taux = 0;
    double montantTVA = 0;
    Encaissement payment;
    DateTime when;     // the moment of the sale, that its records also bear
    std::string code;  // its chain code; empty for a sale that records nothing
    // A receipt of a sale other than the one on screen (a duplicate, a
    // correction): the number and waiter it bears when not the till's, the
    // VAT mode of the sale it reprints or corrects, the word printed at its
    // top and bottom ("DUPLICATA"), the lines printed before its articles.
    std::int32_t numero = 0;
    std::string serveur;
    std::optional<std::string> modeTVA;
    std::string mark;
    std::vector<std::string> notes;
    std::int32_t corrige = 0;  // the sale a correction corrects
    // A duplicate of a sale whose lines kept them: its payment's amounts and
    // VAT rate as its receipt printed them, in place of today's.
    std::optional<ReceiptExtras> printed;
};

}  // namespace vantor
