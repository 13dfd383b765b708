// Printers, settings, pictures and the clock on the Qt platform.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QProcessEnvironment>

#include "ChildProcess.h"
#include "platform/SystemClock.h"
#include "platform/qt/QtKeyboard.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtPrinters.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// A long-running program stands in for the keyboard: asked again and again,
// it is started once and stays the same process.
TEST(QtKeyboardTest, OneProcessServesEveryRequest) {
    QtKeyboard keyboard("sleep", {"30"});
    keyboard.Show();
    ASSERT_TRUE(keyboard.Running());
    keyboard.Hide();
    EXPECT_FALSE(keyboard.Shown());
    keyboard.Show();
    keyboard.Show();
    EXPECT_EQ(keyboard.Starts(), 1);
    EXPECT_TRUE(keyboard.Running());
    EXPECT_TRUE(keyboard.Shown());
}

TEST(QtKeyboardTest, AMissingProgramIsIgnored) {
    QtKeyboard keyboard("no-such-keyboard-program");
    keyboard.Show();
    EXPECT_FALSE(keyboard.Running());
    EXPECT_EQ(keyboard.Starts(), 0);
}

TEST(QtPrintersTest, ThePdfPrinterComesAfterTheSystemsPrinters) {
    SystemClock clock;
    QtPrinters printers{clock};
    const std::vector<std::string> names = printers.List();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.back(), "Vantor PDF");
    EXPECT_EQ(names.size(),
              static_cast<std::size_t>(QPrinterInfo::availablePrinterNames().size() + 1));
}

TEST(QtPrintersTest, TheDefaultIsAListedPrinter) {
    SystemClock clock;
    QtPrinters printers{clock};
    const std::vector<std::string> names = printers.List();
    const std::string chosen = printers.DefaultName();
    EXPECT_NE(std::find(names.begin(), names.end(), chosen), names.end()) << chosen;
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        EXPECT_EQ(chosen, "Vantor PDF");
    }
    EXPECT_EQ(printers.Current(), chosen);
}

class QtSettingsTest : public ::testing::Test {
protected:
    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(home.Path()));
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home / "config"));
        return environment;
    }
    TempDir home;
};

TEST_F(QtSettingsTest, AValueWrittenByOneRunIsReadByTheNext) {
    const QString path = "/srv/caisse/données";
    EXPECT_EQ(RunChild({"settings-write", "Settings/DataPath", path}, Environment()), "written");
    EXPECT_EQ(RunChild({"settings-read", "Settings/DataPath"}, Environment()), path);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(home / "config/Telvora/VantorW.conf")));
}

TEST_F(QtSettingsTest, AMissingValueReadsEmpty) {
    EXPECT_EQ(RunChild({"settings-read", "Settings/DataPath"}, Environment()), "");
}

TEST_F(QtSettingsTest, AStoreThatCannotBeWrittenSaysSo) {
    QDir().mkpath(QString::fromStdString(home / "config"));
    WriteRaw(home / "config/Telvora", "not a folder");
    EXPECT_EQ(RunChild({"settings-write", "Settings/DataPath", "/x"}, Environment()), "refused");
}

class QtPicturesTest : public ::testing::Test {
protected:
    TempDir folder;
    QtPictures pictures;
};

TEST_F(QtPicturesTest, APictureHasItsNaturalSize) {
    for (const char* name : {"logo.bmp", "logo.png"}) {
        const std::string path = folder / name;
        QImage image(37, 21, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(QString::fromStdString(path)));
        const Picture picture = pictures.Load(path);
        EXPECT_TRUE(picture.Loaded()) << name;
        EXPECT_EQ(picture.width, 37);
        EXPECT_EQ(picture.height, 21);
        EXPECT_EQ(picture.path, path);
    }
}

TEST_F(QtPicturesTest, AMissingOrUnreadableFileIsNotAPicture) {
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
