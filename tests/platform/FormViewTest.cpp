// How a FormView shows the model: one widget per control, the control's
// properties on the widget, and what a sync changes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFontInfo>
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

    template <typename W>
    W* Find(const char* name) {
        return view.findChild<W*>(name);
    }

    SampleForm form;
    FormView view{form, kScale};
};

TEST_F(FormViewTest, EachControlKindGetsItsWidget) {
    EXPECT_NE(Find<QPushButton>("cmdOK"), nullptr);
    EXPECT_NE(Find<QLabel>("lblTotal"), nullptr);
    EXPECT_NE(Find<QGroupBox>("fraMode"), nullptr);
    EXPECT_NE(Find<QRadioButton>("optMode(2)"), nullptr);
    EXPECT_NE(Find<QCheckBox>("chkQR"), nullptr);
    EXPECT_NE(Find<QComboBox>("cmbTVA"), nullptr);
    EXPECT_NE(Find<QListWidget>("lstTicket"), nullptr);
    EXPECT_NE(Find<QLineEdit>("txtNote"), nullptr);
    EXPECT_NE(Find<QScrollBar>("Scroll"), nullptr);
    EXPECT_NE(Find<QDateEdit>("DTPicker1"), nullptr);
}

TEST_F(FormViewTest, ButtonShowsCaptionColourBoldTooltipAndScaledGeometry) {
    QPushButton* ok = Find<QPushButton>("cmdOK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "&OK");
    EXPECT_EQ(ok->geometry(), QRect(80, 20, 100, 60));  // 1200,300 1500x900 twips
    EXPECT_TRUE(ok->font().bold());
    EXPECT_EQ(ok->font().pixelSize(), 16);  // 12 pt = 240 twips
    EXPECT_EQ(ok->toolTip(), "Valider");
    EXPECT_EQ(PixelAt(*ok, 5, 5), QColor(128, 255, 255));
}

TEST_F(FormViewTest, LabelShowsColourAndCaptionWithoutMnemonic) {
    QLabel* label = Find<QLabel>("lblTotal");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Total & TVA");
    EXPECT_EQ(PixelAt(*label, label->width() - 2, label->height() - 2), QColor(255, 192, 128));
}

TEST_F(FormViewTest, ControlsInAFrameAreItsChildrenPlacedInsideIt) {
    QGroupBox* frame = Find<QGroupBox>("fraMode");
    // The first row: the rows below give way to its fingertip height.
    QRadioButton* option = Find<QRadioButton>("optMode(0)");
    ASSERT_NE(frame, nullptr);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(frame->title(), "Mode");
    EXPECT_EQ(option->parentWidget(), frame);
    EXPECT_EQ(option->pos(), QPoint(10, 20));  // 150, 300 twips
}

TEST_F(FormViewTest, AnArrayElementInAFrameMadeAfterTheArrayIsPlacedInIt) {
    // The element goes right after the first one in the control order, that
    // is before the frame that holds it.
    Control& first = form.Add(ControlKind::Button, "cmdTable", 0);
    first.width = 900;
    first.height = 400;
    Control& frame = form.Add(ControlKind::Frame, "fraTables");
    frame.Move(4500, 4500);
    frame.width = 3000;
    frame.height = 1000;
    Control& second = form.Add(ControlKind::Button, "cmdTable", 1, &frame);
    second.Move(150, 300);
    second.width = 900;
    second.height = 400;
    view.Sync();
    QPushButton* inFrame = Find<QPushButton>("cmdTable(1)");
    ASSERT_NE(inFrame, nullptr);
    EXPECT_EQ(inFrame->parentWidget(), Find<QGroupBox>("fraTables"));
    EXPECT_EQ(inFrame->pos(), QPoint(10, 20));
    EXPECT_TRUE(inFrame->isVisible());
}

TEST_F(FormViewTest, ListsShowTheirItemsAndSelection) {
    form("cmbTVA").listIndex = 1;
    form("lstTicket").listIndex = 2;
    view.Sync();
    QComboBox* combo = Find<QComboBox>("cmbTVA");
    QListWidget* list = Find<QListWidget>("lstTicket");
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(2), "à emporter");
    EXPECT_EQ(combo->currentIndex(), 1);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
}

