#include "ui/pages/BasePage.h"
#include "convert/Convert.h"
#include "support/GuiTestSupport.h"
#include "ui/pages/BasePageGrid.h"
#include "ui/valueline/FrameIO.h"
#include "ui/window/MainWindow.h"

#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <cmath>
#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

constexpr int Simple = 0, Base = 2, Log = 4;

// The window started on the Base page's fixture, shown at its default size.
struct TBaseWindow : TConverterWindow {
    TBaseWindow()
        : TConverterWindow({"base_units.unt", "UnitFile=Varnel.unt\nMultiTabMode=1", true, {}}) {}

    TfmBase* Page() const { return window->findChild<TfmBase*>("fmBase"); }
    TBasePageGrid* Grid(const char* name) const { return Page()->findChild<TBasePageGrid*>(name); }
    TBasePageGrid* Replaced() const { return Grid("sgReplacedUnits"); }
    TBasePageGrid* Included() const { return Grid("sgIncludedUnits"); }
    TBasePageGrid* AllUnits() const { return Grid("sgAllBaseUnits"); }
    QToolButton* Button(const char* name) const { return Page()->findChild<QToolButton*>(name); }

    // The source is typed on the Log page, which leaves it alone, and the
    // Base page entered with it.
    void EnterWith(const QString& source) const {
        ClickTab(Log);
        IO()->SetSource(source);
        ClickTab(Base);
    }
    void ClickRow(TBasePageGrid* grid, int row, Qt::KeyboardModifiers modifiers = {}) const {
        const QRect cell = grid->visualRect(grid->model()->index(row, 1));
        QVERIFY2(cell.isValid(), "row not on screen");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
    }
    void ChooseUnit(const QString& symbol) const {
        for (int row = 0; row < AllUnits()->rowCount(); ++row)
            if (AllUnits()->Cell(0, row) == symbol)
                return ClickRow(AllUnits(), row);
        QFAIL(qPrintable("no unit " + symbol));
    }
    void Include(const QString& symbol, const char* button = "tbNomin") const {
        ChooseUnit(symbol);
        QTest::mouseClick(Button(button), Qt::LeftButton);
    }
    void PressDelete(TBasePageGrid* grid) const {
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Delete);
    }
    // The "=" sign of the value line.
    void ClickSign() const {
        auto* sgIO = IO()->findChild<QTableWidget*>("sgIO");
        const QRect sign = sgIO->visualItemRect(sgIO->item(1, 2));
        QTest::mouseClick(sgIO->viewport(), Qt::LeftButton, {}, sign.center());
    }
};

// Every row of a grid, its cells joined by "|"; an empty row reads "".
QStringList Rows(const TBasePageGrid* grid) {
    QStringList rows;
    for (int row = 0; row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells << grid->Cell(column, row);
        rows << (cells.join("").isEmpty() ? QString() : cells.join("|"));
    }
    return rows;
}

QStringList Filled(const TBasePageGrid* grid) {
    QStringList rows = Rows(grid);
    rows.removeAll(QString());
    return rows;
}

} // namespace

class BasePageTest : public QObject {
    Q_OBJECT

private slots:
    void ListsEveryCoreUnitWithADecomposition();
    void EnteringThePageDecomposesTheSource_data();
    void EnteringThePageDecomposesTheSource();
    void IncludedUnitsFoldBaseUnitsBack();
    void DoubleClickIncludesAsNumerator();
    void DeleteKeepsAReplacedUnitUndecomposed();
    void DeleteOnSeveralRows();
    void DeleteOnTheLastRowEmptiesIt();
    void SignClickRebuildsThePage();
    void LeavingForSimpleMakesTheTargetTheSource();
    void RefusedSourceStaysAsTyped();
    void FailingRuleLeavesTheSourceEngineKeepingItsValue();
    void SplitterKeepsTheLeftShare();
    void ThreeFactorsFitTheDefaultWindow();
};

