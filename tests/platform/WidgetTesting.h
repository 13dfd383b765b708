#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

namespace vantor::test {

inline constexpr double kScale = 1.0 / 15;  // 96 dpi: 15 twips per pixel

// Runs pending events, deferred deletions included.
void ProcessEvents();
// Processes events until the condition holds or a few seconds passed.
bool WaitUntil(const std::function<bool()>& condition);
// Runs the action on the next modal dialog or pop-up menu to appear (called
// from the nested event loop that shows it).
void OnNextModal(std::function<void(QWidget& modal)> action);
// The colour of one pixel of the widget as drawn.
QColor PixelAt(QWidget& widget, int x, int y);

}  // namespace vantor::test
