#include "ui/pages/AllUnitsPage.h"
#include "common/MakerSite.h"
#include "common/TextFile.h"
#include "convert/Convert.h"
#include "support/GuiTestSupport.h"
#include "ui/about/WebLinks.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Hints.h"
#include "ui/common/StdText.h"
#include "ui/options/UnitOptions.h"
#include "ui/pages/CategoryTree.h"
#include "ui/pages/UnitGrid.h"
#include "ui/pages/UnitSearchEdit.h"
#include "ui/valueline/FrameIO.h"
#include "ui/window/MainWindow.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include <memory>
#include <utility>

using namespace varnel;
using namespace varnel::test;

namespace {

constexpr int Simple = 0, AllUnits = 1, Edit = 3, Log = 4;

const QString Settings = "UnitFile=Varnel.unt\r\nSearchEngine=1\r\nMultiTabMode=1\r\n";

// Stands in for the Log page: records what each conversion left on the value
// line, and whether the page was still busy then.
class TRecordingLog : public TfmUnitModule {
    Q_OBJECT

public:
    void LoadUnits() override {}
    void PageSwitch(TPageKind, TPageKind) override {}
    void Refresh() override {
        entries.append(IO->GetSource() + " = " + IO->GetTarget());
        busyWhenLogged |= page && page->Busy();
    }
    void SourceChanged(QObject*) override {}

    TfmAllUnits* page = nullptr;
    QStringList entries;
    bool busyWhenLogged = false;
};

// A page on its own with a value line, both engines and the options, as the
// main window sets it up.
struct TPage {
    explicit TPage(bool compose = false) {
        folder.CopyFixture("allunits_units.unt", "Varnel.unt");
        folder.WriteFile(SettingsFile().filename().string(), Settings.toStdString());
        options = std::make_unique<TfmUnitOptions>();
        const std::string text = ReadTextFile((folder / "Varnel.unt").string());
        iCnv.LoadFromText(text);
        oCnv.LoadFromText(text);
        iCnv.SetKeepValue(true);

        io = new TfmIO(&window);
        io->Setup();
        log = new TRecordingLog;
        log->setParent(&window);
        log->SetEngines(io, &iCnv, &oCnv);
        QObject::connect(io, &TfmIO::ConversionToLog, log, &TfmUnitModule::Refresh);
        page = new TfmAllUnits(&window);
        log->page = page;
        page->SetComposeMode(compose);
        page->SetEngines(io, &iCnv, &oCnv);
        page->LoadUnits();
        QObject::connect(io, &TfmIO::SourceChanged, page, [this](QObject* sender) {
            if (!sourceQuiet) {
                sourceChangesWhileBusy += page->Busy();
                page->SourceChanged(sender);
            }
        });
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(io);
        layout->addWidget(page, 1);
        window.resize(640, 360);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    template <typename T> T* Find(const char* name) const {
        T* child = page->findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    TCategoryTree* Tree() const { return Find<TCategoryTree>("Tree1"); }
    TUnitGrid* Grid(const char* name) const { return Find<TUnitGrid>(name); }
    QTreeWidgetItem* Node(const QString& text) const {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->text(0) == text)
                return *it;
        qFatal("no node %s", qPrintable(text));
    }
    void ClickNode(const QString& text) const {
        QTreeWidgetItem* node = Node(text);
        if (node->parent())
            node->parent()->setExpanded(true);
        Tree()->scrollToItem(node);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {},
                          Tree()->visualItemRect(node).center());
    }
    QPoint RowCentre(TUnitGrid* grid, int row) const {
        grid->scrollToItem(grid->item(row, 0));
        return grid->visualItemRect(grid->item(row, 0)).center();
    }
    void ClickRow(const char* grid, int row) const {
        QTest::mouseClick(Grid(grid)->viewport(), Qt::LeftButton, {}, RowCentre(Grid(grid), row));
    }
    void DoubleClickRow(int row) const {
        TUnitGrid* grid = Grid("sgSource");
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(grid, row));
    }
    QToolButton* Button(const QString& caption) const {
        for (QToolButton* button : page->findChildren<QToolButton*>())
            if (button->text() == caption)
                return button;
        qFatal("no button %s", qPrintable(caption));
    }
    QStringList Rows(const char* grid) const {
        QStringList rows;
        for (int row = 0; row < Grid(grid)->rowCount(); ++row)
            rows << Grid(grid)->item(row, 0)->text() + " " + Grid(grid)->item(row, 1)->text();
        return rows;
    }
    QList<int> BoldRows(const char* grid) const {
        QList<int> rows;
        for (int row = 0; row < Grid(grid)->rowCount(); ++row)
            if (Grid(grid)->item(row, 0)->font().bold() && Grid(grid)->item(row, 1)->font().bold())
                rows << row;
        return rows;
    }
    QStringList ExpandedDomains() const {
        QStringList domains;
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
            if (Tree()->topLevelItem(i)->isExpanded())
                domains << Tree()->topLevelItem(i)->text(0);
        return domains;
    }

