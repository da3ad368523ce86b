#include "ui/integrated/IntegConv.h"
#include "common/FormatValue.h"
#include "common/HelpTopics.h"
#include "support/GuiTestSupport.h"
#include "ui/common/HelpViewer.h"
#include "ui/log/LogPage.h"
#include "ui/options/OptCont.h"
#include "ui/pages/SimpleOne.h"
#include "ui/pages/SimplePage.h"
#include "ui/pages/UnitSearchEdit.h"
#include "ui/valueline/FrameIO.h"
#include "ui/window/MainWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

// The window started in a program folder holding the fixture as its units
// data; without settings lines there is no settings file, as at a first start.
struct TStartedWindow {
    explicit TStartedWindow(const std::string& settings = "UnitFile=Varnel.unt",
                            const std::function<void(TProgramFolder&)>& prepare = {}) {
        folder.CopyFixture("integ_units.unt", "Varnel.unt");
        if (prepare)
            prepare(folder);
        if (!settings.empty()) {
            std::string text;
            for (const QString& line : QString::fromStdString(settings).split('\n'))
                text += line.toStdString() + "\r\n";
            folder.WriteFile(SettingsFile().filename().string(), text);
        }
        window = std::make_unique<TfrmUnitsConvert>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    ~TStartedWindow() {
        window.reset();
        CloseHelpViewer();
    }

    template <class T> T* Find(const char* name) const { return Integ()->findChild<T*>(name); }
    TfmIO* IO() const { return window->IO(); }
    TfmIntegConv* Integ() const { return window->IntegConv(); }
    TfmSimple* Simple() const { return window->findChild<TfmSimple*>("fmSimple"); }
    TfmUnitLog* Log() const { return window->findChild<TfmUnitLog*>("fmUnitLog"); }
    QTabWidget* Pages() const {
        return window->centralWidget()->findChild<QTabWidget*>("PageControl1",
                                                               Qt::FindDirectChildrenOnly);
    }
    QTreeWidget* Tree() const { return Find<QTreeWidget>("Tree1"); }
    QWidget* Input() const { return IO()->InputLine(); }

    QTreeWidgetItem* Node(const QString& text) const {
        const QList<QTreeWidgetItem*> found =
            Tree()->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.first();
    }
    // Clicks a node (a collapsed domain opens to show it); the centre of the
    // node clicked.
    QPoint Select(const QString& text) const {
        QTreeWidgetItem* node = Node(text);
        if (!node)
            return {};
        Tree()->scrollToItem(node);
        const QPoint centre = Tree()->visualItemRect(node).center();
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, centre);
        return centre;
    }
    void DoubleClick(const QString& text) const {
        QTest::mouseDClick(Tree()->viewport(), Qt::LeftButton, {}, Select(text));
    }
    void Click(const char* button) const {
        auto* tool = Find<QToolButton>(button);
        QVERIFY2(tool && tool->isEnabled(), button);
        QTest::mouseClick(tool, Qt::LeftButton);
    }
    // Replaces the input line's text by typing.
    void Type(const QString& text) const {
        Input()->setFocus();
        QTest::keyClick(Input(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Input(), Qt::Key_Delete);
        QTest::keyClicks(Input(), text);
    }

    QList<TfmSimpleOne*> Rows() const {
        QList<TfmSimpleOne*> rows;
        for (TfmSimpleOne* row : Simple()->Rows())
            if (row)
                rows.append(row);
        return rows;
    }
    QStringList RowPanels() const {
        QStringList panels;
        for (TfmSimpleOne* row : Rows())
            panels << row->parentWidget()->objectName();
        return panels;
    }
    // Picks a target unit the way a user does: opens the list, clicks.
    void ChooseTarget(int row, const QString& entry) const {
        auto* list = Rows().value(row)->findChild<QComboBox*>("cbOutUnit");
        QVERIFY(list);
        ChooseFromList(list, entry);
    }
    QString LogCell(int row, int column) const {
        const QTableWidgetItem* item = Log()->findChild<QTableWidget*>("sgLog")->item(row, column);
        return item ? item->text().trimmed() : QString();
    }
    int LogRows() const { return Log()->findChild<QTableWidget*>("sgLog")->rowCount(); }

    TProgramFolder folder;
    TMessageBoxRecorder messages;
    std::unique_ptr<TfrmUnitsConvert> window;
};

bool Inside(const QWidget* widget, const QWidget* container) {
    return widget && container && container->isAncestorOf(widget);
}

// Chooses the environment in the options window and confirms it.
void ChooseMode(TfrmUnitsConvert& window, bool multiTab) {
    QTimer::singleShot(0, &window, [&window, multiTab] {
        QDialog* dialog = window.OptionsWindow();
        QTRY_VERIFY(dialog->isVisible());
        dialog->findChild<QTabWidget*>("pcUserMode")->setCurrentIndex(multiTab ? 1 : 0);
        QTest::mouseClick(dialog->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);
}

} // namespace

class IntegConvTest : public QObject {
    Q_OBJECT

private slots:
    void FirstStartOpensTheIntegratedView();
    void TreeShowsEnabledCategoriesWithTheirCoreUnit();
    void DomainButtonsExpandTheirDomain();
    void ComposingFollowsTheTreeSelection();
    void EditModeFreesAndRebuildsTheRows_data();
    void EditModeFreesAndRebuildsTheRows();
    void PickingCategories_data();
    void PickingCategories();
    void PickingInEditModeChangesOnlyTheSource();
    void PickingKeepsTheChosenTargetUnit();
    void SourceBackConvertsThroughTheRows();
    void OptionsSwitchModesKeepingValueAndLog();
    void ReloadRebuildsTheTreeAndKeepsTheSource();
    void ReloadInMultiTabModeBindsTheModeChange();
    void HelpOpensTheIntegratedTopic_data();
    void HelpOpensTheIntegratedTopic();
    void RightPartKeepsItsShareOfTheWidth();
    void SearchFiltersTheTreeAndEnterAddsTheMatch();
};

namespace {

// Puts a whole quantity into the value line the way a user does: edit mode,
// typing, Enter.
void TypeQuantity(const TStartedWindow& w, const QString& quantity) {
    if (!w.IO()->EditMode())
        w.Click("tbEditMode");
    w.Type(quantity);
    QTest::keyClick(w.Input(), Qt::Key_Return);
}

// Runs "dbl:<node>", "num:<node>" or "den:<node>" on the tree.
void Pick(const TStartedWindow& w, const QString& action) {
    const QString node = action.mid(4);
    QVERIFY2(w.Node(node), qPrintable(node));
    if (action.startsWith("dbl:")) {
        w.DoubleClick(node);
        return;
    }
    w.Select(node);
    w.Click(action.startsWith("num:") ? "tbNomer" : "tbDenomin");
}

QStringList DomainButtonTexts(const TStartedWindow& w) {
    QStringList texts;
    QLayout* layout = w.Find<QWidget>("tbarDomains")->layout();
    for (int i = 0; i < layout->count(); ++i) {
        QWidget* item = layout->itemAt(i)->widget();
        auto* button = qobject_cast<QToolButton*>(item);
        texts << (button ? button->text() : QString("|"));
    }
    return texts;
}

QStringList ExpandedDomains(const TStartedWindow& w) {
    QStringList expanded;
    for (int i = 0; i < w.Tree()->topLevelItemCount(); ++i)
        if (w.Tree()->topLevelItem(i)->isExpanded())
            expanded << w.Tree()->topLevelItem(i)->text(0);
    return expanded;
}

} // namespace

void IntegConvTest::FirstStartOpensTheIntegratedView() {
    TStartedWindow w("");

    QVERIFY(w.window->UnitsLoaded());
    QVERIFY(!w.window->IsMultiTab());
    QVERIFY(w.Integ()->isVisible());
    QVERIFY(!w.Pages()->isVisible());
    QVERIFY(Inside(w.IO(), w.Integ()->findChild<QWidget*>("pnlIO")));
    QVERIFY(Inside(w.Simple(), w.Integ()->findChild<QWidget*>("Panel1")));
    QVERIFY(Inside(w.Log(), w.Integ()->findChild<QWidget*>("tsILog")));
    QVERIFY(w.IO()->isVisible());
    QVERIFY(!w.IO()->ModeLocked);
    QVERIFY(!w.IO()->EditMode());
    QVERIFY(!w.Simple()->ShowSI());
    QVERIFY(!w.Log()->ShowTime());
    QCOMPARE(w.window->statusBar()->currentMessage(), QString());
    QCOMPARE(w.window->size(), QSize(640, 420));
    QCOMPARE(w.Find<QTabWidget>("PageControl1")->currentWidget()->objectName(),
             QString("tsCategories"));
    // Nothing to convert yet: the view says what to do instead of an empty panel.
    QVERIFY(w.Find<QLabel>("lbGuide")->isVisible());
    QVERIFY(!w.Simple()->isVisible());

    // Typing converts at once, as the value line's changes reach the rows.
    w.Type("36");
    w.DoubleClick("Length [m]");
    QCOMPARE(w.IO()->GetSource(), QString("36 [m]"));
    QCOMPARE(w.IO()->GetTarget(), QString("36 [m]"));
    QVERIFY(w.Simple()->isVisible());
    QVERIFY(!w.Find<QLabel>("lbGuide")->isVisible());
    w.ChooseTarget(0, "kilometre [km]");
    QCOMPARE(w.IO()->GetTarget(), QString("0.036 [km]"));
}

void IntegConvTest::TreeShowsEnabledCategoriesWithTheirCoreUnit() {
    TStartedWindow w;
    QStringList domains;
    QStringList categories;
    for (int d = 0; d < w.Tree()->topLevelItemCount(); ++d) {
        QTreeWidgetItem* domain = w.Tree()->topLevelItem(d);
        domains << domain->text(0);
        QVERIFY(domain->font(0).bold() && domain->font(0).italic());
        for (int c = 0; c < domain->childCount(); ++c)
            categories << domain->child(c)->text(0);
    }
    QCOMPARE(domains, (QStringList{"Space", "Time and rate", "Mechanics", "Heat"}));
    QCOMPARE(categories, (QStringList{"Length [m]", "Area [m^2]", "Time [s]", "Frequency [1/s]",
                                      "Mass [kg]", "Speed [m/s]", "Count []", "Temperature [K]"}));
    // Only the first domain is open at first.
    QCOMPARE(ExpandedDomains(w), QStringList{"Space"});

    QTreeWidgetItem* length = w.Node("Length [m]");
    HoverOver(w.Tree()->viewport(), w.Tree()->visualItemRect(length).center());
    QTRY_COMPARE(w.window->statusBar()->currentMessage(),
                 QString(" Length [m] (root type) distance"));
}

void IntegConvTest::DomainButtonsExpandTheirDomain() {
    TStartedWindow w;
    // Every domain of the file has a button, the disabled one too; a domain
    // without a comment is named by its name.
    QCOMPARE(DomainButtonTexts(w),
             (QStringList{"All", "|", "Space", "Time", "Mechanics", "Heat", "Old"}));

    auto click = [&w](const QString& text) {
        for (QToolButton* button : w.Find<QWidget>("tbarDomains")->findChildren<QToolButton*>())
            if (button->text() == text)
                QTest::mouseClick(button, Qt::LeftButton);
    };
    click("Time");
    QCOMPARE(ExpandedDomains(w), QStringList{"Time and rate"});
    click("All");
    QCOMPARE(ExpandedDomains(w).size(), 4);
    click("Old");
    QCOMPARE(ExpandedDomains(w), QStringList());
    click("Mechanics");
    QCOMPARE(ExpandedDomains(w), QStringList{"Mechanics"});
}

void IntegConvTest::ComposingFollowsTheTreeSelection() {
    TStartedWindow w;
    auto* numer = w.Find<QToolButton>("tbNomer");
    auto* denom = w.Find<QToolButton>("tbDenomin");

    w.Select("Space");
    QVERIFY(!numer->isEnabled() && !denom->isEnabled());
    w.Select("Area [m^2]");
    QVERIFY(numer->isEnabled() && denom->isEnabled());
    w.Tree()->clearSelection();
    QVERIFY(!numer->isEnabled() && !denom->isEnabled());
}

void IntegConvTest::EditModeFreesAndRebuildsTheRows_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("[") << "[";
    QTest::newRow("tbEditMode") << "tbEditMode";
}

void IntegConvTest::EditModeFreesAndRebuildsTheRows() {
    QFETCH(QString, how);
    TStartedWindow w;
    w.Type("36");
    Pick(w, "dbl:Length [m]");
    Pick(w, "den:Time [s]");
    QCOMPARE(w.Rows().size(), 2);

    w.Input()->setFocus();
    if (how == "tbEditMode")
        w.Click("tbEditMode");
    else if (how == "[")
        QTest::keyClicks(w.Input(), "[");
    else
        QTest::keyClick(w.Input(), Qt::Key_Return);

    QVERIFY(w.IO()->EditMode());
    QVERIFY(w.Find<QToolButton>("tbEditMode")->isChecked());
    QVERIFY(w.Rows().isEmpty());
    QVERIFY(w.Find<QLabel>("lbGuide")->isVisible());

    w.Type("7 [mi/h]");
    if (how == "tbEditMode")
        w.Click("tbEditMode");
    else
        QTest::keyClick(w.Input(), Qt::Key_Return);

    QVERIFY(!w.IO()->EditMode());
    QVERIFY(!w.Find<QToolButton>("tbEditMode")->isChecked());
    QCOMPARE(w.RowPanels(), (QStringList{"pnlUpper", "pnlLower"}));
    QCOMPARE(w.IO()->GetSource(), QString("7 [mi/h]"));
    QCOMPARE(w.IO()->GetTarget(), QString("7 [mi/h]"));
    w.ChooseTarget(1, "second [s]");
    QCOMPARE(w.IO()->GetTarget(), QString::fromStdString(FormatValue(7.0 / 3600)) + " [mi/s]");
}

void IntegConvTest::PickingCategories_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("panels");

