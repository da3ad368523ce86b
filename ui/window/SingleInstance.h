#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace varnel {

// Keeps the program to one running copy per user: the first copy holds a
// lock file and listens on a local server of the same name; a later copy
// finds the lock taken, sends the first a wake-up message and ends.
class TSingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr const char* DefaultName = "OneCopyVarnelUC";
    static constexpr const char* WakeUpMessage = "WM_WAKEUP";

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
    // The lock file without its ".lock", also the local server's name.
    const QString& Path() const { return path_; }

signals:
    void WakeUpReceived();

private:
    void AcceptConnection();

    QString name_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace varnel
