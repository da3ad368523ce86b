#include "ui/window/ProgramStart.h"

#include "common/AbbrevList.h"
#include "common/FileLocations.h"
#include "common/ProgramVersion.h"
#include "engine/GlobalParser.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/VarnelApplication.h"
#include "ui/window/MainWindow.h"
#include "ui/window/ProgramIcon.h"
#include "ui/window/SingleInstance.h"
#include "ui/window/StartupWarmUp.h"

#include <QLocale>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

namespace varnel {

namespace {

constexpr const char* QuitWhenShownSwitch = "--quit-when-shown";

bool HasSwitch(int argc, char** argv, const char* name) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], name) == 0)
            return true;
    return false;
}

// Numbers are read and written with "." whatever the user's locale.
void FixNumberFormat() {
    std::setlocale(LC_NUMERIC, "C");
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(c);
}

// Before any window: the rules' parser with its random generator seeded,
// and the abbreviations of unit symbols. What failed is told once the
// message boxes are ready.
std::string PrepareSharedHelpers() {
    GlobalParser();
    try {
        LoadAbbrevList(FindDataFile("abrv.lst"));
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

} // namespace

void QuitWithMainWindow(TfrmUnitsConvert& window) {
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &TfrmUnitsConvert::Closed, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
}

int RunConverter(int argc, char** argv) {
    // Answered before any window system is needed.
    if (HasSwitch(argc, argv, "--version")) {
        std::printf("VarnelKalto %s\n", std::string(ProgramVersion).c_str());
        return 0;
    }
    // A second copy only wakes the first: it needs no display, no fonts and
    // no warm-up thread.
    TSingleInstance instance;
    if (!instance.TryAcquire()) {
        instance.SendWakeUp();
        return 0;
    }
    TStartupWarmUp warmUp;
    TVarnelApplication app(argc, argv);
    warmUp.ApplicationReady();
    FixNumberFormat();
    const std::string helperFailure = PrepareSharedHelpers();
    warmUp.Finish();
    QApplication::setApplicationName("Varnel Units Converter");
    QApplication::setWindowIcon(ProgramIcon());
    // Ties the window to its desktop entry and so to the installed icon.
    QGuiApplication::setDesktopFileName("example.quillmere.Varnel");
    if (!helperFailure.empty())
        ShowErrorMessage(QString::fromStdString(helperFailure));
    TfrmUnitsConvert window(nullptr, TPageBuilding::WhenEntered);
    if (!window.UnitsLoaded())
        return 1;
    QuitWithMainWindow(window);
    QObject::connect(&instance, &TSingleInstance::WakeUpReceived, &window,
                     &TfrmUnitsConvert::WakeUp);
    instance.Listen();

    if (HasSwitch(argc, argv, QuitWhenShownSwitch))
        QObject::connect(&window, &TfrmUnitsConvert::FirstShown, &window, &QWidget::close,
                         Qt::QueuedConnection);
    window.show();
    return app.exec();
}

} // namespace varnel
