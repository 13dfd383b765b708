#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Printers.h"

namespace vantor {

// The receipt's lines start two columns in and run to the paper's right
// edge: 46 columns on 80 mm paper, 30 on 58 mm. Rules, articles, totals and
// payments all take their width from here.
int ReceiptWidth(const ReceiptPaper& paper);

// A rule across the receipt's width.
std::string ReceiptRule(int width);

// The text on the left, then the currency and the amount (FormatMontant,
// at least 8 wide) ending at the right edge:
//   "Total                             €    15.00"
// A text too long for the line keeps one space before the amount.
std::string ReceiptAmountLine(std::string_view left, std::string_view currency,
                              std::string_view amount, int width);

// An article sold: the quantity, its label whole ("Café (3.50)") and the
// amount. The label is wrapped at spaces where it does not fit beside the
// amount; the lines after the first start under the label. A word longer
// than the room is split, never cut: every character is printed.
std::vector<std::string> ReceiptArticleLines(int quantity, std::string_view label,
                                             std::string_view currency, std::string_view amount,
                                             int width);

// A text across the receipt, wrapped at spaces as the article labels are:
// "Ce ticket annule le ticket n° 12 du 05.12.2026".
std::vector<std::string> ReceiptTextLines(std::string_view text, int width);

// "MODE FORMATION - TICKET SANS VALEUR" on one line when it fits the width,
// else on two, cut after the dash.
std::vector<std::string> TrainingMarkLines(int width);

}  // namespace vantor
