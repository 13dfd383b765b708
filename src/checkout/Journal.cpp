#include "checkout/Journal.h"

#include <cmath>

#include "data/Cp1252.h"
#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Ledger.h"

namespace vantor {

namespace {

// A ";" typed into a waiter name or a movement text would shift every later
// field of its record.
std::string FieldText(const std::string& text) {
    return Replace(text, ";", "-");
}

std::string Record(const DateTime& when, const std::string& who, double amount,
                   const std::string& category, const std::string& kind, const std::string& mode,
                   const std::string& vat) {
    return FormatDate(when.date) + ";" + FormatTime(when.time) + ";" + FieldText(who) + ";" +
           NumberToText(amount) + ";" + category + ";" + kind + ";" + mode + ";" + vat;
}

}  // namespace

double TauxTVA(const InfosRecord& infos) {
    std::optional<double> mode = ParseNumber(infos[ModeTVA]);
    if (!mode) {
        return 0;
    }
    const double rounded = std::nearbyint(*mode);
    if (rounded != 1 && rounded != 2) {
        return 0;
    }
    std::optional<double> rate = ParseNumber(infos[rounded == 1 ? TauxSurPlace : TauxEmporter]);
    if (!rate) {
        throw ConversionError();
    }
    return *rate;
}

double TvaIncluse(double montant, double taux) {
    return 100 + taux == 0 ? 0 : montant * taux / (100 + taux);
}

std::vector<std::string> SaleRecords(const CategoryTotals& totals, PaymentKind kind,
                                     double partEspeces, const std::string& serveur,
                                     const std::string& mode, double rate, const DateTime& when,
                                     SaleSign sign) {
    std::vector<std::string> records;
    for (int c = 0; c <= 7; ++c) {
        const double s = totals[static_cast<std::size_t>(c)];
        if (sign == SaleSign::Sale ? !(s > 0) : !(s < 0)) {
            continue;
        }
        const double v = s * rate / 100;
        const std::string category = std::to_string(c);
        if (kind != PaymentKind::Mixed || partEspeces == 0) {
            const char* type = kind == PaymentKind::Card ? "Cart" : "Esp";
            records.push_back(Record(when, serveur, s, category, type, mode, NumberToText(v)));
            continue;
        }
        const double p = partEspeces;
        records.push_back(Record(when, serveur, p * s, category, "Esp", mode, NumberToText(p * v)));
        records.push_back(
            Record(when, serveur, (1 - p) * s, category, "Cart", mode, NumberToText((1 - p) * v)));
    }
    return records;
}

std::string MovementRecord(const DateTime& when, const std::string& text, double amount,
                           int account) {
    return Record(when, text, amount, "10", "Sort", std::to_string(account), "0");
}

void EcrireVente(const std::string& dataPath, int numTicket,
                 const std::vector<std::string>& records, const std::vector<std::string>& lines,
                 const std::function<void(const ChainEntry*)>& announced) {
    if (records.empty()) {
        if (announced) {
            announced(nullptr);
        }
        return;
    }
    std::vector<ChainedPart> parts;
    if (!lines.empty()) {
        parts.push_back({kLinesFile, EntryKind::Lines, numTicket, lines});
    }
    parts.push_back({kJournalFile, EntryKind::Sale, numTicket, records});
    ChainedAppend sale(dataPath, parts);
    if (announced) {
        announced(&sale.Entry());
    }
    sale.Finish();
}

void EcrireMouvement(const std::string& dataPath, const DateTime& when, const std::string& text,
                     double amount, int account) {
    AppendChained(dataPath, kJournalFile, EntryKind::Movement, 0,
                  {MovementRecord(when, text, amount, account)});
}

}  // namespace vantor