void BasePageTest::ListsEveryCoreUnitWithADecomposition() {
    TBaseWindow w;
    // Load order; a factor unit marked "1" and a core unit without a
    // decomposition (m^2) are not listed.
    const QStringList expected = {"m|=|m",        "rad|=|1",        "s|=|s", "kg|=|kg",
                                  "N|=|m.kg/s^2", "J|=|m^2.kg/s^2", "K|=|K"};
    QCOMPARE(Rows(w.AllUnits()), expected);
    QCOMPARE(w.Page()->BaseList,
             (QStringList{"m=m", "rad=1", "s=s", "kg=kg", "N=m.kg/s^2", "J=m^2.kg/s^2", "K=K"}));
    QCOMPARE(w.messages.Texts(), QStringList());
}

void BasePageTest::EnteringThePageDecomposesTheSource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("inCore");
    QTest::addColumn<QStringList>("replaced");
    QTest::addColumn<QString>("target");

    QTest::newRow("force") << "1 [lbf]"
                           << "4.448222 [N]" << QStringList{"1|N|=|m.kg/s^2"}
                           << "4.448222 [m.kg/s^2]";
    QTest::newRow("three factors")
        << "3600 [lbf.ft/h]"
        << "1.355818 [N.m/s]" << QStringList{"1|N|=|m.kg/s^2", "1|m|=|m", "-1|s|=|s"}
        << "1.355818 [m^2.kg/s^3]";
    QTest::newRow("dimensionless core unit drops out")
        << "2 [rad/s]"
        << "2 [rad/s]" << QStringList{"1|rad|=|1", "-1|s|=|s"} << "2 [1/s]";
    QTest::newRow("dimensionless factor unit alone")
        << "180 [deg]"
        << "3.141593 [rad]" << QStringList{"1|rad|=|1"} << "3.141593 []";
    QTest::newRow("supplemental unit keeps its degree")
        << "2 [ha]"
        << "20000 [m^2]" << QStringList{"2|m|=|m"} << "20000 [m^2]";
    QTest::newRow("rule unit") << "20 [degC]"
                               << "293.15 [K]" << QStringList{"1|K|=|K"} << "293.15 [K]";
    QTest::newRow("unknown unit passes unchanged")
        << "3 [xyz.lbf]"
        << "13.34466 [xyz.N]" << QStringList{"1|N|=|m.kg/s^2"} << "13.34466 [xyz.m.kg/s^2]";
    QTest::newRow("no units") << "5 []"
                              << "5 []" << QStringList() << "5 []";
}

void BasePageTest::EnteringThePageDecomposesTheSource() {
    QFETCH(QString, source);
    QFETCH(QString, inCore);
    QFETCH(QStringList, replaced);
    QFETCH(QString, target);
    TBaseWindow w;

    w.EnterWith(source);

    QCOMPARE(w.IO()->GetSource(), inCore);
    QCOMPARE(Filled(w.Replaced()), replaced);
    QCOMPARE(w.Replaced()->rowCount(), std::max<int>(replaced.size(), 1));
    QCOMPARE(w.Replaced()->maximumHeight(),
             w.Replaced()->RowHeight() * w.Replaced()->rowCount() + 2 * w.Replaced()->frameWidth());
    QCOMPARE(Rows(w.Included()), QStringList(10, QString()));
    QCOMPARE(w.IO()->GetTarget(), target);
    QCOMPARE(w.messages.Texts(), QStringList());
    QVERIFY(w.window->SourceEngine()->KeepValue());
}

void BasePageTest::IncludedUnitsFoldBaseUnitsBack() {
    TBaseWindow w;
    w.EnterWith("1 [lbf]");

    w.Include("N");
    QCOMPARE(Rows(w.Included()).first(), QString("1|N|=|m.kg/s^2"));
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [N]"));

    w.Include("N");
    QCOMPARE(Filled(w.Included()), QStringList{"2|N|=|m.kg/s^2"});
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [s^2.N^2/m.kg]"));

    w.Include("N", "tbDenomin");
    QCOMPARE(Filled(w.Included()), QStringList{"1|N|=|m.kg/s^2"});
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [N]"));

    w.Include("N", "tbDenomin");
    QCOMPARE(Filled(w.Included()), QStringList());
    QCOMPARE(w.Included()->rowCount(), 9);
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [m.kg/s^2]"));

    // A unit first included as denominator, next to another one.
    w.Include("s", "tbDenomin");
    w.Include("J");
    QCOMPARE(Filled(w.Included()), (QStringList{"-1|s|=|s", "1|J|=|m^2.kg/s^2"}));
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [J/m]"));
    QCOMPARE(w.IO()->GetSource(), QString("4.448222 [N]"));
}

