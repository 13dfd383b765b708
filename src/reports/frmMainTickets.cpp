// The receipts of a day ("Fichier" › "Tickets"): a recorded sale printed
// again as a duplicate, cancelled, or refunded line by line. A correction is
// a new sale of the lines taken back, negated, with its own number, dated
// now, recorded and printed through the checkout like any sale; the sale it
// corrects is never touched, even in a closed day.
#include <cmath>

#include "checkout/Journal.h"
#include "checkout/Receipt.h"
#include "data/Dates.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/ChainEntry.h"
#include "ledger/Events.h"
#include "ledger/SaleLines.h"
#include "platform/Printer.h"
#include "reports/CorrectionEvents.h"
#include "reports/Corrections.h"
#include "reports/RecordedReceipts.h"
#include "reports/frmTickets.h"
#include "sales/Montant.h"
#include "sales/Remise.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

PaymentKind RecordedPayment(const RecordedReceipt& sale) {
    return sale.paiement == "Cart"    ? PaymentKind::Card
           : sale.paiement == "Mixte" ? PaymentKind::Mixed
                                      : PaymentKind::Cash;
}

// How a recorded sale was paid, as far as lignes.csv tells it: a split's
// cash part (its share of the total), no amount received nor change.
Encaissement RecordedEncaissement(const RecordedReceipt& sale, double sign) {
    Encaissement payment{RecordedPayment(sale)};
    const double total = sale.total.ToDouble();
    const double cash = ParseNumber(sale.especes).value_or(0);
    if (payment.kind == PaymentKind::Mixed && total != 0) {
        payment.partEspeces = cash / total;
        payment.especes = sign * cash;
        payment.carte = sign * (total - cash);
    }
    return payment;
}

std::vector<ReceiptArticle> ReceiptArticlesOf(const std::vector<RecordedLine>& lines) {
    std::vector<ReceiptArticle> articles;
    for (const RecordedLine& line : lines) {
        articles.push_back({line.quantity, line.label, line.amount, line.category});
    }
    return articles;
}

}  // namespace

void frmMain::mnuTickets_Click() {
    frmTickets tickets(platform_, data_, *this);
    tickets.Form_Load();
    platform_.ui.ShowModal(tickets);
}

void frmMain::ImprimerDuplicata(const RecordedReceipt& sale) {
    ReceiptSale receipt;
    receipt.articles = ReceiptArticlesOf(sale.lines);
    receipt.totalText = TexteCentimes(sale.total.Cents());
    receipt.when = {sale.date, ParseTime(sale.heure).value_or(TimeOfDay{})};
    receipt.numero = sale.numero;
    receipt.serveur = sale.serveur.empty() ? " " : sale.serveur;
    receipt.modeTVA = sale.modeTVA;
    // Its payment's amounts and VAT rate as its receipt printed them; a sale
    // recorded before its lines kept them shows the cash part of a split.
    receipt.printed = sale.printed;
    try {
        receipt.taux = TauxDuTicket(sale);
    } catch (const ConversionError&) {
        receipt.taux = 0;  // an old sale still printed again, its VAT shown as none
    }
    receipt.montantTVA = TvaIncluse(sale.total.ToDouble(), receipt.taux);
    receipt.payment = RecordedEncaissement(sale, 1);
    if (const std::optional<ChainEntry> entry = SaleEntryOf(data_.DataPath, sale.numero)) {
        receipt.code = ShortChainCode(entry->seq, entry->hash);
    }
    receipt.mark = "DUPLICATA";
    if (sale.corrige != 0) {
        // The correction's own words, as its receipt printed them.
        const std::optional<RecordedReceipt> corrected = RecordedSale(data_.DataPath, sale.corrige);
        const RecordedReceipt* of = corrected ? &*corrected : nullptr;
        receipt.notes = {CorrectionWord(KindOfCorrection(sale, of)),
                         "Ce ticket " + CorrectionText(sale, of), ""};
    }
    PrintTicket(&receipt);
    const std::string duplicata = "Duplicata du ticket n° " + std::to_string(sale.numero);
    TryLogEvent(data_.DataPath, platform_.clock.Now(), duplicata,
                "par " + Before(data_.Serveur, "+"));
    LogTrainingPrint(duplicata);
}

bool frmMain::AnnulerTicket(const RecordedReceipt& sale) {
    if (RefuseCorrection(CancellationRefusal(sale, CorrectionsOf(data_.DataPath, sale.numero)))) {
        return false;
    }
    std::vector<int> all;
    for (const RecordedLine& line : sale.lines) {
        all.push_back(line.quantity);
    }
    const std::string motif = DemanderMotif(Motif::Annulation);
    if (motif.empty() || !Autoriser(Action::AnnulerTicket)) {
        return false;
    }
    // The records taken back as they were written: a discount on the whole
    // ticket stays shared over the categories as it was.
    std::optional<CategoryTotals> totals = RecordedTotals(data_.DataPath, sale.numero);
    const std::vector<RecordedLine> lines = CorrectionLines(sale, all);
    CategoryTotals taken = totals ? *totals : LinesTotals(sale.lines);
    for (double& amount : taken) {
        amount = -amount;
    }
    return EnregistrerCorrection(sale, lines, taken, RecordedEncaissement(sale, -1), motif);
}

