// The design of the settings dialog: every control with its caption and place.
#include "admin/frmInfos.h"

#include "platform/Design.h"

namespace vantor {

namespace {

constexpr int kLabelLeft = 120;
constexpr int kFieldLeft = 1560;
constexpr int kFieldWidth = 3900;
constexpr int kRow = 400;
constexpr int kHeight = 330;
constexpr int kPicturesTop = 3840;
constexpr int kPrintersTop = 5900;

Control& Place(Form& form, ControlKind kind, const std::string& name, int index, Control* container,
               int left, int top, int width, int height) {
    Control& control = AddAt(form, kind, name, {left, top, width, height}, container, index);
    if (kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
        kind == ControlKind::DriveList || kind == ControlKind::DirList ||
        kind == ControlKind::FileList) {
        control.backColor = Rgb(255, 255, 255);
    }
    return control;
}

void AddLabel(Form& form, const std::string& caption, int left, int top, int width) {
    Control& label = Place(form, ControlKind::Label, "lblInfo", form.UBound("lblInfo") + 1, nullptr,
                           left, top + 40, width, 300);
    label.caption = caption;
}

Control& AddInfo(Form& form, int index, int maxLength, int left, int top, int width) {
    Control& field =
        Place(form, ControlKind::TextBox, "txtInfo", index, nullptr, left, top, width, kHeight);
    field.maxLength = maxLength;
    return field;
}

// A button of the dialog, all of one size.
Bounds SettingsButtonAt(int left, int top) {
    return {left, top, 1300, 420};
}

}  // namespace

frmInfos::frmInfos(Platform& platform, TillData& data, Form& main)
    : Form("frmInfos"), platform_(platform), data_(data), main_(main) {
    caption = "Paramètres";
    width = kNarrowWidth;
    height = kPrintersTop + 2900;
    CreateIdentity();
    CreateTaxAndTexts();
    CreatePictures();
    CreatePrinters();
    CreateChooser();
}

void frmInfos::CreateIdentity() {
    const char* labels[] = {"Nom :", "Adresse :", "Localité :", "Téléphone :", "N° TVA :"};
    for (int i = 0; i < 5; ++i) {
        AddLabel(*this, labels[i], kLabelLeft, 120 + i * kRow, kFieldLeft - kLabelLeft);
        AddInfo(*this, i, i == 4 ? 20 : 25, kFieldLeft, 120 + i * kRow, kFieldWidth);
    }
}

void frmInfos::CreateTaxAndTexts() {
    const int tax = 120 + 5 * kRow;
    AddLabel(*this, "TVA sur place", kLabelLeft, tax, 1400);
    AddInfo(*this, 5, 5, kFieldLeft, tax, 800);
    AddLabel(*this, "TVA à emporter", 2700, tax, 1500);
    AddInfo(*this, 6, 5, kFieldLeft + kFieldWidth - 800, tax, 800);
    const int mode = tax + kRow;
    AddLabel(*this, "TVA par défaut", kLabelLeft, mode, 1400);
    Control& tva =
        Place(*this, ControlKind::ComboBox, "cmbTVA", -1, nullptr, kFieldLeft, mode, 1600, kHeight);
    tva.items = {"sans TVA", "sur place", "à emporter"};
    AddLabel(*this, "Monnaie", 3500, mode, 900);
    Control& currency = AddInfo(*this, 9, 3, kFieldLeft + kFieldWidth - 800, mode, 800);
    currency.toolTip = "Symbole de monnaie";
    currency.text = "€";
    AddLabel(*this, "Message Ticket :", kLabelLeft, mode + kRow, 1400);
    AddInfo(*this, 7, 30, kFieldLeft, mode + kRow, kFieldWidth);
    AddLabel(*this, "Texte QR :", kLabelLeft, mode + 2 * kRow, 1400);
    AddInfo(*this, 8, 30, kFieldLeft, mode + 2 * kRow, kFieldWidth);
}

void frmInfos::CreatePictures() {
    const int right = kFieldLeft + kFieldWidth - kPreviewWidth;
    AddLabel(*this, "Logo :", kLabelLeft, kPicturesTop - 40, 1400);
    AddLabel(*this, "QR code :", right, kPicturesTop - 40, 1400);
    Place(*this, ControlKind::Picture, "imgLogo", -1, nullptr, kLabelLeft, kPicturesTop + 300,
          kPreviewWidth, 1000);
    Place(*this, ControlKind::Picture, "imgQR", -1, nullptr, right, kPicturesTop + 300,
          kPreviewWidth, 1000);
    AddButton(*this, "cmdAddImg", "Modifier", SettingsButtonAt(kLabelLeft, kPrintersTop - 520),
              nullptr, 0)
        .onClick = [this] { cmdAddImg_Click(0); };
    AddButton(*this, "cmdAddImg", "Modifier", SettingsButtonAt(right, kPrintersTop - 520), nullptr,
              1)
        .onClick = [this] { cmdAddImg_Click(1); };
}

void frmInfos::CreatePrinters() {
    AddLabel(*this, "Imprimante caisse :", kLabelLeft, kPrintersTop, 1800);
    Place(*this, ControlKind::ComboBox, "cmbPrinters", -1, nullptr, 1920, kPrintersTop, 3540,
          kHeight);
    AddLabel(*this, "Imprimante cuisine :", kLabelLeft, kPrintersTop + kRow, 1800);
    Place(*this, ControlKind::ComboBox, "cmbPrinters2", -1, nullptr, 1920, kPrintersTop + kRow,
          3540, kHeight);
    CreateReceiptPaper(kPrintersTop + 2 * kRow);
    Control& keyboard = Place(*this, ControlKind::CheckBox, "chkClavier", -1, nullptr, kLabelLeft,
                              kPrintersTop + 3 * kRow + 60, 5300, kHeight);
    keyboard.caption = "Afficher automatiquement le clavier visuel";
    const int buttons = kPrintersTop + 4 * kRow + 200;
    Control& ok = AddButton(*this, "cmdOK", "OK", SettingsButtonAt(1440, buttons));
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdUndo", "Annuler", SettingsButtonAt(3000, buttons)).onClick = [this] {
        cmdUndo_Click();
    };
}

