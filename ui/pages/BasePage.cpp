#include "ui/pages/BasePage.h"

#include "common/TextUtil.h"
#include "convert/Convert.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/StdText.h"
#include "ui/pages/BasePageGrid.h"
#include "ui/valueline/FrameIO.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace varnel {

namespace {

// Columns of the replaced and included grids.
constexpr int DegreeColumn = 0, SymbolColumn = 1, EqualsColumn = 2, DecompositionColumn = 3;
// Columns of the list of all units with a decomposition.
constexpr int AllSymbolColumn = 0, AllEqualsColumn = 1, AllDecompositionColumn = 2;

constexpr int RowsAtOnce = 10;

const QColor SelectedRowColour(232, 251, 255);

// The selection keeps the text readable: pale blue under the normal text
// colour, whether the grid has the focus or not.
void PaintSelectionPaleBlue(QWidget* grid) {
    QPalette palette = grid->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, SelectedRowColour);
        palette.setColor(group, QPalette::HighlightedText, palette.color(group, QPalette::Text));
    }
    grid->setPalette(palette);
}

QLabel* CaptionStrip(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(2, 1, 2, 1);
    return label;
}

QLabel* Explanation(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

TDimRec Decomposed(const QString& decomposition) {
    TDimRec base;
    TMessages messages;
    StrToDimRec("1 [" + decomposition.toStdString() + "]", base, messages);
    ShowCoreMessages(messages);
    return base;
}

} // namespace

TfmBase::TfmBase(QWidget* parent) : TfmUnitModule(parent) {
    CreatePanels();
}

void TfmBase::CreatePanels() {
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(CreateLeftPanel());
    Splitter1->addWidget(CreateRightPanel());
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { Splitter1Moved(); });

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Splitter1);
}

QWidget* TfmBase::CreateLeftPanel() {
    Panel5 = new QWidget;
    Panel5->setObjectName("Panel5");
    StaticText3 = CaptionStrip("StaticText3", "Replaced Units", Panel5);
    sgReplacedUnits = new TBasePageGrid("sgReplacedUnits", {20, 60, 20, 115}, true, Panel5);
    sttLeft = CaptionStrip("sttLeft", "Included Units", Panel5);
    sgIncludedUnits = new TBasePageGrid("sgIncludedUnits", {20, 60, 20, 133}, true, Panel5);
    for (TBasePageGrid* grid : {sgReplacedUnits, sgIncludedUnits}) {
        grid->SetCentredColumns({DegreeColumn, EqualsColumn});
        PaintSelectionPaleBlue(grid);
        grid->installEventFilter(this);
        grid->ResetRows(RowsAtOnce);
    }
    sgReplacedUnits->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    sgReplacedUnits->FitHeightToRows(1);
    sgIncludedUnits->setMinimumHeight(sgIncludedUnits->RowHeight() * 2);

    auto* layout = new QVBoxLayout(Panel5);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(StaticText3);
    layout->addWidget(sgReplacedUnits);
    layout->addWidget(sttLeft);
    layout->addWidget(sgIncludedUnits, 1);
    return Panel5;
}

QWidget* TfmBase::CreateRightPanel() {
    Panel1 = new QWidget;
    Panel1->setObjectName("Panel1");
    StaticText1 =
        Explanation("StaticText1", "  The left cell of selected row to be included as...", Panel1);
    ToolBar1 = new QToolBar(Panel1);
    ToolBar1->setObjectName("ToolBar1");
    auto toolButton = [this](const char* name, const QString& caption, const QString& hint) {
        auto* button = new QToolButton(ToolBar1);
        button->setObjectName(name);
        button->setText(caption);
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        SetHint(button, hint);
        ToolBar1->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                ShowingErrors([this, button] { tbNominClick(button); }));
        return button;
    };
    tbNomin = toolButton("tbNomin", " Numerator", "| Insert selected category units as numerator");
    tbDenomin =
        toolButton("tbDenomin", " Denominator ", "| Insert selected category units as denominator");
    StaticText2 = Explanation("StaticText2",
                              "  ... and right cell on the inverse side of the dimension", Panel1);
    sgAllBaseUnits = new TBasePageGrid("sgAllBaseUnits", {60, 20, 127}, false, Panel1);
    sgAllBaseUnits->SetCentredColumns({AllEqualsColumn});
    connect(sgAllBaseUnits, &QTableWidget::cellDoubleClicked, this,
            ShowingErrors([this] { tbNominClick(sgAllBaseUnits); }));

    Panel1->installEventFilter(this);

    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(StaticText1);
    layout->addWidget(ToolBar1);
    layout->addWidget(StaticText2);
    layout->addWidget(sgAllBaseUnits, 1);
    return Panel1;
}

