#include "checkout/LinesFile.h"

#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"

namespace vantor {

namespace {

constexpr const char* kPaymentWords[] = {"Esp", "Cart", "Mixte"};

// A ";" in a waiter's name would shift the fields after it, as in the
// journal; a line end in a label would split its line.
std::string LinesFileField(const std::string& text) {
    return Replace(text, ";", "-");
}

std::string OneLineLabel(const std::string& label) {
    return Replace(Replace(label, "\r", " "), "\n", " ");
}

}  // namespace

std::vector<std::string> LinesFileLines(std::int32_t numero, const ReceiptSale& sale,
                                        const ReceiptExtras& printed, const std::string& serveur,
                                        const InfosRecord& infos, std::int32_t corrects) {
    const Encaissement& payment = sale.payment;
    const bool split = payment.kind == PaymentKind::Mixed && payment.partEspeces != 0;
    const double total = ParseNumber(sale.totalText).value_or(0);
    // The cash part as the records split it: the share of the total.
    const std::string cash = split ? NumberToText(payment.partEspeces * total) : "";
    const char* kind =
        payment.kind == PaymentKind::Mixed && !split
            ? kPaymentWords[0]  // a split with no cash part records cash, as the journal does
            : kPaymentWords[static_cast<int>(payment.kind)];
    const std::string head = std::to_string(numero) + ";" + FormatDate(sale.when.date) + ";" +
                             FormatTime(sale.when.time) + ";" + LinesFileField(serveur) + ";" +
                             kind + ";" + cash + ";" + LinesFileField(infos[ModeTVA]) + ";";
    const std::string tail = (corrects == 0 ? "" : std::to_string(corrects)) + ";" + printed.recu +
                             ";" + printed.rendu + ";" + printed.carte + ";" + printed.taux + ";" +
                             kLinesExtrasMark;
    std::vector<std::string> lines;
    for (const ReceiptArticle& article : sale.articles) {
        lines.push_back(head + std::to_string(article.quantity) + ";" +
                        OneLineLabel(article.label) + ";" + article.amount + ";" +
                        std::to_string(article.category) + ";" + tail);
    }
    return lines;
}

}  // namespace vantor
