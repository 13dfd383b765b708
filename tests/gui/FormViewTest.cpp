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
#include "gui/FormView.h"
#include "gui/LongPress.h"
#include "gui/TillButton.h"
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

// What the user can change, as the model holds it: one control a line.
std::string ModelValues(const Form& form) {
    std::string values;
    for (const Control* control : form.Controls()) {
        const Date& date = control->date;
        values += control->name +
                  (control->index < 0 ? "" : "(" + std::to_string(control->index) + ")") +
                  " value=" + std::to_string(control->value) +
                  " listIndex=" + std::to_string(control->listIndex) + " text=\"" + control->text +
                  "\" date=" +
                  QDate(date.year, date.month, date.day).toString(Qt::ISODate).toStdString() + "\n";
    }
    return values;
}

// The lines of `after` that `before` does not have, each after the mark.
std::string NewLines(const std::string& before, const std::string& after, const char* mark) {
    const QStringList old = QString::fromStdString(before).split('\n');
    std::string added;
    for (const QString& line : QString::fromStdString(after).split('\n', Qt::SkipEmptyParts)) {
        if (!old.contains(line)) {
            added += mark + line.toStdString() + "\n";
        }
    }
    return added;
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
    // Does one step of the user and adds it to the transcript.
    void Step(const std::string& name, const std::function<void()>& action) {
        const std::string model = ModelValues(form);
        const std::string shown = Shown(view);
        form.log.clear();
        action();
        transcript += "> " + name + "\n" + Joined(form.log) +
                      NewLines(model, ModelValues(form), "= ") + NewLines(shown, Shown(view), "~ ");
    }

    SampleForm form;
    FormView view{form, kScale};
    std::string transcript;
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
// side, the top ones through the middle of the caption, nothing thicker. The
// pixels at both ends and the middle of each side: D dark, L light, . inside.
TEST_F(FormViewTest, AFrameHasAnEtchedBorder) {
    QGroupBox& frame = Widget<QGroupBox>("fraMode");
    const QImage drawn = frame.grab().toImage();
    const int w = drawn.width();
    const int h = drawn.height();
    const int top = QFontMetrics(frame.font()).height() / 2;
    const QColor inside = drawn.pixelColor(w / 2, h / 2);
    std::string picture;
    for (const int y : {top, top + 1, top + 2, h / 2, h - 3, h - 2, h - 1}) {
        for (const int x : {0, 1, 2, w / 2, w - 3, w - 2, w - 1}) {
            const QColor pixel = drawn.pixelColor(x, y);
            picture += pixel == frame.palette().color(QPalette::Mid)     ? 'D'
                       : pixel == frame.palette().color(QPalette::Light) ? 'L'
                       : pixel == inside                                 ? '.'
                                                                         : '?';
        }
        picture += '\n';
    }
    EXPECT_EQ(picture,
              "DDDDDD.\n"  // through the middle of the caption
              "DLLLLLL\n"
              "DL...DL\n"
              "DL...DL\n"
              "DL...DL\n"
              "DLDDDDL\n"
              ".LLLLLL\n");
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

// What the user does, one step after the other on the same form, in
// form-used.txt: each step's name, the lines its handlers logged, then the
// model values ("= ") and the widgets ("~ ") it changed. Mouse buttons (not on
// a disabled button nor a closed form), a long press that is also a right
// press, options and check boxes whose handler may refuse the change, a combo
// box and a list, typing within the limit, the scroll bar and the date picker.
TEST_F(FormViewTest, WhatTheUserDoesReachesTheFormWhichDecidesWhatIsShown) {
    QPushButton* ok = &Widget<QPushButton>("cmdOK");
    auto hold = [ok](int ms) {
        QTest::mousePress(ok, Qt::LeftButton);
        QTest::qWait(ms);
        QTest::mouseRelease(ok, Qt::LeftButton);
    };
    Step("click OK", [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    Step("right click OK", [ok] {
        QTest::mousePress(ok, Qt::RightButton);
        QTest::mouseRelease(ok, Qt::RightButton);
    });
    Step("long press OK", [&hold] { hold(LongPress::kHoldMs + 150); });
    Step("short press OK", [&hold] { hold(LongPress::kHoldMs / 3); });
    Step("click the label",
         [this] { QTest::mouseClick(&Widget<QLabel>("lblTotal"), Qt::LeftButton); });
    Step("click OK disabled", [this, ok] {
        form("cmdOK").enabled = false;
        view.Sync();
        QTest::mouseClick(ok, Qt::LeftButton);
    });

    QRadioButton* totaux = &Widget<QRadioButton>("optMode(1)");
    Step("click Totaux", [totaux] { totaux->click(); });
    Step("click Totaux again", [totaux] { totaux->click(); });
    form("optMode", 2).onClick = [this] {  // refuses: the first option back
        form("optMode", 2).value = 0;
        form("optMode", 0).value = 1;
    };
    Step("click Compta, refused", [this] { Widget<QRadioButton>("optMode(2)").click(); });
    QCheckBox* check = &Widget<QCheckBox>("chkQR");
    Step("check QR", [check] { check->click(); });
    form("chkQR").onClick = [this] { form("chkQR").value = 0; };
    Step("uncheck QR, kept unchecked", [check] { check->click(); });
    Step("check QR, refused", [check] { check->click(); });

    QComboBox* combo = &Widget<QComboBox>("cmbTVA");
    combo->setFocus();
    Step("Down in the combo", [combo] { QTest::keyClick(combo, Qt::Key_Down); });
    Step("Down in the combo", [combo] { QTest::keyClick(combo, Qt::Key_Down); });
    QListWidget* list = &Widget<QListWidget>("lstTicket");
    auto clickLine = [list](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    };
    Step("click line 1", [&clickLine] { clickLine(1); });
    form("lstTicket").onClick = [this] { form("lstTicket").listIndex = -1; };
    Step("click line 2, refused", [&clickLine] { clickLine(2); });

    QLineEdit* edit = &Widget<QLineEdit>("txtNote");
    Step("type Merci!", [edit] { QTest::keyClicks(edit, "Merci!"); });
    form("txtNote").onChange = [this, edit] {
        form("txtNote").text = edit->text().toUpper().toStdString();
    };
    Step("clear, type ab, upper-cased", [edit] {
        edit->clear();
        QTest::keyClicks(edit, "ab");
    });

    QScrollBar* scroll = &Widget<QScrollBar>("Scroll");
    Step("scroll bar arrow",
         [scroll] { scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd); });
    Step("scroll bar track",
         [scroll] { scroll->triggerAction(QAbstractSlider::SliderPageStepAdd); });
    QDateEdit* picker = &Widget<QDateEdit>("DTPicker1");
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    Step("Up on the day", [picker] { QTest::keyClick(picker, Qt::Key_Up); });
    Step("click OK on a closed form", [this, ok] {
        form("cmdOK").enabled = true;
        view.Sync();
        form.Close();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EXPECTED("form-used.txt", transcript);
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
