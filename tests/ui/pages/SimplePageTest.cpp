#include "ui/pages/SimplePage.h"
#include "common/TextFile.h"
#include "convert/Convert.h"
#include "support/GuiTestSupport.h"
#include "ui/pages/SimpleOne.h"
#include "ui/valueline/FrameIO.h"
#include "ui/valueline/SingleRichEdit.h"
#include "ui/valueline/UnitSymbols.h"
#include "ui/window/MainWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

using namespace varnel;
using namespace varnel::test;

namespace {

// Stands in for the Log page: keeps every conversion it is asked to record.
class TRecordingLog : public TfmUnitModule {
    Q_OBJECT

public:
    void LoadUnits() override {}
    void PageSwitch(TPageKind, TPageKind) override {}
    void Refresh() override { Rows << IO->GetSource() + " = " + IO->GetTarget(); }
    void SourceChanged(QObject*) override {}

    QStringList Rows;
};

QString RowPanel(const TfmSimpleOne* row) {
    return row->parentWidget()->objectName();
}

// The value line, the Simple page and both engines, wired as the main window
// wires them while the Simple page is active.
struct TSimplePage {
    explicit TSimplePage(const std::string& fixture = "simple_units.unt") {
        const std::string units = ReadTextFile(FixturePath(fixture));
        iCnv.LoadFromText(units);
        oCnv.LoadFromText(units);
        iCnv.SetKeepValue(true);
        SetUnitSymbols(iCnv.AllUnits().SymbolList({ukCore, ukFactor, ukRule}, false));
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        io = new TfmIO(&window);
        page = new TfmSimple(&window);
        page->setObjectName("fmSimple");
        layout->addWidget(io);
        layout->addWidget(page, 1);
        io->Setup();
        io->ModeLocked = true;
        page->SetEngines(io, &iCnv, &oCnv);
        log.SetEngines(io, &iCnv, &oCnv);
        QObject::connect(io, &TfmIO::ConversionToLog, &log, &TfmUnitModule::Refresh);
        page->LoadUnits();
        window.resize(640, 420);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    // Enters the page with a source, as a switch from another page does.
    void Open(const QString& source) {
        QObject::disconnect(sourceBinding);
        io->SetSource(source);
        io->SetTarget(QString());
        if (io->TargetEmpty())
            io->SetTarget(io->GetSource());
        sourceBinding = QObject::connect(io, &TfmIO::SourceChanged, page,
                                         [this](QObject* sender) { page->SourceChanged(sender); });
        page->PageSwitch(pkEdit, pkSimple);
    }

    TfmSimpleOne* Row(int index) const {
        return page->findChild<TfmSimpleOne*>("iSimples" + QString::number(index));
    }
    static QComboBox* List(TfmSimpleOne* row, const char* name) {
        return row->findChild<QComboBox*>(name);
    }
    static QStringList Entries(QComboBox* list) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return entries;
    }
    // Picks an entry the way a user does: opens the list and clicks it.
    static void Choose(QComboBox* list, const QString& entry) {
        ChooseFromList(list, entry);
        QCOMPARE(list->currentText(), entry);
    }
    static void Click(TfmSimpleOne* row, const char* button) {
        QTest::mouseClick(row->findChild<QToolButton*>(button), Qt::LeftButton);
    }
    // name:panel:degree:b when the degree buttons show:x when the "x" shows.
    QStringList RowSummary() const {
        QStringList rows;
        for (const TfmSimpleOne* row : page->Rows()) {
            if (!row)
                continue;
            const auto* degree = row->findChild<QLabel*>("lbDegree");
            rows << QStringList{row->objectName(), RowPanel(row), degree->text(),
                                row->findChild<QWidget*>("sbDegree")->isVisibleTo(row) ? "b" : "-",
                                row->findChild<QLabel*>("lbX")->isVisibleTo(row) ? "x" : "-"}
                        .join(':');
        }
        return rows;
    }

    TMessageBoxRecorder messages;
    TConvert iCnv;
    TConvert oCnv;
    TRecordingLog log;
    QWidget window;
    TfmIO* io = nullptr;
    TfmSimple* page = nullptr;
    QMetaObject::Connection sourceBinding;
};

using TChoices = QList<QPair<int, QString>>;

} // namespace

