#include "WidgetTesting.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWindow>
#include <memory>

namespace vantor::test {

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool WaitUntil(const std::function<bool()>& condition) {
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

void OnNextModal(std::function<void(QWidget& modal)> action) {
    OnNextModal(QString(), std::move(action));
}

void OnNextModal(const QString& title, std::function<void(QWidget& modal)> action) {
    auto* timer = new QTimer(qApp);
    auto shared = std::make_shared<std::function<void(QWidget&)>>(std::move(action));
    QObject::connect(timer, &QTimer::timeout, [timer, shared, title] {
        QWidget* modal = title.isEmpty() ? QApplication::activePopupWidget() : nullptr;
        if (modal == nullptr) {
            modal = QApplication::activeModalWidget();
        }
        // A click on a box the display has not shown yet is lost (a busy
        // machine shows it late): wait until it is exposed.
        if (modal != nullptr && modal->isVisible() && modal->windowHandle() != nullptr &&
            modal->windowHandle()->isExposed() &&
            (title.isEmpty() || modal->windowTitle() == title)) {
            timer->stop();
            timer->deleteLater();
            (*shared)(*modal);
        }
    });
    timer->start(10);
}

QColor PixelAt(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

void ScopedEnvironment::Set(const char* name, const QString& value) {
    saved_.try_emplace(
        name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    qputenv(name, value.toUtf8());
}

ScopedEnvironment::~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) {
        value ? qputenv(name.c_str(), *value) : qunsetenv(name.c_str());
    }
}

}  // namespace vantor::test
