#include "platform/Form.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <set>
#include <stdexcept>

namespace vantor {

Form::Form(std::string name) : name_(std::move(name)) {}
Form::~Form() = default;

Control& Form::Add(ControlKind kind, const std::string& name, int index, Control* container) {
    Key key{name, index};
    if (controls_.count(key) != 0) {
        throw std::logic_error("control already exists: " + name);
    }
    auto control = std::make_unique<Control>(kind, name, index, container);
    Control* raw = control.get();
    controls_.emplace(key, std::move(control));
    auto position = order_.end();
    if (index >= 0) {
        auto last = std::find_if(order_.rbegin(), order_.rend(),
                                 [&](const Control* c) { return c->name == name; });
        if (last != order_.rend()) {
            position = last.base();
        }
    }
    order_.insert(position, raw);
    ++generation_;
    return *raw;
}

void Form::Remove(const std::string& name, int index) {
    auto found = controls_.find(Key{name, index});
    if (found == controls_.end()) {
        return;
    }
    // Arrays are emptied from their last element, which sits near the end.
    const auto position = std::find(order_.rbegin(), order_.rend(), found->second.get());
    if (position != order_.rend()) {
        order_.erase(std::next(position).base());
    }
    controls_.erase(found);
    ++generation_;
}

Control* Form::Find(const std::string& name, int index) const {
    auto found = controls_.find(Key{name, index});
    return found == controls_.end() ? nullptr : found->second.get();
}

Control& Form::Get(const std::string& name, int index) const {
    Control* control = Find(name, index);
    if (control == nullptr) {
        throw std::logic_error("no control " + name +
                               (index >= 0 ? "(" + std::to_string(index) + ")" : "") + " on " +
                               name_);
    }
    return *control;
}

// The controls are kept sorted by name then index: the last of an array is
// the one before the first key past it.
int Form::UBound(const std::string& name) const {
    auto past = controls_.upper_bound(Key{name, std::numeric_limits<int>::max()});
    if (past == controls_.begin()) {
        return -1;
    }
    const Key& last = std::prev(past)->first;
    return last.first == name ? std::max(last.second, -1) : -1;
}

void Form::Click(Control& control) {
    if (control.kind == ControlKind::OptionButton) {
        for (Control* other : order_) {
            if (other->kind == ControlKind::OptionButton && other->container == control.container) {
                other->value = 0;
            }
        }
        control.value = 1;
    } else if (control.kind == ControlKind::CheckBox) {
        control.value = control.value == 1 ? 0 : 1;
    }
    if (control.onClick) {
        control.onClick();
    }
}

void Form::MouseDown(Control& control, int button) {
    if (control.onMouseDown) {
        control.onMouseDown(button);
    }
}

void Form::MouseUp(Control& control, int button, int x, int y) {
    if (control.onMouseUp) {
        control.onMouseUp(button, x, y);
    }
}

void Form::DblClick(Control& control) {
    if (control.onDblClick) {
        control.onDblClick();
    }
}

void Form::Choose(Control& control, int position) {
    if (position < -1 || position >= control.ListCount()) {
        throw std::out_of_range("no item " + std::to_string(position) + " in " + control.name);
    }
    control.listIndex = position;
    if (control.kind == ControlKind::ComboBox && position >= 0) {
        control.text = control.items[static_cast<std::size_t>(position)];
    }
    if (control.onClick) {
        control.onClick();
    }
}

void Form::SetText(Control& control, const std::string& text) {
    control.text = text;
    if (control.onChange) {
        control.onChange();
    }
}

void Form::SetValue(Control& control, int value) {
    value = std::clamp(value, control.min, std::max(control.min, control.max));
    if (value == control.value) {
        return;
    }
    control.value = value;
    if (control.onChange) {
        control.onChange();
    }
}

void Form::SetDate(Control& control, const Date& date) {
    control.date = date;
    if (control.onChange) {
        control.onChange();
    }
}

bool Form::RequestClose() {
    if (closed_) {
        return true;
    }
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (cancel != 0 || closed_) {
        return closed_;
    }
    Form_Unload();
    closed_ = true;
    visible = false;
    return true;
}

void Form::Close() {
    closed_ = true;
    visible = false;
}

std::vector<std::string> UnboundControls(const Form& form) {
    std::set<const Control*> containers;
    for (const Control* control : form.Controls()) {
        containers.insert(control->container);
    }
    std::vector<std::string> unbound;
    for (const Control* control : form.Controls()) {
        const bool pressable =
            (control->kind == ControlKind::Button && control->visible) ||
            (control->kind == ControlKind::Menu && containers.count(control) == 0);
        if (pressable && !control->onClick) {
            unbound.push_back(control->index < 0
                                  ? control->name
                                  : control->name + "(" + std::to_string(control->index) + ")");
        }
    }
    return unbound;
}

}  // namespace vantor
