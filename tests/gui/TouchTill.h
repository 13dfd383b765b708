#pragma once

// The till in a real window at a touch screen's size, for the touch checks
// (touch.sh runs them under a window manager at several screen sizes), and
// what those checks look for: things below a fingertip, things to tap that
// cover each other, screenshots kept for the closing note.
#include <gtest/gtest.h>

#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "app/QtTill.h"
#include "gui/MainWindow.h"
#include "gui/Scales.h"
#include "gui/TillButton.h"
#include "sales/frmMain.h"
#include "support/TempDir.h"

namespace vantor::test {

// Kept as NAME-1024x768.png (the screen's size) in the artefacts folder.
void SaveScreenshot(const QString& name);

// Pairs of things to tap in one frame that cover each other.
QStringList Overlapping(QWidget& window);

// A fingertip on the widget's screen, in pixels: what the window takes for
// one, and never less than 9 mm at 96 dpi (34 pixels).
int Fingertip(const QWidget& widget);

// Everything in the window (or menu) a finger has to hit that is below a
// fingertip across or down: buttons, fields, list rows, menu bar and menu
// entries, the boxes of options and check boxes.
QStringList TooSmall(QWidget& window);

// "cmdOK at 12,700 100x40": where a thing stands, for a failure's message.
QString PlacedAt(const QString& name, const QRect& place);

// Clicks the button of this text in a message box.
void Answer(QWidget& question, const QString& text);

class TouchTest : public ::testing::Test {
protected:
    // Data files the till finds at its start (none: the defaults).
    virtual void PrepareData() {}

    void SetUp() override;
    void TearDown() override;

    frmMain& Main() const { return started->Main(); }

    template <typename Widget = QWidget>
    Widget* Shown(const QString& name) const {
        return window->findChild<Widget*>(name);
    }

    // The first article with a price.
    TillButton* PricedArticle() const;
    void Tap(QWidget* widget);

    TempDir folder;
    std::unique_ptr<QtTill> started;
    std::unique_ptr<MainWindow> window;
    Scales madeAt;  // the scales the widgets were made at
    QTimer watchdog;
    QPointer<QWidget> seenUp;
};

}  // namespace vantor::test
