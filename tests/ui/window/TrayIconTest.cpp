#include "ui/window/TrayIcon.h"
#include "support/GuiTestSupport.h"
#include "ui/common/HelpViewer.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ProgramStart.h"
#include "ui/window/TraySurface.h"

#include <QApplication>
#include <QTimer>

using namespace varnel;
using namespace varnel::test;

namespace {

// The notification area as the tests want it; remembers what it shows.
class TStandInTray : public TTraySurface {
public:
    static inline bool available = true;
    static inline TStandInTray* last = nullptr;

    TStandInTray() { last = this; }
    ~TStandInTray() override {
        if (last == this)
            last = nullptr;
    }
    bool Available() const override { return available; }
    bool Add() override { return shown = true; }
    void Remove() override { shown = false; }
    void SetToolTip(const QString& text) override { toolTip = text; }
    void SetIcon(const QIcon&) override {}

    bool shown = false;
    QString toolTip;
};

// Stands in for the notification area while alive.
struct TStandInScope {
    explicit TStandInScope(bool available = true) {
        TStandInTray::available = available;
        previous = TTrayIcon::SetSurfaceFactory([] { return std::make_unique<TStandInTray>(); });
    }
    ~TStandInScope() { TTrayIcon::SetSurfaceFactory(std::move(previous)); }
    TTrayIcon::SurfaceFactory previous;
};

// Counts the requests to end the program while alive.
struct TQuitWatch : QObject {
    TQuitWatch() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::Quit)
            ++count;
        return false;
    }
    int count = 0;
};

// A shown window with a tray icon of its own.
struct TTrayedWindow {
    explicit TTrayedWindow(bool active, bool available = true) : scope(available) {
        window.show();
        tray = new TTrayIcon(&window);
        tray->SetActive(active);
    }
    TStandInTray& Surface() const { return *TStandInTray::last; }

    TStandInScope scope;
    QWidget window;
    TTrayIcon* tray = nullptr;
};

} // namespace

class TrayIconTest : public QObject {
    Q_OBJECT

private slots:
    void MinimisingFollowsTheOption_data();
    void MinimisingFollowsTheOption();
    void TheIconBringsTheWindowBack_data();
    void TheIconBringsTheWindowBack();
    void TurningTheOptionOffInTheTrayShowsTheWindow();
    void HintIsCutToSixtyThreeCharacters();
    void MainWindowActsOnTheOption();
    void ClosingOtherWindowsInTheTrayDoesNotQuit();
};

void TrayIconTest::MinimisingFollowsTheOption_data() {
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("available");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("icon");
    QTest::newRow("option off: an ordinary minimised window") << false << true << false << false;
    QTest::newRow("option on: into the tray") << true << true << true << true;
    QTest::newRow("no notification area: the window stays") << true << false << false << false;
}

void TrayIconTest::MinimisingFollowsTheOption() {
    QFETCH(bool, active);
    QFETCH(bool, available);
    TMessageBoxRecorder messages;
    TTrayedWindow w(active, available);

    w.window.showMinimized();

    QVERIFY(w.tray->Minimized());
    QCoreApplication::processEvents(); // the window hides after the minimising
    QTEST(w.window.isHidden(), "hidden");
    QTEST(w.Surface().shown, "icon");
    QTEST(w.tray->InTray(), "icon");
    QCOMPARE(messages.Texts(), QStringList());
}

void TrayIconTest::TheIconBringsTheWindowBack_data() {
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("click") << false;
    QTest::newRow("double click") << true;
}

void TrayIconTest::TheIconBringsTheWindowBack() {
    QFETCH(bool, doubleClick);
    TTrayedWindow w(true);
    w.window.showMinimized();
    QTRY_VERIFY(w.tray->InTray());

    if (doubleClick)
        emit w.Surface().DoubleClicked();
    else
        emit w.Surface().Clicked();

    QVERIFY(w.window.isVisible());
    QVERIFY(!w.window.isMinimized());
    QVERIFY(!w.Surface().shown);
    QVERIFY(!w.tray->Minimized());
}

void TrayIconTest::TurningTheOptionOffInTheTrayShowsTheWindow() {
    TTrayedWindow w(true);
    w.window.showMinimized();
    QTRY_VERIFY(w.window.isHidden());

    w.tray->SetActive(false);

    QVERIFY(w.window.isVisible());
    QVERIFY(w.window.isMinimized());
    QVERIFY(!w.Surface().shown);
    // Minimised as usual from now on, and back.
    w.window.showNormal();
    w.window.showMinimized();
    QVERIFY(w.window.isVisible());
}

void TrayIconTest::HintIsCutToSixtyThreeCharacters() {
    TTrayedWindow w(true);
    // Four bytes in UTF-8 and two UTF-16 units each: counted as one.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    w.tray->SetHint(QString(62, 'a') + clef + clef + "b");
    QCOMPARE(w.tray->Hint(), QString(62, 'a') + clef);
    QCOMPARE(w.Surface().toolTip, w.tray->Hint());

    w.tray->SetHint("short");
    QCOMPARE(w.Surface().toolTip, QString("short"));
}

void TrayIconTest::MainWindowActsOnTheOption() {
    TStandInScope tray;
    TConverterWindow w(
        {"gui_units.unt", "UnitFile=Varnel.unt\nMinimOnTray=1\nMultiTabMode=1", false, {}});
    TfrmUnitsConvert& window = *w.window;
    window.show();
    QVERIFY(!window.windowIcon().isNull());

    QTest::mouseClick(window.findChild<QWidget*>("btnHide"), Qt::LeftButton);
    QTRY_VERIFY(window.isHidden());
    QVERIFY(TStandInTray::last->shown);
    QCOMPARE(TStandInTray::last->toolTip, window.windowTitle());

    window.WakeUp();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QVERIFY(!TStandInTray::last->shown);
}

void TrayIconTest::ClosingOtherWindowsInTheTrayDoesNotQuit() {
    TStandInScope tray;
    TConverterWindow w({"gui_units.unt", "UnitFile=Varnel.unt\nMinimOnTray=1", false, {}});
    TfrmUnitsConvert& window = *w.window;
    QuitWithMainWindow(window);
    window.show();
    ShowHelpTopic(3211);
    QWidget about; // any other window, as the About box, with Qt's defaults
    about.show();
    window.showMinimized();
    QTRY_VERIFY(window.isHidden());

    // The last visible windows close inside the event loop; only the main
    // window's close may end it.
    TQuitWatch quits;
    QTimer::singleShot(0, [&about] {
        OpenHelpViewer()->close();
        about.close();
        QTimer::singleShot(0, [] { QCoreApplication::exit(); });
    });
    QCoreApplication::exec();
    QCOMPARE(quits.count, 0);

    QTimer::singleShot(0, &window, [&window] { window.WakeUp(), window.close(); });
    QCoreApplication::exec();
    QCOMPARE(quits.count, 1);
}

VARNEL_GUI_TEST_MAIN(TrayIconTest)
#include "TrayIconTest.moc"
