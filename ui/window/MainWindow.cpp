#include "ui/window/MainWindow.h"

#include "common/Exception.h"
#include "common/FileLocations.h"
#include "common/HelpTopics.h"
#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "convert/Convert.h"
#include "ui/about/AboutUC.h"
#include "ui/about/ClickLabel.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ProgressMsg.h"
#include "ui/common/StdText.h"
#include "ui/editor/UnitEdit.h"
#include "ui/integrated/IntegConv.h"
#include "ui/log/LogPage.h"
#include "ui/options/OptCont.h"
#include "ui/options/UnitOptions.h"
#include "ui/options/WindowSizeFile.h"
#include "ui/pages/AllUnitsPage.h"
#include "ui/pages/BasePage.h"
#include "ui/pages/SimplePage.h"
#include "ui/valueline/FrameIO.h"
#include "ui/valueline/UnitSymbols.h"
#include "ui/window/ProgramIcon.h"
#include "ui/window/TrayIcon.h"
#include "units/Validation.h"
#include "units/XmlDocument.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace varnel {

namespace {

// The loader has already said why it refused the data.
const char* const LoaderFailure = "The file holds no usable units data.";

constexpr int SimplePageIndex = 0;
constexpr int AllUnitsPageIndex = 1;
constexpr int BasePageIndex = 2;
constexpr int EditPageIndex = 3;
constexpr int LogPageIndex = 4;

// Page tabs at least 30 pixels high, easy to hit at the window's bottom edge.
class TPageTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.setHeight(std::max(size.height(), 30));
        return size;
    }
};

class TPageControl : public QTabWidget {
public:
    explicit TPageControl(QWidget* parent) : QTabWidget(parent) {
        setTabBar(new TPageTabBar(this));
    }
};

} // namespace

TfrmUnitsConvert::TfrmUnitsConvert(QWidget* parent, TPageBuilding building)
    : QMainWindow(parent), pageBuilding_(building) {
    setObjectName("frmUnitsConvert");
    setWindowTitle("Varnel Units Converter v3.1");
    setWindowIcon(ProgramIcon());
    setMinimumSize(MinimumWidth, MinimumHeight);
    FormCreate();
    qApp->installEventFilter(this);
}

TfrmUnitsConvert::~TfrmUnitsConvert() {
    closing_ = true;
    qApp->removeEventFilter(this);
    delete AboutUC;
    // No page hears the value line while the pages go.
    disconnect(fmIO, nullptr, nullptr, nullptr);
    // The pages refer to the engines and the value line: they go first,
    // wherever the mode has placed them.
    for (TfmUnitModule*& page : pages_) {
        delete page;
        page = nullptr;
    }
    delete takeCentralWidget();
}

TfrmUnitEdit* TfrmUnitsConvert::UnitEditor() {
    if (!frmUnitEdit)
        frmUnitEdit = new TfrmUnitEdit(this);
    return frmUnitEdit;
}

TfmUnitModule* TfrmUnitsConvert::Pages(int index) {
    if (index < 0 || index >= PageCount)
        return nullptr;
    if (!pages_[static_cast<size_t>(index)])
        CreateDeferredPage(index);
    return pages_[static_cast<size_t>(index)];
}

void TfrmUnitsConvert::FormCreate() {
    CreatePages();
    fmIO->Setup();
    fmUnitOptions = new TfmUnitOptions(this);
    fmUnitOptions->hide();
    frmOptCont = new TfrmOptCont(this);
    frmProgressMsg = new TfrmProgressMsg(this);
    fmUnitOptions->SetUnitsEditor(
        [this](const std::filesystem::path& file) -> std::optional<std::filesystem::path> {
            TfrmUnitEdit* editor = UnitEditor();
            if (!editor->OpenUnitsFile(file))
                return std::nullopt;
            return editor->FileName;
        });
    TrayIcon1 = new TTrayIcon(this);
    TrayIcon1->SetHint(windowTitle());
    connect(&TOptions::Application(), &TOptions::Changed, this, [this] {
        if (unitsLoaded_)
            TrayIcon1->SetActive(TOptions::Application().ReadUnchecked().MinimOnTray);
    });

    SetHelpFolder(FindDataFile("help"));
    if (!HasXmlImplementation(XmlImplementationName))
        ShowInfoMessage("MSXML component is missing");
    CreateAboutBox();
    SetupConverter();
    // After the set-up, whose options reading reports a missing units file.
    if (unitsLoaded_ && GetOptions().MonthlyCheck)
        AboutUC->CheckUpdate();
    AboutUC->HideSplash();
}