void BasePageTest::DoubleClickIncludesAsNumerator() {
    TBaseWindow w;
    w.EnterWith("3600 [lbf.ft/h]");
    const int row = 5;
    QCOMPARE(w.AllUnits()->Cell(0, row), QString("J"));
    const QRect cell = w.AllUnits()->visualRect(w.AllUnits()->model()->index(row, 1));

    // A real double-click: the first click, then the second as a double-click.
    w.ClickRow(w.AllUnits(), row);
    QTest::mouseDClick(w.AllUnits()->viewport(), Qt::LeftButton, {}, cell.center());

    QCOMPARE(Filled(w.Included()), QStringList{"1|J|=|m^2.kg/s^2"});
    QCOMPARE(w.IO()->GetTarget(), QString("1.355818 [J/s]"));
}

void BasePageTest::DeleteKeepsAReplacedUnitUndecomposed() {
    TBaseWindow w;
    w.EnterWith("1 [lbf]");
    w.ClickRow(w.Replaced(), 0);

    w.PressDelete(w.Replaced());

    // The only row is emptied, not deleted.
    QCOMPARE(Rows(w.Replaced()), QStringList{QString()});
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [N]"));
}

void BasePageTest::DeleteOnSeveralRows() {
    TBaseWindow w;
    w.EnterWith("3600 [lbf.ft/h]");
    w.ClickRow(w.Replaced(), 0);
    w.ClickRow(w.Replaced(), 2, Qt::ControlModifier);

    w.PressDelete(w.Replaced());

    QCOMPARE(Rows(w.Replaced()), QStringList{"1|m|=|m"});
    QCOMPARE(w.IO()->GetTarget(), QString("1.355818 [N.m/s]"));

    // Included: rows without a unit stay, the unit's row goes.
    w.Include("J");
    w.ClickRow(w.Included(), 0);
    w.ClickRow(w.Included(), 4, Qt::ControlModifier);
    w.PressDelete(w.Included());
    QCOMPARE(Filled(w.Included()), QStringList());
    QCOMPARE(w.Included()->rowCount(), 9);
    QCOMPARE(w.IO()->GetTarget(), QString("1.355818 [N.m/s]"));
}

void BasePageTest::DeleteOnTheLastRowEmptiesIt() {
    TBaseWindow w;
    w.EnterWith("1 [lbf]");
    // Each unit brought back to degree 0 takes its row with it.
    for (int i = 0; i < 9; ++i) {
        w.Include("N");
        w.Include("N", "tbDenomin");
    }
    QCOMPARE(w.Included()->rowCount(), 1);
    w.Include("N");
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [N]"));
    w.ClickRow(w.Included(), 0);

    w.PressDelete(w.Included());

    QCOMPARE(Rows(w.Included()), QStringList{QString()});
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [m.kg/s^2]"));

    // With no free row left, ten more come.
    w.Include("J");
    w.Include("N");
    QCOMPARE(w.Included()->rowCount(), 11);
    QCOMPARE(Filled(w.Included()), (QStringList{"1|J|=|m^2.kg/s^2", "1|N|=|m.kg/s^2"}));
}

void BasePageTest::SignClickRebuildsThePage() {
    TBaseWindow w;
    w.EnterWith("1 [lbf]");
    w.Include("N");
    QVERIFY(w.Page()->MarkClickBound());

    w.IO()->SetSource("2 [kN.h]");
    w.ClickSign();

    QCOMPARE(w.IO()->GetSource(), QString("7200000 [N.s]"));
    QCOMPARE(Filled(w.Replaced()), (QStringList{"1|N|=|m.kg/s^2", "1|s|=|s"}));
    QCOMPARE(Rows(w.Included()), QStringList(10, QString()));
    QCOMPARE(w.IO()->GetTarget(), QString("7200000 [m.kg/s]"));

    w.ClickTab(Log);
    QVERIFY(!w.Page()->MarkClickBound());
}

void BasePageTest::LeavingForSimpleMakesTheTargetTheSource() {
    TBaseWindow w;
    w.EnterWith("3600 [lbf.ft/h]");
    w.Include("J");

    w.ClickTab(Simple);

    QCOMPARE(w.IO()->GetSource(), QString("1.355818 [J/s]"));
}

