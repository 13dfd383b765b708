// Typing by finger (touch.sh runs these at several screen sizes): the numeric
// pad beside every amount and price field, the on-screen keyboard for every
// text field when the settings ask for it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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
    if (!WaitUntil([edit] { return NumericPad::Shown() && NumericPad::Shown()->Target() == edit; })) {
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

}  // namespace
}  // namespace vantor::test
