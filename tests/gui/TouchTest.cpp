// The till in a real window at a touch screen's size (the script runs it at
// 1024 x 768 and at 1920 x 1080 under a window manager): long press, fingertip
// sizes, keypad columns, focus after a faulty amount, the default answer of a
// destructive question, and screenshots kept for the closing note.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <set>

#include "WidgetTesting.h"
#include "platform/headless/SystemClock.h"
#include "platform/qt/DisplayScale.h"
#include "platform/qt/FormDialog.h"
#include "platform/qt/FormView.h"
#include "platform/qt/MainWindow.h"
#include "platform/qt/NumericPad.h"
#include "platform/qt/QtKeyboard.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtPrinters.h"
#include "platform/qt/QtSettings.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtSingleInstance.h"
#include "platform/qt/QtUi.h"
#include "platform/qt/TillButton.h"
#include "sales/frmMain.h"
#include "startup/Startup.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// "1024x768" or "1920x1080": the screen the script started.
QString ScreenName() {
    const QSize size = QGuiApplication::primaryScreen()->size();
    return QString("%1x%2").arg(size.width()).arg(size.height());
}

void SaveScreenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("VANTOR_ARTEFACTS");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    ProcessEvents();
    QTest::qWait(200);
    const QString path = folder + "/" + name + "-" + ScreenName() + ".png";
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("screenshot: %s\n", qPrintable(path));
}

QString Describe(const QWidget& widget, const QSize& size) {
    return QString("%1 (%2) %3x%4")
        .arg(widget.objectName(), widget.metaObject()->className())
        .arg(size.width())
        .arg(size.height());
}

// On the small screen the sales screen's fields, the tables panel's toggle
// (inside the collapsed panel) and the settings dialog keep the height their
// twips give them (they sit too close to grow): there only the other buttons,
// list rows and menu entries are checked.
bool FieldsChecked() {
    return QGuiApplication::primaryScreen()->size().height() >= 1080;
}

// Everything in the window a finger has to hit that is below a fingertip:
// buttons, fields, list rows and menu bar entries.
QStringList TooSmall(QWidget& window, bool fields = true) {
    const int touch = MinimumTouchPixels(window.screen());
    QStringList small;
    auto check = [&](const QWidget& widget, const QSize& size) {
        if (size.height() < touch) {
            small << Describe(widget, size);
        }
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->objectName() == "qt_scrollarea_viewport") {
            continue;
        }
        const bool field =
            widget->objectName() == "cmdOuvre" || qobject_cast<QLineEdit*>(widget) ||
            qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
            (qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QPushButton*>(widget));
        if (field ? fields : qobject_cast<QPushButton*>(widget) != nullptr) {
            if (widget->parentWidget() != nullptr &&
                (qobject_cast<QComboBox*>(widget->parentWidget()) ||
                 qobject_cast<QAbstractSpinBox*>(widget->parentWidget()))) {
                continue;  // the field inside a combo box or a date picker
            }
            check(*widget, widget->size());
        }
        if (auto* list = qobject_cast<QListWidget*>(widget); list && list->count() > 0) {
            check(*list, list->visualItemRect(list->item(0)).size());
        }
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* action : bar->actions()) {
                if (action->isVisible()) {
                    check(*bar, bar->actionGeometry(action).size());
                }
            }
        }
    }
    return small;
}

// Like OnNextModal, for the box or dialog of this title only: registered from
// inside another modal window, it must not take that one for the next.
void OnNextWindow(const QString& title, std::function<void(QWidget&)> action) {
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [timer, title, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->windowTitle() == title) {
            timer->stop();
            timer->deleteLater();
            action(*modal);
        }
    });
    timer->start(20);
}

