// The till in a real window at a touch screen's size (the script runs it at
// 1024 x 768, 1366 x 768 and 1920 x 1080 under a window manager): long press,
// fingertip sizes, keypad columns, focus after a faulty amount, the default
// answer of a destructive question, and screenshots kept for the closing note.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <set>
#include <vector>

#include "TouchTill.h"
#include "WidgetTesting.h"
#include "gui/DisplayScale.h"
#include "gui/FormView.h"
#include "gui/LongPress.h"
#include "gui/NumericPad.h"
#include "gui/TillButton.h"
#include "sales/frmMain.h"

namespace vantor::test {
namespace {

TEST_F(TouchTest, ALongPressOnAnArticleOpensItsPopupAndAddsNoLine) {
    TillButton* article = PricedArticle();
    ASSERT_NE(article, nullptr);
    QStringList entries;
    QStringList smallEntries;
    OnNextModal([&](QWidget& popup) {
        auto* menu = qobject_cast<QMenu*>(&popup);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator()) {
                entries << action->text();
            }
        }
        smallEntries = TooSmall(*menu);
        menu->close();
    });
    QTest::mousePress(article, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return !entries.isEmpty(); }));
    QTest::mouseRelease(article, Qt::LeftButton);
    ProcessEvents();
    EXPECT_TRUE(entries.contains("Modifier " + article->text()))
        << entries.join(", ").toStdString();
    EXPECT_TRUE(smallEntries.isEmpty()) << smallEntries.join(", ").toStdString();
    EXPECT_EQ(Main()("lstTicket").ListCount(), 0);

    // A short tap still sells.
    Tap(article);
    EXPECT_EQ(Main()("lstTicket").ListCount(), 1);
}

// The x of each column shown whole in the keypad (none cut by its edge).
std::set<int> ShownColumns(const frmMain& main, QWidget& window) {
    QWidget* keypad = window.findChild<QWidget*>("fraArticles");
    std::set<int> columns;
    for (int i = 1; i <= main.UBound("Command1"); ++i) {
        auto* button = window.findChild<TillButton*>(QString("Command1(%1)").arg(i));
        // A column scrolled off to the left leaves at most its margin's
        // sliver in view.
        if (button == nullptr || !button->isVisible() ||
            button->geometry().right() < button->width() / 2) {
            continue;
        }
        columns.insert(button->x());
        EXPECT_LE(button->geometry().right(), keypad->width()) << "a cut column at " << button->x();
        EXPECT_GE(button->x(), 0) << "a cut column at " << button->x();
        EXPECT_GE(button->width(), 2 * MinimumTouchPixels(window.screen()));
    }
    return columns;
}

