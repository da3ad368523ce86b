#include "ui/valueline/FrameIO.h"
#include "common/AbbrevList.h"
#include "support/GuiTestSupport.h"
#include "ui/valueline/SingleRichEdit.h"
#include "ui/valueline/UnitSymbols.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

// The value line alone in a window, the way the main window sets it up.
struct TValueLine {
    explicit TValueLine(bool locked = false) {
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        io = new TfmIO(&window);
        layout->addWidget(io);
        layout->addStretch();
        io->Setup();
        io->ModeLocked = locked;
        QObject::connect(io, &TfmIO::SourceChanged, [this] { changes << io->GetSource(); });
        QObject::connect(io, &TfmIO::ModeChanged, [this] { ++modeChanges; });
        QObject::connect(io, &TfmIO::MarkClicked, [this] { ++markClicks; });
        window.resize(640, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        Line()->setFocus();
    }

    TSingleRichEdit* Line() const { return io->SourceLine(); }
    QString Text() const { return Line()->Text(); }
    QTableWidget* Grid() const { return io->findChild<QTableWidget*>("sgIO"); }
    void Type(const QString& keys) const { QTest::keyClicks(Line(), keys); }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::keyClick(Line(), key, modifiers);
    }
    void ClickCell(int col, int row, Qt::MouseButton button) const {
        QTest::mouseClick(Grid()->viewport(), button, {},
                          Grid()->visualItemRect(Grid()->item(row, col)).center());
    }
    // Colour codes of the line's characters: k black, r red, n navy, . none.
    QString Colours() const {
        QString codes;
        for (int i = 0; i < Text().size(); ++i) {
            const QColor colour = Line()->ColorAt(i);
            if (!colour.isValid())
                codes += '.';
            else if (colour == QColor(Qt::black))
                codes += 'k';
            else if (colour == QColor(Qt::red))
                codes += 'r';
            else if (colour == TSingleRichEdit::NavyColour)
                codes += 'n';
            else
                codes += '?';
        }
        return codes;
    }

    TMessageBoxRecorder messages;
    QWidget window;
    TfmIO* io = nullptr;
    QStringList changes;
    int modeChanges = 0;
    int markClicks = 0;
};

} // namespace

class FrameIOTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void SetSourceSplitsNumberAndUnits_data();
    void SetSourceSplitsNumberAndUnits();
    void AbbreviationsAreShownAndHandedBack();
    void SetTargetDropsNaNOnlyWithoutAValue_data();
    void SetTargetDropsNaNOnlyWithoutAValue();
    void KeyFilter_data();
    void KeyFilter();
    void BracketOpensEditModeWithTheUnits();
    void SwitchingModesMovesTheUnits();
    void ModeLockedKeepsTheMode();
    void EditingKeysAndShortcutsWorkInValueMode();
    void PasteKeepsOneLine();
    void TokenColours_data();
    void TokenColours();
    void UnclosedQuoteIsReportedAndTheRestColoured();
    void ColorRangeRefusesNegativeRangesAndWhileBusy();
    void BackgroundTellsValueAndMode();
    void SignCellClicks_data();
    void SignCellClicks();
    void TableMenuCopiesSourceAndTarget();
    void EditMenuCutsCopiesPastes();
    void ColumnsFollowTheLayoutRule();
    void SwapMarkShowsInTheHeader();
    void NumberTypedBeforeUnitsWithoutValue();
};

void FrameIOTest::initTestCase() {
    SetUnitSymbols({"m", "km", "s", "h", "\u00B0C"});
}

void FrameIOTest::SetSourceSplitsNumberAndUnits_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("result");
    QTest::newRow("number and units") << "36 [km/h]"
                                      << "36"
                                      << "[km/h]"
                                      << "36 [km/h]";
    QTest::newRow("units brought into normal form") << " 2.5  [kg*m^2/s^2] "
                                                    << "2.5"
                                                    << "[kg.m^2/s^2]"
                                                    << "2.5 [kg.m^2/s^2]";
    QTest::newRow("no brackets: all of it is the value") << "5 km"
                                                         << "5 km"
                                                         << ""
                                                         << "5 km[]";
    QTest::newRow("units without a value") << " [m]"
                                           << ""
                                           << "[m]"
                                           << " [m]";
    QTest::newRow("no closing bracket") << "2 [km"
                                        << "2"
                                        << "[]"
                                        << "2 []";
    QTest::newRow("empty brackets") << "7 []"
                                    << "7"
                                    << "[]"
                                    << "7 []";
}

