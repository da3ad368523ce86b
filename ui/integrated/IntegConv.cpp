#include "ui/integrated/IntegConv.h"

#include "convert/Convert.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/FlowLayout.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/integrated/IntegCompose.h"
#include "ui/pages/CategoryTree.h"
#include "ui/pages/SimpleOne.h"
#include "ui/pages/SimplePage.h"
#include "ui/pages/UnitSearchEdit.h"
#include "ui/valueline/FrameIO.h"
#include "units/Cats.h"
#include "units/UnitSearch.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

constexpr int WhiteLineHeight = 2;

const QString ValueModeGuide = "Type a value in the Source field, then double-click a unit "
                               "category on the right to add its unit.";
const QString EditModeGuide = "Type the value with its units in brackets, for example "
                              "36 [km/h], then press Enter.";

QVBoxLayout* PlainColumn(QWidget* widget) {
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// A frame placed here is shown with its new parent at once, not later.
void Place(QVBoxLayout* layout, QWidget* frame, int stretch) {
    layout->addWidget(frame, stretch);
    frame->show();
}

} // namespace

TfmIntegConv::TfmIntegConv(QWidget* parent) : QFrame(parent) {
    setObjectName("fmIntegConv");
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    CreateLeftPanel();
    CreateRightPanel();
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(PageControl1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { Splitter1Moved(); });
    PlainColumn(this)->addWidget(Splitter1);
}

void TfmIntegConv::CreateLeftPanel() {
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    simpleLayout_ = PlainColumn(Panel1);

    pnlIO = new QWidget(Panel1);
    pnlIO->setObjectName("pnlIO");
    PlainColumn(pnlIO);

    Panel2 = new QFrame(Panel1);
    Panel2->setObjectName("Panel2");
    Panel2->setFixedHeight(WhiteLineHeight);
    Panel2->setAutoFillBackground(true);
    QPalette white = Panel2->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel2->setPalette(white);

    // Stands in for the Simple rows while there are none, so that an empty
    // view says what to do.
    lbGuide = new QLabel(Panel1);
    lbGuide->setObjectName("lbGuide");
    lbGuide->setWordWrap(true);
    lbGuide->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbGuide->setContentsMargins(12, 12, 12, 12);
    QPalette grey = lbGuide->palette();
    grey.setColor(QPalette::WindowText, grey.color(QPalette::PlaceholderText));
    lbGuide->setPalette(grey);
    lbGuide->hide();

    simpleLayout_->addWidget(pnlIO);
    simpleLayout_->addWidget(Panel2);
    simpleLayout_->addWidget(lbGuide, 1);
}

void TfmIntegConv::CreateRightPanel() {
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setMinimumWidth(MinimumPageWidth);

    tsCategories = new QWidget;
    tsCategories->setObjectName("tsCategories");
    ToolBar1 = new QToolBar(tsCategories);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tbEditMode = AddToolButton("tbEditMode", "  Edit", "| Enable Edit mode");
    tbEditMode->setCheckable(true);
    ToolBar1->addSeparator();
    tbNomer = AddToolButton("tbNomer", " Numer.", "| Insert selected category units as numerator");
    tbDenomin =
        AddToolButton("tbDenomin", " Denom.", "| Insert selected category units as denominator");
    tbNomer->setEnabled(false);
    tbDenomin->setEnabled(false);
    connect(tbEditMode, &QToolButton::clicked, this, ShowingErrors([this] { tbEditModeClick(); }));
    connect(tbNomer, &QToolButton::clicked, this, ShowingErrors([this] { tbNomerClick(tbNomer); }));
    connect(tbDenomin, &QToolButton::clicked, this,
            ShowingErrors([this] { tbNomerClick(tbDenomin); }));

    tbarDomains = new QWidget(tsCategories);
    tbarDomains->setObjectName("tbarDomains");
    new TFlowLayout(tbarDomains);
    domainButtons_ =
        std::make_unique<TDomainButtons>(tbarDomains, TDomainButtons::TStyle::AllFirstCompact,
                                         [this](QToolButton* button) { DomainClick(button); });

    // Made before the tree, so that Tab reaches it first.
    edSearch = new TUnitSearchEdit(tsCategories);
    Tree1 = new TCategoryTree(tsCategories);
    Tree1->setObjectName("Tree1");
    edSearch->SetList(Tree1);
    connect(edSearch, &TUnitSearchEdit::WordChanged, this,
            ShowingErrors([this] { Tree1->Filter(edSearch->Word()); }));
    connect(edSearch, &TUnitSearchEdit::MatchRequested, this,
            ShowingErrors([this] { edSearchEnter(); }));
    // The panel is narrow: a long name gives way in its middle, so that the
    // core unit at its end stays in sight.
    Tree1->header()->setSectionResizeMode(QHeaderView::Stretch);
    Tree1->setTextElideMode(Qt::ElideMiddle);
    connect(Tree1, &QTreeWidget::itemSelectionChanged, this, ShowingErrors([this] {
                if (QTreeWidgetItem* node = SelectedNode())
                    Tree1SelectShape(node);
                else
                    Tree1UnSelectShape();
            }));
    connect(Tree1, &QTreeWidget::itemDoubleClicked, this,
            ShowingErrors([this] { tbNomerClick(Tree1); }));
    connect(Tree1, &QTreeWidget::itemEntered, this,
            ShowingErrors([this](QTreeWidgetItem* node, int) { Tree1MouseEnterShape(node); }));

    QVBoxLayout* categories = PlainColumn(tsCategories);
    categories->addWidget(ToolBar1);
    categories->addWidget(tbarDomains);
    categories->addWidget(edSearch);
    categories->addWidget(Tree1, 1);

    tsILog = new QWidget;
    tsILog->setObjectName("tsILog");
    PlainColumn(tsILog);

    PageControl1->addTab(tsCategories, "Unit Categories");
    PageControl1->addTab(tsILog, " Log");
}

