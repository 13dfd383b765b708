#pragma once

#include <QPointer>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/Form.h"

class QAction;
class QMenu;
class QMenuBar;

namespace vantor {

using MenuCallback = std::function<void(Control& menu)>;

// Fills QMenus with the entries of Menu controls (entries whose container is
// that menu, in the form's control order; an entry that holds entries becomes
// a submenu; the caption "-" is a separator) and records which action shows
// which control.
class MenuFiller {
public:
    // onTrigger runs when an entry without entries is chosen, onOpen when a
    // submenu is about to open; either may be empty.
    MenuFiller(const Form& form, MenuCallback onTrigger, MenuCallback onOpen);

    void Fill(QMenu& menu, const Control& parent);
    void Track(QAction& action, Control& control);
    Control* ControlOf(QAction* action) const;
    // Copies caption, check mark, visibility and enabling onto every action.
    void Refresh() const;

private:
    QAction& AddEntry(QMenu& menu, Control& entry);

    const Form& form_;
    MenuCallback onTrigger_;
    MenuCallback onOpen_;
    std::unordered_map<const Control*, std::vector<Control*>> children_;
    std::unordered_map<QAction*, Control*> actions_;
};

// Keeps a window's menu bar equal to the form's top-level menus: rebuilt when
// the form's menus change, otherwise only refreshed.
class MenuBinder {
public:
    MenuBinder(const Form& form, QMenuBar& bar, MenuCallback onClick);
    ~MenuBinder();
    MenuBinder(const MenuBinder&) = delete;
    MenuBinder& operator=(const MenuBinder&) = delete;

    void Sync();

private:
    void Rebuild();
    std::vector<const void*> Structure() const;

    const Form& form_;
    QPointer<QMenuBar> bar_;
    MenuCallback onClick_;
    std::vector<const void*> structure_;
    std::vector<QPointer<QMenu>> menus_;
    std::unique_ptr<MenuFiller> filler_;
};

}  // namespace vantor
