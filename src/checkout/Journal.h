#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/TillData.h"
#include "ledger/ChainEntry.h"
#include "platform/DateTime.h"

namespace vantor {

enum class PaymentKind { Cash = 0, Card = 1, Mixed = 2 };

// Subtotals of one ticket by category; only 0..7 are ever filled.
using CategoryTotals = std::array<double, 9>;

// A rate that is not a number where the VAT mode needs it.
class ConversionError : public std::runtime_error {
public:
    ConversionError() : std::runtime_error("Incompatibilité de type") {}
};

// The VAT rate of the sale's VAT mode (Infos 9): 1 gives Infos 5, 2 gives
// Infos 6, anything else 0. Throws ConversionError when the chosen rate is
// not a number.
double TauxTVA(const InfosRecord& infos);
// The VAT that an amount includes at a rate, as a café's prices include it:
// amount × rate / (100 + rate), 0.909... in 10.00 at 10; 0 for a rate of -100.
double TvaIncluse(double montant, double taux);

// A sale records what it sells, a correction (a cancellation or a refund of a
// recorded sale) what it takes back: the one never records the other's sign,
// so that no ordinary sale goes negative by accident.
enum class SaleSign { Sale, Correction };

// The records of one checkout, one per category with a positive subtotal
// (a negative one for a correction; two for a split payment), all stamped
// with the moment of the sale, its VAT mode and the VAT at the rate its
// receipt shows: subtotal × taux / 100.
std::vector<std::string> SaleRecords(const CategoryTotals& totals, PaymentKind kind,
                                     double partEspeces, const std::string& serveur,
                                     const std::string& modeTVA, double taux, const DateTime& when,
                                     SaleSign sign = SaleSign::Sale);
std::string MovementRecord(const DateTime& when, const std::string& text, double amount,
                           int account);

// Each writer appends its records to tickets.csv under the chain
// (ledger/Ledger.h): whole or not at all, FileError when it fails.
// The records of a sale are covered by one chain entry with its receipt
// number. Once that entry is on disk, and before the records are written,
// announced runs with it (with nothing for a sale without records): when it
// throws, the entry is given up and nothing is recorded. The sale's lines
// (lignes.csv) are announced in the same write of the chain and written
// before the records: both are recorded or neither.
void EcrireVente(const std::string& dataPath, int numTicket,
                 const std::vector<std::string>& records, const std::vector<std::string>& lines,
                 const std::function<void(const ChainEntry*)>& announced = {});
void EcrireMouvement(const std::string& dataPath, const DateTime& when, const std::string& text,
                     double amount, int account);

}  // namespace vantor