    TProgramFolder folder;
    TMessageBoxRecorder messages;
    std::unique_ptr<TfmUnitOptions> options;
    TConvert iCnv;
    TConvert oCnv;
    QWidget window;
    TfmIO* io = nullptr;
    TRecordingLog* log = nullptr;
    TfmAllUnits* page = nullptr;
    int sourceChangesWhileBusy = 0;
    bool sourceQuiet = false;
};

// The converter window started on the test data.
struct TWindow : TConverterWindow {
    explicit TWindow(const std::string& extraSettings = {})
        : TConverterWindow({"allunits_units.unt",
                            "UnitFile=Varnel.unt\nSearchEngine=1\nMultiTabMode=1" + extraSettings,
                            true,
                            {}}) {}

    TfmAllUnits* Frame(const char* name) const { return window->findChild<TfmAllUnits*>(name); }
};

QString MakerSearch(const QString& query) {
    return QString::fromUtf8(MakerSite::Host.data(), MakerSite::Host.size()) +
           "/cgi-bin/ask4unit.cgi" + query;
}

void CategoryRow(const char* name, const QString& category, const QString& source,
                 const QStringList& rows, int core, const QString& converted,
                 const QString& target) {
    QTest::newRow(name) << category << source << rows << core << converted << target;
}

void RowsRow(const char* name, const QString& category, const QString& source, const QString& grid,
             int row, const QString& converted, const QString& target) {
    QTest::newRow(name) << category << source << grid << row << converted << target;
}

void EnterRow(const char* name, const QString& source, const QString& target,
              const QString& category, int sourceRow, int targetRow, const QString& converted,
              const QString& result) {
    QTest::newRow(name) << source << target << category << sourceRow << targetRow << converted
                        << result;
}

void ComposeRow(const char* name, const QString& source, const QString& category, int row,
                const QStringList& clicks, const QString& composed, int messages = 0) {
    QTest::newRow(name) << source << category << row << clicks << composed << messages;
}

void PromptRow(const char* name, const QString& source, bool answer, bool asked, int page,
               const QString& after) {
    QTest::newRow(name) << source << answer << asked << page << after;
}

} // namespace

