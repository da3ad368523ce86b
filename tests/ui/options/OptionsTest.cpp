#include "common/Exception.h"
#include "common/FormatValue.h"
#include "support/GuiTestSupport.h"
#include "ui/options/OptCont.h"
#include "ui/options/UnitOptions.h"
#include "ui/options/WindowSizeFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

using namespace varnel;
using namespace varnel::test;

namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

template <typename T> T* Control(QObject* parent, const char* name) {
    T* control = parent->findChild<T*>(name);
    if (!control)
        qFatal("no control %s", name);
    return control;
}

bool Checked(TfmUnitOptions& frame, int item) {
    return Control<QListWidget>(&frame, "chksAlone")->item(item)->checkState() == Qt::Checked;
}

// Clicks a button of the options window once it is shown modally.
void ClickWhenShown(TfrmOptCont& window, const char* button,
                    std::function<void()> beforeClick = {}) {
    QTimer::singleShot(0, &window, [&window, button, beforeClick] {
        QTRY_VERIFY(window.isVisible());
        if (beforeClick)
            beforeClick();
        QTest::mouseClick(Control<QPushButton>(&window, button), Qt::LeftButton);
    });
}

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private slots:
    void FirstStartTakesTheDefaults();
    void SettingsLinesAreRead_data();
    void SettingsLinesAreRead();
    void WindowShowsPrecisionWithinRangeAndStoresIt_data();
    void WindowShowsPrecisionWithinRangeAndStoresIt();
    void UnlistedSearchEngineIsStoredAsNone();
    void SaveWritesExactlyTheTenLines();
    void EmptySettingsLeaveTheControlsAsShown();
    void UnitFilesListedAndSelected();
    void CancelRestoresTheStoredValues();
    void OkSavesTheShownValues();
    void EditorFileOutsideTheProgramFolderIsRefused();
    void EditorFileBecomesTheUnitFile();
    void PrecisionReachesFormatValue();
    void UnwritableSettingsFileKeepsTheOldOne();
    void WindowSizeFileIsRead_data();
    void WindowSizeFileIsRead();
    void WindowSizeFileIsWritten();
};

void OptionsTest::FirstStartTakesTheDefaults() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    const TUOpts options = frame.GetOptions();

    const std::string folderText = folder.Path().string() + "/";
    QCOMPARE(messages.Texts(),
             QStringList{QString::fromStdString("Units file " + folderText +
                                                " does not exist.\n Set on default")});
    QCOMPARE(options.UnitFile, folderText + "Varnel.unt");
    QCOMPARE(options.Prec, 7);
    QCOMPARE(options.MonthlyCheck, true);
    QCOMPARE(options.MultiTabMode, false);
    QCOMPARE(options.SearchEngine, 3);
    QCOMPARE(options.CopyBoth || options.SwapSrcTrg || options.PromptB4Delete ||
                 options.MinimOnTray,
             false);
    QCOMPARE(options.CustomSearchEngine, std::string());
    // The fall-back is remembered in memory only.
    QCOMPARE(TOptions::Application().Settings().Lines(),
             std::vector<std::string>{"UnitFile=Varnel.unt"});
    QVERIFY(!std::filesystem::exists(SettingsFile()));
    messages.Clear();
    frame.GetOptions();
    QVERIFY(messages.Texts().isEmpty());
}

