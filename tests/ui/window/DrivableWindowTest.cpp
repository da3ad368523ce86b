#include "ui/window/MainWindow.h"

#include "support/GuiTestSupport.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/ThemeColours.h"
#include "ui/common/UserLocale.h"
#include "ui/integrated/IntegConv.h"
#include "ui/log/LogPage.h"
#include "ui/pages/SimpleOne.h"
#include "ui/pages/SimplePage.h"
#include "ui/pages/UnitComboBox.h"
#include "ui/valueline/FrameIO.h"
#include "ui/valueline/SingleRichEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <filesystem>
#include <functional>
#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

// The window in the integrated view (or the multi-tab one), started in a
// program folder with the fixture as its units data.
struct TWindow : TConverterWindow {
    explicit TWindow(bool multiTab = false,
                     const std::function<void(TProgramFolder&)>& prepare = {})
        : TConverterWindow(
              {"integ_units.unt",
               std::string("UnitFile=Varnel.unt\nMultiTabMode=") + (multiTab ? "1" : "0"), true,
               prepare}) {}

    QWidget* Input() const { return IO()->InputLine(); }
    QTreeWidget* Tree() const { return window->IntegConv()->findChild<QTreeWidget*>("Tree1"); }
    QString Problem() const {
        auto* label = IO()->findChild<QLabel*>("lbProblem");
        return label->isVisible() ? label->toolTip() : QString();
    }
    QList<TfmSimpleOne*> Rows() const {
        QList<TfmSimpleOne*> rows;
        for (TfmSimpleOne* row : window->findChild<TfmSimple*>("fmSimple")->Rows())
            if (row)
                rows.append(row);
        return rows;
    }
    void Type(const QString& text) const {
        Input()->setFocus();
        QTest::keyClick(Input(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Input(), Qt::Key_Delete);
        QTest::keyClicks(Input(), text);
    }
    // Types a whole quantity in edit mode and goes back to value mode.
    void Enter(const QString& quantity) const {
        if (!IO()->EditMode())
            QTest::keyClick(Input(), Qt::Key_Return);
        Type(quantity);
        QTest::keyClick(Input(), Qt::Key_Return);
    }
    void DoubleClick(const QString& text) const {
        const QList<QTreeWidgetItem*> found =
            Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(!found.isEmpty(), qPrintable(text));
        Tree()->scrollToItem(found.first());
        const QPoint centre = Tree()->visualItemRect(found.first()).center();
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, centre);
    }
    TfmUnitLog* Log() const { return window->findChild<TfmUnitLog*>("fmUnitLog"); }
    int LogRows() const {
        auto* grid = window->findChild<QTableWidget*>("sgLog");
        int rows = 0;
        for (int row = 0; row < grid->rowCount(); ++row)
            rows += grid->item(row, 1) && !grid->item(row, 1)->text().isEmpty() ? 1 : 0;
        return rows;
    }
};

// The shipped units data in place of the fixture.
void UseShippedUnits(TProgramFolder& folder) {
    std::filesystem::copy_file(ShippedDataPath("Varnel.unt"), folder / "Varnel.unt",
                               std::filesystem::copy_options::overwrite_existing);
}

} // namespace

class DrivableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void BadInputSaysWhyAndShowsNoResult_data();
    void BadInputSaysWhyAndShowsNoResult();
    void TypedTargetAndExpressionsConvert_data();
    void TypedTargetAndExpressionsConvert();
    void TabReachesRowsTreeAndButtons_data();
    void TabReachesRowsTreeAndButtons();
    void SavedSizeLargerThanTheScreenIsFitted();
    void ClearStartsANewQuantity();
    void ShippedUnitsExpressionAndClear();
    void SourceBackRestoresTheTargetUnits();
    void DecimalCommaWhereTheLocaleWritesOne_data();
    void DecimalCommaWhereTheLocaleWritesOne();
    void SteppingThroughUnitsRecordsOnlyTheSettledOne_data();
    void SteppingThroughUnitsRecordsOnlyTheSettledOne();
    void DarkPaletteKeepsTextReadable();
    void SmallestWindowKeepsEveryControlUsable();
};