class AllUnitsPageTest : public QObject {
    Q_OBJECT

private slots:
    void LoadUnitsBuildsTreeAndToolBar();
    void DomainButtonsExpandTheirDomain_data();
    void DomainButtonsExpandTheirDomain();
    void ChoosingACategoryConvertsItsCoreUnitToItself_data();
    void ChoosingACategoryConvertsItsCoreUnitToItself();
    void ChoosingRowsConverts_data();
    void ChoosingRowsConverts();
    void EnteringThePageSelectsTheSourceUnit_data();
    void EnteringThePageSelectsTheSourceUnit();
    void MismatchedCategoryShowsTheErrorAndStillLogs();
    void SourceWrittenDuringAConversionDoesNotConvertAgain();
    void ComposingAddsUnitsToTheSource_data();
    void ComposingAddsUnitsToTheSource();
    void WebSearchButtons();
    void SplitterAndColumnsFollowTheSize();
    void EditPageSwitchesTheValueLineMode();
    void CompoundSourceAsksBeforeAllUnits_data();
    void CompoundSourceAsksBeforeAllUnits();
    void HintsReachTheStatusBar();
    void SearchFiltersAndEnterChoosesTheMatch();
    void HintOfAUnitWithVariantsNamesThem();
};

void AllUnitsPageTest::LoadUnitsBuildsTreeAndToolBar() {
    TPage p;
    TCategoryTree* tree = p.Tree();
    QStringList domains;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        domains << tree->topLevelItem(i)->text(0);
    QCOMPARE(domains, (QStringList{"Space", "Time", "Mechanics", "Heat"}));
    QStringList space;
    for (int i = 0; i < tree->topLevelItem(0)->childCount(); ++i)
        space << tree->topLevelItem(0)->child(i)->text(0);
    QCOMPARE(space, (QStringList{"Length (root type)", "Area (sup type)"}));
    QVERIFY(tree->topLevelItem(0)->font(0).bold() && tree->topLevelItem(0)->font(0).italic());
    struct TLook {
        const char* node;
        QColor colour;
        int image;
    };
    for (const TLook& look : {TLook{"Length (root type)", QColor(100, 0, 0), 0},
                              TLook{"Area (sup type)", QColor(0, 0, 128), 1},
                              TLook{"Speed (comp type)", QColor(Qt::black), 2}}) {
        QTreeWidgetItem* node = p.Node(look.node);
        QCOMPARE(node->foreground(0).color(), look.colour);
        QCOMPARE(node->data(0, TCategoryTree::ImageIndexRole).toInt(), look.image);
        QVERIFY(!node->icon(0).isNull());
        QVERIFY(!node->font(0).bold());
    }
    QCOMPARE(p.ExpandedDomains(), QStringList{"Space"});
    QVERIFY(tree->selectedItems().isEmpty());
    QVERIFY(!p.Find<QToolButton>("sbSearch4Cat")->isEnabled());
    QCOMPARE(p.page->TreeRatio(), 0.5);

    p.page->LoadUnits(); // a reload leaves one set of buttons
    QStringList captions, hints;
    QList<QWidget*> bar = p.Find<QWidget>("tbarDomains")->findChildren<QWidget*>();
    for (QWidget* widget : bar) {
        if (auto* button = qobject_cast<QToolButton*>(widget)) {
            captions << button->text();
            hints << button->toolTip();
        } else {
            captions << widget->accessibleName();
            hints << QString();
        }
    }
    QCOMPARE(captions, (QStringList{"", "Space", "Old", "Time", "Mech", "Heat", "|", "All"}));
    QCOMPARE(hints, (QStringList{"Search the web", "Space", "Retired", "Time", "Mechanics", "Heat",
                                 "", "Expand All"}));
    QCOMPARE(tree->topLevelItemCount(), 4);
}

void AllUnitsPageTest::DomainButtonsExpandTheirDomain_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expanded");
    QTest::newRow("Time") << "Time" << QStringList{"Time"};
    QTest::newRow("Mechanics") << "Mech" << QStringList{"Mechanics"};
    QTest::newRow("disabled domain collapses all") << "Old" << QStringList();
    QTest::newRow("All") << "All" << QStringList{"Space", "Time", "Mechanics", "Heat"};
}

void AllUnitsPageTest::DomainButtonsExpandTheirDomain() {
    QFETCH(QString, button);
    QFETCH(QStringList, expanded);
    TPage p;
    p.Tree()->topLevelItem(3)->setExpanded(true);
    QTest::mouseClick(p.Button(button), Qt::LeftButton);
    QCOMPARE(p.ExpandedDomains(), expanded);
}