void OptionsTest::SettingsLinesAreRead_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("prec");
    QTest::addColumn<bool>("monthlyCheck");
    QTest::addColumn<bool>("copyBoth");
    QTest::addColumn<int>("searchEngine");
    QTest::addColumn<QString>("custom");

    QTest::newRow("Prec=0 passed on") << "Prec=0" << 0 << true << false << 3 << "";
    QTest::newRow("Prec=40 passed on") << "Prec=40" << 40 << true << false << 3 << "";
    QTest::newRow("Prec not an integer") << "Prec=7.5" << 7 << true << false << 3 << "";
    QTest::newRow("Prec empty") << "Prec=" << 7 << true << false << 3 << "";
    QTest::newRow("MonthlyCheck=yes is the default")
        << "MonthlyCheck=yes" << 7 << true << false << 3 << "";
    QTest::newRow("MonthlyCheck=2 is off") << "MonthlyCheck=2" << 7 << false << false << 3 << "";
    QTest::newRow("MonthlyCheck=0") << "MonthlyCheck=0" << 7 << false << false << 3 << "";
    QTest::newRow("CopyBoth=1") << "CopyBoth=1" << 7 << true << true << 3 << "";
    QTest::newRow("CopyBoth=-1 is off") << "CopyBoth=-1" << 7 << true << false << 3 << "";
    QTest::newRow("key in other case") << "prec=9" << 9 << true << false << 3 << "";
    QTest::newRow("second key ignored") << "Prec=4\nPREC=11" << 4 << true << false << 3 << "";
    QTest::newRow("line without = is no key") << "Prec\nPrec=6" << 6 << true << false << 3 << "";
    QTest::newRow("SearchEngine=9 as read") << "SearchEngine=9" << 7 << true << false << 9 << "";
    QTest::newRow("SearchEngine=-1") << "SearchEngine=-1" << 7 << true << false << -1 << "";
    QTest::newRow("value keeps its =")
        << "CustomSearchEngine=a.example/?q=" << 7 << true << false << 3 << "a.example/?q=";
    QTest::newRow("value beyond 32 bits") << "Prec=99999999999" << 7 << true << false << 3 << "";
}

void OptionsTest::SettingsLinesAreRead() {
    QFETCH(QString, file);
    QFETCH(int, prec);
    QFETCH(bool, monthlyCheck);
    QFETCH(bool, copyBoth);
    QFETCH(int, searchEngine);
    QFETCH(QString, custom);

    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    std::string text = "UnitFile=Varnel.unt\r\n";
    for (const QString& line : file.split('\n'))
        text += line.toStdString() + "\r\n";
    folder.WriteFile(SettingsFile().filename().string(), text);
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    const TUOpts options = frame.GetOptions();

    QCOMPARE(options.Prec, prec);
    QCOMPARE(options.MonthlyCheck, monthlyCheck);
    QCOMPARE(options.CopyBoth, copyBoth);
    QCOMPARE(options.SearchEngine, searchEngine);
    QCOMPARE(QString::fromStdString(options.CustomSearchEngine), custom);
    QCOMPARE(options.UnitFile, (folder / "Varnel.unt").string());
    QVERIFY(messages.Texts().isEmpty());
}

void OptionsTest::WindowShowsPrecisionWithinRangeAndStoresIt_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("0 shows 1") << 0 << 1;
    QTest::newRow("40 shows 15") << 40 << 15;
    QTest::newRow("9 shows 9") << 9 << 9;
}

void OptionsTest::WindowShowsPrecisionWithinRangeAndStoresIt() {
    QFETCH(int, stored);
    QFETCH(int, shown);
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(),
                     "UnitFile=Varnel.unt\r\nPrec=" + std::to_string(stored) + "\r\n");
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    frame.LoadOptions();
    QCOMPARE(Control<QSpinBox>(&frame, "sePrec")->value(), shown);
    QCOMPARE(frame.GetOptions().Prec, stored);
    frame.SaveOptions();
    QCOMPARE(frame.GetOptions().Prec, shown);
    TKeyValueLines file;
    QVERIFY(file.LoadFromFile(SettingsFile()));
    QCOMPARE(file.IntValue("Prec", -100), shown);
}

void OptionsTest::UnlistedSearchEngineIsStoredAsNone() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(),
                     Lines({"UnitFile=Varnel.unt", "SearchEngine=9"}));
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    frame.LoadOptions();
    QCOMPARE(Control<QComboBox>(&frame, "cbSearchEngine")->currentIndex(), -1);
    QVERIFY(!Control<QLineEdit>(&frame, "eCustomSE")->isEnabled());
    frame.SaveOptions();
    QCOMPARE(frame.GetOptions().SearchEngine, -1);
}

void OptionsTest::SaveWritesExactlyTheTenLines() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(),
                     Lines({"Extra=kept?", "UnitFile=Varnel.unt", "Prec=12", "CopyBoth=1",
                            "MonthlyCheck=1", "PromptB4Delete=1", "MultiTabMode=0",
                            "SearchEngine=0", "CustomSearchEngine=search.example/?q="}));
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    frame.LoadOptions();
    frame.SaveOptions();

    QCOMPARE(ReadBytes(SettingsFile()), ReadBytes(FixturePath("gui_settings_expected.ini")));
}

