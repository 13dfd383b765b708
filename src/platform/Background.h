#pragma once

#include <functional>

namespace vantor {

// Long work (a backup) done away from the screen, so that the till stays
// usable meanwhile: the screen's thread hands it over and is told back.
class Background {
public:
    virtual ~Background() = default;
    // Runs work away from the screen's thread; it may run at once, before
    // Start returns, where nothing is shown (the scripted platform).
    virtual void Start(std::function<void()> work) = 0;
    // From any thread: task runs on the screen's thread, in the order posted.
    virtual void Post(std::function<void()> task) = 0;
};

// Everything at once, on the caller's thread: for runs with no screen to
// keep alive, where the transcript must come out the same each time.
class ImmediateBackground : public Background {
public:
    void Start(std::function<void()> work) override { work(); }
    void Post(std::function<void()> task) override { task(); }
};

}  // namespace vantor
