#include "ui/window/MainWindow.h"
#include "common/Exception.h"
#include "common/HelpTopics.h"
#include "convert/Convert.h"
#include "support/GuiTestSupport.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/ProgressMsg.h"
#include "ui/integrated/IntegConv.h"
#include "ui/options/OptCont.h"
#include "ui/options/UnitOptions.h"
#include "ui/valueline/FrameIO.h"
#include "ui/valueline/UnitSymbols.h"
#include "units/XmlDocument.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <sys/stat.h>

#include <filesystem>
#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

constexpr int Simple = 0, AllUnits = 1, Base = 2, Edit = 3, Log = 4;

const QString PromptText = "Cannot find [km/min] in all units list. Continue ?\n\nDelete it and "
                           "continue(Yes) or go back to the last tab (No)?";

// A program folder with units data and settings, and the window started in it.
struct TStartedWindow : TConverterWindow {
    explicit TStartedWindow(const std::string& settings = "MultiTabMode=1",
                            const std::string& units = "gui_units.unt")
        : TConverterWindow({units, "UnitFile=Varnel.unt\n" + settings, false, {}}) {}

    bool Knows(const char* symbol) const {
        int cat = -1, unit = -1;
        return window->SourceEngine()->FindUnit(symbol, cat, unit) &&
               window->TargetEngine()->FindUnit(symbol, cat, unit);
    }
};

