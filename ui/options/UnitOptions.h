#pragma once

#include "ui/options/OptGeneral.h"
#include "ui/options/UOpts.h"

#include <filesystem>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace varnel {

// The converter's options frame. The one instance made by the main window
// serves GetOptions to the whole program and the precision to FormatValue.
class TfmUnitOptions : public TfmOptGeneral {
    Q_OBJECT

public:
    // The units data editor, opened modally on a units data file; the file
    // it ended on after "Done", or nothing.
    using UnitsEditorFunction =
        std::function<std::optional<std::filesystem::path>(const std::filesystem::path& unitFile)>;

    // standAlone: the converter's own options (precision, copy, tray, update
    // check) are offered.
    explicit TfmUnitOptions(QWidget* parent = nullptr, bool standAlone = true);
    ~TfmUnitOptions() override;

    TUOpts GetOptions();
    void SaveOptions() override;
    void LoadOptions() override;
    void FillUnitFiles();
    // Where the settings are saved.
    static std::filesystem::path SettingsFileName();
    // Where they are read from: the saved file, or before the first save the
    // defaults shipped with an installed program.
    static std::filesystem::path SettingsFileToRead();
    // Puts a units file name back into the settings and the settings file,
    // after the one chosen could not be loaded.
    void StoreUnitFile(const std::string& name);

    // The "Units Data Editor" button is shown once an editor is installed.
    void SetUnitsEditor(UnitsEditorFunction editor);

    // The process-wide instance, or nothing before the main window made it.
    static TfmUnitOptions* Instance();

public slots:
    void bbUnitDataEditorClick();
    void cbSearchEngineChange();

private:
    // The record as the settings lines give it, without the units file check.
    TUOpts ReadOptions() const;
    void CreateUnitFileGroup();
    void CreateAloneGroup();
    void CreateSearchEngineGroup();
    void CreateEnvironmentGroup();

    QComboBox* cbUnitFile;
    QPushButton* bbUnitDataEditor;
    QWidget* pnlAloneOpt;
    QSpinBox* sePrec;
    QListWidget* chksAlone;
    QComboBox* cbSearchEngine;
    QLabel* lbHttp;
    QLineEdit* eCustomSE;
    QTabWidget* pcUserMode;
    QWidget* tsIntegrated;
    QWidget* tsMultiTab;
    QCheckBox* chkPromptB4Delete;
    QCheckBox* chkSwapSrcTrg;

    UnitsEditorFunction editor_;
    std::function<int()> previousPrecision_;
};

// The options of the process-wide options frame.
TUOpts GetOptions();

} // namespace varnel
