#include "SampleForms.h"

namespace vantor::test {

Control& Place(Control& control, int left, int top, int width, int height) {
    control.Move(left, top);
    control.width = width;
    control.height = height;
    return control;
}

SampleForm::SampleForm() : Form("frmSample") {
    caption = "Échantillon";
    width = 9000;
    height = 6000;
    Control& ok = Place(Logged(ControlKind::Button, "cmdOK"), 1200, 300, 1500, 900);
    ok.caption = "&OK";
    ok.backColor = kCyan;
    ok.fontBold = true;
    ok.fontSize = 12;
    ok.toolTip = "Valider";
    Control& label = Place(Logged(ControlKind::Label, "lblTotal"), 3000, 300, 3000, 450);
    label.caption = "Total && TVA";
    label.backColor = kOrange;

    Control& frame = Place(Add(ControlKind::Frame, "fraMode"), 300, 1500, 3000, 1500);
    frame.caption = "Mode";
    const char* modes[] = {"Ticket", "Totaux", "Compta"};
    for (int i = 0; i < 3; ++i) {
        Control& option = Logged(ControlKind::OptionButton, "optMode", i, &frame);
        Place(option, 150, 300 + 360 * i, 2000, 300).caption = modes[i];
        option.value = i == 0 ? 1 : 0;
    }
    Place(Logged(ControlKind::CheckBox, "chkQR"), 3600, 1500, 1500, 300).caption = "QR";

    Place(Logged(ControlKind::ComboBox, "cmbTVA"), 3600, 2000, 2400, 315).items = {
        "sans TVA", "sur place", "à emporter"};
    Control& list = Place(Logged(ControlKind::ListBox, "lstTicket"), 6300, 300, 2400, 2400);
    list.items = {"1 Café", "2 Thé", "1 Eau"};
    list.fontName = "Courier New";

    Place(Logged(ControlKind::TextBox, "txtNote"), 300, 3300, 2400, 315).maxLength = 5;
    Control& scroll = Place(Logged(ControlKind::HScrollBar, "Scroll"), 300, 3900, 5000, 255);
    scroll.max = 7800;
    scroll.smallChange = 1300;
    scroll.largeChange = 2600;
    Place(Logged(ControlKind::DatePicker, "DTPicker1"), 3000, 3300, 2000, 315).date = {2026, 12, 6};
}

Control& SampleForm::Logged(ControlKind kind, const std::string& name, int index,
                            Control* container) {
    Control& control = Add(kind, name, index, container);
    const std::string id = index < 0 ? name : name + "(" + std::to_string(index) + ")";
    control.onClick = [this, id] { log.push_back(id + " Click"); };
    control.onChange = [this, id] { log.push_back(id + " Change"); };
    control.onMouseDown = [this, id](int button) {
        log.push_back(id + " MouseDown " + std::to_string(button));
    };
    return control;
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

}  // namespace vantor::test
