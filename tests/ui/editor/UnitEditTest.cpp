#include "support/EditorTestSupport.h"
#include "support/GuiTestSupport.h"

#include "common/Exception.h"
#include "ui/common/StdText.h"
#include "units/ElementEdit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>

using namespace varnel;
using namespace varnel::test;

namespace {

const char* const Fixture = "editor_units.unt";

QLineEdit* Field(TfrmUnitEdit& editor, const char* name) {
    return EditorControl<QLineEdit>(&editor, name);
}

TXMLUnitType UnitOf(const QTreeWidgetItem* node) {
    return TXMLUnitType(TEditorTree::ElementOf(node).Node());
}

QString PageShown(TfrmUnitEdit& editor) {
    return EditorControl<QStackedWidget>(&editor, "pcSubEditor")->currentWidget()->objectName();
}

} // namespace

class UnitEditTest : public QObject {
    Q_OBJECT

private slots:
    void RefusedFilesKeepThePreviousState_data();
    void RefusedFilesKeepThePreviousState();
    void FormFieldsAreStored_data();
    void FormFieldsAreStored();
    void NewItemsTakeTheirDefaultTypes();
    void CoreUnitOfASupplementalCategoryHasNoConversion();
    void TypeSwitchedAndBackKeepsTheTypedValue();
    void MovesStopAtTheEnds();
    void PasteWorksAfterCutTwiceAndAfterTheTextPage();
    void DeletingTheShownItemLeavesNoForm();
    void ValidationMarksAndSelectsProblems();
};

void UnitEditTest::RefusedFilesKeepThePreviousState_data() {
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QString() << "No unit file. ";
    QTest::newRow("malformed XML") << "<UnitsData><domain></UnitsData>"
                                   << "";
    QTest::newRow("wrong root") << "<Other/>"
                                << "The document element is \"Other\" instead of \"UnitsData\": "
                                   "this is not a units data file.";
    QTest::newRow("empty enabled") << R"(<UnitsData><domain name="D" enabled=""/></UnitsData>)"
                                   << "'' is not a valid integer value";
}

void UnitEditTest::RefusedFilesKeepThePreviousState() {
    QFETCH(QString, content);
    QFETCH(QString, message);
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    if (!content.isNull())
        folder.WriteFile("Bad.unt", content.toStdString());
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        QTreeWidgetItem* mile = SelectNode(editor, "mile [mi]");
        ClickButton(&editor, "tbCopy");
        const QString caption = editor.windowTitle();
        const int domains = editor.Tree()->topLevelItemCount();

        try {
            QVERIFY(!editor.OpenUnitsFile(folder / "Bad.unt"));
            QCOMPARE(messages.Messages().size(), 1);
            QCOMPARE(messages.Messages()[0].Kind, TMessageKind::Error);
            QVERIFY(messages.Texts()[0].startsWith(message));
        } catch (const Exception& error) {
            QCOMPARE(Text(error.Message()), message + Text((folder / "Bad.unt").string()));
        }

        QCOMPARE(editor.FileName, folder / "Varnel.unt");
        QCOMPARE(editor.windowTitle(), caption);
        QCOMPARE(editor.Tree()->topLevelItemCount(), domains);
        QCOMPARE(editor.Tree()->currentItem(), mile);
        Retype(Field(editor, "eUnitName"), "statute mile");
        QCOMPARE(UnitOf(mile).Name(), std::string("statute mile"));
        SelectNode(editor, "Length (root type)");
        ClickButton(&editor, "tbPaste");
        QCOMPARE(FindNode(editor, "Length (root type)")->childCount(), 4);
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
    QCOMPARE(modal.Runs(), 1);
}

void UnitEditTest::FormFieldsAreStored_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("shown");
    QTest::newRow("emptied symbol: the name") << "eUnitSymbol"
                                              << ""
                                              << "symbol"
                                              << "kilometre"
                                              << "kilometre [kilometre]"
                                              << "kilometre";
    QTest::newRow("blanks in a factor") << "meFactor"
                                        << "1 000"
                                        << "factor"
                                        << "1000"
                                        << "kilometre [km]"
                                        << "1000";
    QTest::newRow("quotes in a comment") << "eUnitComment"
                                         << " say \"<km>\" "
                                         << "comment"
                                         << "say &quot;&lt;km&gt;&quot;"
                                         << "kilometre [km]"
                                         << "say \"<km>\"";
}

