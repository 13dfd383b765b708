// The main window: scale, size and state reported to the form, activation,
// and the close request.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "SampleForms.h"
#include "WidgetTesting.h"
#include "gui/FormView.h"
#include "gui/MainWindow.h"

namespace vantor::test {
namespace {

QRect Available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

int Count(const std::vector<std::string>& log, const std::string& line) {
    return static_cast<int>(std::count(log.begin(), log.end(), line));
}

class MainWindowTest : public ::testing::Test {
protected:
    SampleForm form;
};

TEST_F(MainWindowTest, TheDesignFitsTheScreenAndTheFormFollowsTheWindow) {
    MainWindow window(form);
    const double fitWidth = form.width * window.Scale();
    const double fitHeight = form.height * window.Scale();
    EXPECT_LE(fitWidth, Available().width() + 0.5);
    EXPECT_LE(fitHeight, Available().height() + 0.5);
    EXPECT_TRUE(std::abs(fitWidth - Available().width()) < 1 ||
                std::abs(fitHeight - Available().height()) < 1);
    EXPECT_EQ(window.View().findChild<QPushButton*>("cmdOK")->x(), qRound(1200 * window.Scale()));
    EXPECT_EQ(window.windowTitle(), "Échantillon");

    form("cmdOK").onClick = [this] { form.caption = "Vantor pour Windows"; };
    window.ShowForm();
    ASSERT_TRUE(WaitUntil([this] { return Count(form.log, "Activate") == 1; }));
    EXPECT_EQ(form.log.front(), "Resize") << "resized, then activated";
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.windowState, WindowState::Normal);
    EXPECT_NEAR(form.width * window.Scale(), window.frameGeometry().width(), 1);
    EXPECT_NEAR(form.height * window.Scale(), window.frameGeometry().height(), 1);
    QTest::mouseClick(window.View().findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(window.windowTitle(), "Vantor pour Windows");

    // The form is told its size and state, and may set its own size.
    form.log.clear();
    window.resize(500, 300);
    ProcessEvents();
    EXPECT_EQ(Count(form.log, "Resize"), 1);
    EXPECT_EQ(form.width, qRound(window.frameGeometry().width() / window.Scale()));
    EXPECT_EQ(form.height, qRound(window.frameGeometry().height() / window.Scale()));

    window.showMinimized();
    ProcessEvents();
    EXPECT_EQ(form.windowState, WindowState::Minimized);
    window.BringToFront();
    ProcessEvents();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_NE(form.windowState, WindowState::Minimized);

    form.normalWidth = 6000;
    form.normalHeight = 3000;
    window.resize(200, 200);
    ProcessEvents();
    EXPECT_NEAR(window.frameGeometry().width(), 6000 * window.Scale(), 1);
    EXPECT_NEAR(window.frameGeometry().height(), 3000 * window.Scale(), 1);
}

TEST_F(MainWindowTest, AMaximizedFormOpensMaximizedOverTheScreen) {
    form.windowState = WindowState::Maximized;
    MainWindow window(form);
    window.ShowForm();
    ProcessEvents();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_EQ(form.windowState, WindowState::Maximized);
    EXPECT_NEAR(form.width * window.Scale(), Available().width(), 1);
}

// The close box asks the form, which may refuse; a handler closing the form
// closes the window.
TEST_F(MainWindowTest, TheCloseBoxAsksTheFormAndAHandlerMayCloseIt) {
    for (const bool byHandler : {false, true}) {
        SampleForm form;
        MainWindow window(form);
        QSignalSpy finished(&window, &MainWindow::Finished);
        form("cmdOK").onClick = [&form] { form.RequestClose(); };
        window.ShowForm();
        ProcessEvents();
        if (byHandler) {
            QTest::mouseClick(window.View().findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            ASSERT_TRUE(WaitUntil([&finished] { return finished.count() == 1; }));
        } else {
            form.refuseClose = true;
            EXPECT_FALSE(window.close());
            EXPECT_TRUE(window.isVisible());
            EXPECT_FALSE(form.Closed());
            EXPECT_EQ(finished.count(), 0);
            form.refuseClose = false;
            EXPECT_TRUE(window.close());
        }
        EXPECT_EQ(Count(form.log, "QueryUnload"), byHandler ? 1 : 2);
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(form.Closed());
        EXPECT_EQ(Count(form.log, "Unload"), 1);
        EXPECT_EQ(finished.count(), 1);
    }
}

}  // namespace
}  // namespace vantor::test
