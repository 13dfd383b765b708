#include "gui/WidgetSync.h"

#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#include "gui/ClickLabel.h"
#include "gui/Convert.h"
#include "gui/Fonts.h"
#include "gui/TillButton.h"
#include "gui/TouchHints.h"

namespace vantor {
namespace {

constexpr Color kDefaultFace = Rgb(240, 240, 240);

// Stores the new value and tells whether the widget must be updated.
template <typename T>
bool Update(T& cached, const T& now, bool fresh) {
    if (!fresh && cached == now) {
        return false;
    }
    cached = now;
    return true;
}

bool ShowsTextOnBase(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::ListBox:
        case ControlKind::ComboBox:
        case ControlKind::DatePicker:
        case ControlKind::DriveList:
        case ControlKind::DirList:
        case ControlKind::FileList:
            return true;
        default:
            return false;
    }
}

void ApplyPalette(QWidget& widget, const Control& control) {
    QPalette palette = widget.palette();
    const QColor fore = ToQColor(control.foreColor);
    if (ShowsTextOnBase(control.kind)) {
        // The model's default face colour means "the system's field colour" here.
        palette.setColor(QPalette::Base, control.backColor == kDefaultFace
                                             ? QApplication::palette().color(QPalette::Base)
                                             : ToQColor(control.backColor));
        palette.setColor(QPalette::Text, fore);
    } else {
        palette.setColor(QPalette::Window, ToQColor(control.backColor));
        palette.setColor(QPalette::WindowText, fore);
        // A label of the default colour lets its frame show through, whatever
        // colour the style gives that frame.
        widget.setAutoFillBackground(control.kind != ControlKind::Label ||
                                     control.backColor != kDefaultFace);
    }
    widget.setPalette(palette);
}

void SyncColors(QWidget& widget, const Control& control, WidgetCache& cache) {
    const bool back = Update(cache.backColor, control.backColor, cache.fresh);
    const bool fore = Update(cache.foreColor, control.foreColor, cache.fresh);
    if (!back && !fore) {
        return;
    }
    if (auto* button = dynamic_cast<TillButton*>(&widget)) {
        button->SetColors(ToQColor(control.backColor), ToQColor(control.foreColor));
    } else if (control.kind != ControlKind::HScrollBar) {
        ApplyPalette(widget, control);
    }
}

void SyncFont(QWidget& widget, const Control& control, double scale, WidgetCache& cache) {
    bool changed = Update(cache.fontName, control.fontName, cache.fresh);
    changed = Update(cache.fontSize, control.fontSize, cache.fresh) || changed;
    changed = Update(cache.fontBold, control.fontBold, cache.fresh) || changed;
    if (changed || cache.scale != scale) {
        widget.setFont(ControlFont(control.fontName, control.fontSize, control.fontBold, scale));
    }
}

void SyncCaption(QWidget& widget, const Control& control, WidgetCache& cache) {
    if (!Update(cache.caption, control.caption, cache.fresh)) {
        return;
    }
    const QString caption = ToQString(control.caption);
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        frame->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setText(WithoutMnemonic(caption));
    }
}

void SyncPicture(ClickLabel& holder, const Control& control, WidgetCache& cache, bool resized) {
    const Picture& now = control.picture;
    const bool same = !cache.fresh && cache.picture.path == now.path &&
                      cache.picture.width == now.width && cache.picture.height == now.height;
    if (same && !resized) {
        return;
    }
    cache.picture = now;
    QPixmap pixmap;
    if (now.Loaded() && pixmap.load(ToQString(now.path)) && !holder.size().isEmpty()) {
        holder.setPixmap(
            pixmap.scaled(holder.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    } else {
        holder.setPixmap(QPixmap());
    }
}

QStringList ToQStrings(const std::vector<std::string>& items, std::size_t from) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size() - from));
    for (std::size_t i = from; i < items.size(); ++i) {
        list.append(ToQString(items[i]));
    }
    return list;
}

