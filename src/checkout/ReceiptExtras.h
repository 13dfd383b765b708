#pragma once

#include <string>

namespace vantor {

// What a receipt prints after its total that the sale's records cannot tell
// again: the amounts of its payment and the rate of its VAT line, as the
// texts its lines were made from, "" for a line it did not print. lignes.csv
// keeps them, so that a duplicate prints these lines as they were.
struct ReceiptExtras {
    std::string recu;   // the cash handed over: "Reçu" of a cash sale, "Espèces" of a split
    std::string rendu;  // the change given back: "Rendu"
    std::string carte;  // a split's card part: "Carte"
    std::string taux;   // the VAT rate: "dont TVA 10 %"
};

}  // namespace vantor