// The keypad shows all seven columns and the ticket column takes the rest;
// the price under each article's name, every control a fingertip high and
// none covering another.
TEST_F(TouchTest, TheSalesScreenIsMadeForTheFinger) {
    auto* keypad = Shown("fraArticles");
    ASSERT_NE(keypad, nullptr);
    const std::set<int> columns = ShownColumns(Main(), *window);
    EXPECT_EQ(columns.size(), 7u);
    ASSERT_FALSE(columns.empty());
    const int column = Shown("Command1(1)")->width();
    const int lastRight = *columns.rbegin() + column;
    EXPECT_LT(keypad->width() - lastRight, column / 2) << "an empty band in the keypad";
    const QWidget* ticket = Shown("lstTicket");
    EXPECT_LT(ticket->x() - keypad->geometry().right(), column / 2)
        << "an empty band before the ticket column";
    // Seven columns in view: the bar has nowhere to go.
    EXPECT_EQ(Shown<QScrollBar>("Scroll")->maximum(), 0);
    // Every control was placed once before the first paint: the widgets were
    // made at the scales the maximized window then kept.
    const Scales shown = window->View().CurrentScales();
    EXPECT_TRUE(shown == madeAt) << "made at " << madeAt.x << " / " << madeAt.band << " / "
                                 << madeAt.right << ", shown at " << shown.x << " / " << shown.band
                                 << " / " << shown.right;

    TillButton* article = PricedArticle();
    ASSERT_NE(article, nullptr);
    const QImage drawn = article->grab().toImage();
    int ink = 0;  // text pixels in the lower third of the button
    for (int y = drawn.height() * 2 / 3; y < drawn.height() - 3; ++y) {
        for (int x = 3; x < drawn.width() - 3; ++x) {
            ink += drawn.pixelColor(x, y) != article->Face() ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 10) << "no price under the article's name";
    Tap(article);
    SaveScreenshot("sales-screen");
    const QStringList small = TooSmall(*window) + Overlapping(*window);
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();
}

// The keypad of a large catalogue, twenty columns of priced articles.
class LargeKeypadTest : public TouchTest {
protected:
    static constexpr int kColumns = 20;
    static constexpr int kStep = 1300;  // one column, in the bar's units

    void PrepareData() override {
        std::ofstream out(folder.Path() + "/Articles.csv", std::ios::binary);
        out << "Description;Prix;Categorie\r\n";
        for (int i = 1; i <= kColumns * 13; ++i) {
            out << "Art " << i << ";" << 2 + i % 7 << ".5;" << i % 8 << "\r\n";
        }
    }

    // Sends a finger's press, moves and lift to the button, the moves
    // (pixels sideways) each after the last, waiting `heldMs` before lifting.
    void Swipe(QWidget& button, const std::vector<int>& moves, int heldMs) {
        const QPoint start = button.mapToGlobal(button.rect().center());
        auto send = [&button](QEvent::Type type, const QPoint& global, Qt::MouseButton changed,
                              Qt::MouseButtons held) {
            QMouseEvent event(type, QPointF(button.mapFromGlobal(global)), QPointF(global), changed,
                              held, Qt::NoModifier);
            QApplication::sendEvent(&button, &event);
            ProcessEvents();
        };
        send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QPoint at = start;
        for (int dx : moves) {
            at += QPoint(dx, 0);
            send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        }
        QTest::qWait(heldMs);
        send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
};

TEST_F(LargeKeypadTest, ASwipeMovesByWholeColumnsAndTheBarStopsAtTheLastOne) {
    QWidget* article = Shown("Command1(2)");
    ASSERT_NE(article, nullptr);
    const int column = article->width();
    // Slowly, two columns and a quarter to the left: two columns on, and no
    // long press for all the time the finger stayed down.
    Swipe(*article, {-column / 2, -column, -column * 3 / 4}, LongPress::kHoldMs + 100);
    EXPECT_EQ(Main()("Scroll").value, 2 * kStep);
    EXPECT_EQ(Main()("lstTicket").ListCount(), 0) << "the swiped article was sold";

    // A quick flick to the right, shorter than a column: one column back.
    Swipe(*Shown("Command1(40)"), {column / 3}, 0);
    EXPECT_EQ(Main()("Scroll").value, kStep);
    EXPECT_EQ(Main()("lstTicket").ListCount(), 0);

    Tap(Shown("Command1(15)"));  // a tap still sells
    EXPECT_EQ(Main()("lstTicket").ListCount(), 1);

    // The bar stops where the last column comes into view.
    auto* bar = Shown<QScrollBar>("Scroll");
    ASSERT_NE(bar, nullptr);
    const std::set<int> columns = ShownColumns(Main(), *window);
    EXPECT_GE(columns.size(), 5u);
    EXPECT_EQ(bar->maximum(), (kColumns - static_cast<int>(columns.size())) * kStep);

    bar->setValue(bar->maximum());
    ProcessEvents();
    EXPECT_EQ(Main()("Scroll").value, bar->maximum());
    EXPECT_EQ(ShownColumns(Main(), *window), columns) << "blank space after the last column";
    const QString last = QString("Command1(%1)").arg(kColumns * 13);
    EXPECT_TRUE(Shown(last)->isVisible());
}

TEST_F(TouchTest, AfterAFaultyAmountTheFocusIsInTheAmountField) {
    Tap(PricedArticle());
    QWidget* focused = nullptr;
    QLineEdit* cash = nullptr;
    QString padTarget;
    QStringList small;
    OnNextModal("Impression", [&](QWidget& question) {
        OnNextModal("Paiement", [&](QWidget& dialog) {
            small = TooSmall(dialog);
            cash = dialog.findChild<QLineEdit*>("txtEsp");
            ASSERT_NE(cash, nullptr);
            QTest::mouseClick(cash, Qt::LeftButton);
            QTest::keyClicks(cash, "abc");
            // The finger moves on to the card field, then "Compléter".
            QTest::mouseClick(dialog.findChild<QLineEdit*>("txtcart"), Qt::LeftButton);
            OnNextModal("Vantor", [&small](QWidget& error) {
                ProcessEvents();
                small << TooSmall(error);
                QTest::keyClick(&error, Qt::Key_Return);
            });
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdComplete"), Qt::LeftButton);
            WaitUntil([&] { return QApplication::focusWidget() == cash; });
            focused = QApplication::focusWidget();
            if (NumericPad* pad = NumericPad::Shown(); pad && pad->Target() == cash) {
                padTarget = cash->objectName();
            }
            SaveScreenshot("payment-dialog");
            // Cancelled: back to the ticket, with no message.
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdUndo"), Qt::LeftButton);
        });
        Answer(question, "Non");
    });
    Tap(Shown("cmdPrint(2)"));
    ASSERT_NE(cash, nullptr) << "no payment dialog";
    EXPECT_EQ(Main()("lstTicket").ListCount(), 1) << "the ticket did not stay";
    EXPECT_EQ(focused, cash);
    EXPECT_EQ(padTarget, "txtEsp") << "no numeric pad on the amount field";
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();
}

TEST_F(TouchTest, AFreePriceIsTypedOnTheNumericPad) {
    QString padTarget;
    OnNextModal("Prix libre", [&](QWidget& priceBox) {
        // The pad comes with the focus, once the window manager has
        // activated the box.
        if (!WaitUntil([] { return NumericPad::Shown() != nullptr; })) {
            static_cast<QDialog&>(priceBox).reject();
            FAIL() << "no numeric pad on the free price";
        }
        NumericPad* pad = NumericPad::Shown();
        padTarget = pad->Target() != nullptr ? pad->Target()->text() : "";
        for (const char* key : {"pad 1", "pad 2", "pad .", "pad 5"}) {
            QPushButton* button = pad->findChild<QPushButton*>(key);
            ASSERT_NE(button, nullptr) << key;
            EXPECT_GE(button->height(), MinimumTouchPixels(button->screen()));
            QTest::mouseClick(button, Qt::LeftButton);
        }
        OnNextModal("Article", [](QWidget& textBox) { QTest::keyClick(&textBox, Qt::Key_Return); });
        QTest::keyClick(&priceBox, Qt::Key_Return);
    });
    Tap(Shown("Command1(1)"));  // the first column's header: no price
    EXPECT_EQ(padTarget, "0.00");
    ASSERT_EQ(Main()("lstTicket").ListCount(), 1);
    EXPECT_NE(Main()("lstTicket").items[0].find("12.50"), std::string::npos)
        << Main()("lstTicket").items[0];
}

// A parked total is read from across the room: written on the table as
// large as the captions of the checkout buttons, within the button.
TEST_F(TouchTest, AParkedTotalIsAsLargeAsTheButtonCaptions) {
    Tap(Shown("cmdOuvre"));
    for (int table : {1, 2}) {
        Tap(PricedArticle());
        Tap(PricedArticle());
        OnNextModal([](QWidget& nameBox) { QTest::keyClick(&nameBox, Qt::Key_Return); });
        Tap(Shown(QString("cmdTable(%1)").arg(table)));
    }
    SaveScreenshot("tables-totals");
    const int captionPixels = Shown("cmdPrint(0)")->font().pixelSize();
    for (const char* name : {"cmdTable(1)", "cmdTable(2)"}) {
        SCOPED_TRACE(name);
        TillButton* table = Shown<TillButton>(name);
        const QFont face = table->SecondLineFont();
        EXPECT_TRUE(table->SecondLine().endsWith("7.00")) << table->SecondLine().toStdString();
        EXPECT_GE(face.pixelSize(), captionPixels);
        const QFontMetrics metrics(face);
        EXPECT_LE(metrics.horizontalAdvance(table->SecondLine()), table->width() - 6);
        EXPECT_LE(metrics.height() + QFontMetrics(table->font()).height(), table->height() - 4);
    }
}

// Another round for an occupied table is one question away, answered by
// finger: "Oui" and the lines go onto the table, the screen is empty.
TEST_F(TouchTest, AnotherRoundIsAddedToTheTableByFinger) {
    Tap(Shown("cmdOuvre"));
    Tap(PricedArticle());
    OnNextModal([](QWidget& nameBox) { QTest::keyClick(&nameBox, Qt::Key_Return); });
    Tap(Shown("cmdTable(1)"));
    Tap(PricedArticle());
    QString asked;
    OnNextModal([&](QWidget& question) {
        auto* box = qobject_cast<QMessageBox*>(&question);
        ASSERT_NE(box, nullptr);
        asked = box->text();
        SaveScreenshot("round-question");
        Answer(question, "Oui");
    });
    Tap(Shown("cmdTable(1)"));
    EXPECT_EQ(asked, "Ajouter au ticket de la table Table 1 ?");
    EXPECT_EQ(Main()("lstTicket").ListCount(), 0);
    EXPECT_TRUE(Shown<TillButton>("cmdTable(1)")->SecondLine().endsWith("7.00"))
        << Shown<TillButton>("cmdTable(1)")->SecondLine().toStdString();
}

// "Clôture du jour" names the tables still open before anything is closed;
// "Non" closes nothing.
TEST_F(TouchTest, TheClosureNamesTheOpenTablesFirst) {
    Tap(Shown("cmdOuvre"));
    for (const char* name : {"Terrasse", "T4"}) {
        Tap(PricedArticle());
        OnNextModal([name](QWidget& nameBox) {
            QLineEdit* field = nameBox.findChild<QLineEdit*>();
            ASSERT_NE(field, nullptr);
            field->setText(name);
            QTest::keyClick(&nameBox, Qt::Key_Return);
        });
        Tap(Shown(QString("cmdTable(%1)").arg(name == std::string("T4") ? 4 : 1)));
    }
    Tap(Shown("optPrint(2)"));
    QString asked;
    OnNextModal([&](QWidget& question) {
        asked = static_cast<QMessageBox&>(question).text();
        SaveScreenshot("closure-warning");
        Answer(question, "Non");
    });
    Tap(Shown("cmdCloture"));
    EXPECT_TRUE(asked.startsWith("Des tables sont encore ouvertes : Terrasse, T4"))
        << asked.toStdString();
    EXPECT_EQ(Main()("cmdTable", 1).tag, "1");
}

TEST_F(TouchTest, QuittingWithParkedTablesDefaultsToNon) {
    Tap(PricedArticle());
    OnNextModal([](QWidget& nameBox) { QTest::keyClick(&nameBox, Qt::Key_Return); });
    Tap(Shown("cmdTable(1)"));
    ASSERT_EQ(Main()("cmdTable", 1).tag, "1");
    EXPECT_TRUE(Shown<TillButton>("cmdTable(1)")->SecondLine().endsWith("3.50"))
        << "the parked total is not written on the table";

    QString defaultAnswer;
    OnNextModal([&](QWidget& question) {
        auto* box = qobject_cast<QMessageBox*>(&question);
        ASSERT_NE(box, nullptr);
        defaultAnswer = box->defaultButton() != nullptr ? box->defaultButton()->text() : "";
        QTest::keyClick(box, Qt::Key_Return);
    });
    window->close();
    ProcessEvents();
    EXPECT_EQ(defaultAnswer, "Non");
    EXPECT_FALSE(Main().Closed()) << "Enter quit and lost the parked table";
    EXPECT_TRUE(window->isVisible());
}

// What keeps a screen of its own from fitting the screen: it scrolls, it
// goes past the screen's edges, or its main control (and the one under it)
// fill neither the width nor the height, leaving a band of nothing.
QStringList Unfit(QWidget& dialog, const char* main, const char* under) {
    QStringList faults;
    if (dialog.findChild<QScrollArea*>() != nullptr) {
        faults << "it scrolls";
    }
    const QRect screen = dialog.screen()->availableGeometry();
    if (!screen.contains(dialog.frameGeometry())) {
        faults << PlacedAt("the window", dialog.frameGeometry()) + " goes past the screen";
    }
    auto* top = dialog.findChild<QWidget*>(main);
    auto* bottom = dialog.findChild<QWidget*>(under);
    if (top == nullptr || bottom == nullptr) {
        return faults << "no " + QString(main) + " or " + under;
    }
    const QRect inside = dialog.rect();
    const QRect first(top->mapTo(&dialog, QPoint(0, 0)), top->size());
    const QRect last(bottom->mapTo(&dialog, QPoint(0, 0)), bottom->size());
    const int band = Fingertip(dialog) / 2;
    const bool across = first.left() <= band && first.right() >= inside.right() - band;
    const bool down = last.bottom() >= inside.bottom() - band;
    if (!across && !down) {
        faults << PlacedAt(main, first) + QString(" leaves bands in a window of %1x%2")
                                              .arg(inside.width())
                                              .arg(inside.height());
    }
    if (last.bottom() > inside.bottom() || first.right() > inside.right()) {
        faults << QString(under) + " or " + main + " is cut by the window's edge";
    }
    return faults;
}

// "Tickets" is a screen of its own: it fits the screen for the finger, and a
// tap where the articles, the checkout buttons and the service buttons of
// the sales screen are lands on it, never on them.
TEST_F(TouchTest, TheReceiptsOfTheDayCoverTheSalesScreen) {
    QList<QPair<QString, QPoint>> under;
    for (const char* name : {"cmdPrint(0)", "cmdPrint(2)", "cmdCuisine", "cmdRemise", "cmdClear"}) {
        QWidget* button = Shown(name);
        ASSERT_NE(button, nullptr) << name;
        under.append({name, button->mapToGlobal(button->rect().center())});
    }
    under.append({"article", PricedArticle()->mapToGlobal(PricedArticle()->rect().center())});
    under.append(
        {"bottom right", window->mapToGlobal(window->rect().bottomRight() - QPoint(2, 2))});
    QStringList faults;
    OnNextModal("Tickets", [&](QWidget& dialog) {
        // Maximized by the window manager once shown.
        WaitUntil([&] { return dialog.frameGeometry().contains(window->frameGeometry()); });
        ProcessEvents();
        SaveScreenshot("tickets");
        faults = TooSmall(dialog) + Overlapping(dialog) + Unfit(dialog, "lstTickets", "cmdFermer");
        for (const auto& [name, where] : under) {
            QWidget* hit = QApplication::widgetAt(where);
            if (hit == nullptr || hit->window() != &dialog) {
                faults << "a tap on " + name + " reaches " +
                              (hit == nullptr ? QString("nothing") : hit->objectName());
            }
        }
        dialog.close();
    });
    window->View().Fire([this] { Main().Click(Main()("mnuTickets")); });
    ProcessEvents();
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

// The settings dialog, then a report and its calendar, whose days are a
// fingertip square.
TEST_F(TouchTest, TheSettingsDialogAReportAndTheCalendarAreShownForTheFinger) {
    QStringList small;
    OnNextModal("Paramètres", [&](QWidget& dialog) {
        small = TooSmall(dialog) + Overlapping(dialog);
        SaveScreenshot("settings-dialog");
        dialog.close();
    });
    window->View().Fire([this] { Main().Click(Main()("mnuInfos")); });
    ProcessEvents();
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();

    // A sale in cash, without a receipt, for the report to show.
    Tap(PricedArticle());
    OnNextModal("Impression", [](QWidget& question) { Answer(question, "Non"); });
    Tap(Shown("cmdPrint(0)"));
    Tap(Shown("optPrint(1)"));
    Tap(Shown("cmdX"));
    SaveScreenshot("report");
    EXPECT_GT(Main()("lstTicket").ListCount(), 0);
    small = TooSmall(*window);
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();

    auto* picker = Shown<QDateEdit>("DTPicker1");
    ASSERT_TRUE(picker != nullptr && picker->isVisible());
    const QPoint arrow(picker->width() - 6, picker->height() / 2);
    QTest::mousePress(picker, Qt::LeftButton, {}, arrow);
    QCalendarWidget* calendar = picker->calendarWidget();
    ASSERT_TRUE(WaitUntil([calendar] { return calendar->isVisible(); }));
    ProcessEvents();
    auto* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    const QSize day(days->columnWidth(3), days->rowHeight(3));
    calendar->window()->close();
    QTest::mouseRelease(picker, Qt::LeftButton, {}, arrow);
    EXPECT_GE(std::min(day.width(), day.height()), MinimumTouchPixels(picker->screen()));
}

// "Graphiques" from the totals: the four charts fill the window for the
// finger; a tap on the day's bar shows its figures, which are the sale's; the
// week before shows beside them once chosen.
TEST_F(TouchTest, TheChartsAreShownForTheFingerAndATapShowsTheFiguresOfItsBar) {
    Tap(PricedArticle());
    OnNextModal("Impression", [](QWidget& question) { Answer(question, "Non"); });
    Tap(Shown("cmdPrint(0)"));
    Tap(Shown("optPrint(1)"));
    QStringList small;
    QString before;
    QString after;
    QString compared;
    QStringList unfit;
    OnNextModal("Graphiques", [&](QWidget& dialog) {
        WaitUntil([&] { return dialog.frameGeometry().contains(window->frameGeometry()); });
        ProcessEvents();
        small = TooSmall(dialog) + Overlapping(dialog);
        unfit = Unfit(dialog, "picGraphiques", "lblChiffres");
        SaveScreenshot("graphiques");
        auto* picture = dialog.findChild<QLabel*>("picGraphiques");
        auto* chiffres = dialog.findChild<QLabel*>("lblChiffres");
        ASSERT_TRUE(picture != nullptr && chiffres != nullptr);
        before = chiffres->text();
        // The one day's bar spans the days' chart: its middle.
        QTest::mouseClick(picture, Qt::LeftButton, {},
                          QPoint(picture->width() / 2, picture->height() * 300 / 768));
        ProcessEvents();
        after = chiffres->text();
        auto* comparer = dialog.findChild<QComboBox*>("cmbComparer");
        ASSERT_NE(comparer, nullptr);
        comparer->setCurrentIndex(1);
        emit comparer->activated(1);
        ProcessEvents();
        QTest::mouseClick(picture, Qt::LeftButton, {},
                          QPoint(picture->width() / 2, picture->height() * 300 / 768));
        ProcessEvents();
        compared = chiffres->text();
        SaveScreenshot("graphiques-semaine");
        dialog.close();
    });
    Tap(Shown("cmdGraphiques"));
    ProcessEvents();
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();
    EXPECT_TRUE(unfit.isEmpty()) << unfit.join("\n").toStdString();
    EXPECT_EQ(before.toStdString(), "Touchez une barre pour voir ses chiffres.");
    EXPECT_TRUE(after.startsWith("Par jour, ")) << after.toStdString();
    EXPECT_TRUE(after.contains("espèces ")) << after.toStdString();
    EXPECT_FALSE(after.contains("comparaison")) << after.toStdString();
    EXPECT_TRUE(compared.contains("; comparaison ")) << compared.toStdString();
}

}  // namespace
}  // namespace vantor::test