void UnitEditTest::FormFieldsAreStored() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, attribute);
    QFETCH(QString, stored);
    QFETCH(QString, node);
    QFETCH(QString, shown);
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        QTreeWidgetItem* unitNode = SelectNode(editor, "kilometre [km]");
        QVERIFY(!editor.Modified());
        Retype(Field(editor, qPrintable(field)), typed);
        const TXMLUnitType unit = UnitOf(unitNode);
        QCOMPARE(Text(unit.Node().attribute(qPrintable(attribute)).value()), stored);
        QCOMPARE(unitNode->text(0), node);
        QVERIFY(editor.Modified());

        SelectNode(editor, "mile [mi]");
        SelectNode(editor, node);
        QCOMPARE(Field(editor, qPrintable(field))->text(), shown);
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::NewItemsTakeTheirDefaultTypes() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        SelectNode(editor, "Space");
        ClickButton(&editor, "tbAdd");
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("New category ( type)"));
        QCOMPARE(PageShown(editor), QString("tsCaterogy"));
        QTest::keyClicks(Field(editor, "eCatName"), "s");
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("New categorys (root type)"));

        ClickButton(&editor, "tbAdd");
        QTreeWidgetItem* unit = editor.Tree()->currentItem();
        QCOMPARE(unit->text(0), QString("New Unit []"));
        QTest::keyClicks(Field(editor, "eUnitName"), "x");
        QCOMPARE(UnitOf(unit).Type(), std::string("si-unit"));
        QCOMPARE(unit->text(0), QString("New Unitx [New Unitx]"));
        QVERIFY(unit->font(0).bold());
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::CoreUnitOfASupplementalCategoryHasNoConversion() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        QTreeWidgetItem* hectare = SelectNode(editor, "hectare [ha]");
        auto* enabled = EditorControl<QCheckBox>(&editor, "chkUnitEnabled");
        QTest::mouseClick(enabled, Qt::LeftButton, {}, QPoint(4, enabled->height() / 2));
        QCOMPARE(UnitOf(hectare).Enabled(), 0);
        EditorControl<QComboBox>(&editor, "cbUnitType")->setCurrentIndex(0);
        QCOMPARE(
            EditorControl<QStackedWidget>(&editor, "pcUnitType")->currentWidget()->objectName(),
            QString("tsNoConversion"));
        QVERIFY(!enabled->isEnabled());
        QVERIFY(enabled->isChecked());
        QCOMPARE(UnitOf(hectare).Enabled(), 1);
        QCOMPARE(UnitOf(hectare).Factor(), std::string());
        QCOMPARE(UnitOf(hectare).InBaseUnits(), std::string());
        QCOMPARE(EditorControl<QLabel>(&editor, "lbUnitSymbol")->text(), QString("Unit Symbol"));
        SelectNode(editor, "kilometre per minute [km/min]");
        QCOMPARE(EditorControl<QLabel>(&editor, "lbUnitSymbol")->text(),
                 QString("Unit Definition"));
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::TypeSwitchedAndBackKeepsTheTypedValue() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        QTreeWidgetItem* mile = SelectNode(editor, "mile [mi]");
        Retype(Field(editor, "meFactor"), "1609");
        auto* type = EditorControl<QComboBox>(&editor, "cbUnitType");
        type->setCurrentIndex(2);
        QCOMPARE(UnitOf(mile).Factor(), std::string());
        QTest::keyClicks(Field(editor, "eRule_From"), "#");
        type->setCurrentIndex(1);
        QCOMPARE(Field(editor, "meFactor")->text(), QString("1609"));
        QCOMPARE(UnitOf(mile).Factor(), std::string("1609"));
        QCOMPARE(UnitOf(mile).RuleFrom(), std::string());
        // Another unit shows its own values, never those typed before.
        SelectNode(editor, "degree [dg]");
        QCOMPARE(Field(editor, "meFactor")->text(), QString());
        QCOMPARE(Field(editor, "eRule_To")->text(), QString("#/2"));
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::MovesStopAtTheEnds() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        const QStringList order = ChildTexts(FindNode(editor, "Length (root type)"));
        SelectNode(editor, "metre [m]");
        QVERIFY(!EditorControl<QToolButton>(&editor, "tbUp")->isEnabled());
        editor.tbUpClick(false);
        SelectNode(editor, "mile [mi]");
        QVERIFY(!EditorControl<QToolButton>(&editor, "tbDown")->isEnabled());
        editor.tbUpClick(true);
        QCOMPARE(ChildTexts(FindNode(editor, "Length (root type)")), order);
        QVERIFY(!editor.Modified());

        ClickButton(&editor, "tbUp");
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("mile [mi]"));
        QCOMPARE(PageShown(editor), QString("tsUnit"));
        QCOMPARE(ChildTexts(FindNode(editor, "Length (root type)")),
                 QStringList({"metre [m]", "mile [mi]", "kilometre [km]"}));
        QCOMPARE(editor.EditRoot().Domains()[0].Categories()[0].Units()[1].Name(),
                 std::string("mile"));
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::PasteWorksAfterCutTwiceAndAfterTheTextPage() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        SelectNode(editor, "hectare [ha]");
        ClickButton(&editor, "tbCut");
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("<unit name=\"hectare\""));
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("square metre [m^2]"));
        QTreeWidgetItem* time = SelectNode(editor, "Time (root type)");
        ClickButton(&editor, "tbPaste");
        ClickButton(&editor, "tbPaste");
        QCOMPARE(ChildTexts(time).mid(3), QStringList({"hectare [ha]", "hectare [ha]"}));

        SelectNode(editor, "Area (sup type)");
        ClickButton(&editor, "tbCopy");
        auto* pages = EditorControl<QTabWidget>(&editor, "PageControl1");
        pages->setCurrentIndex(1);
        auto* text = EditorControl<QPlainTextEdit>(&editor, "SynEdit1");
        text->setPlainText(text->toPlainText().replace("statute mile", "land mile"));
        pages->setCurrentIndex(0);
        QCOMPARE(pages->currentIndex(), 0);
        SelectNode(editor, "Space");
        ClickButton(&editor, "tbPaste");
        QCOMPARE(ChildTexts(FindNode(editor, "Space")).last(), QString("Area (sup type)"));
        QCOMPARE(ChildTexts(FindNode(editor, "Space")).size(), 3);
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::DeletingTheShownItemLeavesNoForm() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        SelectNode(editor, "metre [m]");
        ClickButton(&editor, "tbDelete");
        QCOMPARE(PageShown(editor), QString("tsNone"));
        QCOMPARE(editor.EditRoot().Domains()[0].Categories()[0].Units().Count(), 2);

        SelectNode(editor, "Area (sup type)");
        messages.AnswerNext(false);
        ClickButton(&editor, "tbDelete");
        QCOMPARE(messages.Questions(),
                 QStringList({"Delete the category \"Area\" and its 2 units?"}));
        QVERIFY(FindNode(editor, "Area (sup type)"));
        messages.AnswerNext(true);
        ClickButton(&editor, "tbDelete");
        QVERIFY(!FindNode(editor, "Area (sup type)"));
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("Length (root type)"));
        QCOMPARE(PageShown(editor), QString("tsCaterogy"));
        QCOMPARE(editor.EditRoot().Domains()[0].Categories().Count(), 1);
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