void TfrmUnitsConvert::CreateAboutBox() {
    AboutUC = new TAboutUC(this);
    // A check that is due fetches once the window is up: start-up never
    // waits on the network.
    connect(this, &TfrmUnitsConvert::FirstShown, AboutUC, &TAboutUC::StartPendingFetch,
            Qt::QueuedConnection);
    AboutUC->SetPicture(ProgramPicture(TAboutUC::PictureSize, devicePixelRatioF()));
    const int size = btnOptAlone->sizeHint().height();
    imgAbout2->setPixmap(ProgramPicture(size, devicePixelRatioF()));
    imgAbout2->setFixedSize(size, size);
    imgAbout2->show();
    connect(imgAbout2, &TClickLabel::Clicked, this, ShowingErrors([this] { imgAbout1Click(); }));
    AboutUC->ShowAbout(false);
}

void TfrmUnitsConvert::CreatePages() {
    auto* central = new QWidget(this);
    central->setObjectName("pnlClient");
    setCentralWidget(central);

    PageControl1 = new TPageControl(central);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setTabPosition(QTabWidget::South);
    PageControl1->setDocumentMode(true);

    const std::array<std::pair<const char*, const char*>, PageCount> sheets = {{
        {"tsSimple", "&Simple"},
        {"tsAllUnits", "&All Units"},
        {"tsBase", "&Base"},
        {"tsCompose", "&Edit"},
        {"tsLog", " &Log"},
    }};
    for (size_t i = 0; i < sheets.size(); ++i) {
        auto* sheet = new QWidget;
        sheet->setObjectName(sheets[i].first);
        auto* layout = new QVBoxLayout(sheet);
        layout->setContentsMargins(0, 0, 0, 0);
        tabSheets_[i] = sheet;
        PageControl1->addTab(sheet, sheets[i].second);
    }

    fmSimple = new TfmSimple;
    PlacePage(SimplePageIndex, fmSimple, "fmSimple");
    if (pageBuilding_ == TPageBuilding::WithWindow) {
        CreateDeferredPage(AllUnitsPageIndex);
        CreateDeferredPage(BasePageIndex);
    }
    fmCompose1 = new TfmAllUnits;
    PlacePage(EditPageIndex, fmCompose1, "fmCompose1");
    fmUnitLog = new TfmUnitLog;
    PlacePage(LogPageIndex, fmUnitLog, "fmUnitLog");

    // After the pages, so that it outlives them when the window goes.
    fmIO = new TfmIO(central);
    fmIntegConv = new TfmIntegConv(central);
    fmIntegConv->hide();

    connect(PageControl1, &QTabWidget::currentChanged, this, ShowingErrors([this](int index) {
                PageControl1Changing();
                activePage_ = index;
                PageControl1Change(PageControl1);
            }));

    CreateButtonStrip();

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(fmIO);
    layout->addWidget(PageControl1, 1);
    layout->addWidget(fmIntegConv, 1);
    layout->addWidget(pnlApplication);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName("StatusBar1");
}

void TfrmUnitsConvert::PlacePage(int index, TfmUnitModule* page, const char* name) {
    page->setObjectName(name);
    pages_[static_cast<size_t>(index)] = page;
    QWidget* sheet = tabSheets_[static_cast<size_t>(index)];
    sheet->layout()->addWidget(page);
    // A page made on its sheet's entry is shown and sized at once, before
    // it loads, as the pages made with the window are.
    page->show();
    sheet->layout()->activate();
}

