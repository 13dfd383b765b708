#include "admin/frmInfos.h"

#include <cmath>
#include <optional>

#include "admin/frmSauvegarde.h"
#include "data/Infos.h"
#include "data/Numbers.h"
#include "data/ReceiptPaperFile.h"
#include "data/Text.h"
#include "data/TextFile.h"
#include "ledger/Events.h"
#include "printing/ReceiptPicture.h"
#include "printing/TestReceipt.h"
#include "sales/Remise.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr int kTwipsPerPixel = 15;

// Selects the item equal to text without running the list's handler; no
// such item leaves the list without a selection.
void SelectItem(Control& combo, const std::string& text) {
    combo.listIndex = -1;
    combo.text.clear();
    for (int i = 0; i < combo.ListCount(); ++i) {
        if (combo.items[static_cast<std::size_t>(i)] == text) {
            combo.listIndex = i;
            combo.text = text;
            return;
        }
    }
}

void SelectIndex(Control& combo, int index) {
    if (index >= 0 && index < combo.ListCount()) {
        combo.listIndex = index;
        combo.text = combo.items[static_cast<std::size_t>(index)];
    }
}

// The discount limit as typed, in cents: an amount ("5", "2.50", "2,50"),
// nothing or 0 for none; nothing for anything else (a share among them).
std::optional<std::int64_t> PlafondSaisi(const std::string& typed) {
    const std::string text = Replace(Trim(typed), ",", ".");
    if (text.empty() || ParseNumber(text) == 0.0) {
        return 0;
    }
    const std::optional<RemiseDemandee> amount = LireRemise(text);
    if (!amount || amount->pourcent) {
        return std::nullopt;
    }
    return amount->centiemes;
}

}  // namespace

void AjusterImage(Control& preview, int width) {
    const double w = std::lround(static_cast<double>(preview.picture.width) * kTwipsPerPixel);
    const double h = std::lround(static_cast<double>(preview.picture.height) * kTwipsPerPixel);
    if (w <= 0) {
        return;
    }
    preview.width = width;
    preview.height = static_cast<int>(std::lround(h * width / w));
}

std::string frmInfos::LoadPreview(Control& preview, const std::string& path) {
    LoadedPicture loaded =
        LoadReceiptPicture(platform_.pictures, path, platform_.printers.Paper().Dots());
    if (!loaded.refusal.empty()) {
        return loaded.refusal;
    }
    preview.picture = std::move(loaded.picture);
    AjusterImage(preview, kPreviewWidth);
    preview.tag = path;
    return "";
}

void frmInfos::Form_Load() {
    for (int i = 0; i <= 6; ++i) {
        Get("txtInfo", i).text = data_.Infos[static_cast<std::size_t>(i)];
    }
    LoadPreviews();
    if (std::optional<int> mode = ParseInteger(data_.Infos[ModeTVA])) {
        SelectIndex(Get("cmbTVA"), *mode);  // outside 0..2: no selection
    }
    Get("txtInfo", 7).text = data_.Infos[MessageTicket];
    Get("txtInfo", 8).text = data_.Infos[TexteQR];
    Get("fraFiles").visible = false;
    LoadPrinters();
    std::optional<int> keyboard = ParseInteger(data_.Infos[ClavierAuto]);
    Get("chkClavier").value = keyboard && *keyboard >= 0 && *keyboard <= 2 ? *keyboard : 0;
    AfficherClavier(platform_.keyboard, data_);
    Get("txtInfo", 9).text = data_.Infos[Monnaie];
    Get("chkMontantRecu").value = data_.DemanderMontantRecu ? 1 : 0;
    Get("txtPlafondRemise").text = TexteCentimes(data_.PlafondRemiseServeur);
}

void frmInfos::LoadPreviews() {
    const std::pair<const char*, InfoField> previews[] = {{"imgLogo", CheminLogo},
                                                          {"imgQR", CheminQR}};
    for (const auto& [name, field] : previews) {
        const std::string& path = data_.Infos[field];
        if (FileExists(path)) {
            LoadPreview(Get(name), path);
        }
    }
}

