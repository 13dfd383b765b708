// Twelve tables on which a ticket is parked and taken back later. Parked
// tickets live in memory only.
#include <cassert>

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
    Control& list = Get("lstTicket");
    if (list.ListCount() == 0) {
        platform_.ui.MsgBox("Rien à enregistrer", vbInformation);
        return;
    }
    Control& table = Get("cmdTable", index);
    AfficherClavier();
    const std::string name = platform_.ui.InputBox("Nom de la table ?", kTableTitle, table.caption);
    PutOnTable(index, name.empty() ? table.caption : name);
}

void frmMain::PutOnTable(int index, const std::string& name) {
    assert(RecordsMatchLines());
    Get("lstTable", index).items = Get("lstTicket").items;
    Control& table = Get("cmdTable", index);
    table.caption = name;
    Control& total = Get("lblTotal");
    table.tag = "1";
    table.toolTip = total.caption;
    table.backColor = Get("cmdTable", 0).backColor;
    parked_[static_cast<std::size_t>(index)] = {lignesTicket_, totalTicket_};
    EmptyTicket();
}

bool frmMain::ParkTicketOf(const std::string& waiter) {
    for (int i = 1; i <= UBound("cmdTable"); ++i) {
        if (!Occupied(Get("cmdTable", i))) {
            PutOnTable(i, waiter);
            return true;
        }
    }
    return false;
}

void frmMain::TakeBackTable(int index) {
    if (RefuseWhileTicketOpen()) {
        return;
    }
    Control& total = Get("lblTotal");
    Control& table = Get("cmdTable", index);
    Control& lines = Get("lstTable", index);
    ParkedTicket& parked = parked_[static_cast<std::size_t>(index)];
    assert(parked.records.size() == lines.items.size() + 1);
    SetTicketLines(lines.items, std::move(parked.records));
    table.tag = "0";
    total.caption = table.toolTip;
    totalTicket_ = parked.total;
    total.tag = NumberToText(totalTicket_);
    table.toolTip.clear();
    if (platform_.ui.MsgBox("Table vidée, gardez le nom " + table.caption + " ?", vbYesNo,
                            kTableTitle) == vbNo) {
        table.caption = "Table " + std::to_string(index);
    }
    lines.Clear();
    parked = ParkedTicket{};
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