// A page made after the start is set up as the start set up the others.
void TfrmUnitsConvert::CreateDeferredPage(int index) {
    TfmUnitModule* page = nullptr;
    if (index == AllUnitsPageIndex) {
        fmAllUnits1 = new TfmAllUnits;
        page = fmAllUnits1;
        PlacePage(index, page, "fmAllUnits1");
    } else if (index == BasePageIndex) {
        fmBase = new TfmBase;
        page = fmBase;
        PlacePage(index, page, "fmBase");
    }
    if (!page || !unitsLoaded_)
        return;
    page->SetEngines(fmIO, iCnv.get(), oCnv.get());
    LoadPage(page);
    UpdateTabOrder();
}

void TfrmUnitsConvert::CreateButtonStrip() {
    pnlApplication = new QFrame(centralWidget());
    pnlApplication->setObjectName("pnlApplication");
    pnlApplication->hide();

    imgAbout2 = new TClickLabel(pnlApplication);
    imgAbout2->setObjectName("imgAbout2");
    imgAbout2->setCursor(Qt::PointingHandCursor);
    SetHint(imgAbout2, "| About Varnel Units Converter Pro");
    // Shown once the About box exists.
    imgAbout2->hide();

    auto button = [this](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QPushButton(caption, pnlApplication);
        b->setObjectName(name);
        b->setAutoDefault(false);
        SetHint(b, hint);
        return b;
    };
    btnOptAlone = button("btnOptAlone", "&Options...", "| Options and Units Data Editor");
    btnClear = button("btnClear", "Clear", "| Clear the units, keep the value (Esc)");
    btnCopy = button("btnCopy", "&Copy", "| Copy conversion results into the clipboard");
    btnHide = button("btnHide", "H&ide", "| Hide units converter");
    btnHelp1 = button("btnHelp1", "&Help", "| Help for the active page");
    connect(btnClear, &QPushButton::clicked, this, ShowingErrors([this] {
                fmIO->ClearUnits();
                fmIO->InputLine()->setFocus();
            }));
    connect(btnOptAlone, &QPushButton::clicked, this,
            ShowingErrors([this] { btnOptAloneClick(); }));
    connect(btnCopy, &QPushButton::clicked, this, ShowingErrors([this] { btnCopyClick(); }));
    connect(btnHide, &QPushButton::clicked, this, ShowingErrors([this] { btnHideClick(); }));
    connect(btnHelp1, &QPushButton::clicked, this, ShowingErrors([this] { btnHelp2Click(); }));

    auto* layout = new QHBoxLayout(pnlApplication);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(imgAbout2);
    layout->addWidget(btnOptAlone);
    layout->addWidget(btnClear);
    layout->addStretch();
    layout->addWidget(btnCopy);
    layout->addWidget(btnHide);
    layout->addWidget(btnHelp1);
}

std::string TfrmUnitsConvert::UnitsDataPath() {
    const std::string named = GetOptions().UnitFile;
    if (FileExists(named))
        return named;
    return FindDataFile("Varnel.unt").string();
}

void TfrmUnitsConvert::SetupConverter() {
    iCnv = std::make_unique<TConvert>();
    oCnv = std::make_unique<TConvert>();
    iCnv->SetKeepValue(true);
    oCnv->SetKeepValue(false);
    fmIntegConv->SetParts(fmIO, iCnv.get(), oCnv.get(), fmSimple);
    const std::string path = UnitsDataPath();
    const std::string fallback = FindDataFile("Varnel.unt").string();
    std::string failure = LoadUnitsAtStart(path);
    // A chosen file that cannot be used must not lock the user out: the
    // default data is loaded instead.
    if (!failure.empty() && path != fallback && FileExists(fallback)) {
        ShowErrorMessage(Text("The units data file " + path + " cannot be used:\n" + failure +
                              "\n\nThe default units data file " + fallback +
                              " is loaded instead."));
        failure = LoadUnitsAtStart(fallback);
    }
    // Units data that cannot be used ends the program; say why first.
    if (!failure.empty() && failure != LoaderFailure)
        ShowErrorMessage(Text(failure));
    unitsLoaded_ = failure.empty();
    setEnabled(unitsLoaded_);
    if (!unitsLoaded_)
        return;
    // Read once the units data is settled: a missing file is reported once.
    TrayIcon1->SetActive(GetOptions().MinimOnTray);

    FillUnitSymbols();
    if (fmAllUnits1)
        fmAllUnits1->SetComposeMode(false);
    fmCompose1->SetComposeMode(true);
    connect(fmIO, &TfmIO::ConversionToLog, fmUnitLog, &TfmUnitModule::Refresh,
            Qt::UniqueConnection);
    fmIO->SetCheckEngine(iCnv.get());
    for (TfmUnitModule* page : pages_)
        if (page)
            page->SetEngines(fmIO, iCnv.get(), oCnv.get());
    LoadPages();
    SetActivePage(EditPageIndex);
    PageControl1Change(nullptr);
    ApplyMode();
    pnlApplication->show();
    connect(fmSimple, &TfmSimple::RowsRebuilt, this, [this] { UpdateTabOrder(); });
    UpdateTabOrder();
    fmIO->InputLine()->setFocus();
    try {
        ValidateOnRequest(QCoreApplication::arguments());
    } catch (const std::exception& error) {
        // The data loaded; the converter runs on after saying what failed.
        ShowErrorMessage(Text(error.what()));
    }
    RestoreWindowSize();
}