TEST_F(FormViewTest, ComboWithoutSelectionShowsItsText) {
    form("cmbTVA").text = "Choisir";
    view.Sync();
    QComboBox* combo = Find<QComboBox>("cmbTVA");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), "Choisir");
}

TEST_F(FormViewTest, InputsShowTheirValues) {
    EXPECT_EQ(Find<QLineEdit>("txtNote")->maxLength(), 5);
    QScrollBar* scroll = Find<QScrollBar>("Scroll");
    EXPECT_EQ(scroll->maximum(), 7800);
    EXPECT_EQ(scroll->singleStep(), 1300);
    EXPECT_EQ(scroll->pageStep(), 2600);
    EXPECT_EQ(Find<QDateEdit>("DTPicker1")->text(), "06.12.2026");
    EXPECT_TRUE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>("optMode(1)")->isChecked());
}

TEST_F(FormViewTest, AmountsAreRightAlignedAndAPriceIsWrittenUnderTheCaption) {
    form("txtNote").alignment = vbRightJustify;
    form("lblTotal").alignment = vbRightJustify;
    form("cmdOK").toolTip = "2.50";
    view.Sync();
    EXPECT_TRUE(Find<QLineEdit>("txtNote")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(Find<QLabel>("lblTotal")->alignment() & Qt::AlignRight);
    EXPECT_EQ(Find<TillButton>("cmdOK")->SecondLine(), "2.50");
}

// Only a tool tip that is an amount goes onto the button's face.
TEST(TillButtonText, AmountsAreTellingFromOtherToolTips) {
    struct Row {
        const char* tip;
        bool amount;
    };
    for (const Row& row :
         {Row{"2.50", true}, Row{"12", true}, Row{"Total              €     7.00", true},
          Row{"Imprimer ticket", false}, Row{"Bon Cuisine", false}, Row{"", false},
          Row{"2.50 le verre de 25 cl", false}}) {
        EXPECT_EQ(IsAmountText(QString::fromUtf8(row.tip)), row.amount) << row.tip;
    }
}

TEST_F(FormViewTest, SyncCopiesWhatTheModelChanged) {
    Control& ok = form("cmdOK");
    ok.caption = "Annuler";
    ok.backColor = kOrange;
    ok.fontBold = false;
    ok.Move(2400, 600);
    form("lblTotal").visible = false;
    form("txtNote").enabled = false;
    form("txtNote").text = "abc";
    form("Scroll").value = 2600;
    form("optMode", 0).value = 0;
    form("optMode", 2).value = 1;
    form("DTPicker1").date = Date{2027, 1, 31};
    form.caption = "Autre titre";
    view.Sync();

    QPushButton* button = Find<QPushButton>("cmdOK");
    EXPECT_EQ(button->text(), "Annuler");
    EXPECT_FALSE(button->font().bold());
    EXPECT_EQ(button->pos(), QPoint(160, 40));
    EXPECT_EQ(PixelAt(*button, 5, 5), QColor(255, 192, 128));
    EXPECT_FALSE(Find<QLabel>("lblTotal")->isVisible());
    EXPECT_FALSE(Find<QLineEdit>("txtNote")->isEnabled());
    EXPECT_EQ(Find<QLineEdit>("txtNote")->text(), "abc");
    EXPECT_EQ(Find<QScrollBar>("Scroll")->value(), 2600);
    EXPECT_FALSE(Find<QRadioButton>("optMode(0)")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("optMode(2)")->isChecked());
    EXPECT_EQ(Find<QDateEdit>("DTPicker1")->date(), QDate(2027, 1, 31));
    EXPECT_EQ(view.windowTitle(), "Autre titre");
}

TEST_F(FormViewTest, SyncDoesNotReportTheProgramsOwnChangesAsEvents) {
    form("lstTicket").listIndex = 1;
    form("Scroll").value = 1300;
    form("txtNote").text = "x";
    form("DTPicker1").date = Date{2030, 5, 5};
    form("cmbTVA").listIndex = 2;
    view.Sync();
    EXPECT_TRUE(form.log.empty());
}

TEST_F(FormViewTest, AGrowingListKeepsItsLinesAndAReplacedOneIsRefilled) {
    Control& list = form("lstTicket");
    list.AddItem("3 Bière");
    view.Sync();
    QListWidget* widget = Find<QListWidget>("lstTicket");
    ASSERT_EQ(widget->count(), 4);
    EXPECT_EQ(widget->item(3)->text(), "3 Bière");
    list.Clear();
    list.AddItem("Rapport");
    view.Sync();
    ASSERT_EQ(widget->count(), 1);
    EXPECT_EQ(widget->item(0)->text(), "Rapport");
}

TEST_F(FormViewTest, AddedControlsGetWidgetsAndKeptOnesKeepTheirs) {
    QPointer<QPushButton> ok = Find<QPushButton>("cmdOK");
    Control& added = form.Add(ControlKind::Button, "cmdNew", -1, &form("fraMode"));
    added.caption = "Nouveau";
    added.width = 900;
    added.height = 300;
    view.Sync();
    QPushButton* made = Find<QPushButton>("cmdNew");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->text(), "Nouveau");
    EXPECT_EQ(made->parentWidget(), Find<QGroupBox>("fraMode"));
    EXPECT_TRUE(made->isVisible());
    EXPECT_EQ(Find<QPushButton>("cmdOK"), ok.data());
}

