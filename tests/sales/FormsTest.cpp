// Every window of the till as it is designed and loaded on a new data folder:
// one line per control, compared with expected/NAME.txt, so that a control
// left out, moved, hidden or renamed shows as a changed line.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>

#include "InProcessTill.h"
#include "admin/frmAgenda.h"
#include "admin/frmConnexion.h"
#include "admin/frmInfos.h"
#include "admin/frmPersonnel.h"
#include "admin/frmSauvegarde.h"
#include "admin/frmServeurs.h"
#include "catalogue/frmCat.h"
#include "catalogue/frmColors.h"
#include "checkout/frmMontantRecu.h"
#include "checkout/frmPaiement.h"
#include "platform/SystemClock.h"
#include "reports/frmGraphiques.h"
#include "reports/frmTickets.h"
#include "sales/frmMain.h"
#include "startup/Startup.h"
#include "support/ExpectedFile.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

constexpr const char* kKinds[] = {"Button",    "Label",      "TextBox",      "ListBox",
                                  "ComboBox",  "Frame",      "OptionButton", "CheckBox",
                                  "Picture",   "HScrollBar", "DatePicker",   "Menu",
                                  "DriveList", "DirList",    "FileList"};

std::string Colour(Color colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour));
    return text;
}

std::string NameOf(const Control& control) {
    return control.index < 0 ? control.name
                             : control.name + "(" + std::to_string(control.index) + ")";
}

// What a person checks of a control on the screen: what differs from a new
// control of its kind.
std::string Line(const Control& c) {
    const Control d(c.kind, c.name, c.index, c.container);
    std::string line = NameOf(c) + ' ' + kKinds[static_cast<int>(c.kind)];
    auto add = [&line](bool shown, const std::string& text) { line += shown ? ' ' + text : ""; };
    auto number = [](int value) { return std::to_string(value); };
    add(c.container != nullptr, c.container ? "in " + NameOf(*c.container) : "");
    add(c.left != 0 || c.top != 0 || c.width != 0 || c.height != 0,
        "at " + number(c.left) + ',' + number(c.top) + ' ' + number(c.width) + 'x' +
            number(c.height));
    add(!c.caption.empty(), "caption=\"" + c.caption + '"');
    add(!c.text.empty(), "text=\"" + c.text + '"');
    add(!c.tag.empty(), "tag=\"" + c.tag + '"');
    add(!c.toolTip.empty(), "tip=\"" + c.toolTip + '"');
    add(c.backColor != d.backColor, "back=" + Colour(c.backColor));
    add(c.foreColor != d.foreColor, "fore=" + Colour(c.foreColor));
    add(c.fontName != d.fontName || c.fontSize != d.fontSize,
        "font=" + c.fontName + ' ' + number(c.fontSize));
    add(c.fontBold, "bold");
    add(!c.visible, "hidden");
    add(!c.enabled, "disabled");
    add(c.isDefault, "default");
    add(c.alignment != d.alignment, "align=" + number(c.alignment));
    add(c.maxLength != d.maxLength, "maxlength=" + number(c.maxLength));
    add(c.masked, "masked");
    add(c.value != d.value || c.min != d.min || c.max != d.max || c.smallChange != d.smallChange ||
            c.largeChange != d.largeChange,
        "value=" + number(c.value) + " range=" + number(c.min) + ".." + number(c.max) +
            " step=" + number(c.smallChange) + '/' + number(c.largeChange));
    add(c.checked, "checked");
    add(c.listIndex != d.listIndex, "listindex=" + number(c.listIndex));
    add(!c.pattern.empty(), "pattern=" + c.pattern);
    for (const std::string& item : c.items) {
        line += " [" + item + ']';
    }
    return line;
}

std::string Shown(const Form& form) {
    std::string text = form.Name() + " \"" + form.caption + "\" " + std::to_string(form.width) +
                       'x' + std::to_string(form.height) + '\n';
    for (const Control* control : form.Controls()) {
        text += Line(*control) + '\n';
    }
    return text;
}

// A till started in-process on an empty data folder, as the headless program does.
class Forms : public ::testing::Test, protected InProcessPlatform<> {
protected:
    void SetUp() override {
        till = Start();
        ASSERT_EQ(till.status, StartStatus::Running);
    }

    Till till;
};

TEST_F(Forms, EachWindowIsDesignedAndLoadedAsExpected) {
    frmMain& main = *till.main;
    TillData& tillData = *till.data;
    EXPECT_EXPECTED("frmMain.txt", Shown(main));
    EXPECT_EXPECTED("frmPaiement.txt", Shown(frmPaiement(platform, tillData)));
    EXPECT_EXPECTED("frmMontantRecu.txt", Shown(frmMontantRecu(platform)));
    EXPECT_EXPECTED("frmAgenda.txt", Shown(frmAgenda(platform, tillData)));
    EXPECT_EXPECTED("frmInfos.txt", Shown(frmInfos(platform, tillData, main)));
    EXPECT_EXPECTED("frmSauvegarde.txt", Shown(frmSauvegarde(platform, tillData, main)));
    EXPECT_EXPECTED("frmServeurs.txt", Shown(frmServeurs(platform, tillData, main)));
    EXPECT_EXPECTED("frmCat.txt", Shown(frmCat(platform, tillData, main)));
    EXPECT_EXPECTED("frmColors.txt", Shown(frmColors(platform, tillData, main)));
    StaffSession session;
    EXPECT_EXPECTED("frmConnexion.txt", Shown(frmConnexion(platform, tillData, session,
                                                           frmConnexion::Mode::Connexion)));
    EXPECT_EXPECTED("frmConnexion-Accord.txt",
                    Shown(frmConnexion(platform, tillData, session, frmConnexion::Mode::Accord,
                                       "Clôture du jour")));
    EXPECT_EXPECTED("frmPersonnel.txt", Shown(frmPersonnel(platform, tillData, "")));
    frmTickets tickets(platform, tillData, main);
    tickets.Form_Load();
    EXPECT_EXPECTED("frmTickets.txt", Shown(tickets));
    EXPECT_EXPECTED("frmGraphiques.txt", Shown(frmGraphiques(platform, tillData, {}, nullptr,
                                                             {2026, 12, 1}, {2026, 12, 6})));
}

