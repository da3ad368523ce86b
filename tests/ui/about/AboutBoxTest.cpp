#include "support/GuiTestSupport.h"
#include "ui/about/AboutUC.h"
#include "ui/about/FetchModule.h"
#include "ui/about/NetworkFetch.h"
#include "ui/about/WebLinks.h"
#include "ui/window/MainWindow.h"
#include "units/CalendarDay.h"
#include "units/OwnVersion.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>
#include <utility>

using namespace varnel;
using namespace varnel::test;

namespace {

// How a path of the loopback server answers.
struct TRoute {
    int status = 200;
    QByteArray body;
    QByteArray location;
    qint64 announced = -1; // Content-Length, when it differs from the body's
    bool silent = false;   // accepts and answers only when released
    bool endless = false;  // streams until the client hangs up
};

TRoute Answer(int status, const QByteArray& body) {
    TRoute route;
    route.status = status;
    route.body = body;
    return route;
}

TRoute Redirect(int status, const QByteArray& location) {
    TRoute route = Answer(status, {});
    route.location = location;
    return route;
}

TRoute Flood(const QByteArray& body, qint64 announced) {
    TRoute route = Answer(200, body);
    route.announced = announced;
    route.endless = announced < 0;
    return route;
}

TRoute Silent() {
    TRoute route;
    route.silent = true;
    return route;
}

// An http server on the loopback address at a port of its own.
class TTestServer : public QObject {
public:
    TTestServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        connect(&server_, &QTcpServer::newConnection, this, &TTestServer::Accept);
    }
    QString Url(const QString& path) const {
        return QString("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
    }

    std::map<QByteArray, TRoute> routes;
    QList<QByteArray> requests;

    // Answers the requests a silent route holds.
    void Release(const TRoute& answer) {
        for (QTcpSocket* socket : std::exchange(held_, {}))
            if (socket)
                Reply(socket, answer);
    }

private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        }
    }
    void Serve(QTcpSocket* socket) {
        if (socket->property("served").toBool() || !socket->canReadLine())
            return;
        socket->setProperty("served", true);
        const QByteArray path = socket->readLine().split(' ').value(1);
        requests.append(path);
        const TRoute route = routes.count(path) ? routes[path] : Answer(404, "gone");
        if (route.silent)
            held_.append(socket);
        else
            Reply(socket, route);
    }
    void Reply(QTcpSocket* socket, const TRoute& route) {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(route.status) + " X\r\n";
        if (!route.location.isEmpty())
            head += "Location: " + route.location + "\r\n";
        if (!route.endless)
            head += "Content-Length: " +
                    QByteArray::number(route.announced >= 0 ? route.announced : route.body.size()) +
                    "\r\n";
        socket->write(head + "Connection: close\r\n\r\n" + route.body);
        if (route.endless || route.announced > route.body.size())
            connect(socket, &QTcpSocket::bytesWritten, socket, [socket] {
                if (socket->bytesToWrite() < 65536)
                    socket->write(QByteArray(65536, 'x'));
            });
    }

    QTcpServer server_;
    QList<QPointer<QTcpSocket>> held_;
};

QByteArray Pad(int version, const QByteArray& change = "http://127.0.0.1/changes") {
    return "<?xml version=\"1.0\"?><XML_DIZ_INFO><Program_Info><Program_Version>" +
           QByteArray::number(version) +
           "</Program_Version></Program_Info><Web_Info><Application_URLs>"
           "<Application_Change_URL>" +
           change + "</Application_Change_URL></Application_URLs></Web_Info></XML_DIZ_INFO>";
}

// The update address points at the test's server while alive.
struct TUpdateAddress {
    explicit TUpdateAddress(const QString& url) { qputenv("VARNEL_UPDATE_URL", url.toUtf8()); }
    ~TUpdateAddress() { qputenv("VARNEL_UPDATE_URL", ""); }
};

// A program folder with an optional local description, and the box on it.
struct TBox {
    explicit TBox(const QByteArray& local = {}) {
        if (!local.isEmpty())
            folder.WriteFile("Kalto.xml", local.toStdString());
        box = std::make_unique<TAboutUC>(nullptr, new TNetworkFetch);
    }
    void SetTimeout(std::chrono::milliseconds timeout) {
        static_cast<TNetworkFetch*>(box->Fetch())->SetTimeout(timeout);
    }
    template <class T = QLabel> T* Child(const char* name) const {
        return box->findChild<T*>(name);
    }
    // Runs a check that is due, as the main window does once shown.
    bool Check() {
        QSignalSpy finished(box.get(), &TAboutBase::CheckFinished);
        box->CheckUpdate();
        box->StartPendingFetch();
        const bool waited = finished.isEmpty(); // never decided before the reply
        if (!finished.wait(5000) && finished.isEmpty())
            return false;
        return waited && finished.first().first().toBool();
    }

    TProgramFolder folder;
    std::unique_ptr<TAboutUC> box;
};

