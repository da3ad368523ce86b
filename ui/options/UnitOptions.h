#pragma once

#include "ui/options/OptGeneral.h"
#include "ui/options/Options.h"

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

// The converter's options frame: shows the options, edits a copy of their
// settings lines (Settings) and hands it back to them on save.
class TfmUnitOptions : public TfmOptGeneral {
    Q_OBJECT

public:
    // The units data editor, opened modally on a units data file; the file
    // it ended on after "Done", or nothing.
    using UnitsEditorFunction =
        std::function<std::optional<std::filesystem::path>(const std::filesystem::path& unitFile)>;

    // standAlone: the converter's own options (precision, copy, tray, update
    // check) are offered. The frame starts the options afresh from the
    // settings file.
    explicit TfmUnitOptions(QWidget* parent = nullptr, bool standAlone = true,
                            TOptions& options = TOptions::Application());

    TUOpts GetOptions();
    void SaveOptions() override;
    void LoadOptions() override;
    void FillUnitFiles();
    // Puts a units file name back into the settings and the settings file,
    // after the one chosen could not be loaded.
    void StoreUnitFile(const std::string& name);

    // The "Units Data Editor" button is shown once an editor is installed.
    void SetUnitsEditor(UnitsEditorFunction editor);

public slots:
    void bbUnitDataEditorClick();
    void cbSearchEngineChange();

private:
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

    TOptions& options_;
    UnitsEditorFunction editor_;
};

} // namespace varnel
