#include "gui/QtSingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <iostream>

#include "gui/Convert.h"

namespace vantor {
namespace {

constexpr int kTimeoutMs = 2000;
constexpr const char* kActivate = "activate";

}  // namespace

QString CanonicalPath(const QString& path) {
    QString existing = QDir::cleanPath(QDir(path).absolutePath());
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const QFileInfo info(existing);
        rest = "/" + info.fileName() + rest;
        existing = info.path();
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return canonical == "/" && !rest.isEmpty() ? rest : canonical + rest;
}

QString QtSingleInstance::KeyFor(const std::string& dataPath) {
    const QByteArray hash = QCryptographicHash::hash(CanonicalPath(ToQString(dataPath)).toUtf8(),
                                                     QCryptographicHash::Sha1);
    return "vantor-" + QString::fromLatin1(hash.toHex());
}

QtSingleInstance::QtSingleInstance() = default;
QtSingleInstance::~QtSingleInstance() = default;

bool QtSingleInstance::Claim(const std::string& dataPath) {
    std::unique_ptr<FolderLock> lock;
    // A folder that cannot carry a lock (read-only, no locks on its file
    // system) does not keep the till from starting.
    if (FolderLock::TryLock(dataPath, lock) == FolderLock::Result::Busy) {
        return false;
    }
    server_.reset();
    lock_ = std::move(lock);
    Listen(KeyFor(dataPath));
    return true;
}

void QtSingleInstance::Listen(const QString& key) {
    // We hold the folder, so a server of this name is a leftover of a dead process.
    QLocalServer::removeServer(key);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(server_.get(), &QLocalServer::newConnection, [this] { OnConnection(); });
    if (!server_->listen(key)) {
        // The till runs all the same; only a second start cannot bring it forward.
        std::cerr << "Vantor : un second lancement ne pourra pas amener cette fenêtre devant ("
                  << server_->errorString().toStdString() << ").\n";
    }
}

void QtSingleInstance::OnConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (socket->readAll().contains(kActivate) && onActivateRequest) {
                onActivateRequest();
            }
        });
    }
}

void QtSingleInstance::ActivateOther(const std::string& dataPath) {
    QLocalSocket socket;
    socket.connectToServer(KeyFor(dataPath));
    if (!socket.waitForConnected(kTimeoutMs)) {
        return;
    }
    socket.write(QByteArray(kActivate) + '\n');
    socket.waitForBytesWritten(kTimeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) {
        socket.waitForDisconnected(kTimeoutMs);
    }
}

}  // namespace vantor
