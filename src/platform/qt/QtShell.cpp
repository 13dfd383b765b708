#include "platform/qt/QtShell.h"

#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "platform/qt/Convert.h"

namespace vantor {
namespace {

constexpr int kQueryTimeoutMs = 5000;

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
    if (entry.isEmpty() ||
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry).isEmpty()) {
        return "";
    }
    // The desktop starts its own choice for the file given to the opener.
    return ToStd(QStandardPaths::findExecutable("xdg-open"));
}

}  // namespace vantor