void UnitEditTest::ValidationMarksAndSelectsProblems() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        ClickButton(&editor, "tbValidation");
        QCOMPARE(messages.Texts(), QStringList({"V a l i d a t i o n   c o n f i r m e d ."}));
        auto* panel = EditorControl<QWidget>(&editor, "pnlErrors");
        QVERIFY(!panel->isVisible());

        SelectNode(editor, "hectare [ha]");
        Retype(Field(editor, "eUnitSymbol"), "m^2");
        ClickButton(&editor, "tbValidation");
        QVERIFY(panel->isVisible());
        auto* list = EditorControl<QListWidget>(&editor, "lbErrors");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("Duplicated unit symbols"));
        QCOMPARE(FindNode(editor, "hectare [m^2]")->foreground(0).color(), QColor(255, 0, 0));
        QCOMPARE(FindNode(editor, "hectare [m^2]")->toolTip(0),
                 QString("Error: Duplicated unit symbols !"));

        editor.Tree()->collapseAll();
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("square metre [m^2]"));
        QVERIFY(editor.Tree()->currentItem()->parent()->isExpanded());
        // A removed problem item leaves the list with it.
        ClickButton(&editor, "tbDelete");
        QCOMPARE(list->count(), 1);
        emit list->itemDoubleClicked(list->item(0));
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("hectare [m^2]"));
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

VARNEL_GUI_TEST_MAIN(UnitEditTest)
#include "UnitEditTest.moc"
