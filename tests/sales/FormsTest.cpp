// Every window of the till as it is designed and loaded on a new data folder:
// one line per control, compared with expected/NAME.txt, so that a control
// left out, moved, hidden or renamed shows as a changed line.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "admin/frmAgenda.h"
#include "admin/frmInfos.h"
#include "admin/frmServeurs.h"
#include "catalogue/frmCat.h"
#include "catalogue/frmColors.h"
#include "checkout/frmPaiement.h"
#include "platform/SystemClock.h"
#include "platform/headless/FixedUserFolders.h"
#include "platform/headless/FolderInstance.h"
#include "platform/headless/HeaderPictures.h"
#include "platform/headless/IniSettings.h"
#include "platform/headless/ScriptRunner.h"
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
    std::ostringstream line;
    line << NameOf(c) << ' ' << kKinds[static_cast<int>(c.kind)];
    if (c.container != nullptr) {
        line << " in " << NameOf(*c.container);
    }
    if (c.left != 0 || c.top != 0 || c.width != 0 || c.height != 0) {
        line << " at " << c.left << ',' << c.top << ' ' << c.width << 'x' << c.height;
    }
    for (const auto& [label, text] : {std::pair{"caption", &c.caption},
                                      {"text", &c.text},
                                      {"tag", &c.tag},
                                      {"tip", &c.toolTip}}) {
        if (!text->empty()) {
            line << ' ' << label << "=\"" << *text << '"';
        }
    }
    if (c.backColor != d.backColor)
        line << " back=" << Colour(c.backColor);
    if (c.foreColor != d.foreColor)
        line << " fore=" << Colour(c.foreColor);
    if (c.fontName != d.fontName || c.fontSize != d.fontSize) {
        line << " font=" << c.fontName << ' ' << c.fontSize;
    }
    if (c.fontBold)
        line << " bold";
    if (!c.visible)
        line << " hidden";
    if (!c.enabled)
        line << " disabled";
    if (c.isDefault)
        line << " default";
    if (c.alignment != d.alignment)
        line << " align=" << c.alignment;
    if (c.maxLength != d.maxLength)
        line << " maxlength=" << c.maxLength;
    if (c.value != d.value || c.min != d.min || c.max != d.max || c.smallChange != d.smallChange ||
        c.largeChange != d.largeChange) {
        line << " value=" << c.value << " range=" << c.min << ".." << c.max
             << " step=" << c.smallChange << '/' << c.largeChange;
    }
    if (c.checked)
        line << " checked";
    if (c.listIndex != d.listIndex)
        line << " listindex=" << c.listIndex;
    if (!c.pattern.empty())
        line << " pattern=" << c.pattern;
    for (const std::string& item : c.items) {
        line << " [" << item << ']';
    }
    return line.str();
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
class Forms : public ::testing::Test {
protected:
    void SetUp() override {
        folders.applicationData = folders.configuration = folders.home = folders.pictures =
            home.Path();
        clock.Fix(DateTime{{2026, 12, 6}, {10, 0, 0}});
        till = StartTill(platform, instance, StartOptions{data.Path()});
        ASSERT_EQ(till.status, StartStatus::Running);
    }

    TempDir data;
    TempDir home;
    std::istringstream script;
    std::ostringstream transcript;
    SystemClock systemClock;
    headless::ScriptClock clock{systemClock};
    headless::ScriptPrinters printers{transcript, {}};
    headless::TranscriptShell shell{transcript};
    headless::ScriptRunner runner{script, transcript, clock, printers, &shell};
    headless::TranscriptKeyboard keyboard{shell};
    IniSettings settings{home / "settings.ini"};
    HeaderPictures pictures;
    FixedUserFolders folders;
    FolderInstance instance;
    Platform platform{runner, printers, settings, shell, keyboard, clock, pictures, folders};
    Till till;
};

TEST_F(Forms, EachWindowIsDesignedAndLoadedAsExpected) {
    frmMain& main = *till.main;
    TillData& tillData = *till.data;
    EXPECT_EXPECTED("frmMain.txt", Shown(main));
    EXPECT_EXPECTED("frmPaiement.txt", Shown(frmPaiement(platform, tillData)));
    EXPECT_EXPECTED("frmAgenda.txt", Shown(frmAgenda(platform, tillData)));
    EXPECT_EXPECTED("frmInfos.txt", Shown(frmInfos(platform, tillData, main)));
    EXPECT_EXPECTED("frmServeurs.txt", Shown(frmServeurs(platform, tillData, main)));
    EXPECT_EXPECTED("frmCat.txt", Shown(frmCat(platform, tillData, main)));
    EXPECT_EXPECTED("frmColors.txt", Shown(frmColors(platform, tillData, main)));
}

}  // namespace
}  // namespace vantor::test
