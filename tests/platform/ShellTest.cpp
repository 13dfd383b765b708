// Starting programs, the application of a file type, the on-screen keyboard.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "WidgetTesting.h"
#include "platform/qt/QtKeyboard.h"
#include "platform/qt/QtShell.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

// Sets environment variables for one test and puts them back afterwards.
class ScopedEnvironment {
public:
    void Set(const char* name, const QString& value) {
        saved_.emplace_back(name, qgetenv(name), qEnvironmentVariableIsSet(name));
        qputenv(name, value.toUtf8());
    }
    ~ScopedEnvironment() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            const auto& [name, value, wasSet] = *it;
            if (wasSet) {
                qputenv(name, value);
            } else {
                qunsetenv(name);
            }
        }
    }

private:
    std::vector<std::tuple<const char*, QByteArray, bool>> saved_;
};

class ShellTest : public ::testing::Test {
protected:
    QString In(const std::string& name) const { return QString::fromStdString(folder / name); }

    void WriteScript(const std::string& name, const std::string& body) {
        WriteRaw(folder / name, "#!/bin/sh\n" + body);
        QFile::setPermissions(In(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A desktop where CSV files open with an installed "fakecalc" entry and
    // PNG pictures with an entry that is not installed.
    void FakeDesktop(ScopedEnvironment& environment) {
        WriteScript("xdg-mime",
                    "[ \"$1 $2 $3\" = \"query default text/csv\" ] && echo fakecalc.desktop\n"
                    "[ \"$1 $2 $3\" = \"query default image/png\" ] && echo gone.desktop\n"
                    "exit 0\n");
        WriteScript("xdg-open", "exit 0\n");
        QDir().mkpath(In("share/applications"));
        WriteRaw(folder / "share/applications/fakecalc.desktop",
                 "[Desktop Entry]\nName=Calc\nExec=fakecalc %U\n");
        environment.Set("PATH", In("") + ":/usr/bin:/bin");
        environment.Set("XDG_DATA_HOME", In("share"));
    }

    TempDir folder;
    QtShell shell;
};

TEST_F(ShellTest, EachArgumentReachesTheProgramWhole) {
    std::string error;
    const std::string out = folder / "arguments.txt";
    ASSERT_TRUE(shell.Start("/bin/sh",
                            {"-c", "printf '%s\\n' \"$@\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0\"",
                             out, "C:\\Mes Documents\\Articles.csv", "deux mots"},
                            error))
        << error;
    ASSERT_TRUE(WaitUntil([&out] { return QFile::exists(QString::fromStdString(out)); }));
    EXPECT_EQ(Slurp(out), "C:\\Mes Documents\\Articles.csv\ndeux mots\n");
}

TEST_F(ShellTest, AProgramThatCannotStartGivesTheReason) {
    std::string error;
    EXPECT_FALSE(shell.Start(folder / "absent", {}, error));
    EXPECT_FALSE(error.empty());
}

TEST_F(ShellTest, AFileTypeWithAnInstalledApplicationOpensThroughTheDesktop) {
    ScopedEnvironment environment;
    FakeDesktop(environment);
    EXPECT_EQ(shell.AssociatedApplication(folder / "tempcsv.csv"), folder / "xdg-open");
    EXPECT_EQ(shell.AssociatedApplication(folder / "logo.png"), "");
    EXPECT_EQ(shell.AssociatedApplication(folder / "notes.txt"), "");
}

TEST_F(ShellTest, WithoutTheDesktopsToolsThereIsNoAssociatedApplication) {
    for (const char* missing : {"xdg-mime", "xdg-open"}) {
        SCOPED_TRACE(missing);
        ScopedEnvironment environment;
        FakeDesktop(environment);
        QFile::remove(In(missing));
        environment.Set("PATH", In(""));
        EXPECT_EQ(shell.AssociatedApplication(folder / "tempcsv.csv"), "");
    }
}

TEST_F(ShellTest, TheKeyboardStartsOnboardWhenItIsInstalled) {
    ScopedEnvironment environment;
    const std::string marker = folder / "onboard-started";
    WriteScript("onboard", "touch '" + marker + "'\n");
    environment.Set("PATH", In("") + ":/usr/bin:/bin");
    QtKeyboard keyboard;
    keyboard.Show();
    EXPECT_TRUE(WaitUntil([&marker] { return QFile::exists(QString::fromStdString(marker)); }));
}

}  // namespace
}  // namespace vantor::test