Q_DECLARE_METATYPE(TChoices)

class SimplePageTest : public QObject {
    Q_OBJECT

private slots:
    void TypingAndChoosingTargetsInTheWindow();
    void RowsForFactors_data();
    void RowsForFactors();
    void TargetsConvertFactorByFactor_data();
    void TargetsConvertFactorByFactor();
    void DegreeButtons_data();
    void DegreeButtons();
    void AreaUnitsForALengthAtDegreeTwo();
    void SourceUnitChoiceKeepsTheTypedNumber();
    void ListsShowTheUnitCommentAsHint();
    void TypingIntoAListOpensIt();
    void UnitsWrittenFromElsewhereGetTheirOwnRows();
    void ReloadFreesTheRows();
    void EditModeLeavesTheTargetAlone();
    void RowLayoutRule();
};

void SimplePageTest::TypingAndChoosingTargetsInTheWindow() {
    TProgramFolder folder;
    folder.CopyFixture("simple_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(),
                     "UnitFile=Varnel.unt\r\nMultiTabMode=1\r\n");
    TMessageBoxRecorder messages;
    TfrmUnitsConvert window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QTabWidget*>("PageControl1")->setCurrentIndex(0);
    TfmIO* io = window.IO();
    QVERIFY(!io->EditMode());
    io->SetSource(" [km/h]");
    io->InputLine()->setFocus();

    QTest::keyClicks(io->InputLine(), "36");
    QCOMPARE(io->GetTarget(), QString("36 [km/h]"));
    auto* simple = window.findChild<TfmSimple*>("fmSimple");
    TSimplePage::Choose(TSimplePage::List(simple->Rows()[0], "cbOutUnit"), "metre [m]");
    TSimplePage::Choose(TSimplePage::List(simple->Rows()[1], "cbOutUnit"), "second [s]");

    QCOMPARE(io->GetSource(), QString("36 [km/h]"));
    QCOMPARE(io->GetTarget(), QString("10 [m/s]"));
    QCOMPARE(messages.Texts(), QStringList());
}

void SimplePageTest::RowsForFactors_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("target");
    QTest::newRow("no units: no rows, the value passes") << "5" << QStringList() << "5 []";
    QTest::newRow("a temperature alone: one row without degree buttons")
        << "20 [degC]" << QStringList{"iSimples0:pnlUpper:1:-:-"} << "20 [degC]";
    QTest::newRow("a temperature among others: no row, passes unchanged")
        << "20 [degC/s]" << QStringList{"iSimples1:pnlLower:1:b:-"} << "20 [degC/s]";
    QTest::newRow("an unknown symbol: no row, passes unchanged")
        << "3 [xyz/h]" << QStringList{"iSimples1:pnlLower:1:b:-"} << "3 [xyz/h]";
    QTest::newRow("numerator and denominator, x between factors of one panel")
        << "1 [kg.m/s^2]"
        << QStringList{"iSimples0:pnlUpper:1:b:x", "iSimples1:pnlUpper:1:b:-",
                       "iSimples2:pnlLower:2:b:-"}
        << "1 [kg.m/s^2]";
    QTest::newRow("denominator only")
        << "4 [1/min]" << QStringList{"iSimples0:pnlLower:1:b:-"} << "4 [1/min]";
}

void SimplePageTest::RowsForFactors() {
    QFETCH(QString, source);
    QFETCH(QStringList, rows);
    QFETCH(QString, target);
    TSimplePage s;

    s.Open(source);

    QCOMPARE(s.RowSummary(), rows);
    QCOMPARE(s.io->GetTarget(), target);
    QCOMPARE(s.page->Rows().size(), size_t(s.iCnv.DimCount()));
    auto* upper = s.page->findChild<QLabel*>("pnlUpper");
    const bool numerator = rows.join(' ').contains("pnlUpper");
    QCOMPARE(upper->text(), numerator ? QString() : QString("1"));
    QVERIFY(upper->height() >= TfmSimple::MinUpperHeight);
    QCOMPARE(s.messages.Texts(), QStringList());
}

