#include "gui/QtSession.h"

namespace vantor {
namespace {

QtSession* running = nullptr;

}  // namespace

QtSession::QtSession() : previous_(running) {
    running = this;
}

QtSession::~QtSession() {
    if (previous_ != this) {
        running = previous_;
    }
}

QtSession& QtSession::Current() {
    static QtSession outsideTill{OutsideTill{}};
    return running != nullptr ? *running : outsideTill;
}

}  // namespace vantor
