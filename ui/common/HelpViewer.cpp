#include "ui/common/HelpViewer.h"

#include "common/FileLocations.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace varnel {

namespace {

std::filesystem::path& Folder() {
    static std::filesystem::path folder;
    return folder;
}

QPointer<THelpViewer>& Viewer() {
    static QPointer<THelpViewer> viewer;
    return viewer;
}

QToolButton* NavigationButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                              const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setEnabled(false);
    return button;
}

} // namespace

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HelpViewer");
    setWindowTitle("Varnel Units Converter Help");
    resize(620, 520);

    btnBack = NavigationButton(this, "btnBack", QStyle::SP_ArrowBack, "Back (Alt+Left)");
    btnForward =
        NavigationButton(this, "btnForward", QStyle::SP_ArrowForward, "Forward (Alt+Right)");
    tbHelp = new QTextBrowser(this);
    tbHelp->setObjectName("tbHelp");
    tbHelp->setOpenExternalLinks(true);
    connect(btnBack, &QToolButton::clicked, tbHelp, &QTextBrowser::backward);
    connect(btnForward, &QToolButton::clicked, tbHelp, &QTextBrowser::forward);
    connect(tbHelp, &QTextBrowser::backwardAvailable, btnBack, &QToolButton::setEnabled);
    connect(tbHelp, &QTextBrowser::forwardAvailable, btnForward, &QToolButton::setEnabled);

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(btnBack);
    navigation->addWidget(btnForward);
    navigation->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(navigation);
    layout->addWidget(tbHelp);
}

std::filesystem::path THelpViewer::TopicFile(int topic) {
    return HelpFolder() / (std::to_string(topic) + ".html");
}

void THelpViewer::OpenTopic(int topic) {
    topic_ = topic;
    const std::filesystem::path file = TopicFile(topic);
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec))
        tbHelp->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    else
        ShowMissingTopic(topic);
}

void THelpViewer::ShowMissingTopic(int topic) {
    tbHelp->setHtml(QString("<h2>Help topic %1</h2><p>This help topic is not installed. "
                            "The help pages belong in the folder %2.</p>")
                        .arg(topic)
                        .arg(QString::fromStdString(HelpFolder().string()).toHtmlEscaped()));
}

void SetHelpFolder(const std::filesystem::path& folder) {
    Folder() = folder;
}

std::filesystem::path HelpFolder() {
    return Folder().empty() ? FindDataFile("help") : Folder();
}

void ShowHelpTopic(int topic) {
    if (!Viewer()) {
        // Without a parent, so that it stays usable beside a modal window.
        Viewer() = new THelpViewer;
        Viewer()->setAttribute(Qt::WA_DeleteOnClose);
        Viewer()->setAttribute(Qt::WA_QuitOnClose, false);
    }
    Viewer()->OpenTopic(topic);
    Viewer()->show();
    Viewer()->raise();
    Viewer()->activateWindow();
}

THelpViewer* OpenHelpViewer() {
    return Viewer();
}

void CloseHelpViewer() {
    delete Viewer();
}

} // namespace varnel