void SimplePageTest::TargetsConvertFactorByFactor_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<TChoices>("choices");
    QTest::addColumn<QString>("target");
    QTest::newRow("speed through length and time")
        << "36 [km/h]" << TChoices{{0, "metre [m]"}, {1, "second [s]"}} << "10 [m/s]";
    QTest::newRow("a temperature by its rule")
        << "20 [degC]" << TChoices{{0, "kelvin [K]"}} << "293.15 [K]";
    QTest::newRow("a temperature without a value: no message, only the units")
        << " [degC]" << TChoices{{0, "degree Fahrenheit [degF]"}} << " [degF]";
    QTest::newRow("beside a rule unit the other factor converts")
        << "20 [degC/s]" << TChoices{{1, "minute [min]"}} << "1200 [degC/min]";
    QTest::newRow("beside an unknown symbol")
        << "3 [xyz/h]" << TChoices{{1, "minute [min]"}} << "0.05 [xyz/min]";
    QTest::newRow("hertz to rpm") << "1 [Hz]" << TChoices{{0, "revolutions per minute [rpm]"}}
                                  << "60 [rpm]";
    QTest::newRow("per minute to rpm")
        << "1 [1/min]" << TChoices{{0, "revolutions per minute [rpm]"}} << "1 [rpm]";
    QTest::newRow("rpm to per second") << "120 [rpm]" << TChoices{{0, "second [s]"}} << "2 [1/s]";
    QTest::newRow("kayser to per metre")
        << "3 [kayser]" << TChoices{{0, "metre [m]"}} << "300 [1/m]";
    QTest::newRow("per hectare to per square metre")
        << "3 [1/ha]" << TChoices{{0, "sq.metre [m^2]"}} << "0.0003 [1/m^2]";
}

void SimplePageTest::TargetsConvertFactorByFactor() {
    QFETCH(QString, source);
    QFETCH(TChoices, choices);
    QFETCH(QString, target);
    TSimplePage s;
    s.Open(source);
    s.log.Rows.clear();

    for (const auto& [row, entry] : choices)
        TSimplePage::Choose(TSimplePage::List(s.Row(row), "cbOutUnit"), entry);

    QCOMPARE(s.io->GetTarget(), target);
    QCOMPARE(s.io->GetSource(), source);
    QCOMPARE(s.log.Rows.size(), choices.size());
    QCOMPARE(s.log.Rows.last(), source + " = " + target);
    QCOMPARE(s.messages.Texts(), QStringList());
}

void SimplePageTest::DegreeButtons_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("newSource");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("firstEntry");
    QTest::newRow("up at 9 stays 9") << "2 [m^9]"
                                     << "sbDegreeUp"
                                     << "2 [m^9]"
                                     << "pnlUpper"
                                     << "metre [m]";
    QTest::newRow("down at 1 stays 1") << "2 [m]"
                                       << "sbDegreeDown"
                                       << "2 [m]"
                                       << "pnlUpper"
                                       << "metre [m]";
    QTest::newRow("up keeps a negative degree in the lower panel") << "2 [1/s^2]"
                                                                   << "sbDegreeUp"
                                                                   << "2 [1/s^3]"
                                                                   << "pnlLower"
                                                                   << "second [s]";
    QTest::newRow("down to the first power attaches the frequency") << "2 [1/s^2]"
                                                                    << "sbDegreeDown"
                                                                    << "2 [1/s]"
                                                                    << "pnlLower"
                                                                    << "second [s]";
    QTest::newRow("up from a length to its volume") << "2 [m^2]"
                                                    << "sbDegreeUp"
                                                    << "2 [m^3]"
                                                    << "pnlUpper"
                                                    << "cub.metre [m^3]";
}

void SimplePageTest::DegreeButtons() {
    QFETCH(QString, source);
    QFETCH(QString, button);
    QFETCH(QString, newSource);
    QFETCH(QString, panel);
    QFETCH(QString, firstEntry);
    TSimplePage s;
    s.Open(source);

    TSimplePage::Click(s.Row(0), qPrintable(button));

    QCOMPARE(s.io->GetSource(), newSource);
    QCOMPARE(RowPanel(s.Row(0)), panel);
    QCOMPARE(TSimplePage::List(s.Row(0), "cbInUnit")->itemText(0), firstEntry);
    QCOMPARE(s.io->GetTarget(), newSource);
    QCOMPARE(s.messages.Texts(), QStringList());
}

