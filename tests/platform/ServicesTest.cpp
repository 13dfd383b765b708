// Printers, settings, pictures and the clock on the Qt platform.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QProcessEnvironment>
#include <algorithm>

#include "ChildProcess.h"
#include "platform/headless/SystemClock.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtPrinters.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// The system's printers, then the PDF printer; the default is one of them.
TEST(QtPrintersTest, ThePdfPrinterComesAfterTheSystemsPrinters) {
    QtPrinters printers;
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

// Each step runs in a process of its own, as two starts of the till would.
TEST(QtSettingsTest, AValueWrittenByOneRunIsReadByTheNext) {
    TempDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", QString::fromStdString(home.Path()));
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home / "config"));
    const QString path = "/srv/caisse/données";
    EXPECT_EQ(RunChild({"settings-read", "Settings/DataPath"}, environment), "");
    EXPECT_EQ(RunChild({"settings-write", "Settings/DataPath", path}, environment), "written");
    EXPECT_EQ(RunChild({"settings-read", "Settings/DataPath"}, environment), path);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(home / "config/Telvora/VantorW.conf")));

    // A store that cannot be written says so.
    QDir().mkpath(QString::fromStdString(home / "other"));
    WriteRaw(home / "other/Telvora", "not a folder");
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home / "other"));
    EXPECT_EQ(RunChild({"settings-write", "Settings/DataPath", "/x"}, environment), "refused");
}

TEST(QtPicturesTest, APictureHasItsNaturalSizeAndAnythingElseIsNone) {
    TempDir folder;
    QtPictures pictures;
    for (const char* name : {"logo.bmp", "logo.png"}) {
        const std::string path = folder / name;
        QImage image(37, 21, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(QString::fromStdString(path)));
        const Picture picture = pictures.Load(path);
        EXPECT_EQ(std::vector<int>({picture.width, picture.height}), std::vector<int>({37, 21}))
            << name;
        EXPECT_EQ(picture.path, path);
    }
    WriteRaw(folder / "faux.bmp", "ceci n'est pas une image");
    EXPECT_FALSE(pictures.Load(folder / "faux.bmp").Loaded());
    EXPECT_FALSE(pictures.Load(folder / "absent.bmp").Loaded());
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
