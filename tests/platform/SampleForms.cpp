#include "SampleForms.h"

namespace vantor::test {

SampleForm::SampleForm() : Form("frmSample") {
    caption = "Échantillon";
    width = 9000;
    height = 6000;
    AddButtonAndLabel();
    AddOptions();
    AddLists();
    AddInputs();
}

void SampleForm::LogTo(Control& control) {
    const std::string id =
        control.index < 0 ? control.name : control.name + "(" + std::to_string(control.index) + ")";
    control.onClick = [this, id] { log.push_back(id + " Click"); };
    control.onChange = [this, id] { log.push_back(id + " Change"); };
    control.onMouseDown = [this, id](int button) {
        log.push_back(id + " MouseDown " + std::to_string(button));
    };
}

void SampleForm::AddButtonAndLabel() {
    Control& ok = Add(ControlKind::Button, "cmdOK");
    ok.caption = "&OK";
    ok.Move(1200, 300);
    ok.width = 1500;
    ok.height = 900;
    ok.backColor = kCyan;
    ok.fontBold = true;
    ok.fontSize = 12;
    ok.toolTip = "Valider";
    LogTo(ok);

    Control& label = Add(ControlKind::Label, "lblTotal");
    label.caption = "Total && TVA";
    label.Move(3000, 300);
    label.width = 3000;
    label.height = 450;
    label.backColor = kOrange;
    LogTo(label);
}

void SampleForm::AddOptions() {
    Control& frame = Add(ControlKind::Frame, "fraMode");
    frame.caption = "Mode";
    frame.Move(300, 1500);
    frame.width = 3000;
    frame.height = 1500;
    const char* captions[] = {"Ticket", "Totaux", "Compta"};
    for (int i = 0; i < 3; ++i) {
        Control& option = Add(ControlKind::OptionButton, "optMode", i, &frame);
        option.caption = captions[i];
        option.Move(150, 300 + 360 * i);
        option.width = 2000;
        option.height = 300;
        option.value = i == 0 ? 1 : 0;
        LogTo(option);
    }
    Control& check = Add(ControlKind::CheckBox, "chkQR");
    check.caption = "QR";
    check.Move(3600, 1500);
    check.width = 1500;
    check.height = 300;
    LogTo(check);
}

void SampleForm::AddLists() {
    Control& combo = Add(ControlKind::ComboBox, "cmbTVA");
    combo.items = {"sans TVA", "sur place", "à emporter"};
    combo.Move(3600, 2000);
    combo.width = 2400;
    combo.height = 315;
    LogTo(combo);

    Control& list = Add(ControlKind::ListBox, "lstTicket");
    list.items = {"1 Café", "2 Thé", "1 Eau"};
    list.fontName = "Courier New";
    list.Move(6300, 300);
    list.width = 2400;
    list.height = 2400;
    LogTo(list);
}

void SampleForm::AddInputs() {
    Control& text = Add(ControlKind::TextBox, "txtNote");
    text.maxLength = 5;
    text.Move(300, 3300);
    text.width = 2400;
    text.height = 315;
    LogTo(text);

    Control& scroll = Add(ControlKind::HScrollBar, "Scroll");
    scroll.max = 7800;
    scroll.smallChange = 1300;
    scroll.largeChange = 2600;
    scroll.Move(300, 3900);
    scroll.width = 5000;
    scroll.height = 255;
    LogTo(scroll);

    Control& date = Add(ControlKind::DatePicker, "DTPicker1");
    date.date = Date{2026, 12, 6};
    date.Move(3000, 3300);
    date.width = 2000;
    date.height = 315;
    LogTo(date);
}

void SampleForm::Form_Resize() {
    log.push_back("Resize");
    if (windowState == WindowState::Normal && normalWidth > 0) {
        width = normalWidth;
        height = normalHeight;
    }
}

void SampleForm::Form_QueryUnload(int& cancel) {
    log.push_back("QueryUnload");
    cancel = refuseClose ? 1 : 0;
}

MenuForm::MenuForm() : Form("frmMenus") {
    caption = "Menus";
    width = 6000;
    height = 4000;
    Control& fichier = Add(ControlKind::Menu, "mnuFichier");
    fichier.caption = "&Fichier";
    Entry("mnuParam", -1, fichier, "Paramètres");
    Control& waiters = Entry("mnuServeurs", -1, fichier, "Employés");
    Entry("mnuSrv", 0, waiters, "Alice").checked = true;
    Entry("mnuSep", -1, waiters, "-");
    Entry("mnuAjouter", -1, waiters, "Ajouter");
    Entry("mnuEdit", -1, fichier, "Editer fichier").visible = false;
    Entry("mnuQuit", -1, fichier, "&Quitter");
    // A waiter added after the design goes right after the other waiters.
    AddWaiter("Bruno");

    Control& popup = Add(ControlKind::Menu, "mnuPopup");
    popup.caption = "Article";
    popup.visible = false;
    Entry("mnuModifier", -1, popup, "Modifier");
    Entry("mnuSupprimer", -1, popup, "Supprimer").enabled = false;
    Entry("mnuCouleur", -1, popup, "Couleur");
}

Control& MenuForm::Entry(const std::string& name, int index, Control& menu,
                         const std::string& caption) {
    Control& entry = Add(ControlKind::Menu, name, index, &menu);
    entry.caption = caption;
    const std::string id = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    entry.onClick = [this, id] { log.push_back(id + " Click"); };
    return entry;
}

void MenuForm::AddWaiter(const std::string& name) {
    Entry("mnuSrv", UBound("mnuSrv") + 1, Get("mnuServeurs"), name);
}

KeypadForm::KeypadForm(int buttons) : Form("frmKeypad") {
    caption = "Clavier";
    width = 14340;
    height = 10635;
    for (int i = 0; i < buttons; ++i) {
        Control& button = Add(ControlKind::Button, "Command1", i);
        button.caption = "Article " + std::to_string(i);
        button.Move(40 + 1300 * (i / 13), 120 + 680 * (i % 13));
        button.width = 1300;
        button.height = 680;
        button.backColor = i % 2 == 0 ? kCyan : kOrange;
        button.onClick = [this] { ++clicks; };
    }
}

}  // namespace vantor::test
