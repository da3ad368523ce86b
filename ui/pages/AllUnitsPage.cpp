#include "ui/pages/AllUnitsPage.h"

#include "common/FormatValue.h"
#include "common/TextUtil.h"
#include "convert/Convert.h"
#include "convert/DimRec.h"
#include "ui/about/WebLinks.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/FlowLayout.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/StdText.h"
#include "ui/pages/CategoryTree.h"
#include "ui/pages/UnitGrid.h"
#include "ui/pages/UnitSearchEdit.h"
#include "ui/valueline/FrameIO.h"
#include "units/UnitSearch.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace varnel {

namespace {

QIcon SearchImage() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.drawEllipse(QRectF(2, 2, 8.5, 8.5));
    painter.setPen(QPen(QColor(0, 0, 128), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 10), QPointF(14, 14));
    return QIcon(pixmap);
}

// The number as the target engine reads it back: up to 15 significant
// digits, the point as decimal separator whatever the locale.
std::string NumberText(double value) {
    if (!std::isfinite(value))
        return FormatValue(value);
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

int32_t SaturatedSum(int32_t a, int32_t b) {
    return static_cast<int32_t>(std::clamp<int64_t>(
        int64_t{a} + b, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

bool HasBrackets(const QString& text) {
    std::string units = text.toStdString();
    return TextInBrackets(units);
}

// Holds the value line's mode lock open while the Edit page switches it.
class TModeUnlock {
public:
    explicit TModeUnlock(TfmIO* io) : io_(io) { io_->ModeLocked = false; }
    ~TModeUnlock() { io_->ModeLocked = true; }
    TModeUnlock(const TModeUnlock&) = delete;
    TModeUnlock& operator=(const TModeUnlock&) = delete;

private:
    TfmIO* io_;
};

} // namespace

TfmAllUnits::TfmAllUnits(QWidget* parent) : TfmUnitModule(parent) {
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    CreateTreePanel();
    CreateDimentionsPanel();
    Splitter1->addWidget(pnlTree);
    Splitter1->addWidget(pnlDimentions);
    connect(Splitter1, &QSplitter::splitterMoved, this,
            ShowingErrors([this] { Splitter1Moved(); }));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);
    SetComposeMode(false);
}

void TfmAllUnits::CreateTreePanel() {
    pnlTree = new QWidget;
    pnlTree->setObjectName("pnlTree");

    tbarDomains = new QWidget(pnlTree);
    tbarDomains->setObjectName("tbarDomains");
    new TFlowLayout(tbarDomains);
    domainButtons_ =
        std::make_unique<TDomainButtons>(tbarDomains, TDomainButtons::TStyle::AllLast,
                                         [this](QToolButton* button) { tbarDomainsClick(button); });
    sbSearch4Cat = AddToolButton(tbarDomains, "sbSearch4Cat", QString(),
                                 "Search the web| Search the web for selected category");
    sbSearch4Cat->setIcon(SearchImage());
    sbSearch4Cat->setEnabled(false);
    connect(sbSearch4Cat, &QToolButton::clicked, this,
            ShowingErrors([this] { sbSearch4CatClick(); }));

    // Made before the tree, so that Tab reaches it first.
    edSearch = new TUnitSearchEdit(pnlTree);
    Tree1 = new TCategoryTree(pnlTree);
    Tree1->setObjectName("Tree1");
    edSearch->SetList(Tree1);
    connect(edSearch, &TUnitSearchEdit::WordChanged, this, ShowingErrors([this] {
                Tree1->Filter(edSearch->Word());
                FilterUnitRows();
            }));
    connect(edSearch, &TUnitSearchEdit::MatchRequested, this,
            ShowingErrors([this] { edSearchEnter(); }));
    connect(Tree1, &QTreeWidget::itemSelectionChanged, this, ShowingErrors([this] {
                const QList<QTreeWidgetItem*> selected = Tree1->selectedItems();
                if (selected.isEmpty())
                    Tree1UnSelectShape();
                else
                    Tree1SelectShape(selected.first());
            }));
    connect(Tree1, &QTreeWidget::itemEntered, this,
            ShowingErrors([this](QTreeWidgetItem* node, int) { Tree1MouseEnterShape(node); }));

    auto* layout = new QVBoxLayout(pnlTree);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(tbarDomains);
    layout->addWidget(edSearch);
    layout->addWidget(Tree1, 1);
}

void TfmAllUnits::CreateDimentionsPanel() {
    pnlDimentions = new QWidget;
    pnlDimentions->setObjectName("pnlDimentions");
    pnlDimentions->installEventFilter(this);

    gbSource = new QGroupBox(pnlDimentions);
    gbSource->setObjectName("gbSource");
    tbarDegree = new QWidget(gbSource);
    tbarDegree->setObjectName("tbarDegree");
    tbarDegree->setWindowTitle("Degree");
    new TFlowLayout(tbarDegree);
    tbNomer =
        AddToolButton(tbarDegree, "tbNomer", "  Numerator ", "| Insert selected unit as numerator");
    tbDenomin = AddToolButton(tbarDegree, "tbDenomin", " Denominator ",
                              "| Insert selected unit as denominator");
    auto* separator = new QFrame(tbarDegree);
    separator->setObjectName("tbDegreeSeparator");
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedSize(8, tbNomer->sizeHint().height());
    tbarDegree->layout()->addWidget(separator);
    sbSearch4Unit = AddToolButton(tbarDegree, "sbSearch4Unit", QString(),
                                  "Search the web| Search the web for selected unit");
    sbSearch4Unit->setIcon(SearchImage());
    connect(tbNomer, &QToolButton::clicked, this,
            ShowingErrors([this] { sgSourceDblClick(tbNomer); }));
    connect(tbDenomin, &QToolButton::clicked, this,
            ShowingErrors([this] { sgSourceDblClick(tbDenomin); }));
    connect(sbSearch4Unit, &QToolButton::clicked, this,
            ShowingErrors([this] { sbSearch4UnitClick(); }));

    sgSource = new TUnitGrid(117, 47, gbSource);
    sgSource->setObjectName("sgSource");
    connect(sgSource, &QTableWidget::currentCellChanged, this,
            ShowingErrors([this](int row, int, int, int) { sgSourceSelectCell(row); }));
    connect(sgSource, &QTableWidget::cellDoubleClicked, this,
            ShowingErrors([this] { sgSourceDblClick(sgSource); }));
    auto* sourceLayout = new QVBoxLayout(gbSource);
    sourceLayout->setContentsMargins(4, 2, 4, 4);
    sourceLayout->setSpacing(2);
    sourceLayout->addWidget(tbarDegree);
    sourceLayout->addWidget(sgSource, 1);

    gbTarget = new QGroupBox(" Target Dimension ", pnlDimentions);
    gbTarget->setObjectName("gbTarget");
    sgTarget = new TUnitGrid(117, 65, gbTarget);
    sgTarget->setObjectName("sgTarget");
    connect(sgTarget, &QTableWidget::currentCellChanged, this,
            ShowingErrors([this](int row, int, int, int) { sgTargetSelectCell(row); }));
    auto* targetLayout = new QVBoxLayout(gbTarget);
    targetLayout->setContentsMargins(4, 2, 4, 4);
    targetLayout->addWidget(sgTarget);

    auto* layout = new QVBoxLayout(pnlDimentions);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(gbSource, 1);
    layout->addWidget(gbTarget);
}

QToolButton* TfmAllUnits::AddToolButton(QWidget* bar, const char* name, const QString& caption,
                                        const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setText(caption);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
    SetHint(button, hint);
    bar->layout()->addWidget(button);
    return button;
}

void TfmAllUnits::SetComposeMode(bool on) {
    if (!on && composeMode_ && listedCat_)
        sgTarget->Fill(listedCat_->Units(), *iCnv);
    gbTarget->setVisible(!on);
    tbarDegree->setVisible(on);
    gbSource->setTitle(on ? " Units to be included " : " Source Dimension ");
    composeMode_ = on;
    pnlDimentionsResize();
}

void TfmAllUnits::LoadUnits() {
    treeRatio_ = 0.5;
    FrameResize();
    domainButtons_->Clear();
    Tree1->ClearNodes();
    listedCat_ = nullptr;
    sgSource->ClearRows();
    sgTarget->ClearRows();
    busy_ = false;
    FillTree();
    domainButtons_->Fill(iCnv->Root());
    catName_.clear();
    unitName_.clear();
    if (QTreeWidgetItem* first = Tree1->topLevelItem(0))
        first->setExpanded(true);
    Tree1->clearSelection();
    sbSearch4Cat->setEnabled(false);
}

void TfmAllUnits::FillTree() {
    for (TXMLDomainType domain : iCnv->Root().Domains()) {
        if (domain.Enabled() == 0)
            continue;
        QTreeWidgetItem* domainNode = Tree1->AddDomain(domain);
        for (TXMLCategoryType category : domain.Categories())
            if (category.Enabled() != 0)
                Tree1->AddCategory(domainNode, category);
    }
    Tree1->Filter(edSearch->Word());
}

void TfmAllUnits::tbarDomainsClick(QToolButton* button) {
    Tree1->ShowDomain(TDomainButtons::HintOf(button));
}

void TfmAllUnits::Tree1SelectShape(QTreeWidgetItem* node) {
    sbSearch4Cat->setEnabled(true);
    if (!Tree1->IsCategoryNode(node))
        return;
    ShowCategory(node);
    sgSourceSelectCell(sgSource->SelectedRow());
}

void TfmAllUnits::Tree1UnSelectShape() {
    sbSearch4Cat->setEnabled(false);
}

void TfmAllUnits::Tree1MouseEnterShape(QTreeWidgetItem* node) {
    if (!Tree1->IsCategoryNode(node))
        return;
    SetHint(Tree1, TCategoryTree::CategoryHint(Tree1->CategoryOf(node)));
    QStatusTipEvent tip(Tree1->statusTip());
    QApplication::sendEvent(Tree1, &tip);
}

void TfmAllUnits::ShowCategory(QTreeWidgetItem* node) {
    catName_ = Text(Tree1->CategoryOf(node).Name());
    listedCat_ = EngineCategory(node);
    if (const TCat* cat = listedCat_) {
        sgSource->Fill(cat->Units(), *iCnv);
        // Composing shows no target list.
        if (!composeMode_)
            sgTarget->Fill(cat->Units(), *iCnv);
    } else {
        sgSource->ClearRows();
        sgTarget->ClearRows();
    }
    FilterUnitRows();
}

// The source list keeps the units the search names, unless it names none of
// them (the category listed is then no match); the target list keeps them
// all, to convert into.
void TfmAllUnits::FilterUnitRows() {
    std::vector<bool> shown(static_cast<size_t>(sgSource->rowCount()), true);
    if (listedCat_ && listedCat_->Units().Count() == sgSource->rowCount()) {
        for (int row = 0; row < sgSource->rowCount(); ++row)
            shown[static_cast<size_t>(row)] =
                UnitMatches(*listedCat_->Units()[row], *listedCat_, edSearch->Word());
        if (std::none_of(shown.begin(), shown.end(), [](bool s) { return s; }))
            shown.assign(shown.size(), true);
    }
    for (int row = 0; row < sgSource->rowCount(); ++row)
        sgSource->setRowHidden(row, !shown[static_cast<size_t>(row)]);
}

void TfmAllUnits::edSearchEnter() {
    QTreeWidgetItem* node = Tree1->ChosenCategoryNode(edSearch->Word());
    if (!node)
        return;
    if (Tree1->selectedItems().value(0) != node) {
        Tree1->clearSelection();
        Tree1->setCurrentItem(node); // lists the category
        Tree1->scrollToItem(node);
    }
    const TCat* cat = EngineCategory(node);
    const int row = cat ? SearchedUnitIndex(*cat, edSearch->Word()) : -1;
    if (!sgSource->HasRow(row))
        return;
    sgSource->SelectRow(row);
    if (composeMode_)
        Compose(row, 1);
    else
        sgSourceSelectCell(row);
}

const TCat* TfmAllUnits::EngineCategory(QTreeWidgetItem* node) const {
    return iCnv->CatOfNode(Tree1->CategoryOf(node));
}

void TfmAllUnits::sgSourceSelectCell(int row) {
    unitName_ = sgSource->UnitName(row);
    ShowConversion(row, SelectedRow);
}

void TfmAllUnits::sgTargetSelectCell(int row) {
    ShowConversion(SelectedRow, row);
}

void TfmAllUnits::ShowConversion(int srcRow, int trgRow) {
    if (composeMode_ || busy_)
        return;
    busy_ = true;
    auto finish = [this] {
        busy_ = false;
        IO->LogConversion();
    };
    try {
        ConvertRows(srcRow, trgRow);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void TfmAllUnits::ConvertRows(int srcRow, int trgRow) {
    const QString source = IO->GetSource();
    const double value = NumberBeforeBracket(source.toStdString());
    const qsizetype bracket = source.indexOf('[');
    if (bracket < 0)
        return;
    const int p = sgSource->HasRow(srcRow) ? srcRow : sgSource->SelectedRow();
    if (p < 0)
        return; // a category without units
    const QString symbol = sgSource->Symbol(p);
    ShowCoreMessages(oCnv->SetText(NumberText(value) + " [" + symbol.toStdString() + "]"));
    IO->SetSource(source.left(bracket) + "[" + symbol + "]");
    const int q = sgTarget->HasRow(trgRow) ? trgRow : sgTarget->SelectedRow();
    if (q >= 0) {
        TMessages messages;
        oCnv->ConvertTo(sgTarget->Symbol(q).toStdString(), messages);
        ShowCoreMessages(messages);
    }
    IO->SetTarget(Text(oCnv->GetText()));
    IO->SetTargetValue(oCnv->Number());
}

void TfmAllUnits::Refresh() {
    const QString source = IO->GetSource();
    const QString target = IO->GetTarget();
    ShowCoreMessages(iCnv->SetText(source.toStdString()));
    QTreeWidgetItem* node = nullptr;
    int catIndex = -1;
    int unitIndex = 0;
    std::string units = source.toStdString();
    if (TextInBrackets(units) && iCnv->LookUpUnit(units, catIndex, unitIndex))
        node = Tree1->NodeOf(iCnv->Cats(catIndex)->Node());
    if (!node) {
        // Units the lists cannot show give way to the first unit of the first
        // category; the value stays.
        node = Tree1->FirstCategoryNode();
        catIndex = -1;
        unitIndex = 0;
    }
    if (!node)
        return;
    SelectNode(node);
    ShowCategory(node);
    sgSource->SelectRow(unitIndex);
    std::string targetUnits = target.toStdString();
    int targetCat = -1;
    int targetUnit = -1;
    if (catIndex >= 0 && TextInBrackets(targetUnits) &&
        iCnv->LookUpUnit(targetUnits, targetCat, targetUnit) && targetCat == catIndex)
        sgTarget->SelectRow(targetUnit);
    sgSourceSelectCell(unitIndex);
}

void TfmAllUnits::SelectNode(QTreeWidgetItem* node) {
    if (node->parent())
        node->parent()->setExpanded(true);
    {
        // The caller lists the category itself, converting once.
        const QSignalBlocker blocker(Tree1);
        Tree1->clearSelection();
        Tree1->setCurrentItem(node);
    }
    Tree1->scrollToItem(node);
    sbSearch4Cat->setEnabled(true);
}

void TfmAllUnits::PageSwitch(TPageKind oldKind, TPageKind newKind) {
    if (composeMode_) {
        EditPageSwitch(oldKind, newKind);
        return;
    }
    if (newKind != pkAllUnits)
        return;
    if (oldKind == pkAllUnits)
        ShowConversion(SelectedRow, SelectedRow);
    else
        Refresh();
}

void TfmAllUnits::EditPageSwitch(TPageKind oldKind, TPageKind newKind) {
    {
        const TModeUnlock unlock(IO);
        if (newKind == pkEdit)
            IO->SetEditMode(true);
        if (oldKind == pkEdit && newKind != pkEdit)
            IO->SetEditMode(false);
    }
    if (oldKind == pkEdit && newKind == pkEdit) {
        if (QTreeWidgetItem* node = Tree1->FirstCategoryNode()) {
            Tree1->clearSelection();
            node->parent()->setExpanded(true);
            Tree1->setCurrentItem(node);
        }
    }
}

void TfmAllUnits::SourceChanged(QObject*) {
    ShowConversion(SelectedRow, SelectedRow);
}

void TfmAllUnits::sgSourceDblClick(QObject* sender) {
    if (!composeMode_)
        return;
    const int row = sgSource->currentRow();
    if (!sgSource->HasRow(row))
        return;
    Compose(row, sender == tbDenomin ? -1 : 1);
}

void TfmAllUnits::Compose(int row, int sign) {
    // The reader leaves the factors alone when it refuses the units (after
    // its message): a marker it never writes tells the two apart.
    const TUnitRec unread{std::string(), 0};
    TDimRec dim;
    dim.Factors = {unread};
    IO->GetDim(0, dim);
    if (dim.Factors.size() == 1 && dim.Factors.front() == unread) {
        if (HasBrackets(IO->GetSource()))
            return; // the typed units stay as they are
        dim.Factors.clear();
    }
    TUnitEntries entries;
    TMessages messages;
    const bool parsed = ParseUnits(sgSource->Symbol(row).toStdString(), entries, messages);
    ShowCoreMessages(messages);
    if (!parsed)
        return;
    for (const TUnitRec& entry : entries) {
        const int32_t degree = sign * entry.Degree;
        bool present = false;
        for (TUnitRec& factor : dim.Factors)
            if (factor.Symbol == entry.Symbol) {
                factor.Degree = SaturatedSum(factor.Degree, degree);
                present = true;
            }
        if (!present)
            dim.Factors.push_back({entry.Symbol, degree});
    }
    IO->SetDim(0, dim);
}

void TfmAllUnits::sbSearch4CatClick() {
    WebSearch(catName_, QString());
}

void TfmAllUnits::sbSearch4UnitClick() {
    WebSearch(catName_, unitName_);
}

void TfmAllUnits::Splitter1Moved() {
    if (width() > 0)
        treeRatio_ = static_cast<double>(pnlTree->width()) / width();
}

void TfmAllUnits::FrameResize() {
    const int treeWidth = static_cast<int>(std::lround(width() * treeRatio_));
    Splitter1->setSizes({treeWidth, std::max(0, width() - treeWidth - Splitter1->handleWidth())});
}

void TfmAllUnits::pnlDimentionsResize() {
    const int columnWidth = static_cast<int>(std::lround(0.6 * pnlDimentions->width()));
    sgSource->setColumnWidth(0, columnWidth);
    sgTarget->setColumnWidth(0, columnWidth);
    if (!composeMode_)
        gbTarget->setFixedHeight(static_cast<int>(std::lround(pnlDimentions->height() / 2.0)));
}

void TfmAllUnits::resizeEvent(QResizeEvent* event) {
    TfmUnitModule::resizeEvent(event);
    FrameResize();
}

bool TfmAllUnits::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlDimentions && event->type() == QEvent::Resize)
        RunShowingErrors([this] { pnlDimentionsResize(); });
    return TfmUnitModule::eventFilter(watched, event);
}

} // namespace varnel
