// Twips to pixels: the main window's scales, with the keypad's band, and
// where each control's widget goes at them (gui/Scales); a fingertip's pixels
// on screens of several densities (gui/DisplayScale).
#include <gtest/gtest.h>

#include "gui/DisplayScale.h"
#include "gui/Scales.h"

namespace vantor::test {
namespace {

// 0.1 pixel a twip across, 0.15 down; the keypad's band from 1000 to 3000
// twips at 0.2, the ticket column right of it at 0.05.
constexpr Scales kBanded{0.1, 0.15, 1000, 2000, 0.2, 0.05};

TEST(Scales, TwipsAcrossTheBandAndBack) {
    const struct {
        double twips;
        double pixels;
        double font;
    } rows[] = {
        {0, 0, 0.1},        // left of the band: x, and x is the smaller for fonts
        {500, 50, 0.1},     //
        {1000, 100, 0.1},   // the band's left edge
        {2000, 300, 0.15},  // in the band: 0.2 across, but fonts no larger than down
        {3000, 500, 0.15},  // its right edge
        {3500, 525, 0.05},  // the ticket column
        {4000, 550, 0.05},  //
    };
    for (const auto& row : rows) {
        EXPECT_DOUBLE_EQ(kBanded.Across(row.twips), row.pixels) << row.twips;
        EXPECT_DOUBLE_EQ(kBanded.TwipsAcross(row.pixels), row.twips) << row.pixels;
        EXPECT_DOUBLE_EQ(kBanded.FontAt(row.twips), row.font) << row.twips;
    }
    const Scales one{0.1, 0.05};
    EXPECT_DOUBLE_EQ(one.Across(3500), 350);
    EXPECT_DOUBLE_EQ(one.TwipsAcross(350), 3500);
    EXPECT_DOUBLE_EQ(one.FontAt(2000), 0.05);
}

TEST(Scales, EachControlIsPlacedByWhereItLiesOnTheForm) {
    Form form("frmTest");
    Control& keypad = form.Add(ControlKind::Frame, "fraArticles");
    keypad.Move(1000, 40);
    Control& menu = form.Add(ControlKind::Menu, "mnuFichier");
    menu.Move(2000, 0);
    const auto place = [&form](Control* container, int left, int width) -> Control& {
        Control& control = form.Add(ControlKind::Button, "cmd", form.UBound("cmd") + 1, container);
        control.Move(left, 100);
        control.width = width;
        control.height = 200;
        return control;
    };
    const struct {
        const char* what;
        Control& control;
        Scales scales;
        QRect rect;
        double font;
    } rows[] = {
        {"one scale: the frame's offset does not matter", place(&keypad, 500, 1000),
         Scales{0.1, 0.15}, QRect(50, 15, 100, 30), 0.1},
        {"a keypad button, at the band's scale", place(&keypad, 500, 1000), kBanded,
         QRect(100, 15, 200, 30), 0.15},
        {"a keypad button scrolled off to the left keeps the keypad's font",
         place(&keypad, -500, 1000), kBanded, QRect(-50, 15, 150, 30), 0.15},
        {"a keypad button reaching into the ticket column", place(&keypad, 1500, 1000), kBanded,
         QRect(300, 15, 125, 30), 0.15},
        {"a button of the ticket column", place(nullptr, 3500, 1000), kBanded,
         QRect(525, 15, 50, 30), 0.05},
        {"a button left of the band", place(nullptr, 0, 1000), kBanded, QRect(0, 15, 100, 30), 0.1},
        {"a menu's position is no origin", place(&menu, 500, 1000), kBanded, QRect(50, 15, 150, 30),
         0.1},
    };
    for (const auto& row : rows) {
        const ScaledControl scaled = Scaled(row.control, row.scales);
        EXPECT_EQ(scaled.rect, row.rect) << row.what;
        EXPECT_DOUBLE_EQ(scaled.fontScale, row.font) << row.what;
    }
}

// 9 mm of the screen, in the widgets' pixels, and never less than 9 mm at 96
// dpi: a screen that reports a low density (a television, a wrong size in its
// description) still gets targets a finger can hit.
TEST(Fingertip, NineMillimetresAndNeverLessThanAt96Dpi) {
    struct Case {
        const char* screen;
        double physical;
        double logical;
        double ratio;
        int pixels;
    };
    const Case cases[] = {
        {"a desktop screen at 96 dpi", 96, 96, 1, 34},
        {"a 10-inch 1366x768 panel", 157, 96, 1, 56},
        {"a 24-inch 1366x768 screen", 65, 96, 1, 34},
        {"a television", 40, 96, 1, 34},
        {"no size reported", 0, 96, 1, 34},
        {"a nonsense size", 5000, 96, 1, 34},
        {"a dense screen the desktop doubles", 220, 96, 2, 39},
        {"a desktop that enlarges its fonts", 96, 120, 1, 43},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FingertipPixels(c.physical, c.logical, c.ratio), c.pixels) << c.screen;
    }
}

}  // namespace
}  // namespace vantor::test