void frmInfos::LoadPrinters() {
    Control& receipt = Get("cmbPrinters");
    Control& kitchen = Get("cmbPrinters2");
    for (const std::string& name : platform_.printers.List()) {
        receipt.AddItem(name);
        kitchen.AddItem(name);
    }
    const std::string& stored = data_.Infos[ImprimanteTicket];
    SelectItem(receipt, stored.empty() ? platform_.printers.Current() : stored);
    if (!data_.Infos[ImprimanteCuisine].empty()) {
        SelectItem(kitchen, data_.Infos[ImprimanteCuisine]);
    }
    const ReceiptPaper& paper = platform_.printers.Paper();
    SelectIndex(Get("cmbPapier"), paper.widthMm == 58 ? 0 : 1);
    SelectIndex(Get("cmbTiroir"), paper.drawerPin == 5 ? 1 : 0);
}

ReceiptPaper frmInfos::ChosenPaper() {
    ReceiptPaper paper;
    paper.widthMm = Get("cmbPapier").listIndex == 0 ? 58 : 80;
    paper.drawerPin = Get("cmbTiroir").listIndex == 1 ? 5 : 2;
    return paper;
}

void frmInfos::cmdTestTicket_Click() {
    const std::string printer = Get("cmbPrinters").SelectedText();
    if (printer.empty()) {
        platform_.ui.MsgBox("Choisissez l'imprimante caisse.", vbExclamation);
        return;
    }
    const ReceiptPaper saved = platform_.printers.Paper();
    platform_.printers.SetPaper(ChosenPaper());
    try {
        InfosRecord infos = data_.Infos;
        for (int i = 0; i <= 3; ++i) {
            infos[static_cast<std::size_t>(i)] = Get("txtInfo", i).text;
        }
        PrintTestReceipt(platform_.printers, printer, infos);
    } catch (const PrintError& error) {
        platform_.ui.MsgBox(error.what(), vbCritical);
    }
    platform_.printers.SetPaper(saved);
}

void frmInfos::cmdSauvegardes_Click() {
    frmSauvegarde backups(platform_, data_, main_);
    backups.Form_Load();
    platform_.ui.ShowModal(backups);
}

void frmInfos::cmdOK_Click() {
    if (Save()) {
        Close();
    }
}

void frmInfos::cmdUndo_Click() {
    Close();
}

bool frmInfos::Save() {
    const std::optional<std::int64_t> plafond = PlafondSaisi(Get("txtPlafondRemise").text);
    if (!plafond) {
        platform_.ui.MsgBox(kPlafondIncorrect, vbExclamation);
        SetFocus(Get("txtPlafondRemise"));
        return false;
    }
    InfosRecord& infos = data_.Infos;
    for (int i = 0; i <= 6; ++i) {
        infos[static_cast<std::size_t>(i)] = Get("txtInfo", i).text;
    }
    infos[CheminLogo] = Get("imgLogo").tag;
    infos[CheminQR] = Get("imgQR").tag;
    infos[ModeTVA] = std::to_string(Get("cmbTVA").listIndex);
    infos[MessageTicket] = Get("txtInfo", 7).text;
    infos[TexteQR] = Get("txtInfo", 8).text;
    const std::string receipt = Get("cmbPrinters").SelectedText();
    const std::string kitchen = Get("cmbPrinters2").SelectedText();
    infos[ImprimanteTicket] = receipt;
    infos[ImprimanteCuisine] = kitchen != receipt ? kitchen : "";
    infos[ClavierAuto] = std::to_string(Get("chkClavier").value);
    infos[Monnaie] = Get("txtInfo", 9).text;
    EcrireInfos(data_.DataPath, infos);
    const bool montantRecu = Get("chkMontantRecu").value == 1;
    EcrirePapier(data_.DataPath, ChosenPaper(), montantRecu, *plafond);
    data_.DemanderMontantRecu = montantRecu;
    data_.PlafondRemiseServeur = *plafond;
    platform_.printers.SetPaper(ChosenPaper());
    TryLogEvent(data_.DataPath, platform_.clock.Now(), "Paramètres enregistrés");
    main_.Get("txtNote").text = infos[MessageTicket];
    main_.Get("txtQR").text = infos[TexteQR];
    if (!infos[ImprimanteTicket].empty()) {
        platform_.printers.Choose(infos[ImprimanteTicket]);
    }
    return true;
}

}  // namespace vantor
