#include "ui/window/SingleInstance.h"
#include "support/GuiTestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>

using namespace varnel;

namespace {

// Exit codes of the helper process that plays the second copy.
enum SecondCopyResult { WokeTheFirst = 0, FoundNobody = 1, WasTheFirst = 2 };

int RunSecondCopy(const QString& name) {
    TSingleInstance instance(name);
    if (instance.TryAcquire())
        return WasTheFirst;
    return instance.SendWakeUp() ? WokeTheFirst : FoundNobody;
}

// Holds the name until killed.
int RunHoldingCopy(const QString& name) {
    TSingleInstance instance(name);
    if (!instance.TryAcquire() || !instance.Listen())
        return 1;
    fputs("holding\n", stdout);
    fflush(stdout);
    return QCoreApplication::exec();
}

QString UniqueName(const char* test) {
    return QString("VarnelTest-%1-%2").arg(test).arg(QCoreApplication::applicationPid());
}

int StartHelper(const QString& mode, const QString& name) {
    QProcess helper;
    helper.start(QCoreApplication::applicationFilePath(), {mode, name});
    if (!helper.waitForFinished(10000))
        return -1;
    return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -2;
}

std::filesystem::path ConverterProgram() {
    return std::filesystem::path(VARNEL_CLI_PATH).parent_path() / "VarnelKalto";
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void SecondCopyWakesTheFirstAndEnds();
    void SecondCopyEndsWhenTheFirstDoesNotListenYet();
    void LockOfAKilledCopyIsTakenOver();
    void SecondStartOfTheConverterWakesTheFirst();
    void RunningConverterTakesTheWakeUp();
    void EachUserHasACopyOfTheirOwn();
    void LockThatCannotBeMadeDoesNotStopTheStart();
    void OddPeersDoNotStopTheWakeUp();
};

void SingleInstanceTest::SecondCopyWakesTheFirstAndEnds() {
    TSingleInstance first(UniqueName("wake"));
    QVERIFY(first.TryAcquire());
    QVERIFY(first.Listen());
    QSignalSpy woken(&first, &TSingleInstance::WakeUpReceived);

    QCOMPARE(StartHelper("--second-copy", first.Name()), int(WokeTheFirst));
    QTRY_COMPARE(woken.count(), 1);

    // And again: every later start wakes it once more.
    QCOMPARE(StartHelper("--second-copy", first.Name()), int(WokeTheFirst));
    QTRY_COMPARE(woken.count(), 2);
}

void SingleInstanceTest::SecondCopyEndsWhenTheFirstDoesNotListenYet() {
    TSingleInstance first(UniqueName("early"));
    QVERIFY(first.TryAcquire());

    QCOMPARE(StartHelper("--second-copy", first.Name()), int(FoundNobody));
}

void SingleInstanceTest::LockOfAKilledCopyIsTakenOver() {
    const QString name = UniqueName("killed");
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(), {"--hold", name});
    QVERIFY(holder.waitForReadyRead(10000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));
    TSingleInstance blocked(name);
    QVERIFY(!blocked.TryAcquire());

    holder.kill();
    QVERIFY(holder.waitForFinished(10000));

    TSingleInstance next(name);
    QVERIFY(next.TryAcquire());
    QVERIFY(next.Listen()); // over the socket file the killed copy left
    QSignalSpy woken(&next, &TSingleInstance::WakeUpReceived);
    QCOMPARE(StartHelper("--second-copy", name), int(WokeTheFirst));
    QTRY_COMPARE(woken.count(), 1);
}

void SingleInstanceTest::SecondStartOfTheConverterWakesTheFirst() {
    const std::filesystem::path program = ConverterProgram();
    if (!std::filesystem::exists(program))
        QSKIP("the converter program is not built");
    TSingleInstance first; // under the converter's own name
    QVERIFY(first.TryAcquire());
    QVERIFY(first.Listen());
    QSignalSpy woken(&first, &TSingleInstance::WakeUpReceived);

    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    second.start(QString::fromStdString(program.string()), {});
    QVERIFY(second.waitForFinished(20000));

    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_COMPARE(woken.count(), 1);
}

