#include "ui/window/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <QProcessEnvironment>
#else
#include <unistd.h>
#endif

namespace varnel {

namespace {

// Each user has a copy of their own: in a shared temporary folder another
// user's lock or a stale one would keep everyone else out.
QString PerUserName(const QString& name) {
#ifdef Q_OS_WIN
    return name + "-" + QProcessEnvironment::systemEnvironment().value("USERNAME");
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + "/" + name + "-" + QString::number(::getuid());
#endif
}

} // namespace

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name), path_(PerUserName(name)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::TryAcquire() {
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(path_ + ".lock");
    // QLockFile removes a lock whose process no longer runs. A lock that
    // cannot be made at all must not keep the program from starting.
    return lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
}

bool TSingleInstance::Listen() {
    if (server_)
        return true;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a copy that crashed would block the name.
    QLocalServer::removeServer(path_);
    if (!server_->listen(path_))
        return false;
    connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::AcceptConnection);
    return true;
}

void TSingleInstance::AcceptConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto readMessage = [this, socket] {
            if (socket->readAll().contains(WakeUpMessage))
                emit WakeUpReceived();
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        if (socket->bytesAvailable() > 0)
            readMessage();
    }
}

bool TSingleInstance::SendWakeUp(int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(WakeUpMessage);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(timeoutMs);
    return sent;
}

} // namespace varnel
