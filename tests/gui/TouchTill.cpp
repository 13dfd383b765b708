#include "TouchTill.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "WidgetTesting.h"
#include "gui/DisplayScale.h"
#include "gui/FormView.h"

namespace vantor::test {
namespace {

bool IsTapped(const QWidget& widget) {
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QComboBox*>(&widget) ||
           qobject_cast<const QAbstractSpinBox*>(&widget) ||
           qobject_cast<const QAbstractButton*>(&widget);
}

bool Below(const QSize& size, int touch) {
    return size.width() < touch || size.height() < touch;
}

// The entries of a menu bar or menu below a fingertip.
template <typename Menu>
void CheckEntries(const Menu& menu, int touch, QStringList& small) {
    for (QAction* action : menu.actions()) {
        const QSize size = menu.actionGeometry(action).size();
        if (action->isVisible() && !action->isSeparator() && Below(size, touch)) {
            small << QString("%1 in %2 %3x%4")
                         .arg(action->text(), menu.objectName())
                         .arg(size.width())
                         .arg(size.height());
        }
    }
}

// The box of an option or a check box, which is what the eye looks for.
QSize IndicatorSize(const QWidget& widget) {
    const bool option = qobject_cast<const QRadioButton*>(&widget) != nullptr;
    const QStyle& style = *widget.style();
    return QSize(
        style.pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth,
                          nullptr, &widget),
        style.pixelMetric(option ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight,
                          nullptr, &widget));
}

}  // namespace

QString PlacedAt(const QString& name, const QRect& place) {
    return QString("%1 at %2,%3 %4x%5")
        .arg(name)
        .arg(place.x())
        .arg(place.y())
        .arg(place.width())
        .arg(place.height());
}

int Fingertip(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    return std::max(MinimumTouchPixels(screen), qRound(34 * screen->logicalDotsPerInchY() / 96));
}

void SaveScreenshot(const QString& name) {
    const QString folder = qEnvironmentVariable("VANTOR_ARTEFACTS");
    if (folder.isEmpty()) {
        return;
    }
    QDir().mkpath(folder);
    ProcessEvents();
    QTest::qWait(200);
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString path =
        QString("%1/%2-%3x%4.png").arg(folder, name).arg(screen.width()).arg(screen.height());
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    std::printf("screenshot: %s\n", qPrintable(path));
}

QStringList Overlapping(QWidget& window) {
    QStringList found;
    for (QWidget* frame : window.findChildren<QWidget*>()) {
        QList<QWidget*> tapped;
        for (QWidget* child : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            // What the frame cuts off is not there to be tapped.
            if (child->isVisible() && IsTapped(*child) &&
                frame->rect().intersects(child->geometry())) {
                tapped << child;
            }
        }
        for (qsizetype i = 0; i < tapped.size(); ++i) {
            for (qsizetype j = i + 1; j < tapped.size(); ++j) {
                const QRect common = tapped[i]->geometry() & tapped[j]->geometry() & frame->rect();
                if (common.height() > 1 && common.width() > 1) {  // a rounded twip is no cover
                    found << tapped[i]->objectName() + " / " + tapped[j]->objectName();
                }
            }
        }
    }
    return found;
}

QStringList TooSmall(QWidget& window) {
    const int touch = Fingertip(window);
    QStringList small;
    auto check = [&](const QWidget& widget, const QSize& size) {
        if (Below(size, touch)) {
            small << QString("%1 (%2) %3x%4")
                         .arg(widget.objectName(), widget.metaObject()->className())
                         .arg(size.width())
                         .arg(size.height());
        }
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets << &window;
    for (QWidget* widget : widgets) {
        if (!widget->isVisible() || widget->objectName() == "qt_scrollarea_viewport") {
            continue;
        }
        QWidget* parent = widget->parentWidget();
        // Not the field inside a combo box or a date picker.
        if (IsTapped(*widget) &&
            !(parent != nullptr &&
              (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent)))) {
            check(*widget, widget->size());
        }
        if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            check(*widget, IndicatorSize(*widget));
        }
        if (auto* list = qobject_cast<QListWidget*>(widget); list && list->count() > 0) {
            check(*list, list->visualItemRect(list->item(0)).size());
        }
        if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            CheckEntries(*bar, touch, small);
        }
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            CheckEntries(*menu, touch, small);
        }
    }
    return small;
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

void TouchTest::SetUp() {
    PrepareData();
    StartOptions options;
    options.dataDir = folder.Path();
    started = std::make_unique<QtTill>(options);
    ASSERT_EQ(started->till.status, StartStatus::Running);
    window = std::make_unique<MainWindow>(started->Main());
    madeAt = window->View().CurrentScales();
    window->ShowForm();
    window->activateWindow();
    ASSERT_TRUE(WaitUntil([this] { return window->isVisible() && window->isActiveWindow(); }));
    QTest::qWait(300);
    // A box nobody expected would wait for ever: named and closed instead.
    // Only a box still up at two looks in a row counts, so a slow run that
    // shows an expected box just as the watchdog looks is not mistaken.
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
        QWidget* up = QApplication::activePopupWidget();
        if (up == nullptr) {
            up = QApplication::activeModalWidget();
        }
        if (up != nullptr && up == seenUp) {
            ADD_FAILURE() << "left waiting: " << up->windowTitle().toStdString() << " "
                          << up->metaObject()->className();
            up->close();
        }
        seenUp = up;
    });
    watchdog.start(8000);
}

void TouchTest::TearDown() {
    window.reset();
    ProcessEvents();
}

TillButton* TouchTest::PricedArticle() const {
    for (int i = 1; i <= Main().UBound("Command1"); ++i) {
        if (!Main()("Command1", i).toolTip.empty()) {
            return Shown<TillButton>(QString("Command1(%1)").arg(i));
        }
    }
    return nullptr;
}

void TouchTest::Tap(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
    ProcessEvents();
}

}  // namespace vantor::test