void OptionsTest::EmptySettingsLeaveTheControlsAsShown() {
    TProgramFolder folder;
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    frame.LoadOptions();

    QVERIFY(messages.Texts().isEmpty());
    QCOMPARE(Control<QSpinBox>(&frame, "sePrec")->value(), 5);
    QCOMPARE(Checked(frame, 0) || Checked(frame, 1) || Checked(frame, 2), false);
    QCOMPARE(Control<QTabWidget>(&frame, "pcUserMode")->currentIndex(), 1);
    QCOMPARE(Control<QComboBox>(&frame, "cbSearchEngine")->currentIndex(), -1);
    QVERIFY(!Control<QLineEdit>(&frame, "eCustomSE")->isEnabled());
    QVERIFY(!Control<QLabel>(&frame, "lbHttp")->isEnabled());
}

void OptionsTest::UnitFilesListedAndSelected() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "b.unt");
    folder.CopyFixture("gui_units.unt", "A.UNT");
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile("notes.txt", "x");
    folder.WriteFile(".hidden.unt", "x");
    std::filesystem::create_directory(folder / "folder.unt");
    folder.WriteFile(SettingsFile().filename().string(), Lines({"UnitFile=b.unt"}));
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;

    frame.FillUnitFiles();

    auto* list = Control<QComboBox>(&frame, "cbUnitFile");
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    QCOMPARE(items, (QStringList{"A.UNT", "b.unt", "Varnel.unt"}));
    QCOMPARE(list->currentText(), QString("b.unt"));
    QVERIFY(messages.Texts().isEmpty());
}

void OptionsTest::CancelRestoresTheStoredValues() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    const std::string stored = Lines({"UnitFile=Varnel.unt", "Prec=6", "MultiTabMode=1"});
    folder.WriteFile(SettingsFile().filename().string(), stored);
    TMessageBoxRecorder messages;
    TfrmOptCont window;
    auto* frame = new TfmUnitOptions(&window);

    ClickWhenShown(window, "btnCancel", [frame] {
        Control<QSpinBox>(frame, "sePrec")->setValue(11);
        Control<QTabWidget>(frame, "pcUserMode")->setCurrentIndex(0);
    });
    QVERIFY(!window.ShowOptions(frame));

    QCOMPARE(Control<QSpinBox>(frame, "sePrec")->value(), 6);
    QCOMPARE(Control<QTabWidget>(frame, "pcUserMode")->currentIndex(), 1);
    QCOMPARE(ReadBytes(SettingsFile()), stored);
}

void OptionsTest::OkSavesTheShownValues() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.CopyFixture("gui_units.unt", "Other.unt");
    folder.WriteFile(SettingsFile().filename().string(), Lines({"UnitFile=Varnel.unt"}));
    TMessageBoxRecorder messages;
    TfrmOptCont window;
    auto* frame = new TfmUnitOptions(&window);

    ClickWhenShown(window, "btnOK", [frame] {
        Control<QComboBox>(frame, "cbUnitFile")->setCurrentText("Other.unt");
        QTest::mouseClick(Control<QCheckBox>(frame, "chkSwapSrcTrg"), Qt::LeftButton);
    });
    QVERIFY(window.ShowOptions(frame));

    const TUOpts options = frame->GetOptions();
    QCOMPARE(options.UnitFile, (folder / "Other.unt").string());
    QCOMPARE(options.SwapSrcTrg, true);
    QCOMPARE(options.MultiTabMode, false);
    TKeyValueLines file;
    file.LoadFromFile(SettingsFile());
    QCOMPARE(file.Value("UnitFile").value_or(""), std::string("Other.unt"));
    QCOMPARE(file.Lines().size(), size_t(10));
}

void OptionsTest::EditorFileOutsideTheProgramFolderIsRefused() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    const std::string stored = Lines({"UnitFile=Varnel.unt"});
    folder.WriteFile(SettingsFile().filename().string(), stored);
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;
    QTemporaryDir elsewhere;
    std::filesystem::path opened;
    frame.SetUnitsEditor([&](const std::filesystem::path& file) {
        opened = file;
        return std::filesystem::path(elsewhere.path().toStdString()) / "Mine.unt";
    });
    QVERIFY(Control<QPushButton>(&frame, "bbUnitDataEditor")->isVisibleTo(&frame));

    try {
        frame.bbUnitDataEditorClick();
        QFAIL("no error");
    } catch (const EM& error) {
        QCOMPARE(error.Message(), std::string("Wrong file dir - must be the executable one"));
    }
    QCOMPARE(opened, folder / "Varnel.unt");
    QCOMPARE(ReadBytes(SettingsFile()), stored);
}

