// The checkout: "Espèces", "Carte" and "Mixte" print the receipt, record the
// sale in the journal, advance the ticket number and empty the sales screen.
// With a report on screen the first button prints the report.
#include <cassert>
#include <cstdint>
#include <memory>

#include "checkout/Journal.h"
#include "checkout/NumeroTicket.h"
#include "checkout/frmPaiement.h"
#include "data/Numbers.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kUnlockCode = "391205";

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
    CategoryTotals totals{};
    totalTicket_ = 0;
    data_.TexteBon.clear();
    const Control& list = Get("lstTicket");
    if (!data_.RapportAffiche) {
        assert(RecordsMatchLines());
        for (int j = 0; j < list.ListCount() && j + 1 < std::ssize(lignesTicket_); ++j) {
            const std::string& record = lignesTicket_[static_cast<std::size_t>(j) + 1];
            const char last = record.empty() ? ' ' : record.back();
            if (last >= '0' && last <= '7') {
                totals[static_cast<std::size_t>(last - '0')] +=
                    LineAmount(list.items[static_cast<std::size_t>(j)]).value_or(0);
            }
        }
    }
    for (const std::string& line : list.items) {
        if (data_.TexteBon.empty()) {
            data_.TexteBon = " ";
        }
        data_.TexteBon += "\n " + line;
        totalTicket_ += LineAmount(line).value_or(0);
    }
    const std::string totalText = TotalText(totalTicket_);

    if (!data_.RapportAffiche && !Get("mnuFormation").checked) {
        CloturerJoursPasses();
        if (JourClos(platform_.clock.Now().date, "Vente")) {
            return;
        }
    }
    bool print = true;
    double taux = 0;
    double montantTVA = 0;
    if (!data_.RapportAffiche) {
        taux = TauxTVA(data_.Infos);
        montantTVA = TvaIncluse(ParseNumber(totalText).value_or(0), taux);
        print = platform_.ui.MsgBox("Imprimer le ticket ?", vbYesNo, "Impression") == vbYes;
    }
    const bool sale = !data_.RapportAffiche && !Get("mnuFormation").checked;
    if (sale) {
        // The next number is on disk before this one is printed: whatever
        // happens from here, a number may be skipped but never printed twice.
        AdvanceTicketNumber();
    }
    NumberInUse inUse(data_.NumTicket, sale);
    if (print) {
        PrintTicket(totalText, taux, montantTVA);
    }
    if (sale) {
        RecordSale(index, totals);
        // Cash, or mixed: a mixed payment always leaves cash in the drawer,
        // its cash part or the whole total when no part was given.
        if (static_cast<PaymentKind>(index) != PaymentKind::Card) {
            OpenCashDrawer();
        }
    }
    ResetSalesScreen();
}

void frmMain::RecordSale(int index, const CategoryTotals& totals) {
    const auto kind = static_cast<PaymentKind>(index);
    data_.PartEspeces = 0;
    if (kind == PaymentKind::Mixed) {
        const std::string total = FormatMontant(Get("lblTotal").tag, false);
        frmPaiement payment(platform_, data_);
        payment.SetTotal(total);
        payment.Form_Load();
        platform_.ui.ShowModal(payment);
        if (data_.PartEspeces == 0) {
            platform_.ui.MsgBox("Pas de détail, " + total + " enregistré en Espèces",
                                vbInformation);
        }
    }
    try {
        EcrireVente(data_.DataPath, data_.NumTicket, totals, kind, data_.PartEspeces, data_.Serveur,
                    data_.Infos, platform_.clock);
    } catch (const FileError& error) {
        throw FileError(std::string("La vente n'a pas été enregistrée.\n") + error.what());
    }
}

// Writes the number that follows the current one into Id.txt; NumberInUse
// moves NumTicket on once the current one is printed.
void frmMain::AdvanceTicketNumber() {
    try {
        EcrireNumTicket(data_.DataPath, NumTicketSuivant(data_.NumTicket));
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
        platform_.ui.MsgBox("Le tiroir-caisse ne s'ouvre pas : " + std::string(error.what()),
                            vbExclamation);
    }
}

void frmMain::ResetSalesScreen() {
    EmptyTicket();
    Get("cmdPrint", 0).caption = "Espèces";
    for (Control* shown : {&Get("cmdPrint", 1), &Get("cmdPrint", 2), &Get("cmdCuisine")}) {
        shown->visible = true;
    }
}

void frmMain::mnuFormation_Click() {
    Control& formation = Get("mnuFormation");
    if (formation.checked) {
        formation.checked = false;
        TryLogEvent(data_.DataPath, platform_.clock.Now(), "Mode formation désactivé");
        return;
    }
    AfficherClavier();
    if (platform_.ui.InputBox("Code de déverrouillage") == kUnlockCode) {
        formation.checked = true;
        TryLogEvent(data_.DataPath, platform_.clock.Now(), "Mode formation activé");
    }
}

}  // namespace vantor
