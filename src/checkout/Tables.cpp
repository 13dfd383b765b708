// Twelve tables on which a ticket is parked and taken back later. Parked
// tickets live in memory only.
#include "data/Catalogue.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "sales/LigneTicket.h"
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

void frmMain::ParkTable(int index) {
    Control& list = Get("lstTicket");
    if (list.ListCount() == 0) {
        platform_.ui.MsgBox("Rien à enregistrer", vbInformation);
        return;
    }
    Get("lstTable", index).items = list.items;
    Control& table = Get("cmdTable", index);
    AfficherClavier();
    const std::string name = platform_.ui.InputBox("Nom de la table ?", kTableTitle, table.caption);
    if (!name.empty()) {
        table.caption = name;
    }
    Control& total = Get("lblTotal");
    table.tag = "1";
    table.toolTip = total.caption;
    table.backColor = Get("cmdTable", 0).backColor;
    parkedTotals_[static_cast<std::size_t>(index)] = totalTicket_;
    EmptyTicket();
}

void frmMain::TakeBackTable(int index) {
    if (RefuseWhileTicketOpen()) {
        return;
    }
    Control& total = Get("lblTotal");
    Control& table = Get("cmdTable", index);
    Control& parked = Get("lstTable", index);
    Get("lstTicket").items = parked.items;
    Get("lstTicket").listIndex = -1;
    RebuildRecords();
    table.tag = "0";
    total.caption = table.toolTip;
    totalTicket_ = parkedTotals_[static_cast<std::size_t>(index)];
    total.tag = NumberToText(totalTicket_);
    table.toolTip.clear();
    if (platform_.ui.MsgBox("Table vidée, gardez le nom " + table.caption + " ?", vbYesNo,
                            kTableTitle) == vbNo) {
        table.caption = "Table " + std::to_string(index);
    }
    parked.Clear();
    table.backColor = kTableFree;
}

// The records of restored lines: the category of the article button whose
// caption the line's label names, else that of the line before.
void frmMain::RebuildRecords() {
    lignesTicket_.assign(1, "");
    int category = 0;
    for (const std::string& line : Get("lstTicket").items) {
        const std::string label = LineMergeLabel(line);
        for (int i = 1; i <= UBound("Command1"); ++i) {
            const Control& button = Get("Command1", i);
            if (Trim(button.caption) == label) {
                category = CategorieDeCouleur(button.backColor);
                break;
            }
        }
        lignesTicket_.push_back(std::to_string(LineQuantity(line).value_or(0)) + ";" +
                                FitRight(Trim(LineLabel(line)), kLabelWidth) + ";" +
                                LineAmountText(line) + ";" + std::to_string(category));
    }
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