// What the check below names, on a form of each case.
TEST(UnboundControls, NamesTheButtonsAndMenuEntriesThatDoNothing) {
    Form form("frmSample");
    auto bound = [](Control& control) { control.onClick = [] {}; };
    bound(form.Add(ControlKind::Button, "cmdBound"));
    form.Add(ControlKind::Button, "cmdUnbound");
    form.Add(ControlKind::Button, "cmdHidden").visible = false;  // a hidden array's model
    bound(form.Add(ControlKind::Button, "cmdArray", 1));
    form.Add(ControlKind::Button, "cmdArray", 2);
    Control& menu = form.Add(ControlKind::Menu, "mnuFichier");  // opens its entries
    bound(form.Add(ControlKind::Menu, "mnuOuvrir", -1, &menu));
    form.Add(ControlKind::Menu, "mnuFermer", -1, &menu);
    form.Add(ControlKind::Menu, "mnuCache", -1, &menu).visible = false;
    form.Add(ControlKind::Label, "lblTexte");
    form.Add(ControlKind::CheckBox, "chkOption");
    const std::vector<std::string> expected = {"cmdUnbound", "cmdArray(2)", "mnuFermer",
                                               "mnuCache"};
    EXPECT_EQ(UnboundControls(form), expected);
}

// A button or a menu entry that does nothing is one whose handler was left
// out or bound under another name.
TEST_F(Forms, EveryButtonAndMenuEntryOfEachWindowHasItsHandler) {
    frmMain& main = *till.main;
    TillData& tillData = *till.data;
    const std::vector<std::string> none;
    EXPECT_EQ(UnboundControls(main), none);
    EXPECT_EQ(UnboundControls(frmPaiement(platform, tillData)), none);
    EXPECT_EQ(UnboundControls(frmMontantRecu(platform)), none);
    EXPECT_EQ(UnboundControls(frmAgenda(platform, tillData)), none);
    EXPECT_EQ(UnboundControls(frmInfos(platform, tillData, main)), none);
    EXPECT_EQ(UnboundControls(frmSauvegarde(platform, tillData, main)), none);
    EXPECT_EQ(UnboundControls(frmServeurs(platform, tillData, main)), none);
    EXPECT_EQ(UnboundControls(frmCat(platform, tillData, main)), none);
    EXPECT_EQ(UnboundControls(frmColors(platform, tillData, main)), none);
    StaffSession session;
    EXPECT_EQ(
        UnboundControls(frmConnexion(platform, tillData, session, frmConnexion::Mode::Accord)),
        none);
    EXPECT_EQ(UnboundControls(frmPersonnel(platform, tillData, "")), none);
    EXPECT_EQ(UnboundControls(frmTickets(platform, tillData, main)), none);
    EXPECT_EQ(UnboundControls(
                  frmGraphiques(platform, tillData, {}, nullptr, {2026, 12, 1}, {2026, 12, 6})),
              none);
}

// A PIN typed and left in a box when a staff window goes, by its close box
// or its own button, is wiped with it.
TEST_F(Forms, APinLeftInABoxGoesWithItsWindow) {
    TillData& tillData = *till.data;
    StaffSession session;
    const struct {
        const char* how;
        std::function<std::unique_ptr<Form>()> make;
        std::vector<const char*> boxes;
        std::function<void(Form&)> close;
    } cases[] = {
        {"frmPersonnel, close box",
         [&] { return std::make_unique<frmPersonnel>(platform, tillData, ""); },
         {"txtCode1", "txtCode2"},
         [](Form& form) { form.RequestClose(); }},
        {"frmPersonnel, Fermer",
         [&] { return std::make_unique<frmPersonnel>(platform, tillData, ""); },
         {"txtCode1", "txtCode2"},
         [](Form& form) { form.Get("cmdFermer").onClick(); }},
        {"frmConnexion, Annuler",
         [&] {
             return std::make_unique<frmConnexion>(platform, tillData, session,
                                                   frmConnexion::Mode::Changement);
         },
         {"txtCode"},
         [](Form& form) { form.Get("cmdAnnuler").onClick(); }},
        {"frmConnexion, close box",
         [&] {
             return std::make_unique<frmConnexion>(platform, tillData, session,
                                                   frmConnexion::Mode::Accord);
         },
         {"txtCode"},
         [](Form& form) { form.RequestClose(); }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.how);
        const std::unique_ptr<Form> form = row.make();
        form->Form_Load();
        for (const char* box : row.boxes) {
            form->Get(box).text = "86429753";
        }
        row.close(*form);
        EXPECT_TRUE(form->Closed());
        for (const char* box : row.boxes) {
            EXPECT_EQ(form->Get(box).text, "") << box;
        }
    }
}

}  // namespace
}  // namespace vantor::test
