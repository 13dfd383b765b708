// The table buttons: cmdTable and its hidden lists lstTable show the shop's
// tables (sales/Tables.h), on which the ticket on screen is parked and taken
// back later.
#include <cassert>
#include <optional>

#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kTableTitle = "Enregistrer une table";

}  // namespace

void frmMain::cmdTable_Click(int index) {
    // A report is neither parked nor replaced by a table's ticket.
    if (!ClearReportFirst()) {
        return;
    }
    switch (tables_.Click(index, ticket_)) {
        case TableClick::Park:
            ParkTable(index);
            return;
        case TableClick::TakeBack:
            TakeBackTable(index);
            return;
        case TableClick::NothingToPark:
            platform_.ui.MsgBox("Rien à enregistrer", vbInformation);
            return;
        case TableClick::TicketOpen:
            AddRoundOrRefuse(index);
            return;
    }
}

// The table keeps the lines with their records: taken back, each line has
// the category it was sold with, also a free-price line or an article
// renamed or deleted since.
void frmMain::ParkTable(int index) {
    AfficherClavier();
    PutOnTable(index,
               platform_.ui.InputBox("Nom de la table ?", kTableTitle, tables_.At(index).name),
               data_.Serveur);
}

// An empty name keeps the table's own; the table keeps the waiter who served.
void frmMain::PutOnTable(int index, const std::string& name, const std::string& waiter) {
    [[maybe_unused]] const bool parked = tables_.Park(index, ticket_, name, waiter);
    assert(parked);  // nothing else changes the tables while the name is asked
    ShowTable(index);
    EmptyTicket();
}

bool frmMain::ParkTicketOf(const std::string& waiter) {
    const std::optional<int> free = tables_.FirstFree();
    if (free) {
        PutOnTable(*free, waiter, waiter);
    }
    return free.has_value();
}

// The lines on screen join the table's ticket when the user says so; a
// ticket rung up whose lines were all deleted has nothing to add.
void frmMain::AddRoundOrRefuse(int index) {
    if (ticket_.Empty() ||
        platform_.ui.MsgBox("Ajouter au ticket de la table " + tables_.At(index).name + " ?",
                            vbYesNo, kTableTitle) == vbNo) {
        TellTicketOpen();
        return;
    }
    [[maybe_unused]] const bool added = tables_.AddRound(index, ticket_, data_.Infos[Monnaie]);
    assert(added);
    ShowTable(index);
    EmptyTicket();
}

void frmMain::TakeBackTable(int index) {
    std::string waiter;
    [[maybe_unused]] const bool taken = tables_.TakeBack(index, ticket_, waiter);
    assert(taken);
    ServeBy(waiter);
    ShowTicket();
    if (platform_.ui.MsgBox("Table vidée, gardez le nom " + tables_.At(index).name + " ?", vbYesNo,
                            kTableTitle) == vbNo) {
        tables_.ForgetName(index);
    }
    ShowTable(index);
}

// A free table is named at once; an occupied one offers its moves too.
void frmMain::cmdTable_MouseDown(int index, int button) {
    if (button != vbRightButton) {
        return;
    }
    if (!tables_.At(index).Occupied()) {
        RenameTable(index);
        return;
    }
    tableChoisie_ = index;
    platform_.ui.PopupMenu(*this, Get("mnuTable"));
}

void frmMain::RenameTable(int index) {
    AfficherClavier();
    tables_.Rename(index, platform_.ui.InputBox("Nommer la table :", "", tables_.At(index).name));
    ShowTable(index);
}

void frmMain::mnuNommerTable_Click() {
    RenameTable(tableChoisie_);
}

void frmMain::mnuDeplacerTable_Click() {
    ChooseOtherTable(false);
}

void frmMain::mnuReunirTable_Click() {
    ChooseOtherTable(true);
}

void frmMain::ChooseOtherTable(bool merge) {
    reunirTable_ = merge;
    bool any = false;
    for (int i = 1; i <= kTableCount; ++i) {
        Control& entry = Get("mnuVersTable", i);
        const Table& table = tables_.At(i);
        entry.caption = table.name;
        entry.visible = i != tableChoisie_ && table.Occupied() == merge;
        any = any || entry.visible;
    }
    if (!any) {
        platform_.ui.MsgBox(merge ? "Aucune autre table n'est ouverte" : "Aucune table n'est libre",
                            vbInformation, kTableTitle);
        return;
    }
    platform_.ui.PopupMenu(*this, Get("mnuVers"));
}

// The lines, their records, what was sent and the waiter go with the ticket.
void frmMain::mnuVersTable_Click(int index) {
    const bool done = reunirTable_ ? tables_.Merge(tableChoisie_, index, data_.Infos[Monnaie])
                                   : tables_.Move(tableChoisie_, index);
    if (done) {
        ShowTable(tableChoisie_);
        ShowTable(index);
    }
}

// An occupied table has the colour of the hidden button 0, and its ticket's
// total as its tool tip.
void frmMain::ShowTable(int index) {
    const Table& table = tables_.At(index);
    Control& button = Get("cmdTable", index);
    button.caption = table.name;
    button.tag = table.Occupied() ? "1" : "0";
    button.toolTip = table.Occupied() ? table.parked->TotalCaption() : "";
    button.backColor = table.Occupied() ? Get("cmdTable", 0).backColor : kTableFree;
    Control& lines = Get("lstTable", index);
    if (table.Occupied()) {
        lines.items = table.parked->Texts();
    } else {
        lines.Clear();
    }
}

}  // namespace vantor