    const QStringList upper{"pnlUpper"};
    QTest::newRow("a length twice on a bare number")
        << "5" << QStringList{"dbl:Length [m]", "dbl:Length [m]"} << "5 [m^2]" << upper;
    QTest::newRow("Denom. gives degree -1")
        << "5" << QStringList{"den:Length [m]"} << "5 [1/m]" << QStringList{"pnlLower"};
    QTest::newRow("a length raises the unit the source has")
        << "2 [km]" << QStringList{"num:Length [m]"} << "2 [km^2]" << upper;
    QTest::newRow("a length folds an area unit into one power")
        << "3 [ha]" << QStringList{"dbl:Length [m]"} << "3 [m^3]" << upper;
    QTest::newRow("a length takes a reciprocal area unit down one power")
        << "3 [1/ha]" << QStringList{"num:Length [m]"} << "3 [1/m]" << QStringList{"pnlLower"};
    QTest::newRow("a time below folds a frequency unit, which is time^-1")
        << "120 [rpm]" << QStringList{"den:Time [s]"} << "120 [1/s^2]" << QStringList{"pnlLower"};
    QTest::newRow("a compound category adds each of its units")
        << "4" << QStringList{"num:Speed [m/s]"} << "4 [m/s]"
        << QStringList{"pnlUpper", "pnlLower"};
    QTest::newRow("the enabled core unit, not a disabled one")
        << "1" << QStringList{"dbl:Mass [kg]"} << "1 [kg]" << upper;
    QTest::newRow("a category without core unit adds nothing")
        << "7 [km]" << QStringList{"num:Count []", "dbl:Count []"} << "7 [km]" << upper;
    QTest::newRow("a domain adds nothing")
        << "7 [km]" << QStringList{"dbl:Heat"} << "7 [km]" << upper;
}

