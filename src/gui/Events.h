#pragma once

#include <QObject>
#include <functional>

namespace vantor {

// Runs one event handler of the model, then brings every live form view up to
// date (a handler may change any form). Anything thrown out of the handler is
// shown in a critical message box instead of unwinding through Qt.
void DeliverEvent(const std::function<void()>& handler);

// Hides a widget (or menu) that the model no longer has. It is deleted once
// no handler is running, so that a widget whose own signal led here is never
// destroyed under its feet.
void Retire(QObject* object);

}  // namespace vantor