void AllUnitsPageTest::ChoosingACategoryConvertsItsCoreUnitToItself_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("core");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("target");
    const QStringList lengths{"metre m", "kilometre km", "mile mi", "centimetre cm"};
    CategoryRow("length", "Length (root type)", "3 [km]", lengths, 0, "3 [m]", "3 [m]");
    CategoryRow("no core unit: the first", "Angle (root type)", "2 [m]", {"turn tr", "degree deg"},
                0, "2 [tr]", "2 [tr]");
    CategoryRow("two core units: the last", "Doubled (root type)", "2 [m]",
                {"alpha al", "beta be", "gamma ga", "delta de"}, 2, "2 [ga]", "2 [ga]");
    CategoryRow("value not a number: no result", "Length (root type)", "x [km]", lengths, 0,
                "x [m]", "");
}

void AllUnitsPageTest::ChoosingACategoryConvertsItsCoreUnitToItself() {
    QFETCH(QString, category);
    QFETCH(QString, source);
    QFETCH(QStringList, rows);
    QFETCH(int, core);
    QFETCH(QString, converted);
    QFETCH(QString, target);
    TPage p;
    p.io->SetSource(source);
    p.log->entries.clear();
    p.ClickNode(category);
    QCOMPARE(p.page->CatName(), category.left(category.indexOf(" (")));
    for (const char* grid : {"sgSource", "sgTarget"}) {
        QCOMPARE(p.Rows(grid), rows);
        QCOMPARE(p.Grid(grid)->currentRow(), core);
        QCOMPARE(p.BoldRows(grid), QList<int>{core});
    }
    QCOMPARE(p.io->GetSource(), converted);
    QCOMPARE(p.io->GetTarget(), target);
    QCOMPARE(p.log->entries, QStringList{converted + " = " + target});
    QVERIFY(p.Find<QToolButton>("sbSearch4Cat")->isEnabled());
    QCOMPARE(p.messages.Texts(), QStringList());
}

void AllUnitsPageTest::ChoosingRowsConverts_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("target");
    RowsRow("target row converts", "Length (root type)", "2 [m]", "sgTarget", 1, "2 [m]",
            "0.002 [km]");
    RowsRow("source row keeps the number", "Length (root type)", "2 [m]", "sgSource", 2, "2 [mi]",
            "3218.688 [m]");
    RowsRow("into a rule unit", "Temperature (root type)", "300 [K]", "sgTarget", 1, "300 [K]",
            "26.85 [degC]");
}

void AllUnitsPageTest::ChoosingRowsConverts() {
    QFETCH(QString, category);
    QFETCH(QString, source);
    QFETCH(QString, grid);
    QFETCH(int, row);
    QFETCH(QString, converted);
    QFETCH(QString, target);
    TPage p;
    p.io->SetSource(source);
    p.ClickNode(category);
    p.log->entries.clear();
    p.ClickRow(grid.toLatin1().constData(), row);
    QCOMPARE(p.io->GetSource(), converted);
    QCOMPARE(p.io->GetTarget(), target);
    QCOMPARE(p.log->entries, QStringList{converted + " = " + target});
    QCOMPARE(p.page->UnitName(),
             p.Grid("sgSource")->item(p.Grid("sgSource")->currentRow(), 0)->text());
    QCOMPARE(p.messages.Texts(), QStringList());
}