void SingleInstanceTest::RunningConverterTakesTheWakeUp() {
    const std::filesystem::path program = ConverterProgram();
    if (!std::filesystem::exists(program))
        QSKIP("the converter program is not built");
    // A program folder of its own, with units data and settings.
    QTemporaryDir folder;
    const std::filesystem::path copy = std::filesystem::path(folder.path().toStdString());
    std::filesystem::copy_file(program, copy / "VarnelKalto");
    std::filesystem::copy_file(test::FixturePath("gui_units.unt"), copy / "Varnel.unt");
    std::ofstream(copy / "VarnelKalto.ini", std::ios::binary) << "UnitFile=Varnel.unt\r\n";
    const QString copied = QString::fromStdString((copy / "VarnelKalto").string());

    QProcess first;
    first.start(copied, {});
    QVERIFY(first.waitForStarted(10000));
    // Listening means its window is up.
    QTRY_VERIFY_WITH_TIMEOUT(TSingleInstance().SendWakeUp(200), 20000);

    QProcess second;
    second.setProcessChannelMode(QProcess::ForwardedChannels);
    second.start(copied, {});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished(10000);
}

void SingleInstanceTest::EachUserHasACopyOfTheirOwn() {
    QTemporaryDir runtime;
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString name = UniqueName("per-user");
    // What another user's copy, or a killed one, left under the shared name.
    QLockFile shared(QDir::temp().filePath(name + ".lock"));
    QVERIFY(shared.tryLock(0));

    TSingleInstance instance(name);
    const bool acquired = instance.TryAcquire();
    const bool listening = instance.Listen();
    if (previous.isNull())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", previous);

    QVERIFY(acquired);
    QVERIFY(listening);
    QVERIFY(instance.Path().startsWith(runtime.path() + "/"));
    QVERIFY(QFileInfo::exists(instance.Path() + ".lock"));
}

void SingleInstanceTest::LockThatCannotBeMadeDoesNotStopTheStart() {
    TSingleInstance instance("no-such-folder/" + UniqueName("nowhere"));
    QVERIFY(instance.TryAcquire());
}

void SingleInstanceTest::OddPeersDoNotStopTheWakeUp() {
    TSingleInstance first(UniqueName("peers"));
    QVERIFY(first.TryAcquire());
    QVERIFY(first.Listen());
    QSignalSpy woken(&first, &TSingleInstance::WakeUpReceived);
    QLocalSocket silent, garbage, split;
    for (QLocalSocket* peer : {&silent, &garbage, &split}) {
        peer->connectToServer(first.Path());
        QVERIFY(peer->waitForConnected(1000));
    }
    garbage.write(QByteArray(TSingleInstance::MaxPeerBytes + 1, 'x'));
    split.write("WM_");
    QVERIFY(split.waitForBytesWritten(1000));
    QTRY_COMPARE(garbage.state(), QLocalSocket::UnconnectedState); // hung up on
    QVERIFY(woken.isEmpty());
    split.write("WAKEUP");
    QTRY_COMPARE(woken.count(), 1);
    QVERIFY(TSingleInstance(first.Name()).SendWakeUp());
    QTRY_COMPARE(woken.count(), 2);

    TSingleInstance tooLong(QString(200, 'x'));
    QVERIFY(!tooLong.Listen());
    QVERIFY(!tooLong.SendWakeUp());
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--second-copy") == 0) {
        QCoreApplication app(argc, argv);
        return RunSecondCopy(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 3 && std::strcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        return RunHoldingCopy(QString::fromLocal8Bit(argv[2]));
    }
    // The converter's own name is used here: a private runtime folder keeps
    // these copies apart from the user's and from another run of this test.
    // The helper processes and converter copies inherit it.
    QTemporaryDir runtime;
    if (!runtime.isValid())
        return 1;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    varnel::test::PrepareGuiTestEnvironment();
    TVarnelApplication app(argc, argv);
    varnel::test::PinGuiTestLook();
    SingleInstanceTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstanceTest.moc"
