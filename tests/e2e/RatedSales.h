#pragma once

// The sales, corrections and settings of the tests of what a recorded
// sale's receipt printed at the VAT rate of its day.
#include <string>

#include "data/Cp1252.h"

namespace vantor::test {

// The settings with the VAT rates given, the VAT mode 2 (takeaway) unless told.
inline std::string SettingsWithRates(const std::string& takeaway, const std::string& mode = "2",
                                     const std::string& onSite = "10") {
    return Utf8ToCp1252("Café du Port\r\nQuai 1\r\n1000 Lausanne\r\n021 000 00 00\r\nCHE-123\r\n" +
                        onSite + "\r\n" + takeaway + "\r\n\r\n\r\n" + mode + "\r\n\r\n\r\n");
}

// Two coffees and a dish of 8.00 (15.00) at 12:04:09, paid as the rest says.
inline std::string TwoCoffeesAndADish(const std::string& payment) {
    return "clock 05.12.2026 12:04:09\nclick Command1 2\nclick Command1 2\nclick Command1 66\n"
           "answer \"8\"\nanswer \"Croque\"\n" +
           payment;
}

// The newest receipt of the day cancelled at 14:00, or one of its coffees
// refunded in cash; the correction printed.
inline const std::string kNewestCancelled =
    "clock 05.12.2026 14:00:00\nclick mnuTickets\nchoose lstTickets 0\n"
    "click cmdAnnulerTicket\nanswer \"Erreur\"\nanswer yes\nclick cmdFermer\n";
inline const std::string kCoffeeRefunded =
    "clock 05.12.2026 14:00:00\nclick mnuTickets\nchoose lstTickets 0\n"
    "choose lstLignes 0\nclick cmdRembourser\nanswer \"Froid\"\nanswer yes\nanswer yes\n"
    "click cmdFermer\n";

// One run of a till: the takeaway rate set before it, then its script.
struct RateStep {
    std::string takeaway;
    std::string script;
};

}  // namespace vantor::test
