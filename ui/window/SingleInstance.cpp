#include "ui/window/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace varnel {

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::TryAcquire() {
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(QDir::temp().filePath(name_ + ".lock"));
    // QLockFile removes a lock whose process no longer runs.
    return lock_->tryLock(0);
}

bool TSingleInstance::Listen() {
    if (server_)
        return true;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a copy that crashed would block the name.
    QLocalServer::removeServer(name_);
    if (!server_->listen(name_))
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
    socket.connectToServer(name_);
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
