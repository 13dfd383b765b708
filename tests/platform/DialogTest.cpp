// Modal and modeless forms, message boxes and input boxes of QtUi.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "SampleForms.h"
#include "WidgetTesting.h"
#include "platform/qt/DisplayScale.h"
#include "platform/qt/FormView.h"
#include "platform/qt/QtUi.h"

namespace vantor::test {
namespace {

using Log = std::vector<std::string>;

QPushButton* ButtonOf(const Form& form, const char* name) {
    FormView* view = FormView::Find(form);
    return view == nullptr ? nullptr : view->findChild<QPushButton*>(name);
}

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
        texts.append(button->text());
    }
    texts.sort();
    return texts;
}

class DialogTest : public ::testing::Test {
protected:
    QtUi ui;
    SampleForm form;
};

TEST_F(DialogTest, AModalFormRunsUntilAHandlerHidesIt) {
    form("cmdOK").onClick = [this] {
        form.log.push_back("cmdOK Click");
        form.Close();
    };
    QString title;
    QSize client;
    OnNextModal([&](QWidget& dialog) {
        title = dialog.windowTitle();
        client = FormView::Find(form)->size();
        QTest::mouseClick(ButtonOf(form, "cmdOK"), Qt::LeftButton);
    });
    ui.ShowModal(form);
    EXPECT_EQ(form.log, (Log{"Activate", "cmdOK MouseDown 1", "cmdOK Click"}));
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(title, "Échantillon");
    const double scale = DialogScale(form.width, form.height, 300);
    EXPECT_EQ(client, QSize(qRound((9000 - kFrameWidthTwips) * scale),
                            qRound((6000 - kFrameHeightTwips) * scale)));
    EXPECT_EQ(FormView::Find(form), nullptr);
}

TEST_F(DialogTest, TheCloseBoxOfAModalFormAsksTheForm) {
    form.refuseClose = true;
    OnNextModal([this](QWidget& dialog) {
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        form.refuseClose = false;
        dialog.close();
    });
    ui.ShowModal(form);
    EXPECT_EQ(form.log, (Log{"Activate", "QueryUnload", "QueryUnload", "Unload"}));
    EXPECT_TRUE(form.Closed());
}

TEST_F(DialogTest, EscapeDoesNotCloseAModalForm) {
    OnNextModal([this](QWidget& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible());
        form.Close();
        FormView::SyncAll();
    });
    ui.ShowModal(form);
    EXPECT_EQ(form.log, (Log{"Activate"}));
}

TEST_F(DialogTest, AFormClosedInItsActivateNeverWaits) {
    struct ClosingForm : SampleForm {
        void Form_Activate() override { Close(); }
    } closing;
    ui.ShowModal(closing);
    EXPECT_TRUE(closing.Closed());
}

TEST_F(DialogTest, AModelessFormStaysUntilItIsClosed) {
    ui.Show(form);
    FormView* view = FormView::Find(form);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->window()->isVisible());
    EXPECT_EQ(form.log, (Log{"Activate"}));
    QPointer<QWidget> window = view->window();
    ui.Activate(form);
    form("cmdOK").onClick = [this] { form.RequestClose(); };
    QTest::mouseClick(ButtonOf(form, "cmdOK"), Qt::LeftButton);
    ProcessEvents();
    EXPECT_EQ(FormView::Find(form), nullptr);
    EXPECT_TRUE(window.isNull());
}

TEST_F(DialogTest, AYesNoQuestionAnswersNo) {
    QString title;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    OnNextModal([&](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        title = box.windowTitle();
        buttons = ButtonTexts(box);
        icon = box.icon();
        for (QAbstractButton* button : box.buttons()) {
            if (button->text() == "Non") {
                button->click();
            }
        }
    });
    const int answer = ui.MsgBox("Des tables sont encore en cours, quittez quand même ?",
                                 vbYesNo + vbQuestion, "Quitter");
    EXPECT_EQ(answer, vbNo);
    EXPECT_EQ(title, "Quitter");
    EXPECT_EQ(buttons, (QStringList{"Non", "Oui"}));
    EXPECT_EQ(icon, QMessageBox::Question);
}

