#include "gui/QtBackground.h"

#include <QMetaObject>

#include "gui/Events.h"

namespace vantor {

QtBackground::~QtBackground() {
    Join();
}

void QtBackground::Start(std::function<void()> work) {
    const std::lock_guard<std::mutex> lock(mutex_);
    ++running_;
    threads_.emplace_back([this, work = std::move(work)] {
        work();
        --running_;
    });
}

void QtBackground::Post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        this, [task = std::move(task)] { DeliverEvent(task); }, Qt::QueuedConnection);
}

void QtBackground::Join() {
    std::vector<std::thread> threads;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        threads.swap(threads_);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

}  // namespace vantor