void IntegConvTest::PickingCategories() {
    QFETCH(QString, source);
    QFETCH(QStringList, picks);
    QFETCH(QString, result);
    QFETCH(QStringList, panels);
    TStartedWindow w;
    if (source.contains('['))
        TypeQuantity(w, source);
    else
        w.Type(source);
    const QString sourceBefore = w.IO()->GetSource();
    const int logRows = w.LogRows();

    for (const QString& pick : picks)
        Pick(w, pick);

    QCOMPARE(w.IO()->GetSource(), result);
    QCOMPARE(w.IO()->GetTarget(), result);
    QCOMPARE(w.RowPanels(), panels);
    QVERIFY(w.messages.Texts().isEmpty());
    if (result == sourceBefore) {
        QCOMPARE(w.LogRows(), logRows);
    } else {
        QCOMPARE(w.LogCell(0, 1), result);
        QCOMPARE(w.LogCell(0, 3), result);
    }
}

void IntegConvTest::PickingInEditModeChangesOnlyTheSource() {
    TStartedWindow w;
    w.Click("tbEditMode");
    w.Type("5 [km]");

    Pick(w, "num:Time [s]");
    Pick(w, "num:Length [m]");

    QVERIFY(w.IO()->EditMode());
    QCOMPARE(w.IO()->GetSource(), QString("5 [km^2.s]"));
    QVERIFY(w.IO()->TargetEmpty());
    QVERIFY(w.Rows().isEmpty());
    QCOMPARE(w.LogRows(), 1);
    QCOMPARE(w.LogCell(0, 1), QString());
}

