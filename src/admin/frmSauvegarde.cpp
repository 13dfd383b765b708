#include "admin/frmSauvegarde.h"

#include <algorithm>

#include "backup/BackupSettings.h"
#include "data/Text.h"
#include "platform/PageDevice.h"
#include "printing/BackupSheet.h"
#include "sales/frmMain.h"

namespace vantor {

frmSauvegarde::frmSauvegarde(Platform& platform, TillData& data, frmMain& main)
    : Form("frmSauvegarde"), platform_(platform), data_(data), main_(main) {
    caption = "Sauvegardes";
    width = 7200;
    height = 7500;
    CreateDestinations();
    CreateRepository();
    CreateButtons();
}

frmSauvegarde::~frmSauvegarde() {
    // A backup started here goes on once the dialog is gone, on the sales screen.
    main_.NePlusSuivreSauvegarde();
}

void frmSauvegarde::Form_Load() {
    Settings& settings = platform_.settings;
    Get("lstDossiers").items = SplitDestinations(settings.Read(kBackupDestinationsKey));
    Get("txtRestic").text = settings.Read(kBackupResticKey);
    Get("txtMotDePasse").text = settings.Read(kBackupResticPasswordKey);
    Get("txtJours").text = std::to_string(BackupThinning(settings).keepDays);
    Get("lblProgression").caption = main_.SauvegardeEnCours() ? "Une sauvegarde est en cours." : "";
    SetFocus(Get("txtDossier"));
}

void frmSauvegarde::cmdAjouter_Click() {
    Control& typed = Get("txtDossier");
    const std::string folder = Trim(typed.text);
    Control& list = Get("lstDossiers");
    if (folder.empty()) {
        return;
    }
    // "|" separates the folders in the settings.
    if (folder.find('|') != std::string::npos) {
        platform_.ui.MsgBox("Un nom de dossier ne peut pas contenir \"|\".", vbExclamation);
        return;
    }
    if (std::find(list.items.begin(), list.items.end(), folder) == list.items.end()) {
        list.AddItem(folder);
    }
    typed.text.clear();
}

void frmSauvegarde::cmdRetirer_Click() {
    Control& list = Get("lstDossiers");
    if (list.listIndex >= 0 && list.listIndex < list.ListCount()) {
        list.RemoveItem(list.listIndex);
        list.listIndex = -1;
    }
}

void frmSauvegarde::cmdSauvegarder_Click() {
    if (!Enregistrer()) {
        return;
    }
    main_.Sauvegarder([this](const std::string& text) { Get("lblProgression").caption = text; });
}

void frmSauvegarde::cmdFiche_Click() {
    BackupSheet sheet;
    sheet.shop = data_.Infos[NomCommerce];
    sheet.folders = Get("lstDossiers").items;
    sheet.repository = Trim(Get("txtRestic").text);
    sheet.password = Get("txtMotDePasse").text;
    sheet.printed = platform_.clock.Now();
    try {
        PrintBackupSheet(platform_.printers, sheet);
    } catch (const PrintError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
    }
}

void frmSauvegarde::cmdOK_Click() {
    if (Enregistrer()) {
        Close();
    }
}

void frmSauvegarde::cmdAnnuler_Click() {
    Close();
}

bool frmSauvegarde::Enregistrer() {
    const std::string days = Trim(Get("txtJours").text);
    const bool number =
        !days.empty() && days.size() <= 3 &&
        std::all_of(days.begin(), days.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!number || std::stoi(days) < 1 || std::stoi(days) > 366) {
        platform_.ui.MsgBox("Le nombre de jours gardés doit être un nombre de 1 à 366.",
                            vbExclamation);
        return false;
    }
    Settings& settings = platform_.settings;
    const bool written =
        settings.Write(kBackupDestinationsKey, JoinDestinations(Get("lstDossiers").items)) &&
        settings.Write(kBackupResticKey, Trim(Get("txtRestic").text)) &&
        settings.Write(kBackupResticPasswordKey, Get("txtMotDePasse").text) &&
        settings.Write(kBackupKeepDaysKey, days);
    if (!written) {
        platform_.ui.MsgBox("Les réglages des sauvegardes n'ont pas pu être enregistrés.",
                            vbCritical);
    }
    return written;
}

}  // namespace vantor
