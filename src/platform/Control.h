#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/DateTime.h"

namespace vantor {

// 0xRRGGBB
using Color = std::uint32_t;
constexpr Color Rgb(int r, int g, int b) {
    return (static_cast<Color>(r) << 16) | (static_cast<Color>(g) << 8) | static_cast<Color>(b);
}

enum class ControlKind {
    Button,
    Label,
    TextBox,
    ListBox,
    ComboBox,
    Frame,
    OptionButton,
    CheckBox,
    Picture,
    HScrollBar,
    DatePicker,
    Menu,
    DriveList,
    DirList,
    FileList,
};

enum MouseButton { vbLeftButton = 1, vbRightButton = 2 };

// Horizontal placement of a text box's or label's text.
enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };

struct MonoBitmap;  // printing/MonoBitmap.h

// A picture loaded from an image file: its path and natural size in pixels,
// and for a picture of the receipts its dots across the receipt printer's
// paper, made once when it is loaded (LoadReceiptPicture).
struct Picture {
    std::string path;
    int width = 0;
    int height = 0;
    std::shared_ptr<const MonoBitmap> dots;
    bool Loaded() const { return width > 0 && height > 0; }
};

// One control of a form, with the properties the forms toolkit knows. Positions
// and sizes are in twips, relative to the container (a frame, or the form).
// The properties are plain fields: the model sets them, the front ends read
// them after every event.
class Control {
public:
    Control(ControlKind kind, std::string name, int index, Control* container)
        : kind(kind), name(std::move(name)), index(index), container(container) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const ControlKind kind;
    const std::string name;
    const int index;           // -1 when the control is not part of an array
    Control* const container;  // frame holding it, or parent menu; null for the form

    std::string caption;
    std::string tag;
    std::string toolTip;
    std::string text;
    Color backColor = Rgb(240, 240, 240);
    Color foreColor = Rgb(0, 0, 0);
    std::string fontName = "MS Sans Serif";
    int fontSize = 8;  // points
    bool fontBold = false;
    bool visible = true;
    bool enabled = true;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    std::vector<std::string> items;  // lists and combo boxes
    int listIndex = -1;              // selected item, -1 for none
    // Lists: the items drawn marked, by position (the ticket's lines sent to
    // the kitchen).
    std::vector<int> markedItems;

    int value = 0;  // check box 0/1, option button 0/1, scroll bar position
    int min = 0;
    int max = 0;
    int smallChange = 1;
    int largeChange = 1;

    bool checked = false;           // menu entries
    int maxLength = 0;              // text boxes, 0 = no limit
    bool masked = false;            // a text box that shows "*" for each character (a PIN)
    int alignment = vbLeftJustify;  // text boxes and labels
    bool isDefault = false;         // the button that Enter presses in its window
    Date date;                      // date pickers
    Picture picture;                // picture holders
    std::string pattern;            // file lists ("*.bmp")
    std::string path;               // drive, folder and file lists

    // Event handlers bound by the form that owns the control.
    std::function<void()> onClick;
    std::function<void(int button)> onMouseDown;
    // The button released over the control, at x, y twips from its top-left
    // corner: where a picture was touched.
    std::function<void(int button, int x, int y)> onMouseUp;
    std::function<void()> onChange;
    std::function<void()> onDblClick;

    void Move(int newLeft, int newTop) {
        left = newLeft;
        top = newTop;
    }
    void AddItem(const std::string& item) { items.push_back(item); }
    void RemoveItem(int position);
    void Clear();
    int ListCount() const { return static_cast<int>(items.size()); }
    // The displayed text of a list or combo box: the selected item, or "".
    std::string SelectedText() const;
};

}  // namespace vantor
