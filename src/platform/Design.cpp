#include "platform/Design.h"

namespace vantor {

Control& Place(Control& control, const Bounds& bounds) {
    control.Move(bounds.left, bounds.top);
    control.width = bounds.width;
    control.height = bounds.height;
    return control;
}

Control& AddAt(Form& form, ControlKind kind, const std::string& name, const Bounds& bounds,
               Control* container, int index) {
    return Place(form.Add(kind, name, index, container), bounds);
}

Control& AddButton(Form& form, const std::string& name, const std::string& caption,
                   const Bounds& bounds, Control* container, int index) {
    Control& button = AddAt(form, ControlKind::Button, name, bounds, container, index);
    button.caption = caption;
    return button;
}

}  // namespace vantor