void BasePageTest::RefusedSourceStaysAsTyped() {
    TBaseWindow w;

    w.EnterWith("5 [m.km]");

    QCOMPARE(w.messages.Texts(), QStringList{"Duplicated units categories - Length / Length"});
    QCOMPARE(w.IO()->GetSource(), QString("5 [m.km]"));
    QCOMPARE(Filled(w.Replaced()), QStringList{"1|m|=|m"});
    QCOMPARE(w.IO()->GetTarget(), QString("5 [m.km]"));
}

void BasePageTest::FailingRuleLeavesTheSourceEngineKeepingItsValue() {
    TBaseWindow w;

    w.EnterWith("0 [rK]");

    QCOMPARE(w.messages.Texts(), QStringList{"Floating point division by zero"});
    QCOMPARE(w.messages.Messages().first().Kind, TMessageKind::Error);
    QVERIFY(w.window->SourceEngine()->KeepValue());
    QCOMPARE(w.IO()->GetSource(), QString("0 [rK]"));

    // The page stays usable: the next source goes through.
    w.messages.Clear();
    w.IO()->SetSource("1 [lbf]");
    w.ClickSign();
    QCOMPARE(w.messages.Texts(), QStringList());
    QCOMPARE(w.IO()->GetTarget(), QString("4.448222 [m.kg/s^2]"));
}

void BasePageTest::SplitterKeepsTheLeftShare() {
    TBaseWindow w;
    w.EnterWith("1 [lbf]");
    auto* left = w.Page()->findChild<QWidget*>("Panel5");
    QCOMPARE(left->width(), static_cast<int>(std::lround(w.Page()->width() * 0.5)));

    QSplitterHandle* handle = w.Page()->findChild<QSplitter*>("Splitter1")->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(80, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(80, 0));
    const double ratio = w.Page()->SplitRatio;
    QVERIFY2(std::abs(ratio - static_cast<double>(left->width()) / w.Page()->width()) < 1e-9,
             qPrintable(QString::number(ratio)));
    QVERIFY(ratio < 0.45);

    w.window->resize(900, 500);
    QTRY_COMPARE(w.Page()->width() > 700, true);
    QCOMPARE(left->width(), static_cast<int>(std::lround(w.Page()->width() * ratio)));

    w.window->ReloadUnits((w.folder / "Varnel.unt").string());
    QCOMPARE(w.Page()->SplitRatio, 0.5);
}

void BasePageTest::ThreeFactorsFitTheDefaultWindow() {
    TBaseWindow w;
    QCOMPARE(w.window->size(), QSize(640, 420));
    w.EnterWith("3600 [lbf.ft/h]");
    w.Include("J");
    QApplication::processEvents();

    TBasePageGrid* replaced = w.Replaced();
    QCOMPARE(replaced->rowCount(), 3);
    QVERIFY(!replaced->verticalScrollBar()->isVisible());
    QVERIFY(replaced->viewport()->height() >= 3 * replaced->RowHeight());
    QVERIFY(w.Included()->viewport()->height() >= 2 * w.Included()->RowHeight());
    QVERIFY(w.AllUnits()->viewport()->height() >= 3 * w.AllUnits()->RowHeight());
    for (QLabel* label : w.Page()->findChildren<QLabel*>())
        QVERIFY2(label->height() >= label->heightForWidth(label->width()) &&
                     label->height() >= label->minimumSizeHint().height(),
                 qPrintable(label->objectName()));
    for (const char* name : {"tbNomin", "tbDenomin"}) {
        QToolButton* button = w.Button(name);
        QVERIFY2(button->isVisible() && button->width() >= button->sizeHint().width(), name);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    }

    // At the smallest window both buttons stay, without their captions.
    w.window->resize(w.window->minimumSize());
    QTRY_COMPARE(w.Button("tbDenomin")->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QApplication::processEvents();
    for (const char* name : {"tbNomin", "tbDenomin"})
        QVERIFY2(w.Button(name)->isVisible(), name);
}

VARNEL_GUI_TEST_MAIN(BasePageTest)

#include "BasePageTest.moc"