// Why the units data at path cannot be used; empty when it loaded.
std::string TfrmUnitsConvert::LoadUnitsAtStart(const std::string& path) {
    try {
        if (FileExists(path))
            LoadEngines(ReadTextFile(path));
    } catch (const std::exception& error) {
        iCnv->Clear();
        oCnv->Clear();
        loadedDocument_.reset();
        return error.what();
    }
    if (!loadedDocument_ || !iCnv->Root())
        return LoaderFailure;
    return {};
}

void TfrmUnitsConvert::LoadEngines(const std::string& text) {
    // Malformed text would leave both engines empty: refuse it first. Both
    // engines then read the one parsed model.
    auto document = std::make_shared<TXmlDocument>();
    document->LoadFromText(text);
    try {
        ShowCoreMessages(iCnv->LoadFromDocument(document));
        oCnv->ShareModel(*iCnv);
    } catch (...) {
        ShowCoreMessages(iCnv->LoadMessages());
        if (loadedDocument_) {
            ShowCoreMessages(iCnv->LoadFromDocument(loadedDocument_));
            oCnv->ShareModel(*iCnv);
        }
        throw;
    }
    loadedDocument_ = std::move(document);
}

void TfrmUnitsConvert::LoadPages() {
    for (TfmUnitModule* page : pages_)
        if (page)
            LoadPage(page);
}

// The All Units tree of every category takes longer to fill than the rest of
// the window, and the page is not on screen at start or after a reload.
void TfrmUnitsConvert::LoadPage(TfmUnitModule* page) {
    if (page == fmAllUnits1)
        allUnitsPending_ = true;
    else
        page->LoadUnits();
}

void TfrmUnitsConvert::LoadPageOnEntry(int index) {
    // Made first if it waited for its entry, which leaves it pending.
    TfmUnitModule* page = Pages(index);
    if (allUnitsPending_ && page == fmAllUnits1) {
        allUnitsPending_ = false;
        fmAllUnits1->LoadUnits();
    }
}

void TfrmUnitsConvert::FillUnitSymbols() {
    SetUnitSymbols(iCnv->AllUnits().InputSymbols({ukCore, ukFactor, ukRule}));
}

void TfrmUnitsConvert::ValidateOnRequest(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument.toLower() != "-vld")
            continue;
        TValidationErrors errors;
        TMessages messages;
        {
            TBusyCursor busy;
            ValidateUnitsData(iCnv->Root(), errors, true, messages, frmProgressMsg);
        }
        ShowCoreMessages(messages);
        if (!errors.empty())
            ShowInfoMessage("Errors in Units data file:\n\n Enter Units Editor and\n run Validate "
                            "for more details.");
    }
}