void IntegConvTest::PickingKeepsTheChosenTargetUnit() {
    TStartedWindow w;
    TypeQuantity(w, "2 [km]");
    w.ChooseTarget(0, "mile [mi]");
    QCOMPARE(w.IO()->GetTarget(), QString::fromStdString(FormatValue(2000 / 1609.344)) + " [mi]");

    Pick(w, "num:Length [m]");

    QCOMPARE(w.IO()->GetSource(), QString("2 [km^2]"));
    QCOMPARE(w.IO()->GetTarget(),
             QString::fromStdString(FormatValue(2.0e6 / (1609.344 * 1609.344))) + " [mi^2]");
}

void IntegConvTest::SourceBackConvertsThroughTheRows() {
    TStartedWindow w("UnitFile=Varnel.unt", [](TProgramFolder& folder) {
        folder.WriteFile("ZureVave.log", " 1.1.26 10:00:00  \t  3 [km]\t  =  \t3000 [m]\r\n");
    });
    auto* tabs = w.Find<QTabWidget>("PageControl1");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(1).center());
    QVERIFY(w.Log()->isVisible());
    auto* grid = w.Log()->findChild<QTableWidget*>("sgLog");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualItemRect(grid->item(0, 1)).center());

    QTest::mouseClick(w.Log()->findChild<QToolButton*>("tbSourceBack"), Qt::LeftButton);

    QCOMPARE(w.IO()->GetSource(), QString("3 [km]"));
    QCOMPARE(w.RowPanels(), QStringList{"pnlUpper"});
    // The logged target comes back with its units.
    QCOMPARE(w.IO()->GetTarget(), QString("3000 [m]"));
    w.ChooseTarget(0, "kilometre [km]");
    QCOMPARE(w.IO()->GetTarget(), QString("3 [km]"));
}

