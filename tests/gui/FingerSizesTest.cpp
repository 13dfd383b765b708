// What a finger meets on a small touch screen (touch.sh runs these at
// 1024 x 768 and 1366 x 768 too): dialogs that fit the screen with their
// buttons in view, and every target a fingertip across and down.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QTest>

#include "TouchTill.h"
#include "WidgetTesting.h"
#include "gui/FormView.h"

namespace vantor::test {
namespace {

// Why the widget of this name cannot be tapped where it is: missing, hidden,
// cut off by its window or beyond the screen's free area; "" when it can.
QString OutOfReach(QWidget& window, const QString& name) {
    auto* widget = window.findChild<QWidget*>(name);
    if (widget == nullptr || !widget->isVisible()) {
        return name + " is not shown";
    }
    const QRect onScreen(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    const QRect area = widget->screen()->availableGeometry();
    if (!area.contains(onScreen)) {
        return PlacedAt(name, onScreen) +
               QString(" is off the screen's %1x%2").arg(area.width()).arg(area.height());
    }
    if (widget->visibleRegion().boundingRect() != widget->rect()) {
        return name + " is cut off by its window";
    }
    return "";
}

// The settings dialog and its image chooser, at the size of a till's screen:
// no scroll bar, and "OK" and "Annuler" where a finger reaches them.
TEST_F(TouchTest, TheSettingsDialogFitsTheScreenWithOkAndAnnulerInView) {
    QStringList faults;
    bool shown = false;
    OnNextModal("Paramètres", [&](QWidget& dialog) {
        shown = true;
        if (dialog.findChild<QScrollArea*>("scrolledDialog") != nullptr) {
            faults << "the dialog scrolls";
        }
        if (!dialog.screen()->availableGeometry().contains(dialog.frameGeometry())) {
            faults << "the dialog's window runs off the screen";
        }
        faults << OutOfReach(dialog, "cmdOK") << OutOfReach(dialog, "cmdUndo");
        SaveScreenshot("settings-fits");
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("cmdAddImg(1)"), Qt::LeftButton);
        ProcessEvents();
        faults << OutOfReach(dialog, "cmdLoadImg") << OutOfReach(dialog, "cmdUndoFiles")
               << TooSmall(dialog) << Overlapping(dialog);
        SaveScreenshot("settings-chooser");
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("cmdUndoFiles"), Qt::LeftButton);
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("cmdUndo"), Qt::LeftButton);
    });
    window->View().Fire([this] { Main().Click(Main()("mnuInfos")); });
    ProcessEvents();
    EXPECT_TRUE(shown);
    faults.removeAll("");
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

// Across and down, a fingertip at least: the menu bar, the modes and the
// check boxes of each, the tables' toggle and the tables, the checkout
// buttons and the answers of a question.
TEST_F(TouchTest, EveryTargetOfTheSalesScreenIsAFingertipAcrossAndDown) {
    QStringList small = TooSmall(*window);
    Tap(Shown("cmdOuvre"));
    ASSERT_TRUE(Shown("cmdTable(12)")->isVisible()) << "the tables did not open";
    small << TooSmall(*window) << Overlapping(*window);
    SaveScreenshot("tables-open");
    Tap(Shown("cmdOuvre"));
    Tap(Shown("optPrint(1)"));
    ASSERT_TRUE(Shown("chkDetail")->isVisible()) << "not in the totals";
    small << TooSmall(*window) << Overlapping(*window);
    Tap(Shown("optPrint(0)"));

    Tap(PricedArticle());
    bool asked = false;
    OnNextModal("Impression", [&](QWidget& question) {
        asked = true;
        ProcessEvents();
        small << TooSmall(question);
        SaveScreenshot("question");
        Answer(question, "Non");
    });
    Tap(Shown("cmdPrint(0)"));
    EXPECT_TRUE(asked);
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();
}

// The receipts of the day after a sale: the list, the lines, the days'
// arrows and the four buttons in reach, a fingertip each, the window on the
// screen; a receipt chosen shows its lines.
TEST_F(TouchTest, TheReceiptsOfTheDayFitTheScreenWithEveryButtonInReach) {
    Tap(PricedArticle());
    OnNextModal("Impression", [&](QWidget& question) { Answer(question, "Non"); });
    Tap(Shown("cmdPrint(0)"));
    QStringList faults;
    bool shown = false;
    OnNextModal("Tickets", [&](QWidget& dialog) {
        shown = true;
        ProcessEvents();
        if (!dialog.screen()->availableGeometry().contains(dialog.frameGeometry())) {
            faults << "the window runs off the screen";
        }
        for (const char* name :
             {"lstTickets", "lstLignes", "cmdJourPrecedent", "dtpJour", "cmdJourSuivant",
              "cmdDuplicata", "cmdAnnulerTicket", "cmdRembourser", "cmdFermer"}) {
            faults << OutOfReach(dialog, name);
        }
        auto* list = dialog.findChild<QListWidget*>("lstTickets");
        if (list == nullptr || list->count() != 1) {
            faults << "the sale is not listed";
        } else {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(0)).center());
            ProcessEvents();
            auto* lines = dialog.findChild<QListWidget*>("lstLignes");
            if (lines == nullptr || lines->count() != 1) {
                faults << "the sale's line is not shown";
            }
        }
        faults << TooSmall(dialog) << Overlapping(dialog);
        SaveScreenshot("tickets");
        QTest::mouseClick(dialog.findChild<QAbstractButton*>("cmdFermer"), Qt::LeftButton);
    });
    window->View().Fire([this] { Main().Click(Main()("mnuTickets")); });
    ProcessEvents();
    EXPECT_TRUE(shown);
    faults.removeAll("");
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

}  // namespace
}  // namespace vantor::test
