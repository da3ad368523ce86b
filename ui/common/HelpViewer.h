#pragma once

#include <QWidget>

#include <filesystem>

class QTextBrowser;
class QToolButton;

namespace varnel {

// The one help window: topics are HTML pages named after their number in the
// help folder, shown in a non-modal window that the caller never waits for.
class THelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit THelpViewer(QWidget* parent = nullptr);

    void OpenTopic(int topic);
    int CurrentTopic() const { return topic_; }

    static std::filesystem::path TopicFile(int topic);

private:
    void ShowMissingTopic(int topic);

    QTextBrowser* tbHelp;
    QToolButton* btnBack;
    QToolButton* btnForward;
    int topic_ = 0;
};

// The folder that holds the topic pages; set once at start-up.
void SetHelpFolder(const std::filesystem::path& folder);
std::filesystem::path HelpFolder();

// Opens a topic in the help window, creating the window on first use.
void ShowHelpTopic(int topic);
// The help window, or nothing when none is open.
THelpViewer* OpenHelpViewer();
void CloseHelpViewer();

} // namespace varnel