void FrameIOTest::SetSourceSplitsNumberAndUnits() {
    QFETCH(QString, source);
    QFETCH(QString, line);
    QFETCH(QString, units);
    QFETCH(QString, result);
    TValueLine v;

    v.io->SetSource(source);

    QCOMPARE(v.Text(), line);
    QCOMPARE(v.io->Cells(1, 1), units);
    QCOMPARE(v.io->GetSource(), result);
    QCOMPARE(v.changes.size(), 1);
    QCOMPARE(v.messages.Texts(), QStringList());
}

void FrameIOTest::AbbreviationsAreShownAndHandedBack() {
    SetAbbrevList({{"Ang", "\u00C5"}});
    TValueLine v;
    v.io->SetSource("3 [Ang/s]");
    QCOMPARE(v.io->Cells(1, 1), QString("[\u00C5/s]"));
    QCOMPARE(v.io->GetSource(), QString("3 [Ang/s]"));
    v.io->SetTarget("4 [Ang]");
    QCOMPARE(v.io->Cells(3, 1), QString("4 [\u00C5]"));
    QCOMPARE(v.io->GetTarget(), QString("4 [Ang]"));
    // Keys of the number keep the units as read; a new list reads them anew.
    v.Type("1");
    QCOMPARE(v.io->GetSource(), QString("31 [Ang/s]"));
    SetAbbrevList({});
    QCOMPARE(v.io->GetSource(), QString("31 [\u00C5/s]"));
}

void FrameIOTest::SetTargetDropsNaNOnlyWithoutAValue_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("empty");
    QTest::newRow("a result") << "36 [km/h]"
                              << "10 [m/s]"
                              << "10 [m/s]" << false;
    QTest::newRow("NaN without a value: only the units") << " [degC]"
                                                         << "NAN [K]"
                                                         << " [K]" << false;
    QTest::newRow("a value that is no number: no result") << "abc [degC]"
                                                          << "NAN [K]"
                                                          << "" << true;
    QTest::newRow("empty brackets are no target") << "5"
                                                  << " [] "
                                                  << "" << true;
    QTest::newRow("nothing") << "5"
                             << ""
                             << "" << true;
}

void FrameIOTest::SetTargetDropsNaNOnlyWithoutAValue() {
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, shown);
    QFETCH(bool, empty);
    TValueLine v;
    v.io->SetSource(source);

    v.io->SetTarget(target);

    QCOMPARE(v.io->Cells(3, 1), shown);
    QCOMPARE(v.io->TargetEmpty(), empty);
    QCOMPARE(v.io->GetTarget(), shown);
}

void FrameIOTest::KeyFilter_data() {
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("line");
    QTest::newRow("value mode takes number characters") << false << "-1.5e+3E2"
                                                        << "-1.5e+3E2";
    QTest::newRow("value mode drops letters and blanks") << false << "1a2 b3/"
                                                         << "123/";
    QTest::newRow("edit mode takes everything") << true << "1a2 b3/"
                                                << " 1a2 b3/";
}

void FrameIOTest::KeyFilter() {
    QFETCH(bool, editMode);
    QFETCH(QString, keys);
    QFETCH(QString, line);
    TValueLine v;
    v.io->SetEditMode(editMode);
    if (!editMode)
        v.io->SetSource("");
    else
        v.io->SetSource(" ");

    v.Type(keys);

    QCOMPARE(v.Text(), line);
    QCOMPARE(v.io->EditMode(), editMode);
}

void FrameIOTest::BracketOpensEditModeWithTheUnits() {
    TValueLine v;
    v.io->SetSource("36 [km/h]");
    v.io->SetTarget("10 [m/s]");

    v.Type("[");

    QVERIFY(v.io->EditMode());
    QCOMPARE(v.modeChanges, 1);
    QCOMPARE(v.Text(), QString("36 [km/h]"));
    QCOMPARE(v.io->Cells(3, 1), QString());
    QCOMPARE(v.io->Cells(2, 1), QString(" X"));
    // The units stand selected: typing replaces them.
    v.Type("m/s");
    QCOMPARE(v.Text(), QString("36 [m/s]"));
    QCOMPARE(v.io->GetSource(), QString("36 [m/s]"));
}