void AllUnitsPageTest::EnteringThePageSelectsTheSourceUnit_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("sourceRow");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("result");
    const QString length = "Length (root type)";
    EnterRow("known unit", "2 [km]", "", length, 1, 0, "2 [km]", "2000 [m]");
    EnterRow("target of the same category kept", "2 [km]", "7 [mi]", length, 1, 2, "2 [km]",
             "1.242742 [mi]");
    EnterRow("supplemental unit", "1 [ha]", "", "Area (sup type)", 1, 0, "1 [ha]", "10000 [m^2]");
    EnterRow("compound unit of the data", "36 [km/h]", "", "Speed (comp type)", 1, 0, "36 [km/h]",
             "10 [m/s]");
    EnterRow("compound unit replaced", "3 [km/min]", "", length, 0, 0, "3 [m]", "3 [m]");
    EnterRow("unknown unit replaced", "3 [furlong]", "", length, 0, 0, "3 [m]", "3 [m]");
}

void AllUnitsPageTest::EnteringThePageSelectsTheSourceUnit() {
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, category);
    QFETCH(int, sourceRow);
    QFETCH(int, targetRow);
    QFETCH(QString, converted);
    QFETCH(QString, result);
    TPage p;
    p.ClickNode("Temperature (root type)"); // a selection to move away from
    // Typed on another page.
    p.sourceQuiet = true;
    p.io->SetSource(source);
    p.io->SetTarget(target);
    p.sourceQuiet = false;
    p.log->entries.clear();

    p.page->PageSwitch(pkSimple, pkAllUnits);

    QCOMPARE(p.Tree()->selectedItems().size(), 1);
    QCOMPARE(p.Tree()->selectedItems().first()->text(0), category);
    QCOMPARE(p.Tree()->currentItem(), p.Node(category));
    QVERIFY(p.Node(category)->parent()->isExpanded());
    QCOMPARE(p.Grid("sgSource")->currentRow(), sourceRow);
    QCOMPARE(p.Grid("sgTarget")->currentRow(), targetRow);
    QCOMPARE(p.io->GetSource(), converted);
    QCOMPARE(p.io->GetTarget(), result);
    QCOMPARE(p.log->entries, QStringList{converted + " = " + result});
    QVERIFY(p.Find<QToolButton>("sbSearch4Cat")->isEnabled());
    QCOMPARE(p.messages.Texts(), QStringList());

    // Switching within the page converts again without moving the selection.
    p.page->PageSwitch(pkAllUnits, pkAllUnits);
    QCOMPARE(p.Grid("sgSource")->currentRow(), sourceRow);
    QCOMPARE(p.io->GetTarget(), result);
    QCOMPARE(p.log->entries.size(), 2);
}

void AllUnitsPageTest::MismatchedCategoryShowsTheErrorAndStillLogs() {
    TPage p;
    p.io->SetSource("3 [lap]");
    p.ClickNode("Clash (root type)");
    QCOMPARE(p.io->GetTarget(), QString("3 [lap]"));
    p.log->entries.clear();

    p.ClickRow("sgTarget", 1); // "min" is a unit of Time first

    QCOMPARE(p.messages.Messages().size(), 1);
    QCOMPARE(p.messages.Messages().first().Kind, TMessageKind::Error);
    QCOMPARE(p.messages.Messages().first().Text, QString("Categories don't match."));
    QVERIFY(!p.page->Busy());
    QCOMPARE(p.log->entries.size(), 1);
    QVERIFY(!p.log->busyWhenLogged);
    // The page goes on converting.
    p.messages.Clear();
    p.ClickRow("sgTarget", 0);
    QCOMPARE(p.io->GetTarget(), QString("3 [lap]"));
    QCOMPARE(p.messages.Texts(), QStringList());
}

void AllUnitsPageTest::SourceWrittenDuringAConversionDoesNotConvertAgain() {
    TPage p;
    // In edit mode every write of the source reaches the page again.
    p.io->SetEditMode(true);
    p.io->SetSource("2 [km]");
    p.log->entries.clear();
    p.sourceChangesWhileBusy = 0;

    p.ClickNode("Length (root type)");

    QCOMPARE(p.io->GetSource(), QString("2 [m]"));
    QCOMPARE(p.sourceChangesWhileBusy, 1);
    QCOMPARE(p.log->entries, QStringList{"2 [m] = 2 [m]"});
    QVERIFY(!p.page->Busy());
}

