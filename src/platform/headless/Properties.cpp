#include "platform/headless/Properties.h"

#include <cstdio>

#include "data/Dates.h"
#include "platform/headless/ScriptLine.h"

namespace vantor::headless {

namespace {

std::string Bool(bool value) {
    return value ? "True" : "False";
}

std::string ColorText(Color color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", color & 0xFFFFFFu);
    return text;
}

bool IsList(const Control& control) {
    return control.kind == ControlKind::ListBox || control.kind == ControlKind::ComboBox ||
           control.kind == ControlKind::FileList || control.kind == ControlKind::DirList ||
           control.kind == ControlKind::DriveList;
}

std::string ListText(const Control& control, int item) {
    if (item >= 0) {
        if (item >= control.ListCount()) {
            throw ScriptError("pas d'élément " + std::to_string(item) + " dans " + control.name);
        }
        return Quote(control.items[static_cast<std::size_t>(item)]);
    }
    std::string all;
    for (const std::string& entry : control.items) {
        all += (all.empty() ? "" : " ") + Quote(entry);
    }
    return all;
}

std::string ValueText(const Control& control) {
    switch (control.kind) {
        case ControlKind::OptionButton:
            return Bool(control.value != 0);
        case ControlKind::DatePicker:
            return FormatDate(control.date);
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            return Quote(control.text);
        default:
            return std::to_string(control.value);
    }
}

}  // namespace

std::string MainProperty(const Control& control) {
    switch (control.kind) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            return "Text";
        case ControlKind::ListBox:
        case ControlKind::FileList:
        case ControlKind::DirList:
        case ControlKind::DriveList:
            return "List";
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::HScrollBar:
        case ControlKind::DatePicker:
            return "Value";
        case ControlKind::Picture:
            return "Picture";
        default:
            return "Caption";
    }
}

std::string ShowProperty(const Control& c, const std::string& property, int item) {
    if (property == "Caption")
        return Quote(c.caption);
    if (property == "Tag")
        return Quote(c.tag);
    if (property == "ToolTipText")
        return Quote(c.toolTip);
    if (property == "Text")
        return Quote(IsList(c) && c.kind != ControlKind::ComboBox ? c.SelectedText() : c.text);
    if (property == "BackColor")
        return ColorText(c.backColor);
    if (property == "FontBold")
        return Bool(c.fontBold);
    if (property == "FontName")
        return Quote(c.fontName);
    if (property == "FontSize")
        return std::to_string(c.fontSize);
    if (property == "Visible")
        return Bool(c.visible);
    if (property == "Enabled")
        return Bool(c.enabled);
    if (property == "Left")
        return std::to_string(c.left);
    if (property == "Top")
        return std::to_string(c.top);
    if (property == "Width")
        return std::to_string(c.width);
    if (property == "Height")
        return std::to_string(c.height);
    if (property == "Value")
        return ValueText(c);
    if (property == "Min")
        return std::to_string(c.min);
    if (property == "Max")
        return std::to_string(c.max);
    if (property == "SmallChange")
        return std::to_string(c.smallChange);
    if (property == "LargeChange")
        return std::to_string(c.largeChange);
    if (property == "MaxLength")
        return std::to_string(c.maxLength);
    if (property == "Checked")
        return Bool(c.checked);
    if (property == "Alignment")
        return std::to_string(c.alignment);
    if (property == "Default")
        return Bool(c.isDefault);
    if (property == "Picture")
        return Quote(c.picture.Loaded() ? c.picture.path : "");
    if (property == "PictureWidth")
        return std::to_string(c.picture.width);
    if (property == "PictureHeight")
        return std::to_string(c.picture.height);
    if (property == "Path")
        return Quote(c.path);
    if (property == "Pattern")
        return Quote(c.pattern);
    if (IsList(c)) {
        if (property == "ListIndex")
            return std::to_string(c.listIndex);
        if (property == "ListCount")
            return std::to_string(c.ListCount());
        if (property == "List")
            return ListText(c, item);
    }
    throw ScriptError("propriété inconnue : " + c.name + "." + property);
}

std::string ShowFormProperty(const Form& form, const std::string& property) {
    if (property == "Caption")
        return Quote(form.caption);
    if (property == "Width")
        return std::to_string(form.width);
    if (property == "Height")
        return std::to_string(form.height);
    if (property == "Visible")
        return Bool(form.visible);
    if (property == "WindowState")
        return std::to_string(static_cast<int>(form.windowState));
    if (property == "ActiveControl") {
        const Control* active = form.ActiveControl();
        return Quote(active == nullptr ? "" : active->name);
    }
    throw ScriptError("propriété inconnue : " + form.Name() + "." + property);
}

}  // namespace vantor::headless