void FrameIOTest::SwitchingModesMovesTheUnits() {
    TValueLine v;
    v.io->SetSource("12 [m]");
    v.Key(Qt::Key_Return);
    QVERIFY(v.io->EditMode());
    QCOMPARE(v.Text(), QString("12 [m]"));
    v.changes.clear();

    v.Line()->selectAll();
    v.Type("3.5 [km/h]");
    v.Key(Qt::Key_Enter);

    QVERIFY(!v.io->EditMode());
    QCOMPARE(v.modeChanges, 2);
    QCOMPARE(v.Text(), QString("3.5"));
    QCOMPARE(v.io->Cells(1, 1), QString("[km/h]"));
    QCOMPARE(v.io->GetTarget(), QString("3.5 [km/h]"));
    QCOMPARE(v.io->Cells(2, 1), QString(" ="));
    // Typing reported every change; the switch itself reported none.
    QCOMPARE(v.changes.size(), 10);
    QCOMPARE(v.changes.last(), QString("3.5 [km/h]"));
}

void FrameIOTest::ModeLockedKeepsTheMode() {
    TValueLine v(true);
    v.io->SetSource("36 [km/h]");

    v.Key(Qt::Key_Return);
    v.Type("[");
    v.io->SetEditMode(true);

    QVERIFY(!v.io->EditMode());
    QCOMPARE(v.modeChanges, 0);
    QCOMPARE(v.Text(), QString("36"));
    QCOMPARE(v.io->GetSource(), QString("36 [km/h]"));
}

void FrameIOTest::EditingKeysAndShortcutsWorkInValueMode() {
    TValueLine v(true);
    v.io->SetSource("[km]");
    v.Type("123");
    v.Key(Qt::Key_Backspace);
    QCOMPARE(v.Text(), QString("12"));
    v.Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(v.Text(), QString("123"));
    v.Key(Qt::Key_Home);
    v.Key(Qt::Key_Delete);
    QCOMPARE(v.Text(), QString("23"));
    v.Key(Qt::Key_End);
    v.Key(Qt::Key_Left);
    v.Type("7");
    v.Key(Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(v.Text(), QString("273"));

    v.Key(Qt::Key_A, Qt::ControlModifier);
    v.Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("273"));
    v.Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(v.Text(), QString());
    v.Key(Qt::Key_V, Qt::ControlModifier);
    v.Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(v.Text(), QString("273273"));
    QCOMPARE(v.io->GetSource(), QString("273273 [km]"));
    QVERIFY(!v.io->EditMode());
}

void FrameIOTest::PasteKeepsOneLine() {
    TValueLine v;
    v.io->SetEditMode(true);
    v.io->SetSource("");
    QGuiApplication::clipboard()->setText("5\r\n[m]\n");

    v.Key(Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(v.Text(), QString("5  [m] "));
    QCOMPARE(v.Line()->document()->blockCount(), 1);
}

void FrameIOTest::TokenColours_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("colours");
    QTest::newRow("known and unknown symbols") << "12 [km/xyz]"
                                               << "kk.kkkkrrrk";
    QTest::newRow("symbols in other case") << "3 [KM.S]"
                                           << "k.kkkkkk";
    QTest::newRow("leading blanks") << "   5 [m]"
                                    << "...k.kkk";
    QTest::newRow("stray characters") << "2 [m&s] %"
                                      << "k.kkrkk.r";
    QTest::newRow("numbers with sign, fraction, exponent") << "-1.5e+3 [m]"
                                                           << "kkkkkkk.kkk";
    QTest::newRow("operators of the notation") << "[m*s^2]"
                                               << "kkkkkkk";
    QTest::newRow("quoted text and character codes") << "'ab' #65"
                                                     << "nnnn.nnn";
    // As the notation reads it: one symbol, unknown to this line.
    QTest::newRow("the micro sign starts a symbol") << "5 [\u00B5m]"
                                                    << "k.krrk";
    QTest::newRow("the degree sign is a letter") << "5 [\u00B0C]"
                                                 << "k.kkkk";
    QTest::newRow("blank line") << "   "
                                << "...";
}

void FrameIOTest::TokenColours() {
    QFETCH(QString, line);
    QFETCH(QString, colours);
    TValueLine v;
    v.io->SetEditMode(true);

    v.io->SetSource(line);

    QCOMPARE(v.Colours(), colours);
    QCOMPARE(v.messages.Texts(), QStringList());
    // Typed, the line colours the same.
    v.io->SetSource("");
    v.Type(line);
    QCOMPARE(v.Text(), line);
    QCOMPARE(v.Colours(), colours);
}