// The paper and drawer of a receipt printer that speaks ESC/POS, and its test.
void frmInfos::CreateReceiptPaper(int top) {
    AddLabel(*this, "Papier :", kLabelLeft, top, 780);
    Place(*this, ControlKind::ComboBox, "cmbPapier", -1, nullptr, 900, top, 1000, kHeight).items = {
        "58 mm", "80 mm"};
    AddLabel(*this, "Tiroir :", 2000, top, 700);
    Place(*this, ControlKind::ComboBox, "cmbTiroir", -1, nullptr, 2700, top, 1250, kHeight)
        .items = {"broche 2", "broche 5"};
    Control& test =
        AddButton(*this, "cmdTestTicket", "Ticket de test", SettingsButtonAt(4060, top - 45));
    test.width = 1400;
    test.toolTip = "Imprime un ticket de test sur l'imprimante caisse et ouvre le tiroir";
    test.onClick = [this] { cmdTestTicket_Click(); };
}

void frmInfos::CreateChooser() {
    Control& panel =
        Place(*this, ControlKind::Frame, "fraFiles", -1, nullptr, 120, 120, 4800, 6600);
    panel.caption = "Image";
    panel.visible = false;
    Place(*this, ControlKind::DriveList, "Drive1", -1, &panel, 120, 280, 4560, kHeight).onClick =
        [this] { Drive1_Change(); };
    Place(*this, ControlKind::DirList, "Dir1", -1, &panel, 120, 700, 4560, 2500).onClick = [this] {
        Dir1_Change();
    };
    Control& files =
        Place(*this, ControlKind::FileList, "File1", -1, &panel, 120, 3300, 4560, 2000);
    files.pattern = "*.bmp";
    files.onClick = [this] { File1_Click(); };
    files.onDblClick = [this] { cmdLoadImg_Click(); };
    Place(*this, ControlKind::Label, "lblFile", -1, &panel, 120, 5400, 4560, 420);
    AddButton(*this, "cmdLoadImg", "OK", SettingsButtonAt(1800, 6000), &panel).onClick = [this] {
        cmdLoadImg_Click();
    };
    AddButton(*this, "cmdUndoFiles", "Annuler", SettingsButtonAt(3300, 6000), &panel).onClick =
        [this] { cmdUndoFiles_Click(); };
}

}  // namespace vantor
