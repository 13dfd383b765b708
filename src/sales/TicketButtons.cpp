// The ticket being built: article taps, multipliers, free prices, deleting a
// line, clearing, and the running total.
#include <algorithm>
#include <cassert>

#include "data/CatalogueFiles.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/frmMain.h"
#include "staff/StaffEvents.h"

namespace vantor {

namespace {

constexpr const char* kClearReport = "Effacez le rapport d'abord ?";
constexpr const char* kBadNumber = "Format numérique non valable";
constexpr const char* kAmountTooLarge =
    "Montant trop élevé : la caisse accepte au plus 999999999.99";
// The armed multiplier stands out of the pad (grey faces, black text) as the
// selection does.
constexpr Color kPadFace = Rgb(240, 240, 240);
constexpr Color kPadText = Rgb(0, 0, 0);
constexpr Color kArmedFace = Rgb(0, 90, 200);
constexpr Color kArmedText = Rgb(255, 255, 255);

}  // namespace

bool frmMain::ClearReportFirst() {
    if (Get("optPrint", 2).value == 0 && !data_.RapportAffiche) {
        return true;
    }
    if (platform_.ui.MsgBox(kClearReport, vbYesNo) == vbNo) {
        return false;
    }
    Click(Get("optPrint", 0));
    return true;
}

void frmMain::Command1_Click(int index) {
    if (!ClearReportFirst()) {
        return;
    }
    const Control& button = Get("Command1", index);
    const int category = CategorieDeCouleur(button.backColor);
    const int quantity = quantite_ > 0 ? quantite_ : 1;
    ArmMultiplier(0);
    if (!IsNumeric(button.tag)) {
        AddFreePriceLine(button, quantity, category);
        return;
    }
    if (!IsAmountInRange(button.tag)) {
        platform_.ui.MsgBox(kAmountTooLarge, vbCritical);  // as read from Articles.csv
        return;
    }
    const int last = static_cast<int>(ticket_.Lines().size()) - 1;
    const bool merged =
        ticket_.Sell(quantity, button.caption, button.tag, category, data_.Infos[Monnaie]);
    ShowTicket(merged ? last : -1);
}

void frmMain::AddFreePriceLine(const Control& button, int quantity, int category) {
    AfficherClavier();
    const std::string answer = platform_.ui.InputBox("Prix libre '0.00'", "Prix libre", "0.00");
    if (!IsNumeric(answer)) {
        if (!answer.empty()) {
            platform_.ui.MsgBox(kBadNumber, vbCritical);
        }
        return;
    }
    if (!IsAmountInRange(answer)) {
        platform_.ui.MsgBox(kAmountTooLarge, vbCritical);
        return;
    }
    AfficherClavier();
    const std::string label =
        platform_.ui.InputBox("Texte d'article", "Article", PadRight(button.caption, kLabelWidth));
    ticket_.Add(quantity, label, Trim(answer), category, data_.Infos[Monnaie]);
    ShowTicket();
}

void frmMain::RecalculerTotal() {
    ticket_.Recalculate(data_.Infos[Monnaie]);
    ShowTicket();
}

void frmMain::cmdMultiplie_Click(int index) {
    ArmMultiplier(ParseInteger(Get("cmdMultiplie", index).tag).value_or(0));
    Get("cmdClearQ").enabled = true;
}

void frmMain::cmdClearQ_Click() {
    ArmMultiplier(0);
}

void frmMain::ArmMultiplier(int quantity) {
    quantite_ = quantity;
    Get("cmdClearQ").enabled = quantity > 0;
    for (int number = 2; number <= UBound("cmdMultiplie"); ++number) {
        Control& pad = Get("cmdMultiplie", number);
        const bool armed = quantity > 0 && ParseInteger(pad.tag) == quantity;
        pad.backColor = armed ? kArmedFace : kPadFace;
        pad.foreColor = armed ? kArmedText : kPadText;
        pad.fontBold = armed;
    }
}

void frmMain::cmdDeleteLine_Click() {
    const int selected = Get("lstTicket").listIndex;
    if (selected < 0 || static_cast<std::size_t>(selected) >= ticket_.Lines().size()) {
        return;
    }
    const auto line = static_cast<std::size_t>(selected);
    if (!data_.RapportAffiche) {
        TraceLignes(staff_events::kLigneSupprimee, 1,
                    ParseNumber(ticket_.Lines()[line].record.amount).value_or(0));
    }
    ticket_.Remove(line, data_.Infos[Monnaie]);
    ShowTicket(selected);
    // The kitchen list keeps its entries: they carry no ticket line to match.
}

void frmMain::ShowTicket(int replaced) {
    Control& list = Get("lstTicket");
    list.items = ticket_.Texts();
    list.markedItems = ticket_.SentLines();
    if (list.listIndex == replaced || list.listIndex >= list.ListCount()) {
        list.listIndex = -1;
    }
    Control& total = Get("lblTotal");
    total.caption = ticket_.TotalCaption();
    total.tag = ticket_.TotalTag();
    // The heading above the ticket says which table it belongs to.
    const std::string& table = ticket_.TableName();
    Get("fraTicket").caption = table.empty() ? "" : "Table : " + table;
    assert(RecordsMatchLines());
}

void frmMain::ClearTicketLines() {
    ticket_.Clear();
    ShowTicket();
}

bool frmMain::RecordsMatchLines() const {
    if (data_.RapportAffiche) {
        return ticket_.Empty();  // a report's lines have no records
    }
    const std::vector<TicketLine>& lines = ticket_.Lines();
    if (Get("lstTicket").items != ticket_.Texts()) {
        return false;
    }
    return std::all_of(lines.begin(), lines.end(), [](const TicketLine& line) {
        return LineQuantity(line.text) == line.record.quantity &&
               LineLabel(line.text) == line.record.label &&
               LineAmountText(line.text) == Trim(line.record.amount);
    });
}

// RapportAffiche stays what the mode says: "Totaux" and "Compta" show reports
// only, and their list emptied is an empty report, never a ticket.
void frmMain::EmptyTicket() {
    ClearTicketLines();
    data_.TexteBon.clear();
}

// The buttons stay those of the mode.
void frmMain::cmdClear_Click() {
    if (!data_.RapportAffiche) {
        TraceLignes(staff_events::kTicketEfface, ticket_.Lines().size(), ticket_.Total());
    }
    EmptyTicket();
    Get("lstCuisine").Clear();
}

}  // namespace vantor
