#include "ui/options/Options.h"

#include "common/FileLocations.h"
#include "common/FormatValue.h"
#include "common/ProgramFolder.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/StdText.h"

#include <QCoreApplication>

namespace varnel {

namespace {

constexpr const char* DefaultUnitFile = "Varnel.unt";

// A units data file named in the settings, in the first data folder that has it.
std::string InDataFolder(const std::string& name) {
    return FindDataFile(name).string();
}

} // namespace

TOptions::TOptions(QObject* parent) : QObject(parent) {
    setObjectName("Options");
}

TOptions& TOptions::Application() {
    static TOptions* options = nullptr;
    if (!options) {
        options = new TOptions(QCoreApplication::instance());
        // A test may end the application and start another in one process.
        QObject::connect(options, &QObject::destroyed, [] { options = nullptr; });
    }
    return *options;
}

std::filesystem::path TOptions::SettingsFileName() {
    std::filesystem::path name = ProgramFile().filename();
    if (name.empty())
        name = "VarnelKalto";
    name.replace_extension(".ini");
    return WritableFile(TWritableKind::Config, name.string());
}

std::filesystem::path TOptions::SettingsFileToRead() {
    const std::filesystem::path saved = SettingsFileName();
    if (FileExists(saved))
        return saved;
    const std::filesystem::path shipped = FindDataFile(saved.filename().string());
    return FileExists(shipped) ? shipped : saved;
}

TUOpts TOptions::ReadUnchecked() const {
    TUOpts options;
    options.UnitFile = InDataFolder(settings_.Value("UnitFile").value_or(""));
    options.Prec = settings_.IntValue("Prec", 7);
    options.CopyBoth = settings_.IntValue("CopyBoth", 0) == 1;
    options.MinimOnTray = settings_.IntValue("MinimOnTray", 0) == 1;
    options.MonthlyCheck = settings_.IntValue("MonthlyCheck", 1) == 1;
    options.PromptB4Delete = settings_.IntValue("PromptB4Delete", 0) == 1;
    options.SwapSrcTrg = settings_.IntValue("SwapSrcTrg", 0) == 1;
    options.MultiTabMode = settings_.IntValue("MultiTabMode", 0) == 1;
    options.SearchEngine = settings_.IntValue("SearchEngine", 3);
    options.CustomSearchEngine = settings_.Value("CustomSearchEngine").value_or("");
    return options;
}

TUOpts TOptions::Read() {
    TUOpts options = ReadUnchecked();
    if (!FileExists(options.UnitFile)) {
        ShowInfoMessage("Units file " + Text(options.UnitFile) +
                        " does not exist.\n Set on default");
        options.UnitFile = InDataFolder(DefaultUnitFile);
        settings_.SetValue("UnitFile", DefaultUnitFile);
    }
    return options;
}

void TOptions::Load() {
    settings_.Clear();
    try {
        settings_.LoadFromFile(SettingsFileToRead());
    } catch (const std::exception& error) {
        settings_.Clear();
        ShowErrorMessage(Text(error.what()));
    }
    LinesChanged();
}

void TOptions::Reload() {
    settings_.LoadFromFile(SettingsFileToRead());
    LinesChanged();
}

void TOptions::Save(const TKeyValueLines& settings) {
    settings_ = settings;
    LinesChanged();
    settings_.SaveToFile(SettingsFileName());
}

void TOptions::StoreUnitFile(const std::string& name) {
    settings_.SetValue("UnitFile", name);
    settings_.SaveToFile(SettingsFileName());
    emit Changed();
}

void TOptions::LinesChanged() {
    SetCurrentPrecision(ReadUnchecked().Prec);
    emit Changed();
}

TUOpts GetOptions() {
    return TOptions::Application().Read();
}

} // namespace varnel
