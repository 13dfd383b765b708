#include "platform/qt/QtShell.h"

#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

#include "platform/qt/Convert.h"

namespace vantor {
namespace {

constexpr int kQueryTimeoutMs = 5000;

QString ExecLine(const QString& desktopFile) {
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
        } else if (inEntry && line.startsWith("Exec=")) {
            return line.mid(5);
        }
    }
    return {};
}

QString FirstProgramWord(const QString& exec) {
    const QStringList words = QProcess::splitCommand(exec);
    qsizetype i = 0;
    if (i < words.size() && words[i] == "env") {
        ++i;
        while (i < words.size() && words[i].contains('=')) {
            ++i;
        }
    }
    return i < words.size() ? words[i] : QString();
}

QString DefaultDesktopEntry(const QString& mimeType) {
    const QString xdgMime = QStandardPaths::findExecutable("xdg-mime");
    if (xdgMime.isEmpty()) {
        return {};
    }
    QProcess query;
    query.start(xdgMime, {"query", "default", mimeType});
    if (!query.waitForFinished(kQueryTimeoutMs) || query.exitCode() != 0) {
        query.kill();
        return {};
    }
    return QString::fromUtf8(query.readAllStandardOutput()).trimmed();
}

}  // namespace

QString ProgramOfDesktopEntry(const QString& desktopFile) {
    const QString program = FirstProgramWord(ExecLine(desktopFile));
    if (program.isEmpty()) {
        return {};
    }
    return QStandardPaths::findExecutable(program);
}

bool QtShell::Start(const std::string& program, const std::vector<std::string>& arguments,
                    std::string& error) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list.append(ToQString(argument));
    }
    QProcess process;
    process.setProgram(ToQString(program));
    process.setArguments(list);
    if (!process.startDetached()) {
        error = ToStd(process.errorString());
        return false;
    }
    return true;
}

std::string QtShell::AssociatedApplication(const std::string& file) {
    const QString mimeType = QMimeDatabase().mimeTypeForFile(ToQString(file)).name();
    const QString entry = DefaultDesktopEntry(mimeType);
    if (entry.isEmpty()) {
        return "";
    }
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
    return path.isEmpty() ? "" : ToStd(ProgramOfDesktopEntry(path));
}

}  // namespace vantor