// A box whose fetch module is one of these files.
class TBoxWithModule : public TAboutUC {
public:
    explicit TBoxWithModule(QStringList files) : files_(std::move(files)) {}

protected:
    TDescriptionFetch* NewFetch() override { return TFetchModule(files_).NewFetch(this); }

private:
    QStringList files_;
};

void RefusedRow(const char* name, const TRoute& route, int requests = 1) {
    QTest::newRow(name) << route << requests;
}

} // namespace

Q_DECLARE_METATYPE(TRoute)

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void BoxCaptionsInBothModes();
    void MessageBoxesAreNotHiddenBehindTheSplash();
    void NewerReplyAnnouncesTheChangeAddress();
    void HostileChangeAddressesAreNotLinks_data();
    void HostileChangeAddressesAreNotLinks();
    void UnusableRepliesAreRefused_data();
    void UnusableRepliesAreRefused();
    void RedirectsStayOnTheWeb();
    void TheWindowShowsWithoutWaitingForTheCheck();
    void CheckWithoutTheFetchModuleFailsQuietly();
};

void AboutBoxTest::BoxCaptionsInBothModes() {
    TBox b;
    for (bool modal : {false, true}) {
        if (modal)
            QTimer::singleShot(0, b.box.get(), [&b] {
                QVERIFY(b.Child<QPushButton>("btnOK")->isVisible());
                QCOMPARE(b.box->windowTitle(), QString(" About"));
                QTest::mouseClick(b.Child<QWidget>("Panel1"), Qt::LeftButton, {}, QPoint(2, 2));
            });
        QCOMPARE(b.box->ShowAbout(modal), modal);
        QCOMPARE(b.box->isVisible(), !modal);
        if (!modal) {
            QCOMPARE(b.box->windowTitle(), QString(" Welcome to"));
            QVERIFY(!b.Child<QPushButton>("btnOK")->isVisible());
            QTest::mouseClick(b.Child("StaticText2"), Qt::LeftButton);
            QVERIFY(!b.box->isVisible());
        }
    }
    QCOMPARE(b.Child("StaticText2")->text(), QString("Varnel"));
    QCOMPARE(b.Child("StaticText4")->text(), QString("Units Converter"));
    QCOMPARE(b.Child("StaticText3")->text(), QString::fromStdString(OwnVersionText()));
    QCOMPARE(b.Child("sttAuthor")->text(), QString("Quillmere"));
    QCOMPARE(b.Child("sttBottom")->text(), QString(" "));
    QVERIFY(b.box->height() >= TAboutUC::ShownHeight);
}

void AboutBoxTest::MessageBoxesAreNotHiddenBehindTheSplash() {
    TBox b;
    b.box->ShowAbout(false);
    QDialog message;
    message.show();
    QVERIFY(!b.box->isVisible());
}

void AboutBoxTest::NewerReplyAnnouncesTheChangeAddress() {
    TTestServer server;
    server.routes["/kalto.xml"] =
        Answer(200, Pad(OwnVersion() + 10, "https://127.0.0.1/new?a=1&b"));
    TUpdateAddress address(server.Url("/kalto.xml"));
    TBox b;
    QVERIFY(b.Check());
    QCOMPARE(server.requests, QList<QByteArray>{"/kalto.xml"});
    QLabel* bottom = b.Child("sttBottom");
    QCOMPARE(bottom->text(), QString(" New program update is available."));
    QVERIFY(bottom->font().underline());
    QCOMPARE(bottom->toolTip(), QString("https://127.0.0.1/new?a=1&b"));
    TOpenedUrls opened;
    QTest::mouseClick(bottom, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList{"https://127.0.0.1/new?a=1&b"});

    TAboutUC next; // the next start knows it without a request
    QVERIFY(next.CheckUpdate());
    QCOMPARE(server.requests.size(), 1);
}

void AboutBoxTest::HostileChangeAddressesAreNotLinks_data() {
    QTest::addColumn<QByteArray>("change");
    for (const char* address :
         {"file:///etc/passwd", "javascript:alert(1)", "/etc/passwd", "C:\\Windows\\calc.exe",
          "ftp://127.0.0.1/x", "http:///x", "<b>http://127.0.0.1/</b>"})
        QTest::newRow(address) << QString(address).toHtmlEscaped().toUtf8();
}

void AboutBoxTest::HostileChangeAddressesAreNotLinks() {
    QFETCH(QByteArray, change);
    TBox b(Pad(OwnVersion() + 10, change));
    QVERIFY(b.box->CheckUpdate());
    b.box->ShowAbout(false);
    QLabel* bottom = b.Child("sttBottom");
    QCOMPARE(bottom->text(), QString(" New program update is available."));
    QVERIFY(!bottom->font().underline());
    QCOMPARE(bottom->toolTip(), QString());
    TOpenedUrls opened;
    QTest::mouseClick(bottom, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList());
}