void TfrmUnitsConvert::ReloadUnits(const std::string& path) {
    const QString source = fmIO->GetSource();
    const std::string text = ReadTextFile(path);
    if (text.empty())
        throw EM("Wrong filename - " + path);
    auto rebuild = [this, source] {
        FillUnitSymbols();
        LoadPages();
        // The integrated view's tree follows the units data in either mode;
        // in the integrated mode ApplyMode sets it up.
        if (IsMultiTab())
            fmIntegConv->SetupView();
        ApplyMode();
        if (IsMultiTab()) {
            SetActivePage(EditPageIndex);
            PageControl1Change(nullptr);
        } else {
            fmIntegConv->ShowSource(source);
        }
    };
    try {
        LoadEngines(text);
    } catch (const EXmlParseError&) {
        throw; // nothing was loaded
    } catch (...) {
        rebuild(); // the engines hold the previous data again
        throw;
    }
    rebuild();
}

bool TfrmUnitsConvert::IsMultiTab() {
    return GetOptions().MultiTabMode;
}

void TfrmUnitsConvert::ApplyMode() {
    const bool multiTab = IsMultiTab();
    fmIntegConv->setVisible(!multiTab);
    PageControl1->setVisible(multiTab);
    fmSimple->SetShowSI(multiTab);
    fmUnitLog->SetShowTime(multiTab);
    if (multiTab)
        LayOutMultiTab();
    else
        LayOutIntegrated();
    UpdateTabOrder();
}

// The value line, the Simple page and the Log page move between the layouts;
// they are never made anew, so what they hold stays.
void TfrmUnitsConvert::LayOutMultiTab() {
    auto* central = static_cast<QVBoxLayout*>(centralWidget()->layout());
    if (central->indexOf(fmIO) != 0) {
        central->insertWidget(0, fmIO);
        fmIO->show();
    }
    fmIO->ModeLocked = true;
    if (fmSimple->parentWidget() != tabSheets_[0]) {
        tabSheets_[0]->layout()->addWidget(fmSimple);
        fmSimple->show();
    }
    if (fmUnitLog->parentWidget() != tabSheets_[4]) {
        tabSheets_[4]->layout()->addWidget(fmUnitLog);
        fmUnitLog->show();
    }
}

void TfrmUnitsConvert::LayOutIntegrated() {
    fmIntegConv->PlaceValueLine(fmIO);
    fmIO->ModeLocked = false;
    fmIntegConv->PlaceSimple(fmSimple);
    fmIntegConv->PlaceLog(fmUnitLog);
    // The Base page is not on screen: a click on the sign cell is not its.
    if (fmBase)
        fmBase->ReleaseMarkClick();
    fmIntegConv->SetupView();
    BindSource([this](QObject* sender) { fmIntegConv->SourceChanged(sender); });
}

// Tab leaves a grid rather than walking its cells (the value line's grid
// would keep it for ever), and a scrolled panel is no stop of its own.
void TfrmUnitsConvert::UpdateTabOrder() {
    for (QAbstractItemView* view : findChildren<QAbstractItemView*>())
        view->setTabKeyNavigation(false);
    for (QScrollArea* area : findChildren<QScrollArea*>())
        area->setFocusPolicy(Qt::NoFocus);
}

// Keys take the path the eye does: the value line, the rows below it, the
// page's own controls or the categories, the tabs, the buttons at the bottom.
// Rows come and go, so the path is worked out at each key.
QList<QWidget*> TfrmUnitsConvert::TabChain() const {
    QList<QWidget*> chain{fmIO->InputLine()};
    auto add = [this, &chain](QWidget* part) {
        if (!part)
            return;
        for (QWidget* widget : part->findChildren<QWidget*>())
            if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy() &&
                widget->window() == this && widget->isVisible() && widget->isEnabled() &&
                !chain.contains(widget))
                chain.append(widget);
    };
    add(fmSimple);
    add(fmIntegConv);
    for (TfmUnitModule* page : pages_)
        add(page);
    add(PageControl1);
    add(pnlApplication);
    return chain;
}

