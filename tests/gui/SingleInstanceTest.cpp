// One till per data folder, across processes: the other process is this test
// binary started again as a helper ("--child hold-instance FOLDER", see
// main.cpp) that claims a folder and waits.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>

#include "WidgetTesting.h"
#include "gui/QtSingleInstance.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

constexpr int kChildTimeoutMs = 10000;

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(QString::fromStdString(data / "caisse"));
        QDir().mkpath(QString::fromStdString(data / "autre"));
    }
    void TearDown() override {
        if (holder) {
            holder->kill();
            holder->waitForFinished();
        }
    }

    // The helper on the folder, with this temporary folder if given.
    std::unique_ptr<QProcess> StartHolder(const std::string& path, const std::string& temp = "") {
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        if (!temp.empty()) {
            environment.insert("TMPDIR", QString::fromStdString(temp));
        }
        child->setProcessEnvironment(environment);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QCoreApplication::applicationFilePath(),
                     {"--child", "hold-instance", QString::fromStdString(path)});
        child->waitForStarted(kChildTimeoutMs);
        return child;
    }
    // Waits (at most a few seconds) for the holder to print this line.
    bool HolderSays(const QByteArray& line) {
        QDeadlineTimer deadline(kChildTimeoutMs);
        while (!deadline.hasExpired() && !said.split('\n').contains(line)) {
            holder->waitForReadyRead(100);
            said += holder->readAllStandardOutput();
            QCoreApplication::processEvents();
        }
        return said.split('\n').contains(line);
    }
    void HoldInChild(const std::string& path) {
        holder = StartHolder(path);
        ASSERT_TRUE(HolderSays("claimed"));
    }
    // What a helper started on the folder says when it ends; its temporary
    // folder is another one: the claim holds whatever the temporary folder is.
    QString ChildSays(const std::string& path) {
        auto child = StartHolder(path, otherTemp.Path());
        child->waitForFinished(kChildTimeoutMs);
        return QString::fromUtf8(child->readAllStandardOutput()).trimmed();
    }

    TempDir data;
    TempDir otherTemp;
    std::unique_ptr<QProcess> holder;
    QByteArray said;
};

TEST_F(SingleInstanceTest, AFolderHeldByAnotherProcessCannotBeClaimedAndItsHolderComesForward) {
    HoldInChild(data / "caisse");
    QtSingleInstance instance;
    EXPECT_FALSE(instance.Claim(data / "caisse"));
    // The same folder written differently is the same folder.
    EXPECT_FALSE(instance.Claim(data / "autre/../caisse/"));
    EXPECT_TRUE(instance.Claim(data / "autre"));
    QtSingleInstance second;
    second.ActivateOther(data / "caisse");
    EXPECT_TRUE(HolderSays("activated"));
}

// Neither a process that died (its server's socket left behind), nor an empty
// lock file left by a start killed half-way, nor a claim whose owner went away
// keeps the till out or a second start from bringing it forward.
TEST_F(SingleInstanceTest, ALeftLockFileOrAGoneOwnerDoesNotKeepTheTillOut) {
    HoldInChild(data / "caisse");
    holder->kill();
    holder->waitForFinished();
    WriteRaw(data / (std::string("autre/") + kLockFile), "");
    for (const char* folder : {"caisse", "autre"}) {
        {
            QtSingleInstance first;
            ASSERT_TRUE(first.Claim(data / folder)) << folder;
        }
        QtSingleInstance second;
        ASSERT_TRUE(second.Claim(data / folder)) << folder;
        // ... and a second start can still bring it forward.
        bool activated = false;
        second.onActivateRequest = [&activated] { activated = true; };
        QtSingleInstance().ActivateOther(data / folder);
        EXPECT_TRUE(WaitUntil([&activated] { return activated; })) << folder;
    }
}

TEST_F(SingleInstanceTest, AServerThatCannotListenIsToldAndTheClaimHolds) {
    WriteRaw(data / "not-a-folder", "");  // no socket can be made inside it
    std::string told;
    bool claimed = false;
    QtSingleInstance instance;
    {
        ScopedEnvironment environment;
        environment.Set("TMPDIR", QString::fromStdString(data / "not-a-folder"));
        testing::internal::CaptureStderr();
        claimed = instance.Claim(data / "caisse");
        told = testing::internal::GetCapturedStderr();
    }
    EXPECT_TRUE(claimed);
    EXPECT_NE(told.find("un second lancement ne pourra pas amener cette fenêtre devant"),
              std::string::npos)
        << told;
    EXPECT_EQ(ChildSays(data / "caisse"), "busy");
}

}  // namespace
}  // namespace vantor::test