// Confirms the options window once it is shown, after an optional change.
void ConfirmOptions(TfrmUnitsConvert& window, std::function<void(QDialog&)> change = {}) {
    QTimer::singleShot(0, &window, [&window, change] {
        QDialog* dialog = window.OptionsWindow();
        QTRY_VERIFY(dialog->isVisible());
        if (change)
            change(*dialog);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
}

// Every tree item and grid cell of a page, in the page's order.
QStringList TextsOf(const QWidget* page) {
    QStringList texts;
    for (const QTreeWidget* tree : page->findChildren<QTreeWidget*>())
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it)
            texts << (*it)->text(0);
    for (const QTableWidget* grid : page->findChildren<QTableWidget*>())
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                texts << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return texts;
}

QString ParseErrorOf(const std::string& text) {
    try {
        TXmlDocument document;
        document.LoadFromText(text);
    } catch (const EXmlParseError& error) {
        return QString::fromStdString(error.Message());
    }
    return {};
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void StartUpLoadsBothEnginesAndOpensTheEditPage();
    void FirstShowFocusesTheInputLine_data();
    void FirstShowFocusesTheInputLine();
    void StartUpWithUnusableUnitsDataEnds_data();
    void StartUpWithUnusableUnitsDataEnds();
    void MissingNamedUnitsFileFallsBackToTheDefault();
    void ReloadFromMissingOrEmptyFileKeepsTheEngines_data();
    void ReloadFromMissingOrEmptyFileKeepsTheEngines();
    void ReloadFromBrokenFileKeepsTheEngines_data();
    void ReloadFromBrokenFileKeepsTheEngines();
    void ReloadReplacesTheUnits();
    void PageSwitchMovesSourceAndTarget_data();
    void PageSwitchMovesSourceAndTarget();
    void CtrlOnBaseSetsNoMark();
    void CompoundSourceAsksBeforeAllUnits_data();
    void CompoundSourceAsksBeforeAllUnits();
    void HelpFollowsTheActivePage_data();
    void HelpFollowsTheActivePage();
    void CopyPutsTheResultOnTheClipboard_data();
    void CopyPutsTheResultOnTheClipboard();
    void StatusBarShowsTheLongHint();
    void IntegratedModeShowsTheIntegratedView();
    void WindowSizeIsRestoredAndSaved();
    void WakeUpRestoresAndRaises();
    void OptionsWithoutChangeDoNotReload();
    void OptionsAfterAnEditedFileReload();
    void OptionsSwitchingToMultiTabOpensAPage();
    void FailedReloadAfterOptionsIsShownAndTheWindowGoesOn();
    void ValidationOnRequest_data();
    void ValidationOnRequest();
    void ProgramFileThatIsNoFileIsReported_data();
    void ProgramFileThatIsNoFileIsReported();
    void BrokenChosenUnitsFileFallsBackToTheDefault();
    void UnitsFileThatFailsInTheOptionsIsNotStored();
    void UnlistedUnitsFileSurvivesAnUntouchedOK();
    void PagesMadeWhenEnteredMatchThoseMadeWithTheWindow_data();
    void PagesMadeWhenEnteredMatchThoseMadeWithTheWindow();
};

void MainWindowTest::StartUpLoadsBothEnginesAndOpensTheEditPage() {
    TStartedWindow w;
    QVERIFY(w.window->UnitsLoaded());
    QVERIFY(w.window->isEnabled());
    QCOMPARE(w.messages.Texts(), QStringList());
    QCOMPARE(w.window->windowTitle(), QString("Varnel Units Converter v3.1"));
    QCOMPARE(w.window->minimumSize(), QSize(410, 250));
    QVERIFY(w.Knows("km") && w.Knows("ha") && w.Knows("degC"));
    QVERIFY(w.window->SourceEngine()->KeepValue());
    QVERIFY(!w.window->TargetEngine()->KeepValue());
    QCOMPARE(UnitSymbolCount(), 17);
    QVERIFY(IsUnitSymbol("KM"));
    QCOMPARE(w.Page(), Edit);
    QCOMPARE(w.window->PrevPageIndex, Edit);
    QVERIFY(w.window->SourceBound());
    QVERIFY(w.window->findChild<QWidget*>("pnlApplication")->isVisibleTo(w.window.get()));
    QCOMPARE(w.window->size(), QSize(640, 420));
    QCOMPARE(w.Tabs()->tabPosition(), QTabWidget::South);
    QStringList tabs;
    for (int i = 0; i < w.Tabs()->count(); ++i)
        tabs << w.Tabs()->tabText(i).remove('&');
    QCOMPARE(tabs, (QStringList{"Simple", "All Units", "Base", "Edit", " Log"}));
    QCOMPARE(w.window->findChild<QWidget*>("fmCompose1")->parentWidget()->objectName(),
             QString("tsCompose"));
}

void MainWindowTest::FirstShowFocusesTheInputLine_data() {
    QTest::addColumn<QString>("settings");
    QTest::newRow("multi-tab") << "MultiTabMode=1";
    QTest::newRow("integrated") << "MultiTabMode=0";
}

void MainWindowTest::FirstShowFocusesTheInputLine() {
    QFETCH(QString, settings);
    TStartedWindow w(settings.toStdString());
    w.window->show();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QCOMPARE(QApplication::focusWidget(), w.IO()->InputLine()->focusProxy()
                                              ? w.IO()->InputLine()->focusProxy()
                                              : w.IO()->InputLine());
}

void MainWindowTest::StartUpWithUnusableUnitsDataEnds_data() {
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("message");
    const std::string notXml = "Length: metre, kilometre\r\n";
    QTest::newRow("not XML") << QString::fromStdString(notXml) << ParseErrorOf(notXml);
    QTest::newRow("empty file") << "" << ParseErrorOf("");
    QTest::newRow("supplemental category without root") << "gui_badlink.unt"
                                                        << "No known units in sup. category(3)";
}

void MainWindowTest::StartUpWithUnusableUnitsDataEnds() {
    QFETCH(QString, units);
    QFETCH(QString, message);
    TProgramFolder folder;
    if (units.endsWith(".unt"))
        folder.CopyFixture(units.toStdString(), "Varnel.unt");
    else
        folder.WriteFile("Varnel.unt", units.toStdString());
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Varnel.unt\r\n");
    TMessageBoxRecorder messages;

    TfrmUnitsConvert window;

    QVERIFY(!window.UnitsLoaded());
    QVERIFY(!message.isEmpty());
    QCOMPARE(messages.Texts(), QStringList{message});
}

void MainWindowTest::MissingNamedUnitsFileFallsBackToTheDefault() {
    TProgramFolder folder;
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Gone.unt\r\n");
    TMessageBoxRecorder messages;
    {
        TfrmUnitsConvert window; // neither file: ends with the one message
        QVERIFY(!window.UnitsLoaded());
        QCOMPARE(messages.Texts(),
                 QStringList{QString::fromStdString("Units file " + (folder / "Gone.unt").string() +
                                                    " does not exist.\n Set on default")});
    }
    messages.Clear();
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    TfrmUnitsConvert window;
    QVERIFY(window.UnitsLoaded());
    QCOMPARE(messages.Texts().size(), 1);
    QCOMPARE(window.UnitsDataPath(), (folder / "Varnel.unt").string());
}

void MainWindowTest::ReloadFromMissingOrEmptyFileKeepsTheEngines_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << false;
    QTest::newRow("empty file") << true;
}

