#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "checkout/Receipt.h"
#include "checkout/ReceiptExtras.h"
#include "data/TillData.h"

namespace vantor {

// lignes.csv: one line per ticket line of each recorded sale, as its receipt
// printed it, beside the sale's records in tickets.csv (which keep only a
// total per category):
//   numero;date;heure;serveur;paiement;especes;modeTVA;quantite;libelle;montant;categorie;corrige;recu;rendu;carte;taux;v2
// paiement is "Esp", "Cart" or "Mixte", especes the cash part of a "Mixte"
// (empty otherwise), corrige the receipt number of the sale a correction
// corrects (empty for a sale). recu, rendu, carte and taux are what the
// receipt printed after its total (ReceiptExtras), "" for a line it did not
// print; the last field is always kLinesExtrasMark. The label is kept whole,
// ";" included: it is the text between the 8 first fields and the 8 last
// ones.
// Lines written before the receipt's extras were kept end at corrige, which
// is empty or a number, never the mark: they read as they always did, the
// label being the text between the 8 first fields and the 3 last ones.
inline constexpr const char* kLinesExtrasMark = "v2";

std::vector<std::string> LinesFileLines(std::int32_t numero, const ReceiptSale& sale,
                                        const ReceiptExtras& printed, const std::string& serveur,
                                        const InfosRecord& infos, std::int32_t corrects = 0);

}  // namespace vantor