void AboutBoxTest::UnusableRepliesAreRefused_data() {
    QTest::addColumn<TRoute>("route");
    QTest::addColumn<int>("requests");
    const QByteArray newer = Pad(OwnVersion() + 10);
    RefusedRow("not found", Answer(404, newer));
    RefusedRow("garbage", Answer(200, "\x1f\x8b garbage"));
    RefusedRow("another root", Answer(200, "<XML_DIZ_INFO2><Program_Version>999</Program_Version>"
                                           "</XML_DIZ_INFO2>"));
    RefusedRow("never answers", Silent());
    RefusedRow("50 MB announced", Flood(newer, 50 * 1024 * 1024));
    RefusedRow("endless", Flood(newer, -1));
    RefusedRow("redirect to a local file", Redirect(302, "file:///etc/passwd"));
    RefusedRow("redirect to ftp", Redirect(301, "ftp://127.0.0.1/kalto.xml"));
    RefusedRow("redirect loop", Redirect(307, "/kalto.xml"), 1 + TNetworkFetch::MaxRedirects);
}

void AboutBoxTest::UnusableRepliesAreRefused() {
    QFETCH(TRoute, route);
    QFETCH(int, requests);
    TTestServer server;
    server.routes["/kalto.xml"] = route;
    TUpdateAddress address(server.Url("/kalto.xml"));
    const QByteArray local = Pad(OwnVersion());
    TBox b(local);
    // Only the silent server meets the deadline: the others are cut off for
    // what they send, long before it.
    b.SetTimeout(route.silent ? std::chrono::milliseconds(300) : std::chrono::seconds(60));
    const auto marked = LocalMidnight(Today() - std::chrono::days(2));
    std::filesystem::last_write_time(b.folder / "Kalto.xml", marked);

    QVERIFY(!b.Check());
    QCOMPARE(server.requests.size(), requests);
    QCOMPARE(QByteArray::fromStdString(b.folder.ReadFile("Kalto.xml")), local);
    QVERIFY(std::filesystem::last_write_time(b.folder / "Kalto.xml") == marked);
    QCOMPARE(b.box->UpdateMessage(), QString());
    QVERIFY(std::filesystem::exists(b.folder / "Kalto.retry")); // tried again tomorrow
}

void AboutBoxTest::RedirectsStayOnTheWeb() {
    const struct {
        const char* from;
        const char* to;
        bool allowed;
    } rows[] = {{"http://a.example/x", "https://b.example/y", true},
                {"https://a.example/x", "https://b.example/y", true},
                {"https://a.example/x", "http://a.example/x", false},
                {"http://a.example/x", "javascript:alert(1)", false},
                {"http://a.example/x", "http:///x", false}};
    for (const auto& row : rows)
        QVERIFY2(RedirectAllowed(QUrl(row.from), QUrl(row.to)) == row.allowed, row.to);

    TTestServer server; // three redirects are fine
    server.routes["/1"] = Redirect(302, "/2");
    server.routes["/2"] = Redirect(301, server.Url("/3").toUtf8());
    server.routes["/3"] = Redirect(308, "/kalto.xml");
    server.routes["/kalto.xml"] = Answer(200, Pad(OwnVersion() + 10));
    TUpdateAddress address(server.Url("/1"));
    TBox b;
    QVERIFY(b.Check());
    QCOMPARE(server.requests.size(), 4);
}

void AboutBoxTest::TheWindowShowsWithoutWaitingForTheCheck() {
    TTestServer server;
    server.routes["/kalto.xml"] = Silent();
    TUpdateAddress address(server.Url("/kalto.xml"));
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Varnel.unt\r\n");
    TMessageBoxRecorder messages;
    TfrmUnitsConvert window;
    TAboutUC* box = window.AboutBox();
    QVERIFY(!box->isVisible()); // the splash is gone once set up
    QVERIFY(!box->Fetch());     // nothing of the network before the check
    QSignalSpy finished(box, &TAboutBase::CheckFinished);
    window.show();
    // Fetched by the module beside the test, as the program finds its own.
    QTRY_COMPARE(server.requests.size(), 1);
    QVERIFY(finished.isEmpty());
    QVERIFY(window.isEnabled());
    server.Release(Answer(200, Pad(OwnVersion() + 10)));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toBool(), true);
    QCOMPARE(messages.Texts(), QStringList());
}

void AboutBoxTest::CheckWithoutTheFetchModuleFailsQuietly() {
    TTestServer server;
    server.routes["/kalto.xml"] = Answer(200, Pad(OwnVersion() + 10));
    TUpdateAddress address(server.Url("/kalto.xml"));
    TMessageBoxRecorder messages;
    for (const char* row : {"missing", "not a library"}) {
        TBox b;
        const QString module = QString::fromStdString((b.folder / TFetchModule::FileName).string());
        if (QByteArray(row) == "not a library")
            b.folder.WriteFile(TFetchModule::FileName, "\x7f"
                                                       "ELF not really");
        b.box = std::make_unique<TBoxWithModule>(QStringList{module});
        QVERIFY2(!b.Check(), row);
        QVERIFY2(std::filesystem::exists(b.folder / "Kalto.retry"), row);
        QVERIFY2(!b.box->Fetch(), row);
    }
    QCOMPARE(server.requests.size(), 0);
    QCOMPARE(messages.Texts(), QStringList());
}

VARNEL_GUI_TEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
