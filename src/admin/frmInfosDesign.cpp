// The design of the settings dialog: every control with its caption and place.
#include "admin/frmInfos.h"

#include <utility>

#include "platform/Design.h"

namespace vantor {

namespace {

// Two columns, so that the dialog fits a 768 pixels high screen with its fields
// a fingertip high: the settings on the left, the pictures on the right.
constexpr int kLabelLeft = 120;
constexpr int kFieldLeft = 1560;
constexpr int kFieldWidth = 3900;
constexpr int kRow = 400;
constexpr int kHeight = 330;
constexpr int kPrintersTop = 120 + 9 * kRow;
constexpr int kPicturesLeft = kFieldLeft + kFieldWidth + 240;
constexpr int kQrTop = 120 + 7 * kRow;
constexpr int kButtonWidth = 1300;
constexpr int kSettingsButtonsTop = kPrintersTop + 6 * kRow + 200;
// The lowest edge of a control; the form's size counts the window's borders
// and title bar (120 twips across, 420 down).
constexpr int kClientBottom = kSettingsButtonsTop + 420;
constexpr int kClientWidth = frmInfos::kWidth - 120;

Control& Place(Form& form, ControlKind kind, const std::string& name, int index, Control* container,
               int left, int top, int width, int height) {
    Control& control = AddAt(form, kind, name, {left, top, width, height}, container, index);
    if (kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
        kind == ControlKind::DriveList || kind == ControlKind::DirList ||
        kind == ControlKind::FileList) {
        control.backColor = kFieldColor;
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
    return {left, top, kButtonWidth, 420};
}

}  // namespace

frmInfos::frmInfos(Platform& platform, TillData& data, frmMain& main)
    : Form("frmInfos"), platform_(platform), data_(data), main_(main) {
    caption = "Paramètres";
    width = kWidth;
    height = kClientBottom + 120 + kFrameHeightTwips;
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
    // The rates are numbers, typed on the numeric pad.
    AddLabel(*this, "TVA sur place", kLabelLeft, tax, 1400);
    AddInfo(*this, 5, 5, kFieldLeft, tax, 800).alignment = vbRightJustify;
    AddLabel(*this, "TVA à emporter", 2700, tax, 1500);
    AddInfo(*this, 6, 5, kFieldLeft + kFieldWidth - 800, tax, 800).alignment = vbRightJustify;
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

// Each picture under its label and its "Modifier", so that a preview as high
// as it is wide covers neither.
void frmInfos::CreatePictures() {
    const int buttonLeft = kPicturesLeft + kPreviewWidth - kButtonWidth;
    const std::pair<const char*, int> pictures[] = {{"imgLogo", 120}, {"imgQR", kQrTop}};
    for (int i = 0; i < 2; ++i) {
        const auto& [name, top] = pictures[i];
        AddLabel(*this, i == 0 ? "Logo :" : "QR code :", kPicturesLeft, top,
                 buttonLeft - kPicturesLeft);
        AddButton(*this, "cmdAddImg", "Modifier", SettingsButtonAt(buttonLeft, top - 45), nullptr,
                  i)
            .onClick = [this, i] { cmdAddImg_Click(i); };
        Place(*this, ControlKind::Picture, name, -1, nullptr, kPicturesLeft, top + 480,
              kPreviewWidth, 1000);
    }
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
    Control& received = Place(*this, ControlKind::CheckBox, "chkMontantRecu", -1, nullptr,
                              kLabelLeft, kPrintersTop + 4 * kRow + 60, 5300, kHeight);
    received.caption = "Demander le montant reçu en espèces (rendu)";
    received.toolTip = "Un paiement en espèces demande le montant reçu et affiche le rendu";
    CreateDiscountLimit(kPrintersTop + 5 * kRow);
    Control& ok = AddButton(*this, "cmdOK", "OK", SettingsButtonAt(1440, kSettingsButtonsTop));
    ok.onClick = [this] { cmdOK_Click(); };
    ok.isDefault = true;
    AddButton(*this, "cmdUndo", "Annuler", SettingsButtonAt(3000, kSettingsButtonsTop)).onClick =
        [this] { cmdUndo_Click(); };
    AddButton(*this, "cmdSauvegardes", "Sauvegardes...",
              SettingsButtonAt(4560, kSettingsButtonsTop))
        .onClick = [this] { cmdSauvegardes_Click(); };
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

// The discount a "Serveur" may give alone, an amount typed on the numeric pad.
void frmInfos::CreateDiscountLimit(int top) {
    AddLabel(*this, "Remise d'un serveur sans accord :", kLabelLeft, top, 3000);
    Control& limit = Place(*this, ControlKind::TextBox, "txtPlafondRemise", -1, nullptr,
                           kFieldLeft + kFieldWidth - 1200, top, 1200, kHeight);
    limit.alignment = vbRightJustify;
    limit.maxLength = 10;
    limit.toolTip =
        "Au-delà de ce montant, ou pour un offert, la remise d'un serveur demande "
        "l'accord d'un responsable (0 : toujours)";
}

// Over the whole dialog, which it hides: the folders on the left, their
// pictures on the right.
void frmInfos::CreateChooser() {
    Control& panel = Place(*this, ControlKind::Frame, "fraFiles", -1, nullptr, 0, 0, kClientWidth,
                           kClientBottom + 120);
    panel.caption = "Image";
    panel.visible = false;
    const int half = (panel.width - 360) / 2;
    Place(*this, ControlKind::DriveList, "Drive1", -1, &panel, 120, 280, half, kHeight).onClick =
        [this] { Drive1_Change(); };
    Place(*this, ControlKind::DirList, "Dir1", -1, &panel, 120, 700, half, 4000).onClick = [this] {
        Dir1_Change();
    };
    Control& files =
        Place(*this, ControlKind::FileList, "File1", -1, &panel, 240 + half, 700, half, 4000);
    files.pattern = "*.bmp";
    files.onClick = [this] { File1_Click(); };
    files.onDblClick = [this] { cmdLoadImg_Click(); };
    Place(*this, ControlKind::Label, "lblFile", -1, &panel, 120, 4800, 2 * half + 120, 420);
    const int buttons = panel.height - 520;
    const int right = 240 + 2 * half;
    AddButton(*this, "cmdLoadImg", "OK", SettingsButtonAt(right - 2 * kButtonWidth - 140, buttons),
              &panel)
        .onClick = [this] { cmdLoadImg_Click(); };
    AddButton(*this, "cmdUndoFiles", "Annuler", SettingsButtonAt(right - kButtonWidth, buttons),
              &panel)
        .onClick = [this] { cmdUndoFiles_Click(); };
}

}  // namespace vantor