QToolButton* TfmIntegConv::AddToolButton(const char* name, const QString& caption,
                                         const QString& hint) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetHint(button, hint);
    ToolBar1->addWidget(button);
    return button;
}

void TfmIntegConv::SetParts(TfmIO* io, TConvert* sourceEngine, TConvert* targetEngine,
                            TfmSimple* simple) {
    IO = io;
    iCnv = sourceEngine;
    oCnv = targetEngine;
    Simple = simple;
}

void TfmIntegConv::PlaceValueLine(QWidget* frame) {
    Place(static_cast<QVBoxLayout*>(pnlIO->layout()), frame, 0);
}

void TfmIntegConv::PlaceSimple(QWidget* frame) {
    Place(simpleLayout_, frame, 1);
}

void TfmIntegConv::PlaceLog(QWidget* frame) {
    Place(static_cast<QVBoxLayout*>(tsILog->layout()), frame, 1);
}

void TfmIntegConv::SourceChanged(QObject* sender) {
    Simple->SourceChanged(sender);
    ShowGuideIfNoRows();
}

void TfmIntegConv::SetupView() {
    if (!modeBinding_)
        modeBinding_ = connect(IO, &TfmIO::ModeChanged, this, &TfmIntegConv::ModeChanged);
    IO->ModeLocked = false;
    IO->SetEditMode(false);

    PageRatio = DefaultPageRatio;
    FrameResize();

    FillTree();
    domainButtons_->Fill(iCnv->Root());
    if (Tree1->topLevelItemCount() > 0)
        Tree1->topLevelItem(0)->setExpanded(true);
    Tree1UnSelectShape();

    PageControl1->setCurrentWidget(tsCategories);
    Simple->SetShowSI(false);
    ShowGuideIfNoRows();
}

void TfmIntegConv::FillTree() {
    Tree1->ClearNodes();
    const TXMLUnitsDataType& root = iCnv->Root();
    if (!root)
        return;
    for (TXMLDomainType domain : root.Domains()) {
        if (domain.Enabled() == 0)
            continue;
        QTreeWidgetItem* domainNode = Tree1->AddDomain(domain);
        for (TXMLCategoryType category : domain.Categories()) {
            if (category.Enabled() == 0)
                continue;
            QTreeWidgetItem* node = Tree1->AddCategory(domainNode, category);
            node->setText(0, CategoryText(category));
        }
    }
    Tree1->Filter(edSearch->Word());
}

QString TfmIntegConv::CategoryText(const TXMLCategoryType& category) {
    // The unit that picking the category adds, never a disabled one.
    return QString::fromStdString(category.Name() + " [" + PickedCoreSymbol(category) + "]");
}

void TfmIntegConv::ShowSource(const QString& text) {
    WriteSourceQuietly(text);
    if (IO->TargetEmpty())
        IO->SetTarget(IO->GetSource());
    if (!IO->EditMode()) {
        Simple->Refresh();
        Simple->SourceChanged(nullptr);
    }
    ShowGuideIfNoRows();
}

void TfmIntegConv::ShowGuideIfNoRows() {
    // In the multi-tab mode the Simple page is a tab of its own.
    if (!Panel1->isAncestorOf(Simple))
        return;
    const std::vector<TfmSimpleOne*>& rows = Simple->Rows();
    const bool noRows = std::none_of(rows.begin(), rows.end(),
                                     [](const TfmSimpleOne* row) { return row != nullptr; });
    lbGuide->setText(IO->EditMode() ? EditModeGuide : ValueModeGuide);
    lbGuide->setVisible(noRows);
    Simple->setVisible(!noRows);
}

