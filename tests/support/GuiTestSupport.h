#pragma once

#include "support/TestSupport.h"
#include "ui/about/WebLinks.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/VarnelApplication.h"
#include "ui/window/MainWindow.h"

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <QTest>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QTabWidget;

namespace varnel {
class TfmIO;
} // namespace varnel

namespace varnel::test {

// Records every message box and question of the windows while alive; questions are answered from a
// script (No when it runs out).
class TMessageBoxRecorder {
public:
    struct TEntry {
        TMessageKind Kind;
        QString Text;
    };

    TMessageBoxRecorder();
    ~TMessageBoxRecorder();
    TMessageBoxRecorder(const TMessageBoxRecorder&) = delete;
    TMessageBoxRecorder& operator=(const TMessageBoxRecorder&) = delete;

    void AnswerNext(bool yes) { answers_.push_back(yes); }

    const QList<TEntry>& Messages() const { return messages_; }
    QStringList Texts() const;
    const QStringList& Questions() const { return questions_; }
    void Clear();

private:
    QList<TEntry> messages_;
    QStringList questions_;
    std::deque<bool> answers_;
    MessageBoxFunction previousBox_;
    QuestionFunction previousQuestion_;
};

// A fresh temporary folder that serves as the program folder while alive.
class TProgramFolder {
public:
    std::filesystem::path Path() const { return folder_.Path(); }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }
    // Copies a fixture of tests/data into the folder, under another name if
    // given.
    void CopyFixture(const std::string& fixture, const std::string& as = {}) const;
    void WriteFile(const std::string& name, const std::string& bytes) const;
    std::string ReadFile(const std::string& name) const;

private:
    TempFolder folder_{true};
};

// Every address handed to the desktop while alive.
struct TOpenedUrls {
    TOpenedUrls();
    ~TOpenedUrls();
    TOpenedUrls(const TOpenedUrls&) = delete;
    TOpenedUrls& operator=(const TOpenedUrls&) = delete;

    QStringList urls;
    UrlOpener previous;
};

// The converter window started in a fresh program folder, which holds a
// units data fixture as Varnel.unt and a settings file of the given lines
// (one per "\n"; none: no settings file, as at a first start).
struct TConverterWindow {
    struct TStart {
        std::string Units = "gui_units.unt"; // empty: no units data file
        std::string Settings = "UnitFile=Varnel.unt\nMultiTabMode=1";
        bool Show = true;
        // Runs on the folder before the window starts.
        std::function<void(TProgramFolder&)> Prepare;
        TPageBuilding Building = TPageBuilding::WithWindow;
    };

    explicit TConverterWindow(const TStart& start);
    ~TConverterWindow();
    TConverterWindow(const TConverterWindow&) = delete;
    TConverterWindow& operator=(const TConverterWindow&) = delete;

    TfmIO* IO() const;
    QTabWidget* Tabs() const;
    int Page() const;
    void ClickTab(int index, Qt::KeyboardModifiers modifiers = {}) const;
    QString Status() const;

    TProgramFolder folder;
    TMessageBoxRecorder messages;
    std::unique_ptr<TfrmUnitsConvert> window;
};

// Picks an entry of a drop-down list the way a user does: opens the list and
// clicks the entry.
void ChooseFromList(QComboBox* list, const QString& entry);

// The settings file of the running test program in the program folder.
std::filesystem::path SettingsFile();

// The offscreen platform on a large screen (unless another platform is set)
// and the C locale.
void PrepareGuiTestEnvironment();
// Once the application exists: the Fusion style and one font for every
// family the windows ask for, so layouts do not follow what fonts the machine
// has. VARNEL_TEST_FONT names another family, for a run that proves it.
void PinGuiTestLook();

// Moves the mouse over a point of a widget as a hover does. QTest::mouseMove
// misplaces the point when the screen is scaled by a fraction.
void HoverOver(QWidget* widget, QPoint position);

} // namespace varnel::test

// Runs a Qt Test class in the converter's application object, in the C
// locale, on the offscreen platform unless another one is set.
#define VARNEL_GUI_TEST_MAIN(TestClass)                                                            \
    int main(int argc, char** argv) {                                                              \
        varnel::test::PrepareGuiTestEnvironment();                                                 \
        varnel::TVarnelApplication app(argc, argv);                                                \
        varnel::test::PinGuiTestLook();                                                            \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
