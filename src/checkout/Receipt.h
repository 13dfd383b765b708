#pragma once

#include <string>

#include "checkout/Journal.h"
#include "checkout/frmPaiement.h"
#include "platform/DateTime.h"

namespace vantor {

// What a checkout takes from the lines on screen: their sum, and the sums of
// the lines of each category (from their records).
struct TicketTotals {
    double total = 0;
    CategoryTotals categories{};
};

// What the receipt of a sale prints beyond its lines; a report has none of it.
struct ReceiptSale {
    std::string totalText;  // two decimals at least
    double taux = 0;
    double montantTVA = 0;
    Encaissement payment;
    DateTime when;     // the moment of the sale, that its records also bear
    std::string code;  // its chain code; empty for a sale that records nothing
};

}  // namespace vantor
