// How a FormView shows the model (one widget per control, the control's
// properties on the widget, what a sync changes) and how what the user does on
// the widgets reaches the form, the model staying the truth of what is shown.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
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
#include "platform/qt/TillButton.h"
#include "support/ExpectedFile.h"

namespace vantor::test {
namespace {

using Log = std::vector<std::string>;

// A property as shown in Shown(): texts quoted, flags as numbers.
QString Text(const QVariant& value) {
    if (value.typeId() == QMetaType::QString) {
        return "\"" + value.toString() + "\"";
    }
    return value.toString().isEmpty() ? QString::number(value.toInt()) : value.toString();
}

// The form's title, then every control's widget, one a line: name, class,
// parent, place and size, font, and the properties it has among those the
// model sets (items of lists and combo boxes last).
std::string Shown(const QWidget& view) {
    static const char* const kProperties[] = {
        "text",  "title",   "toolTip",    "checked",        "currentIndex", "currentRow",
        "value", "maximum", "singleStep", "pageStep",       "maxLength",    "alignment",
        "date",  "enabled", "visible",    "placeholderText"};
    QString shown = view.windowTitle() + "\n";
    for (const QWidget* widget : view.findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_")) {
            continue;
        }
        const QRect place = widget->geometry();
        shown += QString("%1 %2 in %3 at %4,%5 %6x%7 %8px%9")
                     .arg(widget->objectName(), widget->metaObject()->className(),
                          widget->parentWidget()->objectName())
                     .arg(place.x())
                     .arg(place.y())
                     .arg(place.width())
                     .arg(place.height())
                     .arg(widget->font().pixelSize())
                     .arg(widget->font().bold() ? " bold" : "");
        for (const char* name : kProperties) {
            if (const QVariant value = widget->property(name); value.isValid()) {
                shown += QString(" %1=%2").arg(name, Text(value));
            }
        }
        if (auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                shown += " | " + combo->itemText(i);
            }
        }
        if (auto* list = qobject_cast<const QListWidget*>(widget)) {
            for (int i = 0; i < list->count(); ++i) {
                shown += " | " + list->item(i)->text();
            }
        }
        shown += "\n";
    }
    return shown.toStdString();
}

class FormViewTest : public ::testing::Test {
protected:
    void SetUp() override { view.show(); }