TEST_F(FormViewTest, RemovedControlsLoseTheirWidgets) {
    QPointer<QPushButton> ok = Find<QPushButton>("cmdOK");
    form.Remove("cmdOK", -1);
    view.Sync();
    EXPECT_TRUE(ok.isNull() || !ok->isVisible());
    ProcessEvents();
    EXPECT_TRUE(ok.isNull());
}

TEST_F(FormViewTest, AControlReplacedUnderTheSameNameIsShownAfresh) {
    form.Remove("cmdOK", -1);
    Control& again = form.Add(ControlKind::Label, "cmdOK");
    again.caption = "Étiquette";
    view.Sync();
    ProcessEvents();
    EXPECT_EQ(Find<QPushButton>("cmdOK"), nullptr);
    ASSERT_NE(Find<QLabel>("cmdOK"), nullptr);
    EXPECT_EQ(Find<QLabel>("cmdOK")->text(), "Étiquette");
}

TEST(FormViewHidden, AControlHiddenFromTheStartAppearsWithItsCurrentProperties) {
    SampleForm form;
    Control& frame = form("fraMode");
    frame.visible = false;
    form("cmdOK").visible = false;
    FormView view(form, kScale);
    view.show();
    form("cmdOK").caption = "Plus tard";
    form("optMode", 1).caption = "Rapports";
    view.Sync();
    EXPECT_TRUE(view.findChild<QPushButton*>("cmdOK") == nullptr ||
                !view.findChild<QPushButton*>("cmdOK")->isVisible());

    form("cmdOK").visible = true;
    frame.visible = true;
    view.Sync();
    QPushButton* ok = view.findChild<QPushButton*>("cmdOK");
    QRadioButton* option = view.findChild<QRadioButton*>("optMode(1)");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(option, nullptr);
    EXPECT_TRUE(ok->isVisible());
    EXPECT_EQ(ok->text(), "Plus tard");
    EXPECT_TRUE(option->isVisible());
    EXPECT_EQ(option->text(), "Rapports");
    EXPECT_EQ(option->parentWidget(), view.findChild<QGroupBox*>("fraMode"));
}

TEST(FormViewKeypad, AThousandButtonsSyncInAFewMilliseconds) {
    KeypadForm form(1000);
    FormView view(form, kScale);
    view.show();
    QElapsedTimer timer;
    timer.start();
    constexpr int kSyncs = 20;
    for (int i = 0; i < kSyncs; ++i) {
        form("Command1", i).caption = "Changé";
        view.Sync();
    }
    const double perSync = static_cast<double>(timer.elapsed()) / kSyncs;
    EXPECT_LT(perSync, 10.0) << "ms per sync";
    EXPECT_EQ(view.findChild<QPushButton*>("Command1(7)")->text(), "Changé");
    EXPECT_EQ(view.findChild<QPushButton*>("Command1(500)")->text(), "Article 500");
}

}  // namespace
}  // namespace vantor::test
