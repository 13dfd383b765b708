#include "admin/frmConnexion.h"

#include <algorithm>

#include "ledger/Events.h"
#include "platform/Design.h"
#include "staff/Pin.h"
#include "staff/StaffEvents.h"

namespace vantor {

namespace {

// Fingertip-sized: the pad's keys are a thumb wide and the names' rows tall.
constexpr int kSignInMargin = 120;
constexpr int kNamesWidth = 3600;
constexpr int kPadLeftEdge = kSignInMargin + kNamesWidth + 240;
constexpr int kPadKeyWidth = 1320;
constexpr int kPadKeyHeight = 840;
constexpr int kPadKeyStep = 120;
constexpr int kPadAcross = 3 * kPadKeyWidth + 2 * kPadKeyStep;
constexpr int kPadTopEdge = 1740;
constexpr Color kMessageColour = Rgb(192, 0, 0);

Bounds PadKey(int column, int row) {
    return {kPadLeftEdge + column * (kPadKeyWidth + kPadKeyStep),
            kPadTopEdge + row * (kPadKeyHeight + kPadKeyStep), kPadKeyWidth, kPadKeyHeight};
}

}  // namespace

frmConnexion::frmConnexion(Platform& platform, TillData& data, StaffSession& session, Mode mode,
                           const std::string& action, const std::string& nom, Quit quit)
    : Form("frmConnexion"),
      platform_(platform),
      data_(data),
      session_(session),
      mode_(mode),
      action_(action),
      nom_(nom),
      quit_(std::move(quit)) {
    caption = mode == Mode::Accord ? "Accord d'un responsable" : "Connexion";
    width = kPadLeftEdge + kPadAcross + kSignInMargin + 120;
    height = 6720;  // the lowest button, a margin, and the title bar
    // Across the whole screen: an action's name may be long.
    Control& prompt =
        AddAt(*this, ControlKind::Label, "lblNoms",
              {kSignInMargin, kSignInMargin, kPadLeftEdge + kPadAcross - kSignInMargin, 360});
    prompt.caption =
        mode == Mode::Accord ? action + " : le nom et le code d'un responsable" : "Votre nom";
    prompt.fontSize = 12;
    Control& names =
        AddAt(*this, ControlKind::ListBox, "lstNoms", {kSignInMargin, 600, kNamesWidth, 4500});
    names.fontSize = 14;
    names.backColor = kFieldColor;
    names.onClick = [this] { lstNoms_Click(); };
    Control& cancel = AddButton(*this, "cmdAnnuler", "Annuler",
                                {kSignInMargin, 5220, kNamesWidth, kPadKeyHeight});
    cancel.fontSize = 12;
    cancel.visible = mode != Mode::Connexion;
    cancel.onClick = [this] { cmdAnnuler_Click(); };
    Control& message =
        AddAt(*this, ControlKind::Label, "lblMessage", {kPadLeftEdge, 1260, kPadAcross, 360});
    message.fontSize = 12;
    message.fontBold = true;
    message.foreColor = kMessageColour;
    Control& code =
        AddAt(*this, ControlKind::TextBox, "txtCode", {kPadLeftEdge, 600, kPadAcross, 600});
    code.masked = true;
    code.maxLength = static_cast<int>(kPinMaxDigits);
    code.fontSize = 18;
    code.alignment = vbCenter;
    code.backColor = kFieldColor;
    code.onChange = [this] { txtCode_Change(); };
    CreatePad();
}

void frmConnexion::CreatePad() {
    for (int digit = 1; digit <= 9; ++digit) {
        Control& key = AddButton(*this, "cmdChiffre", std::to_string(digit),
                                 PadKey((digit - 1) % 3, (digit - 1) / 3), nullptr, digit);
        key.fontSize = 16;
        key.onClick = [this, digit] { cmdChiffre_Click(digit); };
    }
    Control& zero = AddButton(*this, "cmdChiffre", "0", PadKey(1, 3), nullptr, 0);
    zero.fontSize = 16;
    zero.onClick = [this] { cmdChiffre_Click(0); };
    Control& clear = AddButton(*this, "cmdEffacer", "Effacer", PadKey(0, 3));
    clear.fontSize = 12;
    clear.onClick = [this] { cmdEffacer_Click(); };
    Control& ok = AddButton(*this, "cmdOK", "OK", PadKey(2, 3));
    ok.fontSize = 16;
    ok.fontBold = true;
    ok.isDefault = true;
    ok.onClick = [this] { cmdOK_Click(); };
}

void frmConnexion::Form_Load() {
    Control& names = Get("lstNoms");
    names.Clear();
    if (const Personnel* equipe = session_.Equipe()) {
        for (const Membre* membre : equipe->Membres()) {
            if (mode_ != Mode::Accord || membre->role == Role::Responsable) {
                names.AddItem(membre->nom);
            }
        }
    }
    const auto chosen = std::find(names.items.begin(), names.items.end(), nom_);
    names.listIndex = chosen == names.items.end() || nom_.empty()
                          ? -1
                          : static_cast<int>(chosen - names.items.begin());
    if (names.ListCount() == 0) {
        Dire(mode_ == Mode::Accord ? "Aucun responsable ne peut donner son accord."
                                   : "Personne ne peut se connecter : voir Personnel.csv.");
    }
    SetFocus(Get("txtCode"));
}

void frmConnexion::Dire(const std::string& message) {
    Get("lblMessage").caption = message;
}

// The name chosen, the PIN is typed at once, on the pad or the keyboard.
void frmConnexion::lstNoms_Click() {
    Dire("");
    SetFocus(Get("txtCode"));
}

// Digits only, as many as a PIN has: a letter typed on a keyboard is no key
// of the pad.
void frmConnexion::txtCode_Change() {
    std::string& text = Get("txtCode").text;
    std::erase_if(text, [](char c) { return c < '0' || c > '9'; });
    if (text.size() > kPinMaxDigits) {
        text.resize(kPinMaxDigits);
    }
}

void frmConnexion::cmdChiffre_Click(int digit) {
    std::string& text = Get("txtCode").text;
    if (text.size() < kPinMaxDigits) {
        text += static_cast<char>('0' + digit);
    }
}

void frmConnexion::cmdEffacer_Click() {
    Wipe(Get("txtCode").text);
    Dire("");
}

void frmConnexion::CodeIncorrect(const std::string& nom, int lock) {
    const DateTime now = platform_.clock.Now();
    const std::string pour = mode_ == Mode::Accord ? " (accord : " + action_ + ")" : "";
    TryLogEvent(data_.DataPath, now, staff_events::kCodeIncorrect, nom + pour);
    if (lock > 0) {
        TryLogEvent(data_.DataPath, now, staff_events::kNomBloque,
                    nom + " : " + std::to_string(lock) + " s");
        Dire(MessageAttente(nom, lock));
        return;
    }
    Dire("Code incorrect");
}

void frmConnexion::cmdOK_Click() {
    const Control& names = Get("lstNoms");
    std::string& typed = Get("txtCode").text;
    if (names.listIndex < 0) {
        Wipe(typed);
        Dire(names.ListCount() == 0 ? Get("lblMessage").caption : "Touchez d'abord votre nom.");
        return;
    }
    // OK before any digit is no attempt: it counts for no lock.
    if (typed.empty()) {
        Dire("Tapez votre code.");
        SetFocus(Get("txtCode"));
        return;
    }
    const std::string nom = names.SelectedText();
    const StaffSession::Essai essai = session_.Verifier(nom, typed, platform_.clock.Now());
    switch (essai.verdict) {
        case StaffSession::Verdict::Accepte:
            accepte_ = nom;
            Close();
            return;
        case StaffSession::Verdict::Bloque:
            Dire(MessageAttente(nom, essai.attente));
            return;
        case StaffSession::Verdict::Incorrect:
            CodeIncorrect(nom, essai.attente);
            return;
        case StaffSession::Verdict::Inconnu:
            Dire("Touchez d'abord votre nom.");
            return;
    }
}

void frmConnexion::cmdAnnuler_Click() {
    Wipe(Get("txtCode").text);
    Close();
}

// Leaving the sign-in screen of a locked till is leaving the till, when it
// may be left; a request or a change of waiter is simply not made.
void frmConnexion::Form_QueryUnload(int& cancel) {
    Wipe(Get("txtCode").text);
    if (mode_ != Mode::Connexion) {
        return;
    }
    const std::string refusal = quit_ ? quit_() : "Connectez-vous pour continuer.";
    if (!refusal.empty()) {
        cancel = 1;
        Dire(refusal);
    }
}

}  // namespace vantor
