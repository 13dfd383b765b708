#pragma once

#include <string>
#include <vector>

#include "data/TillData.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace vantor {

class frmMain;

// The shop settings: identity, VAT rates and mode, currency, receipt texts,
// logo and QR pictures (chosen in a panel over the dialog), printers and the
// on-screen keyboard option, the discount limit of a waiter, and the backups
// dialog. "OK" writes Infos.txt; "Annuler" keeps everything.
// The discount limit typed is not an amount.
inline constexpr const char* kPlafondIncorrect =
    "Remise d'un serveur sans accord : montant incorrect.\nSaisissez un montant (par exemple 5 ou "
    "2.50), ou 0 pour que toute remise demande l'accord d'un responsable.";

class frmInfos : public Form {
public:
    // Width of the dialog, and of a picture preview.
    static constexpr int kWidth = 8115;
    static constexpr int kPreviewWidth = 2175;

    frmInfos(Platform& platform, TillData& data, frmMain& main);

    void Form_Load() override;
    void cmdOK_Click();
    void cmdUndo_Click();
    // Prints the test receipt on the receipt printer chosen in the dialog,
    // with the paper chosen in it, and opens its drawer.
    void cmdTestTicket_Click();
    // The backups dialog (frmSauvegarde).
    void cmdSauvegardes_Click();

    // The image chooser: 0 for the logo, 1 for the QR code.
    void cmdAddImg_Click(int index);
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void cmdLoadImg_Click();
    void cmdUndoFiles_Click();

private:
    void CreateIdentity();
    void CreateTaxAndTexts();
    void CreatePictures();
    void CreatePrinters();
    void CreateReceiptPaper(int top);
    void CreateDiscountLimit(int top);
    void CreateChooser();
    void LoadPreviews();
    void LoadPrinters();
    void ShowFolder(const std::string& folder);
    // Loads the picture into the preview, fitted; the reason it is refused
    // (the preview unchanged) or "" when it is taken.
    std::string LoadPreview(Control& preview, const std::string& path);
    // Nothing is written when a field is refused (its message shown): false.
    bool Save();
    ReceiptPaper ChosenPaper();

    Platform& platform_;
    TillData& data_;
    frmMain& main_;
    int imageChoisie_ = 0;
    std::vector<std::string> dirPaths_;  // the folder of each item of Dir1
};

// Fits a preview that holds a picture to the preview width, keeping the
// picture's proportions (its natural size counted at 15 twips a pixel).
void AjusterImage(Control& preview, int width);

}  // namespace vantor