void IntegConvTest::OptionsSwitchModesKeepingValueAndLog() {
    TStartedWindow w;
    w.Type("36");
    Pick(w, "dbl:Length [m]");
    Pick(w, "den:Time [s]");
    w.ChooseTarget(0, "kilometre [km]");
    w.ChooseTarget(1, "hour [h]");
    QCOMPARE(w.IO()->GetTarget(), QString("129.6 [km/h]"));
    const int logRows = w.LogRows();
    const QString newest = w.LogCell(0, 1) + " = " + w.LogCell(0, 3);
    QCOMPARE(newest, QString("36 [m/s] = 129.6 [km/h]"));

    ChooseMode(*w.window, true);

    QVERIFY(w.window->IsMultiTab());
    QVERIFY(w.Pages()->isVisible());
    QVERIFY(!w.Integ()->isVisible());
    QVERIFY(!Inside(w.IO(), w.Integ()));
    QVERIFY(w.IO()->isVisible());
    QVERIFY(Inside(w.Simple(), w.window->findChild<QWidget*>("tsSimple")));
    QVERIFY(Inside(w.Log(), w.window->findChild<QWidget*>("tsLog")));
    QCOMPARE(w.Pages()->currentIndex(), 0);
    QVERIFY(w.IO()->ModeLocked);
    QVERIFY(w.Simple()->ShowSI() && w.Log()->ShowTime());
    QCOMPARE(w.IO()->GetSource(), QString("36 [m/s]"));
    QCOMPARE(w.LogRows(), logRows);
    QCOMPARE(w.LogCell(0, 1) + " = " + w.LogCell(0, 3), newest);
    w.Type("72");
    QCOMPARE(w.IO()->GetTarget(), QString("259.2 [km/h]"));

    ChooseMode(*w.window, false);

    QVERIFY(!w.window->IsMultiTab());
    QVERIFY(w.Integ()->isVisible());
    QVERIFY(!w.Pages()->isVisible());
    QVERIFY(Inside(w.IO(), w.Integ()->findChild<QWidget*>("pnlIO")));
    QVERIFY(Inside(w.Simple(), w.Integ()));
    QVERIFY(Inside(w.Log(), w.Integ()));
    QVERIFY(!w.IO()->ModeLocked);
    QVERIFY(!w.Simple()->ShowSI() && !w.Log()->ShowTime());
    QCOMPARE(w.IO()->GetSource(), QString("72 [m/s]"));
    QCOMPARE(w.IO()->GetTarget(), QString("259.2 [km/h]"));
    QCOMPARE(w.Rows().size(), 2);
    QVERIFY(w.LogRows() >= logRows);
    w.Type("10");
    QCOMPARE(w.IO()->GetTarget(), QString("36 [km/h]"));
    Pick(w, "num:Mass [kg]");
    QCOMPARE(w.IO()->GetSource(), QString("10 [m.kg/s]"));
    QCOMPARE(w.IO()->GetTarget(), QString("36 [km.kg/h]"));
    QVERIFY(w.messages.Texts().isEmpty());
}

