// The form's menus in a menu bar and as a pop-up.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "SampleForms.h"
#include "WidgetTesting.h"
#include "gui/FormView.h"
#include "gui/QtUi.h"

namespace vantor::test {
namespace {

using Texts = std::vector<std::string>;

// The "Fichier" menu with a submenu of waiters, a separator, hidden entries,
// and a hidden pop-up menu; every click is logged ("mnuSrv(1) Click").
class MenuForm : public Form {
public:
    MenuForm() : Form("frmMenus") {
        Control& fichier = Add(ControlKind::Menu, "mnuFichier");
        fichier.caption = "&Fichier";
        Entry("mnuParam", -1, fichier, "Paramètres");
        Control& waiters = Entry("mnuServeurs", -1, fichier, "Employés");
        Entry("mnuSrv", 0, waiters, "Alice").checked = true;
        Entry("mnuSep", -1, waiters, "-");
        Entry("mnuAjouter", -1, waiters, "Ajouter");
        Entry("mnuEdit", -1, fichier, "Editer fichier").visible = false;
        Entry("mnuQuit", -1, fichier, "&Quitter");
        // A waiter added after the design goes right after the other waiters.
        AddWaiter("Bruno");

        Control& popup = Add(ControlKind::Menu, "mnuPopup");
        popup.caption = "Article";
        popup.visible = false;
        Entry("mnuModifier", -1, popup, "Modifier");
        Entry("mnuSupprimer", -1, popup, "Supprimer").enabled = false;
        Entry("mnuCouleur", -1, popup, "Couleur");
    }
    void AddWaiter(const std::string& name) {
        Entry("mnuSrv", UBound("mnuSrv") + 1, Get("mnuServeurs"), name);
    }

    std::vector<std::string> log;

private:
    Control& Entry(const std::string& name, int index, Control& menu, const std::string& caption) {
        Control& entry = Add(ControlKind::Menu, name, index, &menu);
        entry.caption = caption;
        const std::string id = index < 0 ? name : name + "(" + std::to_string(index) + ")";
        entry.onClick = [this, id] { log.push_back(id + " Click"); };
        return entry;
    }
};

// The entries a menu shows, in order; "-" for a separator, "[x]" before a
// checked entry, "(off)" after a disabled one.
Texts Shown(const QMenu& menu) {
    Texts texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isVisible()) {
            continue;
        }
        if (action->isSeparator()) {
            texts.push_back("-");
            continue;
        }
        std::string text = (action->isChecked() ? "[x] " : "") + action->text().toStdString();
        texts.push_back(action->isEnabled() ? text : text + " (off)");
    }
    return texts;
}

QAction* ActionNamed(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override { view.AttachMenuBar(bar); }

    std::vector<QMenu*> BarMenus() const {
        std::vector<QMenu*> menus;
        for (QAction* action : bar.actions()) {
            if (action->isVisible() && action->menu() != nullptr) {
                menus.push_back(action->menu());
            }
        }
        return menus;
    }
    QMenu* Fichier() const { return BarMenus().at(0); }
    QMenu* Waiters() const { return ActionNamed(*Fichier(), "Employés")->menu(); }

    MenuForm form;
    FormView view{form, kScale};
    QMenuBar bar;
};

// In the control order, then as the model changes them.
TEST_F(MenuTest, TheBarShowsTheVisibleMenus) {
    ASSERT_EQ(BarMenus().size(), 1u) << "the pop-up menu is hidden";
    EXPECT_EQ(Fichier()->title(), "&Fichier");
    EXPECT_EQ(Shown(*Fichier()), (Texts{"Paramètres", "Employés", "&Quitter"}));
    ASSERT_NE(Waiters(), nullptr);
    EXPECT_EQ(Shown(*Waiters()), (Texts{"[x] Alice", "Bruno", "-", "Ajouter"}));

    form("mnuSrv", 0).checked = false;
    form("mnuSrv", 1).checked = true;
    form("mnuEdit").visible = true;
    form("mnuParam").enabled = false;
    form("mnuQuit").caption = "Sortir";
    form.AddWaiter("Chloé");
    view.Sync();
    EXPECT_EQ(Shown(*Fichier()),
              (Texts{"Paramètres (off)", "Employés", "Editer fichier", "Sortir"}));
    EXPECT_EQ(Shown(*Waiters()), (Texts{"Alice", "[x] Bruno", "Chloé", "-", "Ajouter"}));
    form.Remove("mnuSrv", 0);
    view.Sync();
    EXPECT_EQ(Shown(*Waiters()), (Texts{"[x] Bruno", "Chloé", "-", "Ajouter"}));
}

// Also when the handler rebuilds the menus it was chosen from.
TEST_F(MenuTest, ChoosingAnEntryClicksIt) {
    form("mnuAjouter").onClick = [this] { form.AddWaiter("Nouveau"); };
    ActionNamed(*Waiters(), "Bruno")->trigger();
    ActionNamed(*Fichier(), "&Quitter")->trigger();
    EXPECT_EQ(form.log, (Texts{"mnuSrv(1) Click", "mnuQuit Click"}));
    ActionNamed(*Waiters(), "Ajouter")->trigger();
    ProcessEvents();
    EXPECT_EQ(Shown(*Waiters()), (Texts{"[x] Alice", "Bruno", "Nouveau", "-", "Ajouter"}));
}

// The chosen entry runs before PopupMenu returns; a dismissed menu clicks nothing.
TEST_F(MenuTest, APopupMenuRunsTheChosenEntry) {
    QtUi ui;
    Texts offered;
    OnNextModal([&offered](QWidget& popup) {
        auto& menu = static_cast<QMenu&>(popup);
        offered = Shown(menu);
        QTest::mouseClick(&menu, Qt::LeftButton, {},
                          menu.actionGeometry(ActionNamed(menu, "Couleur")).center());
    });
    ui.PopupMenu(form, form("mnuPopup"));
    EXPECT_EQ(offered, (Texts{"Modifier", "Supprimer (off)", "Couleur"}));
    EXPECT_EQ(form.log, (Texts{"mnuCouleur Click"}));

    OnNextModal([](QWidget& popup) { QTest::keyClick(&popup, Qt::Key_Escape); });
    ui.PopupMenu(form, form("mnuPopup"));
    EXPECT_EQ(form.log, (Texts{"mnuCouleur Click"}));
}

}  // namespace
}  // namespace vantor::test
