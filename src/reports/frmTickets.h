#pragma once

#include <vector>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "reports/RecordedReceipts.h"

namespace vantor {

class frmMain;

// The receipts of a day, newest first, as lignes.csv recorded them (today's
// at first, any other day by its date): the receipt chosen is printed again
// ("Duplicata"), cancelled whole ("Annuler le ticket") or refunded for the
// lines chosen in lstLignes, each tap on a line one more of it to refund
// (back to none past what is left of it).
class frmTickets : public Form {
public:
    frmTickets(Platform& platform, TillData& data, frmMain& main);

    // Today's receipts, none chosen.
    void Form_Load() override;
    // A screen of its own: the lists take the room the window gives, the
    // buttons stay along its bottom.
    void Form_Resize() override;
    void dtpJour_Change();
    void cmdJourPrecedent_Click();
    void cmdJourSuivant_Click();
    void lstTickets_Click();
    void lstLignes_Click();
    void cmdDuplicata_Click();
    void cmdAnnulerTicket_Click();
    void cmdRembourser_Click();
    void cmdFermer_Click();

private:
    void CreateDayChooser();
    void CreateLists();
    void CreateButtons();
    void ShowDay(const Date& day);
    void ShowLines();
    // The receipt chosen in lstTickets; a message and nullptr when none is.
    const RecordedReceipt* ChosenReceipt();

    Platform& platform_;
    TillData& data_;
    frmMain& main_;
    Date day_;
    // What lstTickets shows, in its order, and for the receipt chosen what
    // is left to refund of each of its lines and how much of it is chosen.
    std::vector<RecordedReceipt> receipts_;
    std::vector<int> remaining_;
    std::vector<int> chosen_;
};

// A row of lstTickets: "   12  12:04:09  Paul          15.00  Esp", a
// correction followed by the number it corrects.
std::string TicketRow(const RecordedReceipt& receipt);
// A row of lstLignes: the quantity chosen of what is left, then the line
// ("1/2  Café (3.50)   7.00").
std::string TicketLineRow(const RecordedLine& line, int chosen, int remaining);

}  // namespace vantor