void AllUnitsPageTest::ComposingAddsUnitsToTheSource_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("composed");
    QTest::addColumn<int>("messages");
    const QString length = "Length (root type)";
    ComposeRow("double click twice gives degree 2", "5 []", length, 1, {"double", "double"},
               "5 [km^2]");
    ComposeRow("Numerator appends", "5 [s]", length, 0, {"  Numerator "}, "5 [s.m]");
    ComposeRow("Denominator removes a unit of degree 1", "5 [km]", length, 1, {" Denominator "},
               "5 []");
    ComposeRow("Denominator divides", "5 [m]", "Time (root type)", 0, {" Denominator "}, "5 [m/s]");
    ComposeRow("compound unit adds each factor", "5 [m]", "Speed (comp type)", 1, {"double"},
               "5 [m.km/h]");
    ComposeRow("no units yet", "5", length, 0, {"double"}, "5 [m]");
    ComposeRow("units that do not read are kept", "5 [m//s]", length, 1, {"double"}, "5 [m//s]", 1);
}

void AllUnitsPageTest::ComposingAddsUnitsToTheSource() {
    QFETCH(QString, source);
    QFETCH(QString, category);
    QFETCH(int, row);
    QFETCH(QStringList, clicks);
    QFETCH(QString, composed);
    QFETCH(int, messages);
    TPage p(true);
    p.page->PageSwitch(pkEdit, pkEdit);
    QVERIFY(p.io->EditMode());
    p.io->SetSource(source);
    p.ClickNode(category);
    p.ClickRow("sgSource", row);
    QCOMPARE(p.io->GetSource(), source); // choosing converts nothing here

    for (const QString& click : clicks) {
        if (click == "double")
            p.DoubleClickRow(row);
        else
            QTest::mouseClick(p.Button(click), Qt::LeftButton);
    }

    QCOMPARE(p.io->GetSource(), composed);
    QCOMPARE(p.messages.Texts().size(), messages);
    QVERIFY(p.log->entries.isEmpty());
}

void AllUnitsPageTest::WebSearchButtons() {
    TOpenedUrls opened;
    {
        TPage p;
        QTest::mouseClick(p.Find<QToolButton>("sbSearch4Cat"), Qt::LeftButton);
        QCOMPARE(opened.urls, QStringList()); // nothing chosen yet
        QVERIFY(!p.Find<QToolButton>("sbSearch4Unit")->isVisibleTo(p.page));
        p.ClickNode("Force (mechanics) (root type)");
        p.ClickNode("Mechanics"); // a domain keeps the category searched
        QTest::mouseClick(p.Find<QToolButton>("sbSearch4Cat"), Qt::LeftButton);
        QCOMPARE(opened.urls, QStringList{MakerSearch("?cat=Force++mechanics+&search_eng=1")});
    }
    opened.urls.clear();
    TPage p(true);
    p.page->PageSwitch(pkEdit, pkEdit);
    QVERIFY(p.Find<QToolButton>("sbSearch4Unit")->isVisibleTo(p.page));
    p.ClickNode("Force (mechanics) (root type)");
    p.ClickRow("sgSource", 1);
    QTest::mouseClick(p.Find<QToolButton>("sbSearch4Unit"), Qt::LeftButton);
    QCOMPARE(opened.urls,
             QStringList{MakerSearch("?cat=Force++mechanics+&unit=kilonewton&search_eng=1")});
}

