// The design of the backups dialog: every control with its caption and place.
#include "admin/frmSauvegarde.h"
#include "platform/Design.h"

namespace vantor {

namespace {

constexpr int kBackupLeft = 120;
constexpr int kBackupWidth = 6840;
constexpr int kBackupRow = 420;
constexpr int kBackupField = 360;
constexpr int kBackupButton = 1500;

Control& BackupLabel(Form& form, const std::string& name, const std::string& text, int top,
                     int left = kBackupLeft, int width = kBackupWidth) {
    Control& label = AddAt(form, ControlKind::Label, name, {left, top, width, 300});
    label.caption = text;
    return label;
}

// A field or list to fill or choose in: white, as in every dialog.
Control& BackupInput(Form& form, ControlKind kind, const std::string& name, const Bounds& bounds) {
    Control& input = AddAt(form, kind, name, bounds);
    input.backColor = kFieldColor;
    return input;
}

Control& BackupField(Form& form, const std::string& name, int top, int left = kBackupLeft,
                     int width = kBackupWidth) {
    return BackupInput(form, ControlKind::TextBox, name, {left, top, width, kBackupField});
}

}  // namespace

void frmSauvegarde::CreateDestinations() {
    BackupLabel(*this, "lblDossiers",
                "Dossiers de sauvegarde (clé USB, second disque, partage réseau) :", 120);
    BackupField(*this, "txtDossier", 120 + kBackupRow, kBackupLeft,
                kBackupWidth - 2 * kBackupButton - 120);
    const int buttons = kBackupLeft + kBackupWidth - 2 * kBackupButton - 60;
    AddButton(*this, "cmdAjouter", "Ajouter", {buttons, 100 + kBackupRow, kBackupButton, 400})
        .onClick = [this] { cmdAjouter_Click(); };
    AddButton(*this, "cmdRetirer", "Retirer",
              {buttons + kBackupButton + 60, 100 + kBackupRow, kBackupButton, 400})
        .onClick = [this] { cmdRetirer_Click(); };
    BackupInput(*this, ControlKind::ListBox, "lstDossiers",
                {kBackupLeft, 120 + 2 * kBackupRow, kBackupWidth, 1300});
}

void frmSauvegarde::CreateRepository() {
    const int top = 2400;
    BackupLabel(*this, "lblRestic", "Dépôt restic hors site (sftp:, rest:, s3: ou dossier) :", top);
    BackupField(*this, "txtRestic", top + kBackupRow);
    BackupLabel(*this, "lblMotDePasse", "Mot de passe du dépôt :", top + 2 * kBackupRow + 60,
                kBackupLeft, 2200);
    BackupField(*this, "txtMotDePasse", top + 2 * kBackupRow, 2400, kBackupWidth - 2280);
    Control& warning = BackupLabel(
        *this, "lblAvertissement",
        "Sans ce mot de passe, rien ne peut être restauré depuis le dépôt : imprimez la fiche "
        "de sauvegarde et gardez-la en lieu sûr, hors du café.",
        top + 3 * kBackupRow, kBackupLeft, kBackupWidth);
    warning.height = 520;
    warning.foreColor = Rgb(192, 0, 0);
    const int days = top + 4 * kBackupRow + 240;
    BackupLabel(*this, "lblJours", "Garder toutes les sauvegardes des", days + 60, kBackupLeft,
                3000);
    Control& count = BackupField(*this, "txtJours", days, 3180, 600);
    count.maxLength = 3;
    count.alignment = vbRightJustify;
    BackupLabel(*this, "lblMois", "derniers jours, et la dernière de chaque mois.", days + 60, 3900,
                3060);
}

void frmSauvegarde::CreateButtons() {
    const int top = 5100;
    AddButton(*this, "cmdSauvegarder", "Sauvegarder maintenant", {kBackupLeft, top, 2600, 450})
        .onClick = [this] { cmdSauvegarder_Click(); };
    AddButton(*this, "cmdFiche", "Imprimer la fiche de sauvegarde",
              {kBackupLeft + 2700, top, 3400, 450})
        .onClick = [this] { cmdFiche_Click(); };
    Control& progress = BackupLabel(*this, "lblProgression", "", top + 540);
    progress.height = 520;
    Control& ok = AddButton(*this, "cmdOK", "OK", {3780, top + 1200, kBackupButton, 450});
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdAnnuler", "Annuler",
              {3780 + kBackupButton + 60, top + 1200, kBackupButton, 450})
        .onClick = [this] { cmdAnnuler_Click(); };
}

}  // namespace vantor
