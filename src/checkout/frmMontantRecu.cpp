#include "checkout/frmMontantRecu.h"

#include <cmath>

#include "data/Numbers.h"
#include "data/Text.h"
#include "platform/Design.h"
#include "sales/Montant.h"

namespace vantor {

namespace {

// Keys a fingertip and more at every scale the till uses.
constexpr int kKey = 900;
constexpr int kKeyHigh = 760;
constexpr int kGap = 60;
constexpr int kKeysTop = 1320;
constexpr int kNotesLeft = 120 + 3 * (kKey + kGap) + 120;
constexpr int kNoteWidth = 1500;
constexpr int kChangeTop = kKeysTop + 4 * (kKeyHigh + kGap) + 60;
constexpr int kButtonsTop = kChangeTop + 900;
constexpr int kPadClientWidth = kNotesLeft + kNoteWidth + 120;

// The digit keys in their rows, then the point and "take back".
constexpr const char* kKeys[] = {"7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ".", "←"};
constexpr int kNotes[] = {5, 10, 20, 50};
// At most this many digits before the point, and two after it.
constexpr std::size_t kMaxUnits = 6;

long long ToCents(double value) {
    return std::llround(value * 100);
}

std::string CentsToText(long long cents) {
    return FormatCents(static_cast<double>(cents) / 100);
}

// The typed text with one more key, or unchanged when the key would make it
// something other than an amount of cents.
std::string Typed(const std::string& text, const std::string& key) {
    if (key == "←") {
        return text.empty() ? text : text.substr(0, text.size() - 1);
    }
    const std::size_t point = text.find('.');
    if (key == ".") {
        return point != std::string::npos ? text : (text.empty() ? "0." : text + ".");
    }
    if (point != std::string::npos ? text.size() - point > 2 : text.size() >= kMaxUnits) {
        return text;
    }
    return text == "0" ? key : text + key;
}

Control& AddCaption(Form& form, const std::string& name, const Bounds& bounds, int fontSize) {
    Control& label = AddAt(form, ControlKind::Label, name, bounds);
    label.fontSize = fontSize;
    label.fontBold = true;
    return label;
}

}  // namespace

frmMontantRecu::frmMontantRecu(Platform& platform) : Form("frmMontantRecu"), platform_(platform) {
    caption = "Montant reçu";
    width = kPadClientWidth + 120;
    height = kButtonsTop + kKeyHigh + 120 + kFrameHeightTwips;
    AddCaption(*this, "Label1", {120, 120, 2000, 480}, 14).caption = "À payer :";
    Control& total = AddCaption(*this, "lblTotal", {2200, 120, kPadClientWidth - 2320, 480}, 14);
    total.alignment = vbRightJustify;
    AddCaption(*this, "Label2", {120, 700, 2000, 480}, 14).caption = "Reçu :";
    Control& received = AddCaption(*this, "lblRecu", {2200, 660, kPadClientWidth - 2320, 560}, 16);
    received.alignment = vbRightJustify;
    received.backColor = kFieldColor;
    CreateKeys();
    CreateNotes();
    // The change, large enough to be read from the customer's side.
    Control& change =
        AddCaption(*this, "lblRendu", {120, kChangeTop, kPadClientWidth - 240, 800}, 24);
    change.alignment = vbCenter;
    Control& ok = AddButton(*this, "cmdOK", "OK", {kNotesLeft - 1620, kButtonsTop, 1500, kKeyHigh});
    ok.fontSize = 12;
    ok.isDefault = true;
    ok.onClick = [this] { cmdOK_Click(); };
    Control& undo =
        AddButton(*this, "cmdUndo", "Annuler", {kNotesLeft, kButtonsTop, kNoteWidth, kKeyHigh});
    undo.fontSize = 12;
    undo.onClick = [this] { cmdUndo_Click(); };
}

void frmMontantRecu::CreateKeys() {
    for (int i = 0; i < 12; ++i) {
        const Bounds bounds{120 + (i % 3) * (kKey + kGap), kKeysTop + (i / 3) * (kKeyHigh + kGap),
                            kKey, kKeyHigh};
        Control& key = AddButton(*this, "cmdTouche", kKeys[i], bounds, nullptr, i);
        key.fontSize = 14;
        key.onClick = [this, i] { cmdTouche_Click(i); };
    }
}

// The usual notes, then the exact amount, in one column beside the keys.
void frmMontantRecu::CreateNotes() {
    const int high = (4 * (kKeyHigh + kGap) - 5 * kGap) / 5;
    for (int i = 0; i < 4; ++i) {
        Control& note =
            AddButton(*this, "cmdBillet", std::to_string(kNotes[i]) + " €",
                      {kNotesLeft, kKeysTop + i * (high + kGap), kNoteWidth, high}, nullptr, i);
        note.fontSize = 12;
        note.onClick = [this, i] { cmdBillet_Click(i); };
    }
    Control& exact = AddButton(*this, "cmdCompte", "Compte juste",
                               {kNotesLeft, kKeysTop + 4 * (high + kGap), kNoteWidth, high});
    exact.fontSize = 11;
    exact.onClick = [this] { cmdCompte_Click(); };
}

void frmMontantRecu::SetTotal(const std::string& total) {
    Get("lblTotal").caption = CentsToText(ToCents(ParseNumber(total).value_or(0)));
    SetReceived("");
}

long long frmMontantRecu::DueCents() const {
    return ToCents(ParseNumber(Get("lblTotal").caption).value_or(0));
}

// The amount shown as typed, and the change it leaves, if any.
void frmMontantRecu::SetReceived(const std::string& text) {
    received_ = text;
    Get("lblRecu").caption = text;
    std::string& change = Get("lblRendu").caption;
    change.clear();
    if (const std::optional<double> amount = ParseNumber(text)) {
        const long long cents = ToCents(*amount);
        if (cents >= DueCents()) {
            change = "Rendu : " + CentsToText(cents - DueCents());
        }
    }
}

void frmMontantRecu::cmdTouche_Click(int index) {
    SetReceived(Typed(received_, kKeys[index]));
}

void frmMontantRecu::cmdBillet_Click(int index) {
    SetReceived(std::to_string(kNotes[index]));
}

void frmMontantRecu::cmdCompte_Click() {
    SetReceived(Get("lblTotal").caption);
    cmdOK_Click();
}

void frmMontantRecu::cmdOK_Click() {
    const std::optional<double> amount = ParseNumber(received_);
    if (!amount) {
        platform_.ui.MsgBox("Tapez le montant reçu, ou touchez \"Compte juste\".", vbExclamation);
        return;
    }
    const long long cents = ToCents(*amount);
    if (cents < DueCents()) {
        platform_.ui.MsgBox("Le montant reçu (" + CentsToText(cents) +
                                ") ne couvre pas le total à payer (" + CentsToText(DueCents()) +
                                ") : il manque " + CentsToText(DueCents() - cents) + ".",
                            vbCritical);
        return;
    }
    result_ =
        Encaissement{PaymentKind::Cash, 0, static_cast<double>(cents) / 100, 0, cents - DueCents()};
    Close();
}

void frmMontantRecu::cmdUndo_Click() {
    result_.reset();
    Close();
}

}  // namespace vantor
