// The checkout: "Espèces", "Carte" and "Mixte" take the payment, record the
// sale in the journal, print the receipt, advance the ticket number and empty
// the sales screen. With a report on screen the first button prints the report
// (PrintReportOnScreen, with the reports).
#include <cassert>
#include <cmath>
#include <cstdint>

#include "checkout/Journal.h"
#include "checkout/LinesFile.h"
#include "checkout/Receipt.h"
#include "checkout/frmMontantRecu.h"
#include "checkout/frmPaiement.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/NumeroTicket.h"
#include "sales/Remise.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kUnlockCode = "391205";

// The payment of each checkout button: "Espèces", "Carte", "Mixte".
constexpr PaymentKind kButtonPayments[] = {PaymentKind::Cash, PaymentKind::Card,
                                           PaymentKind::Mixed};

// The total as text with at least two decimals ("15" gives "15.00", "3.5"
// gives "3.50"; more decimals stay).
std::string TotalText(double total) {
    std::string text = NumberToText(total);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        return text + ".00";
    }
    return text.size() - point == 2 ? text + "0" : text;
}

// Once the next number is on disk the current one is spent, even when the
// printing or the recording fails afterwards.
class NumberInUse {
public:
    NumberInUse(std::int32_t& numero, bool spent) : numero_(numero), spent_(spent) {}
    ~NumberInUse() {
        if (spent_) {
            numero_ = NumTicketSuivant(numero_);
        }
    }
    NumberInUse(const NumberInUse&) = delete;
    NumberInUse& operator=(const NumberInUse&) = delete;

private:
    std::int32_t& numero_;
    bool spent_;
};

}  // namespace

void frmMain::cmdPrint_Click(int index) {
    try {
        Checkout(index);
    } catch (const ConversionError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
    } catch (const PrintError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
    } catch (const FileError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
    }
}

void frmMain::Checkout(int index) {
    if (data_.RapportAffiche) {
        PrintReportOnScreen();
        return;
    }
    SellTicket(kButtonPayments[static_cast<std::size_t>(index)]);
}

// A report's printed body in TexteBon: the lines on screen (a sale's receipt
// prints its articles at the paper's width).
void frmMain::ReceiptBody() {
    data_.TexteBon.clear();
    for (const std::string& line : Get("lstTicket").items) {
        if (data_.TexteBon.empty()) {
            data_.TexteBon = " ";
        }
        data_.TexteBon += "\n " + line;
    }
}

TicketTotals frmMain::TotalsOfTicket() const {
    assert(RecordsMatchLines());
    TicketTotals totals;
    CentimesParCategorie cents{};
    std::int64_t ticketDiscount = 0;
    for (const TicketLine& line : ticket_.Lines()) {
        const double amount = LineAmount(line.text).value_or(0);
        totals.total += amount;
        if (line.remise == RemiseSur::Ticket) {
            ticketDiscount -= std::llround(amount * 100);
            continue;
        }
        totals.categories[static_cast<std::size_t>(line.record.category)] += amount;
        cents[static_cast<std::size_t>(line.record.category)] += std::llround(amount * 100);
    }
    if (ticketDiscount != 0) {
        // A discount on the whole ticket is shared over its categories to the
        // cent, so that the records add up to the total paid.
        const CentimesParCategorie shares = RepartirRemise(ticketDiscount, cents);
        for (std::size_t c = 0; c < cents.size(); ++c) {
            totals.categories[c] = static_cast<double>(cents[c] - shares[c]) / 100;
        }
    }
    return totals;
}

void frmMain::SellTicket(PaymentKind kind) {
    const TicketTotals totals = TotalsOfTicket();
    ReceiptSale sale;
    for (const TicketLine& line : ticket_.Lines()) {
        sale.articles.push_back(
            {line.record.quantity,
             line.wholeLabel.empty() ? Trim(line.record.label) : line.wholeLabel,
             LineAmountText(line.text), line.record.category});
    }
    sale.totalText = TotalText(totals.total);
    const bool training = InTraining();
    if (!training) {
        CloturerJoursPasses();
    }
    sale.when = platform_.clock.Now();  // the one moment of the sale
    if (!training && JourClos(sale.when.date, "Vente")) {
        return;
    }
    sale.taux = TauxTVA(data_.Infos);
    sale.montantTVA = TvaIncluse(ParseNumber(sale.totalText).value_or(0), sale.taux);
    const bool print = platform_.ui.MsgBox("Imprimer le ticket ?", vbYesNo, "Impression") == vbYes;
    std::optional<Encaissement> payment = AskPayment(kind, sale.totalText);
    if (!payment) {
        return;  // cancelled: nothing printed, recorded or spent
    }
    sale.payment = *payment;
    if (!training) {
        RecordAndPrint(sale, totals.categories, print);
    } else if (print) {
        PrintTicket(&sale);
        LogTrainingPrint("Ticket n° " + std::to_string(data_.NumTicket) + ", total " +
                         sale.totalText);
    }
    ResetSalesScreen();
}

