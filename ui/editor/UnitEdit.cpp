#include "ui/editor/UnitEdit.h"

#include "common/Exception.h"
#include "common/FileLocations.h"
#include "common/HelpTopics.h"
#include "common/ProgramFolder.h"
#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "ui/about/WebLinks.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/ProgressMsg.h"
#include "ui/common/StdText.h"
#include "ui/editor/CategoryForm.h"
#include "ui/editor/EditorTree.h"
#include "ui/editor/FilterPage.h"
#include "ui/editor/UnitForm.h"
#include "ui/editor/UnitsFileSaver.h"
#include "ui/editor/XmlTextEdit.h"
#include "units/UnitsDataWriter.h"
#include "units/UnitsStatistics.h"
#include "units/XmlDocument.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace varnel {

namespace {

constexpr int EditorPageIndex = 0;
constexpr int XmlPageIndex = 1;

const char* const UnitsFileFilter = "Varnel Units (*.unt)";

std::filesystem::path SessionKey(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path key = std::filesystem::weakly_canonical(file, ec);
    return ec ? file : key;
}

} // namespace

TfrmUnitEdit::TfrmUnitEdit(QWidget* parent) : QDialog(parent) {
    setObjectName("frmUnitEdit");
    FormCreate();
}

TfrmUnitEdit::~TfrmUnitEdit() {
    // The tree's nodes refer into the document: they go first.
    Tree1->clear();
}

void TfrmUnitEdit::FormCreate() {
    SetCaption("Units File Editor");
    setSizeGripEnabled(true);

    ToolBar1 = CreateMainToolBar();
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setDocumentMode(true);
    tsEditor = CreateTreePage();
    SynEdit1 = new TXmlTextEdit;
    tsXML = new QWidget;
    tsXML->setObjectName("tsXML");
    auto* xmlLayout = new QVBoxLayout(tsXML);
    xmlLayout->setContentsMargins(0, 0, 0, 0);
    xmlLayout->addWidget(SynEdit1);
    PageControl1->addTab(tsEditor, " Editor  ");
    PageControl1->addTab(tsXML, "   XML  ");
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(StatusBar1);

    connect(PageControl1, &QTabWidget::currentChanged, this,
            ShowingErrors([this](int index) { PageControl1Change(index); }));
    connect(SynEdit1, &TXmlTextEdit::TextEdited, this, &TfrmUnitEdit::SetModified);

    Tree1UnSelectShape();
    SetInitialSize();
}

QToolButton* TfrmUnitEdit::ToolButton(QToolBar* bar, const char* name, const QString& caption,
                                      const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetHint(button, hint);
    if (ShortHint(hint).trimmed().isEmpty())
        button->setToolTip(LongHint(hint).trimmed());
    bar->addWidget(button);
    return button;
}

QToolBar* TfrmUnitEdit::CreateMainToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar1");
    tbOpen = ToolButton(bar, "tbOpen", "   Open ", "| Open existing units file");
    tbSave = ToolButton(bar, "tbSave", "Save As", "| Save the edited units into a file");
    bar->addSeparator();
    tbFilter = ToolButton(bar, "tbFilter", "   Filter ",
                          "| Include / Exclude units and categories from showing  up (\"enabled\" "
                          "property)");
    tbFilter->setCheckable(true);
    tbValidation = ToolButton(bar, "tbValidation", "Validate ",
                              "| Validation of all units/cats in the data file");
    bar->addSeparator();
    tbDone = ToolButton(bar, "tbDone", "   Done",
                        "| Validate all enabled units/cats, Save the changes and Exit editor");
    tbCancel = ToolButton(bar, "tbCancel", "  Cancel", "| Cancel the changes and Exit editor");
    tbHelp = ToolButton(bar, "tbHelp", "   Help", "| Help with the editor");

    connect(tbOpen, &QToolButton::clicked, this, ShowingErrors([this] { tbOpenClick(); }));
    connect(tbSave, &QToolButton::clicked, this, ShowingErrors([this] { tbSaveClick(); }));
    connect(tbFilter, &QToolButton::clicked, this,
            ShowingErrors([this] { SetFilterMode(tbFilter->isChecked()); }));
    connect(tbValidation, &QToolButton::clicked, this,
            ShowingErrors([this] { tbValidationClick(); }));
    connect(tbDone, &QToolButton::clicked, this, ShowingErrors([this] { tbDoneClick(); }));
    connect(tbCancel, &QToolButton::clicked, this, ShowingErrors([this] { tbCancelClick(); }));
    connect(tbHelp, &QToolButton::clicked, this, ShowingErrors([this] { tbHelpClick(); }));
    return bar;
}

