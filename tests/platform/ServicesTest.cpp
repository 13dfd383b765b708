// The printers and the clock of the Qt platform. (The settings store and the
// pictures are held by the headless till's start-up and image chooser tests.)
#include <gtest/gtest.h>

#include <QDateTime>
#include <QPrinterInfo>
#include <algorithm>

#include "platform/SystemClock.h"
#include "platform/qt/QtPrinters.h"

namespace vantor::test {
namespace {

// The system's printers, then the PDF printer; the default is one of them.
TEST(QtPrintersTest, ThePdfPrinterComesAfterTheSystemsPrinters) {
    SystemClock clock;
    QtPrinters printers{clock};
    const std::vector<std::string> names = printers.List();
    ASSERT_EQ(names.size(),
              static_cast<std::size_t>(QPrinterInfo::availablePrinterNames().size() + 1));
    EXPECT_EQ(names.back(), "Vantor PDF");
    const std::string chosen = printers.DefaultName();
    EXPECT_NE(std::find(names.begin(), names.end(), chosen), names.end()) << chosen;
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        EXPECT_EQ(chosen, "Vantor PDF");
    }
    EXPECT_EQ(printers.Current(), chosen);
}

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
