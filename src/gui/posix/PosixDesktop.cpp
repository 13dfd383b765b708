// The desktop of a free system: the file types of xdg-mime, the "onboard"
// keyboard driven over the session bus.
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "gui/Convert.h"
#include "platform/Desktop.h"

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

class OnboardProgram : public KeyboardProgram {
public:
    OnboardProgram(QString program, QStringList arguments)
        : program_(std::move(program)), arguments_(std::move(arguments)) {}
    ~OnboardProgram() override {
        if (Running()) {
            process_.kill();
            process_.waitForFinished(1000);
        }
    }
    OnboardProgram(const OnboardProgram&) = delete;
    OnboardProgram& operator=(const OnboardProgram&) = delete;

    bool Start() override {
        const QString found = QStandardPaths::findExecutable(program_);
        if (found.isEmpty()) {
            return false;
        }
        process_.start(found, arguments_);
        return true;
    }
    bool Running() const override { return process_.state() != QProcess::NotRunning; }
    void Show() override { Call("Show"); }
    void Hide() override { Call("Hide"); }

private:
    static void Call(const char* method) {
        QDBusConnection::sessionBus().send(
            QDBusMessage::createMethodCall("org.onboard.Onboard", "/org/onboard/Onboard/Keyboard",
                                           "org.onboard.Onboard.Keyboard", method));
    }

    QString program_;
    QStringList arguments_;
    QProcess process_;
};

}  // namespace

const char* const kKeyboardProgram = "onboard";

std::string FileTypeOpener(const std::string& file) {
    const QString mimeType = QMimeDatabase().mimeTypeForFile(ToQString(file)).name();
    const QString entry = DefaultDesktopEntry(mimeType);
    if (entry.isEmpty() ||
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry).isEmpty()) {
        return "";
    }
    return ToStd(QStandardPaths::findExecutable("xdg-open"));
}

std::unique_ptr<KeyboardProgram> MakeKeyboardProgram(const std::string& program,
                                                     const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments) {
        list.append(ToQString(argument));
    }
    return std::make_unique<OnboardProgram>(ToQString(program), list);
}

}  // namespace vantor
