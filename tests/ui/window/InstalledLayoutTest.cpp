#include "common/ProgramFolder.h"
#include "support/GuiTestSupport.h"
#include "ui/log/LogPage.h"
#include "ui/options/UnitOptions.h"
#include "ui/valueline/FrameIO.h"
#include "ui/window/MainWindow.h"

#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include <cstdlib>
#include <fstream>
#include <set>

using namespace varnel;
using namespace varnel::test;

namespace {

namespace fs = std::filesystem;

std::set<fs::path> FilesUnder(const fs::path& folder) {
    std::set<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files.insert(entry.path());
    return files;
}

} // namespace

// The program installed under a prefix (bin/ beside share/varnel/), started
// by a user whose folders lie in a scratch home.
class InstalledLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void UserFilesGoToTheUserFoldersAndAreReadBack();

private:
    fs::path Root() const { return root_->path().toStdString(); }
    fs::path Prefix() const { return Root() / "prefix"; }
    fs::path ConfigFolder() const { return Root() / "home/.config/varnel"; }
    fs::path DataFolder() const { return Root() / "data/varnel"; }

    std::unique_ptr<QTemporaryDir> root_;
};

void InstalledLayoutTest::init() {
    root_ = std::make_unique<QTemporaryDir>();
    fs::create_directories(Prefix() / "bin");
    fs::create_directories(Prefix() / "share/varnel");
    fs::copy_file(FixturePath("gui_units.unt"), Prefix() / "share/varnel/Varnel.unt");
    WriteBytes(Prefix() / "share/varnel" / SettingsFile().filename(),
               "UnitFile=Varnel.unt\r\nMultiTabMode=1\r\n");
    SetProgramFolder(Prefix() / "bin");
    setenv("HOME", (Root() / "home").c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("XDG_DATA_HOME", (Root() / "data").c_str(), 1);
}

void InstalledLayoutTest::cleanup() {
    SetProgramFolder({});
    root_.reset();
}

void InstalledLayoutTest::UserFilesGoToTheUserFoldersAndAreReadBack() {
    TMessageBoxRecorder messages;
    const std::set<fs::path> installed = FilesUnder(Prefix());
    {
        TfrmUnitsConvert window;
        QVERIFY(window.UnitsLoaded());
        QVERIFY(window.IsMultiTab()); // the shipped defaults were read
        window.Options()->findChild<QSpinBox*>("sePrec")->setValue(9);
        window.Options()->SaveOptions();
        window.IO()->SetSource("1 [km]");
        window.IO()->SetTarget("1000 [m]");
        window.Pages(4)->Refresh();
        window.show();
        window.resize(700, 450);
        window.close();
    }
    QCOMPARE(messages.Texts(), QStringList());
    QCOMPARE(FilesUnder(Prefix()), installed);
    for (const fs::path& file : {ConfigFolder() / SettingsFile().filename(),
                                 ConfigFolder() / "VarnelKalto.ext", DataFolder() / "ZureVave.log"})
        QVERIFY2(fs::is_regular_file(file), file.c_str());

    TfrmUnitsConvert again;
    QCOMPARE(GetOptions().Prec, 9);
    QCOMPARE(again.size(), QSize(700, 450));
    QCOMPARE(again.findChild<QTableWidget*>("sgLog")->item(0, 1)->text().trimmed(),
             QString("1 [km]"));
    QCOMPARE(FilesUnder(Prefix()), installed);
}

VARNEL_GUI_TEST_MAIN(InstalledLayoutTest)
#include "InstalledLayoutTest.moc"