void Answer(QWidget& question, const QString& text) {
    for (QAbstractButton* button : static_cast<QMessageBox&>(question).buttons()) {
        if (button->text() == text) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

QStringList TooSmallEntries(QMenu& menu) {
    QStringList small;
    for (QAction* action : menu.actions()) {
        if (action->isVisible() && !action->isSeparator() &&
            menu.actionGeometry(action).height() < MinimumTouchPixels(menu.screen())) {
            small << action->text();
        }
    }
    return small;
}

class TouchTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartOptions options;
        options.dataDir = folder.Path();
        till = StartTill(platform, instance, options);
        ASSERT_EQ(till.status, StartStatus::Running);
        window = std::make_unique<MainWindow>(*till.main);
        window->ShowForm();
        window->activateWindow();
        ASSERT_TRUE(WaitUntil([this] { return window->isVisible() && window->isActiveWindow(); }));
        QTest::qWait(300);
        // A box nobody expected would wait for ever: named and closed instead.
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            QWidget* stuck = QApplication::activePopupWidget();
            if (stuck == nullptr) {
                stuck = QApplication::activeModalWidget();
            }
            if (stuck != nullptr) {
                ADD_FAILURE() << "left waiting: " << stuck->windowTitle().toStdString() << " "
                              << stuck->metaObject()->className();
                stuck->close();
            }
        });
        watchdog.start(20000);
    }

    void TearDown() override {
        window.reset();
        ProcessEvents();
    }

    frmMain& Main() const { return *till.main; }

    template <typename Widget = QWidget>
    Widget* Shown(const QString& name) const {
        return window->findChild<Widget*>(name);
    }

    // The first article with a price.
    TillButton* PricedArticle() const {
        for (int i = 1; i <= Main().UBound("Command1"); ++i) {
            if (!Main()("Command1", i).toolTip.empty()) {
                return Shown<TillButton>(QString("Command1(%1)").arg(i));
            }
        }
        return nullptr;
    }

    void Tap(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
        ProcessEvents();
    }

    TempDir folder;
    QtUi ui;
    QtPrinters printers;
    QtSettings settings;
    QtShell shell;
    QtKeyboard keyboard;
    SystemClock clock;
    QtPictures pictures;
    QtSingleInstance instance;
    Platform platform{ui,       printers, settings, shell,
                      keyboard, clock,    pictures, SystemUserFolders()};
    Till till;
    std::unique_ptr<MainWindow> window;
    QTimer watchdog;
};

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
        smallEntries = TooSmallEntries(*menu);
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

