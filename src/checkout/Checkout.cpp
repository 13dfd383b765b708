// The checkout: "Espèces", "Carte" and "Mixte" print the receipt, record the
// sale in the journal, advance the ticket number and empty the sales screen.
// With a report on screen the first button prints the report.
#include <memory>

#include "checkout/Journal.h"
#include "checkout/NumeroTicket.h"
#include "checkout/frmPaiement.h"
#include "data/Numbers.h"
#include "data/TextFile.h"
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
        for (int j = 0; j < list.ListCount(); ++j) {
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

    bool print = true;
    double taux = 0;
    double montantTVA = 0;
    if (!data_.RapportAffiche) {
        taux = TauxTVA(data_.Infos);
        montantTVA = ParseNumber(totalText).value_or(0) * taux / 100;
        print = platform_.ui.MsgBox("Imprimer le ticket ?", vbYesNo, "Impression") == vbYes;
    }
    if (print) {
        PrintTicket(totalText, taux, montantTVA);
    }
    if (!data_.RapportAffiche && !Get("mnuFormation").checked) {
        RecordSale(index, totals);
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
    EcrireVente(data_.DataPath, totals, kind, data_.PartEspeces, data_.Serveur, data_.Infos,
                platform_.clock);
    AdvanceTicketNumber();
}

void frmMain::AdvanceTicketNumber() {
    ++data_.NumTicket;
    try {
        EcrireNumTicket(data_.DataPath, data_.NumTicket);
    } catch (const FileError& error) {
        // The sale is in the journal: the ticket must leave the screen, or it
        // would be recorded twice.
        platform_.ui.MsgBox(error.what(), vbCritical);
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
        return;
    }
    AfficherClavier();
    if (platform_.ui.InputBox("Code de dévérouillage") == kUnlockCode) {
        formation.checked = true;
    }
}

}  // namespace vantor