QWidget* TfrmUnitEdit::CreateTreePage() {
    auto* page = new QWidget;
    page->setObjectName("tsEditor");

    auto* left = new QWidget;
    left->setObjectName("pnlTree");
    ToolBar2 = CreateNodeToolBar();
    Tree1 = new TEditorTree(left);
    pnlErrors = new QWidget(left);
    pnlErrors->setObjectName("pnlErrors");
    auto* heading = new QLabel("E r r o r s  (double click to see the error location)", pnlErrors);
    heading->setWordWrap(true);
    lbErrors = new QListWidget(pnlErrors);
    lbErrors->setObjectName("lbErrors");
    auto* errorsLayout = new QVBoxLayout(pnlErrors);
    errorsLayout->setContentsMargins(0, 0, 0, 0);
    errorsLayout->addWidget(heading);
    errorsLayout->addWidget(lbErrors);
    pnlErrors->hide();

    auto* treeAndErrors = new QSplitter(Qt::Vertical, left);
    treeAndErrors->setObjectName("splErrors");
    treeAndErrors->addWidget(Tree1);
    treeAndErrors->addWidget(pnlErrors);
    treeAndErrors->setStretchFactor(0, 3);
    treeAndErrors->setStretchFactor(1, 1);
    treeAndErrors->setChildrenCollapsible(false);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(ToolBar2);
    leftLayout->addWidget(treeAndErrors, 1);
    // Every node button stays in sight.
    left->setMinimumWidth(ToolBar2->sizeHint().width());

    pcSubEditor = new QStackedWidget;
    pcSubEditor->setObjectName("pcSubEditor");
    tsCaterogy = new TfmCategoryForm;
    tsUnit = new TfmUnitForm;
    tsFilter = new TfmFilterPage;
    tsNone = new QWidget;
    tsNone->setObjectName("tsNone");
    for (QWidget* sheet : {static_cast<QWidget*>(tsCaterogy), static_cast<QWidget*>(tsUnit),
                           static_cast<QWidget*>(tsFilter), tsNone})
        pcSubEditor->addWidget(sheet);

    treeSplit_ = new QSplitter(Qt::Horizontal, page);
    treeSplit_->setObjectName("splEditor");
    treeSplit_->addWidget(left);
    treeSplit_->addWidget(pcSubEditor);
    treeSplit_->setStretchFactor(0, 2);
    treeSplit_->setStretchFactor(1, 3);
    treeSplit_->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(treeSplit_);

    connect(Tree1, &QTreeWidget::itemSelectionChanged, this,
            ShowingErrors([this] { Tree1SelectionChanged(); }));
    connect(Tree1, &QTreeWidget::itemEntered, this,
            ShowingErrors([this](QTreeWidgetItem* node, int) { Tree1MouseEnterShape(node); }));
    connect(
        lbErrors, &QListWidget::itemDoubleClicked, this,
        ShowingErrors([this](QListWidgetItem* item) { lbErrorsDblClick(lbErrors->row(item)); }));
    connect(tsCaterogy, &TfmCategoryForm::Changed, this,
            ShowingErrors([this] { chkCatEnabledClick(); }));
    connect(tsUnit, &TfmUnitForm::Changed, this, ShowingErrors([this] { chkUnitEnabledClick(); }));
    connect(tsUnit, &TfmUnitForm::TypeChanged, this, ShowingErrors([this] { cbUnitTypeChange(); }));
    connect(tsFilter, &TfmFilterPage::SwitchRequested, this,
            ShowingErrors([this](bool enable) { tbSwitchEnabledClick(enable); }));
    connect(tsFilter, &TfmFilterPage::StatsRequested, this,
            ShowingErrors([this] { tbStatsClick(); }));
    connect(tsCaterogy, &TfmCategoryForm::SearchRequested, this,
            ShowingErrors([this] { WebSearch(tsCaterogy->CategoryName(), QString()); }));
    connect(tsUnit, &TfmUnitForm::SearchRequested, this,
            ShowingErrors([this] { WebSearch(QString(), tsUnit->UnitName()); }));
    return page;
}

