#pragma once

#include <QObject>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/Background.h"

namespace vantor {

// Work on threads of its own; what they post is delivered by the window's
// event loop, as the user's events are. Join() waits for every one: the
// till calls it before its windows go, and a task still posted then is
// dropped with this object.
class QtBackground : public QObject, public Background {
public:
    QtBackground() = default;
    ~QtBackground() override;
    void Start(std::function<void()> work) override;
    void Post(std::function<void()> task) override;
    void Join();
    // Some work has not ended yet (what it posted may still be queued).
    bool Busy() const { return running_ > 0; }

private:
    std::mutex mutex_;
    std::vector<std::thread> threads_;
    std::atomic<int> running_{0};
};

}  // namespace vantor
