// Wrong PINs per name: five in a row lock the name for 60 s, each further
// wrong one for twice as long; a right one starts afresh; no other name waits.
#include "staff/LockOut.h"

#include <gtest/gtest.h>

#include "data/Dates.h"

namespace vantor {
namespace {

DateTime At(int seconds) {
    const int day = seconds / 86400;
    const int rest = seconds % 86400;
    return {{2026, 12, 5 + day}, {rest / 3600, rest / 60 % 60, rest % 60}};
}

TEST(LockOut, FiveWrongPinsLockTheNameThenEachWrongOneTwiceAsLong) {
    // At each second: a wrong PIN (false) or a right one (true) for Anne,
    // the lock it starts, and the wait then shown.
    const struct {
        int at;
        bool right;
        int lock;
        int wait;
    } rows[] = {
        {0, false, 0, 0},     {1, false, 0, 0},       {2, false, 0, 0},       {3, false, 0, 0},
        {4, false, 60, 60},   {5, false, -1, 59},     {63, false, -1, 1},     {64, false, 120, 120},
        {183, false, -1, 1},  {184, false, 240, 240}, {424, false, 480, 480}, {904, true, 0, 0},
        {905, false, 0, 0},   {906, false, 0, 0},     {907, false, 0, 0},     {908, false, 0, 0},
        {909, false, 60, 60},
    };
    LockOut lockOut;
    for (const auto& row : rows) {
        SCOPED_TRACE("second " + std::to_string(row.at));
        if (row.lock >= 0) {
            EXPECT_EQ(lockOut.Attente("Anne", At(row.at)), 0) << "tried while locked";
            if (row.right) {
                lockOut.Reussite("Anne");
            } else {
                EXPECT_EQ(lockOut.Echec("Anne", At(row.at)), row.lock);
            }
        }
        EXPECT_EQ(lockOut.Attente("Anne", At(row.at)), row.wait);
        EXPECT_EQ(lockOut.Attente("Paul", At(row.at)), 0);
    }
}

TEST(LockOut, TheLockEndsAtMidnightLikeAnyOtherSecond) {
    LockOut lockOut;
    const int evening = 86400 - 30;
    for (int i = 0; i < 5; ++i) {
        lockOut.Echec("Anne", At(evening));
    }
    EXPECT_EQ(lockOut.Attente("Anne", At(86400 + 10)), 20);
    EXPECT_EQ(lockOut.Attente("Anne", At(86400 + 30)), 0);
}

TEST(LockOut, AClockSetBackNeverMakesALockLonger) {
    LockOut lockOut;
    for (int i = 0; i < 5; ++i) {
        lockOut.Echec("Anne", At(3600));
    }
    EXPECT_EQ(lockOut.Attente("Anne", At(0)), 60);
    EXPECT_EQ(lockOut.Attente("Anne", At(3630)), 30);
}

TEST(LockOut, TheLocksDoublingStopsAtADay) {
    LockOut lockOut;
    int at = 0;
    int lock = 0;
    for (int i = 0; i < 40; ++i) {
        at += lockOut.Attente("Anne", At(at));
        lock = lockOut.Echec("Anne", At(at));
    }
    EXPECT_EQ(lock, 86400);
}

TEST(LockOut, TheWaitIsToldWithTheName) {
    EXPECT_EQ(MessageAttente("Anne", 60), "Anne : réessayez dans 60 s");
}

}  // namespace
}  // namespace vantor