void TfmBase::LoadUnits() {
    BaseList.clear();
    SplitRatio = 0.5;
    sgAllBaseUnits->ResetRows(0);
    for (const TUnit* unit : iCnv->AllUnits()) {
        if (unit->Kind() != ukCore)
            continue;
        TBaseExponents exponents;
        TMessages messages;
        const bool valid = unit->BaseExponents(exponents, messages);
        ShowCoreMessages(messages);
        if (!valid)
            continue;
        const QString symbol = Text(unit->Symbol());
        const QString decomposition = Text(BaseExponentsToText(exponents));
        const int row = sgAllBaseUnits->rowCount();
        sgAllBaseUnits->AddRows(1);
        sgAllBaseUnits->SetRow(row, {symbol, "=", decomposition});
        BaseList << symbol + "=" + decomposition;
    }
    if (sgAllBaseUnits->rowCount() > 0)
        sgAllBaseUnits->selectRow(0);
    FrameResize();
}

void TfmBase::PageSwitch(TPageKind, TPageKind newKind) {
    if (newKind != pkBase)
        return;
    // Bound first, so that a click on "=" can retry a refresh that failed.
    ReleaseMarkClick();
    markClick_ =
        connect(IO, &TfmIO::MarkClicked, this, [this] { RunShowingErrors([this] { Refresh(); }); });
    Refresh();
}

void TfmBase::ReleaseMarkClick() {
    disconnect(markClick_);
}

void TfmBase::Refresh() {
    sgReplacedUnits->ResetRows(RowsAtOnce);
    sgIncludedUnits->ResetRows(RowsAtOnce);

    ShowCoreMessages(iCnv->SetText(IO->GetSource().toStdString()));
    // The source engine converts while it reduces to core units, and keeps
    // its value again afterwards, also when a rule fails on the way.
    iCnv->SetKeepValue(false);
    try {
        iCnv->AllToCore();
    } catch (...) {
        iCnv->SetKeepValue(true);
        throw;
    }
    iCnv->SetKeepValue(true);
    // A quantity the engine refused (after its message) is left as typed:
    // written back it would have lost its number and units.
    if (iCnv->UnitsValid())
        IO->SetSource(Text(iCnv->GetText()));

    ListReplacedUnits();
    SourceChanged(nullptr);
}

void TfmBase::ListReplacedUnits() {
    TDimRec source;
    IO->GetDim(0, source);
    int filled = 0;
    for (const TUnitRec& unit : source.Factors) {
        const QString symbol = Text(unit.Symbol);
        const std::optional<QString> decomposition = Decomposition(symbol);
        if (!decomposition)
            continue;
        sgReplacedUnits->SetRow(filled++,
                                {QString::number(unit.Degree), symbol, "=", *decomposition});
    }
    const int rows = std::max(filled, 1);
    sgReplacedUnits->setRowCount(rows);
    sgReplacedUnits->FitHeightToRows(rows);
}

std::optional<QString> TfmBase::Decomposition(const QString& symbol) const {
    for (const QString& line : BaseList) {
        const qsizetype equals = line.indexOf('=');
        if (line.left(equals) == symbol)
            return line.mid(equals + 1);
    }
    return std::nullopt;
}

void TfmBase::SourceChanged(QObject*) {
    TDimRec source;
    IO->GetDim(0, source);
    IO->SetDim(1, WithIncludedUnits(SourceInBaseUnits(source)));
}

TDimRec TfmBase::SourceInBaseUnits(const TDimRec& source) const {
    TDimRec result = DimPower(source, 0);
    for (const TUnitRec& unit : source.Factors) {
        const int row = ReplacedRowOf(unit.Symbol);
        if (row < 0) {
            result = DimAddFactor(result, unit);
            continue;
        }
        const QString decomposition = sgReplacedUnits->Cell(DecompositionColumn, row).trimmed();
        // A unit without dimension has nothing to stand for it.
        if (decomposition == "1")
            continue;
        const int degree = sgReplacedUnits->Cell(DegreeColumn, row).toInt();
        result = DimMultiply(result, DimPower(Decomposed(decomposition), degree));
    }
    return result;
}

TDimRec TfmBase::WithIncludedUnits(TDimRec target) const {
    for (int row = 0; row < sgIncludedUnits->rowCount(); ++row) {
        const QString degreeText = sgIncludedUnits->Cell(DegreeColumn, row);
        if (degreeText.isEmpty())
            continue;
        const int degree = degreeText.toInt();
        const QString symbol = sgIncludedUnits->Cell(SymbolColumn, row);
        const QString decomposition = sgIncludedUnits->Cell(DecompositionColumn, row).trimmed();
        target = DimAddFactor(target, TUnitRec{symbol.toStdString(), degree});
        target = DimMultiply(target, DimPower(Decomposed(decomposition), -degree));
    }
    return target;
}