void SimplePageTest::AreaUnitsForALengthAtDegreeTwo() {
    TSimplePage s;
    s.Open("3 [m]");

    TSimplePage::Click(s.Row(0), "sbDegreeUp");

    TfmSimpleOne* row = s.Row(0);
    QCOMPARE(s.io->GetSource(), QString("3 [m^2]"));
    QCOMPARE(row->findChild<QLabel*>("lbDegree")->text(), QString("2"));
    QCOMPARE(row->findChild<QLabel*>("pnlCat")->text(), QString());
    QCOMPARE(row->findChild<QLabel*>("sttPlus")->text(), QString("  Length^2"));
    QCOMPARE(row->findChild<QLabel*>("sttL2")->text(), QString(" = Area"));
    const QStringList entries{"sq.metre [m^2]", "sq.kilometre [km^2]", "sq.mile [mi^2]",
                              "sq.centimetre [cm^2]", "hectare [ha]"};
    QCOMPARE(TSimplePage::Entries(TSimplePage::List(row, "cbInUnit")), entries);
    QCOMPARE(TSimplePage::Entries(TSimplePage::List(row, "cbOutUnit")), entries);

    TSimplePage::Choose(TSimplePage::List(row, "cbOutUnit"), "hectare [ha]");
    QCOMPARE(s.io->GetTarget(), QString("0.0003 [ha]"));
    TSimplePage::Choose(TSimplePage::List(row, "cbInUnit"), "hectare [ha]");
    QCOMPARE(s.io->GetSource(), QString("3 [ha]"));
    QCOMPARE(s.io->GetTarget(), QString("3 [ha]"));
    TSimplePage::Choose(TSimplePage::List(row, "cbOutUnit"), "sq.kilometre [km^2]");
    QCOMPARE(s.io->GetTarget(), QString("0.03 [km^2]"));
}

void SimplePageTest::SourceUnitChoiceKeepsTheTypedNumber() {
    TSimplePage s;
    s.Open("1.23456789 [km]");
    TfmSimpleOne* row = s.Row(0);
    QCOMPARE(s.io->GetTarget(), QString("1.234568 [km]"));
    s.log.Rows.clear();

    TSimplePage::Choose(TSimplePage::List(row, "cbInUnit"), "metre [m]");

    QCOMPARE(s.io->SourceLine()->Text(), QString("1.23456789"));
    QCOMPARE(s.io->GetSource(), QString("1.23456789 [m]"));
    QCOMPARE(s.io->GetTarget(), QString("0.001234568 [km]"));
    TSimplePage::Click(row, "sbSI_Target");
    QCOMPARE(s.io->GetTarget(), QString("1.23456789 [m]"));
    TSimplePage::Choose(TSimplePage::List(row, "cbInUnit"), "mile [mi]");
    TSimplePage::Click(row, "sbSI_Source");
    QCOMPARE(s.io->GetSource(), QString("1.23456789 [m]"));
    QCOMPARE(s.log.Rows.size(), 4);
    QCOMPARE(s.log.Rows.first(), QString("1.23456789 [m] = 0.001234568 [km]"));
}

void SimplePageTest::ListsShowTheUnitCommentAsHint() {
    TSimplePage s;
    s.Open("2 [km]");
    QComboBox* target = TSimplePage::List(s.Row(0), "cbOutUnit");
    QCOMPARE(target->statusTip(), QString("a thousand metres"));
    QCOMPARE(target->toolTip(), QString());

    TSimplePage::Choose(target, "mile [mi]");

    QCOMPARE(target->statusTip(), QString("international mile"));
    QCOMPARE(TSimplePage::List(s.Row(0), "cbInUnit")->statusTip(), QString("a thousand metres"));
}