void IntegConvTest::ReloadRebuildsTheTreeAndKeepsTheSource() {
    TStartedWindow w;
    w.folder.CopyFixture("integ_other.unt", "Other.unt");
    TypeQuantity(w, "3 [km]");

    w.window->ReloadUnits((w.folder / "Other.unt").string());

    QCOMPARE(w.Tree()->topLevelItemCount(), 1);
    QVERIFY(w.Node("Volume [m^3]"));
    QVERIFY(!w.Node("Time [s]"));
    QCOMPARE(DomainButtonTexts(w), (QStringList{"All", "|", "Imp"}));
    QCOMPARE(w.IO()->GetSource(), QString("3 [km]"));
    QCOMPARE(w.Rows().size(), 1);
    QVERIFY(!w.IO()->ModeLocked);
    QVERIFY(w.Integ()->isVisible());
    Pick(w, "dbl:Length [m]");
    QCOMPARE(w.IO()->GetSource(), QString("3 [km^2]"));
}

void IntegConvTest::ReloadInMultiTabModeBindsTheModeChange() {
    TStartedWindow w("UnitFile=Varnel.unt\nMultiTabMode=1");
    QVERIFY(!w.Integ()->ModeChangeBound());
    QVERIFY(!w.Integ()->isVisible());
    w.folder.CopyFixture("integ_other.unt", "Other.unt");

    w.window->ReloadUnits((w.folder / "Other.unt").string());

    QVERIFY(w.Integ()->ModeChangeBound());
    QVERIFY(w.IO()->ModeLocked);
    QVERIFY(w.Simple()->ShowSI());
    QVERIFY(w.Simple()->isVisibleTo(w.window->findChild<QWidget*>("tsSimple")));
    QVERIFY(w.IO()->EditMode());
    w.IO()->SetSource("2 [km]");
    w.Pages()->setCurrentIndex(0);
    QCOMPARE(w.Rows().size(), 1);

    // Entering the Edit page switches the value line to edit mode: the Simple
    // rows go through the integrated view's binding, as the units are typed.
    w.Pages()->setCurrentIndex(3);
    QVERIFY(w.IO()->EditMode());
    QVERIFY(w.Rows().isEmpty());
    w.Pages()->setCurrentIndex(0);
    QCOMPARE(w.Rows().size(), 1);
    QVERIFY(w.Simple()->isVisible());
    QVERIFY(!w.Integ()->isVisible());
}