TEST_F(TouchTest, APriceIsWrittenUnderTheArticlesName) {
    TillButton* article = PricedArticle();
    ASSERT_NE(article, nullptr);
    const QColor face = article->Face();
    const QImage drawn = article->grab().toImage();
    // The lower part of the button carries the price: text pixels there.
    int ink = 0;
    for (int y = drawn.height() * 2 / 3; y < drawn.height() - 3; ++y) {
        for (int x = 3; x < drawn.width() - 3; ++x) {
            ink += drawn.pixelColor(x, y) != face ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 10) << "no price under the article's name";
}

TEST_F(TouchTest, EverythingToTapOnTheSalesScreenIsAFingertipHigh) {
    Tap(PricedArticle());
    SaveScreenshot("sales-screen");
    const QStringList small = TooSmall(*window, FieldsChecked());
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();
}

TEST_F(TouchTest, TheKeypadShowsWholeColumnsOnly) {
    auto* keypad = Shown("fraArticles");
    ASSERT_NE(keypad, nullptr);
    std::set<int> columns;
    for (int i = 1; i <= Main().UBound("Command1"); ++i) {
        auto* button = Shown<TillButton>(QString("Command1(%1)").arg(i));
        if (button == nullptr || !button->isVisible()) {
            continue;
        }
        columns.insert(button->x());
        EXPECT_LE(button->geometry().right(), keypad->width()) << "a cut column at " << button->x();
        EXPECT_GE(button->width(), 2 * MinimumTouchPixels(window->screen()));
    }
    if (ScreenName() == "1920x1080") {
        EXPECT_EQ(columns.size(), 7u);
    }
    EXPECT_GE(columns.size(), 1u);
}

TEST_F(TouchTest, AfterAFaultyAmountTheFocusIsInTheAmountField) {
    Tap(PricedArticle());
    bool paymentSeen = false;
    QWidget* focused = nullptr;
    QLineEdit* cash = nullptr;
    QString padTarget;
    QStringList small;
    OnNextWindow("Impression", [&](QWidget& question) {
        auto* box = qobject_cast<QMessageBox*>(&question);
        ASSERT_NE(box, nullptr);
        OnNextWindow("Paiement", [&](QWidget& dialog) {
            paymentSeen = true;
            small = TooSmall(dialog);
            cash = dialog.findChild<QLineEdit*>("txtEsp");
            ASSERT_NE(cash, nullptr);
            QTest::mouseClick(cash, Qt::LeftButton);
            QTest::keyClicks(cash, "abc");
            OnNextWindow("Vantor", [&small](QWidget& error) {
                small << TooSmall(error);
                QTest::keyClick(&error, Qt::Key_Return);
            });
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdComplete"), Qt::LeftButton);
            WaitUntil([&] { return QApplication::focusWidget() == cash; });
            focused = QApplication::focusWidget();
            if (NumericPad* pad = NumericPad::Shown(); pad && pad->Target() == cash) {
                padTarget = cash->objectName();
                QTest::mouseClick(pad->findChild<QPushButton*>("pad 4"), Qt::LeftButton);
            }
            SaveScreenshot("payment-dialog");
            QTest::mouseClick(dialog.findChild<QPushButton*>("cmdUndo"), Qt::LeftButton);
            OnNextWindow("Vantor",
                         [](QWidget& notice) { QTest::keyClick(&notice, Qt::Key_Return); });
        });
        Answer(*box, "Non");
    });
    Tap(Shown("cmdPrint(2)"));
    ASSERT_TRUE(paymentSeen);
    EXPECT_EQ(focused, cash);
    EXPECT_EQ(padTarget, "txtEsp") << "no numeric pad on the amount field";
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();
}

TEST_F(TouchTest, AFreePriceIsTypedOnTheNumericPad) {
    QString padTarget;
    OnNextWindow("Prix libre", [&](QWidget& priceBox) {
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
        OnNextWindow("Article",
                     [](QWidget& textBox) { QTest::keyClick(&textBox, Qt::Key_Return); });
        QTest::keyClick(&priceBox, Qt::Key_Return);
    });
    Tap(Shown("Command1(1)"));  // the first column's header: no price
    EXPECT_EQ(padTarget, "0.00");
    ASSERT_EQ(Main()("lstTicket").ListCount(), 1);
    EXPECT_NE(Main()("lstTicket").items[0].find("12.50"), std::string::npos)
        << Main()("lstTicket").items[0];
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

TEST_F(TouchTest, TheSettingsDialogAndAReportAreShownForTheFinger) {
    QStringList small;
    OnNextWindow("Paramètres", [&](QWidget& dialog) {
        small = TooSmall(dialog, FieldsChecked());
        SaveScreenshot("settings-dialog");
        dialog.close();
    });
    window->View().Fire([this] { Main().Click(Main()("mnuInfos")); });
    ProcessEvents();
    EXPECT_TRUE(small.isEmpty()) << small.join("\n").toStdString();

    // A sale in cash, without a receipt, for the report to show.
    Tap(PricedArticle());
    OnNextWindow("Impression", [](QWidget& question) { Answer(question, "Non"); });
    Tap(Shown("cmdPrint(0)"));
    Tap(Shown("optPrint(1)"));
    Tap(Shown("cmdX"));
    SaveScreenshot("report");
    EXPECT_GT(Main()("lstTicket").ListCount(), 0);
}

}  // namespace
}  // namespace vantor::test