void DrivableWindowTest::BadInputSaysWhyAndShowsNoResult_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("target");
    QTest::newRow("units without brackets")
        << "36 km/h"
        << "Write the units of the quantity in brackets, for example 36 [km/h]."
        << "";
    QTest::newRow("unknown unit: said, carried through") << "1 [fathom]"
                                                         << "Unknown unit fathom at character 4."
                                                         << "1 [fathom]";
    QTest::newRow("a second quantity") << "5 [m] 11 [cm]"
                                       << "Text after the closing bracket: 11 [cm]"
                                       << "";
    QTest::newRow("decimal comma") << "2,5 [m]"
                                   << "Not a number: 2,5."
                                   << "";
    QTest::newRow("a good quantity says nothing") << "36 [km/h]"
                                                  << ""
                                                  << "36 [km/h]";
}

void DrivableWindowTest::BadInputSaysWhyAndShowsNoResult() {
    QFETCH(QString, typed);
    QFETCH(QString, problem);
    QFETCH(QString, target);
    TWindow w;

    w.Enter(typed);

    QCOMPARE(w.Problem(), problem);
    QCOMPARE(w.IO()->GetTarget(), target);
    QVERIFY(!w.IO()->GetTarget().contains("NAN"));
    QCOMPARE(w.messages.Texts(), QStringList());
}

void DrivableWindowTest::TypedTargetAndExpressionsConvert_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("problem");
    QTest::newRow("typed target") << "36 [km/h] = [m/s]"
                                  << "10 [m/s]"
                                  << "";
    QTest::newRow("typed target in another order") << "2 [m.s] = [s.km]"
                                                   << "0.002 [km.s]"
                                                   << "";
    QTest::newRow("expression") << "5*12+11 [cm] = [m]"
                                << "0.71 [m]"
                                << "";
    QTest::newRow("incompatible target") << "36 [km/h] = [kg]"
                                         << "36 [km/h]"
                                         << "Not compatible: km/h is m/s, kg is kg.";
}

void DrivableWindowTest::TypedTargetAndExpressionsConvert() {
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QFETCH(QString, problem);
    TWindow w;

    // As a user does on a fresh window: Enter, the quantity, Enter.
    w.Input()->setFocus();
    QTest::keyClick(w.Input(), Qt::Key_Return);
    QTest::keyClicks(w.Input(), typed);
    QTest::keyClick(w.Input(), Qt::Key_Return);

    QVERIFY(!w.IO()->EditMode());
    QCOMPARE(w.IO()->GetTarget(), target);
    QCOMPARE(w.Problem(), problem);
    QCOMPARE(w.messages.Texts(), QStringList());
}

void DrivableWindowTest::TabReachesRowsTreeAndButtons_data() {
    QTest::addColumn<bool>("multiTab");
    QTest::newRow("integrated view") << false;
    QTest::newRow("multi-tab view") << true;
}

void DrivableWindowTest::TabReachesRowsTreeAndButtons() {
    QFETCH(bool, multiTab);
    TWindow w(multiTab);
    if (multiTab)
        w.window->findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
    else
        w.DoubleClick("Length [m]");
    w.IO()->SetSource("36 [km/h]");
    QTRY_VERIFY(!w.Rows().isEmpty() &&
                w.Rows().first()->findChild<QComboBox*>("cbOutUnit")->isVisible());
    w.Input()->setFocus();
    QTRY_VERIFY(w.Input()->hasFocus());

    QList<QWidget*> reached;
    for (int key = 0; key < 60 && !reached.contains(w.Input()); ++key) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }

    QVERIFY(reached.contains(w.Rows().first()->findChild<QComboBox*>("cbOutUnit")));
    QVERIFY(reached.contains(w.window->findChild<QWidget*>("btnCopy")));
    if (!multiTab)
        QVERIFY(reached.contains(w.Tree()));
    QVERIFY2(reached.last() == w.Input(), "the chain comes back to the value line");
    for (QWidget* widget : reached)
        QVERIFY2(widget->isVisible(), qPrintable(widget->objectName()));
}

