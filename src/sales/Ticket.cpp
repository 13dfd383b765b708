// The ticket being built: article taps, multipliers, free prices, deleting a
// line, clearing, and the running total.
#include <cassert>

#include "data/CatalogueFiles.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/TicketRecord.h"
#include "sales/frmMain.h"
#include "staff/StaffEvents.h"

namespace vantor {

namespace {

constexpr const char* kClearReport = "Effacez le rapport d'abord ?";
constexpr const char* kBadNumber = "Format numérique non valable";
constexpr const char* kAmountTooLarge =
    "Montant trop élevé : la caisse accepte au plus 999999999.99";

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
    std::string label = PadRight(button.caption, kLabelWidth);
    std::string price = button.tag;
    const int category = CategorieDeCouleur(button.backColor);

    int quantity = quantite_ > 0 ? quantite_ : 1;
    quantite_ = 0;
    Get("cmdClearQ").enabled = false;
    if (IsNumeric(price) && !IsAmountInRange(price)) {
        platform_.ui.MsgBox(kAmountTooLarge, vbCritical);  // as read from Articles.csv
        return;
    }
    MergeWithLastLine(button, category, quantity);  // only ever with a numeric price
    if (!IsNumeric(price)) {
        AfficherClavier();
        std::string answer = platform_.ui.InputBox("Prix libre '0.00'", "Prix libre", "0.00");
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
        price = Trim(answer);
        AfficherClavier();
        label = platform_.ui.InputBox("Texte d'article", "Article", label);
    }
    AddTicketLine(quantity, label, price, category);
}

// Only the last line is ever merged, and only when it is the same article
// sold again: same name, same unit price and same category, so that the bill
// and the category totals stay what was sold. The merged line is taken off,
// its quantity added to quantity; the caller adds it again.
void frmMain::MergeWithLastLine(const Control& button, int category, int& quantity) {
    Control& list = Get("lstTicket");
    const std::optional<TicketRecord> record = ParseTicketRecord(lignesTicket_.back());
    if (list.ListCount() == 0 || !record || record->category != category ||
        !SellsAgain(list.items.back(), button.caption, button.tag)) {
        return;
    }
    quantity += LineQuantity(list.items.back()).value_or(0);
    list.RemoveItem(list.ListCount() - 1);
    lignesTicket_.pop_back();
    assert(RecordsMatchLines());
}

void frmMain::AddTicketLine(int quantity, const std::string& label, const std::string& price,
                            int category) {
    const SaleFields fields = MakeSaleFields(quantity, label, price);
    Get("lstTicket")
        .AddItem(MakeTicketLine(quantity, fields.label, data_.Infos[Monnaie], fields.amount));
    lignesTicket_.push_back(FormatTicketRecord({quantity, fields.label, fields.amount, category}));
    assert(RecordsMatchLines());
    RecalculerTotal();
}

void frmMain::RecalculerTotal() {
    totalTicket_ = 0;
    for (const std::string& line : Get("lstTicket").items) {
        totalTicket_ += LineAmount(line).value_or(0);
    }
    const std::string amount = FormatMontant(NumberToText(totalTicket_), false);
    Control& total = Get("lblTotal");
    total.caption = PadRight("Total", kLabelWidth) + " " + data_.Infos[Monnaie] + " " + amount;
    total.tag = amount;
}

void frmMain::cmdMultiplie_Click(int index) {
    quantite_ = ParseInteger(Get("cmdMultiplie", index).tag).value_or(0);
    Get("cmdClearQ").enabled = true;
}

void frmMain::cmdClearQ_Click() {
    quantite_ = 0;
    Get("cmdClearQ").enabled = false;
}

void frmMain::cmdDeleteLine_Click() {
    Control& list = Get("lstTicket");
    const int selected = list.listIndex;
    if (selected < 0 || selected >= list.ListCount()) {
        return;
    }
    if (!data_.RapportAffiche) {
        const std::optional<TicketRecord> record = ParseTicketRecord(RecordOfLine(selected));
        TraceLignes(staff_events::kLigneSupprimee, 1,
                    record ? ParseNumber(record->amount).value_or(0) : 0);
    }
    list.RemoveItem(selected);
    if (static_cast<std::size_t>(selected) + 1 < lignesTicket_.size()) {
        lignesTicket_.erase(lignesTicket_.begin() + selected + 1);
    }
    assert(RecordsMatchLines());
    RecalculerTotal();
    // The kitchen list keeps its entries: they carry no ticket line to match.
}

const std::string& frmMain::RecordOfLine(std::size_t j) const {
    static const std::string kNone;
    // Every path that changes the lines changes their records with them.
    assert(j + 1 < lignesTicket_.size());
    return j + 1 < lignesTicket_.size() ? lignesTicket_[j + 1] : kNone;
}

void frmMain::ClearTicketLines() {
    Get("lstTicket").Clear();
    lignesTicket_.assign(1, "");
}

void frmMain::SetTicketLines(std::vector<std::string> lines, std::vector<std::string> records) {
    Control& list = Get("lstTicket");
    list.items = std::move(lines);
    list.listIndex = -1;
    lignesTicket_ = std::move(records);
    assert(RecordsMatchLines());
}

bool frmMain::RecordsMatchLines() const {
    const std::vector<std::string>& lines = Get("lstTicket").items;
    if (lignesTicket_.empty() || !lignesTicket_.front().empty()) {
        return false;
    }
    if (data_.RapportAffiche) {
        return lignesTicket_.size() == 1;  // a report's lines have no records
    }
    if (lignesTicket_.size() != lines.size() + 1) {
        return false;
    }
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const std::optional<TicketRecord> record = ParseTicketRecord(lignesTicket_[j + 1]);
        if (!record || LineQuantity(lines[j]) != record->quantity ||
            LineLabel(lines[j]) != record->label ||
            LineAmountText(lines[j]) != Trim(record->amount)) {
            return false;
        }
    }
    return true;
}

// RapportAffiche stays what the mode says: "Totaux" and "Compta" show reports
// only, and their list emptied is an empty report, never a ticket.
void frmMain::EmptyTicket() {
    ClearTicketLines();
    data_.TexteBon.clear();
    totalTicket_ = 0;
    Control& total = Get("lblTotal");
    total.caption.clear();
    total.tag = "0";
}

// The buttons stay those of the mode.
void frmMain::cmdClear_Click() {
    if (!data_.RapportAffiche) {
        TraceLignes(staff_events::kTicketEfface, Get("lstTicket").items.size(), totalTicket_);
    }
    EmptyTicket();
    Get("lstCuisine").Clear();
}

}  // namespace vantor