// Enter gives the default answer: "Oui", but "Non" for a question whose
// "Oui" loses work. Either way the buttons are a fingertip high.
TEST_F(DialogTest, EnterGivesTheDefaultAnswer) {
    struct Row {
        int style;
        int answer;
    };
    for (const Row& row :
         {Row{vbYesNo, vbYes}, Row{vbYesNo + vbQuestion + vbDefaultButton2, vbNo}}) {
        int lowest = 0;
        OnNextModal([&lowest](QWidget& modal) {
            lowest = modal.height();
            for (QAbstractButton* button : static_cast<QMessageBox&>(modal).buttons()) {
                lowest = std::min(lowest, button->height());
            }
            QTest::keyClick(&modal, Qt::Key_Return);
        });
        EXPECT_EQ(ui.MsgBox("Continuer ?", row.style), row.answer) << "style " << row.style;
        EXPECT_GE(lowest, MinimumTouchPixels()) << "style " << row.style;
    }
}

TEST_F(DialogTest, EnterInAFieldPressesTheFormsDefaultButton) {
    form("cmdOK").isDefault = true;
    form("cmdOK").onClick = [this] {
        form.log.push_back("cmdOK Click");
        form.Close();
    };
    OnNextModal([this](QWidget& dialog) {
        QLineEdit* field = dialog.findChild<QLineEdit*>("txtNote");
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    });
    ui.ShowModal(form);
    EXPECT_EQ(form.log, (Log{"Activate", "cmdOK Click"}));
}

// A small dialog grows until its buttons are a fingertip high.
TEST_F(DialogTest, ASmallDialogIsScaledUpForAFinger) {
    Form small("frmSmall");
    small.width = 3000;
    small.height = 2000;
    Control& ok = small.Add(ControlKind::Button, "cmdOK");
    ok.Move(120, 120);
    ok.width = 900;
    ok.height = 255;
    ok.onClick = [&small] { small.Close(); };
    int height = 0;
    OnNextModal([&](QWidget& dialog) {
        auto* button = dialog.findChild<QPushButton*>("cmdOK");
        height = button->height();
        QTest::mouseClick(button, Qt::LeftButton);
    });
    ui.ShowModal(small);
    EXPECT_GE(height, MinimumTouchPixels());
}

TEST_F(DialogTest, AMessageHasOneOkButtonTheIconAndTheDefaultTitle) {
    QString title;
    QString text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    OnNextModal([&](QWidget& modal) {
        auto& box = static_cast<QMessageBox&>(modal);
        title = box.windowTitle();
        text = box.text();
        buttons = ButtonTexts(box);
        icon = box.icon();
        box.buttons().front()->click();
    });
    EXPECT_EQ(ui.MsgBox("Format numérique <b>incorrect</b>", vbCritical), vbOK);
    EXPECT_EQ(title, kApplicationTitle);
    EXPECT_EQ(text, "Format numérique <b>incorrect</b>");
    EXPECT_EQ(buttons, QStringList{"OK"});
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST_F(DialogTest, MessageIconsFollowTheStyle) {
    std::vector<QMessageBox::Icon> icons;
    for (int style : {vbExclamation, vbInformation}) {
        OnNextModal([&icons](QWidget& modal) {
            icons.push_back(static_cast<QMessageBox&>(modal).icon());
            static_cast<QMessageBox&>(modal).buttons().front()->click();
        });
        ui.MsgBox("Avis", style);
    }
    EXPECT_EQ(icons,
              (std::vector<QMessageBox::Icon>{QMessageBox::Warning, QMessageBox::Information}));
}

TEST_F(DialogTest, AnInputBoxReturnsWhatWasTyped) {
    QString label;
    QString title;
    OnNextModal([&](QWidget& modal) {
        auto& dialog = static_cast<QInputDialog&>(modal);
        label = dialog.labelText();
        title = dialog.windowTitle();
        QLineEdit* edit = dialog.findChild<QLineEdit*>();
        EXPECT_EQ(edit->text(), "Table 3");
        edit->selectAll();
        QTest::keyClicks(edit, "Terrasse");
        dialog.accept();
    });
    EXPECT_EQ(ui.InputBox("Nom de la table", "", "Table 3"), "Terrasse");
    EXPECT_EQ(label, "Nom de la table");
    EXPECT_EQ(title, kApplicationTitle);
}

TEST_F(DialogTest, ACancelledInputBoxReturnsNothing) {
    OnNextModal([](QWidget& modal) { static_cast<QDialog&>(modal).reject(); });
    EXPECT_EQ(ui.InputBox("Prix", "Prix libre", "12.50"), "");
}

}  // namespace
}  // namespace vantor::test