void MainWindowTest::ReloadFromMissingOrEmptyFileKeepsTheEngines() {
    QFETCH(bool, exists);
    TStartedWindow w;
    const std::string path = (w.folder / "Other.unt").string();
    if (exists)
        w.folder.WriteFile("Other.unt", "");

    try {
        w.window->ReloadUnits(path);
        QFAIL("no error");
    } catch (const EM& error) {
        QCOMPARE(error.Message(), "Wrong filename - " + path);
    }
    QVERIFY(w.Knows("km"));
    QCOMPARE(w.window->SourceEngine()->CatCount(), 7);
}

void MainWindowTest::ReloadFromBrokenFileKeepsTheEngines_data() {
    QTest::addColumn<QString>("units");
    QTest::newRow("not XML") << "<UnitsData><domain";
    QTest::newRow("supplemental category without root") << "gui_badlink.unt";
}

void MainWindowTest::ReloadFromBrokenFileKeepsTheEngines() {
    QFETCH(QString, units);
    TStartedWindow w;
    if (units.endsWith(".unt"))
        w.folder.CopyFixture(units.toStdString(), "Broken.unt");
    else
        w.folder.WriteFile("Broken.unt", units.toStdString());
    w.Tabs()->setCurrentIndex(Simple);

    QVERIFY_THROWS_EXCEPTION(varnel::Exception,
                             w.window->ReloadUnits((w.folder / "Broken.unt").string()));

    QVERIFY(w.Knows("km") && w.Knows("degC"));
    QCOMPARE(w.window->SourceEngine()->CatCount(), 7);
    QCOMPARE(w.window->TargetEngine()->CatCount(), 7);
    QCOMPARE(UnitSymbolCount(), 17);
}

void MainWindowTest::ReloadReplacesTheUnits() {
    TStartedWindow w;
    w.folder.CopyFixture("gui_other.unt", "Other.unt");
    w.Tabs()->setCurrentIndex(Simple);
    w.IO()->SetSource("3 [ft]");

    w.window->ReloadUnits((w.folder / "Other.unt").string());

    QVERIFY(w.Knows("ft"));
    QVERIFY(!w.Knows("km"));
    QCOMPARE(UnitSymbolCount(), 2);
    QCOMPARE(w.Page(), Edit);
    QCOMPARE(w.IO()->GetSource(), QString("3 [ft]"));
}

void MainWindowTest::PageSwitchMovesSourceAndTarget_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<bool>("swapOption");
    QTest::addColumn<QString>("newSource");
    QTest::addColumn<QString>("newTarget");

    const QString src = "5 [km]";
    const QString trg = "5000 [m]";
    QTest::newRow("entering Log clears the target")
        << Simple << Log << trg << false << false << src << "";
    // From Simple: the All Units page rewrites a typed source into its selected unit.
    QTest::newRow("entering Edit clears the target")
        << Simple << Edit << trg << false << false << src << "";
    QTest::newRow("leaving Base makes the target the source")
        << Base << Simple << trg << false << false << trg << trg;
    QTest::newRow("leaving Base for Log") << Base << Log << trg << false << false << trg << "";
    QTest::newRow("empty target takes the source")
        << Log << Simple << "" << false << false << src << src;
    QTest::newRow("target [] counts as empty")
        << Log << AllUnits << " [] " << false << false << src << src;
    QTest::newRow("other switches keep both")
        << Simple << AllUnits << trg << false << false << src << trg;
    QTest::newRow("Ctrl on Simple then Edit swaps")
        << Simple << Edit << trg << true << false << trg << "";
    QTest::newRow("Ctrl on All Units then Edit swaps")
        << AllUnits << Edit << trg << true << false << trg << "";
    // The Base page shows the source in core units: 3 [mi] swapped in would
    // read 4828.032 [m].
    QTest::newRow("Ctrl on Simple then Base does not swap")
        << Simple << Base << "3 [mi]" << true << false << trg << trg;
    QTest::newRow("option swaps without Ctrl")
        << Simple << Edit << trg << false << true << trg << "";
    QTest::newRow("option does not swap from Log")
        << Log << Edit << trg << false << true << src << "";
}

