#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace vantor::test {

inline constexpr double kScale = 1.0 / 15;  // 96 dpi: 15 twips per pixel

// Runs pending events, deferred deletions included.
void ProcessEvents();
// Processes events until the condition holds or a few seconds passed.
bool WaitUntil(const std::function<bool()>& condition);
// Runs the action on the next modal dialog or pop-up menu to appear (called
// from the nested event loop that shows it).
void OnNextModal(std::function<void(QWidget& modal)> action);
// The same for the next dialog of this title only: registered from inside
// another dialog, it must not take that one for the next.
void OnNextModal(const QString& title, std::function<void(QWidget& modal)> action);
// The colour of one pixel of the widget as drawn.
QColor PixelAt(QWidget& widget, int x, int y);

// Environment variables set for one test, put back as they were at its end.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment();
    void Set(const char* name, const QString& value);

private:
    std::map<std::string, std::optional<QByteArray>> saved_;
};

}  // namespace vantor::test
