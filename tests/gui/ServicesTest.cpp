// The system clock the till dates its tickets with.
#include <gtest/gtest.h>

#include <QDateTime>

#include "platform/SystemClock.h"

namespace vantor::test {
namespace {

TEST(SystemClockTest, TellsTheLocalDateAndTime) {
    SystemClock clock;
    const QDateTime before = QDateTime::currentDateTime();
    const DateTime now = clock.Now();
    const QDateTime after = QDateTime::currentDateTime();
    const QDateTime seen(QDate(now.date.year, now.date.month, now.date.day),
                         QTime(now.time.hour, now.time.minute, now.time.second));
    EXPECT_GE(seen, before.addSecs(-1));
    EXPECT_LE(seen, after);
}

}  // namespace
}  // namespace vantor::test
