#include "uisupport/GuiTestSupport.h"

#include "common/ProgramFolder.h"
#include "ui/options/UnitOptions.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QMouseEvent>
#include <QStyleFactory>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <iterator>

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

TProgramFolder::TProgramFolder() {
    SetProgramFolder(Path());
}

TProgramFolder::~TProgramFolder() {
    SetProgramFolder({});
}

std::filesystem::path TProgramFolder::Path() const {
    return dir_.path().toStdString();
}

void TProgramFolder::CopyFixture(const std::string& fixture, const std::string& as) const {
    std::filesystem::copy_file(FixturePath(fixture), Path() / (as.empty() ? fixture : as),
                               std::filesystem::copy_options::overwrite_existing);
}

void TProgramFolder::WriteFile(const std::string& name, const std::string& bytes) const {
    std::ofstream out(Path() / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TProgramFolder::ReadFile(const std::string& name) const {
    return ReadBytesOf(Path() / name);
}

std::string ReadBytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::filesystem::path FixturePath(const std::string& name) {
    return std::filesystem::path(VARNEL_TEST_DATA_DIR) / name;
}

std::filesystem::path SettingsFile() {
    return TfmUnitOptions::SettingsFileName();
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