void DrivableWindowTest::SavedSizeLargerThanTheScreenIsFitted() {
    TWindow w(false, [](TProgramFolder& folder) {
        folder.WriteFile("VarnelKalto.ext", "Width=9000\r\nHeight=7000\r\n");
    });
    const QRect room = w.window->screen()->availableGeometry();
    QVERIFY(w.window->frameGeometry().width() <= room.width());
    QVERIFY(w.window->frameGeometry().height() <= room.height());
    QVERIFY(room.contains(w.window->findChild<QWidget*>("btnHelp1")->mapToGlobal(QPoint(0, 0))));
}

void DrivableWindowTest::ClearStartsANewQuantity() {
    TWindow w;
    w.Type("2");
    w.DoubleClick("Length [m]");
    QCOMPARE(w.IO()->GetSource(), QString("2 [m]"));

    QTest::keyClick(w.Input(), Qt::Key_Escape);
    w.DoubleClick("Time [s]");

    QCOMPARE(w.IO()->GetSource(), QString("2 [s]"));
    QCOMPARE(w.Rows().size(), 1);
}

void DrivableWindowTest::ShippedUnitsExpressionAndClear() {
    TWindow w(false, UseShippedUnits);
    w.Enter("5*12+11 [in] = [cm]");
    QCOMPARE(w.IO()->GetTarget(), QString("180.34 [cm]"));
    QCOMPARE(w.Problem(), QString());

    QTest::keyClick(w.Input(), Qt::Key_Escape);
    w.DoubleClick("Volume [m^3]");

    // The value stays, worked out.
    QCOMPARE(w.IO()->GetSource(), QString("71 [m^3]"));
    QCOMPARE(w.Rows().size(), 1);
}

void DrivableWindowTest::DecimalCommaWhereTheLocaleWritesOne_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("problem");
    QTest::newRow("German: a comma") << "de_DE"
                                     << "250 [cm]"
                                     << "";
    QTest::newRow("English: refused") << "en_US"
                                      << ""
                                      << "Not a number: 2,5.";
}

// Typed in edit mode and again in value mode.
void DrivableWindowTest::DecimalCommaWhereTheLocaleWritesOne() {
    QFETCH(QString, locale);
    QFETCH(QString, target);
    QFETCH(QString, problem);
    SetUserLocale(QLocale(locale));
    struct TLocaleBack {
        ~TLocaleBack() { SetUserLocale(QLocale::c()); }
    } localeBack;
    TWindow w;

    w.Enter("2,5 [m] = [cm]");
    QCOMPARE(w.IO()->GetTarget(), target);
    QCOMPARE(w.Problem(), problem);

    w.Enter("1 [m] = [cm]");
    w.Type("2,5");
    QCOMPARE(w.IO()->GetTarget(), target);
    QCOMPARE(w.Problem(), problem);
}

void DrivableWindowTest::SourceBackRestoresTheTargetUnits() {
    TWindow w;
    for (const char* quantity : {"36 [km/h] = [m/s]", "5 [kg] = [g]"}) {
        w.Enter(quantity);
        w.Log()->Refresh();
    }
    QCOMPARE(w.LogRows(), 2);

    auto* grid = w.window->findChild<QTableWidget*>("sgLog");
    grid->setCurrentCell(1, 1);
    w.window->findChild<QToolButton*>("tbSourceBack")->click();

    QCOMPARE(w.IO()->GetSource(), QString("36 [km/h]"));
    QCOMPARE(w.IO()->GetTarget(), QString("10 [m/s]"));
    QTRY_COMPARE(w.Rows().size(), 2);
    QStringList targets;
    for (TfmSimpleOne* row : w.Rows())
        targets << row->findChild<QComboBox*>("cbOutUnit")->currentText();
    QCOMPARE(targets, QStringList({"metre [m]", "second [s]"}));
}

