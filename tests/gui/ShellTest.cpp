// Starting programs, the application of a file type, the on-screen keyboard.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "WidgetTesting.h"
#include "gui/QtKeyboard.h"
#include "gui/QtShell.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Programs written for one test in its folder, found first on the PATH.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { environment.Set("PATH", In("") + ":/usr/bin:/bin"); }
    QString In(const std::string& name) const { return QString::fromStdString(folder / name); }
    void WriteProgram(const std::string& name, const std::string& body) {
        WriteRaw(folder / name, "#!/bin/sh\n" + body);
        QFile::setPermissions(In(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    bool Appears(const std::string& file) {
        return WaitUntil([this, file] { return QFile::exists(In(file)); });
    }

    ScopedEnvironment environment;
    TempDir folder;
    QtShell shell;
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
    EXPECT_EQ(error, "Le programme \"" + folder / "absent" + "\" n'a pas pu être lancé.");
}

// A desktop where CSV files open with an installed "fakecalc" entry: the file
// opens through xdg-open; a type whose entry is not installed, a type with no
// entry, or a desktop without its tools opens nothing.
TEST_F(ShellTest, AFileTypeWithAnInstalledApplicationOpensThroughTheDesktop) {
    QDir().mkpath(In("share/applications"));
    WriteRaw(folder / "share/applications/fakecalc.desktop",
             "[Desktop Entry]\nName=Calc\nExec=fakecalc %U\n");
    environment.Set("XDG_DATA_HOME", In("share"));
    for (const char* missing : {"", "xdg-mime", "xdg-open"}) {
        SCOPED_TRACE(missing);
        WriteProgram("xdg-mime",
                     "[ \"$1 $2 $3\" = \"query default text/csv\" ] && echo fakecalc.desktop\n"
                     "[ \"$1 $2 $3\" = \"query default image/png\" ] && echo gone.desktop\n"
                     "exit 0\n");
        WriteProgram("xdg-open", "exit 0\n");
        if (*missing == '\0') {
            EXPECT_EQ(shell.AssociatedApplication(folder / "tempcsv.csv"), folder / "xdg-open");
            EXPECT_EQ(shell.AssociatedApplication(folder / "logo.png"), "");
            EXPECT_EQ(shell.AssociatedApplication(folder / "notes.txt"), "");
            continue;
        }
        QFile::remove(In(missing));
        environment.Set("PATH", In(""));
        EXPECT_EQ(shell.AssociatedApplication(folder / "tempcsv.csv"), "");
    }
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
