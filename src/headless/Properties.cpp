#include "headless/Properties.h"

#include <cstdio>
#include <map>

#include "data/Dates.h"
#include "data/Text.h"
#include "headless/ScriptLine.h"

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

// The items drawn marked, quoted as List shows them, in order.
std::string MarkedText(const Control& control) {
    std::string marked;
    for (int item : control.markedItems) {
        if (item >= 0 && item < control.ListCount()) {
            marked +=
                (marked.empty() ? "" : " ") + Quote(control.items[static_cast<std::size_t>(item)]);
        }
    }
    return marked;
}

// A masked box shows one "*" a character, on the screen as in the transcript.
std::string TextShown(const Control& control) {
    return Quote(control.masked ? std::string(Len(control.text), '*') : control.text);
}

std::string ValueText(const Control& control) {
    switch (control.kind) {
        case ControlKind::OptionButton:
            return Bool(control.value != 0);
        case ControlKind::DatePicker:
            return FormatDate(control.date);
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
            return TextShown(control);
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
    using Getter = std::string (*)(const Control& c, int item);
    static const std::map<std::string, Getter, std::less<>> kProperties = {
        {"Caption", [](const Control& c, int) { return Quote(c.caption); }},
        {"Tag", [](const Control& c, int) { return Quote(c.tag); }},
        {"ToolTipText", [](const Control& c, int) { return Quote(c.toolTip); }},
        {"Text",
         [](const Control& c, int) {
             return IsList(c) && c.kind != ControlKind::ComboBox ? Quote(c.SelectedText())
                                                                 : TextShown(c);
         }},
        {"BackColor", [](const Control& c, int) { return ColorText(c.backColor); }},
        {"ForeColor", [](const Control& c, int) { return ColorText(c.foreColor); }},
        {"FontBold", [](const Control& c, int) { return Bool(c.fontBold); }},
        {"FontName", [](const Control& c, int) { return Quote(c.fontName); }},
        {"FontSize", [](const Control& c, int) { return std::to_string(c.fontSize); }},
        {"Visible", [](const Control& c, int) { return Bool(c.visible); }},
        {"Enabled", [](const Control& c, int) { return Bool(c.enabled); }},
        {"Left", [](const Control& c, int) { return std::to_string(c.left); }},
        {"Top", [](const Control& c, int) { return std::to_string(c.top); }},
        {"Width", [](const Control& c, int) { return std::to_string(c.width); }},
        {"Height", [](const Control& c, int) { return std::to_string(c.height); }},
        {"Value", [](const Control& c, int) { return ValueText(c); }},
        {"Min", [](const Control& c, int) { return std::to_string(c.min); }},
        {"Max", [](const Control& c, int) { return std::to_string(c.max); }},
        {"SmallChange", [](const Control& c, int) { return std::to_string(c.smallChange); }},
        {"LargeChange", [](const Control& c, int) { return std::to_string(c.largeChange); }},
        {"MaxLength", [](const Control& c, int) { return std::to_string(c.maxLength); }},
        {"Checked", [](const Control& c, int) { return Bool(c.checked); }},
        {"Alignment", [](const Control& c, int) { return std::to_string(c.alignment); }},
        {"Default", [](const Control& c, int) { return Bool(c.isDefault); }},
        {"Picture",
         [](const Control& c, int) { return Quote(c.picture.Loaded() ? c.picture.path : ""); }},
        {"PictureWidth", [](const Control& c, int) { return std::to_string(c.picture.width); }},
        {"PictureHeight", [](const Control& c, int) { return std::to_string(c.picture.height); }},
        {"Path", [](const Control& c, int) { return Quote(c.path); }},
        {"Pattern", [](const Control& c, int) { return Quote(c.pattern); }},
    };
    // Only lists have these.
    static const std::map<std::string, Getter, std::less<>> kListProperties = {
        {"ListIndex", [](const Control& c, int) { return std::to_string(c.listIndex); }},
        {"ListCount", [](const Control& c, int) { return std::to_string(c.ListCount()); }},
        {"List", [](const Control& c, int item) { return ListText(c, item); }},
        {"Marked", [](const Control& c, int) { return MarkedText(c); }},
    };
    if (const auto found = kProperties.find(property); found != kProperties.end()) {
        return found->second(c, item);
    }
    if (const auto found = kListProperties.find(property);
        IsList(c) && found != kListProperties.end()) {
        return found->second(c, item);
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
