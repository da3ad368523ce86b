#include "ui/log/LogPage.h"

#include "common/ProgramFolder.h"
#include "support/GuiTestSupport.h"
#include "ui/log/LogFile.h"
#include "ui/valueline/FrameIO.h"
#include "ui/window/MainWindow.h"

#include <QClipboard>
#include <QProcess>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <utility>

using namespace varnel;
using namespace varnel::test;

namespace {

constexpr int LogPageIndex = 4;
constexpr const char* RecordingChildSwitch = "--record-then-wait";

const std::string LogName = "ZureVave.log";

// A program folder with units data, settings and optionally a log file, and
// the converter window started in it on its Log page.
struct TLogWindow : TConverterWindow {
    explicit TLogWindow(const std::string& logFixture = {})
        : TConverterWindow({"gui_units.unt", "UnitFile=Varnel.unt\nMultiTabMode=1", false,
                            [logFixture](TProgramFolder& folder) {
                                if (!logFixture.empty())
                                    folder.CopyFixture(logFixture, LogName);
                            }}) {
        window->resize(640, 420);
        OpenLogPage();
    }

    void Start() {
        window = std::make_unique<TfrmUnitsConvert>();
        window->resize(640, 420);
        OpenLogPage();
    }
    void Restart() {
        window.reset();
        Start();
    }
    void OpenLogPage() const {
        auto* tabs = window->findChild<QTabWidget*>("PageControl1");
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(LogPageIndex).center());
        QCOMPARE(tabs->currentIndex(), LogPageIndex);
    }
    void Show() const {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    TfmUnitLog* Page() const { return window->findChild<TfmUnitLog*>("fmUnitLog"); }
    QTableWidget* Grid() const { return window->findChild<QTableWidget*>("sgLog"); }
    QToolButton* Button(const char* name) const { return window->findChild<QToolButton*>(name); }

    // What a page does when the user picks a unit: the value line's
    // conversion goes to the log.
    void Record(const QString& source, const QString& target) const {
        IO()->SetSource(source);
        IO()->SetTarget(target);
        IO()->LogConversion();
    }
    QString Cell(int row, int column) const {
        const QTableWidgetItem* item = Grid()->item(row, column);
        return item ? item->text() : QString();
    }
    // The rows holding text, as "source = target".
    QStringList Rows() const {
        QStringList rows;
        for (int row = 0; row < Grid()->rowCount(); ++row)
            if (!(Cell(row, 0) + Cell(row, 1) + Cell(row, 3)).isEmpty())
                rows << Cell(row, 1).trimmed() + " = " + Cell(row, 3);
        return rows;
    }
    std::vector<TLogRow> GridRows() const {
        std::vector<TLogRow> rows;
        for (int row = 0; row < Grid()->rowCount(); ++row)
            rows.push_back({Cell(row, 0).toStdString(), Cell(row, 1).toStdString(),
                            Cell(row, 2).toStdString(), Cell(row, 3).toStdString()});
        return rows;
    }
    std::vector<TLogRow> FileRows() const { return ReadLogFile(folder / LogName); }
    void ClickRow(int row, bool twice = false) const {
        const QRect cell = Grid()->visualRect(Grid()->model()->index(row, 1));
        // A double click starts as a click.
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
        if (twice)
            QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

using TConversions = QList<QPair<QString, QString>>;

// A log file of numbered conversions, newest (0) first.
std::string NumberedLog(int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += " 01/02/24 10:00:00  \t  " + std::to_string(i) + " [m]\t  =  \t" +
                std::to_string(i) + "00 [cm]\r\n";
    return text;
}

// A folder in the log's place makes every write fail; the file waits aside.
class TWriteBlocker {
public:
    explicit TWriteBlocker(std::filesystem::path log)
        : log_(std::move(log)), aside_(log_.string() + ".aside") {
        std::filesystem::rename(log_, aside_);
        std::filesystem::create_directory(log_);
    }
    ~TWriteBlocker() { Lift(); }
    TWriteBlocker(const TWriteBlocker&) = delete;
    TWriteBlocker& operator=(const TWriteBlocker&) = delete;

    void Lift() {
        if (std::exchange(lifted_, true))
            return;
        std::filesystem::remove(log_);
        std::filesystem::rename(aside_, log_);
    }

private:
    std::filesystem::path log_;
    std::filesystem::path aside_;
    bool lifted_ = false;
};

QString WriteFailure(const std::filesystem::path& log) {
    const QString path = QString::fromStdString(log.string());
    return "The conversion log could not be written to\n" + path + "\n\nCannot create file \"" +
           path + "\".";
}

// The child of KilledProcessKeepsTheSessionRows: starts the converter in the
// given program folder, records two conversions, says so and waits to be
// killed.
int RunRecordingChild(int argc, char** argv) {
    PrepareGuiTestEnvironment();
    TVarnelApplication app(argc, argv);
    varnel::test::PinGuiTestLook();
    SetProgramFolder(argv[2]);
    SetMessageBoxFunction(
        [](TMessageKind, const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    TfrmUnitsConvert window;
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(LogPageIndex);
    for (const auto& [source, target] :
         TConversions{{"36 [km/h]", "10 [m/s]"}, {"1 [\u00C5]", "1E-10 [m]"}}) {
        window.IO()->SetSource(source);
        window.IO()->SetTarget(target);
        window.IO()->LogConversion();
    }
    std::printf("recorded\n");
    std::fflush(stdout);
    return app.exec();
}

} // namespace

class LogPageTest : public QObject {
    Q_OBJECT

private slots:
    void RecordingRules_data();
    void RecordingRules();
    void RecordedRowLayout();
    void RowLimitDropsTheOldest();
    void LongFileShowsItsNewestRowsOnly();
    void FileRoundTripBeyondAscii();
    void CharactersBeyondTheCodePageSurviveTheFile();
    void SourceBackAndTargetBack_data();
    void SourceBackAndTargetBack();
    void CopySelGivesSourceAndTarget();
    void ReloadKeepsTheRows();
    void UnwritableLogIsReportedWithItsPath();
    void UnloadableUnitsLeaveTheLogAlone();
    void ColumnsFitTheirTexts();
    void NarrowLogKeepsItsButtonsAndTexts();
    void KilledProcessKeepsTheSessionRows();
};

void LogPageTest::RecordingRules_data() {
    QTest::addColumn<TConversions>("conversions");
    QTest::addColumn<QStringList>("rows");
    const QPair<QString, QString> speed{"36 [km/h]", "10 [m/s]"};
    const QPair<QString, QString> length{"1 [m]", "100 [cm]"};
    QTest::newRow("one conversion") << TConversions{speed} << QStringList{"36 [km/h] = 10 [m/s]"};
    QTest::newRow("the same twice is one")
        << TConversions{speed, speed} << QStringList{"36 [km/h] = 10 [m/s]"};
    QTest::newRow("the same with other blanks is one")
        << TConversions{speed, {" 36 [km/h]  ", "10 [m/s] "}}
        << QStringList{"36 [km/h] = 10 [m/s]"};
    QTest::newRow("the same again after another")
        << TConversions{speed, length, speed}
        << QStringList{"36 [km/h] = 10 [m/s]", "1 [m] = 100 [cm]", "36 [km/h] = 10 [m/s]"};
    QTest::newRow("the same source to another target")
        << TConversions{length, {"1 [m]", "1000 [mm]"}}
        << QStringList{"1 [m] = 1000 [mm]", "1 [m] = 100 [cm]"};
    QTest::newRow("blank source") << TConversions{{"   ", "10 [m/s]"}} << QStringList{};
    QTest::newRow("source of empty brackets") << TConversions{{" [] ", "5"}} << QStringList{};
    QTest::newRow("source side without units") << TConversions{{"5 []", "5 [m]"}} << QStringList{};
    QTest::newRow("target side without units") << TConversions{{"5 [m]", "5 []"}} << QStringList{};
    QTest::newRow("empty target") << TConversions{{"5 [m]", ""}} << QStringList{};
    QTest::newRow("refused between two") << TConversions{speed, {"5 []", "5 [m]"}, length}
                                         << QStringList{"1 [m] = 100 [cm]", "36 [km/h] = 10 [m/s]"};
}

void LogPageTest::RecordingRules() {
    QFETCH(TConversions, conversions);
    QFETCH(QStringList, rows);
    TLogWindow w;

    for (const auto& [source, target] : conversions) {
        w.Record(source, target);
        // Every recording is on disk at once.
        if (!w.Rows().isEmpty())
            QVERIFY(w.FileRows() == w.GridRows());
    }

    QCOMPARE(w.Rows(), rows);
    QCOMPARE(w.Grid()->rowCount(), std::max<int>(1, rows.size()));
    QCOMPARE(w.messages.Texts(), QStringList());
}

void LogPageTest::RecordedRowLayout() {
    TLogWindow w;
    w.Record("36 [km/h]", "10 [m/s]");

    const QString time = w.Cell(0, 0);
    QVERIFY2(time.startsWith(" ") && !time.startsWith("  ") && time.endsWith("  "),
             qPrintable(time));
    QVERIFY(time.trimmed().size() >= 10);
    QCOMPARE(w.Cell(0, 1), QString("  36 [km/h]"));
    QCOMPARE(w.Cell(0, 2), QString("  =  "));
    QCOMPARE(w.Cell(0, 3), QString("10 [m/s]"));
    const std::string line = (time + "\t  36 [km/h]\t  =  \t10 [m/s]\r\n").toStdString();
    QCOMPARE(w.folder.ReadFile(LogName), line);
}

void LogPageTest::RowLimitDropsTheOldest() {
    TLogWindow w;
    for (int i = 0; i <= TfmUnitLog::MaxRows; ++i)
        w.Record(QString("%1 [m]").arg(i), QString("%1 [cm]").arg(i * 100));

    QCOMPARE(w.Grid()->rowCount(), 200);
    QCOMPARE(w.Cell(0, 1), QString("  200 [m]"));
    QCOMPARE(w.Cell(199, 1), QString("  1 [m]"));
    QCOMPARE(w.FileRows().size(), size_t(200));
}

void LogPageTest::LongFileShowsItsNewestRowsOnly() {
    TLogWindow w;
    w.window.reset();
    w.folder.WriteFile(LogName, NumberedLog(250));
    w.Start();

    QCOMPARE(w.Grid()->rowCount(), 200);
    QCOMPARE(w.Cell(199, 1), QString("  199 [m]"));
    // Page switches with nothing to record leave the file whole.
    w.window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
    w.OpenLogPage();
    QCOMPARE(w.Grid()->rowCount(), 200);
    QCOMPARE(w.folder.ReadFile(LogName), NumberedLog(250));

    w.Record("7 [km]", "7000 [m]");

    QCOMPARE(w.Grid()->rowCount(), 200);
    QCOMPARE(w.Cell(0, 1), QString("  7 [km]"));
    QCOMPARE(w.Cell(1, 1), QString("  0 [m]"));
    QCOMPARE(w.Cell(199, 1), QString("  198 [m]"));
    QCOMPARE(w.FileRows().size(), size_t(200));
}

void LogPageTest::FileRoundTripBeyondAscii() {
    TLogWindow w("log_beyond_ascii.log");

    QCOMPARE(w.Grid()->rowCount(), 5);
    QCOMPARE(w.Cell(0, 1), QString("  20 [\u00B0C]"));
    QCOMPARE(w.Cell(0, 3), QString("68 [\u00B0F]"));
    QCOMPARE(w.Cell(1, 1), QString("  1 [\u00C5]"));
    QCOMPARE(w.Cell(2, 1), QString("  5 [\u00B5m]"));
    QCOMPARE(w.Rows().size(), 4); // row 3 is empty
    QCOMPARE(w.Cell(4, 3), QString("2000 [\u03A9]"));
    QCOMPARE(w.Cell(0, 0), QString(" 05/03/24 14:02:11  "));

    w.window.reset();

    QCOMPARE(w.folder.ReadFile(LogName), ReadBytes(FixturePath("log_beyond_ascii.log")));
}

void LogPageTest::CharactersBeyondTheCodePageSurviveTheFile() {
    // An ohm sign pasted into a conversion, text that looks like the file's
    // own way of writing such a sign, and a TAB that would split the row.
    const TLogRow row{" t  ", "  3 [k\u03A9] &#65; &#", "  =  ", "3000 [\u03A9]\t\u00B5"};
    TProgramFolder folder;
    WriteLogFile({row, TLogRow{}}, folder / LogName);

    QCOMPARE(folder.ReadFile(LogName),
             std::string(" t  \t  3 [k&#937;] &#38;#65; &#38;#\t  =  \t3000 [&#937;] \xB5\r\n"
                         "\t\t\t\r\n"));
    const std::vector<TLogRow> read = ReadLogFile(folder / LogName);
    QCOMPARE(read.size(), size_t(2));
    QCOMPARE(read[0][1], row[1]);
    QCOMPARE(read[0][3], std::string("3000 [\u03A9] \u00B5"));
    QVERIFY(read[1] == TLogRow{});

    // Found by fuzzing: a reference to a TAB or line end read as one and was
    // written back as a blank.
    folder.WriteFile(LogName, "a&#9;b\t&#13;&#10;\t\t\r\n");
    QVERIFY(ReadLogFile(folder / LogName).front() == (TLogRow{"a b", "  ", "", ""}));
}

void LogPageTest::SourceBackAndTargetBack_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::newRow("source back") << "tbSourceBack" << 1 << "1 [\u00C5]"
                                 << "1E-10 [m]";
    QTest::newRow("target back") << "tbTargetBack" << 2 << "0.005 [mm]"
                                 << "";
    QTest::newRow("double-click") << "double-click" << 2 << "5 [\u00B5m]"
                                  << "0.005 [mm]";
    QTest::newRow("source back of an empty row") << "tbSourceBack" << 3 << ""
                                                 << "";
    QTest::newRow("target back of an empty row") << "tbTargetBack" << 3 << ""
                                                 << "";
}

void LogPageTest::SourceBackAndTargetBack() {
    QFETCH(QString, action);
    QFETCH(int, row);
    QFETCH(QString, source);
    QFETCH(QString, target);
    TLogWindow w("log_beyond_ascii.log");
    w.Show();
    int modeChanges = 0;
    QObject::connect(w.IO(), &TfmIO::ModeChanged, [&modeChanges] { ++modeChanges; });
    w.IO()->SetSource("7 [km]");
    w.IO()->SetTarget("7000 [m]");

    if (action == "double-click") {
        w.ClickRow(row, true);
    } else {
        w.ClickRow(row);
        QTest::mouseClick(w.Button(action.toLatin1().constData()), Qt::LeftButton);
    }

    // The value line shows a source its own way: compare with what it makes
    // of the expected text.
    const QString shown = w.IO()->GetSource();
    w.IO()->SetSource(source);
    QCOMPARE(shown, w.IO()->GetSource());
    QCOMPARE(w.IO()->GetTarget(), target);
    QVERIFY(modeChanges >= 1);
    QCOMPARE(w.Grid()->rowCount(), 5);
}

void LogPageTest::CopySelGivesSourceAndTarget() {
    TLogWindow w("log_beyond_ascii.log");
    w.Show();
    QCOMPARE(w.Grid()->currentRow(), 0); // entering the page selects the newest

    QTest::mouseClick(w.Button("tbCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("20 [\u00B0C] = 68 [\u00B0F]"));

    w.ClickRow(1);
    QTest::mouseClick(w.Button("tbCopy"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("1 [\u00C5] = 1E-10 [m]"));
}

void LogPageTest::ReloadKeepsTheRows() {
    TLogWindow w("log_beyond_ascii.log");
    w.Record("36 [km/h]", "10 [m/s]");
    // A row that only the grid holds: the file could not take it.
    TWriteBlocker blocker(w.folder / LogName);
    w.Record("1 [km]", "1000 [m]");
    const QStringList before = w.Rows();
    QCOMPARE(before.size(), 6);

    w.window->ReloadUnits((w.folder / "Varnel.unt").string());

    QCOMPARE(w.Rows(), before);
    QCOMPARE(w.Grid()->rowCount(), 7);
}

void LogPageTest::UnwritableLogIsReportedWithItsPath() {
    TLogWindow w("log_beyond_ascii.log");
    const std::filesystem::path log = w.folder / LogName;
    {
        TWriteBlocker blocker(log);
        w.Record("36 [km/h]", "10 [m/s]");
        QCOMPARE(w.messages.Texts(), QStringList{WriteFailure(log)});
        w.Record("1 [km]", "1000 [m]");
        QCOMPARE(w.messages.Texts().size(), 1); // said once, not at every conversion
        QCOMPARE(w.Rows().size(), 6);

        w.window.reset();
        QCOMPARE(w.messages.Texts().size(), 2);
        QCOMPARE(w.messages.Texts().last(),
                 WriteFailure(log) + "\n\nThe conversions of this session are not saved.");
    }
    QCOMPARE(w.folder.ReadFile(LogName), ReadBytes(FixturePath("log_beyond_ascii.log")));

    // Once the file can be written again, the rows go there and nothing is said.
    w.messages.Clear();
    w.Start();
    TWriteBlocker blocker(log);
    w.Record("2 [km]", "2000 [m]");
    blocker.Lift();
    w.Record("3 [km]", "3000 [m]");
    QCOMPARE(w.messages.Texts(), QStringList{WriteFailure(log)});
    w.window.reset();
    QCOMPARE(w.messages.Texts().size(), 1);
    QCOMPARE(ReadLogFile(log).size(), size_t(7));
}

void LogPageTest::UnloadableUnitsLeaveTheLogAlone() {
    TProgramFolder folder;
    folder.CopyFixture("gui_badlink.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Varnel.unt\r\n");
    folder.CopyFixture("log_beyond_ascii.log", LogName);
    TMessageBoxRecorder messages;
    {
        TfrmUnitsConvert window;
        QVERIFY(!window.UnitsLoaded());
    }
    QCOMPARE(folder.ReadFile(LogName), ReadBytes(FixturePath("log_beyond_ascii.log")));
}

void LogPageTest::ColumnsFitTheirTexts() {
    TLogWindow w("log_beyond_ascii.log");
    w.Show();
    QTableWidget* grid = w.Grid();
    const QFontMetrics metrics = grid->fontMetrics();
    const int viewport = grid->viewport()->width();
    auto widest = [&](int column) {
        int width = 0;
        for (int row = 0; row < grid->rowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(w.Cell(row, column)));
        return width;
    };

    const QList<QColor> colours{{247, 247, 247}, {236, 255, 236}, {255, 255, 230}};
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < 3; ++column)
            QCOMPARE(grid->item(row, column)->background().color(), colours[column]);

    int total = 0;
    for (int column = 0; column < 4; ++column) {
        QVERIFY2(grid->columnWidth(column) > widest(column), qPrintable(QString::number(column)));
        total += grid->columnWidth(column);
    }
    QCOMPARE(total, viewport); // the target column takes the rest

    w.Page()->SetShowTime(false);
    QVERIFY(grid->isColumnHidden(0));
    QVERIFY(std::abs(grid->columnWidth(1) - grid->columnWidth(3)) <= 1);
    QCOMPARE(grid->columnWidth(1) + grid->columnWidth(2) + grid->columnWidth(3), viewport);

    w.Page()->SetShowTime(true);
    QVERIFY(!grid->isColumnHidden(0));
    QVERIFY(grid->columnWidth(0) > widest(0));
    for (const char* name : {"tbSourceBack", "tbTargetBack", "tbCopy"})
        QCOMPARE(w.Button(name)->size(), QSize(90, 24));
}

void LogPageTest::NarrowLogKeepsItsButtonsAndTexts() {
    // The log as it sits on the integrated view's narrow tab, without times.
    const QString target = "1.2345678901234 [kg*m^2/s^3]";
    TProgramFolder folder;
    WriteLogFile({{" t  ", "  1 [m]", "  =  ", target.toStdString()}}, folder / LogName);
    TfmUnitLog page;
    page.LoadUnits();
    page.SetShowTime(false);
    auto* grid = page.findChild<QTableWidget*>("sgLog");
    const QFontMetrics metrics = grid->fontMetrics();
    // Equal halves would cut the target off while the source has room to spare.
    page.resize(metrics.horizontalAdvance(target) * 8 / 5 + 40, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QVERIFY(grid->columnWidth(1) > metrics.horizontalAdvance("  1 [m]"));
    QVERIFY(grid->columnWidth(3) > metrics.horizontalAdvance(target));
    QCOMPARE(grid->columnWidth(1) + grid->columnWidth(2) + grid->columnWidth(3),
             grid->viewport()->width());

    page.resize(250, 300);
    QTRY_COMPARE(page.width(), 250);
    auto* toolBar = page.findChild<QWidget*>("ToolBar1");
    for (const char* name : {"tbSourceBack", "tbTargetBack", "tbCopy"}) {
        auto* button = page.findChild<QToolButton*>(name);
        QVERIFY2(button->isVisible(), name);
        QVERIFY2(button->geometry().right() < toolBar->width(), name);
        QVERIFY2(button->width() > metrics.horizontalAdvance(button->text().trimmed()), name);
    }
}

void LogPageTest::KilledProcessKeepsTheSessionRows() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(), "UnitFile=Varnel.unt\r\n");
    folder.CopyFixture("log_beyond_ascii.log", LogName);

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {RecordingChildSwitch, QString::fromStdString(folder.Path().string())});
    QVERIFY(child.waitForStarted());
    QByteArray said;
    while (!said.contains("recorded\n") && child.waitForReadyRead(30000))
        said += child.readAllStandardOutput();
    QVERIFY2(said.contains("recorded\n"), said.constData());

    QCOMPARE(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    const std::vector<TLogRow> rows = ReadLogFile(folder / LogName);
    QCOMPARE(rows.size(), size_t(7));
    QCOMPARE(rows[0][1], std::string("  1 [\u00C5]"));
    QCOMPARE(rows[1][1], std::string("  36 [km/h]"));
    QCOMPARE(rows[1][3], std::string("10 [m/s]"));
    QCOMPARE(rows[2][1], std::string("  20 [\u00B0C]"));
}

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], RecordingChildSwitch) == 0)
        return RunRecordingChild(argc, argv);
    PrepareGuiTestEnvironment();
    TVarnelApplication app(argc, argv);
    varnel::test::PinGuiTestLook();
    LogPageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "LogPageTest.moc"
