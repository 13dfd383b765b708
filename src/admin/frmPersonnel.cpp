#include "admin/frmPersonnel.h"

#include "data/Numbers.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "platform/Design.h"
#include "staff/PersonnelChanges.h"
#include "staff/StaffEvents.h"
#include "staff/Verrouillage.h"

namespace vantor {

namespace {

constexpr int kStaffFieldsLeft = 4560;
constexpr int kStaffHalfWidth = 1800;
constexpr int kStaffRowHeight = 600;

Control& AddStaffLabel(Form& form, const std::string& name, const std::string& caption,
                       const Bounds& bounds) {
    Control& label = AddAt(form, ControlKind::Label, name, bounds);
    label.caption = caption;
    return label;
}

Control& AddStaffBox(Form& form, const std::string& name, const Bounds& bounds, int maxLength) {
    Control& box = AddAt(form, ControlKind::TextBox, name, bounds);
    box.backColor = kFieldColor;
    box.maxLength = maxLength;
    return box;
}

}  // namespace

frmPersonnel::frmPersonnel(Platform& platform, TillData& data, std::string par)
    : Form("frmPersonnel"), platform_(platform), data_(data), par_(std::move(par)) {
    caption = "Personnel";
    width = kStaffFieldsLeft + 2 * kStaffHalfWidth + 360;
    height = 6600;
    Control& list = AddAt(*this, ControlKind::ListBox, "lstPersonnel", {120, 120, 4200, 4680});
    list.backColor = kFieldColor;
    list.fontSize = 10;
    list.onClick = [this] { lstPersonnel_Click(); };
    CreateFields();
    CreateButtons();
}

void frmPersonnel::CreateFields() {
    AddStaffLabel(*this, "lblNom", "Nom", {kStaffFieldsLeft, 120, 2 * kStaffHalfWidth, 300});
    AddStaffBox(*this, "txtNom",
                {kStaffFieldsLeft, 420, 2 * kStaffHalfWidth + 120, kStaffRowHeight},
                static_cast<int>(kNomMaxCaracteres));
    const char* roles[] = {"Serveur", "Responsable"};
    for (int i = 0; i < 2; ++i) {
        Control& role = AddAt(*this, ControlKind::OptionButton, "optRole",
                              {kStaffFieldsLeft + i * (kStaffHalfWidth + 120), 1140,
                               kStaffHalfWidth, kStaffRowHeight},
                              nullptr, i);
        role.caption = roles[i];
    }
    AddStaffLabel(*this, "lblCode", "Code (4 à 8 chiffres), deux fois",
                  {kStaffFieldsLeft, 1860, 2 * kStaffHalfWidth, 300});
    for (const char* box : {"txtCode1", "txtCode2"}) {
        const bool second = box[7] == '2';
        Control& code = AddStaffBox(*this, box,
                                    {kStaffFieldsLeft + (second ? kStaffHalfWidth + 120 : 0), 2160,
                                     kStaffHalfWidth, kStaffRowHeight},
                                    static_cast<int>(kPinMaxDigits));
        code.masked = true;
        // Right-aligned as the amounts: a touch screen gives it the numeric pad.
        code.alignment = vbRightJustify;
        code.onChange = [this, box] { ChiffresSeulement(box); };
    }
    AddStaffLabel(*this, "lblVerrou",
                  "Verrouiller la caisse après (minutes sans activité, 0 : jamais)",
                  {120, 5040, 3600, 600});
    AddStaffBox(*this, "txtVerrou", {3840, 5040, 480, kStaffRowHeight}, 3).alignment =
        vbRightJustify;
}

void frmPersonnel::CreateButtons() {
    const struct {
        const char* name;
        const char* caption;
        int column;
        int top;
        void (frmPersonnel::*handler)();
    } buttons[] = {
        {"cmdAjouter", "Ajouter", 0, 2940, &frmPersonnel::cmdAjouter_Click},
        {"cmdCode", "Nouveau code", 1, 2940, &frmPersonnel::cmdCode_Click},
        {"cmdRole", "Changer le rôle", 0, 3720, &frmPersonnel::cmdRole_Click},
        {"cmdRetirer", "Retirer", 1, 3720, &frmPersonnel::cmdRetirer_Click},
        {"cmdFermer", "Fermer", 1, 5040, &frmPersonnel::cmdFermer_Click},
    };
    for (const auto& button : buttons) {
        const auto handler = button.handler;
        AddButton(*this, button.name, button.caption,
                  {kStaffFieldsLeft + button.column * (kStaffHalfWidth + 120), button.top,
                   kStaffHalfWidth, 660})
            .onClick = [this, handler] { (this->*handler)(); };
    }
}

void frmPersonnel::Form_Load() {
    personnel_ = LirePersonnel(data_.DataPath).value_or(Personnel{});
    Afficher();
    Get("txtVerrou").text = std::to_string(LireDelaiVerrouillage(data_.DataPath));
    SetFocus(Get("txtNom"));
    AfficherClavier(platform_.keyboard, data_);
}

void frmPersonnel::Afficher() {
    Control& list = Get("lstPersonnel");
    list.Clear();
    for (const Membre* membre : personnel_.Membres()) {
        list.AddItem(membre->nom + " (" + RoleName(membre->role) + ")");
    }
    // Until there is a manager, the one to make is a manager.
    Click(Get("optRole", personnel_.Responsables() == 0 ? 1 : 0));
    Get("txtNom").text.clear();
}

void frmPersonnel::lstPersonnel_Click() {
    const Control& list = Get("lstPersonnel");
    const std::vector<const Membre*> membres = personnel_.Membres();
    if (list.listIndex < 0 || list.listIndex >= static_cast<int>(membres.size())) {
        return;
    }
    const Membre& membre = *membres[static_cast<std::size_t>(list.listIndex)];
    Get("txtNom").text = membre.nom;
    Click(Get("optRole", membre.role == Role::Responsable ? 1 : 0));
}

void frmPersonnel::ChiffresSeulement(const char* box) {
    std::erase_if(Get(box).text, [](char c) { return c < '0' || c > '9'; });
}

std::string frmPersonnel::Choisi() {
    const Control& list = Get("lstPersonnel");
    const std::vector<const Membre*> membres = personnel_.Membres();
    if (list.listIndex < 0 || list.listIndex >= static_cast<int>(membres.size())) {
        platform_.ui.MsgBox("Touchez d'abord une personne de la liste.", vbExclamation);
        return "";
    }
    return membres[static_cast<std::size_t>(list.listIndex)]->nom;
}

Role frmPersonnel::RoleChoisi() const {
    return Get("optRole", 1).value != 0 ? Role::Responsable : Role::Serveur;
}

void frmPersonnel::EffacerCodes() {
    Wipe(Get("txtCode1").text);
    Wipe(Get("txtCode2").text);
}

void frmPersonnel::Form_QueryUnload(int& cancel) {
    (void)cancel;
    EffacerCodes();
}

std::string frmPersonnel::NouveauCode() {
    std::string first = Get("txtCode1").text;
    std::string second = Get("txtCode2").text;
    EffacerCodes();
    std::string fault = PinFault(first);
    if (fault.empty() && first != second) {
        fault = "Les deux codes tapés ne sont pas les mêmes.";
    }
    Wipe(second);
    if (!fault.empty()) {
        Wipe(first);
        platform_.ui.MsgBox(fault, vbExclamation);
        SetFocus(Get("txtCode1"));
    }
    return first;
}

std::string frmPersonnel::Par() const {
    return par_.empty() ? "" : ", par " + par_;
}

void frmPersonnel::Enregistrer(const std::string& refusal, const char* type,
                               const std::string& detail) {
    if (!refusal.empty()) {
        platform_.ui.MsgBox(refusal, vbExclamation);
        personnel_ = LirePersonnel(data_.DataPath).value_or(Personnel{});
        return;
    }
    try {
        EnregistrerPersonnel(data_.DataPath, personnel_, platform_.clock.Now(), type, detail);
    } catch (const FileError& error) {
        platform_.ui.MsgBox(std::string("Le personnel n'a pas été enregistré.\n") + error.what(),
                            vbCritical);
        personnel_ = LirePersonnel(data_.DataPath).value_or(Personnel{});
    }
    Afficher();
}

void frmPersonnel::cmdAjouter_Click() {
    const std::string nom = Trim(Get("txtNom").text);
    if (const std::string fault = NomFault(nom, personnel_); !fault.empty()) {
        platform_.ui.MsgBox(fault, vbExclamation);
        return;
    }
    std::string typed = NouveauCode();
    if (typed.empty()) {
        return;
    }
    const Pin pin(typed);
    Wipe(typed);
    const Role role = RoleChoisi();
    Enregistrer(AjouterMembre(personnel_, nom, role, pin), staff_events::kPersonneAjoutee,
                nom + " (" + RoleName(role) + ")" + Par());
}

void frmPersonnel::cmdCode_Click() {
    const std::string nom = Choisi();
    if (nom.empty()) {
        return;
    }
    std::string typed = NouveauCode();
    if (typed.empty()) {
        return;
    }
    const Pin pin(typed);
    Wipe(typed);
    Enregistrer(ChangerCode(personnel_, nom, pin), staff_events::kCodeModifie, nom + Par());
}

void frmPersonnel::cmdRole_Click() {
    const std::string nom = Choisi();
    if (nom.empty()) {
        return;
    }
    const Role avant = personnel_.Trouver(nom)->role;
    const Role apres = RoleChoisi();
    if (avant == apres) {
        return;
    }
    Enregistrer(ChangerRole(personnel_, nom, apres), staff_events::kRoleModifie,
                nom + " : " + RoleName(avant) + " -> " + RoleName(apres) + Par());
}

void frmPersonnel::cmdRetirer_Click() {
    const std::string nom = Choisi();
    if (nom.empty() || platform_.ui.MsgBox("Retirer " + nom + " du personnel ?",
                                           vbYesNo + vbDefaultButton2) != vbYes) {
        return;
    }
    Enregistrer(RetirerMembre(personnel_, nom), staff_events::kPersonneRetiree, nom + Par());
}

void frmPersonnel::cmdFermer_Click() {
    const std::optional<int> minutes = ParseInteger(Get("txtVerrou").text);
    if (!minutes || *minutes < 0 || *minutes > kDelaiMaxMinutes) {
        platform_.ui.MsgBox("Le délai de verrouillage est un nombre de minutes de 0 à 240.",
                            vbExclamation);
        SetFocus(Get("txtVerrou"));
        return;
    }
    if (*minutes != LireDelaiVerrouillage(data_.DataPath)) {
        try {
            EcrireDelaiVerrouillage(data_.DataPath, *minutes);
            TryLogEvent(data_.DataPath, platform_.clock.Now(), staff_events::kDelaiVerrouillage,
                        std::to_string(*minutes) + " min" + Par());
        } catch (const FileError& error) {
            platform_.ui.MsgBox(std::string("Le délai n'a pas été enregistré.\n") + error.what(),
                                vbCritical);
            return;
        }
    }
    EffacerCodes();
    Close();
}

}  // namespace vantor