bool TfrmUnitsConvert::focusNextPrevChild(bool next) {
    if (closing_)
        return QMainWindow::focusNextPrevChild(next);
    const QList<QWidget*> chain = TabChain();
    QWidget* focus = focusWidget();
    qsizetype at = -1;
    for (QWidget* widget = focus; widget && at < 0; widget = widget->parentWidget())
        at = chain.indexOf(widget);
    if (chain.isEmpty() || at < 0)
        return QMainWindow::focusNextPrevChild(next);
    const qsizetype count = chain.size();
    QWidget* target = chain[(at + (next ? 1 : count - 1)) % count];
    target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void TfrmUnitsConvert::SetActivePage(int index) {
    const QSignalBlocker blocker(PageControl1);
    PageControl1->setCurrentIndex(index);
    activePage_ = index;
}

void TfrmUnitsConvert::BindSource(std::function<void(QObject* sender)> receiver) {
    disconnect(sourceBinding_);
    if (receiver)
        sourceBinding_ = connect(fmIO, &TfmIO::SourceChanged, this, std::move(receiver));
}

void TfrmUnitsConvert::PageControl1Changing() {
    PrevPageIndex = activePage_;
}

void TfrmUnitsConvert::PageControl1Change(QObject* sender) {
    int current = PageControl1->currentIndex();
    if (!sender) {
        PrevPageIndex = EditPageIndex;
        current = EditPageIndex;
    }
    LoadPageOnEntry(current);
    BindSource(nullptr);
    const TPageKind newKind = PageKindOfIndex(current);
    const TPageKind oldKind = PageKindOfIndex(PrevPageIndex);
    auto shows = [](TPageKind kind) {
        return kind == pkSimple || kind == pkAllUnits || kind == pkBase;
    };
    if (shows(oldKind) || shows(newKind))
        fmUnitLog->Refresh();
    if (oldKind == pkBase)
        fmIO->SetSource(fmIO->GetTarget());
    if ((oldKind == pkSimple || oldKind == pkAllUnits) && newKind == pkEdit &&
        (GetOptions().SwapSrcTrg || fmIO->SwapMark()))
        fmIO->SetSource(fmIO->GetTarget());
    if (fmIO->TargetEmpty())
        fmIO->SetTarget(fmIO->GetSource());
    if (newKind == pkEdit || newKind == pkLog)
        fmIO->SetTarget(QString());

    auto bindSource = [this](int index) {
        TfmUnitModule* page = Pages(index);
        BindSource([page](QObject* changed) { page->SourceChanged(changed); });
    };
    if (newKind == pkAllUnits && GetOptions().PromptB4Delete) {
        const std::string source = fmIO->GetSource().toStdString();
        ShowCoreMessages(oCnv->SetText(source));
        std::string unit = source;
        TextInBrackets(unit);
        int catIndex = -1;
        int unitIndex = -1;
        // Only units the data knows are worth keeping: an unknown symbol goes
        // without a question.
        if (!unit.empty() && oCnv->AllUnitsKnown() &&
            !iCnv->LookUpUnit(unit, catIndex, unitIndex) &&
            !AskYesNo("Cannot find [" + Text(unit) +
                      "] in all units list. Continue ?\n\nDelete it and continue(Yes) or go back "
                      "to the last tab (No)?")) {
            SetActivePage(PrevPageIndex);
            bindSource(PrevPageIndex);
            return;
        }
    }
    bindSource(current);
    // A page switched to itself hears it once.
    if (PrevPageIndex != current)
        Pages(PrevPageIndex)->PageSwitch(oldKind, newKind);
    if (fmBase)
        fmBase->ReleaseMarkClick();
    Pages(current)->PageSwitch(oldKind, newKind);
}

void TfrmUnitsConvert::btnCopyClick() {
    const QString text =
        GetOptions().CopyBoth ? fmIO->GetSource() + " = " + fmIO->GetTarget() : fmIO->GetTarget();
    QGuiApplication::clipboard()->setText(text);
    ShowStatusHint("Copied: " + text);
}

void TfrmUnitsConvert::btnHideClick() {
    showMinimized();
}

void TfrmUnitsConvert::btnOptAloneClick() {
    const std::string before = ReadTextFile(UnitsDataPath());
    const std::string storedUnitFile =
        TOptions::Application().Settings().Value("UnitFile").value_or("");
    const bool wasMultiTab = IsMultiTab();
    if (!frmOptCont->ShowOptions(fmUnitOptions))
        return;
    ApplyMode();
    if (ReadTextFile(UnitsDataPath()) != before) {
        try {
            ReloadUnits(GetOptions().UnitFile);
        } catch (...) {
            // A file that failed to load is never stored: the next start
            // would find nothing to convert with.
            fmUnitOptions->StoreUnitFile(storedUnitFile);
            throw;
        }
    }
    if (!wasMultiTab && IsMultiTab()) {
        PrevPageIndex = 0;
        if (fmIO->TargetEmpty()) {
            SetActivePage(EditPageIndex);
        } else {
            SetActivePage(0);
            fmIO->ModeLocked = false;
            fmIO->SetEditMode(false);
            fmIO->ModeLocked = true;
        }
    }
    if (IsMultiTab())
        PageControl1Change(PageControl1);
    else
        fmIntegConv->ShowSource(fmIO->GetSource());
}

void TfrmUnitsConvert::btnHelp2Click() {
    ShowHelpTopic(IsMultiTab() ? HelpTopic::FirstPage + PageControl1->currentIndex()
                               : HelpTopic::IntegratedConverter);
}

void TfrmUnitsConvert::imgAbout1Click() {
    AboutUC->ShowAbout(true);
}

void TfrmUnitsConvert::WakeUp() {
    TrayIcon1->RestoreProgram();
}

void TfrmUnitsConvert::ShowStatusHint(const QString& longHint) {
    StatusBar1->showMessage(longHint.isEmpty() ? QString() : " " + longHint);
}

bool TfrmUnitsConvert::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        ShowStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    case QEvent::WindowDeactivate:
        // A Ctrl released in another window would leave the mark on.
        if (fmIO->SwapMark())
            fmIO->SetSwapMark(false);
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

bool TfrmUnitsConvert::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if ((!press && event->type() != QEvent::KeyRelease) || !watched->isWidgetType())
        return false;
    // A key event travels up from the focus widget; take it only once, at its
    // first receiver, and only for this window.
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* focus = QApplication::focusWidget();
    if (widget->window() != this || (focus ? widget != focus : widget != this))
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return press ? FormKeyDown(key) : FormKeyUp(key);
}

