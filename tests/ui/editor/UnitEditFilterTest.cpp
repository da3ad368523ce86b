#include "support/EditorTestSupport.h"
#include "support/GuiTestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>

using namespace varnel;
using namespace varnel::test;

namespace {

void Tick(TfrmUnitEdit& editor, const char* list, const QString& text) {
    auto* items = EditorControl<QListWidget>(&editor, list);
    items->findItems(text, Qt::MatchExactly).first()->setCheckState(Qt::Checked);
}

QString Cell(TfrmUnitEdit& editor, int row, int column) {
    QTableWidgetItem* item = EditorControl<QTableWidget>(&editor, "sgStats")->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class UnitEditFilterTest : public QObject {
    Q_OBJECT

private slots:
    void SwitchingOffGreysAtOnceAndCancelAsks();
    void StatisticsCountEveryDomainAndClearOnError();
};

void UnitEditFilterTest::SwitchingOffGreysAtOnceAndCancelAsks() {
    TProgramFolder folder;
    folder.CopyFixture("editor_units.unt", "Varnel.unt");
    const std::string original = folder.ReadFile("Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog& dialog) {
        ClickButton(&editor, "tbFilter");
        QVERIFY(editor.FilterMode());
        QVERIFY(!EditorControl<QToolButton>(&editor, "tbDelete")->isEnabled());
        auto* domains = EditorControl<QListWidget>(&editor, "chkFilterDomain");
        QCOMPARE(domains->count(), 2); // "Hidden" is disabled
        QCOMPARE(domains->item(1)->text(), QString("Time"));

        Tick(editor, "chkFilterKW", "length");
        ClickButton(&editor, "tbSwtchDisabled");
        QVERIFY(!editor.Modified()); // no domain ticked
        Tick(editor, "chkFilterDomain", "Space");
        ClickButton(&editor, "tbSwtchDisabled");
        QCOMPARE(FindNode(editor, "mile [mi]")->foreground(0).color(), QColor(128, 128, 128));
        QVERIFY(FindNode(editor, "hectare [ha]")->foreground(0).color() != QColor(128, 128, 128));
        QVERIFY(editor.Modified());

        ClickButton(&editor, "tbCancel");
        QVERIFY(dialog.isVisible());
        messages.AnswerNext(true);
        ClickButton(&editor, "tbCancel");
    });
    QVERIFY(!editor.OpenUnitsFile(folder / "Varnel.unt"));
    QCOMPARE(messages.Questions().size(), 2);
    QCOMPARE(folder.ReadFile("Varnel.unt"), original);
}

void UnitEditFilterTest::StatisticsCountEveryDomainAndClearOnError() {
    TProgramFolder folder;
    folder.CopyFixture("editor_units.unt", "Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog&) {
        SelectNode(editor, "degree [dg]");
        ClickButton(&editor, "tbFilter");
        ClickButton(&editor, "tbStats");
        // Categories 5 of 5; units 11, one disabled; conversions 3 + 2 + 1 + 3
        // units, and 3 x 3 for the speed.
        const QStringList figures = {Cell(editor, 1, 1), Cell(editor, 1, 2), Cell(editor, 2, 1),
                                     Cell(editor, 2, 2), Cell(editor, 2, 3)};
        QCOMPARE(figures, QStringList({"5", "5", "10", "11", "18"}));

        ClickButton(&editor, "tbFilter");
        QCOMPARE(editor.Tree()->currentItem()->text(0), QString("degree [dg]"));
        SelectNode(editor, "metre per second [m/s]");
        Retype(editor, "eUnitSymbol", "m/x");
        ClickButton(&editor, "tbFilter");
        ClickButton(&editor, "tbStats");
        QCOMPARE(messages.Texts(), QStringList({"problem with m/x unit"}));
        QCOMPARE(Cell(editor, 2, 3), QString());
        messages.AnswerNext(true);
    });
    editor.OpenUnitsFile(folder / "Varnel.unt");
}

VARNEL_GUI_TEST_MAIN(UnitEditFilterTest)
#include "UnitEditFilterTest.moc"
