#include "staff/LockOut.h"

#include <algorithm>

#include "data/Dates.h"

namespace vantor {

int LockOut::Attente(const std::string& nom, const DateTime& now) const {
    const auto found = states_.find(nom);
    if (found == states_.end() || found->second.lastLock == 0) {
        return 0;
    }
    const State& state = found->second;
    const long long elapsed = SecondsFromCivil(now) - state.lockedSince;
    // A clock set back never makes a lock longer than it was given.
    const long long left = state.lastLock - std::max(0LL, elapsed);
    return left > 0 ? static_cast<int>(left) : 0;
}

int LockOut::Echec(const std::string& nom, const DateTime& now) {
    State& state = states_[nom];
    ++state.wrongInARow;
    if (state.wrongInARow < kTriesBeforeLock) {
        return 0;
    }
    state.lastLock =
        state.lastLock == 0 ? kFirstLockSeconds : std::min(2 * state.lastLock, kLongestLockSeconds);
    state.lockedSince = SecondsFromCivil(now);
    return state.lastLock;
}

void LockOut::Reussite(const std::string& nom) {
    states_.erase(nom);
}

std::string MessageAttente(const std::string& nom, int seconds) {
    return nom + " : réessayez dans " + std::to_string(seconds) + " s";
}

}  // namespace vantor