void DrivableWindowTest::SteppingThroughUnitsRecordsOnlyTheSettledOne_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("settleKey");
    QTest::addColumn<QString>("target");
    // "m", "mi", "mic" find megagram, milligram and microgram in turn.
    QTest::newRow("type-ahead in the open list, Enter") << "36 [kg]"
                                                        << "mic" << int(Qt::Key_Return) << "[mcg]";
    QTest::newRow("arrow keys, Enter") << "36 [m]"
                                       << "vvv" << int(Qt::Key_Return) << "3600 [cm]";
    QTest::newRow("arrow keys, focus leaves") << "36 [m]"
                                              << "vvv" << int(Qt::Key_Tab) << "3600 [cm]";
}

// Type-ahead and arrow keys pass several units, but only the unit the user
// settles on is recorded, as a mouse pick is.
void DrivableWindowTest::SteppingThroughUnitsRecordsOnlyTheSettledOne() {
    QFETCH(QString, source);
    QFETCH(QString, keys);
    QFETCH(int, settleKey);
    QFETCH(QString, target);
    TWindow w;
    w.Enter(source);
    QTRY_COMPARE(w.Rows().size(), 1);
    auto* list = w.Rows().first()->findChild<QComboBox*>("cbOutUnit");
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    const int before = w.LogRows();
    const QString start = list->currentText();
    QSet<QString> passed;
    for (auto signal : {&QComboBox::highlighted, &QComboBox::currentIndexChanged})
        connect(list, signal, list, [&](int entry) { passed << list->itemText(entry); });

    // An Alt letter that is no shortcut picks nothing.
    QTest::keyClick(list, 'm', Qt::AltModifier);
    QCOMPARE(list->currentText(), start);
    for (char key : keys.toStdString()) {
        if (key == 'v')
            QTest::keyClick(list, Qt::Key_Down);
        else
            QTest::keyClick(list, key);
    }
    passed.remove(start);
    QVERIFY2(passed.size() >= 3, qPrintable(QStringList(passed.values()).join(", ")));
    QCOMPARE(w.LogRows(), before);
    if (settleKey == Qt::Key_Tab)
        w.Input()->setFocus();
    else
        QTest::keyClick(list, Qt::Key(settleKey));

    QTRY_COMPARE(w.LogRows(), before + 1);
    QVERIFY2(w.IO()->GetTarget().endsWith(target), qPrintable(w.IO()->GetTarget()));
    QCOMPARE(w.window->findChild<QTableWidget*>("sgLog")->item(0, 3)->text(), w.IO()->GetTarget());
}