void OptionsTest::EditorFileBecomesTheUnitFile() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.CopyFixture("gui_units.unt", "Edited.unt");
    folder.WriteFile(SettingsFile().filename().string(), Lines({"UnitFile=Varnel.unt", "Prec=4"}));
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;
    frame.LoadOptions();
    Control<QSpinBox>(&frame, "sePrec")->setValue(13); // not confirmed: replaced
    frame.SetUnitsEditor([&](const std::filesystem::path&) {
        return std::optional(folder.Path() / "." / "Edited.unt");
    });

    frame.bbUnitDataEditorClick();

    TKeyValueLines file;
    file.LoadFromFile(SettingsFile());
    QCOMPARE(file.Lines(), (std::vector<std::string>{"UnitFile=Edited.unt", "Prec=4"}));
    QCOMPARE(Control<QComboBox>(&frame, "cbUnitFile")->currentText(), QString("Edited.unt"));
    QCOMPARE(Control<QSpinBox>(&frame, "sePrec")->value(), 4);
}

void OptionsTest::PrecisionReachesFormatValue() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    folder.WriteFile(SettingsFile().filename().string(), Lines({"UnitFile=Missing.unt", "Prec=3"}));
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;
    QCOMPARE(FormatValue(3.14159265358979), std::string("3.14"));

    TOptions& options = TOptions::Application();
    QSignalSpy changed(&options, &TOptions::Changed);
    TKeyValueLines edited = options.Settings();
    edited.SetValue("Prec", "10");
    options.Save(edited);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(FormatValue(3.14159265358979), std::string("3.141592654"));
    // Formatting never checks the units file, so it never raises a message.
    QVERIFY(messages.Texts().isEmpty());
}

void OptionsTest::UnwritableSettingsFileKeepsTheOldOne() {
    TProgramFolder folder;
    folder.CopyFixture("gui_units.unt", "Varnel.unt");
    const std::string stored = Lines({"UnitFile=Varnel.unt"});
    folder.WriteFile(SettingsFile().filename().string(), stored);
    TMessageBoxRecorder messages;
    TfmUnitOptions frame;
    frame.LoadOptions();
    // A character the 8-bit settings file cannot hold.
    Control<QComboBox>(&frame, "cbSearchEngine")->setCurrentIndex(0);
    Control<QLineEdit>(&frame, "eCustomSE")->setText(QString::fromUtf8("\xe2\x88\x9e.example"));

    QVERIFY_THROWS_EXCEPTION(varnel::Exception, frame.SaveOptions());
    QCOMPARE(ReadBytes(SettingsFile()), stored);
}

void OptionsTest::WindowSizeFileIsRead_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("no file") << QString() << 640 << 420;
    QTest::newRow("both values") << "Width=800\nHeight=500" << 800 << 500;
    QTest::newRow("width not a whole number") << "Width=800.5\nHeight=500" << 640 << 500;
    QTest::newRow("height missing") << "Width=700" << 700 << 420;
    QTest::newRow("keys in other case") << "HEIGHT=333\nwidth=444" << 444 << 333;
}

void OptionsTest::WindowSizeFileIsRead() {
    QFETCH(QString, file);
    QFETCH(int, width);
    QFETCH(int, height);
    TProgramFolder folder;
    if (!file.isNull())
        folder.WriteFile("VarnelKalto.ext", file.replace("\n", "\r\n").toStdString() + "\r\n");

    const TWindowSize size = ReadWindowSize();

    QCOMPARE(size.Width, width);
    QCOMPARE(size.Height, height);
}

void OptionsTest::WindowSizeFileIsWritten() {
    TProgramFolder folder;
    folder.WriteFile("VarnelKalto.ext", "Width=1\r\nHeight=2\r\nOther=3\r\n");

    WriteWindowSize({700, 450});

    QCOMPARE(folder.ReadFile("VarnelKalto.ext"), std::string("Width=700\r\nHeight=450\r\n"));
}

VARNEL_GUI_TEST_MAIN(OptionsTest)
#include "OptionsTest.moc"