void AllUnitsPageTest::SplitterAndColumnsFollowTheSize() {
    TPage p;
    auto* splitter = p.Find<QSplitter>("Splitter1");
    QWidget* tree = p.Find<QWidget>("pnlTree");
    QWidget* right = p.Find<QWidget>("pnlDimentions");
    auto* target = p.Find<QGroupBox>("gbTarget");
    auto check = [&](double ratio) {
        QCOMPARE(tree->width(), qRound(p.page->width() * ratio));
        QCOMPARE(p.Grid("sgSource")->columnWidth(0), qRound(0.6 * right->width()));
        QCOMPARE(p.Grid("sgTarget")->columnWidth(0), qRound(0.6 * right->width()));
        QCOMPARE(target->height(), qRound(right->height() / 2.0));
    };
    check(0.5);

    QSplitterHandle* handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(120, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(120, 0));
    const double ratio = static_cast<double>(tree->width()) / p.page->width();
    QVERIFY(ratio < 0.4);
    QCOMPARE(p.page->TreeRatio(), ratio);

    const int before = p.page->width();
    p.window.resize(p.window.width() * 3 / 2, p.window.height() * 3 / 2);
    QTRY_VERIFY(p.page->width() > before);
    check(ratio);

    p.page->LoadUnits(); // a reload halves the page again
    check(0.5);
}

void AllUnitsPageTest::EditPageSwitchesTheValueLineMode() {
    TWindow w;
    TfmAllUnits* compose = w.Frame("fmCompose1");
    QVERIFY(compose->ComposeMode());
    QVERIFY(!w.Frame("fmAllUnits1")->ComposeMode());
    QCOMPARE(compose->findChild<QGroupBox*>("gbSource")->title(),
             QString(" Units to be included "));
    QVERIFY(!compose->findChild<QGroupBox*>("gbTarget")->isVisibleTo(compose));
    QCOMPARE(compose->CatName(), QString("Length")); // chosen at start-up
    QCOMPARE(w.Page(), Edit);
    QVERIFY(w.IO()->EditMode());
    QVERIFY(w.IO()->ModeLocked);

    const QList<std::pair<int, bool>> steps = {
        {Simple, false}, {Edit, true}, {Log, false}, {Edit, true}, {AllUnits, false}};
    for (const auto& [page, editMode] : steps) {
        w.ClickTab(page);
        QCOMPARE(w.Page(), page);
        QCOMPARE(w.IO()->EditMode(), editMode);
        QVERIFY(w.IO()->ModeLocked);
    }
    QCOMPARE(w.messages.Texts(), QStringList());
}

void AllUnitsPageTest::CompoundSourceAsksBeforeAllUnits_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("after");
    PromptRow("compound, No goes back", "3 [km/min]", false, true, Simple, "3 [km/min]");
    PromptRow("compound, Yes replaces it", "3 [km/min]", true, true, AllUnits, "3 [m]");
    PromptRow("one known unit", "3 [km]", false, false, AllUnits, "3 [km]");
    PromptRow("empty brackets", "3 []", false, false, AllUnits, "3 [m]");
    PromptRow("unknown unit", "3 [furlong]", false, false, AllUnits, "3 [m]");
    PromptRow("compound with an unknown unit", "3 [km/furlong]", false, false, AllUnits, "3 [m]");
}

void AllUnitsPageTest::CompoundSourceAsksBeforeAllUnits() {
    QFETCH(QString, source);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(int, page);
    QFETCH(QString, after);
    TWindow w("\nPromptB4Delete=1");
    // Units are typed on the Edit page, where the window opens.
    QCOMPARE(w.Page(), Edit);
    w.IO()->SetSource(source);
    w.ClickTab(Simple);
    w.messages.AnswerNext(answer);

    w.ClickTab(AllUnits);

    const QString question = "Cannot find [" + source.mid(3, source.size() - 4) +
                             "] in all units list. Continue ?\n\nDelete it and continue(Yes) or "
                             "go back to the last tab (No)?";
    QCOMPARE(w.messages.Questions(), asked ? QStringList{question} : QStringList());
    QCOMPARE(w.Page(), page);
    QCOMPARE(w.IO()->GetSource(), after);
    QCOMPARE(w.messages.Texts(), QStringList());
    if (page != Simple)
        return;
    // Typing on the page gone back to still converts there.
    QTest::keyClicks(w.IO()->InputLine(), "0");
    QCOMPARE(w.IO()->GetSource(), QString("30 [km/min]"));
    QCOMPARE(w.IO()->GetTarget(), QString("30 [km/min]"));
}