void DrivableWindowTest::DarkPaletteKeepsTextReadable() {
    const QPalette light = QApplication::palette();
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(45, 45, 45)},
                                {QPalette::Base, QColor(30, 30, 30)},
                                {QPalette::Button, QColor(53, 53, 53)},
                                {QPalette::Text, QColor(230, 230, 230)},
                                {QPalette::WindowText, QColor(230, 230, 230)},
                                {QPalette::ButtonText, QColor(230, 230, 230)},
                                {QPalette::ToolTipBase, QColor(60, 60, 40)}})
        dark.setColor(role, colour);
    QApplication::setPalette(dark);
    {
        TWindow w;
        w.Enter("36 [km/h]");
        w.Log()->Refresh();
        auto* line = static_cast<TSingleRichEdit*>(w.Input());
        QVERIFY(ContrastRatio(line->ColorAt(0), line->Background()) >= 4.5);
        QTest::keyClick(w.Input(), Qt::Key_Return);
        QVERIFY(w.IO()->EditMode());
        QVERIFY(ContrastRatio(line->ColorAt(0), line->Background()) >= 4.5);
        auto* grid = w.IO()->findChild<QTableWidget*>("sgIO");
        QTableWidgetItem* sign = grid->item(1, 2);
        QVERIFY(ContrastRatio(sign->foreground().color(), sign->background().color()) >= 4.5);
        for (QTreeWidgetItemIterator it(w.Tree()); *it; ++it) {
            const QColor text = (*it)->foreground(0).style() == Qt::NoBrush
                                    ? w.Tree()->palette().color(QPalette::Text)
                                    : (*it)->foreground(0).color();
            QVERIFY2(ContrastRatio(text, w.Tree()->palette().color(QPalette::Base)) >= 4.5,
                     qPrintable((*it)->text(0)));
        }
        auto* log = w.window->findChild<QTableWidget*>("sgLog");
        for (int column = 0; column < log->columnCount(); ++column) {
            const QTableWidgetItem* cell = log->item(0, column);
            QVERIFY(ContrastRatio(cell->foreground().color(), cell->background().color()) >= 4.5);
        }
    }
    QApplication::setPalette(light);
}

namespace {

void VerifyApart(const QList<QWidget*>& widgets, QWidget* within) {
    for (int i = 0; i < widgets.size(); ++i) {
        const QRect place(widgets[i]->mapTo(within, QPoint(0, 0)), widgets[i]->size());
        QVERIFY2(within->rect().contains(place), qPrintable(widgets[i]->objectName()));
        for (int j = i + 1; j < widgets.size(); ++j)
            QVERIFY2(!place.intersects(
                         QRect(widgets[j]->mapTo(within, QPoint(0, 0)), widgets[j]->size())),
                     qPrintable(widgets[i]->objectName() + " / " + widgets[j]->objectName()));
    }
}

} // namespace

// The integrated view at the smallest size: the Log's buttons stay apart and
// whole, long unit names are cut short with the whole name in the tooltip.
void DrivableWindowTest::SmallestWindowKeepsEveryControlUsable() {
    TWindow w;
    w.window->resize(500, 350);
    QTRY_COMPARE(w.window->size(), QSize(500, 350));
    w.Enter("1 [rpm] = [rpm]");
    QTRY_COMPARE(w.Rows().size(), 1);

    TfmSimpleOne* row = w.Rows().first();
    QList<QWidget*> parts;
    for (const char* name : {"pnlCat", "pnlSource", "pnlDoubleArrow", "pnlTarget", "pnlDegree"})
        parts << row->findChild<QWidget*>(name);
    VerifyApart(parts, row);
    auto* list = row->findChild<TUnitComboBox*>("cbOutUnit");
    VerifyApart({list}, list->parentWidget());
    QVERIFY2(list->ShownText() != list->currentText(), "a long name is cut short");
    QVERIFY(list->ShownText().endsWith(QChar(0x2026)));
    QHelpEvent tip(QEvent::ToolTip, list->rect().center(),
                   list->mapToGlobal(list->rect().center()));
    QApplication::sendEvent(list, &tip);
    QTRY_COMPARE(QToolTip::text(), list->currentText());
    QToolTip::hideText();

    auto* tabs = w.window->IntegConv()->findChild<QTabWidget*>("PageControl1");
    tabs->setCurrentIndex(1);
    auto* bar = w.Log()->findChild<QWidget*>("ToolBar1");
    QTRY_VERIFY(bar->isVisible());
    QList<QWidget*> buttons;
    for (const char* name : {"tbSourceBack", "tbTargetBack", "tbCopy"}) {
        auto* button = w.Log()->findChild<QToolButton*>(name);
        QVERIFY(button->width() > button->fontMetrics().horizontalAdvance(button->text()));
        buttons << button;
    }
    VerifyApart(buttons, bar);
}

VARNEL_GUI_TEST_MAIN(DrivableWindowTest)
#include "DrivableWindowTest.moc"