// Items already shown that the new list starts with are kept: a list that
// only grew gets its new lines appended.
template <typename ItemWidget>
bool SyncItems(ItemWidget& widget, const std::vector<std::string>& items, WidgetCache& cache) {
    if (!cache.fresh && cache.items == items) {
        return false;
    }
    const bool grows = !cache.fresh && cache.items.size() <= items.size() &&
                       std::equal(cache.items.begin(), cache.items.end(), items.begin());
    if (!grows) {
        widget.clear();
    }
    widget.addItems(ToQStrings(items, grows ? cache.items.size() : 0));
    cache.items = items;
    return true;
}

// A marked line has the colour of the "Bon cuisine" button, the others none.
void MarkItems(QListWidget& list, const std::vector<int>& marked) {
    for (int row = 0; row < list.count(); ++row) {
        const bool mark = std::find(marked.begin(), marked.end(), row) != marked.end();
        list.item(row)->setBackground(mark ? QBrush(QColor(128, 255, 128)) : QBrush());
    }
}

void SyncList(QListWidget& list, const Control& control, WidgetCache& cache) {
    const bool itemsChanged = SyncItems(list, control.items, cache);
    if (Update(cache.markedItems, control.markedItems, cache.fresh) || itemsChanged) {
        MarkItems(list, control.markedItems);
    }
    if (Update(cache.listIndex, control.listIndex, cache.fresh) || itemsChanged) {
        if (control.listIndex < 0 || control.listIndex >= list.count()) {
            list.setCurrentRow(-1);
            list.clearSelection();
        } else {
            list.setCurrentRow(control.listIndex);
        }
    }
}

void SyncCombo(QComboBox& combo, const Control& control, WidgetCache& cache) {
    const bool itemsChanged = SyncItems(combo, control.items, cache);
    if (Update(cache.listIndex, control.listIndex, cache.fresh) || itemsChanged) {
        combo.setCurrentIndex(control.listIndex < combo.count() ? control.listIndex : -1);
    }
    if (Update(cache.text, control.text, cache.fresh)) {
        combo.setPlaceholderText(ToQString(control.text));
    }
}

Qt::Alignment HorizontalAlignment(int alignment) {
    switch (alignment) {
        case vbRightJustify:
            return Qt::AlignRight;
        case vbCenter:
            return Qt::AlignHCenter;
        default:
            return Qt::AlignLeft;
    }
}

void SyncTextBox(QLineEdit& edit, const Control& control, WidgetCache& cache) {
    if (Update(cache.alignment, control.alignment, cache.fresh)) {
        edit.setAlignment(HorizontalAlignment(control.alignment) | Qt::AlignVCenter);
    }
    if (Update(cache.maxLength, control.maxLength, cache.fresh)) {
        edit.setMaxLength(control.maxLength > 0 ? control.maxLength : 32767);
    }
    if (Update(cache.text, control.text, cache.fresh)) {
        const QString text = ToQString(control.text);
        if (edit.text() != text) {
            edit.setText(text);
        }
    }
}

// The bar of a frame that shows several whole steps (keypad columns) stops
// where the last step comes into view: further on there is only blank space.
int ScrollMaximum(const Control& bar) {
    const int step = bar.smallChange;
    if (bar.container == nullptr || step <= 0 || bar.container->width < 2 * step) {
        return std::max(bar.min, bar.max);
    }
    // A twentieth of a step for the margin before the first column.
    const int shown = (bar.container->width - step / 20) / step;
    return std::max(bar.min, bar.max - (shown - 1) * step);
}

void SyncScrollBar(QScrollBar& bar, const Control& control, WidgetCache& cache) {
    bool range = Update(cache.min, control.min, cache.fresh);
    range = Update(cache.max, ScrollMaximum(control), cache.fresh) || range;
    if (range) {
        bar.setRange(control.min, cache.max);
    }
    if (Update(cache.smallChange, control.smallChange, cache.fresh)) {
        bar.setSingleStep(control.smallChange);
    }
    if (Update(cache.largeChange, control.largeChange, cache.fresh)) {
        bar.setPageStep(control.largeChange);
    }
    if (Update(cache.value, control.value, cache.fresh) || range) {
        bar.setValue(control.value);
    }
}