void MainWindowTest::PageSwitchMovesSourceAndTarget() {
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, target);
    QFETCH(bool, ctrl);
    QFETCH(bool, swapOption);
    QFETCH(QString, newSource);
    QFETCH(QString, newTarget);
    TStartedWindow w(swapOption ? "MultiTabMode=1\nSwapSrcTrg=1" : "MultiTabMode=1");
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.ClickTab(from);
    QCOMPARE(w.Page(), from);
    w.IO()->SetSource("5 [km]");
    w.IO()->SetTarget(target);

    QWidget* focus = w.IO()->InputLine();
    focus->setFocus();
    if (ctrl) {
        QTest::keyPress(focus, Qt::Key_Control);
        QCOMPARE(w.IO()->SwapMark(), true);
    }
    w.ClickTab(to, ctrl ? Qt::ControlModifier : Qt::NoModifier);
    if (ctrl) {
        QTest::keyRelease(focus, Qt::Key_Control);
        QCOMPARE(w.IO()->SwapMark(), false);
    }

    QCOMPARE(w.Page(), to);
    QCOMPARE(w.window->PrevPageIndex, from);
    QCOMPARE(w.IO()->GetSource(), newSource);
    QCOMPARE(w.IO()->GetTarget(), newTarget);
}

void MainWindowTest::CtrlOnBaseSetsNoMark() {
    TStartedWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.ClickTab(Base);
    QWidget* focus = w.IO()->InputLine();
    focus->setFocus();

    QTest::keyPress(focus, Qt::Key_Control);
    QCOMPARE(w.IO()->SwapMark(), false);
    QTest::keyRelease(focus, Qt::Key_Control);
}

void MainWindowTest::CompoundSourceAsksBeforeAllUnits_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("prompt");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("page");
    QTest::newRow("compound, No goes back") << "3 [km/min]" << true << false << true << Simple;
    QTest::newRow("compound, Yes goes on") << "3 [km/min]" << true << true << true << AllUnits;
    QTest::newRow("without the option") << "3 [km/min]" << false << false << false << AllUnits;
    QTest::newRow("one known unit") << "3 [km]" << true << false << false << AllUnits;
    QTest::newRow("compound unit of the data") << "3 [km/h]" << true << false << false << AllUnits;
    QTest::newRow("empty brackets") << "3 []" << true << false << false << AllUnits;
    QTest::newRow("no brackets") << "3" << true << false << false << AllUnits;
}

void MainWindowTest::CompoundSourceAsksBeforeAllUnits() {
    QFETCH(QString, source);
    QFETCH(bool, prompt);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(int, page);
    TStartedWindow w(prompt ? "MultiTabMode=1\nPromptB4Delete=1" : "MultiTabMode=1");
    w.window->show();
    w.ClickTab(Simple);
    w.IO()->SetSource(source);
    w.messages.AnswerNext(answer);

    w.ClickTab(AllUnits);

    QCOMPARE(w.messages.Questions(), asked ? QStringList{PromptText} : QStringList());
    QCOMPARE(w.Page(), page);
    QVERIFY(w.window->SourceBound());
    QCOMPARE(w.messages.Texts(), QStringList());
    // The next switch starts from the page that is shown.
    w.ClickTab(Log);
    QCOMPARE(w.window->PrevPageIndex, page);
}

