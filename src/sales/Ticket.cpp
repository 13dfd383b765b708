// The ticket being built: article taps, multipliers, free prices, deleting a
// line, clearing, and the running total.
#include "data/Catalogue.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "sales/LigneTicket.h"
#include "sales/Montant.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr const char* kClearReport = "Effacez le rapport d'abord ?";
constexpr const char* kBadNumber = "Format numérique non valable";

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
    Get("cmdClearQ").enabled = false;
    Control& list = Get("lstTicket");
    // Only the last line is ever merged; it is replaced once the new line is really added.
    bool mergeWithLast = false;
    if (list.ListCount() > 0 && !price.empty() &&
        LineMergeLabel(list.items.back()) == Trim(button.caption)) {
        quantity += LineQuantity(list.items.back()).value_or(0);
        mergeWithLast = true;
    }
    quantite_ = 0;

    if (!IsNumeric(price)) {
        AfficherClavier();
        std::string answer = platform_.ui.InputBox("Prix libre '0.00'", "Prix libre", "0.00");
        if (!IsNumeric(answer)) {
            if (!answer.empty()) {
                platform_.ui.MsgBox(kBadNumber, vbCritical);
            }
            return;
        }
        price = Trim(answer);
        AfficherClavier();
        label = platform_.ui.InputBox("Texte d'article", "Article", label);
    }
    if (mergeWithLast) {
        list.RemoveItem(list.ListCount() - 1);
        lignesTicket_.pop_back();
    }
    AddTicketLine(quantity, label, price, category);
}

void frmMain::AddTicketLine(int quantity, const std::string& label, const std::string& price,
                            int category) {
    std::string field = FitRight(label, kLabelWidth);
    std::string amount = price;
    if (quantity > 1) {
        field = FitRight(Trim(label) + " (" + Trim(price) + ")", kLabelWidth);
        amount = NumberToText(ParseNumber(price).value_or(0) * quantity);
    }
    const std::string formatted = FormatMontant(amount, false);
    Get("lstTicket").AddItem(MakeTicketLine(quantity, field, data_.Infos[Monnaie], formatted));
    lignesTicket_.push_back(std::to_string(quantity) + ";" + field + ";" + formatted + ";" +
                            std::to_string(category));
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
    list.RemoveItem(selected);
    lignesTicket_.erase(lignesTicket_.begin() + selected + 1);
    RecalculerTotal();
    // The kitchen list keeps its entries: they carry no ticket line to match.
}

void frmMain::EmptyTicket() {
    Get("lstTicket").Clear();
    data_.TexteBon.clear();
    totalTicket_ = 0;
    Control& total = Get("lblTotal");
    total.caption.clear();
    total.tag = "0";
    lignesTicket_.assign(1, "");
    data_.RapportAffiche = false;
}

void frmMain::cmdClear_Click() {
    EmptyTicket();
    Get("lstCuisine").Clear();
    const bool totaux = Get("optPrint", 1).value != 0;
    Get("cmdPrint", 0).caption = totaux ? "Imprimer" : "Espèces";
    Get("cmdPrint", 1).visible = !totaux;
    Get("cmdCuisine").visible = !totaux;
}

}  // namespace vantor
