#include "ui/window/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace varnel {

namespace {

// More peers at once than any run of second copies makes: the rest are
// hung up on at once rather than piling up descriptors.
constexpr std::size_t MaxPeers = 16;

// Each user has a copy of their own: in a shared temporary folder another
// user's lock or a stale one would keep everyone else out.
QString PerUserName(const QString& name) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + "/" + name + "-" + QString::number(::getuid());
}

// False when the path does not fit a socket address.
bool MakeAddress(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), path.size());
    return true;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

void CloseDescriptor(int fd) {
    // Retrying a close that was interrupted could close someone else's
    // descriptor: Linux has released it already.
    ::close(fd);
}

// Waits for the events or the deadline; false on the deadline or an error.
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return (entry.revents & events) != 0;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool ConnectWithin(int fd, const sockaddr_un& address, const QDeadlineTimer& deadline) {
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            return true;
        if (errno == EINPROGRESS || errno == EINTR) {
            int error = 0;
            socklen_t length = sizeof error;
            return WaitFor(fd, POLLOUT, deadline) &&
                   ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
        }
        // A full backlog: the listener is busy, not gone.
        if (errno != EAGAIN || deadline.hasExpired())
            return false;
        ::poll(nullptr, 0, int(std::min<qint64>(10, deadline.remainingTime())));
    }
}

bool SendAllWithin(int fd, const QByteArray& bytes, const QDeadlineTimer& deadline) {
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written =
            ::send(fd, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (written > 0)
            sent += written;
        else if (written < 0 && errno == EINTR)
            continue;
        else if (written < 0 && errno == EAGAIN && WaitFor(fd, POLLOUT, deadline))
            continue;
        else
            return false;
    }
    return true;
}

// Binds in a private folder beside the path, so that no other user can
// connect before the socket is closed to them, and then moves the socket
// into place over whatever a copy that crashed left there.
int ListenAt(const QString& path) {
    const QByteArray finalPath = QFile::encodeName(path);
    QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath()) + "/.XXXXXX";
    sockaddr_un address;
    if (!MakeAddress(finalPath, address) || !MakeAddress(folder + "/s", address))
        return -1;
    if (!::mkdtemp(folder.data()))
        return -1;
    const QByteArray bindPath = folder + "/s";
    MakeAddress(bindPath, address);
    int fd = NewSocket();
    const bool listening =
        fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::listen(fd, int(MaxPeers)) == 0 && ::chmod(bindPath.constData(), S_IRWXU) == 0 &&
        ::rename(bindPath.constData(), finalPath.constData()) == 0;
    ::unlink(bindPath.constData());
    ::rmdir(folder.constData());
    if (!listening && fd >= 0) {
        CloseDescriptor(fd);
        fd = -1;
    }
    return fd;
}

} // namespace

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name), path_(PerUserName(name)) {}

TSingleInstance::~TSingleInstance() {
    StopWatching();
}

bool TSingleInstance::TryAcquire() {
    if (lock_ && lock_->isLocked())
        return true;
    lock_ = std::make_unique<QLockFile>(path_ + ".lock");
    // QLockFile removes a lock whose process no longer runs. A lock that
    // cannot be made at all must not keep the program from starting.
    return lock_->tryLock(0) || lock_->error() != QLockFile::LockFailedError;
}

bool TSingleInstance::Listen() {
    if (listener_ >= 0)
        return true;
    listener_ = ListenAt(path_);
    if (listener_ < 0)
        return false;
    listenerNotifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(listenerNotifier_, &QSocketNotifier::activated, this,
            &TSingleInstance::AcceptConnections);
    // The program holds its lock past the application object; the sockets
    // go with the event loop that watches them.
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &TSingleInstance::StopWatching);
    return true;
}

void TSingleInstance::StopWatching() {
    while (!peers_.empty())
        DropPeer(peers_.begin()->first);
    StopListening();
}

void TSingleInstance::StopListening() {
    if (listener_ < 0)
        return;
    delete listenerNotifier_;
    listenerNotifier_ = nullptr;
    CloseDescriptor(listener_);
    listener_ = -1;
    // The next first copy must not find a socket nobody listens on.
    ::unlink(QFile::encodeName(path_).constData());
}

void TSingleInstance::AcceptConnections() {
    for (;;) {
        const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return; // EAGAIN: all taken; anything else: tried again on the next wake
        }
        if (peers_.size() >= MaxPeers) {
            CloseDescriptor(fd);
            continue;
        }
        auto* peer = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        peers_.emplace(peer, QByteArray());
        connect(peer, &QSocketNotifier::activated, this, [this, peer] { ReadPeer(peer); });
        QTimer::singleShot(PeerPatienceMs, peer, [this, peer] { DropPeer(peer); });
    }
}

void TSingleInstance::ReadPeer(QSocketNotifier* peer) {
    const auto entry = peers_.find(peer);
    if (entry == peers_.end())
        return;
    QByteArray& received = entry->second;
    char chunk[MaxPeerBytes];
    for (;;) {
        const ssize_t count = ::recv(int(peer->socket()), chunk, sizeof chunk, 0);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && errno == EAGAIN)
            return; // the rest of the message is still on its way
        if (count <= 0) {
            DropPeer(peer); // hung up, or failed, without the message
            return;
        }
        received.append(chunk, count);
        if (received.contains(WakeUpMessage)) {
            DropPeer(peer);
            emit WakeUpReceived();
            return;
        }
        if (received.size() > MaxPeerBytes) {
            DropPeer(peer);
            return;
        }
    }
}

void TSingleInstance::DropPeer(QSocketNotifier* peer) {
    if (peers_.erase(peer) == 0)
        return;
    peer->setEnabled(false);
    CloseDescriptor(int(peer->socket()));
    peer->deleteLater();
}

bool TSingleInstance::SendWakeUp(int timeoutMs) const {
    sockaddr_un address;
    if (!MakeAddress(QFile::encodeName(path_), address))
        return false;
    const int fd = NewSocket();
    if (fd < 0)
        return false;
    const QDeadlineTimer deadline(std::max(timeoutMs, 0));
    const bool sent = ConnectWithin(fd, address, deadline) &&
                      SendAllWithin(fd, QByteArray(WakeUpMessage), deadline);
    CloseDescriptor(fd);
    return sent;
}

} // namespace varnel
