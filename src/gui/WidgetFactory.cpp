#include "gui/WidgetFactory.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QScroller>
#include <algorithm>

#include "gui/ClickLabel.h"
#include "gui/Convert.h"
#include "gui/DisplayScale.h"
#include "gui/Events.h"
#include "gui/TillButton.h"
#include "gui/TillFrame.h"

namespace vantor {
namespace {

QWidget* MakeButton(Control& control, QWidget* parent, ControlEvents& events) {
    auto* button = new TillButton(parent);
    button->onMouseDown = [&control, &events](int pressed) { events.MouseDown(control, pressed); };
    QObject::connect(button, &QPushButton::clicked,
                     [&control, &events] { events.Clicked(control); });
    return button;
}

QWidget* MakeLabel(Control& control, QWidget* parent, ControlEvents& events) {
    auto* label = new ClickLabel(parent);
    label->setWordWrap(control.kind == ControlKind::Label);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->onMouseDown = [&control, &events](int pressed) { events.MouseDown(control, pressed); };
    label->onClick = [&control, &events] { events.Clicked(control); };
    // The point in the control's own twips, whatever the window's scale.
    label->onMouseUp = [&control, &events, label](int button, QPoint at) {
        const int x = control.width * at.x() / std::max(label->width(), 1);
        const int y = control.height * at.y() / std::max(label->height(), 1);
        events.MouseUp(control, button, x, y);
    };
    return label;
}

template <typename Button>
QWidget* MakeToggle(Control& control, QWidget* parent, ControlEvents& events) {
    auto* button = new Button(parent);
    // The model decides which option is set: no exclusivity of Qt's own.
    button->setAutoExclusive(false);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QAbstractButton::clicked,
                     [&control, &events] { events.Clicked(control); });
    return button;
}

QWidget* MakeTextBox(Control& control, QWidget* parent, ControlEvents& events) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(true);
    if (control.masked) {
        edit->setEchoMode(QLineEdit::Password);
    }
    QObject::connect(edit, &QLineEdit::textEdited, [&control, &events](const QString& text) {
        events.Edited(control, ToStd(text));
    });
    return edit;
}

QWidget* MakeList(Control& control, QWidget* parent, ControlEvents& events) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    // A finger flicks the list; a tap still chooses the row under it.
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    QScroller::grabGesture(list->viewport(), QScroller::LeftMouseButtonGesture);
    QObject::connect(list, &QListWidget::currentRowChanged, [&control, &events](int row) {
        if (row >= 0) {
            events.Chosen(control, row);
        }
    });
    // The first press has already chosen the row.
    QObject::connect(list, &QListWidget::itemDoubleClicked, [&control] {
        DeliverEvent([&control] {
            if (control.onDblClick) {
                control.onDblClick();
            }
        });
    });
    return list;
}

QWidget* MakeCombo(Control& control, QWidget* parent, ControlEvents& events) {
    auto* combo = new QComboBox(parent);
    QObject::connect(combo, &QComboBox::activated,
                     [&control, &events](int position) { events.Chosen(control, position); });
    return combo;
}

QWidget* MakeFrame(QWidget* parent) {
    return new TillFrame(parent);
}

QWidget* MakeScrollBar(Control& control, QWidget* parent, ControlEvents& events) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    // The keypad follows the thumb while it is dragged; once let go, the bar
    // settles on a whole step (a whole column of the keypad).
    QObject::connect(bar, &QScrollBar::valueChanged,
                     [&control, &events](int value) { events.Scrolled(control, value); });
    QObject::connect(bar, &QScrollBar::sliderReleased, [bar] {
        const int step = std::max(1, bar->singleStep());
        const int offset = bar->value() - bar->minimum();
        bar->setValue(std::min(bar->maximum(), bar->minimum() + (offset + step / 2) / step * step));
    });
    return bar;
}

QWidget* MakeDatePicker(Control& control, QWidget* parent, ControlEvents& events) {
    auto* picker = new QDateEdit(parent);
    picker->setCalendarPopup(true);
    // Written as on the receipts, the reports and the agenda.
    picker->setDisplayFormat("dd.MM.yyyy");
    // The month's days a fingertip square: seven columns, six weeks under the
    // day names and the month's bar.
    auto* calendar = new QCalendarWidget(picker);
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    const int touch = MinimumTouchPixels(parent->screen());
    calendar->setMinimumSize(7 * touch + touch / 2, 9 * touch);
    picker->setCalendarWidget(calendar);
    QObject::connect(picker, &QDateEdit::dateChanged, [&control, &events](const QDate& date) {
        events.DatePicked(control, FromQDate(date));
    });
    return picker;
}

QWidget* MakeWidget(Control& control, QWidget* parent, ControlEvents& events) {
    switch (control.kind) {
        case ControlKind::Button:
            return MakeButton(control, parent, events);
        case ControlKind::Label:
        case ControlKind::Picture:
            return MakeLabel(control, parent, events);
        case ControlKind::TextBox:
            return MakeTextBox(control, parent, events);
        case ControlKind::ListBox:
        case ControlKind::DirList:
        case ControlKind::FileList:
            return MakeList(control, parent, events);
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
            return MakeCombo(control, parent, events);
        case ControlKind::Frame:
            return MakeFrame(parent);
        case ControlKind::OptionButton:
            return MakeToggle<QRadioButton>(control, parent, events);
        case ControlKind::CheckBox:
            return MakeToggle<QCheckBox>(control, parent, events);
        case ControlKind::HScrollBar:
            return MakeScrollBar(control, parent, events);
        case ControlKind::DatePicker:
            return MakeDatePicker(control, parent, events);
        case ControlKind::Menu:
            return nullptr;
    }
    return nullptr;
}

}  // namespace

std::string ControlId(const Control& control) {
    return control.index < 0 ? control.name
                             : control.name + "(" + std::to_string(control.index) + ")";
}

QWidget* CreateWidget(Control& control, QWidget* parent, ControlEvents& events) {
    QWidget* widget = MakeWidget(control, parent, events);
    if (widget != nullptr) {
        widget->setObjectName(ToQString(ControlId(control)));
    }
    return widget;
}

}  // namespace vantor
