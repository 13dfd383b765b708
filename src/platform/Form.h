#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/Control.h"

namespace vantor {

enum class WindowState { Normal, Minimized, Maximized };

// A window of the screen model: its own properties and its controls, addressed
// by name and, for control arrays, by index. Subclasses create their controls in
// their constructor (the design) and bind the controls' events to their handlers.
class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& Name() const { return name_; }

    std::string caption;
    int width = 0;  // twips, outer size of the window
    int height = 0;
    WindowState windowState = WindowState::Normal;
    bool visible = false;

    // Creates a control. An array element (index >= 0) is placed in the
    // control order right after the last element of its array.
    Control& Add(ControlKind kind, const std::string& name, int index = -1,
                 Control* container = nullptr);
    void Remove(const std::string& name, int index);

    Control* Find(const std::string& name, int index = -1) const;
    // Like Find, but the control must exist.
    Control& Get(const std::string& name, int index = -1) const;
    Control& operator()(const std::string& name, int index = -1) const { return Get(name, index); }
    // Highest index of a control array, -1 when it has no element.
    int UBound(const std::string& name) const;
    // Controls in creation order (containers before what they hold).
    const std::vector<Control*>& Controls() const { return order_; }
    // Changes each time a control is added or removed, so a front end knows
    // when to rebuild its widgets.
    std::uint64_t Generation() const { return generation_; }

    // The toolkit's behaviour around a click: an option button becomes the
    // selected one of its container, a check box toggles, then the handler runs.
    void Click(Control& control);
    void MouseDown(Control& control, int button);
    void MouseUp(Control& control, int button, int x, int y);
    // A double click, after the click (or choice) that the first press made.
    void DblClick(Control& control);
    // A list or combo box gets a new selected item, as a click on it would do.
    void Choose(Control& control, int position);
    void SetText(Control& control, const std::string& text);
    void SetValue(Control& control, int value);
    void SetDate(Control& control, const Date& date);

    // The control that has the keyboard focus, null when none was given it.
    Control* ActiveControl() const { return activeControl_; }
    void SetFocus(Control& control) {
        activeControl_ = &control;
        ++focusRequests_;
    }
    // Counts the SetFocus calls, so that a front end gives the focus again
    // when the same control asks for it a second time.
    std::uint64_t FocusRequests() const { return focusRequests_; }

    // Window events, called by the front ends.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& cancel) { (void)cancel; }
    virtual void Form_Unload() {}
    // Nobody has touched the till for that many seconds: told by the front
    // ends to the main window from time to time while no dialog is open.
    virtual void Form_Idle(int seconds) { (void)seconds; }

    // A close request (close box or "Unload Me"): runs QueryUnload, and unless
    // it cancels, Unload; returns whether the form is now closed.
    bool RequestClose();
    // Closes the form at once, without asking: a dialog hidden so that its
    // modal loop returns, or the program's "End".
    void Close();
    bool Closed() const { return closed_; }

private:
    using Key = std::pair<std::string, int>;
    std::string name_;
    std::map<Key, std::unique_ptr<Control>> controls_;
    std::vector<Control*> order_;
    std::uint64_t generation_ = 0;
    bool closed_ = false;
    Control* activeControl_ = nullptr;
    std::uint64_t focusRequests_ = 0;
};

// The controls a user can press that do nothing: each visible button, and
// each menu entry that opens no submenu, without a click handler ("Name" or
// "Name(index)"). A form asserts that there are none once it is bound, so
// that a button added without its handler, or bound under another name,
// shows at the first run of a debug build.
std::vector<std::string> UnboundControls(const Form& form);

}  // namespace vantor
