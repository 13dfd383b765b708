// What the user does on the widgets reaches the form, and the model stays the
// truth of what is shown afterwards.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <stdexcept>

#include "SampleForms.h"
#include "WidgetTesting.h"
#include "platform/qt/FormView.h"
#include "platform/qt/LongPress.h"

namespace vantor::test {
namespace {

using Log = std::vector<std::string>;

class FormEventsTest : public ::testing::Test {
protected:
    void SetUp() override { view.show(); }

    template <typename W>
    W* Find(const char* name) {
        W* widget = view.findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    SampleForm form;
    FormView view{form, kScale};
};

TEST_F(FormEventsTest, ALeftClickOnAButtonPressesThenClicks) {
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(form.log, (Log{"cmdOK MouseDown 1", "cmdOK Click"}));
}

TEST_F(FormEventsTest, ARightPressOnAButtonIsAMouseDownWithTheRightButton) {
    QTest::mousePress(Find<QPushButton>("cmdOK"), Qt::RightButton);
    QTest::mouseRelease(Find<QPushButton>("cmdOK"), Qt::RightButton);
    EXPECT_EQ(form.log, (Log{"cmdOK MouseDown 2"}));
}

// A finger held on a button is a right press; lifted, it still clicks unless
// the right press opened something (the till's pop-ups are checked in the
// real-window test).
TEST_F(FormEventsTest, ALongPressIsAlsoARightPress) {
    QPushButton* ok = Find<QPushButton>("cmdOK");
    QTest::mousePress(ok, Qt::LeftButton);
    QTest::qWait(LongPress::kHoldMs + 150);
    QTest::mouseRelease(ok, Qt::LeftButton);
    EXPECT_EQ(form.log, (Log{"cmdOK MouseDown 1", "cmdOK MouseDown 2", "cmdOK Click"}));

    form.log.clear();
    QTest::mousePress(ok, Qt::LeftButton);
    QTest::qWait(LongPress::kHoldMs / 3);
    QTest::mouseRelease(ok, Qt::LeftButton);
    EXPECT_EQ(form.log, (Log{"cmdOK MouseDown 1", "cmdOK Click"}));
}

TEST_F(FormEventsTest, TheFocusGoesWhereTheModelPutsIt) {
    QLineEdit* note = Find<QLineEdit>("txtNote");
    form("txtNote").text = "abc";
    view.Sync();
    EXPECT_NE(view.window()->focusWidget(), note) << "nothing has the focus at the start";
    form("cmdOK").onClick = [this] { form.SetFocus(form("txtNote")); };
    for (int round = 0; round < 2; ++round) {
        Find<QComboBox>("cmbTVA")->setFocus();
        QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(view.window()->focusWidget(), note) << "round " << round;
        EXPECT_EQ(note->selectedText(), "abc");
    }
}

TEST_F(FormEventsTest, ADisabledButtonReportsNothing) {
    form("cmdOK").enabled = false;
    view.Sync();
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(FormEventsTest, AClickOnALabelReachesItsHandler) {
    QTest::mouseClick(Find<QLabel>("lblTotal"), Qt::LeftButton);
    EXPECT_EQ(form.log, (Log{"lblTotal MouseDown 1", "lblTotal Click"}));
}

TEST_F(FormEventsTest, AHandlerChangeShowsWithoutAnExplicitSync) {
    form("cmdOK").onClick = [this] {
        form("lblTotal").caption = "Total : 12.00";
        form("cmdOK").enabled = false;
    };
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>("lblTotal")->text(), "Total : 12.00");
    EXPECT_FALSE(Find<QPushButton>("cmdOK")->isEnabled());
}

TEST_F(FormEventsTest, AHandlerChangingAnotherFormUpdatesThatFormsView) {
    SampleForm other;
    FormView otherView(other, kScale);
    form("cmdOK").onClick = [&other] { other("lblTotal").caption = "Changé ailleurs"; };
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(otherView.findChild<QLabel*>("lblTotal")->text(), "Changé ailleurs");
}

TEST_F(FormEventsTest, AHandlerAddingButtonsGetsThemShown) {
    form("cmdOK").onClick = [this] {
        Control& table = form.Add(ControlKind::Button, "cmdTable", 1);
        table.caption = "Table 1";
        table.width = 900;
        table.height = 500;
    };
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
    ASSERT_NE(view.findChild<QPushButton*>("cmdTable(1)"), nullptr);
    EXPECT_TRUE(view.findChild<QPushButton*>("cmdTable(1)")->isVisible());
}

TEST_F(FormEventsTest, AButtonRemovedByItsOwnHandlerIsDeletedSafelyAfterwards) {
    form("cmdOK").onClick = [this] { form.Remove("cmdOK", -1); };
    QPointer<QPushButton> ok = Find<QPushButton>("cmdOK");
    QTest::mouseClick(ok.data(), Qt::LeftButton);
    ProcessEvents();
    EXPECT_TRUE(ok.isNull());
}

TEST_F(FormEventsTest, OptionButtonsShowWhatTheModelDecides) {
    QRadioButton* totaux = Find<QRadioButton>("optMode(1)");
    totaux->click();
    EXPECT_EQ(form.log, (Log{"optMode(1) Click"}));
    EXPECT_EQ(form("optMode", 1).value, 1);
    EXPECT_FALSE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_TRUE(totaux->isChecked());

    // A handler that refuses the change puts the first option back.
    form("optMode", 2).onClick = [this] {
        form("optMode", 2).value = 0;
        form("optMode", 0).value = 1;
    };
    Find<QRadioButton>("optMode(2)")->click();
    EXPECT_TRUE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optMode(1)")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optMode(2)")->isChecked());
}

TEST_F(FormEventsTest, ClickingTheSelectedOptionLeavesItSelected) {
    Find<QRadioButton>("optMode(0)")->click();
    EXPECT_TRUE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_EQ(form("optMode", 0).value, 1);
}

TEST_F(FormEventsTest, ACheckBoxTogglesThroughTheModel) {
    QCheckBox* check = Find<QCheckBox>("chkQR");
    check->click();
    EXPECT_EQ(form("chkQR").value, 1);
    EXPECT_TRUE(check->isChecked());
    form("chkQR").onClick = [this] { form("chkQR").value = 0; };
    check->click();
    check->click();
    EXPECT_FALSE(check->isChecked());
}

TEST_F(FormEventsTest, AComboChoiceIsAChoose) {
    QComboBox* combo = Find<QComboBox>("cmbTVA");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form("cmbTVA").listIndex, 0);
    EXPECT_EQ(form("cmbTVA").text, "sans TVA");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form("cmbTVA").listIndex, 1);
    EXPECT_EQ(form.log, (Log{"cmbTVA Click", "cmbTVA Click"}));
}

