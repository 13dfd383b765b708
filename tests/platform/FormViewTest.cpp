// How a FormView shows the model: one widget per control, the control's
// properties on the widget, and what a sync changes.
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
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "SampleForms.h"
#include "WidgetTesting.h"
#include "platform/qt/FormView.h"
#include "platform/qt/TillButton.h"

namespace vantor::test {
namespace {

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

    SampleForm form;
    FormView view{form, kScale};
};

TEST_F(FormViewTest, EachControlIsShownAsDesigned) {
    QPushButton& ok = Widget<QPushButton>("cmdOK");
    EXPECT_EQ(ok.text(), "&OK");
    EXPECT_EQ(ok.geometry(), QRect(80, 20, 100, 60));  // 1200,300 1500x900 twips
    EXPECT_TRUE(ok.font().bold());
    EXPECT_EQ(ok.font().pixelSize(), 16);  // 12 pt = 240 twips
    EXPECT_EQ(ok.toolTip(), "Valider");
    EXPECT_EQ(PixelAt(ok, 5, 5), QColor(128, 255, 255));

    QLabel& label = Widget<QLabel>("lblTotal");
    EXPECT_EQ(label.text(), "Total & TVA") << "a label has no mnemonic";
    EXPECT_EQ(PixelAt(label, label.width() - 2, label.height() - 2), QColor(255, 192, 128));

    QRadioButton& option = Widget<QRadioButton>("optMode(1)");
    EXPECT_EQ(Widget<QGroupBox>("fraMode").title(), "Mode");
    EXPECT_EQ(option.parentWidget(), &Widget<QGroupBox>("fraMode"));
    // 150, 300 twips inside the frame: the first row, the rows below give way to it
    EXPECT_EQ(Widget<QRadioButton>("optMode(0)").pos(), QPoint(10, 20));
    EXPECT_TRUE(Widget<QRadioButton>("optMode(0)").isChecked());
    EXPECT_FALSE(option.isChecked());
    EXPECT_FALSE(Widget<QCheckBox>("chkQR").isChecked());

    QComboBox& combo = Widget<QComboBox>("cmbTVA");
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), "à emporter");
    EXPECT_EQ(combo.currentIndex(), -1);
    QListWidget& list = Widget<QListWidget>("lstTicket");
    EXPECT_EQ(list.count(), 3);
    EXPECT_TRUE(QFontInfo(list.font()).fixedPitch());

    EXPECT_EQ(Widget<QLineEdit>("txtNote").maxLength(), 5);
    QScrollBar& scroll = Widget<QScrollBar>("Scroll");
    EXPECT_EQ(std::vector<int>({scroll.maximum(), scroll.singleStep(), scroll.pageStep()}),
              std::vector<int>({7800, 1300, 2600}));
    EXPECT_EQ(Widget<QDateEdit>("DTPicker1").text(), "06.12.2026");
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
    form.caption = "Autre titre";
    view.Sync();

    QPushButton& button = Widget<QPushButton>("cmdOK");
    EXPECT_EQ(button.text(), "Annuler");
    EXPECT_FALSE(button.font().bold());
    EXPECT_EQ(button.pos(), QPoint(160, 40));
    EXPECT_EQ(PixelAt(button, 5, 5), QColor(255, 192, 128));
    EXPECT_EQ(Widget<TillButton>("cmdOK").SecondLine(), "2.50") << "a price goes on the face";
    EXPECT_FALSE(Widget<QLabel>("lblTotal").isVisible());
    EXPECT_TRUE(Widget<QLabel>("lblTotal").alignment() & Qt::AlignRight);
    QLineEdit& note = Widget<QLineEdit>("txtNote");
    EXPECT_FALSE(note.isEnabled());
    EXPECT_EQ(note.text(), "abc");
    EXPECT_TRUE(note.alignment() & Qt::AlignRight);
    EXPECT_EQ(Widget<QScrollBar>("Scroll").value(), 2600);
    EXPECT_FALSE(Widget<QRadioButton>("optMode(0)").isChecked());
    EXPECT_TRUE(Widget<QRadioButton>("optMode(2)").isChecked());
    EXPECT_TRUE(Widget<QCheckBox>("chkQR").isChecked());
    EXPECT_EQ(Widget<QDateEdit>("DTPicker1").date(), QDate(2027, 1, 31));
    EXPECT_EQ(Widget<QComboBox>("cmbTVA").currentIndex(), 1);
    EXPECT_EQ(Widget<QListWidget>("lstTicket").currentRow(), 2);
    EXPECT_EQ(view.windowTitle(), "Autre titre");
    EXPECT_EQ(form.log, std::vector<std::string>{});

    form("cmbTVA").listIndex = -1;
    form("cmbTVA").text = "Choisir";
    view.Sync();
    EXPECT_EQ(Widget<QComboBox>("cmbTVA").currentIndex(), -1);
    EXPECT_EQ(Widget<QComboBox>("cmbTVA").placeholderText(), "Choisir");
}

// Only a tool tip that is an amount goes onto the button's face.
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

TEST_F(FormViewTest, AGrowingListKeepsItsLinesAndAReplacedOneIsRefilled) {
    Control& list = form("lstTicket");
    list.AddItem("3 Bière");
    view.Sync();
    QListWidget& widget = Widget<QListWidget>("lstTicket");
    ASSERT_EQ(widget.count(), 4);
    EXPECT_EQ(widget.item(3)->text(), "3 Bière");
    list.Clear();
    list.AddItem("Rapport");
    view.Sync();
    ASSERT_EQ(widget.count(), 1);
    EXPECT_EQ(widget.item(0)->text(), "Rapport");
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

    EXPECT_EQ(Widget<QPushButton>("cmdNew").text(), "Nouveau");
    EXPECT_EQ(Widget<QPushButton>("cmdNew").parentWidget(), &Widget<QGroupBox>("fraMode"));
    EXPECT_TRUE(Widget<QPushButton>("cmdNew").isVisible());
    EXPECT_EQ(&Widget<QLabel>("lblTotal"), label.data()) << "a kept control keeps its widget";
    EXPECT_TRUE(ok.isNull()) << "a removed control loses its widget";
    EXPECT_EQ(Widget<QLabel>("cmdOK").text(), "Étiquette");
    QPushButton& inFrame = Widget<QPushButton>("cmdTable(1)");
    EXPECT_EQ(inFrame.parentWidget(), &Widget<QGroupBox>("fraTables"));
    EXPECT_EQ(inFrame.pos(), QPoint(10, 20));
    EXPECT_TRUE(inFrame.isVisible());
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
    ok = view.findChild<QPushButton*>("cmdOK");
    QRadioButton* option = view.findChild<QRadioButton*>("optMode(1)");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(option, nullptr);
    EXPECT_TRUE(ok->isVisible());
    EXPECT_EQ(ok->text(), "Plus tard");
    EXPECT_TRUE(option->isVisible());
    EXPECT_EQ(option->text(), "Rapports");
    EXPECT_EQ(option->parentWidget(), view.findChild<QGroupBox*>("fraMode"));
}

}  // namespace
}  // namespace vantor::test