QToolBar* TfrmUnitEdit::CreateNodeToolBar() {
    auto* bar = new QToolBar;
    bar->setObjectName("ToolBar2");
    tbAdd = ToolButton(bar, "tbAdd", "Add", "Add| Add new child node of the selected one");
    tbDelete = ToolButton(bar, "tbDelete", "Delete", "Delete| Delete selected node");
    bar->addSeparator();
    tbUp = ToolButton(bar, "tbUp", "Up", "Up| Move selected node UP");
    tbDown = ToolButton(bar, "tbDown", "Down", "Down| Move selected node DOWN");
    bar->addSeparator();
    tbCut = ToolButton(bar, "tbCut", "Cut", "Cut| Cut selected node into the node-clipboard");
    tbCopy = ToolButton(bar, "tbCopy", "Copy", "Copy| Copy selected node into the node-clipboard");
    tbPaste = ToolButton(bar, "tbPaste", "Paste", "Paste| Paste a node from the node-clipboard");
    bar->addSeparator();
    tbExpand = ToolButton(bar, "tbExpand", "Expand", "Expand| Full expand of all the nodes");
    tbCollapse =
        ToolButton(bar, "tbCollapse", "Collapse", "Collapse| Full collapse of all the nodes");

    connect(tbAdd, &QToolButton::clicked, this, ShowingErrors([this] { tbAddClick(); }));
    connect(tbDelete, &QToolButton::clicked, this, ShowingErrors([this] { tbDeleteClick(); }));
    connect(tbUp, &QToolButton::clicked, this, ShowingErrors([this] { tbUpClick(false); }));
    connect(tbDown, &QToolButton::clicked, this, ShowingErrors([this] { tbUpClick(true); }));
    connect(tbCut, &QToolButton::clicked, this, ShowingErrors([this] { tbCutClick(); }));
    connect(tbCopy, &QToolButton::clicked, this, ShowingErrors([this] { tbCopyClick(); }));
    connect(tbPaste, &QToolButton::clicked, this, ShowingErrors([this] { tbPasteClick(); }));
    connect(tbExpand, &QToolButton::clicked, this, [this] { tbExpandClick(true); });
    connect(tbCollapse, &QToolButton::clicked, this, [this] { tbExpandClick(false); });
    return bar;
}

// Room for the node tool bar beside the unit form, within the screen.
void TfrmUnitEdit::SetInitialSize() {
    const QFontMetrics metrics = fontMetrics();
    QSize size(std::max(metrics.averageCharWidth() * 150,
                        ToolBar2->sizeHint().width() + tsUnit->sizeHint().width() + 40),
               metrics.lineSpacing() * 44);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    resize(size);
    treeSplit_->setSizes(
        {std::max(ToolBar2->sizeHint().width(), size.width() * 2 / 5), size.width() * 3 / 5});
}

void TfrmUnitEdit::SetCaption(const QString& caption) {
    setWindowTitle(caption);
}

bool TfrmUnitEdit::TreePageActive() const {
    return PageControl1->currentIndex() == EditorPageIndex;
}

void TfrmUnitEdit::SetModified() {
    modified_ = true;
}

bool TfrmUnitEdit::OpenUnitsFile(const std::filesystem::path& path) {
    if (!FileExists(path))
        throw Exception("No unit file. " + path.string());
    if (isVisible() && modified_ && !AskDiscardChanges())
        return false;
    tbFilter->setChecked(false);
    SetFilterMode(false);
    const std::string text = ReadTextFile(path);
    // Nothing changes unless the whole file was taken.
    if (!LoadTree(text))
        return false;
    FileName = path;
    SetCaption("Units File Editor  ( " + Text(path.string()) + " )");
    if (!TreePageActive())
        SynEdit1->SetText(Text(text));
    modified_ = false;
    if (isVisible())
        return false;

    backedUp_.clear();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return ExecModal(*this) == QDialog::Accepted;
}

bool TfrmUnitEdit::LoadTree(const std::string& text) {
    auto fresh = std::make_unique<TXmlDocument>();
    TXMLUnitsDataType root;
    TEditorTree::TNodes nodes;
    QStringList keywords;
    try {
        fresh->LoadFromText(text);
        root = UnitsDataOf(*fresh);
        nodes = TEditorTree::BuildNodes(root);
        for (const std::string& word : SplitCommaText(root.Description().Keywords()))
            keywords.append(Text(word));
    } catch (const Exception& error) {
        ShowErrorMessage(Text(error.Message()));
        return false;
    }

    // Nothing may refer into the old document once it is gone.
    Tree1->clearSelection();
    ClearForms();
    errors_.clear();
    ShowErrors();
    Tree1->AdoptNodes(std::move(nodes));
    document_ = std::move(fresh);
    editRoot_ = root;
    tsUnit->SetKeywords(keywords);
    std::vector<TXMLDomainType> shown;
    for (TXMLDomainType domain : editRoot_.Domains())
        if (domain.Enabled() != 0)
            shown.push_back(domain);
    tsFilter->SetDomains(shown);
    tsFilter->SetKeywords(keywords);
    SelectFirstCategory();
    return true;
}

void TfrmUnitEdit::SelectFirstCategory() {
    QTreeWidgetItem* domain = Tree1->topLevelItem(0);
    if (!domain)
        return;
    domain->setExpanded(true);
    if (QTreeWidgetItem* category = domain->child(0)) {
        category->setExpanded(true);
        SelectNode(category);
    }
}