    // The control's widget, which must be of this type.
    template <typename W>
    W& Widget(const char* name) {
        W* widget = view.findChild<W*>(name);
        if (widget == nullptr) {
            throw std::runtime_error(std::string("no widget of this type for ") + name);
        }
        return *widget;
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

// Each control's widget shown as designed: geometry and font in pixels (15
// twips each), texts without mnemonics on labels, options in their frame.
TEST_F(FormViewTest, EachControlIsShownAsDesigned) {
    EXPECT_EXPECTED("form-designed.txt", Shown(view));
    EXPECT_EQ(PixelAt(Widget<QPushButton>("cmdOK"), 5, 5), QColor(128, 255, 255));
    QLabel& label = Widget<QLabel>("lblTotal");
    EXPECT_EQ(PixelAt(label, label.width() - 2, label.height() - 2), QColor(255, 192, 128));
    EXPECT_TRUE(QFontInfo(Widget<QListWidget>("lstTicket").font()).fixedPitch());
}

// The program's own changes are shown, and never reported back as events.
TEST_F(FormViewTest, SyncCopiesWhatTheModelChangedWithoutEvents) {
    Control& ok = form("cmdOK");
    ok.caption = "Annuler";
    ok.backColor = kOrange;
    ok.fontBold = false;
    ok.toolTip = "2.50";
    ok.Move(2400, 600);
    form("lblTotal").visible = false;
    form("lblTotal").alignment = vbRightJustify;
    form("txtNote").enabled = false;
    form("txtNote").text = "abc";
    form("txtNote").alignment = vbRightJustify;
    form("Scroll").value = 2600;
    form("optMode", 0).value = 0;
    form("optMode", 2).value = 1;
    form("chkQR").value = 1;
    form("DTPicker1").date = Date{2027, 1, 31};
    form("cmbTVA").listIndex = 1;
    form("lstTicket").listIndex = 2;
    form("lstTicket").AddItem("3 Bière");  // a growing list keeps its lines
    form.caption = "Autre titre";
    view.Sync();
    const std::string synced = Shown(view);
    EXPECT_EQ(PixelAt(Widget<QPushButton>("cmdOK"), 5, 5), QColor(255, 192, 128));
    EXPECT_EQ(Widget<TillButton>("cmdOK").SecondLine(), "2.50") << "a price goes on the face";

    form("cmbTVA").listIndex = -1;
    form("cmbTVA").text = "Choisir";
    form("lstTicket").Clear();  // a replaced list is refilled
    form("lstTicket").AddItem("Rapport");
    view.Sync();
    EXPECT_EXPECTED("form-synced.txt", synced + "--\n" + Shown(view));
    EXPECT_EQ(form.log, Log{});
}

// A frame's etched border: a dark line with a light one inside it on every
// side, the top ones through the middle of the caption, nothing thicker.
TEST_F(FormViewTest, AFrameHasAnEtchedBorder) {
    QGroupBox& frame = Widget<QGroupBox>("fraMode");
    const QImage drawn = frame.grab().toImage();
    const QColor dark = frame.palette().color(QPalette::Mid);
    const QColor light = frame.palette().color(QPalette::Light);
    const QColor inside = drawn.pixelColor(drawn.width() / 2, drawn.height() / 2);
    ASSERT_NE(inside, dark);
    ASSERT_NE(inside, light);
    const int w = drawn.width();
    const int h = drawn.height();
    const int top = QFontMetrics(frame.font()).height() / 2;
    struct Pixel {
        int x;
        int y;
        QColor color;
    };
    // The middle and both ends of each line, and what lies just inside.
    for (const Pixel& pixel :
         {Pixel{w / 2, top, dark},      Pixel{0, top, dark},         Pixel{w - 2, top, dark},
          Pixel{w / 2, top + 1, light}, Pixel{1, top + 1, light},    Pixel{w - 1, top + 1, light},
          Pixel{w / 2, h - 2, dark},    Pixel{0, h - 2, dark},       Pixel{w - 2, h - 2, dark},
          Pixel{w / 2, h - 1, light},   Pixel{1, h - 1, light},      Pixel{w - 1, h - 1, light},
          Pixel{0, h / 2, dark},        Pixel{0, top + 1, dark},     Pixel{0, h - 3, dark},
          Pixel{1, h / 2, light},       Pixel{1, top + 2, light},    Pixel{1, h - 2, light},
          Pixel{w - 2, h / 2, dark},    Pixel{w - 2, h - 3, dark},   Pixel{w - 1, h / 2, light},
          Pixel{w - 1, top + 2, light}, Pixel{w - 1, h - 2, light},  Pixel{w / 2, top + 2, inside},
          Pixel{2, h / 2, inside},      Pixel{w - 3, h / 2, inside}, Pixel{w / 2, h - 3, inside}}) {
        EXPECT_EQ(drawn.pixelColor(pixel.x, pixel.y), pixel.color) << pixel.x << ", " << pixel.y;
    }
}

// Only a tool tip that is an amount goes onto the button's face.
TEST(TillButtonText, AmountsAreToldFromOtherToolTips) {
    struct Row {
        const char* tip;
        bool amount;
    };
    for (const Row& row :
         {Row{"2.50", true}, Row{"12", true}, Row{"Total              €     7.00", true},
          Row{" -3.20 CHF ", true}, Row{"12.", true}, Row{"4.50 EUR", true},
          Row{"Imprimer ticket", false}, Row{"Bon Cuisine", false}, Row{"", false},
          Row{"2.50 le verre de 25 cl", false}, Row{"4.50 EURO", false}, Row{"1.2.3", false},
          Row{"12 x 3", false}, Row{"12. EUR", false}}) {
        EXPECT_EQ(IsAmountText(QString::fromUtf8(row.tip)), row.amount) << row.tip;
    }
}

TEST_F(FormViewTest, ControlsAddedRemovedOrReplacedAfterTheDesign) {
    QPointer<QLabel> label = &Widget<QLabel>("lblTotal");
    QPointer<QPushButton> ok = &Widget<QPushButton>("cmdOK");
    Place(form.Add(ControlKind::Button, "cmdNew", -1, &form("fraMode")), 0, 0, 900, 300).caption =
        "Nouveau";
    form.Remove("cmdOK", -1);
    form.Add(ControlKind::Label, "cmdOK").caption = "Étiquette";
    // An array element made after the array, in a frame made after it too: it
    // comes right after the first element in the control order, before its frame.
    Place(form.Add(ControlKind::Button, "cmdTable", 0), 0, 0, 900, 400);
    Place(form.Add(ControlKind::Frame, "fraTables"), 4500, 4500, 3000, 1000);
    Place(form.Add(ControlKind::Button, "cmdTable", 1, &form("fraTables")), 150, 300, 900, 400);
    view.Sync();
    ProcessEvents();
    EXPECT_EQ(&Widget<QLabel>("lblTotal"), label.data()) << "a kept control keeps its widget";
    EXPECT_TRUE(ok.isNull()) << "a removed control loses its widget";
    EXPECT_EXPECTED("form-changed.txt", Shown(view));
}

TEST(FormViewHidden, AControlHiddenFromTheStartAppearsWithItsCurrentProperties) {
    SampleForm form;
    form("fraMode").visible = false;
    form("cmdOK").visible = false;
    FormView view(form, kScale);
    view.show();
    form("cmdOK").caption = "Plus tard";
    form("optMode", 1).caption = "Rapports";
    view.Sync();
    QPushButton* ok = view.findChild<QPushButton*>("cmdOK");
    EXPECT_TRUE(ok == nullptr || !ok->isVisible());
    form("cmdOK").visible = true;
    form("fraMode").visible = true;
    view.Sync();
    EXPECT_EXPECTED("form-shown-late.txt", Shown(view));
}

// Not on a disabled button, nor on a closed form.
TEST_F(FormViewTest, MouseButtonsReachTheHandlers) {
    QPushButton* ok = &Widget<QPushButton>("cmdOK");
    EXPECT_EQ(Logged([ok] { QTest::mouseClick(ok, Qt::LeftButton); }),
              (Log{"cmdOK MouseDown 1", "cmdOK Click"}));
    EXPECT_EQ(Logged([ok] {
                  QTest::mousePress(ok, Qt::RightButton);
                  QTest::mouseRelease(ok, Qt::RightButton);
              }),
              (Log{"cmdOK MouseDown 2"}));
    EXPECT_EQ(Logged([this] { QTest::mouseClick(&Widget<QLabel>("lblTotal"), Qt::LeftButton); }),
              (Log{"lblTotal MouseDown 1", "lblTotal Click"}));
    form("cmdOK").enabled = false;
    view.Sync();
    EXPECT_EQ(Logged([ok] { QTest::mouseClick(ok, Qt::LeftButton); }), Log{}) << "disabled";
    form("cmdOK").enabled = true;
    view.Sync();
    form.Close();
    EXPECT_EQ(Logged([ok] { QTest::mouseClick(ok, Qt::LeftButton); }), Log{}) << "closed";
}

// A finger held on a button is a right press; lifted, it still clicks unless
// the right press opened something (the till's pop-ups are checked in the
// real-window test).
TEST_F(FormViewTest, ALongPressIsAlsoARightPress) {
    QPushButton* ok = &Widget<QPushButton>("cmdOK");
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

TEST_F(FormViewTest, TheFocusGoesWhereTheModelPutsIt) {
    QLineEdit* note = &Widget<QLineEdit>("txtNote");
    form("txtNote").text = "abc";
    view.Sync();
    EXPECT_NE(view.window()->focusWidget(), note) << "nothing has the focus at the start";
    form("cmdOK").onClick = [this] { form.SetFocus(form("txtNote")); };
    for (int round = 0; round < 2; ++round) {
        Widget<QComboBox>("cmbTVA").setFocus();
        QTest::mouseClick(&Widget<QPushButton>("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(view.window()->focusWidget(), note) << "round " << round;
        EXPECT_EQ(note->selectedText(), "abc");
    }
}

// Without an explicit sync: on this form, on another form's view, new
// controls, and the clicked button removed by its own handler.
TEST_F(FormViewTest, WhatAHandlerChangesIsShownAtOnce) {
    SampleForm other;
    FormView otherView(other, kScale);
    form("cmdOK").onClick = [this, &other] {
        form("lblTotal").caption = "Total : 12.00";
        other("lblTotal").caption = "Changé ailleurs";
        Place(form.Add(ControlKind::Button, "cmdTable", 1), 0, 0, 900, 500);
        form.Remove("cmdOK", -1);
    };
    QPointer<QPushButton> ok = &Widget<QPushButton>("cmdOK");
    QTest::mouseClick(ok.data(), Qt::LeftButton);
    EXPECT_EQ(Widget<QLabel>("lblTotal").text(), "Total : 12.00");
    EXPECT_EQ(otherView.findChild<QLabel*>("lblTotal")->text(), "Changé ailleurs");
    ASSERT_NE(view.findChild<QPushButton*>("cmdTable(1)"), nullptr);
    EXPECT_TRUE(view.findChild<QPushButton*>("cmdTable(1)")->isVisible());
    ProcessEvents();
    EXPECT_TRUE(ok.isNull());
}

TEST_F(FormViewTest, OptionsAndCheckBoxesShowWhatTheModelDecides) {
    QRadioButton* totaux = &Widget<QRadioButton>("optMode(1)");
    EXPECT_EQ(Logged([totaux] { totaux->click(); }), (Log{"optMode(1) Click"}));
    EXPECT_EQ(form("optMode", 1).value, 1);
    EXPECT_FALSE(Widget<QRadioButton>("optMode(0)").isChecked());
    EXPECT_TRUE(totaux->isChecked());
    totaux->click();
    EXPECT_TRUE(totaux->isChecked()) << "the selected option stays selected";
    EXPECT_EQ(form("optMode", 1).value, 1);

    // A handler that refuses the change puts the first option back.
    form("optMode", 2).onClick = [this] {
        form("optMode", 2).value = 0;
        form("optMode", 0).value = 1;
    };
    Widget<QRadioButton>("optMode(2)").click();
    EXPECT_TRUE(Widget<QRadioButton>("optMode(0)").isChecked());
    EXPECT_FALSE(totaux->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>("optMode(2)").isChecked());

    QCheckBox* check = &Widget<QCheckBox>("chkQR");
    check->click();
    EXPECT_EQ(form("chkQR").value, 1);
    EXPECT_TRUE(check->isChecked());
    form("chkQR").onClick = [this] { form("chkQR").value = 0; };
    check->click();
    check->click();
    EXPECT_FALSE(check->isChecked());
}

TEST_F(FormViewTest, AChoiceInAComboOrAListIsAChoose) {
    QComboBox* combo = &Widget<QComboBox>("cmbTVA");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form("cmbTVA").listIndex, 0);
    EXPECT_EQ(form("cmbTVA").text, "sans TVA");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form("cmbTVA").listIndex, 1);

    QListWidget* list = &Widget<QListWidget>("lstTicket");
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

TEST_F(FormViewTest, TypingSetsTheTextWithinItsLimitAndShowsTheHandlersText) {
    QLineEdit* edit = &Widget<QLineEdit>("txtNote");
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

TEST_F(FormViewTest, TheScrollBarAndTheDatePickerSetTheirValues) {
    QScrollBar* scroll = &Widget<QScrollBar>("Scroll");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the arrow
    EXPECT_EQ(form("Scroll").value, 1300);
    scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);  // the track
    EXPECT_EQ(form("Scroll").value, 3900);

    QDateEdit* picker = &Widget<QDateEdit>("DTPicker1");
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(form("DTPicker1").date, (Date{2026, 12, 7}));
    EXPECT_EQ(form.log, (Log{"Scroll Change", "Scroll Change", "DTPicker1 Change"}));
}

TEST_F(FormViewTest, AFailingHandlerIsReportedAndTheViewGoesOn) {
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
        QTest::mouseClick(&Widget<QPushButton>("cmdOK"), Qt::LeftButton);
        EXPECT_EQ(shown, message);
        EXPECT_EQ(Widget<QLabel>("lblTotal").text(), "avant : " + message);
    }
}

}  // namespace
}  // namespace vantor::test
