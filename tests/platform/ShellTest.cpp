// Starting programs, the application of a file type, the on-screen keyboard.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "WidgetTesting.h"
#include "platform/qt/QtKeyboard.h"
#include "platform/qt/QtShell.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Programs written for one test in its folder, found first on the PATH; the
// environment is put back afterwards.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironment("PATH", In("") + ":/usr/bin:/bin"); }
    void TearDown() override {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->wasSet) {
                qputenv(it->name, it->value);
            } else {
                qunsetenv(it->name);
            }
        }
    }
    void SetEnvironment(const char* name, const QString& value) {
        saved_.push_back({name, qgetenv(name), qEnvironmentVariableIsSet(name)});
        qputenv(name, value.toUtf8());
    }
    QString In(const std::string& name) const { return QString::fromStdString(folder / name); }
    void WriteProgram(const std::string& name, const std::string& body) {
        WriteRaw(folder / name, "#!/bin/sh\n" + body);
        QFile::setPermissions(In(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool Appears(const std::string& file) {
        return WaitUntil([this, file] { return QFile::exists(In(file)); });
    }

    TempDir folder;
    QtShell shell;

private:
    struct Saved {
        const char* name;
        QByteArray value;
        bool wasSet;
    };
    std::vector<Saved> saved_;
};

TEST_F(ShellTest, EachArgumentReachesTheProgramWhole) {
    std::string error;
    ASSERT_TRUE(
        shell.Start("/bin/sh",
                    {"-c", "printf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"",
                     folder / "arguments.txt", "C:\\Mes Documents\\Articles.csv", "deux mots"},
                    error))
        << error;
    ASSERT_TRUE(Appears("arguments.txt"));
    EXPECT_EQ(Slurp(folder / "arguments.txt"), "C:\\Mes Documents\\Articles.csv\ndeux mots\n");

    EXPECT_FALSE(shell.Start(folder / "absent", {}, error));
    EXPECT_FALSE(error.empty()) << "a program that cannot start gives the reason";
}

// A desktop where CSV files open with "fakecalc", whatever the desktop entry
// says before the program's name; nothing without xdg-mime.
TEST_F(ShellTest, TheAssociatedApplicationIsTheProgramOfTheDesktopEntry) {
    WriteProgram("xdg-mime",
                 "[ \"$1 $2 $3\" = \"query default text/csv\" ] && echo fakecalc.desktop\n");
    WriteProgram("fakecalc", "exit 0\n");
    QDir().mkpath(In("share/applications"));
    SetEnvironment("XDG_DATA_HOME", In("share"));
    for (const char* exec : {"fakecalc --calc %U", "env LANG=fr_FR.UTF-8 fakecalc %F"}) {
        WriteRaw(folder / "share/applications/fakecalc.desktop",
                 std::string("[Desktop Entry]\nName=Calc\nTryExec=nothing\nExec=") + exec +
                     "\n[Desktop Action new]\nExec=other\n");
        EXPECT_EQ(shell.AssociatedApplication(folder / "tempcsv.csv"), folder / "fakecalc") << exec;
    }
    EXPECT_EQ(shell.AssociatedApplication(folder / "logo.png"), "");
    QFile::remove(In("xdg-mime"));
    SetEnvironment("PATH", In(""));
    EXPECT_EQ(shell.AssociatedApplication(folder / "tempcsv.csv"), "");
}

// One process serves every request; a missing program is ignored.
TEST_F(ShellTest, TheKeyboardIsOnboardStartedOnce) {
    WriteProgram("onboard", "touch '" + folder / "onboard-started" + "'\nexec sleep 30\n");
    QtKeyboard keyboard;
    keyboard.Show();
    EXPECT_TRUE(Appears("onboard-started"));
    EXPECT_TRUE(keyboard.Running());
    keyboard.Hide();
    EXPECT_FALSE(keyboard.Shown());
    keyboard.Show();
    keyboard.Show();
    EXPECT_EQ(keyboard.Starts(), 1);
    EXPECT_TRUE(keyboard.Running());
    EXPECT_TRUE(keyboard.Shown());

    // The focus on a field keeps it; on a button it hides it.
    QWidget window;
    auto* field = new QLineEdit(&window);
    auto* button = new QPushButton(&window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    ProcessEvents();
    EXPECT_TRUE(keyboard.Shown());
    button->setFocus();
    ProcessEvents();
    EXPECT_FALSE(keyboard.Shown());

    QtKeyboard missing("no-such-keyboard-program");
    missing.Show();
    EXPECT_FALSE(missing.Running());
    EXPECT_EQ(missing.Starts(), 0);
}

}  // namespace
}  // namespace vantor::test
