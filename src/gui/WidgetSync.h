#pragma once

#include <QRect>
#include <string>
#include <vector>

#include "gui/Scales.h"
#include "platform/Control.h"

class QWidget;

namespace vantor {

// What a widget shows, as last copied from its control; a sync sets only the
// properties that differ, so an unchanged form syncs in a few microseconds per
// control.
struct WidgetCache {
    bool fresh = true;
    double scale = 0;
    QRect geometry;
    bool visible = false;
    bool enabled = false;
    std::string caption;
    std::string toolTip;
    std::string text;
    Color backColor = 0;
    Color foreColor = 0;
    std::string fontName;
    int fontSize = 0;
    bool fontBold = false;
    std::vector<std::string> items;
    int listIndex = -2;
    std::vector<int> markedItems;
    int value = 0;
    int min = 0;
    int max = 0;
    int smallChange = 0;
    int largeChange = 0;
    bool checked = false;
    int maxLength = 0;
    int alignment = -1;
    bool isDefault = false;
    Date date;
    Picture picture;
};

// Copies the control's current properties onto its widget (created by
// CreateWidget for the same kind) without emitting any of the widget's signals.
void SyncWidget(QWidget& widget, const Control& control, const Scales& scales, WidgetCache& cache);

// After the user changed a widget (typed, chose, toggled, scrolled), the cache
// no longer tells what the widget shows: the next sync copies the model's
// value back whether or not the model changed it.
void ForgetUserInput(WidgetCache& cache);

}  // namespace vantor