bool TfrmUnitsConvert::FormKeyDown(int key) {
    // The mark tells that entering the Edit tab swaps source and target:
    // there are no tabs in the integrated mode.
    if (key == Qt::Key_Control && IsMultiTab() && PageControl1->currentIndex() < 2)
        fmIO->SetSwapMark(true);
    return false;
}

bool TfrmUnitsConvert::FormKeyUp(int key) {
    if (key == Qt::Key_F1) {
        btnHelp2Click();
        return true;
    }
    if (key == Qt::Key_Control)
        fmIO->SetSwapMark(false);
    return false;
}

void TfrmUnitsConvert::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fmIO->FrameResize();
    fmIO->ClearInputSelection();
}

void TfrmUnitsConvert::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FitToScreen();
        emit FirstShown();
    }
}

void TfrmUnitsConvert::closeEvent(QCloseEvent* event) {
    FormClose();
    CloseHelpViewer();
    event->accept();
    emit Closed();
}

void TfrmUnitsConvert::FormClose() {
    // The normal size, also when the window closes maximised or minimised.
    QSize size = this->size();
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) {
        if (normalGeometry().isValid())
            size = normalGeometry().size();
    }
    try {
        WriteWindowSize({size.width(), size.height()});
    } catch (const std::exception& error) {
        ShowErrorMessage(Text(error.what()));
    }
}

void TfrmUnitsConvert::RestoreWindowSize() {
    TWindowSize size;
    try {
        size = ReadWindowSize();
    } catch (const std::exception& error) {
        ShowErrorMessage(Text(error.what())); // the default size then
    }
    resize(size.Width, size.Height);
    FitToScreen();
}

// A size saved on a larger screen keeps every button on this one; the frame
// around the window needs its share too, known once it is shown.
void TfrmUnitsConvert::FitToScreen() {
    QScreen* screen = this->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(size().boundedTo(room.size() - frame).expandedTo(minimumSize()));
    move(room.center() - frameGeometry().center() + pos());
}

} // namespace varnel