TEST_F(FormEventsTest, AClickOnAListLineIsAChoose) {
    QListWidget* list = Find<QListWidget>("lstTicket");
    const QPoint line = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    EXPECT_EQ(form("lstTicket").listIndex, 1);
    EXPECT_EQ(form.log, (Log{"lstTicket Click"}));
}

TEST_F(FormEventsTest, AListSelectionUndoneByTheModelIsUndoneOnScreen) {
    form("lstTicket").onClick = [this] { form("lstTicket").listIndex = -1; };
    QListWidget* list = Find<QListWidget>("lstTicket");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(list->currentRow(), -1);
}

TEST_F(FormEventsTest, TypingSetsTheTextWithinItsLimit) {
    QLineEdit* edit = Find<QLineEdit>("txtNote");
    QTest::keyClicks(edit, "Merci!");
    EXPECT_EQ(form("txtNote").text, "Merci");
    EXPECT_EQ(form.log.size(), 5u);
    EXPECT_EQ(form.log.back(), "txtNote Change");
}

TEST_F(FormEventsTest, TextChangedByTheHandlerIsShown) {
    form("txtNote").onChange = [this] {
        form("txtNote").text = Find<QLineEdit>("txtNote")->text().toUpper().toStdString();
    };
    QTest::keyClicks(Find<QLineEdit>("txtNote"), "ab");
    EXPECT_EQ(Find<QLineEdit>("txtNote")->text(), "AB");
}

TEST_F(FormEventsTest, MovingTheScrollBarSetsTheValue) {
    QScrollBar* scroll = Find<QScrollBar>("Scroll");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the arrow
    EXPECT_EQ(form("Scroll").value, 1300);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the track
    EXPECT_EQ(form("Scroll").value, 3900);
    EXPECT_EQ(form.log, (Log{"Scroll Change", "Scroll Change"}));
}

TEST_F(FormEventsTest, ChangingTheDateSetsIt) {
    QDateEdit* picker = Find<QDateEdit>("DTPicker1");
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(form("DTPicker1").date, (Date{2026, 12, 7}));
    EXPECT_EQ(form.log, (Log{"DTPicker1 Change"}));
}

TEST_F(FormEventsTest, EventsOfAClosedFormAreIgnored) {
    form.Close();
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(form.log.empty());
}

TEST_F(FormEventsTest, AFailingHandlerIsReportedAndTheViewGoesOn) {
    const std::vector<std::pair<std::function<void()>, QString>> failures = {
        {[] { throw std::runtime_error("Disque plein"); }, "Disque plein"},
        {[] { throw 42; }, "Erreur inattendue : l'opération n'a pas pu aller à son terme."},
    };
    for (const auto& [fail, message] : failures) {
        form("cmdOK").onClick = [this, fail = fail, message = message] {
            form("lblTotal").caption = "avant : " + message.toStdString();
            fail();
        };
        QString shown;
        OnNextModal([&shown](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            EXPECT_EQ(box->icon(), QMessageBox::Critical);
            box->accept();
        });
        QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(shown, message);
        EXPECT_EQ(Find<QLabel>("lblTotal")->text(), "avant : " + message);
    }
}

}  // namespace
}  // namespace vantor::test