void TfmIntegConv::WriteSourceQuietly(const QString& text) {
    struct TRestore {
        bool& flag;
        bool value;
        ~TRestore() { flag = value; }
    } restore{IO->Switching, IO->Switching};
    IO->Switching = true;
    IO->SetSource(text);
}

void TfmIntegConv::ModeChanged(TfmIO*) {
    if (IO->EditMode())
        Simple->FreeRows();
    else
        ShowSource(IO->GetSource());
    if (QTreeWidgetItem* node = SelectedNode())
        EnableComposing(node);
    tbEditMode->setChecked(IO->EditMode());
    ShowGuideIfNoRows();
}

void TfmIntegConv::DomainClick(QToolButton* button) {
    Tree1->ShowDomain(TDomainButtons::HintOf(button));
}

void TfmIntegConv::tbEditModeClick() {
    IO->SetEditMode(tbEditMode->isChecked());
    // A locked value line keeps its mode: the button shows the mode in force.
    tbEditMode->setChecked(IO->EditMode());
}

void TfmIntegConv::tbNomerClick(QObject* sender) {
    const int sign = sender == tbDenomin ? -1 : 1;
    const TXMLCategoryType category = Tree1->CategoryOf(SelectedNode());
    if (!category || category.Enabled() == 0)
        return;
    const std::string core = PickedCoreSymbol(category);
    if (!core.empty())
        AddUnits(core, sign);
}

void TfmIntegConv::AddUnits(const std::string& units, int sign) {
    TDimRec source;
    TDimRec target;
    IO->GetDim(0, source);
    IO->GetDim(1, target);
    AddPickedUnits(*iCnv, units, sign, source, target);
    // The rows are rebuilt below; the Simple page must not convert with the
    // old ones in between.
    WriteSourceQuietly(QString::fromStdString(DimRecToText(source)));
    ShowCoreMessages(iCnv->SetText(IO->GetSource().toStdString()));
    if (IO->EditMode())
        return;
    IO->SetDim(1, target);
    ShowSource(IO->GetSource());
    IO->LogConversion();
}

void TfmIntegConv::edSearchEnter() {
    QTreeWidgetItem* node = Tree1->ChosenCategoryNode(edSearch->Word());
    if (!node)
        return;
    Tree1->setCurrentItem(node);
    Tree1->scrollToItem(node);
    const std::string unit = SearchedSymbol(Tree1->CategoryOf(node));
    if (unit.empty())
        tbNomerClick(Tree1);
    else
        AddUnits(unit, 1);
}

// The unit the search word names in category; empty when only the
// category's name matches it.
std::string TfmIntegConv::SearchedSymbol(const TXMLCategoryType& category) const {
    const TCat* cat = iCnv->CatOfNode(category);
    if (edSearch->Word().empty() || !cat)
        return {};
    const int unit = SearchedUnitIndex(*cat, edSearch->Word());
    return unit >= 0 ? cat->Units()[unit]->Symbol() : std::string();
}

QTreeWidgetItem* TfmIntegConv::SelectedNode() const {
    const QList<QTreeWidgetItem*> selected = Tree1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TfmIntegConv::Tree1SelectShape(QTreeWidgetItem* node) {
    EnableComposing(node);
}

void TfmIntegConv::Tree1MouseEnterShape(QTreeWidgetItem* node) {
    if (!Tree1->IsCategoryNode(node))
        return;
    SetHint(Tree1, TCategoryTree::CategoryHint(Tree1->CategoryOf(node)));
    QStatusTipEvent tip(Tree1->statusTip());
    QApplication::sendEvent(Tree1, &tip);
}

void TfmIntegConv::Tree1UnSelectShape() {
    tbNomer->setEnabled(false);
    tbDenomin->setEnabled(false);
}

void TfmIntegConv::EnableComposing(QTreeWidgetItem* node) {
    const bool category = Tree1->IsCategoryNode(node);
    tbNomer->setEnabled(category);
    tbDenomin->setEnabled(category);
}

void TfmIntegConv::FrameResize() {
    const int total = Splitter1->width() - Splitter1->handleWidth();
    if (total <= 0)
        return;
    const int right = static_cast<int>(std::lround(width() * PageRatio));
    resizing_ = true;
    Splitter1->setSizes({total - right, right});
    resizing_ = false;
}

void TfmIntegConv::Splitter1Moved() {
    // The user's split holds when the window is resized.
    if (!resizing_ && width() > 0)
        PageRatio = static_cast<double>(PageControl1->width()) / width();
}

void TfmIntegConv::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FrameResize();
}

} // namespace varnel
