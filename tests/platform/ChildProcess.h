#pragma once

#include <QProcess>
#include <QStringList>
#include <memory>

namespace vantor::test {

// This test binary started again as a helper ("--child <role> ..."), see main.cpp.
std::unique_ptr<QProcess> StartChild(
    const QStringList& arguments,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// Runs a helper to its end and returns what it printed, trimmed.
QString RunChild(const QStringList& arguments,
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// Waits (at most a few seconds) for the child to print this line.
bool WaitForLine(QProcess& child, const QString& line);

// The helper roles; returns the exit code, or -1 when argv asks for none.
int RunChildRole(int argc, char** argv);

}  // namespace vantor::test
