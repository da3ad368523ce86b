#include "ui/options/UnitOptions.h"

#include "common/Exception.h"
#include "common/FileLocations.h"
#include "common/ProgramFolder.h"
#include "common/TextUtil.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/StdText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varnel {

namespace {

bool IsUnitsDataFileName(const std::string& name) {
    return name.size() > 4 && name[0] != '.' && SameText(name.substr(name.size() - 4), ".unt");
}

// As the file system sees them: links, "." and letter case resolve as the
// disk resolves them.
bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TfmUnitOptions::TfmUnitOptions(QWidget* parent, bool standAlone, TOptions& options)
    : TfmOptGeneral(parent), options_(options) {
    setObjectName("fmUnitOptions");
    stCaption->setText("Units Converter");
    CreateUnitFileGroup();
    CreateAloneGroup();
    CreateSearchEngineGroup();
    CreateEnvironmentGroup();
    ContentLayout()->addStretch();

    pnlAloneOpt->setVisible(standAlone);
    stCaption->setVisible(!standAlone);

    options_.Load();
    Settings = options_.Settings();
}

void TfmUnitOptions::CreateUnitFileGroup() {
    auto* group = new QGroupBox(" Varnel Units Data File ", this);
    cbUnitFile = new QComboBox(group);
    cbUnitFile->setObjectName("cbUnitFile");
    cbUnitFile->setEditable(false);
    cbUnitFile->setMinimumContentsLength(12);
    cbUnitFile->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbUnitFile->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    bbUnitDataEditor = new QPushButton("Units Data Editor", group);
    bbUnitDataEditor->setObjectName("bbUnitDataEditor");
    bbUnitDataEditor->setVisible(false);
    connect(bbUnitDataEditor, &QPushButton::clicked, this,
            ShowingErrors([this] { bbUnitDataEditorClick(); }));

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(cbUnitFile, 1);
    layout->addWidget(bbUnitDataEditor);
    ContentLayout()->addWidget(group);
}

void TfmUnitOptions::CreateAloneGroup() {
    pnlAloneOpt = new QWidget(this);
    pnlAloneOpt->setObjectName("pnlAloneOpt");

    auto* precision = new QGroupBox(" Precision ", pnlAloneOpt);
    sePrec = new QSpinBox(precision);
    sePrec->setObjectName("sePrec");
    sePrec->setRange(1, 15);
    sePrec->setValue(5);
    auto* precisionLayout = new QVBoxLayout(precision);
    precisionLayout->addWidget(sePrec);
    precisionLayout->addStretch();

    chksAlone = new QListWidget(pnlAloneOpt);
    chksAlone->setObjectName("chksAlone");
    const int rowHeight = std::max(chksAlone->fontMetrics().height(),
                                   chksAlone->style()->pixelMetric(QStyle::PM_IndicatorHeight)) +
                          6;
    for (const char* item :
         {"Copy Source and Target", "Minimize On SystemTray", "Monthly Update Check"}) {
        auto* entry = new QListWidgetItem(item, chksAlone);
        entry->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        entry->setCheckState(Qt::Unchecked);
        entry->setSizeHint(QSize(0, rowHeight));
    }
    // Exactly as high as its three items, so that none is cut off.
    chksAlone->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    chksAlone->setFixedHeight(3 * rowHeight + 2 * chksAlone->frameWidth());
    chksAlone->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* layout = new QHBoxLayout(pnlAloneOpt);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(precision);
    layout->addWidget(chksAlone, 1, Qt::AlignBottom);
    ContentLayout()->addWidget(pnlAloneOpt);
}

void TfmUnitOptions::CreateSearchEngineGroup() {
    auto* group = new QGroupBox(" Search Engine ", this);
    cbSearchEngine = new QComboBox(group);
    cbSearchEngine->setObjectName("cbSearchEngine");
    cbSearchEngine->addItems({"...custom", "Google", "Yahoo", "Wikipedia", "www.ask.com"});
    cbSearchEngine->setCurrentIndex(-1);
    connect(cbSearchEngine, &QComboBox::currentIndexChanged, this,
            &TfmUnitOptions::cbSearchEngineChange);
    lbHttp = new QLabel("http://", group);
    lbHttp->setObjectName("lbHttp");
    eCustomSE = new QLineEdit(group);
    eCustomSE->setObjectName("eCustomSE");
    eCustomSE->setMinimumWidth(200);
    eCustomSE->setMaximumWidth(500);

    auto* layout = new QHBoxLayout(group);
    layout->addWidget(cbSearchEngine);
    layout->addSpacing(6);
    layout->addWidget(lbHttp);
    layout->addWidget(eCustomSE, 1);
    ContentLayout()->addWidget(group);
    cbSearchEngineChange();
}

void TfmUnitOptions::CreateEnvironmentGroup() {
    auto* group = new QGroupBox(" Environment ", this);
    pcUserMode = new QTabWidget(group);
    pcUserMode->setObjectName("pcUserMode");
    pcUserMode->setDocumentMode(true);

    tsIntegrated = new QWidget;
    tsIntegrated->setObjectName("tsIntegrated");
    auto* integratedNote = new QLabel("Integrated simplified environment - beginners mode");
    integratedNote->setWordWrap(true);
    auto* integratedLayout = new QVBoxLayout(tsIntegrated);
    integratedLayout->addWidget(integratedNote);
    integratedLayout->addStretch();

    tsMultiTab = new QWidget;
    tsMultiTab->setObjectName("tsMultiTab");
    auto* multiTabNote = new QLabel("Multi-tab / Multi-utilities environment - advanced mode");
    multiTabNote->setWordWrap(true);
    chkPromptB4Delete =
        CheckBox(tsMultiTab, "chkPromptB4Delete", "Prompt Before Delete in All Units");
    chkSwapSrcTrg =
        CheckBox(tsMultiTab, "chkSwapSrcTrg", "Replace Source with Target when you enter Edit tab");
    auto* multiTabLayout = new QVBoxLayout(tsMultiTab);
    multiTabLayout->addWidget(multiTabNote);
    multiTabLayout->addWidget(chkPromptB4Delete);
    multiTabLayout->addWidget(chkSwapSrcTrg);
    multiTabLayout->addStretch();

    pcUserMode->addTab(tsIntegrated, " Integrated mode");
    pcUserMode->addTab(tsMultiTab, " Multi-utilities mode ");
    pcUserMode->setCurrentIndex(1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(pcUserMode);
    ContentLayout()->addWidget(group);
}

TUOpts TfmUnitOptions::GetOptions() {
    return options_.Read();
}

void TfmUnitOptions::SaveOptions() {
    auto flag = [](bool on) { return on ? "1" : "0"; };
    auto checked = [this](int item) { return chksAlone->item(item)->checkState() == Qt::Checked; };
    Settings.Clear();
    Settings.Append("UnitFile", cbUnitFile->currentText().toStdString());
    Settings.Append("Prec", std::to_string(sePrec->value()));
    Settings.Append("CopyBoth", flag(checked(0)));
    Settings.Append("MinimOnTray", flag(checked(1)));
    Settings.Append("MonthlyCheck", flag(checked(2)));
    Settings.Append("PromptB4Delete", flag(chkPromptB4Delete->isChecked()));
    Settings.Append("SwapSrcTrg", flag(chkSwapSrcTrg->isChecked()));
    Settings.Append("MultiTabMode", std::to_string(pcUserMode->currentIndex()));
    Settings.Append("SearchEngine", std::to_string(cbSearchEngine->currentIndex()));
    Settings.Append("CustomSearchEngine", eCustomSE->text().toStdString());
    options_.Save(Settings);
}

void TfmUnitOptions::LoadOptions() {
    options_.Reload();
    Settings = options_.Settings();
    if (Settings.Empty())
        return;
    FillUnitFiles();
    const TUOpts options = GetOptions();
    sePrec->setValue(options.Prec);
    const bool checks[] = {options.CopyBoth, options.MinimOnTray, options.MonthlyCheck};
    for (int i = 0; i < 3; ++i)
        chksAlone->item(i)->setCheckState(checks[i] ? Qt::Checked : Qt::Unchecked);
    chkPromptB4Delete->setChecked(options.PromptB4Delete);
    chkSwapSrcTrg->setChecked(options.SwapSrcTrg);
    pcUserMode->setCurrentIndex(options.MultiTabMode ? 1 : 0);
    const bool listed = options.SearchEngine >= 0 && options.SearchEngine < cbSearchEngine->count();
    cbSearchEngine->setCurrentIndex(listed ? options.SearchEngine : -1);
    cbSearchEngineChange();
    eCustomSE->setText(Text(options.CustomSearchEngine));
}

void TfmUnitOptions::FillUnitFiles() {
    cbUnitFile->clear();
    std::vector<std::string> names;
    for (const auto& folder : DataSearchFolders()) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
            const std::string name = entry.path().filename().string();
            std::error_code typeError;
            const bool listed = std::any_of(names.begin(), names.end(), [&](const std::string& n) {
                return SameText(n, name);
            });
            if (!listed && IsUnitsDataFileName(name) && entry.is_regular_file(typeError))
                names.push_back(name);
        }
    }
    // Listed as a desktop's file list shows them, whatever the disk's order.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return UpperCase(a) < UpperCase(b);
    });
    for (const std::string& name : names)
        cbUnitFile->addItem(Text(name));

    const TUOpts options = GetOptions();
    const std::string current = std::filesystem::path(options.UnitFile).filename().string();
    int selected = -1;
    for (int i = 0; i < cbUnitFile->count() && selected < 0; ++i)
        if (SameText(cbUnitFile->itemText(i).toStdString(), current))
            selected = i;
    // A file in use that the list does not offer stays the choice, instead
    // of an OK without a touch storing no file at all.
    const std::string stored = options_.Settings().Value("UnitFile").value_or("");
    if (selected < 0 && !stored.empty() && FileExists(options.UnitFile)) {
        cbUnitFile->addItem(Text(stored));
        selected = cbUnitFile->count() - 1;
    }
    cbUnitFile->setCurrentIndex(selected);
}

void TfmUnitOptions::StoreUnitFile(const std::string& name) {
    options_.StoreUnitFile(name);
    Settings = options_.Settings();
}

void TfmUnitOptions::cbSearchEngineChange() {
    eCustomSE->setEnabled(cbSearchEngine->currentIndex() == 0);
    lbHttp->setEnabled(eCustomSE->isEnabled());
}

void TfmUnitOptions::SetUnitsEditor(UnitsEditorFunction editor) {
    editor_ = std::move(editor);
    bbUnitDataEditor->setVisible(static_cast<bool>(editor_));
}

void TfmUnitOptions::bbUnitDataEditorClick() {
    if (!editor_)
        return;
    const std::optional<std::filesystem::path> edited = editor_(GetOptions().UnitFile);
    if (!edited)
        return;
    const auto folders = DataSearchFolders();
    const bool known = std::any_of(folders.begin(), folders.end(), [&](const auto& folder) {
        return SameFolder(edited->parent_path(), folder);
    });
    if (!known)
        throw EM("Wrong file dir - must be the executable one");
    options_.StoreUnitFile(edited->filename().string());
    LoadOptions();
}

} // namespace varnel