bool frmMain::RembourserTicket(const RecordedReceipt& sale, const std::vector<int>& quantities) {
    if (RefuseCorrection(
            RefundRefusal(sale, CorrectionsOf(data_.DataPath, sale.numero), quantities))) {
        return false;
    }
    const std::vector<RecordedLine> lines = CorrectionLines(sale, quantities);
    const std::string motif = DemanderMotif(Motif::Remboursement);
    if (motif.empty() || !Autoriser(Action::Rembourser)) {
        return false;
    }
    const bool cash = platform_.ui.MsgBox("Rembourser en espèces ?\n(Non : sur la carte)",
                                          vbYesNo | vbQuestion, "Remboursement") == vbYes;
    return EnregistrerCorrection(sale, lines, LinesTotals(lines),
                                 Encaissement{cash ? PaymentKind::Cash : PaymentKind::Card}, motif);
}

// The rate the sale's receipt printed, as its lines kept it: a correction
// takes back the VAT its sale recorded, even when the rate has changed since.
// A sale recorded before its lines kept the rate cannot tell it: today's rate
// of its mode stands for it, as it always did, and throws ConversionError
// when it is not a number. A sale that printed no VAT line has a mode
// without VAT, which today's settings also give 0.
double frmMain::TauxDuTicket(const RecordedReceipt& sale) const {
    if (sale.printed) {
        if (const std::optional<double> taux = ParseNumber(sale.printed->taux)) {
            return *taux;
        }
    }
    InfosRecord infos = data_.Infos;
    infos[ModeTVA] = sale.modeTVA;
    return TauxTVA(infos);
}

bool frmMain::RefuseCorrection(const std::string& refusal) {
    if (InTraining()) {
        platform_.ui.MsgBox("En mode formation, aucun ticket n'est annulé ni remboursé.",
                            vbExclamation);
        return true;
    }
    if (!refusal.empty()) {
        platform_.ui.MsgBox(refusal, vbExclamation);
        return true;
    }
    return false;
}

// A cancellation takes back every line, a refund the lines chosen; which one
// it is reads from the lines themselves, as the reports read it.
bool frmMain::EnregistrerCorrection(const RecordedReceipt& sale,
                                    const std::vector<RecordedLine>& lines,
                                    const CategoryTotals& totals, const Encaissement& payment,
                                    const std::string& motif) {
    RecordedReceipt correction;
    correction.corrige = sale.numero;
    correction.lines = lines;
    const Correction kind = KindOfCorrection(correction, &sale);
    const std::int64_t cents = CentsOfLines(lines);
    ReceiptSale receipt;
    receipt.articles = ReceiptArticlesOf(lines);
    receipt.totalText = TexteCentimes(cents);
    receipt.modeTVA = sale.modeTVA;
    receipt.corrige = sale.numero;
    receipt.mark = CorrectionWord(kind);
    receipt.notes = {"Ce ticket " + CorrectionText(correction, &sale), ""};
    CloturerJoursPasses();
    receipt.when = platform_.clock.Now();  // a correction belongs to the day it is made
    if (JourClos(receipt.when.date, "Vente")) {
        return false;
    }
    try {
        receipt.taux = TauxDuTicket(sale);  // its receipt's VAT line and its records'
    } catch (const ConversionError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);  // refused, as a sale is
        return false;
    }
    receipt.montantTVA = TvaIncluse(static_cast<double>(cents) / 100, receipt.taux);
    receipt.payment = payment;
    const bool print = platform_.ui.MsgBox("Imprimer le ticket ?", vbYesNo, "Impression") == vbYes;
    const std::int32_t numero = data_.NumTicket;
    try {
        RecordAndPrint(receipt, totals, print);
    } catch (const PrintError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
        return false;
    } catch (const FileError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
        return false;
    }
    // A stop before this line leaves the correction without its event: the
    // next start writes it (JournaliserCorrectionSansEvenement).
    correction.numero = numero;
    const CorrectionEvent event = CorrectionEventOf(correction, &sale);
    TryLogEvent(data_.DataPath, receipt.when, event.type, event.detail + MotifEtQui(motif));
    return true;
}

void frmMain::JournaliserCorrectionSansEvenement() {
    try {
        if (const std::optional<RecordedReceipt> correction =
                CorrectionWithoutEvent(data_.DataPath)) {
            LogCorrectionEventAfterStop(data_.DataPath, *correction, platform_.clock.Now());
        }
    } catch (const FileError&) {
        // An unreadable folder is told by the start's check; the sales go on.
    }
}

}  // namespace vantor
