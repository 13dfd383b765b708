// Typing by finger (touch.sh runs these at several screen sizes): the numeric
// pad beside every amount and price field, the on-screen keyboard for every
// text field when the settings ask for it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <string>

#include "TouchTill.h"
#include "WidgetTesting.h"
#include "gui/FormView.h"
#include "gui/NumericPad.h"

namespace vantor::test {
namespace {

// Taps the field, then these keys of the numeric pad that comes beside it;
// the field's name when the pad came for it, "" when none did.
QString TypeOnPad(QWidget& dialog, const QString& field, const QStringList& keys) {
    auto* edit = dialog.findChild<QLineEdit*>(field);
    if (edit == nullptr) {
        return "";
    }
    QTest::mouseClick(edit, Qt::LeftButton);
    if (!WaitUntil(
            [edit] { return NumericPad::Shown() && NumericPad::Shown()->Target() == edit; })) {
        return "";
    }
    for (const QString& key : keys) {
        QPushButton* button = NumericPad::Shown()->findChild<QPushButton*>("pad " + key);
        if (button == nullptr) {
            return "";
        }
        QTest::mouseClick(button, Qt::LeftButton);
    }
    return field;
}

TEST_F(TouchTest, TheArticlePriceIsTypedOnTheNumericPad) {
    QString padFor;
    OnNextModal("Ajouter un article", [&](QWidget& editor) {
        QTest::keyClicks(editor.findChild<QLineEdit*>("txtArticle"), "Sirop");
        padFor = TypeOnPad(editor, "txtPrix", {"4", ".", "5"});
        SaveScreenshot("article-price-pad");
        QTest::mouseClick(editor.findChild<QAbstractButton*>("cmdOK"), Qt::LeftButton);
    });
    window->View().Fire([this] { Main().Click(Main()("mnuNewArticle")); });
    ProcessEvents();
    EXPECT_EQ(padFor, "txtPrix") << "no numeric pad on the price";
    const Control& added = Main()("Command1", Main().UBound("Command1"));
    EXPECT_EQ(added.caption, "Sirop");
    EXPECT_EQ(added.tag, "4.50");
}

TEST_F(TouchTest, TheVatRatesOfTheSettingsAreTypedOnTheNumericPad) {
    QStringList padFor;
    QString typed;
    OnNextModal("Paramètres", [&](QWidget& dialog) {
        padFor << TypeOnPad(dialog, "txtInfo(5)", {"1", "0"});
        padFor << TypeOnPad(dialog, "txtInfo(6)", {"2", ".", "6"});
        typed = dialog.findChild<QLineEdit*>("txtInfo(6)")->text();
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("cmdUndo"), Qt::LeftButton);
    });
    window->View().Fire([this] { Main().Click(Main()("mnuInfos")); });
    ProcessEvents();
    EXPECT_EQ(padFor, QStringList({"txtInfo(5)", "txtInfo(6)"}));
    EXPECT_EQ(typed, "2.6");
}

bool KeyboardUp() {
    return QGuiApplication::inputMethod()->isVisible();
}

// The settings ask for the keyboard (the 15th line of Infos.txt).
class KeyboardOptionTest : public TouchTest {
protected:
    void PrepareData() override {
        std::ofstream(folder.Path() + "/Infos.txt", std::ios::binary)
            << std::string(14, '\n') << "1\n";
    }
};

// Qt's virtual keyboard, installed with the till: up for the receipt's
// message on the sales screen and for a field of a dialog, away at a tap on
// an article; an amount gets the numeric pad instead.
TEST_F(KeyboardOptionTest, TheKeyboardComesUpForEveryTextFieldAndGoesAtATapElsewhere) {
    ASSERT_EQ(qEnvironmentVariable("QT_IM_MODULE"), "qtvirtualkeyboard")
        << "Qt's virtual keyboard is not installed";
    Tap(Shown("txtNote"));
    EXPECT_TRUE(WaitUntil(KeyboardUp)) << "no keyboard for the receipt's message";
    SaveScreenshot("keyboard-note");
    Tap(PricedArticle());
    EXPECT_TRUE(WaitUntil([] { return !KeyboardUp(); })) << "the keyboard stayed after a sale";

    bool forText = false;
    bool forAmount = true;
    OnNextModal("Paramètres", [&](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QLineEdit*>("txtInfo(1)"), Qt::LeftButton);
        forText = WaitUntil(KeyboardUp);
        SaveScreenshot("keyboard-settings");
        QTest::mouseClick(dialog.findChild<QLineEdit*>("txtInfo(5)"), Qt::LeftButton);
        forAmount = !WaitUntil([] { return !KeyboardUp(); });
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("cmdUndo"), Qt::LeftButton);
    });
    window->View().Fire([this] { Main().Click(Main()("mnuInfos")); });
    ProcessEvents();
    EXPECT_TRUE(forText) << "no keyboard for the shop's address";
    EXPECT_FALSE(forAmount) << "the keyboard stayed over the VAT rate's numeric pad";
}

// The option off: a tap on a text field brings no keyboard.
TEST_F(TouchTest, WithoutTheKeyboardOptionATapOnAFieldBringsNoKeyboard) {
    Tap(Shown("txtNote"));
    ProcessEvents();
    EXPECT_FALSE(KeyboardUp());
    EXPECT_EQ(QApplication::focusWidget(), Shown("txtNote"));
}

}  // namespace
}  // namespace vantor::test