void IntegConvTest::HelpOpensTheIntegratedTopic_data() {
    QTest::addColumn<bool>("f1");
    QTest::newRow("F1") << true;
    QTest::newRow("Help button") << false;
}

void IntegConvTest::HelpOpensTheIntegratedTopic() {
    QFETCH(bool, f1);
    TStartedWindow w;
    if (f1) {
        w.Input()->setFocus();
        QTest::keyClick(w.Input(), Qt::Key_F1);
    } else {
        QTest::mouseClick(w.window->findChild<QPushButton*>("btnHelp1"), Qt::LeftButton);
    }
    QVERIFY(OpenHelpViewer() && OpenHelpViewer()->isVisible());
    QCOMPARE(OpenHelpViewer()->CurrentTopic(), HelpTopic::IntegratedConverter);
}

void IntegConvTest::RightPartKeepsItsShareOfTheWidth() {
    TStartedWindow w;
    auto* right = w.Find<QTabWidget>("PageControl1");
    auto share = [&w, right] { return double(right->width()) / w.Integ()->width(); };
    QVERIFY(qAbs(share() - 0.41) < 0.01);

    w.window->resize(1000, 600);
    QTRY_VERIFY(qAbs(share() - 0.41) < 0.01);

    // The user's split holds when the window is resized again.
    auto* splitter = w.Find<QSplitter>("Splitter1");
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip - QPoint(100, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip - QPoint(100, 0));
    const double moved = share();
    QVERIFY(moved > 0.45);
    w.window->resize(800, 500);
    QTRY_VERIFY(qAbs(share() - moved) < 0.01);
}

void IntegConvTest::SearchFiltersTheTreeAndEnterAddsTheMatch() {
    TStartedWindow w;
    w.Type("36");
    auto* search = w.Find<TUnitSearchEdit>("edUnitSearch");
    search->setFocus();
    QTest::keyClicks(search, "KILOM");
    QStringList shown;
    for (int d = 0; d < w.Tree()->topLevelItemCount(); ++d)
        for (int c = 0; c < w.Tree()->topLevelItem(d)->childCount(); ++c)
            if (!w.Tree()->topLevelItem(d)->child(c)->isHidden())
                shown << w.Tree()->topLevelItem(d)->child(c)->text(0);
    QCOMPARE(shown, (QStringList{"Length [m]", "Speed [m/s]"}));

    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(w.IO()->GetSource(), QString("36 [km]"));
    QCOMPARE(w.IO()->GetTarget(), QString("36 [km]"));

    // The field sits on the way from the domain buttons to the tree.
    QTest::keyClick(search, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Tree()));
    QTest::keyClick(w.Tree(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(search));
}

VARNEL_GUI_TEST_MAIN(IntegConvTest)
#include "IntegConvTest.moc"
