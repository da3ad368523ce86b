#include "support/EditorTestSupport.h"
#include "support/GuiTestSupport.h"

#include "convert/Convert.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/StdText.h"
#include "ui/options/OptCont.h"
#include "ui/options/UnitOptions.h"
#include "ui/window/MainWindow.h"

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <set>

#include <unistd.h>

using namespace varnel;
using namespace varnel::test;

namespace {

const char* const Fixture = "editor_units.unt";

std::set<std::string> FilesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Answers the save dialog with one path while alive.
struct TSaveAnswer {
    explicit TSaveAnswer(const std::filesystem::path& path) {
        SetSaveDialogFunction([path](const TFileDialogRequest&) { return Text(path.string()); });
    }
    ~TSaveAnswer() { SetSaveDialogFunction({}); }
};

} // namespace

class UnitEditSavingTest : public QObject {
    Q_OBJECT

private slots:
    void DoneWritesTheDocumentAndKeepsOneBackup();
    void SaveAsWritesAnotherFileAndStaysOpen();
    void FailedWriteKeepsTheWindowAndTheFile_data();
    void FailedWriteKeepsTheWindowAndTheFile();
    void EditsAreNotDiscardedWithoutAsking_data();
    void EditsAreNotDiscardedWithoutAsking();
    void BrokenTextIsNeitherTakenNorSaved();
    void DoneInTheProgramFolderReachesTheConverter();
    void DoneElsewhereLeavesTheSettings();
};

void UnitEditSavingTest::DoneWritesTheDocumentAndKeepsOneBackup() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    const std::string original = folder.ReadFile("Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    std::string expected;
    TScriptedModal modal([&](QDialog&) {
        SelectNode(editor, "mile [mi]");
        ClickButton(&editor, "tbUp");
        TSaveAnswer answer(folder / "Varnel.unt");
        ClickButton(&editor, "tbSave");
        Retype(editor, "meFactor", "1609.3");
        expected = ExpectedFileBytes(editor.EditRoot());
        ClickButton(&editor, "tbDone");
    });
    QVERIFY(editor.OpenUnitsFile(folder / "Varnel.unt"));

    const std::string written = folder.ReadFile("Varnel.unt");
    QCOMPARE(written, expected);
    QVERIFY(written.find("\"mile\"") < written.find("\"kilometre\""));
    QVERIFY(written.find("factor=\"1609.3\"") != std::string::npos);
    QVERIFY(written.find("<domain name=\"Hidden\" enabled=\"0\"") != std::string::npos);
    // The backup is the file as it was before the session, not after Save As.
    QCOMPARE(folder.ReadFile("Varnel.unt.bak"), original);
    QCOMPARE(FilesIn(folder.Path()), (std::set<std::string>{"Varnel.unt", "Varnel.unt.bak"}));
    QVERIFY(messages.Texts().isEmpty());
}

void UnitEditSavingTest::SaveAsWritesAnotherFileAndStaysOpen() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    const std::string original = folder.ReadFile("Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog& dialog) {
        SelectNode(editor, "Length (root type)");
        ClickButton(&editor, "tbDown");
        TSaveAnswer answer(folder / "Other.unt");
        ClickButton(&editor, "tbSave");
        QVERIFY(dialog.isVisible());
        QVERIFY(!editor.Modified());
        QCOMPARE(editor.FileName, folder / "Other.unt");
        QCOMPARE(editor.windowTitle(),
                 "Units File Editor  (" + Text((folder / "Other.unt").string()) + ")");
        const std::string written = folder.ReadFile("Other.unt");
        QCOMPARE(written, ExpectedFileBytes(editor.EditRoot()));
        QVERIFY(written.find("\"Area\"") < written.find("\"Length\""));
    });
    QVERIFY(!editor.OpenUnitsFile(folder / "Varnel.unt"));
    QCOMPARE(folder.ReadFile("Varnel.unt"), original);
    QCOMPARE(FilesIn(folder.Path()), (std::set<std::string>{"Varnel.unt", "Other.unt"}));
}

void UnitEditSavingTest::FailedWriteKeepsTheWindowAndTheFile_data() {
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<QString>("message");
    // A name as long as a folder entry may be: the backup's name is too
    // long, whoever runs the test.
    const QString longName = QString(251, 'u') + ".unt";
    QTest::newRow("no room for the backup")
        << false << longName << QString() << "Cannot keep the backup";
    QTest::newRow("folder that does not exist") << false << "Varnel.unt"
                                                << "missing/Other.unt"
                                                << "Cannot save the units data file";
    QTest::newRow("read-only folder") << true << "Varnel.unt" << QString() << "Cannot keep the";
}

void UnitEditSavingTest::FailedWriteKeepsTheWindowAndTheFile() {
    QFETCH(bool, readOnlyFolder);
    QFETCH(QString, edited);
    QFETCH(QString, saveAs);
    QFETCH(QString, message);
    if (readOnlyFolder && geteuid() == 0)
        QSKIP("the superuser writes into read-only folders");
    TProgramFolder folder;
    folder.CopyFixture(Fixture, edited.toStdString());
    const std::string original = folder.ReadFile(edited.toStdString());
    const std::set<std::string> files = FilesIn(folder.Path());
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog& dialog) {
        SelectNode(editor, "mile [mi]");
        Retype(editor, "eUnitName", "land mile");
        if (readOnlyFolder)
            std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::remove);
        if (saveAs.isEmpty()) {
            ClickButton(&editor, "tbDone");
        } else {
            TSaveAnswer answer(folder / saveAs.toStdString());
            ClickButton(&editor, "tbSave");
        }
        std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.Messages().size(), 1);
        QVERIFY2(messages.Texts()[0].startsWith(message), qPrintable(messages.Texts()[0]));
        QVERIFY(editor.Modified());
        QCOMPARE(editor.FileName, folder / edited.toStdString());
        messages.AnswerNext(true);
    });
    QVERIFY(!editor.OpenUnitsFile(folder / edited.toStdString()));
    QCOMPARE(folder.ReadFile(edited.toStdString()), original);
    QCOMPARE(FilesIn(folder.Path()), files);
}

