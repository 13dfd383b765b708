#include "checkout/frmPaiement.h"

#include <cmath>

#include "data/Numbers.h"
#include "platform/Design.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

Control& AddPaymentLabel(Form& form, const std::string& name, const std::string& caption, int top) {
    Control& label = AddAt(form, ControlKind::Label, name, {120, top, 1600, 300});
    label.caption = caption;
    return label;
}

long long Cents(double value) {
    return std::llround(value * 100);
}

std::string CentsText(long long cents) {
    return FormatCents(static_cast<double>(cents) / 100);
}

struct Refusal {
    std::string text;
    const char* box;  // where the focus goes
};

// Amounts in cents (paid: of the sum), so that the noise of a sum does not
// count. Cash handed over beyond its part is change; no part is negative and
// the card's is never more than the total, so that every record is a payment.
std::optional<Refusal> SplitRefusal(long long cash, long long card, long long paid, long long due) {
    if (card < 0 || cash < 0) {
        return Refusal{"Un montant ne peut pas être négatif.", card < 0 ? "txtcart" : "txtEsp"};
    }
    if (card > due) {
        return Refusal{"Le montant par carte (" + CentsText(card) + ") dépasse le total à payer (" +
                           CentsText(due) + ").",
                       "txtcart"};
    }
    if (paid < due) {
        return Refusal{"Les montants donnés (" + CentsText(paid) +
                           ") ne couvrent pas le total à payer (" + CentsText(due) +
                           ") : il manque " + CentsText(due - paid) + ".",
                       "txtEsp"};
    }
    if (card == due && cash > 0) {
        return Refusal{"La carte paie tout le total : le montant en espèces doit être 0.",
                       "txtEsp"};
    }
    return std::nullopt;
}

}  // namespace

frmPaiement::frmPaiement(Platform& platform, TillData& data)
    : Form("frmPaiement"), platform_(platform), data_(data) {
    caption = "Paiement";
    width = 3400;
    height = 2900;
    AddPaymentLabel(*this, "Label1", "Montant Total", 120);
    Control& total = AddPaymentLabel(*this, "lblTotal", "", 120);
    total.Move(1800, 120);
    total.width = 1335;
    total.backColor = kFieldColor;
    total.alignment = vbRightJustify;
    AddPaymentLabel(*this, "Label2", "Montant par Carte", 760);
    AddBox("txtcart", 720);
    AddPaymentLabel(*this, "Label3", "Montant en espèces", 1125);
    AddBox("txtEsp", 1080);
    AddPaymentLabel(*this, "lblRendu", "", 1480).fontBold = true;  // the change to give back
    for (const char* box : {"txtEsp", "txtcart"}) {
        Get(box).onChange = [this] { ShowChange(); };
    }
    AddButton(*this, "cmdComplete", "compléter", {1800, 1440, 1335, 315}).onClick = [this] {
        cmdComplete_Click();
    };
    Control& ok = AddButton(*this, "cmdOK", "Ok", {960, 1920, 975, 495});
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdUndo", "Annuler", {2160, 1920, 975, 495}).onClick = [this] {
        cmdUndo_Click();
    };
}

Control& frmPaiement::AddBox(const std::string& name, int top) {
    Control& box = AddAt(*this, ControlKind::TextBox, name, {1800, top, 1335, 300});
    box.backColor = kFieldColor;
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
    result_ = Accepted(*cash, *card);
    if (!result_) {
        return;
    }
    data_.PartEspeces = result_->partEspeces;
    Close();
}

std::optional<Encaissement> frmPaiement::Accepted(double cash, double card) {
    const double total = Total();
    const long long due = Cents(total);
    const long long paid = Cents(cash + card);
    if (const std::optional<Refusal> refused = SplitRefusal(Cents(cash), Cents(card), paid, due)) {
        platform_.ui.MsgBox(refused->text, vbCritical);
        SetFocus(Get(refused->box));
        return std::nullopt;
    }
    Encaissement payment{PaymentKind::Mixed, 0, cash, card, paid - due};
    // The cash kept is what the card leaves of the total; as typed when nothing is given back.
    const double kept = payment.renduCents > 0 ? total - card : cash;
    if (total <= 0) {
        payment.kind = PaymentKind::Cash;  // nothing to split: recorded as cash, as before
    } else if (Cents(kept) == 0) {
        payment.kind = PaymentKind::Card;  // no cash at all: a card payment
    } else {
        payment.partEspeces = kept / total;
    }
    return payment;
}

void frmPaiement::ShowChange() {
    const std::optional<double> cash = ParseNumber(Get("txtEsp").text);
    const std::optional<double> card = ParseNumber(Get("txtcart").text);
    const long long due = Cents(Total());
    std::string& shown = Get("lblRendu").caption;
    shown.clear();
    if (cash && card && Cents(*card) >= 0 && Cents(*card) < due && Cents(*cash + *card) > due) {
        shown = "Rendu : " + CentsText(Cents(*cash + *card) - due);
    }
}

void frmPaiement::cmdUndo_Click() {
    result_.reset();
    Close();
}

}  // namespace vantor
