#include "support/GuiTestSupport.h"

#include "ui/common/HelpViewer.h"
#include "ui/options/Options.h"
#include "ui/window/MainWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>

#include <clocale>
#include <cstdlib>

namespace varnel::test {

TMessageBoxRecorder::TMessageBoxRecorder() {
    previousBox_ = SetMessageBoxFunction([this](TMessageKind kind, const QString& text) {
        messages_.append({kind, text});
    });
    previousQuestion_ = SetQuestionFunction([this](const QString& text) {
        questions_.append(text);
        if (answers_.empty())
            return false;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    });
}

TMessageBoxRecorder::~TMessageBoxRecorder() {
    SetMessageBoxFunction(std::move(previousBox_));
    SetQuestionFunction(std::move(previousQuestion_));
}

QStringList TMessageBoxRecorder::Texts() const {
    QStringList texts;
    for (const TEntry& entry : messages_)
        texts.append(entry.Text);
    return texts;
}

void TMessageBoxRecorder::Clear() {
    messages_.clear();
    questions_.clear();
}

void TProgramFolder::CopyFixture(const std::string& fixture, const std::string& as) const {
    std::filesystem::copy_file(FixturePath(fixture), Path() / (as.empty() ? fixture : as),
                               std::filesystem::copy_options::overwrite_existing);
}

void TProgramFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    WriteBytes(Path() / name, bytes);
}

std::string TProgramFolder::ReadFile(const std::string& name) const {
    return ReadBytes(Path() / name);
}

TOpenedUrls::TOpenedUrls() {
    previous = SetUrlOpener([this](const QUrl& url) { urls.append(url.toString()); });
}

TOpenedUrls::~TOpenedUrls() {
    SetUrlOpener(std::move(previous));
}

TConverterWindow::TConverterWindow(const TStart& start) {
    if (!start.Units.empty())
        folder.CopyFixture(start.Units, "Varnel.unt");
    if (start.Prepare)
        start.Prepare(folder);
    if (!start.Settings.empty()) {
        std::string text;
        for (const QString& line : QString::fromStdString(start.Settings).split('\n'))
            text += line.toStdString() + "\r\n";
        folder.WriteFile(SettingsFile().filename().string(), text);
    }
    window = std::make_unique<TfrmUnitsConvert>(nullptr, start.Building);
    if (start.Show) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
}

TConverterWindow::~TConverterWindow() {
    window.reset();
    CloseHelpViewer();
}

TfmIO* TConverterWindow::IO() const {
    return window->IO();
}

QTabWidget* TConverterWindow::Tabs() const {
    return window->findChild<QTabWidget*>("PageControl1");
}

int TConverterWindow::Page() const {
    return Tabs()->currentIndex();
}

void TConverterWindow::ClickTab(int index, Qt::KeyboardModifiers modifiers) const {
    QTabBar* bar = Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, modifiers, bar->tabRect(index).center());
}

QString TConverterWindow::Status() const {
    return window->statusBar()->currentMessage();
}

void ChooseFromList(QComboBox* list, const QString& entry) {
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());
}

std::filesystem::path SettingsFile() {
    return TOptions::SettingsFileName();
}

namespace {

// The plain offscreen screen is 800 x 600, which a scale factor shrinks below
// the default window; the tests get one screen large enough on every machine.
std::string PinnedPlatform() {
    const char* asked = getenv("QT_QPA_PLATFORM");
    const std::string platform = asked && *asked ? asked : "offscreen";
    if (platform != "offscreen")
        return platform;
    return "offscreen:configfile=" + FixturePath("large-screen.json").string();
}

} // namespace

void PrepareGuiTestEnvironment() {
    setenv("QT_QPA_PLATFORM", PinnedPlatform().c_str(), 1);
    setenv("LC_ALL", "C", 1);
    // No update check reaches out unless a test serves one.
    setenv("VARNEL_UPDATE_URL", "", 1);
    std::setlocale(LC_ALL, "C");
}

void HoverOver(QWidget* widget, QPoint position) {
    const QPointF local(position);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void PinGuiTestLook() {
    const QByteArray chosen = qgetenv("VARNEL_TEST_FONT");
    const QString family = chosen.isEmpty() ? QStringLiteral("DejaVu Sans") : QString(chosen);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    for (const QString& asked : {QStringLiteral("Arial"), QStringLiteral("Sans Serif"),
                                 QStringLiteral("Helvetica"), QStringLiteral("MS Shell Dlg 2")})
        QFont::insertSubstitution(asked, family);
    QApplication::setFont(QFont(family, 9));
    QLocale::setDefault(QLocale::c());
}

} // namespace varnel::test