void MainWindowTest::HelpFollowsTheActivePage_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("f1");
    QTest::addColumn<int>("topic");
    QTest::newRow("F1 on Simple") << Simple << true << int(HelpTopic::SimplePage);
    QTest::newRow("F1 on Base") << Base << true << int(HelpTopic::BasePage);
    QTest::newRow("F1 on Log") << Log << true << int(HelpTopic::LogPage);
    QTest::newRow("Help button on All Units") << AllUnits << false << int(HelpTopic::AllUnitsPage);
    QTest::newRow("Help button on Edit") << Edit << false << int(HelpTopic::EditPage);
}

void MainWindowTest::HelpFollowsTheActivePage() {
    QFETCH(int, page);
    QFETCH(bool, f1);
    QFETCH(int, topic);
    TStartedWindow w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    w.ClickTab(page);

    if (f1) {
        w.IO()->InputLine()->setFocus();
        QTest::keyClick(w.IO()->InputLine(), Qt::Key_F1);
    } else {
        QTest::mouseClick(w.window->findChild<QPushButton*>("btnHelp1"), Qt::LeftButton);
    }

    QVERIFY(OpenHelpViewer() && OpenHelpViewer()->isVisible());
    QCOMPARE(OpenHelpViewer()->CurrentTopic(), topic);
}

void MainWindowTest::CopyPutsTheResultOnTheClipboard_data() {
    QTest::addColumn<bool>("copyBoth");
    QTest::addColumn<QString>("clipboard");
    QTest::newRow("target alone") << false << "5000 [m]";
    QTest::newRow("source and target") << true << "5 [km] = 5000 [m]";
}

void MainWindowTest::CopyPutsTheResultOnTheClipboard() {
    QFETCH(bool, copyBoth);
    QFETCH(QString, clipboard);
    TStartedWindow w(copyBoth ? "MultiTabMode=1\nCopyBoth=1" : "MultiTabMode=1");
    w.IO()->SetSource("5 [km]");
    w.IO()->SetTarget("5000 [m]");

    QTest::mouseClick(w.window->findChild<QPushButton*>("btnCopy"), Qt::LeftButton);

    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
}

void MainWindowTest::StatusBarShowsTheLongHint() {
    TStartedWindow w;
    w.window->show();
    auto* copy = w.window->findChild<QPushButton*>("btnCopy");
    QCOMPARE(copy->toolTip(), QString());

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(copy, &enter);
    QCOMPARE(w.Status(), QString(" Copy conversion results into the clipboard"));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(copy, &leave);
    QCOMPARE(w.Status(), QString());
}

void MainWindowTest::IntegratedModeShowsTheIntegratedView() {
    TStartedWindow w("MultiTabMode=0");
    QVERIFY(!w.Tabs()->isVisibleTo(w.window.get()));
    QVERIFY(w.window->IntegConv()->isVisibleTo(w.window.get()));
    QCOMPARE(w.Status(), QString());
    QVERIFY(!w.IO()->ModeLocked);
}

void MainWindowTest::WindowSizeIsRestoredAndSaved() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Varnel.unt\r\n");
    folder.WriteFile("VarnelKalto.ext", "Width=800\r\nHeight=500\r\n");
    TMessageBoxRecorder messages;
    {
        TfrmUnitsConvert window;
        QCOMPARE(window.size(), QSize(800, 500));
        window.show();
        window.resize(700, 450);
        window.close();
    }
    QCOMPARE(folder.ReadFile("VarnelKalto.ext"), std::string("Width=700\r\nHeight=450\r\n"));

    folder.WriteFile("VarnelKalto.ext", "Width=seven\r\nHeight=100\r\n");
    TfrmUnitsConvert window; // the minimum size holds
    QCOMPARE(window.size(), QSize(640, 250));
}

void MainWindowTest::WakeUpRestoresAndRaises() {
    TStartedWindow w;
    w.window->showMinimized();
    QTRY_VERIFY(w.window->isMinimized());

    w.window->WakeUp();

    QVERIFY(!w.window->isMinimized());
    QVERIFY(w.window->isVisible());
}