void TfrmUnitEdit::ClearForms() {
    currentCategory_ = {};
    currentUnit_ = {};
    pcSubEditor->setCurrentWidget(filterMode_ ? static_cast<QWidget*>(tsFilter) : tsNone);
}

bool TfrmUnitEdit::AskDiscardChanges() {
    return AskYesNo("The units data has been changed.\n\nDiscard the changes?");
}

void TfrmUnitEdit::reject() {
    if (modified_ && !AskDiscardChanges())
        return;
    QDialog::reject();
}

bool TfrmUnitEdit::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        StatusBar1->showMessage(tip.isEmpty() ? QString() : " " + tip);
        return true;
    }
    return QDialog::event(event);
}

void TfrmUnitEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        tbHelpClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmUnitEdit::tbOpenClick() {
    const QString path = AskOpenFileName(
        this, {"Open Varnel Units File", Text(ProgramFolder().string()), UnitsFileFilter, "unt"});
    if (!path.isEmpty())
        OpenUnitsFile(StdText(path));
}

void TfrmUnitEdit::tbHelpClick() {
    ShowHelpTopic(HelpTopic::UnitsDataEditor);
}

void TfrmUnitEdit::tbCancelClick() {
    reject();
}

void TfrmUnitEdit::PageControl1Change(int index) {
    if (switchingPage_)
        return;
    if (activePage_ == XmlPageIndex && index == EditorPageIndex && !LeaveTextPage()) {
        switchingPage_ = true;
        PageControl1->setCurrentIndex(XmlPageIndex);
        switchingPage_ = false;
        return;
    }
    if (activePage_ == EditorPageIndex && index == XmlPageIndex)
        ShowTextOfDocument();
    activePage_ = index;
    tbFilter->setEnabled(TreePageActive());
    tbValidation->setEnabled(TreePageActive());
}

void TfrmUnitEdit::ShowTextOfDocument() {
    if (!editRoot_)
        return;
    // The tree and the document keep one order, so the document's own
    // outline is the tree's, with the hidden domains kept.
    SynEdit1->SetText(Text(UnitsDataText(editRoot_)));
}

// Text that was not touched is what the document already holds.
bool TfrmUnitEdit::LeaveTextPage() {
    if (!SynEdit1->Edited())
        return true;
    if (!LoadTree(StdText(SynEdit1->toPlainText())))
        return false;
    SynEdit1->SetEdited(false);
    return true;
}

bool TfrmUnitEdit::TakeTextPage() {
    return TreePageActive() || LeaveTextPage();
}

bool TfrmUnitEdit::ValidForSaving() {
    TMessages messages;
    {
        TBusyCursor busy;
        ValidateUnitsData(editRoot_, errors_, true, messages, TfrmProgressMsg::Instance());
    }
    ShowCoreMessages(messages);
    ShowErrors();
    if (errors_.empty())
        return true;
    ShowInfoMessage("There are errors in the enabled units/cats of the data file, you're about to "
                    "save.\n\nIf you wish to save your changes, make sure that all incorrect "
                    "units/cats are disabled");
    return false;
}

void TfrmUnitEdit::WriteUnitsFile(const std::filesystem::path& file) {
    TBusyCursor busy;
    const std::string text = UnitsDataText(editRoot_);
    const std::filesystem::path key = SessionKey(file);
    if (FileExists(file) && !backedUp_.contains(key)) {
        KeepBackup(file);
        backedUp_.insert(key);
    }
    SaveUnitsFile(text, file);
    modified_ = false;
    if (!TreePageActive())
        SynEdit1->SetText(Text(text));
}

void TfrmUnitEdit::tbDoneClick() {
    if (!TakeTextPage() || !ValidForSaving())
        return;
    WriteUnitsFile(FileName);
    accept();
}

void TfrmUnitEdit::tbSaveClick() {
    if (!TakeTextPage() || !ValidForSaving())
        return;
    const std::filesystem::path start = FileExists(FileName) ? FileName : ProgramFolder();
    const QString path = AskSaveFileName(
        this, {"Save Varnel Units File", Text(start.string()), UnitsFileFilter, "unt"});
    if (path.isEmpty())
        return;
    WriteUnitsFile(StdText(path));
    FileName = StdText(path);
    SetCaption("Units File Editor  (" + path + ")");
}

void TfrmUnitEdit::tbValidationClick() {
    TMessages messages;
    {
        TBusyCursor busy;
        ValidateUnitsData(editRoot_, errors_, false, messages, TfrmProgressMsg::Instance());
    }
    ShowCoreMessages(messages);
    if (errors_.empty())
        ShowInfoMessage("V a l i d a t i o n   c o n f i r m e d .");
    ShowErrors();
}

} // namespace varnel
