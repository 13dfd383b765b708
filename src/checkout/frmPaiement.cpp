#include "checkout/frmPaiement.h"

#include <cmath>

#include "data/Numbers.h"
#include "platform/Design.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

Control& AddLabel(Form& form, const std::string& name, const std::string& caption, int top) {
    Control& label = AddAt(form, ControlKind::Label, name, {120, top, 1600, 300});
    label.caption = caption;
    return label;
}

Control& AddButton(Form& form, const std::string& name, const std::string& caption, int left,
                   int top, int width, int height) {
    Control& button = AddAt(form, ControlKind::Button, name, {left, top, width, height});
    button.caption = caption;
    return button;
}

long long Cents(double value) {
    return std::llround(value * 100);
}

}  // namespace

frmPaiement::frmPaiement(Platform& platform, TillData& data)
    : Form("frmPaiement"), platform_(platform), data_(data) {
    caption = "Paiement";
    width = 3400;
    height = 2900;
    AddLabel(*this, "Label1", "Montant Total", 120);
    Control& total = AddLabel(*this, "lblTotal", "", 120);
    total.Move(1800, 120);
    total.width = 1335;
    total.backColor = Rgb(255, 255, 255);
    total.alignment = vbRightJustify;
    AddLabel(*this, "Label2", "Montant par Carte", 760);
    AddBox("txtcart", 720);
    AddLabel(*this, "Label3", "Montant en espèces", 1125);
    AddBox("txtEsp", 1080);
    AddButton(*this, "cmdComplete", "compléter", 1800, 1440, 1335, 315).onClick = [this] {
        cmdComplete_Click();
    };
    Control& ok = AddButton(*this, "cmdOK", "Ok", 960, 1920, 975, 495);
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdUndo", "Annuler", 2160, 1920, 975, 495).onClick = [this] {
        cmdUndo_Click();
    };
}

Control& frmPaiement::AddBox(const std::string& name, int top) {
    Control& box = AddAt(*this, ControlKind::TextBox, name, {1800, top, 1335, 300});
    box.backColor = Rgb(255, 255, 255);
    box.alignment = vbRightJustify;
    return box;
}

void frmPaiement::SetTotal(const std::string& total) {
    Get("lblTotal").caption = total;
}

double frmPaiement::Total() const {
    return ParseNumber(Get("lblTotal").caption).value_or(0);
}

void frmPaiement::Form_Load() {
    AfficherClavier(platform_.keyboard, data_);
}

void frmPaiement::cmdComplete_Click() {
    Control& cash = Get("txtEsp");
    Control& card = Get("txtcart");
    if (cash.text.empty() == card.text.empty()) {
        return;
    }
    Control& typed = cash.text.empty() ? card : cash;
    Control& missing = cash.text.empty() ? cash : card;
    std::optional<double> amount = ParseNumber(typed.text);
    if (!amount) {
        platform_.ui.MsgBox("Format numérique non valide", vbCritical);
        SetFocus(typed);
        return;
    }
    missing.text = FormatMontant(NumberToText(Total() - *amount), false);
}

void frmPaiement::cmdOK_Click() {
    std::optional<double> cash = ParseNumber(Get("txtEsp").text);
    std::optional<double> card = ParseNumber(Get("txtcart").text);
    if (!cash || !card) {
        platform_.ui.MsgBox("Erreur de format numérique", vbOKOnly);
        SetFocus(Get(cash ? "txtcart" : "txtEsp"));
        return;
    }
    const double total = Total();
    if (Cents(*cash + *card) != Cents(total)) {
        return;  // the amounts must add up; the dialog stays open
    }
    data_.PartEspeces = total > 0 ? *cash / total : 0;
    Close();
}

void frmPaiement::cmdUndo_Click() {
    Close();
}

}  // namespace vantor