void FrameIOTest::UnclosedQuoteIsReportedAndTheRestColoured() {
    TValueLine v;
    v.io->SetEditMode(true);
    v.changes.clear();

    v.io->SetSource("3 [m] 'ab");

    QCOMPARE(v.messages.Texts(), QStringList{"Parsing Error in: 3 [m] 'ab"});
    QCOMPARE(v.Colours(), QString("k.kkk...."));
    QCOMPARE(v.Text(), QString("3 [m] 'ab"));
    QCOMPARE(v.changes.size(), 1);
}

void FrameIOTest::ColorRangeRefusesNegativeRangesAndWhileBusy() {
    TValueLine v;
    v.io->SetEditMode(true);
    v.io->SetSource("abc");
    QVERIFY(!v.Line()->ColorRange(-1, 2, {}, Qt::blue));
    QVERIFY(!v.Line()->ColorRange(0, -2, {}, Qt::blue));
    v.Line()->Updating = true;
    QVERIFY(!v.Line()->ColorRange(0, 1, {}, Qt::blue));
    v.Line()->Updating = false;
    QTextCursor selection = v.Line()->textCursor();
    selection.setPosition(1);
    selection.setPosition(3, QTextCursor::KeepAnchor);
    v.Line()->setTextCursor(selection);

    QVERIFY(v.Line()->ColorRange(1, 1, fsBold, Qt::blue));

    QCOMPARE(v.Line()->ColorAt(1), QColor(Qt::blue));
    QCOMPARE(v.Line()->textCursor().selectedText(), QString("bc"));
    QCOMPARE(v.Text(), QString("abc"));
    // Colours are no edit: undo has nothing to take back.
    QVERIFY(!v.Line()->document()->isUndoAvailable());
}

void FrameIOTest::BackgroundTellsValueAndMode() {
    TValueLine v;
    const QColor window = v.io->palette().color(QPalette::Base);
    const QColor notANumber = v.io->palette().color(QPalette::ToolTipBase);
    v.io->SetSource("12 [m]");
    QCOMPARE(v.Line()->Background(), window);
    QGuiApplication::clipboard()->setText("x");
    v.Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(v.Text(), QString("12x"));
    QCOMPARE(v.Line()->Background(), notANumber);
    QCOMPARE(v.changes.last(), QString("12x [m]"));

    v.io->SetEditMode(true);
    QCOMPARE(v.Line()->Background(), TfmIO::EditModeColour);
    v.io->SetSource("12 [m]");
    v.io->SetEditMode(false);
    QCOMPARE(v.Line()->Background(), window);
}

void FrameIOTest::SignCellClicks_data() {
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("markClicks");
    QTest::newRow("edit mode, right: all of the source goes")
        << true << int(Qt::RightButton) << " []" << 0;
    QTest::newRow("edit mode, left: only the units go")
        << true << int(Qt::LeftButton) << "36 []" << 0;
    QTest::newRow("value mode: the mark click") << false << int(Qt::LeftButton) << "36" << 1;
}

void FrameIOTest::SignCellClicks() {
    QFETCH(bool, editMode);
    QFETCH(int, button);
    QFETCH(QString, line);
    QFETCH(int, markClicks);
    TValueLine v;
    v.io->SetSource("36 [km/h]");
    v.io->SetEditMode(editMode);

    v.ClickCell(2, 1, Qt::MouseButton(button));

    QCOMPARE(v.Text(), line);
    QCOMPARE(v.markClicks, markClicks);
    QCOMPARE(v.io->EditMode(), editMode);
    if (editMode) {
        // Undone like any edit.
        v.Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(v.Text(), QString("36 [km/h]"));
    }
}

void FrameIOTest::NumberTypedBeforeUnitsWithoutValue() {
    TValueLine v;
    v.io->SetEditMode(true);
    v.io->SetSource(" [km/h]");
    v.Type("36");
    QCOMPARE(v.Text(), QString("36 [km/h]"));
    v.io->SetSource("5 [m]");
    v.Type("0");
    QCOMPARE(v.Text(), QString("5 [m]0"));
}