void SyncValue(QWidget& widget, const Control& control, WidgetCache& cache) {
    if (!Update(cache.value, control.value, cache.fresh)) {
        return;
    }
    if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
        check->setCheckState(control.value == 0   ? Qt::Unchecked
                             : control.value == 2 ? Qt::PartiallyChecked
                                                  : Qt::Checked);
    } else if (auto* option = qobject_cast<QRadioButton*>(&widget)) {
        option->setChecked(control.value != 0);
    }
}

void SyncButton(TillButton& button, const Control& control, WidgetCache& cache) {
    SyncCaption(button, control, cache);
    if (Update(cache.toolTip, control.toolTip, cache.fresh)) {
        const QString tip = ToQString(control.toolTip);
        button.setToolTip(tip);
        const FaceAmount face = FaceAmountOf(tip);
        button.SetSecondLine(face.text, face.large);
    }
    if (Update(cache.isDefault, control.isDefault, cache.fresh)) {
        button.setDefault(control.isDefault);
    }
}

void SyncKindProperties(QWidget& widget, const Control& control, WidgetCache& cache, bool resized) {
    switch (control.kind) {
        case ControlKind::Button:
            SyncButton(static_cast<TillButton&>(widget), control, cache);
            break;
        case ControlKind::Label:
            SyncCaption(widget, control, cache);
            if (Update(cache.alignment, control.alignment, cache.fresh)) {
                static_cast<QLabel&>(widget).setAlignment(HorizontalAlignment(control.alignment) |
                                                          Qt::AlignTop);
            }
            break;
        case ControlKind::Frame:
            SyncCaption(widget, control, cache);
            break;
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            SyncCaption(widget, control, cache);
            SyncValue(widget, control, cache);
            break;
        case ControlKind::TextBox:
            SyncTextBox(static_cast<QLineEdit&>(widget), control, cache);
            break;
        case ControlKind::ListBox:
        case ControlKind::DirList:
        case ControlKind::FileList:
            SyncList(static_cast<QListWidget&>(widget), control, cache);
            break;
        case ControlKind::ComboBox:
        case ControlKind::DriveList:
            SyncCombo(static_cast<QComboBox&>(widget), control, cache);
            break;
        case ControlKind::HScrollBar:
            SyncScrollBar(static_cast<QScrollBar&>(widget), control, cache);
            break;
        case ControlKind::DatePicker:
            if (Update(cache.date, control.date, cache.fresh)) {
                static_cast<QDateEdit&>(widget).setDate(ToQDate(control.date));
            }
            break;
        case ControlKind::Picture:
            SyncPicture(static_cast<ClickLabel&>(widget), control, cache, resized);
            break;
        case ControlKind::Menu:
            break;
    }
}

}  // namespace

void SyncWidget(QWidget& widget, const Control& control, const Scales& scales, WidgetCache& cache) {
    const QSignalBlocker blocker(&widget);
    const ScaledControl scaled = Scaled(control, scales);
    const double pixelsPerTwip = scaled.fontScale;
    const bool resized = Update(cache.geometry, scaled.rect, cache.fresh);
    if (resized) {
        widget.setGeometry(cache.geometry);
    }
    SyncFont(widget, control, pixelsPerTwip, cache);
    cache.scale = pixelsPerTwip;
    SyncColors(widget, control, cache);
    SyncKindProperties(widget, control, cache, resized);
    // A button's tool tip may also be its second line (SyncButton).
    if (control.kind != ControlKind::Button &&
        Update(cache.toolTip, control.toolTip, cache.fresh)) {
        widget.setToolTip(ToQString(control.toolTip));
    }
    if (Update(cache.enabled, control.enabled, cache.fresh)) {
        widget.setEnabled(control.enabled);
    }
    if (Update(cache.visible, control.visible, cache.fresh)) {
        widget.setVisible(control.visible);
    }
    cache.fresh = false;
}

void ForgetUserInput(WidgetCache& cache) {
    cache.text = "\x01\x02 user input";
    cache.listIndex = -2;
    cache.value = std::numeric_limits<int>::min();
    cache.date = Date{0, 0, 0};
}

}  // namespace vantor
