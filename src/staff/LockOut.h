#pragma once

#include <map>
#include <string>

#include "platform/DateTime.h"

namespace vantor {

// Wrong PINs counted per name, in memory: five in a row lock the name for
// 60 s; each wrong PIN after that, before a right one, locks it again for
// twice as long as the last time (120 s, 240 s...), up to a day. Another
// name is never held up by it, so the till is never locked out as a whole.
// The times are the platform clock's, so a test drives them.
class LockOut {
public:
    static constexpr int kTriesBeforeLock = 5;
    static constexpr int kFirstLockSeconds = 60;
    static constexpr int kLongestLockSeconds = 86400;

    // The seconds the name must still wait before a PIN is checked; 0 when
    // one may be tried now.
    int Attente(const std::string& nom, const DateTime& now) const;
    // Counts a wrong PIN; returns the seconds of the lock it starts, 0 when none.
    int Echec(const std::string& nom, const DateTime& now);
    // A right PIN: the name starts afresh.
    void Reussite(const std::string& nom);

private:
    struct State {
        int wrongInARow = 0;
        int lastLock = 0;  // seconds, 0 before the first lock
        long long lockedSince = 0;
    };
    std::map<std::string, State> states_;
};

// "Anne : réessayez dans 60 s", told on the sign-in screen.
std::string MessageAttente(const std::string& nom, int seconds);

}  // namespace vantor
