// The design of the sales screen: every control with its caption and place.
// Positions are in twips; the right-hand column is moved at each resize.
#include <cassert>
#include <string>

#include "data/CatalogueFiles.h"
#include "platform/Design.h"
#include "sales/frmMain.h"

namespace vantor {

namespace {

constexpr int kColumnLeft = 9240;  // ticket column in the design size
constexpr int kColumnWidth = 4500;
constexpr int kButtonHeight = 495;
constexpr int kPadSize = 615;

Control& AddMenu(Form& form, const std::string& name, const std::string& caption, Control* parent,
                 int index = -1) {
    Control& menu = form.Add(ControlKind::Menu, name, index, parent);
    menu.caption = caption;
    return menu;
}

Control& AddLabel(Form& form, const std::string& name, Control* container,
                  const std::string& caption, int left, int top, int width, int height) {
    Control& label = AddAt(form, ControlKind::Label, name, {left, top, width, height}, container);
    label.caption = caption;
    return label;
}

Control& AddBox(Form& form, ControlKind kind, const std::string& name, Control* container, int left,
                int top, int width, int height) {
    Control& box = AddAt(form, kind, name, {left, top, width, height}, container);
    box.backColor = kFieldColor;
    return box;
}

}  // namespace

frmMain::frmMain(Platform& platform, TillData& data, Tables& tables)
    : Form("frmMain"), platform_(platform), data_(data), tables_(tables) {
    width = kDesignWidth;
    height = kDesignHeight;
    CreateMenus();
    CreateLeftColumn();
    CreateKeypad();
    CreateRightColumn();
    CreateTables();
    BindEvents();
    assert(UnboundControls(*this).empty());
}

void frmMain::CreateMenus() {
    Control& fichier = AddMenu(*this, "mnuFichier", "&Fichier", nullptr);
    AddMenu(*this, "mnuInfos", "Paramètres", &fichier);
    Control& serveurs = AddMenu(*this, "mnuServeurs", "Employés", &fichier);
    AddMenu(*this, "mnuSrv", "Nom", &serveurs, 0);
    AddMenu(*this, "mnuAddSrv", "Ajouter", &serveurs);
    AddMenu(*this, "mnuEditServ", "Editer", &serveurs);
    AddMenu(*this, "mnuPersonnel", "Personnel", &fichier);
    AddMenu(*this, "mnuCat", "Catégories", &fichier);
    AddMenu(*this, "mnuNewArticle", "Ajouter un article", &fichier);
    AddMenu(*this, "mnuFormation", "Mode formation", &fichier);
    AddMenu(*this, "mnuTickets", "Tickets", &fichier);
    AddMenu(*this, "mnuAgenda", "Agenda", &fichier);
    Control& edit = AddMenu(*this, "mnuEdit", "Editer fichier", &fichier);
    AddMenu(*this, "mnuFArticles", "Fichier Articles", &edit);
    AddMenu(*this, "mnuQuit", "Quitter", &fichier);

    // Pop-up menus, never shown in the menu bar.
    Control& param = AddMenu(*this, "mnuParam", "Parametres", nullptr);
    param.visible = false;
    AddMenu(*this, "mnuModif", "Modifier l'article", &param);
    AddMenu(*this, "mnuDeleteArt", "Supprimer cet article", &param);
    AddMenu(*this, "mnuNewArt", "Ajouter un nouvel article", &param);
    AddMenu(*this, "mnuUndo", "Annuler", &param);
    Control& bon = AddMenu(*this, "mnuBon", "Bon", nullptr);
    bon.visible = false;
    AddMenu(*this, "mnuBonCuisine", "Cuisine", &bon);
    AddMenu(*this, "mnuDessert", "Dessert", &bon);
    AddMenu(*this, "mnuCuisineDessert", "Cuisine+Dessert", &bon);
    Control& remise = AddMenu(*this, "mnuRemise", "Remise", nullptr);
    remise.visible = false;
    AddMenu(*this, "mnuRemiseLigne", "Remise sur la ligne", &remise);
    AddMenu(*this, "mnuRemiseTicket", "Remise sur le ticket", &remise);
    AddMenu(*this, "mnuOffert", "Offert", &remise);
    Control& table = AddMenu(*this, "mnuTable", "Table", nullptr);
    table.visible = false;
    AddMenu(*this, "mnuNommerTable", "Renommer la table", &table);
    AddMenu(*this, "mnuDeplacerTable", "Déplacer vers une table libre", &table);
    AddMenu(*this, "mnuReunirTable", "Réunir avec une autre table", &table);
    Control& vers = AddMenu(*this, "mnuVers", "Vers", nullptr);
    vers.visible = false;
    for (int i = 1; i <= kTableCount; ++i) {
        AddMenu(*this, "mnuVersTable", Tables::DefaultName(i), &vers, i);
    }
}

void frmMain::CreateLeftColumn() {
    // The multiplier pad: "2 X" .. "10 X" in two columns, the clear button last.
    for (int number = 2; number <= 10; ++number) {
        int row = (number - 2) / 2;
        int left = number % 2 == 0 ? 165 : 825;
        Control& pad = AddButton(*this, "cmdMultiplie", std::to_string(number) + " X",
                                 {left, 120 + row * kPadSize, kPadSize, kPadSize}, nullptr, number);
        pad.tag = std::to_string(number);
    }
    Control& clearQ = AddButton(*this, "cmdClearQ", "C", {825, 2580, kPadSize, kPadSize});
    clearQ.enabled = false;

    for (int i = 0; i < kCategoryCount; ++i) {
        Control& swatch = Add(ControlKind::Label, "Color", i);
        swatch.backColor = CouleurCategorie(i);
        swatch.visible = false;
    }

    Control& reserv = Add(ControlKind::Frame, "fraReserv");
    reserv.Move(120, 3800);
    reserv.width = 1400;
    reserv.height = 640;
    AddButton(*this, "Command2", "Réservations", {40, 80, 1320, kButtonHeight}, &reserv);

    Control& logo = AddBox(*this, ControlKind::Picture, "Image1", nullptr, 165, 4550, 1275, 1275);
    logo.backColor = Rgb(240, 240, 240);
    Control& qr = AddBox(*this, ControlKind::Picture, "Image2", nullptr, 165, 5950, 1275, 1275);
    qr.backColor = Rgb(240, 240, 240);
    // Shown once there is staff: the sign-in screen comes back at once.
    Control& lock = AddButton(*this, "cmdVerrou", "Verrouiller", {165, 7400, 1275, 700});
    lock.fontBold = true;
    lock.visible = false;
}

void frmMain::CreateKeypad() {
    Control& frame = Add(ControlKind::Frame, "fraArticles");
    frame.Move(1560, 40);
    frame.width = kColumnLeft - 1600;
    frame.height = 8300 + 980;
    Control& header = AddButton(*this, "Command1", "", {40, 120, 1300, 680}, &frame, 0);
    header.visible = false;
    Control& scroll = Add(ControlKind::HScrollBar, "Scroll", -1, &frame);
    scroll.height = 255;
    scroll.width = frame.width;
    scroll.top = frame.height - scroll.height;
    scroll.smallChange = 1300;
    scroll.largeChange = 2600;
}

void frmMain::CreateRightColumn() {
    Control& fraTot = Add(ControlKind::Frame, "fraTot");
    fraTot.Move(kColumnLeft, 0);
    fraTot.width = kColumnWidth;
    fraTot.height = 3000;
    const char* modes[] = {"Ticket", "Totaux", "Compta"};
    for (int i = 0; i < 3; ++i) {
        Control& option = Add(ControlKind::OptionButton, "optPrint", i, &fraTot);
        option.caption = modes[i];
        option.Move(i * 1360, 120);
        option.width = 1300;
        option.height = 420;
    }
    CreateTicketFrames(fraTot);

    Control& list = AddBox(*this, ControlKind::ListBox, "lstTicket", nullptr, kColumnLeft, 3050,
                           kColumnWidth, 4400);
    list.fontName = "Courier New";
    list.fontSize = 10;
    CreateServiceAndCheckout();
    CreateCashMovementFrame();

    Control& kitchen = Add(ControlKind::ListBox, "lstCuisine");
    kitchen.fontName = "Courier New";
    kitchen.visible = false;
}

void frmMain::CreateTicketFrames(Control& fraTot) {
    Control& ticket = Add(ControlKind::Frame, "fraTicket", -1, &fraTot);
    ticket.Move(0, 600);
    ticket.width = kColumnWidth;
    ticket.height = 2350;
    AddLabel(*this, "lblNote", &ticket, "Note", 120, 240, 850, 300);
    AddBox(*this, ControlKind::TextBox, "txtNote", &ticket, 1000, 200, 3380, 360).maxLength = 25;
    Control& chkQR = Add(ControlKind::CheckBox, "chkQR", -1, &ticket);
    chkQR.caption = "Imprimer ticket avec QR Code";
    chkQR.Move(120, 640);
    chkQR.width = 4200;
    chkQR.height = 360;
    AddLabel(*this, "lblQR", &ticket, "Texte QR", 120, 1100, 850, 300);
    Control& txtQR = AddBox(*this, ControlKind::TextBox, "txtQR", &ticket, 1000, 1060, 3380, 360);
    txtQR.maxLength = 25;
    txtQR.enabled = false;
    AddLabel(*this, "lblTVA", &ticket, "TVA", 120, 1520, 850, 300);
    Control& tva = AddBox(*this, ControlKind::ComboBox, "cmbTVA", &ticket, 1000, 1480, 3380, 360);
    tva.items = {"sans TVA", "sur place", "à emporter"};

    Control& totaux = Add(ControlKind::Frame, "fraTotaux", -1, &fraTot);
    totaux.caption = "Totaux";
    totaux.Move(0, 600);
    totaux.width = kColumnWidth;
    totaux.height = 2350;
    totaux.visible = false;
    AddButton(*this, "cmdX", "Générer", {120, 240, 1500, 450}, &totaux);
    AddLabel(*this, "lblFiltre", &totaux, "Serveur", 1750, 300, 900, 300);
    AddBox(*this, ControlKind::ComboBox, "cmbServeur", &totaux, 2650, 260, 1750, 360);
    Control& detail = Add(ControlKind::CheckBox, "chkDetail", -1, &totaux);
    detail.caption = "Détail par serveurs";
    detail.Move(120, 820);
    detail.width = 4200;
    detail.height = 360;
    AddLabel(*this, "lblPeriode", &totaux, "Période  du", 120, 1360, 1150, 300);
    AddBox(*this, ControlKind::DatePicker, "DTPicker1", &totaux, 1300, 1320, 1500, 360);
    AddBox(*this, ControlKind::DatePicker, "DTPicker2", &totaux, 2880, 1320, 1500, 360);
}

void frmMain::CreateServiceAndCheckout() {
    Control& service = Add(ControlKind::Frame, "fraService");
    service.Move(kColumnLeft, 7500);
    service.width = kColumnWidth;
    service.height = 750;
    AddButton(*this, "cmdDeleteLine", "Suppr. ligne", {0, 120, 1365, kButtonHeight}, &service);
    AddButton(*this, "cmdClear", "Effacer tout", {1400, 120, 1365, kButtonHeight}, &service);
    AddLabel(*this, "lblServeur", &service, "", 2850, 200, 1650, 420);

    Control& bas = Add(ControlKind::Frame, "fraBas");
    bas.Move(kColumnLeft, 8300);
    bas.width = kColumnWidth;
    bas.height = 1650;
    Control& total = AddLabel(*this, "lblTotal", &bas, "", 0, 60, kColumnWidth, 420);
    total.tag = "0";
    total.fontName = "Courier New";
    total.fontSize = 12;
    total.fontBold = true;
    // Side by side, edge to edge: no button covers a corner of the next.
    for (int i = 0; i < 3; ++i) {
        AddButton(*this, "cmdPrint", "", {i * 1350, 540, 1350, kButtonHeight}, &bas, i).toolTip =
            "Imprimer ticket";
    }
    Control& cuisine =
        AddButton(*this, "cmdCuisine", "Bon cuisine", {0, 1100, 1365, kButtonHeight}, &bas);
    cuisine.toolTip = "Bon Cuisine";
    cuisine.backColor = Rgb(128, 255, 128);
    AddButton(*this, "cmdRemise", "Remise", {1400, 1100, 1365, kButtonHeight}, &bas).toolTip =
        "Remise ou offert";
    AddBox(*this, ControlKind::TextBox, "txtBon", &bas, 2800, 1100, 1700, kButtonHeight).maxLength =
        25;
    // The reports' own buttons, where the sale's are in the ticket mode.
    AddButton(*this, "cmdPdf", "Exporter en PDF", {1350, 540, kColumnWidth - 1350, kButtonHeight},
              &bas);
    AddButton(*this, "cmdGraphiques", "Graphiques", {0, 1100, 1365, kButtonHeight}, &bas);
    AddButton(*this, "cmdComptable", "Exporter pour le comptable",
              {1400, 1100, kColumnWidth - 1400, kButtonHeight}, &bas);
    SetCheckoutButtons(0);  // "Ticket", the mode the window opens in
    // Under the articles, in the band the window has anyway: a backup's
    // progress and result, once one ran.
    Control& backup =
        AddLabel(*this, "lblSauvegarde", nullptr, "", 1560, 9400, kColumnLeft - 1600, 360);
    backup.visible = false;
}

void frmMain::CreateCashMovementFrame() {
    Control& vantor = Add(ControlKind::Frame, "fraVantor");
    vantor.caption = "Ajouter";
    vantor.Move(kColumnLeft + 60, 560);
    vantor.width = kColumnWidth - 60;
    vantor.height = 2420;
    vantor.visible = false;
    Control& kind = AddBox(*this, ControlKind::ComboBox, "cmbVantor", &vantor, 120, 240, 1935, 315);
    kind.items = {"Sortie de caisse", "Ajout en caisse"};
    AddLabel(*this, "lblMontant", &vantor, "Montant :", 2150, 270, 850, 300);
    Control& amount =
        AddBox(*this, ControlKind::TextBox, "txtVantor", &vantor, 3000, 240, 935, 300);
    amount.maxLength = 8;
    amount.text = "0";
    amount.alignment = vbRightJustify;
    AddLabel(*this, "lblCat", &vantor, "Cat. :", 120, 625, 600, 300);
    AddBox(*this, ControlKind::ComboBox, "cmbCatCompt", &vantor, 720, 595, 3240, 315);
    AddLabel(*this, "lblTexte", &vantor, "Texte :", 120, 960, 600, 300);
    AddBox(*this, ControlKind::TextBox, "txtTexteVantor", &vantor, 720, 930, 3240, 340).maxLength =
        25;
    AddLabel(*this, "lblDate", &vantor, "Date :", 120, 1305, 600, 300);
    AddBox(*this, ControlKind::DatePicker, "DTPicker3", &vantor, 720, 1275, 1335, 375);
    AddButton(*this, "cmdVantor", "Enregistrer", {2120, 1245, 915, 405}, &vantor);
    AddButton(*this, "cmdUndoVantor", "Annuler", {3065, 1245, 915, 405}, &vantor);

    Control& journaux = Add(ControlKind::Frame, "Frame1", -1, &vantor);
    journaux.caption = "Journaux";
    journaux.Move(60, 1700);
    journaux.width = 4280;
    journaux.height = 680;
    AddButton(*this, "cmdJournalVantor", "Journal caisse", {60, 220, 1350, 400}, &journaux, 0);
    AddButton(*this, "cmdJournalVantor", "Résumé comptable", {1440, 220, 1350, 400}, &journaux, 1);
    AddBox(*this, ControlKind::DatePicker, "DTPicker4", &journaux, 2820, 170, 1400, 240);
    AddBox(*this, ControlKind::DatePicker, "DTPicker5", &journaux, 2820, 420, 1400, 240);
    // Where the ticket's service buttons are in the other modes.
    AddButton(*this, "cmdCloture", "Clôture du jour", {kColumnLeft, 7620, 1800, kButtonHeight})
        .visible = false;
    // Beside it, the Z of a day already closed: the first date of the journals.
    Control& z = AddButton(*this, "cmdZCloture", "Z d'un jour clos",
                           {kColumnLeft + 1850, 7620, 1800, kButtonHeight});
    z.visible = false;
    z.toolTip = "Rapport Z de la clôture du jour choisi (première date des journaux)";
}

void frmMain::CreateTables() {
    Control& tables = Add(ControlKind::Frame, "fraTables");
    tables.Move(120, 3300);
    tables.width = 1415;
    tables.height = kTablesCollapsed;
    AddLabel(*this, "lblTables", &tables, "Tables", 80, 120, 800, 300);
    AddButton(*this, "cmdOuvre", "...", {900, 60, 440, 360}, &tables);
    const int tops[] = {0, 460, 931, 1402, 1873, 2344, 2815, 3286, 3757, 4228, 4699, 5170, 5640};
    for (int i = 0; i <= kTableCount; ++i) {
        Control& table = AddButton(*this, "cmdTable", i == 0 ? "" : tables_.At(i).name,
                                   {40, tops[i], 1335, 480}, &tables, i);
        table.fontBold = true;
        table.tag = "0";
        table.backColor = i == 0 ? kTableOccupied : kTableFree;
        table.visible = i > 0;
        Control& parked = Add(ControlKind::ListBox, "lstTable", i, &tables);
        parked.visible = false;
    }
}

}  // namespace vantor