void AllUnitsPageTest::HintsReachTheStatusBar() {
    TWindow w;
    w.ClickTab(AllUnits);
    TfmAllUnits* page = w.Frame("fmAllUnits1");
    auto* tree = page->findChild<TCategoryTree*>("Tree1");
    QTreeWidgetItem* length = tree->topLevelItem(0)->child(0);
    tree->scrollToItem(length); // rows are as high as the font makes them
    HoverOver(tree->viewport(), tree->visualItemRect(length).center());
    QTRY_COMPARE(w.Status(), QString(" Length [m] (root type) how far"));

    auto* grid = page->findChild<TUnitGrid*>("sgTarget");
    grid->scrollToItem(grid->item(1, 1));
    HoverOver(grid->viewport(), grid->visualItemRect(grid->item(1, 1)).center());
    QTRY_COMPARE(w.Status(), QString(" a thousand metres"));
}

void AllUnitsPageTest::SearchFiltersAndEnterChoosesTheMatch() {
    TPage p(true);
    p.page->PageSwitch(pkEdit, pkEdit);
    p.io->SetSource("5 [s]");
    auto shownCategories = [&p] {
        QStringList shown;
        for (QTreeWidgetItemIterator it(p.Tree()); *it; ++it)
            if ((*it)->parent() && !(*it)->isHidden() && !(*it)->parent()->isHidden())
                shown << (*it)->text(0).section(" (", 0, 0);
        return shown;
    };
    auto* search = p.Find<TUnitSearchEdit>("edUnitSearch");
    search->setFocus();
    QTest::keyClicks(search, "KILO");
    QVERIFY(search->isClearButtonEnabled()); // also in a window never shown
    QCOMPARE(shownCategories(), (QStringList{"Length", "Force", "Speed"}));

    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(p.io->GetSource(), "5 [s.km]");
    QStringList rows;
    for (int row = 0; row < p.Grid("sgSource")->rowCount(); ++row)
        if (!p.Grid("sgSource")->isRowHidden(row))
            rows << p.Grid("sgSource")->Symbol(row);
    QCOMPARE(rows, QStringList{"km"});

    search->clear();
    QCOMPARE(shownCategories().size(), 9); // all of them again
    QTest::keyClicks(search, "HR");
    QTest::keyClick(search, Qt::Key_Return); // a word naming no unit adds nothing
    QCOMPARE(p.io->GetSource(), "5 [s.km]");
}

void AllUnitsPageTest::HintOfAUnitWithVariantsNamesThem() {
    TConvert cats;
    cats.LoadFromText(ReadTextFile(ShippedDataPath("Varnel.unt")));
    int cat = -1, unit = -1;
    QVERIFY(cats.FindUnit("oz", cat, unit));
    const QString hint = UnitHint(*cats.Cats(cat)->Units()[unit], cats);
    QVERIFY(ShortHint(hint).startsWith("ounce (avoirdupois) [oz]; not to be taken for"));
    QVERIFY(ShortHint(hint).contains("ounce (troy) [ozt]"));
    QVERIFY(LongHint(hint).startsWith(Text(cats.Cats(cat)->Units()[unit]->Comment())));
    QVERIFY(LongHint(hint).contains("ounce (troy) [ozt]"));
    QVERIFY(cats.FindUnit("m", cat, unit));
    QCOMPARE(ShortHint(UnitHint(*cats.Cats(cat)->Units()[unit], cats)), QString());
}

VARNEL_GUI_TEST_MAIN(AllUnitsPageTest)
#include "AllUnitsPageTest.moc"