int TfmBase::ReplacedRowOf(const std::string& symbol) const {
    for (int row = 0; row < sgReplacedUnits->rowCount(); ++row)
        if (SameText(sgReplacedUnits->Cell(SymbolColumn, row).toStdString(), symbol))
            return row;
    return -1;
}

int TfmBase::IncludedRowOf(const QString& symbol) const {
    for (int row = 0; row < sgIncludedUnits->rowCount(); ++row)
        if (sgIncludedUnits->Cell(SymbolColumn, row) == symbol)
            return row;
    return -1;
}

int TfmBase::FirstFreeIncludedRow() const {
    for (int row = sgIncludedUnits->rowCount() - 1; row >= 0; --row)
        if (!sgIncludedUnits->Cell(SymbolColumn, row).trimmed().isEmpty())
            return row + 1;
    return 0;
}

void TfmBase::tbNominClick(QObject* sender) {
    const int sign = sender == tbDenomin ? -1 : 1;
    const int chosen = sgAllBaseUnits->currentRow();
    if (chosen < 0)
        return;
    const QString symbol = sgAllBaseUnits->Cell(AllSymbolColumn, chosen);
    const int free = FirstFreeIncludedRow();
    const int included = IncludedRowOf(symbol);
    if (free >= sgIncludedUnits->rowCount())
        sgIncludedUnits->AddRows(RowsAtOnce);
    if (included < 0) {
        sgIncludedUnits->SetRow(free, {QString::number(sign), symbol, "=",
                                       sgAllBaseUnits->Cell(AllDecompositionColumn, chosen)});
    } else {
        const int degree = sgIncludedUnits->Cell(DegreeColumn, included).toInt() + sign;
        if (degree == 0)
            sgIncludedUnits->removeRow(included);
        else
            sgIncludedUnits->item(included, DegreeColumn)->setText(QString::number(degree));
    }
    SourceChanged(sender);
}

void TfmBase::sgIncludedUnitsKeyUp(QObject* sender, int key) {
    auto* grid = qobject_cast<TBasePageGrid*>(sender);
    if (key != Qt::Key_Delete || !grid)
        return;
    const QList<int> rows = grid->SelectedRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (grid->Cell(SymbolColumn, *row).trimmed().isEmpty())
            continue;
        // The grid keeps one row, even an empty one.
        if (grid->rowCount() == 1)
            grid->ClearRow(*row);
        else
            grid->removeRow(*row);
    }
    SourceChanged(sender);
}

bool TfmBase::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Panel1 && event->type() == QEvent::Resize)
        FitToolBar();
    if (event->type() == QEvent::KeyRelease &&
        (watched == sgReplacedUnits || watched == sgIncludedUnits)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            RunShowingErrors([&] { sgIncludedUnitsKeyUp(watched, key->key()); });
    }
    return TfmUnitModule::eventFilter(watched, event);
}

// The style's icons are looked up in the icon theme, which takes longer than
// building the whole page: they come when the page is first shown.
void TfmBase::showEvent(QShowEvent* event) {
    if (!toolIconsSet_) {
        toolIconsSet_ = true;
        tbNomin->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
        tbDenomin->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
        // The width with captions is measured again, with the icons.
        for (QToolButton* button : {tbNomin, tbDenomin})
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        toolBarWidthWithCaptions_ = 0;
        FitToolBar();
    }
    TfmUnitModule::showEvent(event);
}

void TfmBase::resizeEvent(QResizeEvent* event) {
    TfmUnitModule::resizeEvent(event);
    FrameResize();
}

void TfmBase::FrameResize() {
    const int left = static_cast<int>(std::lround(width() * SplitRatio));
    const int right = std::max(0, Splitter1->width() - Splitter1->handleWidth() - left);
    Splitter1->setSizes({left, right});
}

// On a narrow right panel the buttons lose their captions rather than one
// of them disappearing behind the tool bar's overflow arrow.
void TfmBase::FitToolBar() {
    // Measured once the page is shown and styled, with the captions still on.
    if (toolBarWidthWithCaptions_ == 0)
        toolBarWidthWithCaptions_ = ToolBar1->sizeHint().width();
    const Qt::ToolButtonStyle style = Panel1->width() >= toolBarWidthWithCaptions_
                                          ? Qt::ToolButtonTextBesideIcon
                                          : Qt::ToolButtonIconOnly;
    for (QToolButton* button : {tbNomin, tbDenomin})
        button->setToolButtonStyle(style);
}

void TfmBase::Splitter1Moved() {
    if (width() > 0)
        SplitRatio = static_cast<double>(Panel5->width()) / width();
}

} // namespace varnel
