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
#include "gui/DisplayScale.h"
#include "gui/FormView.h"
#include "gui/QtUi.h"

namespace vantor::test {
namespace {

using Log = std::vector<std::string>;

QPushButton* ButtonOf(const Form& form, const char* name) {
    FormView* view = FormView::Find(form);
    return view == nullptr ? nullptr : view->findChild<QPushButton*>(name);
}

class DialogTest : public ::testing::Test {
protected:
    QtUi ui;
    SampleForm form;
};

TEST_F(DialogTest, AModalFormRunsUntilAHandlerHidesIt) {
    form("cmdOK").onClick = [this] { form.Close(); };
    QString title;
    QSize client;
    OnNextModal([&](QWidget& dialog) {
        title = dialog.windowTitle();
        client = FormView::Find(form)->size();
        QTest::mouseClick(ButtonOf(form, "cmdOK"), Qt::LeftButton);
    });
    ui.ShowModal(form);
    EXPECT_EQ(form.log, (Log{"Activate", "cmdOK MouseDown 1"}));
    EXPECT_TRUE(form.Closed());
    EXPECT_EQ(FormView::Find(form), nullptr);
    EXPECT_EQ(title, "Échantillon");
    // The client area keeps the design's proportions (the frame taken off).
    EXPECT_NEAR(client.width() * (6000.0 - kFrameHeightTwips) / client.height(),
                9000 - kFrameWidthTwips, 100);
}

TEST_F(DialogTest, TheCloseBoxOfAModalFormAsksTheFormAndEscapeDoesNothing) {
    form.refuseClose = true;
    OnNextModal([this](QWidget& dialog) {
        QTest::keyClick(&dialog, Qt::Key_Escape);
        dialog.close();
        EXPECT_TRUE(dialog.isVisible());
        form.refuseClose = false;
        dialog.close();
    });
    ui.ShowModal(form);
    EXPECT_EQ(form.log, (Log{"Activate", "QueryUnload", "QueryUnload", "Unload"}));
    EXPECT_TRUE(form.Closed());
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

// A small dialog grows until its buttons are a fingertip high; Enter in a
// field presses its default button.
TEST_F(DialogTest, ASmallDialogIsScaledUpForAFingerAndEnterPressesItsDefault) {
    Form small("frmSmall");
    small.width = 3000;
    small.height = 2000;
    Control& ok = Place(small.Add(ControlKind::Button, "cmdOK"), 120, 120, 900, 255);
    ok.isDefault = true;
    ok.onClick = [&small] { small.Close(); };
    Place(small.Add(ControlKind::TextBox, "txtNote"), 120, 600, 900, 255);
    int height = 0;
    OnNextModal([&](QWidget& dialog) {
        height = dialog.findChild<QPushButton*>("cmdOK")->height();
        QLineEdit* field = dialog.findChild<QLineEdit*>("txtNote");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
    });
    ui.ShowModal(small);
    EXPECT_TRUE(small.Closed());
    EXPECT_GE(height, MinimumTouchPixels());
}

// What a message box shows: "title [buttons] icon".
std::string Shown(const QMessageBox& box) {
    QStringList texts;
    for (QAbstractButton* button : box.buttons()) {
        texts.append(button->text());
    }
    texts.sort();
    const char* icons[] = {"", " information", " warning", " critical", " question"};
    return (box.windowTitle() + " [" + texts.join('/') + "]").toStdString() + icons[box.icon()];
}

// Each row: a box, the button clicked (or Enter), the answer, and what the box
// showed. Enter gives the default answer: "Oui", but "Non" for a question
// whose "Oui" loses work. Every button is a fingertip high.
TEST_F(DialogTest, MessageBoxesShowTheirStyleAndGiveTheAnswer) {
    const struct {
        const char* prompt;
        int style;
        const char* title;
        const char* press;  // a button's text, or "" for Enter
        int answer;
        std::string shown;
    } rows[] = {
        {"Des tables sont encore en cours, quittez quand même ?", vbYesNo + vbQuestion, "Quitter",
         "Non", vbNo, "Quitter [Non/Oui] question"},
        {"Continuer ?", vbYesNo, "", "", vbYes, "Vantor [Non/Oui]"},
        {"Continuer ?", vbYesNo + vbQuestion + vbDefaultButton2, "", "", vbNo,
         "Vantor [Non/Oui] question"},
        {"Format numérique <b>incorrect</b>", vbCritical, "", "OK", vbOK, "Vantor [OK] critical"},
        {"Avis", vbExclamation, "", "", vbOK, "Vantor [OK] warning"},
        {"Avis", vbInformation, "", "", vbOK, "Vantor [OK] information"},
    };
    for (const auto& row : rows) {
        std::string shown;
        QString text;
        int lowest = 1000;
        OnNextModal([&](QWidget& modal) {
            auto& box = static_cast<QMessageBox&>(modal);
            shown = Shown(box);
            text = box.text();
            for (QAbstractButton* button : box.buttons()) {
                lowest = std::min(lowest, button->height());
            }
            for (QAbstractButton* button : box.buttons()) {
                if (button->text() == row.press) {
                    button->click();
                    return;
                }
            }
            QTest::keyClick(&box, Qt::Key_Return);
        });
        EXPECT_EQ(ui.MsgBox(row.prompt, row.style, row.title), row.answer) << row.prompt;
        EXPECT_EQ(shown, row.shown) << row.prompt;
        EXPECT_EQ(text, QString::fromUtf8(row.prompt));
        EXPECT_GE(lowest, MinimumTouchPixels()) << row.prompt;
    }
}

TEST_F(DialogTest, AnInputBoxReturnsWhatWasTypedOrNothingWhenCancelled) {
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

    OnNextModal([](QWidget& modal) { static_cast<QDialog&>(modal).reject(); });
    EXPECT_EQ(ui.InputBox("Prix", "Prix libre", "12.50"), "");
}

QPushButton* ButtonNamed(QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

const std::vector<std::string> kReasons = {"Erreur de saisie", "Client mécontent",
                                           "Article retourné"};

// Each reason, tapped, is given back as it reads; "Annuler" gives nothing.
TEST_F(DialogTest, AChoiceBoxGivesTheReasonTapped) {
    const struct {
        const char* tap;
        std::string expected;
    } rows[] = {{"Erreur de saisie", "Erreur de saisie"},
                {"Client mécontent", "Client mécontent"},
                {"Article retourné", "Article retourné"},
                {"Annuler", ""}};
    for (const auto& row : rows) {
        QStringList shown;
        int lowest = 1000;
        QSize size;
        OnNextModal([&](QWidget& dialog) {
            for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
                shown << button->text();
                lowest = std::min(lowest, button->height());
            }
            size = dialog.size();
            QPushButton* button = ButtonNamed(dialog, QString::fromUtf8(row.tap));
            ASSERT_NE(button, nullptr) << row.tap;
            QTest::mouseClick(button, Qt::LeftButton);
        });
        EXPECT_EQ(ui.ChoiceBox("Motif de l'annulation", kReasons), row.expected) << row.tap;
        EXPECT_EQ(shown, QStringList({"Erreur de saisie", "Client mécontent", "Article retourné",
                                      "Autre motif…", "Annuler"}));
        EXPECT_GE(lowest, MinimumTouchPixels()) << row.tap;
        EXPECT_LE(size.height(), 768 - kFrameHeightTwips / 15) << row.tap;
        EXPECT_LE(size.width(), 1024) << row.tap;
    }
}

// "Autre motif…" opens the input box with the same prompt: what is typed
// there is the reason, and cancelling it gives none.
TEST_F(DialogTest, AChoiceBoxTakesAnotherReasonTyped) {
    for (const bool typed : {true, false}) {
        QString prompt;
        OnNextModal([&](QWidget& box) {
            OnNextModal([&](QWidget& modal) {
                auto& input = static_cast<QInputDialog&>(modal);
                prompt = input.labelText();
                if (!typed) {
                    input.reject();
                    return;
                }
                QTest::keyClicks(input.findChild<QLineEdit*>(), "Anniversaire");
                input.accept();
            });
            QTest::mouseClick(ButtonNamed(box, QString::fromUtf8("Autre motif…")), Qt::LeftButton);
        });
        EXPECT_EQ(ui.ChoiceBox("Motif de l'offert", kReasons), typed ? "Anniversaire" : "");
        EXPECT_EQ(prompt, "Motif de l'offert");
    }
}

}  // namespace
}  // namespace vantor::test
