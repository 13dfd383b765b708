// One till per data folder, across processes: the other process is this test
// binary started as a helper that claims a folder and waits.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ChildProcess.h"
#include "WidgetTesting.h"
#include "platform/qt/QtSingleInstance.h"
#include "support/TempDir.h"

namespace vantor::test {
namespace {

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

    void HoldInChild(const std::string& path) {
        holder = StartChild({"hold-instance", QString::fromStdString(path)});
        ASSERT_TRUE(WaitForLine(*holder, "claimed"));
    }

    TempDir data;
    std::unique_ptr<QProcess> holder;
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
    EXPECT_TRUE(WaitForLine(*holder, "activated"));
}

TEST_F(SingleInstanceTest, AFolderLeftByAProcessThatDiedCanBeClaimed) {
    HoldInChild(data / "caisse");
    holder->kill();
    holder->waitForFinished();
    QtSingleInstance instance;
    EXPECT_TRUE(instance.Claim(data / "caisse"));
}

TEST_F(SingleInstanceTest, AClaimInThisProcessKeepsOthersOut) {
    QtSingleInstance first;
    ASSERT_TRUE(first.Claim(data / "caisse"));
    EXPECT_EQ(RunChild({"hold-instance", QString::fromStdString(data / "caisse")}), "busy");
    bool activated = false;
    first.onActivateRequest = [&activated] { activated = true; };
    QtSingleInstance second;
    second.ActivateOther(data / "caisse");
    EXPECT_TRUE(WaitUntil([&activated] { return activated; }));
}

TEST_F(SingleInstanceTest, TheClaimHoldsWhateverTheTemporaryFolderIs) {
    TempDir otherTemp;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", QString::fromStdString(otherTemp.Path()));
    holder = StartChild({"hold-instance", QString::fromStdString(data / "caisse")}, environment);
    ASSERT_TRUE(WaitForLine(*holder, "claimed"));
    QtSingleInstance instance;
    EXPECT_FALSE(instance.Claim(data / "caisse"));
}

// Neither an empty lock file left by a start killed half-way nor a claim
// whose owner went away keeps the till out.
TEST_F(SingleInstanceTest, ALeftLockFileOrAGoneOwnerDoesNotKeepTheTillOut) {
    QFile left(QString::fromStdString(data / (std::string("caisse/") + kLockFile)));
    ASSERT_TRUE(left.open(QIODevice::WriteOnly));
    left.close();
    {
        QtSingleInstance first;
        ASSERT_TRUE(first.Claim(data / "caisse"));
    }
    QtSingleInstance second;
    EXPECT_TRUE(second.Claim(data / "caisse"));
}

TEST_F(SingleInstanceTest, AServerThatCannotListenIsToldAndTheClaimHolds) {
    const bool tempSet = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray temp = qgetenv("TMPDIR");
    WriteRaw(data / "not-a-folder", "");  // no socket can be made inside it
    qputenv("TMPDIR", QByteArray::fromStdString(data / "not-a-folder"));
    testing::internal::CaptureStderr();
    QtSingleInstance instance;
    const bool claimed = instance.Claim(data / "caisse");
    const std::string told = testing::internal::GetCapturedStderr();
    tempSet ? qputenv("TMPDIR", temp) : qunsetenv("TMPDIR");
    EXPECT_TRUE(claimed);
    EXPECT_NE(told.find("un second lancement ne pourra pas amener cette fenêtre devant"),
              std::string::npos)
        << told;
    EXPECT_EQ(RunChild({"hold-instance", QString::fromStdString(data / "caisse")}), "busy");
}

}  // namespace
}  // namespace vantor::test
