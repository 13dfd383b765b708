#include "ChildProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <cstdio>
#include <string>

#include "platform/qt/QtSingleInstance.h"

namespace vantor::test {
namespace {

constexpr int kChildTimeoutMs = 10000;

void Say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// Claims the folder, says so, then serves activation requests until killed
// (or for 30 seconds at most).
int HoldInstance(int argc, char** argv, const std::string& path) {
    QCoreApplication application(argc, argv);
    QtSingleInstance instance;
    if (!instance.Claim(path)) {
        Say("busy");
        return 0;
    }
    instance.onActivateRequest = [] { Say("activated"); };
    Say("claimed");
    QTimer::singleShot(30000, &application, &QCoreApplication::quit);
    return application.exec();
}

}  // namespace

std::unique_ptr<QProcess> StartChild(const QStringList& arguments,
                                     const QProcessEnvironment& environment) {
    auto child = std::make_unique<QProcess>();
    child->setProcessEnvironment(environment);
    child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child->start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + arguments);
    child->waitForStarted(kChildTimeoutMs);
    return child;
}

QString RunChild(const QStringList& arguments, const QProcessEnvironment& environment) {
    auto child = StartChild(arguments, environment);
    child->waitForFinished(kChildTimeoutMs);
    return QString::fromUtf8(child->readAllStandardOutput()).trimmed();
}

bool WaitForLine(QProcess& child, const QString& line) {
    QDeadlineTimer deadline(kChildTimeoutMs);
    QByteArray seen;
    while (!deadline.hasExpired()) {
        child.waitForReadyRead(100);
        seen += child.readAllStandardOutput();
        if (seen.split('\n').contains(line.toUtf8())) {
            return true;
        }
        QCoreApplication::processEvents();
    }
    return false;
}

int RunChildRole(int argc, char** argv) {
    if (argc < 3 || std::string(argv[1]) != "--child") {
        return -1;
    }
    const std::string role = argv[2];
    if (role == "hold-instance" && argc == 4) {
        return HoldInstance(argc, argv, argv[3]);
    }
    std::fprintf(stderr, "unknown child role %s\n", role.c_str());
    return 2;
}

}  // namespace vantor::test
