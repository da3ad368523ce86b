#include "common/Exception.h"
#include "common/HelpTopics.h"
#include "support/GuiTestSupport.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Hints.h"
#include "ui/common/ProgressMsg.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include <fstream>

using namespace varnel;
using namespace varnel::test;

namespace {

// An object whose events fail, as a page operation may.
class TFailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw EM("56");
        return QObject::event(event);
    }
};

} // namespace

class CommonWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void HintsSplitIntoTooltipAndStatusText_data();
    void HintsSplitIntoTooltipAndStatusText();
    void HelpTopicOpensInOneNonModalWindow();
    void MissingHelpTopicIsShownAsSuch();
    void ShippedHelpHasEveryTopic();
    void ErrorInAnEventIsShownAndTheLoopGoesOn();
    void ErrorInAButtonHandlerLeavesTheWindowUsable();
    void ProgressWindowAdvancesWhileShown();
};

void CommonWindowsTest::cleanup() {
    CloseHelpViewer();
    SetHelpFolder({});
}

void CommonWindowsTest::HintsSplitIntoTooltipAndStatusText_data() {
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("status");
    QTest::newRow("long part only") << "| Copy conversion results into the clipboard"
                                    << ""
                                    << "Copy conversion results into the clipboard";
    QTest::newRow("both parts") << "Search the web| Search the web for selected unit"
                                << "Search the web"
                                << "Search the web for selected unit";
    QTest::newRow("no bar serves as both") << "Value in source units"
                                           << "Value in source units"
                                           << "Value in source units";
    QTest::newRow("second bar belongs to the long part") << "a|b|c"
                                                         << "a"
                                                         << "b|c";
}

void CommonWindowsTest::HintsSplitIntoTooltipAndStatusText() {
    QFETCH(QString, hint);
    QFETCH(QString, tooltip);
    QFETCH(QString, status);
    QWidget widget;
    SetHint(&widget, hint);
    QCOMPARE(widget.toolTip(), tooltip);
    QCOMPARE(widget.statusTip(), status);
}

void CommonWindowsTest::HelpTopicOpensInOneNonModalWindow() {
    TProgramFolder folder;
    std::filesystem::create_directory(folder / "help");
    std::ofstream(folder / "help" / "3215.html") << "<html><body><h1>Base page</h1></body></html>";
    std::ofstream(folder / "help" / "3211.html") << "<html><body><h1>Integrated</h1></body></html>";

    ShowHelpTopic(HelpTopic::BasePage);
    THelpViewer* viewer = OpenHelpViewer();
    QVERIFY(viewer && viewer->isVisible() && !viewer->isModal());
    QCOMPARE(viewer->CurrentTopic(), 3215);
    auto* browser = viewer->findChild<QTextBrowser*>("tbHelp");
    QVERIFY(browser->toPlainText().contains("Base page"));

    ShowHelpTopic(HelpTopic::IntegratedConverter);
    QCOMPARE(OpenHelpViewer(), viewer);
    QVERIFY(browser->toPlainText().contains("Integrated"));
    auto* back = viewer->findChild<QWidget*>("btnBack");
    QVERIFY(back->isEnabled());
}

void CommonWindowsTest::MissingHelpTopicIsShownAsSuch() {
    TProgramFolder folder;
    TMessageBoxRecorder messages;

    ShowHelpTopic(3299);

    auto* browser = OpenHelpViewer()->findChild<QTextBrowser*>("tbHelp");
    QVERIFY(browser->toPlainText().contains("Help topic 3299"));
    QVERIFY(messages.Texts().isEmpty());
}

void CommonWindowsTest::ShippedHelpHasEveryTopic() {
    SetHelpFolder(std::filesystem::path(VARNEL_DATA_DIR) / "help");
    const int topics[] = {HelpTopic::IntegratedConverter,
                          HelpTopic::SimplePage,
                          HelpTopic::AllUnitsPage,
                          HelpTopic::BasePage,
                          HelpTopic::EditPage,
                          HelpTopic::LogPage,
                          HelpTopic::Options,
                          HelpTopic::UnitsDataEditor};
    for (int topic : topics) {
        ShowHelpTopic(topic);
        const QString text = OpenHelpViewer()->findChild<QTextBrowser*>("tbHelp")->toPlainText();
        QVERIFY2(!text.contains("not installed") && text.size() > 400,
                 qPrintable(QString("topic %1").arg(topic)));
    }
}

void CommonWindowsTest::ErrorInAnEventIsShownAndTheLoopGoesOn() {
    TMessageBoxRecorder messages;
    TFailingObject failing;

    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&failing, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    QCOMPARE(messages.Texts(), (QStringList{"internal error #56", "internal error #56"}));
    QCOMPARE(messages.Messages().first().Kind, TMessageKind::Error);
}

void CommonWindowsTest::ErrorInAButtonHandlerLeavesTheWindowUsable() {
    TMessageBoxRecorder messages;
    QPushButton button("Fails");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, ShowingErrors([&clicks] {
        ++clicks;
        throw varnel::Exception("Wrong filename - x.unt");
    }));
    button.show();

    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);

    QCOMPARE(clicks, 2);
    QCOMPARE(messages.Texts(), (QStringList{"Wrong filename - x.unt", "Wrong filename - x.unt"}));
}

void CommonWindowsTest::ProgressWindowAdvancesWhileShown() {
    QWidget owner;
    owner.resize(600, 400);
    TfrmProgressMsg progress(&owner);
    QCOMPARE(TfrmProgressMsg::Instance(), &progress);
    QCOMPARE(progress.windowTitle(), QString(" Validating..."));
    QCOMPARE(progress.size(), QSize(301, 64));
    auto* bar = progress.findChild<QProgressBar*>("ProgressBar1");
    auto* timer = progress.findChild<QTimer*>("Timer1");
    QVERIFY(!timer->isActive());
    progress.SetMaximum(50);

    progress.show();
    progress.ShowText("Length");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 100);
    QCOMPARE(progress.findChild<QLabel*>("Msg")->text(), QString("Length"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() >= 2, 2000);

    progress.hide();
    QVERIFY(!timer->isActive());
    progress.show();
    QCOMPARE(bar->value(), 0);
}

VARNEL_GUI_TEST_MAIN(CommonWindowsTest)
#include "CommonWindowsTest.moc"
