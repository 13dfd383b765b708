#include "reports/frmTickets.h"

#include "data/Dates.h"
#include "data/Text.h"
#include "reports/Corrections.h"
#include "sales/Montant.h"
#include "sales/Remise.h"
#include "sales/frmMain.h"

namespace vantor {

std::string TicketRow(const RecordedReceipt& receipt) {
    std::string row = PadLeft(std::to_string(receipt.numero), 6) + "  " +
                      PadLeft(receipt.heure, 8) + "  " + FitRight(receipt.serveur, 10) + " " +
                      PadLeft(TexteCentimes(receipt.total.Cents()), 9) + "  " + receipt.paiement;
    if (receipt.corrige != 0) {
        row += "  corrige n° " + std::to_string(receipt.corrige);
    }
    return row;
}

std::string TicketLineRow(const RecordedLine& line, int chosen, int remaining) {
    return PadLeft(std::to_string(chosen) + "/" + std::to_string(remaining), 5) + "  " +
           PadLeft(std::to_string(line.quantity), 3) + " " + FitRight(line.label, 20) + " " +
           PadLeft(FormatMontant(line.amount, false), 8);
}

void frmTickets::Form_Load() {
    ShowDay(platform_.clock.Now().date);
}

void frmTickets::ShowDay(const Date& day) {
    day_ = day;
    Get("dtpJour").date = day;
    receipts_ = RecordedReceiptsOf(data_.DataPath, day);
    Control& list = Get("lstTickets");
    list.Clear();
    for (const RecordedReceipt& receipt : receipts_) {
        list.AddItem(TicketRow(receipt));
    }
    list.listIndex = -1;
    ShowLines();
}

// The lines of the receipt chosen, with what is left of each to refund.
void frmTickets::ShowLines() {
    Control& lines = Get("lstLignes");
    lines.Clear();
    const int chosen = Get("lstTickets").listIndex;
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= receipts_.size()) {
        remaining_.clear();
        chosen_.clear();
        return;
    }
    const RecordedReceipt& receipt = receipts_[static_cast<std::size_t>(chosen)];
    remaining_ = RemainingQuantities(receipt, CorrectionsOf(data_.DataPath, receipt.numero));
    chosen_.resize(receipt.lines.size(), 0);
    for (std::size_t i = 0; i < receipt.lines.size(); ++i) {
        lines.AddItem(TicketLineRow(receipt.lines[i], chosen_[i], remaining_[i]));
        if (chosen_[i] > 0) {
            lines.markedItems.push_back(static_cast<int>(i));
        }
    }
}

void frmTickets::dtpJour_Change() {
    ShowDay(Get("dtpJour").date);
}

void frmTickets::cmdJourPrecedent_Click() {
    ShowDay(DateFromDays(DaysFromCivil(day_) - 1));
}

void frmTickets::cmdJourSuivant_Click() {
    ShowDay(DateFromDays(DaysFromCivil(day_) + 1));
}

void frmTickets::lstTickets_Click() {
    chosen_.clear();
    ShowLines();
}

void frmTickets::lstLignes_Click() {
    Control& lines = Get("lstLignes");
    const int at = lines.listIndex;
    if (at < 0 || static_cast<std::size_t>(at) >= chosen_.size()) {
        return;
    }
    int& chosen = chosen_[static_cast<std::size_t>(at)];
    chosen = chosen < remaining_[static_cast<std::size_t>(at)] ? chosen + 1 : 0;
    // No row stays chosen, so that the next tap on the same row counts too.
    ShowLines();
}

const RecordedReceipt* frmTickets::ChosenReceipt() {
    const int chosen = Get("lstTickets").listIndex;
    if (chosen < 0 || static_cast<std::size_t>(chosen) >= receipts_.size()) {
        platform_.ui.MsgBox("Choisissez d'abord un ticket dans la liste", vbInformation);
        return nullptr;
    }
    return &receipts_[static_cast<std::size_t>(chosen)];
}

void frmTickets::cmdDuplicata_Click() {
    if (const RecordedReceipt* receipt = ChosenReceipt()) {
        main_.ImprimerDuplicata(*receipt);
    }
}

void frmTickets::cmdAnnulerTicket_Click() {
    const RecordedReceipt* receipt = ChosenReceipt();
    if (receipt != nullptr && main_.AnnulerTicket(*receipt)) {
        ShowDay(day_);
    }
}

void frmTickets::cmdRembourser_Click() {
    const RecordedReceipt* receipt = ChosenReceipt();
    if (receipt == nullptr) {
        return;
    }
    bool any = false;
    for (int quantity : chosen_) {
        any = any || quantity > 0;
    }
    if (!any) {
        platform_.ui.MsgBox(
            "Touchez d'abord les lignes à rembourser : chaque toucher en ajoute une.",
            vbInformation);
        return;
    }
    if (main_.RembourserTicket(*receipt, chosen_)) {
        ShowDay(day_);
    }
}

void frmTickets::cmdFermer_Click() {
    Close();
}

}  // namespace vantor
