// Twelve tables on which a ticket is parked and taken back later. Parked
// tickets live in memory only.
#include <cassert>

#include <utility>

#include "data/Numbers.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kTableTitle = "Enregistrer une table";

bool Occupied(const Control& table) {
    return ParseNumber(table.tag).value_or(0) != 0;
}

}  // namespace

void frmMain::cmdTable_Click(int index) {
    // A report is neither parked nor replaced by a table's ticket.
    if (!ClearReportFirst()) {
        return;
    }
    if (Occupied(Get("cmdTable", index))) {
        TakeBackTable(index);
    } else {
        ParkTable(index);
    }
}

// The table keeps the lines with their records: taken back, each line has
// the category it was sold with, also a free-price line or an article
// renamed or deleted since.
void frmMain::ParkTable(int index) {
    if (ticket_.Empty()) {
        platform_.ui.MsgBox("Rien à enregistrer", vbInformation);
        return;
    }
    Get("lstTable", index).items = ticket_.Texts();
    Control& table = Get("cmdTable", index);
    AfficherClavier();
    const std::string name = platform_.ui.InputBox("Nom de la table ?", kTableTitle, table.caption);
    if (!name.empty()) {
        table.caption = name;
    }
    table.tag = "1";
    table.toolTip = ticket_.TotalCaption();
    table.backColor = Get("cmdTable", 0).backColor;
    parked_[static_cast<std::size_t>(index)] = ticket_;
    EmptyTicket();
}

void frmMain::TakeBackTable(int index) {
    if (RefuseWhileTicketOpen()) {
        return;
    }
    Control& table = Get("cmdTable", index);
    Control& lines = Get("lstTable", index);
    Ticket& parked = parked_[static_cast<std::size_t>(index)];
    assert(parked.Texts() == lines.items && parked.TotalCaption() == table.toolTip);
    ticket_ = std::exchange(parked, Ticket{});
    ticket_.Resume();
    ShowTicket();
    table.tag = "0";
    table.toolTip.clear();
    if (platform_.ui.MsgBox("Table vidée, gardez le nom " + table.caption + " ?", vbYesNo,
                            kTableTitle) == vbNo) {
        table.caption = "Table " + std::to_string(index);
    }
    lines.Clear();
    table.backColor = kTableFree;
}

void frmMain::cmdTable_MouseDown(int index, int button) {
    if (button != vbRightButton) {
        return;
    }
    AfficherClavier();
    Control& table = Get("cmdTable", index);
    const std::string name = platform_.ui.InputBox("Nommer la table :", "", table.caption);
    if (!name.empty()) {
        table.caption = name;
    }
}

}  // namespace vantor