// The sale's records, computed once, are announced in the chain (flushed:
// from then on the receipt's number is spent whatever happens), then the
// receipt is printed with the entry's code, then the records are written. A
// receipt that fails gives the entry up at once and records nothing, the
// ticket staying on screen; a crash while printing leaves the entry open, and
// the next start gives it up.
// A correction goes the same way, under its own number, its records negative.
// The records take their VAT at the rate the receipt shows, so that neither
// can say another: a correction's is that of the sale it corrects.
void frmMain::RecordAndPrint(ReceiptSale& sale, const CategoryTotals& totals, bool print) {
    InfosRecord infos = data_.Infos;
    if (sale.modeTVA) {
        infos[ModeTVA] = *sale.modeTVA;  // a correction keeps the VAT mode of its sale
    }
    const std::vector<std::string> records = SaleRecords(
        totals, sale.payment.kind, sale.payment.partEspeces, data_.Serveur, infos[ModeTVA],
        sale.taux, sale.when, sale.corrige != 0 ? SaleSign::Correction : SaleSign::Sale);
    const std::vector<std::string> lines =
        records.empty() ? std::vector<std::string>{}
                        : LinesFileLines(data_.NumTicket, sale, ExtrasOf(sale), data_.Serveur,
                                         infos, sale.corrige);
    // A sale that records nothing has no chain entry to keep its number.
    AdvanceTicketNumber(records.empty() ? KeptBy::IdFile : KeptBy::Chain);
    NumberInUse inUse(data_.NumTicket, true);
    try {
        EcrireVente(data_.DataPath, data_.NumTicket, records, lines, [&](const ChainEntry* entry) {
            if (entry != nullptr) {
                sale.code = ShortChainCode(entry->seq, entry->hash);
            }
            if (print) {
                PrintTicket(&sale);
            }
        });
    } catch (const PrintError& error) {
        LogUnusedNumber(data_.NumTicket, std::string("impression impossible : ") + error.what());
        throw;
    } catch (const FileError& error) {
        LogUnusedNumber(data_.NumTicket, std::string("vente non enregistrée : ") + error.what());
        throw FileError(std::string("La vente n'a pas été enregistrée.\n") + error.what());
    }
    if (sale.payment.kind != PaymentKind::Card) {
        OpenCashDrawer();  // cash, or the cash part of a split
    }
}

// The number is spent (Id.txt already gives the next one) but no sale bears
// it: the event log says why, so that the gap in the receipts is explained.
void frmMain::LogUnusedNumber(std::int32_t numero, const std::string& reason) {
    TryLogEvent(data_.DataPath, platform_.clock.Now(), UnusedNumberEvent(numero), reason);
}

// Card needs nothing more, cash the amount received when the settings ask
// it; a split is asked. Nothing when cancelled.
std::optional<Encaissement> frmMain::AskPayment(PaymentKind kind, const std::string& total) {
    data_.PartEspeces = 0;
    if (kind == PaymentKind::Cash && data_.DemanderMontantRecu &&
        ParseNumber(total).value_or(0) > 0) {
        frmMontantRecu received(platform_);
        received.SetTotal(total);
        platform_.ui.ShowModal(received);
        return received.Result();
    }
    if (kind != PaymentKind::Mixed) {
        return Encaissement{kind};
    }
    frmPaiement payment(platform_, data_);
    payment.SetTotal(FormatMontant(ticket_.TotalTag(), false));
    payment.Form_Load();
    platform_.ui.ShowModal(payment);
    return payment.Result();
}

// Writes the number that follows the current one into Id.txt; NumberInUse
// moves NumTicket on once the current one is printed.
void frmMain::AdvanceTicketNumber(KeptBy keptBy) {
    try {
        EcrireNumTicket(data_.DataPath, NumTicketSuivant(data_.NumTicket), keptBy);
    } catch (const FileError& error) {
        throw FileError(
            std::string("La vente n'a pas été enregistrée : le numéro de ticket ne peut pas "
                        "être mis à jour.\n") +
            error.what());
    }
    if (data_.NumTicket == INT32_MAX) {
        platform_.ui.MsgBox("Le numéro de ticket a atteint sa limite : le suivant repart à 1.",
                            vbInformation);
    }
}

void frmMain::OpenCashDrawer() {
    try {
        platform_.printers.OpenDrawer(platform_.printers.Current());
    } catch (const PrintError& error) {
        platform_.ui.MsgBox("Le tiroir-caisse ne s'ouvre pas : " + std::string(error.what()) +
                                "\nOuvrez-le avec sa clé.",
                            vbExclamation);
    }
}

// After a sale, and after a printed report too: an empty ticket in the
// "Ticket" mode, whose buttons are those of a sale.
void frmMain::ResetSalesScreen() {
    EmptyTicket();
    Click(Get("optPrint", 0));
}

void frmMain::mnuFormation_Click() {
    Control& formation = Get("mnuFormation");
    if (formation.checked) {
        formation.checked = false;
        TryLogEvent(data_.DataPath, platform_.clock.Now(), "Mode formation désactivé");
        return;
    }
    // With staff, a manager's approval stands for the code anyone may know.
    const bool unlocked =
        equipe_.Active()
            ? Autoriser(Action::ModeFormation)
            : (AfficherClavier(), platform_.ui.InputBox("Code de déverrouillage") == kUnlockCode);
    if (unlocked) {
        formation.checked = true;
        TryLogEvent(data_.DataPath, platform_.clock.Now(), "Mode formation activé");
    }
}

}  // namespace vantor
