#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QLockFile;
class QSocketNotifier;

namespace varnel {

// Keeps the program to one running copy per user: the first copy holds a
// lock file and listens on a local socket of the same name; a later copy
// finds the lock taken, sends the first a wake-up message and ends. Only
// listening needs the application object.
class TSingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr const char* DefaultName = "OneCopyVarnelUC";
    static constexpr const char* WakeUpMessage = "WM_WAKEUP";
    // A peer that says nothing useful within this time, or sends more than
    // this many bytes without the message, is hung up on.
    static constexpr int PeerPatienceMs = 5000;
    static constexpr int MaxPeerBytes = 256;

    explicit TSingleInstance(const QString& name = DefaultName, QObject* parent = nullptr);
    ~TSingleInstance() override;

    // True when this process is the first copy of this user's. A lock left
    // behind by a copy that ended without releasing it counts as free, and so
    // does a lock that cannot be made at all (no writable folder for it).
    bool TryAcquire();
    // Starts taking wake-up messages; called once the main window exists, so
    // that an earlier second copy ends without waking anything.
    bool Listen();
    // Sent by a second copy; false when no first copy is listening.
    bool SendWakeUp(int timeoutMs = 1000) const;

    const QString& Name() const { return name_; }
    // The lock file without its ".lock", also the local socket's path.
    const QString& Path() const { return path_; }

signals:
    void WakeUpReceived();

private:
    void AcceptConnections();
    void ReadPeer(QSocketNotifier* peer);
    void DropPeer(QSocketNotifier* peer);
    void StopWatching();
    void StopListening();

    QString name_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    int listener_ = -1;
    QSocketNotifier* listenerNotifier_ = nullptr;
    // What each connected peer has sent so far.
    std::map<QSocketNotifier*, QByteArray> peers_;
};

} // namespace varnel