void SimplePageTest::TypingIntoAListOpensIt() {
    TSimplePage s;
    s.Open("2 [km]");
    QComboBox* target = TSimplePage::List(s.Row(0), "cbOutUnit");
    target->setFocus();

    QTest::keyClick(target, Qt::Key_M);

    QTRY_VERIFY(target->view()->isVisible());
    QCOMPARE(target->currentText(), QString("kilometre [km]"));
    target->hidePopup();
    QCOMPARE(s.io->GetTarget(), QString("2 [km]"));
}

void SimplePageTest::UnitsWrittenFromElsewhereGetTheirOwnRows() {
    TSimplePage s;
    s.Open("3 [m]");

    s.io->SetSource("2 [h]");
    QCOMPARE(s.Row(0)->findChild<QLabel*>("pnlCat")->text(), QString("  Time"));
    QCOMPARE(s.io->GetTarget(), QString("2 [h]"));

    // A quantity pasted into the number overrides the units beside it.
    s.io->SourceLine()->selectAll();
    s.io->SourceLine()->insertPlainText("5 [km/min]");
    QCOMPARE(s.io->GetSource(), QString("5 [km/min]"));
    QCOMPARE(s.RowSummary(), (QStringList{"iSimples0:pnlUpper:1:b:-", "iSimples1:pnlLower:1:b:-"}));
    TSimplePage::Choose(TSimplePage::List(s.Row(1), "cbOutUnit"), "second [s]");
    QCOMPARE(s.io->GetTarget(), QString("0.08333333 [km/s]"));
    QCOMPARE(s.messages.Texts(), QStringList());
}

void SimplePageTest::ReloadFreesTheRows() {
    TSimplePage s;
    s.Open("36 [km/h]");
    QVERIFY(s.Row(1));

    s.iCnv.LoadFromText(ReadTextFile(FixturePath("simple_units.unt")));
    s.page->LoadUnits();
    QCOMPARE(s.page->Rows().size(), size_t(0));
    QVERIFY(!s.Row(0));

    s.io->SourceLine()->setFocus();
    QTest::keyClick(s.io->SourceLine(), Qt::Key_7);
    QCOMPARE(s.RowSummary(), (QStringList{"iSimples0:pnlUpper:1:b:-", "iSimples1:pnlLower:1:b:-"}));
    QCOMPARE(s.io->GetTarget(), QString("367 [km/h]"));
}

void SimplePageTest::EditModeLeavesTheTargetAlone() {
    TSimplePage s;
    s.Open("36 [km/h]");
    s.io->ModeLocked = false;
    s.io->SetEditMode(true);
    s.page->FreeRows();
    s.io->SetSource("5 [m]");
    QCOMPARE(s.io->GetTarget(), QString());
    QCOMPARE(s.page->Rows().size(), size_t(0));

    s.io->SetEditMode(false);
    s.page->SourceChanged(nullptr);
    QCOMPARE(s.RowSummary(), QStringList{"iSimples0:pnlUpper:1:b:-"});
    QCOMPARE(s.io->GetTarget(), QString("5 [m]"));
}

void SimplePageTest::RowLayoutRule() {
    TSimplePage s;
    s.Open("2 [km]");
    TfmSimpleOne* row = s.Row(0);
    auto width = [row](const char* name) { return row->findChild<QWidget*>(name)->width(); };
    QCOMPARE(row->height(), TfmSimpleOne::RowHeight);
    const int a = qRound((row->width() - width("pnlDegree") - width("pnlDoubleArrow")) / 3.0);
    QCOMPARE(width("pnlCat"), int(a * 28 / 33.33));
    QCOMPARE(width("pnlSource"), int(a * 36 / 33.33) - 1);
    QCOMPARE(width("pnlTarget"), width("pnlSource"));
    QCOMPARE(width("cbInUnit"), width("pnlSource") - width("sbSI_Source") - 9);
    QCOMPARE(row->findChild<QWidget*>("sbSI_Source")->x(), width("cbInUnit") + 6);

    s.page->SetShowSI(false);

    QVERIFY(!row->findChild<QWidget*>("sbSI_Target")->isVisibleTo(row));
    QCOMPARE(width("cbInUnit"), width("pnlSource") - 6);
    QCOMPARE(width("cbOutUnit"), width("cbInUnit"));
}

VARNEL_GUI_TEST_MAIN(SimplePageTest)
#include "SimplePageTest.moc"
