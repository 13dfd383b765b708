#include "gui/NumericPad.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/DisplayScale.h"
#include "gui/QtSession.h"
#include "gui/TouchHints.h"

namespace vantor {
namespace {

struct Key {
    const char* caption;
    int key;
    const char* text;
};

// Laid out as on a calculator, three keys a row.
constexpr Key kKeys[] = {
    {"7", Qt::Key_7, "7"}, {"8", Qt::Key_8, "8"},      {"9", Qt::Key_9, "9"},
    {"4", Qt::Key_4, "4"}, {"5", Qt::Key_5, "5"},      {"6", Qt::Key_6, "6"},
    {"1", Qt::Key_1, "1"}, {"2", Qt::Key_2, "2"},      {"3", Qt::Key_3, "3"},
    {"0", Qt::Key_0, "0"}, {".", Qt::Key_Period, "."}, {"\u2190", Qt::Key_Backspace, ""},
};

}  // namespace

void NumericPad::Install() {
    static const bool installed = [] {
        QObject::connect(qApp, &QApplication::focusChanged,
                         [](QWidget*, QWidget* now) { FocusChanged(now); });
        return true;
    }();
    (void)installed;
}

NumericPad* NumericPad::Shown() {
    return QtSession::Current().numericPad.data();
}

void NumericPad::FocusChanged(QWidget* now) {
    QPointer<NumericPad>& shown = QtSession::Current().numericPad;
    if (shown && shown->target_ == now) {
        return;
    }
    if (shown) {
        shown->hide();
        shown->deleteLater();
        shown = nullptr;
    }
    if (IsAmountField(now)) {
        auto* edit = static_cast<QLineEdit*>(now);
        shown = new NumericPad(*edit);
        shown->PlaceBeside(*edit);
        shown->show();
    }
}

NumericPad::NumericPad(QLineEdit& target)
    : QWidget(target.window(), Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                                   Qt::WindowStaysOnTopHint),
      target_(&target) {
    setObjectName("NumericPad");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    const int side = MinimumTouchPixels(target.screen()) * 3 / 2;
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    int position = 0;
    for (const Key& key : kKeys) {
        auto* button = new QPushButton(QString::fromUtf8(key.caption), this);
        button->setObjectName(QStringLiteral("pad ") + QString::fromUtf8(key.caption));
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(side, side);
        QFont font = button->font();
        font.setPixelSize(side / 2);
        button->setFont(font);
        connect(button, &QPushButton::clicked, this,
                [this, key] { Type(key.key, QString::fromUtf8(key.text)); });
        grid->addWidget(button, position / 3, position % 3);
        ++position;
    }
    target.window()->installEventFilter(this);
}

bool NumericPad::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (target_ && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
        PlaceBeside(*target_);
    }
    return QWidget::eventFilter(watched, event);
}

void NumericPad::Type(int key, const QString& text) {
    if (!target_) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target_, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target_, &release);
}

// Beside the field's window, right or left, level with the field, so that
// it covers none of the window's buttons; below the field when the screen
// has no room on either side. Always kept on the screen.
void NumericPad::PlaceBeside(const QLineEdit& field) {
    adjustSize();
    const QRect area = field.screen()->availableGeometry();
    const QRect window = field.window()->frameGeometry();
    const QPoint fieldTop = field.mapToGlobal(QPoint(0, 0));
    QPoint at(window.right() + 4, fieldTop.y());
    if (at.x() + width() > area.right()) {
        at.setX(window.left() - width() - 4);
    }
    if (at.x() < area.left()) {
        at = QPoint(fieldTop.x() + field.width() - width(), fieldTop.y() + field.height() + 2);
    }
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    move(at);
}

}  // namespace vantor
