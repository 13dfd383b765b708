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
#include <QPointer>
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
    // The log of what the action made the form do.
    Log Logged(const std::function<void()>& action) {
        form.log.clear();
        action();
        return form.log;
    }

    SampleForm form;
    FormView view{form, kScale};
};

TEST_F(FormEventsTest, MouseButtonsReachTheHandlers) {
    QPushButton* ok = Find<QPushButton>("cmdOK");
    EXPECT_EQ(Logged([ok] { QTest::mouseClick(ok, Qt::LeftButton); }),
              (Log{"cmdOK MouseDown 1", "cmdOK Click"}));
    EXPECT_EQ(Logged([ok] {
                  QTest::mousePress(ok, Qt::RightButton);
                  QTest::mouseRelease(ok, Qt::RightButton);
              }),
              (Log{"cmdOK MouseDown 2"}));
    EXPECT_EQ(Logged([this] { QTest::mouseClick(Find<QLabel>("lblTotal"), Qt::LeftButton); }),
              (Log{"lblTotal MouseDown 1", "lblTotal Click"}));
    form("cmdOK").enabled = false;
    view.Sync();
    EXPECT_EQ(Logged([ok] { QTest::mouseClick(ok, Qt::LeftButton); }), Log{}) << "disabled";
}

// A finger held on a button is a right press; lifted, it still clicks unless
// the right press opened something (the till's pop-ups are checked in the
// real-window test).
TEST_F(FormEventsTest, ALongPressIsAlsoARightPress) {
    QPushButton* ok = Find<QPushButton>("cmdOK");
    auto hold = [ok](int ms) {
        QTest::mousePress(ok, Qt::LeftButton);
        QTest::qWait(ms);
        QTest::mouseRelease(ok, Qt::LeftButton);
    };
    EXPECT_EQ(Logged([&hold] { hold(LongPress::kHoldMs + 150); }),
              (Log{"cmdOK MouseDown 1", "cmdOK MouseDown 2", "cmdOK Click"}));
    EXPECT_EQ(Logged([&hold] { hold(LongPress::kHoldMs / 3); }),
              (Log{"cmdOK MouseDown 1", "cmdOK Click"}));
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

// Without an explicit sync: on this form, on another form's view, new
// controls, and the clicked button removed by its own handler.
TEST_F(FormEventsTest, WhatAHandlerChangesIsShownAtOnce) {
    SampleForm other;
    FormView otherView(other, kScale);
    form("cmdOK").onClick = [this, &other] {
        form("lblTotal").caption = "Total : 12.00";
        other("lblTotal").caption = "Changé ailleurs";
        Place(form.Add(ControlKind::Button, "cmdTable", 1), 0, 0, 900, 500);
        form.Remove("cmdOK", -1);
    };
    QPointer<QPushButton> ok = Find<QPushButton>("cmdOK");
    QTest::mouseClick(ok.data(), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>("lblTotal")->text(), "Total : 12.00");
    EXPECT_EQ(otherView.findChild<QLabel*>("lblTotal")->text(), "Changé ailleurs");
    ASSERT_NE(view.findChild<QPushButton*>("cmdTable(1)"), nullptr);
    EXPECT_TRUE(view.findChild<QPushButton*>("cmdTable(1)")->isVisible());
    ProcessEvents();
    EXPECT_TRUE(ok.isNull());
}

TEST_F(FormEventsTest, OptionsAndCheckBoxesShowWhatTheModelDecides) {
    QRadioButton* totaux = Find<QRadioButton>("optMode(1)");
    EXPECT_EQ(Logged([totaux] { totaux->click(); }), (Log{"optMode(1) Click"}));
    EXPECT_EQ(form("optMode", 1).value, 1);
    EXPECT_FALSE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_TRUE(totaux->isChecked());
    totaux->click();
    EXPECT_TRUE(totaux->isChecked()) << "the selected option stays selected";
    EXPECT_EQ(form("optMode", 1).value, 1);

    // A handler that refuses the change puts the first option back.
    form("optMode", 2).onClick = [this] {
        form("optMode", 2).value = 0;
        form("optMode", 0).value = 1;
    };
    Find<QRadioButton>("optMode(2)")->click();
    EXPECT_TRUE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_FALSE(totaux->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optMode(2)")->isChecked());

    QCheckBox* check = Find<QCheckBox>("chkQR");
    check->click();
    EXPECT_EQ(form("chkQR").value, 1);
    EXPECT_TRUE(check->isChecked());
    form("chkQR").onClick = [this] { form("chkQR").value = 0; };
    check->click();
    check->click();
    EXPECT_FALSE(check->isChecked());
}

TEST_F(FormEventsTest, AChoiceInAComboOrAListIsAChoose) {
    QComboBox* combo = Find<QComboBox>("cmbTVA");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form("cmbTVA").listIndex, 0);
    EXPECT_EQ(form("cmbTVA").text, "sans TVA");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form("cmbTVA").listIndex, 1);

    QListWidget* list = Find<QListWidget>("lstTicket");
    auto clickLine = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    clickLine(1);
    EXPECT_EQ(form("lstTicket").listIndex, 1);
    EXPECT_EQ(form.log, (Log{"cmbTVA Click", "cmbTVA Click", "lstTicket Click"}));
    // A selection the model undoes is undone on the screen.
    form("lstTicket").onClick = [this] { form("lstTicket").listIndex = -1; };
    clickLine(2);
    EXPECT_EQ(list->currentRow(), -1);
}

TEST_F(FormEventsTest, TypingSetsTheTextWithinItsLimitAndShowsTheHandlersText) {
    QLineEdit* edit = Find<QLineEdit>("txtNote");
    QTest::keyClicks(edit, "Merci!");
    EXPECT_EQ(form("txtNote").text, "Merci");
    EXPECT_EQ(form.log, Log(5, "txtNote Change"));

    edit->clear();
    form("txtNote").onChange = [this, edit] {
        form("txtNote").text = edit->text().toUpper().toStdString();
    };
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(edit->text(), "AB");
}

TEST_F(FormEventsTest, TheScrollBarAndTheDatePickerSetTheirValues) {
    QScrollBar* scroll = Find<QScrollBar>("Scroll");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the arrow
    EXPECT_EQ(form("Scroll").value, 1300);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the track
    EXPECT_EQ(form("Scroll").value, 3900);

    QDateEdit* picker = Find<QDateEdit>("DTPicker1");
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(form("DTPicker1").date, (Date{2026, 12, 7}));
    EXPECT_EQ(form.log, (Log{"Scroll Change", "Scroll Change", "DTPicker1 Change"}));
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
