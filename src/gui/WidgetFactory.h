#pragma once

#include <string>

#include "platform/Control.h"

class QWidget;

namespace vantor {

// What the widgets report back, already translated into the model's terms.
class ControlEvents {
public:
    virtual void Clicked(Control& control) = 0;
    virtual void MouseDown(Control& control, int button) = 0;
    // x, y in twips from the control's top-left corner.
    virtual void MouseUp(Control& control, int button, int x, int y) = 0;
    virtual void Chosen(Control& control, int position) = 0;
    virtual void Edited(Control& control, const std::string& text) = 0;
    virtual void Scrolled(Control& control, int value) = 0;
    virtual void DatePicked(Control& control, const Date& date) = 0;

protected:
    ~ControlEvents() = default;
};

// The widget showing a control of the given kind, wired to report the user's
// actions (never the program's own updates) to events:
//   Button → TillButton (a QPushButton), Label and Picture → QLabel,
//   TextBox → QLineEdit, ListBox/DirList/FileList → QListWidget,
//   ComboBox/DriveList → QComboBox, Frame → QGroupBox,
//   OptionButton → QRadioButton, CheckBox → QCheckBox,
//   HScrollBar → QScrollBar, DatePicker → QDateEdit.
// Menus have no widget (nullptr). The object name is "name" or "name(index)".
QWidget* CreateWidget(Control& control, QWidget* parent, ControlEvents& events);

std::string ControlId(const Control& control);

}  // namespace vantor