void MainWindowTest::OptionsWithoutChangeDoNotReload() {
    TStartedWindow w;
    w.window->show();
    w.ClickTab(Simple);
    w.IO()->SetSource("5 [km]");
    w.IO()->SetTarget("5000 [m]");

    ConfirmOptions(*w.window);
    QTest::mouseClick(w.window->findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QCOMPARE(w.Page(), Simple);
    QCOMPARE(w.IO()->GetTarget(), QString("5000 [m]"));
    QVERIFY(w.messages.Texts().isEmpty());
}

void MainWindowTest::OptionsAfterAnEditedFileReload() {
    TStartedWindow w;
    w.window->show();
    w.ClickTab(Simple);

    // As if the units data editor saved the same file with changes.
    ConfirmOptions(*w.window,
                   [&w](QDialog&) { w.folder.CopyFixture("gui_other.unt", "Varnel.unt"); });
    QTest::mouseClick(w.window->findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QVERIFY(w.Knows("ft"));
    QCOMPARE(w.Page(), Edit);
}

void MainWindowTest::OptionsSwitchingToMultiTabOpensAPage() {
    TStartedWindow w("MultiTabMode=0");
    w.window->show();
    w.IO()->SetSource("5 [km]");
    w.IO()->SetTarget("5000 [m]");

    ConfirmOptions(*w.window, [](QDialog& dialog) {
        dialog.findChild<QTabWidget*>("pcUserMode")->setCurrentIndex(1);
    });
    QTest::mouseClick(w.window->findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QVERIFY(w.window->IsMultiTab());
    QCOMPARE(w.Page(), Simple);
    QCOMPARE(w.window->PrevPageIndex, 0);
    QCOMPARE(w.Status(), QString());
}

void MainWindowTest::FailedReloadAfterOptionsIsShownAndTheWindowGoesOn() {
    TStartedWindow w;
    w.window->show();

    ConfirmOptions(*w.window,
                   [&w](QDialog&) { w.folder.CopyFixture("gui_badlink.unt", "Varnel.unt"); });
    QTest::mouseClick(w.window->findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QCOMPARE(w.messages.Texts(), QStringList{"No known units in sup. category(3)"});
    QCOMPARE(w.messages.Messages().first().Kind, TMessageKind::Error);
    QVERIFY(w.Knows("km"));
    QVERIFY(w.window->isEnabled());
    // Still usable: the next page switch works.
    w.ClickTab(Log);
    QCOMPARE(w.Page(), Log);
}

void MainWindowTest::ValidationOnRequest_data() {
    QTest::addColumn<QString>("units");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("messages");
    QTest::newRow("problems, once") << "gui_invalid.unt" << QStringList{"prog", "-vld"} << 1;
    QTest::newRow("problems, any case, twice")
        << "gui_invalid.unt" << QStringList{"prog", "-VLD", "x", "-Vld"} << 2;
    QTest::newRow("without the switch") << "gui_invalid.unt" << QStringList{"prog", "vld"} << 0;
    QTest::newRow("no problems") << "gui_units.unt" << QStringList{"prog", "-vld"} << 0;
}

void MainWindowTest::ValidationOnRequest() {
    QFETCH(QString, units);
    QFETCH(QStringList, arguments);
    QFETCH(int, messages);
    TStartedWindow w("MultiTabMode=1", units.toStdString());

    w.window->ValidateOnRequest(arguments);

    QStringList expected;
    for (int i = 0; i < messages; ++i)
        expected << "Errors in Units data file:\n\n Enter Units Editor and\n run Validate for "
                    "more details.";
    QCOMPARE(w.messages.Texts(), expected);
    QVERIFY(!TfrmProgressMsg::Instance()->isVisible());
}

void MainWindowTest::ProgramFileThatIsNoFileIsReported_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fifo");
    const QString settings = QString::fromStdString(SettingsFile().filename().string());
    for (const QString& name : {settings, QString("ZureVave.log"), QString("VarnelKalto.ext")}) {
        QTest::newRow(qPrintable(name + " folder")) << name << false;
        QTest::newRow(qPrintable(name + " FIFO")) << name << true;
    }
}

void MainWindowTest::ProgramFileThatIsNoFileIsReported() {
    QFETCH(QString, name);
    QFETCH(bool, fifo);
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    const std::filesystem::path file = folder / name.toStdString();
    std::filesystem::remove(file);
    if (fifo)
        QCOMPARE(::mkfifo(file.c_str(), 0600), 0);
    else
        std::filesystem::create_directory(file);
    TMessageBoxRecorder messages;

    TfrmUnitsConvert window;

    QVERIFY(window.UnitsLoaded());
    QVERIFY(messages.Texts().contains(QString::fromStdString("Cannot read file \"" + file.string() +
                                                             "\": it is not a regular file.")));
}

void MainWindowTest::BrokenChosenUnitsFileFallsBackToTheDefault() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile("Broken.unt", "");
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Broken.unt\r\n");
    TMessageBoxRecorder messages;

    TfrmUnitsConvert window;

    QVERIFY(window.UnitsLoaded());
    QCOMPARE(messages.Texts(),
             QStringList{
                 QString::fromStdString("The units data file " + (folder / "Broken.unt").string() +
                                        " cannot be used:\n") +
                 ParseErrorOf("") + "\n\nThe default units data file " +
                 QString::fromStdString((folder / "Varnel.unt").string()) + " is loaded instead."});
}

void MainWindowTest::UnitsFileThatFailsInTheOptionsIsNotStored() {
    TStartedWindow w;
    w.folder.WriteFile("Broken.unt", "");
    w.window->show();

    ConfirmOptions(*w.window, [](QDialog& dialog) {
        dialog.findChild<QComboBox*>("cbUnitFile")->setCurrentText("Broken.unt");
    });
    QTest::mouseClick(w.window->findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QCOMPARE(w.messages.Texts(), QStringList{QString::fromStdString(
                                     "Wrong filename - " + (w.folder / "Broken.unt").string())});
    QVERIFY(w.folder.ReadFile(SettingsFile().filename().string())
                .starts_with("UnitFile=Varnel.unt\r\n"));
    QVERIFY(w.Knows("km"));
}

void MainWindowTest::UnlistedUnitsFileSurvivesAnUntouchedOK() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "units.xml");
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=units.xml\r\n");
    TMessageBoxRecorder messages;
    TfrmUnitsConvert window;
    window.show();

    ConfirmOptions(window);
    QTest::mouseClick(window.findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QVERIFY(
        folder.ReadFile(SettingsFile().filename().string()).starts_with("UnitFile=units.xml\r\n"));
    QVERIFY(messages.Texts().isEmpty());
}

void MainWindowTest::PagesMadeWhenEnteredMatchThoseMadeWithTheWindow_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("reloaded");
    QTest::newRow("All Units") << AllUnits << false;
    QTest::newRow("Base") << Base << false;
    QTest::newRow("All Units, data reloaded before") << AllUnits << true;
    QTest::newRow("Base, data reloaded before") << Base << true;
}

void MainWindowTest::PagesMadeWhenEnteredMatchThoseMadeWithTheWindow() {
    QFETCH(int, page);
    QFETCH(bool, reloaded);
    const char* name = page == AllUnits ? "fmAllUnits1" : "fmBase";
    const std::string settings = "UnitFile=Varnel.unt\nMultiTabMode=1";
    QStringList expected;
    {
        TConverterWindow eager({reloaded ? "gui_other.unt" : "gui_units.unt", settings, true, {}});
        eager.ClickTab(page);
        expected = TextsOf(eager.window->findChild<QWidget*>(name));
    }
    TConverterWindow lazy({"gui_units.unt", settings, true, {}, TPageBuilding::WhenEntered});
    QVERIFY(!lazy.window->findChild<QWidget*>(name));
    if (reloaded) {
        lazy.folder.CopyFixture("gui_other.unt", "Other.unt");
        lazy.window->ReloadUnits((lazy.folder / "Other.unt").string());
    }
    lazy.ClickTab(Log);
    lazy.ClickTab(page);
    const QWidget* made = lazy.window->findChild<QWidget*>(name);
    QVERIFY(made);
    QCOMPARE(lazy.Page(), page);
    QVERIFY(made->isVisible());
    QVERIFY(!expected.isEmpty());
    QCOMPARE(TextsOf(made), expected);
    QCOMPARE(lazy.messages.Texts(), QStringList());
}

VARNEL_GUI_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
