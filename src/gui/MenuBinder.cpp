#include "gui/MenuBinder.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "gui/Convert.h"
#include "gui/Events.h"

namespace vantor {
namespace {

bool IsSeparator(const Control& control) {
    return control.caption == "-";
}

}  // namespace

MenuFiller::MenuFiller(const Form& form, MenuCallback onTrigger, MenuCallback onOpen)
    : form_(form), onTrigger_(std::move(onTrigger)), onOpen_(std::move(onOpen)) {
    for (Control* control : form_.Controls()) {
        if (control->kind == ControlKind::Menu && control->container != nullptr) {
            children_[control->container].push_back(control);
        }
    }
}

QAction& MenuFiller::AddEntry(QMenu& menu, Control& entry) {
    if (IsSeparator(entry)) {
        return *menu.addSeparator();
    }
    if (children_.count(&entry) != 0) {
        QMenu* submenu = menu.addMenu(ToQString(entry.caption));
        Fill(*submenu, entry);
        if (onOpen_) {
            QObject::connect(submenu, &QMenu::aboutToShow,
                             [open = onOpen_, &entry] { open(entry); });
        }
        return *submenu->menuAction();
    }
    QAction* action = menu.addAction(ToQString(entry.caption));
    if (onTrigger_) {
        // The callback is copied: a handler may rebuild the menus, and this filler with them.
        QObject::connect(action, &QAction::triggered,
                         [trigger = onTrigger_, &entry] { trigger(entry); });
    }
    return *action;
}

void MenuFiller::Fill(QMenu& menu, const Control& parent) {
    auto found = children_.find(&parent);
    if (found == children_.end()) {
        return;
    }
    for (Control* entry : found->second) {
        Track(AddEntry(menu, *entry), *entry);
    }
}

void MenuFiller::Track(QAction& action, Control& control) {
    actions_[&action] = &control;
}

Control* MenuFiller::ControlOf(QAction* action) const {
    auto found = actions_.find(action);
    return found == actions_.end() ? nullptr : found->second;
}

void MenuFiller::Refresh() const {
    for (const auto& [action, control] : actions_) {
        if (!action->isSeparator()) {
            action->setText(ToQString(control->caption));
            action->setCheckable(control->checked);
            action->setChecked(control->checked);
        }
        action->setVisible(control->visible);
        action->setEnabled(control->enabled);
    }
}

MenuBinder::MenuBinder(const Form& form, QMenuBar& bar, MenuCallback onClick)
    : form_(form), bar_(&bar), onClick_(std::move(onClick)) {}

MenuBinder::~MenuBinder() {
    for (const QPointer<QMenu>& menu : menus_) {
        delete menu.data();
    }
}

// What decides the shape of the menus: which entries exist, where, and which
// are separators.
std::vector<const void*> MenuBinder::Structure() const {
    std::vector<const void*> structure;
    for (const Control* control : form_.Controls()) {
        if (control->kind == ControlKind::Menu) {
            structure.push_back(control);
            structure.push_back(control->container);
            structure.push_back(IsSeparator(*control) ? control : nullptr);
        }
    }
    return structure;
}

void MenuBinder::Sync() {
    if (!bar_) {
        return;
    }
    std::vector<const void*> structure = Structure();
    if (!filler_ || structure != structure_) {
        structure_ = std::move(structure);
        Rebuild();
    }
    filler_->Refresh();
}

void MenuBinder::Rebuild() {
    bar_->clear();
    for (const QPointer<QMenu>& menu : menus_) {
        Retire(menu.data());
    }
    menus_.clear();
    filler_ = std::make_unique<MenuFiller>(form_, onClick_, onClick_);
    for (Control* control : form_.Controls()) {
        if (control->kind != ControlKind::Menu || control->container != nullptr) {
            continue;
        }
        auto* menu = new QMenu(ToQString(control->caption), bar_);
        filler_->Fill(*menu, *control);
        QObject::connect(menu, &QMenu::aboutToShow, [open = onClick_, control] { open(*control); });
        filler_->Track(*bar_->addMenu(menu), *control);
        menus_.emplace_back(menu);
    }
}

}  // namespace vantor