void UnitEditSavingTest::EditsAreNotDiscardedWithoutAsking_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("edit");
    QTest::newRow("Cancel") << "Cancel" << true;
    QTest::newRow("Esc") << "Esc" << true;
    QTest::newRow("close box") << "close" << true;
    QTest::newRow("Cancel, nothing changed") << "Cancel" << false;
}

void UnitEditSavingTest::EditsAreNotDiscardedWithoutAsking() {
    QFETCH(QString, how);
    QFETCH(bool, edit);
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    const std::string original = folder.ReadFile("Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    auto end = [&] {
        if (how == "Cancel")
            ClickButton(&editor, "tbCancel");
        else if (how == "Esc")
            QTest::keyClick(editor.Tree(), Qt::Key_Escape);
        else
            editor.close();
    };
    TScriptedModal modal([&](QDialog& dialog) {
        if (edit) {
            SelectNode(editor, "Length (root type)");
            ClickButton(&editor, "tbAdd");
            end();
            QVERIFY(dialog.isVisible());
            messages.AnswerNext(true);
        }
        end();
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(!editor.OpenUnitsFile(folder / "Varnel.unt"));
    const QString question = "The units data has been changed.\n\nDiscard the changes?";
    QCOMPARE(messages.Questions(), edit ? QStringList({question, question}) : QStringList());
    QCOMPARE(folder.ReadFile("Varnel.unt"), original);
}

void UnitEditSavingTest::BrokenTextIsNeitherTakenNorSaved() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    const std::string original = folder.ReadFile("Varnel.unt");
    TMessageBoxRecorder messages;
    TfrmUnitEdit editor;
    TScriptedModal modal([&](QDialog& dialog) {
        auto* pages = EditorControl<QTabWidget>(&editor, "PageControl1");
        auto* text = EditorControl<QPlainTextEdit>(&editor, "SynEdit1");
        pages->setCurrentIndex(1);
        const QString good = text->toPlainText();
        const QString broken = QString(good).replace("</domain>", "</domian>");
        text->setPlainText(broken);

        pages->setCurrentIndex(0);
        QCOMPARE(pages->currentIndex(), 1);
        QCOMPARE(text->toPlainText(), broken);
        ClickButton(&editor, "tbDone");
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.Messages().size(), 2);
        QVERIFY(messages.Messages()[1].Kind == TMessageKind::Error);
        QCOMPARE(folder.ReadFile("Varnel.unt"), original);

        text->setPlainText(QString(good).replace("\"statute mile\"", "\"land mile\""));
        ClickButton(&editor, "tbDone");
    });
    QVERIFY(editor.OpenUnitsFile(folder / "Varnel.unt"));
    QVERIFY(folder.ReadFile("Varnel.unt").find("comment=\"land mile\"") != std::string::npos);
}

void UnitEditSavingTest::DoneInTheProgramFolderReachesTheConverter() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(),
                     "UnitFile=Varnel.unt\r\nMultiTabMode=1\r\n");
    TMessageBoxRecorder messages;
    TfrmUnitsConvert window;
    TfrmUnitEdit* editor = window.UnitEditor();
    TScriptedModal modal([&](QDialog&) {
        SelectNode(*editor, "mile [mi]");
        Retype(*editor, "eUnitSymbol", "mil");
        ClickButton(editor, "tbDone");
    });
    QTimer::singleShot(0, &window, [&] {
        TfrmOptCont* options = window.OptionsWindow();
        QTRY_VERIFY(options->isVisible());
        QTest::mouseClick(options->findChild<QPushButton*>("bbUnitDataEditor"), Qt::LeftButton);
        QTest::mouseClick(options->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(window.findChild<QPushButton*>("btnOptAlone"), Qt::LeftButton);

    QCOMPARE(modal.Runs(), 1);
    int cat = -1, unit = -1;
    QVERIFY(window.SourceEngine()->FindUnit("mil", cat, unit));
    QVERIFY(messages.Texts().isEmpty());
}

void UnitEditSavingTest::DoneElsewhereLeavesTheSettings() {
    TProgramFolder folder;
    folder.CopyFixture(Fixture, "Varnel.unt");
    const std::string settings = "UnitFile=Varnel.unt\r\n";
    folder.WriteFile(SettingsFile().filename().string(), settings);
    QTemporaryDir elsewhere;
    const std::filesystem::path other =
        std::filesystem::path(elsewhere.path().toStdString()) / "Mine.unt";
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;
    TfrmUnitEdit editor;
    frame.SetUnitsEditor(
        [&](const std::filesystem::path& file) -> std::optional<std::filesystem::path> {
            if (!editor.OpenUnitsFile(file))
                return std::nullopt;
            return editor.FileName;
        });
    TScriptedModal modal([&](QDialog&) {
        TSaveAnswer answer(other);
        ClickButton(&editor, "tbSave");
        ClickButton(&editor, "tbDone");
    });
    QTest::mouseClick(EditorControl<QPushButton>(&frame, "bbUnitDataEditor"), Qt::LeftButton);

    QCOMPARE(messages.Texts(), QStringList({"Wrong file dir - must be the executable one"}));
    QCOMPARE(folder.ReadFile(SettingsFile().filename().string()), settings);
    QVERIFY(std::filesystem::exists(other));
}

VARNEL_GUI_TEST_MAIN(UnitEditSavingTest)
#include "UnitEditSavingTest.moc"