void FrameIOTest::TableMenuCopiesSourceAndTarget() {
    TValueLine v;
    auto* menu = v.io->findChild<QMenu*>("pmIOTable");
    auto action = [menu](const char* name) { return menu->findChild<QAction*>(name); };
    v.io->SetSource("36 [km/h]");

    v.ClickCell(3, 1, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(action("piCopySource")->isEnabled());
    QVERIFY(!action("piCopyTarget")->isEnabled());
    QVERIFY(!action("piCopyBoth")->isEnabled());
    menu->hide();

    v.io->SetTarget("10 [m/s]");
    v.ClickCell(0, 0, Qt::RightButton);
    QVERIFY(!menu->isVisible());
    v.ClickCell(1, 1, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(action("piCopyBoth")->isEnabled());
    action("piCopyBoth")->trigger();
    menu->hide();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("36 [km/h] = 10 [m/s]"));
    action("piCopyTarget")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("10 [m/s]"));
    action("piCopySource")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("36 [km/h]"));
}

void FrameIOTest::EditMenuCutsCopiesPastes() {
    TValueLine v;
    v.io->SetEditMode(true);
    v.io->SetSource("5 [km]");
    auto* menu = v.io->findChild<QMenu*>("pmIOEdit");
    auto action = [menu](const char* name) { return menu->findChild<QAction*>(name); };
    QTextCursor cursor = v.Line()->textCursor();
    cursor.setPosition(3);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    v.Line()->setTextCursor(cursor);

    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            v.Line()->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(v.Line()->viewport(), &click);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(action("piCut")->isEnabled());
    menu->hide();

    action("piCut")->trigger();
    QCOMPARE(v.Text(), QString("5 []"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("km"));
    action("piPaste")->trigger();
    action("piPaste")->trigger();
    QCOMPARE(v.Text(), QString("5 [kmkm]"));
    v.Line()->selectAll();
    action("piCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("5 [kmkm]"));
}

void FrameIOTest::ColumnsFollowTheLayoutRule() {
    TValueLine v;
    QTableWidget* grid = v.Grid();
    auto columns = [grid] {
        return QList<int>{grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2),
                          grid->columnWidth(3)};
    };
    // The band and its margins are fixed; the columns share what the frame's
    // width leaves, so nothing here depends on the font or the screen.
    const int gridWidth = v.io->width() - 2 * TfmIO::SideMargin;
    const int sourceSide = qRound((gridWidth - TfmIO::SignColumnWidth) / 2.0);
    QCOMPARE(v.io->height(), TfmIO::FrameHeight);
    QCOMPARE(grid->geometry(), QRect(TfmIO::SideMargin, grid->y(), gridWidth, TfmIO::BandHeight));
    v.io->SetSource("1 [m]");
    const QList<int> shortLine = columns();
    QCOMPARE(shortLine[2], TfmIO::SignColumnWidth);
    QCOMPARE(shortLine[0] + shortLine[1], sourceSide);
    QCOMPARE(shortLine[0] + shortLine[1] + shortLine[2] + shortLine[3], gridWidth);
    QCOMPARE(v.Line()->width(), shortLine[0]);
    QCOMPARE(v.io->Cells(0, 1), QString("1__"));

    v.io->SetSource("123456789012 [m]");
    const QList<int> longLine = columns();
    QVERIFY(longLine[0] > shortLine[0]);
    QCOMPARE(longLine[0] + longLine[1], sourceSide);
    QVERIFY(grid->fontMetrics().horizontalAdvance(v.Text()) < v.Line()->width());

    v.io->SetEditMode(true);
    QCOMPARE(v.Line()->width(), grid->columnWidth(0) + grid->columnWidth(1));
    // A source longer than the line leaves the target its share.
    v.io->SetSource(QString(200, '7') + " [m]");
    QCOMPARE(columns()[1], 0);
    QVERIFY(grid->columnWidth(3) >= (gridWidth - TfmIO::SignColumnWidth) / 4);
}

void FrameIOTest::SwapMarkShowsInTheHeader() {
    TValueLine v;
    QCOMPARE(v.io->Cells(0, 0), QString(" Source"));
    QCOMPARE(v.io->Cells(3, 0), QString(" Target"));
    v.io->SetSwapMark(true);
    QCOMPARE(v.io->Cells(2, 0), QString("<-"));
    QVERIFY(v.io->SwapMark());
    v.io->SetSwapMark(false);
    QCOMPARE(v.io->Cells(2, 0), QString());
}

VARNEL_GUI_TEST_MAIN(FrameIOTest)
#include "FrameIOTest.moc"
