#include "ui/valueline/FrameIO.h"

#include "common/AbbrevList.h"
#include "common/NumberSyntax.h"
#include "common/TextUtil.h"
#include "convert/Convert.h"
#include "convert/QuantityCheck.h"
#include "ui/common/ErrorGuard.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/StdText.h"
#include "ui/common/ThemeColours.h"
#include "ui/common/UserLocale.h"
#include "ui/valueline/SingleRichEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <array>
#include <charconv>
#include <cmath>

namespace varnel {

namespace {

constexpr int ColumnCount = 4;
constexpr int RowCount = 3;
constexpr int SignColumn = 2;
constexpr int TargetColumn = 3;
constexpr std::array<int, RowCount> RowHeights = {20, 28, 9};
// Room for the cell's own margins around a text.
constexpr int CellPadding = 8;
// However long the source grows, this share of the line stays the target's.
constexpr int TargetShareDivisor = 4;
constexpr int UnitsPartLimit = 255;

// The grid is a fixed layout, not a scrolled view: a click on a cell or the
// focus of the input line must never scroll the header row out of sight.
void PinScrolling(QTableWidget* grid) {
    grid->setAutoScroll(false);
    for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()})
        QObject::connect(bar, &QScrollBar::valueChanged, bar, [bar](int value) {
            if (value != 0)
                bar->setValue(0);
        });
}

// Numbers and the arithmetic that makes an expression of them.
bool IsValueChar(QChar c) {
    return QStringView(u"+-.0123456789Ee*/()^,").contains(c);
}

// The text before the first "[" (all of it without one), trimmed.
QString ValuePart(const QString& text) {
    const qsizetype bracket = text.indexOf('[');
    return (bracket < 0 ? text : text.left(bracket)).trimmed();
}

// Where the target typed after the source begins: the first "=" after the
// source's closing bracket, or -1.
qsizetype TypedTargetSign(const QString& line) {
    const qsizetype close = line.indexOf(']');
    return close < 0 ? -1 : line.indexOf('=', close);
}

QString WithoutTypedTarget(const QString& line) {
    const qsizetype sign = TypedTargetSign(line);
    return sign < 0 ? line : line.left(sign).trimmed();
}

// The units of a typed target, with or without their brackets.
QString TypedTargetUnits(const QString& line) {
    const qsizetype sign = TypedTargetSign(line);
    if (sign < 0)
        return {};
    std::string units = StdText(line.mid(sign + 1).trimmed());
    if (units.find('[') == std::string::npos)
        return Text(units);
    TextInBrackets(units);
    return Text(Trim(units));
}

// The shortest text that reads back as the same double.
QString FullPrecision(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

// Horizontal lines under the header and value rows, as the only grid lines.
class TGridLines : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (index.row() >= RowCount - 1)
            return;
        painter->save();
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
        painter->restore();
    }
};

// The abbreviations applied or reverted; what the parser says about the
// units is shown right away.
std::string AbbrevsApplied(const QString& text) {
    TMessages messages;
    std::string result = ApplyAbbrevs(StdText(text), messages);
    ShowCoreMessages(messages);
    return result;
}

std::string AbbrevsReverted(const QString& text) {
    TMessages messages;
    std::string result = RevertAbbrevs(StdText(text), messages);
    ShowCoreMessages(messages);
    return result;
}

} // namespace

const QColor TfmIO::EditModeColour(236, 255, 236);

TfmIO::TfmIO(QWidget* parent) : QFrame(parent) {
    setObjectName("fmIO");
}

void TfmIO::Setup() {
    QFont lineFont("Arial");
    lineFont.setPixelSize(17);
    setFont(lineFont);
    setFixedHeight(FrameHeight);

    CreateGrid();
    CreateMenus();

    reSource = new TSingleRichEdit(sgIO->viewport());
    reSource->setObjectName("reSource");
    reSource->setFont(lineFont);
    SetHint(reSource, "Value in source units");
    reSource->SetPopupMenu(pmIOEdit);
    reSource->OnKeyPress = [this](QKeyEvent* event) { return SourceKeyPress(event); };
    reSource->OnChanged = [this](QObject*) { SourceEdited(); };
    setFocusProxy(reSource);
    reSource->SetText(" ");
    reSource->show();

    lbProblem = new QLabel(this);
    lbProblem->setObjectName("lbProblem");
    QFont problemFont = font();
    problemFont.setPixelSize(13);
    lbProblem->setFont(problemFont);
    lbProblem->setTextFormat(Qt::PlainText);
    lbProblem->hide();

    SetCell(0, 0, " Source");
    SetCell(TargetColumn, 0, " Target");
    ApplyColours();
    FrameResize();
}

void TfmIO::CreateGrid() {
    sgIO = new QTableWidget(RowCount, ColumnCount, this);
    sgIO->setObjectName("sgIO");
    sgIO->horizontalHeader()->hide();
    // The hidden header would otherwise keep a font-dependent minimum width.
    sgIO->horizontalHeader()->setMinimumSectionSize(0);
    sgIO->verticalHeader()->hide();
    sgIO->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgIO->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgIO->setFrameShape(QFrame::NoFrame);
    sgIO->setShowGrid(false);
    sgIO->setSelectionMode(QAbstractItemView::NoSelection);
    sgIO->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgIO->setFocusPolicy(Qt::NoFocus);
    sgIO->setContextMenuPolicy(Qt::PreventContextMenu);
    sgIO->setItemDelegate(new TGridLines(sgIO));
    sgIO->setWordWrap(false);
    PinScrolling(sgIO);
    const QColor buttonFace = palette().color(QPalette::Button);
    for (int row = 0; row < RowCount; ++row) {
        sgIO->setRowHeight(row, RowHeights[static_cast<size_t>(row)]);
        for (int col = 0; col < ColumnCount; ++col) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            item->setBackground(row == 1 ? palette().color(QPalette::Base) : buttonFace);
            sgIO->setItem(row, col, item);
        }
    }
    sgIO->item(0, SignColumn)->setTextAlignment(Qt::AlignCenter);
    sgIO->setColumnWidth(SignColumn, SignColumnWidth);
    sgIO->viewport()->installEventFilter(this);
}

void TfmIO::CreateMenus() {
    pmIOEdit = new QMenu(this);
    pmIOEdit->setObjectName("pmIOEdit");
    auto add = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    piCut = add(pmIOEdit, "piCut", "Cut");
    piCopy = add(pmIOEdit, "piCopy", "Copy");
    piPaste = add(pmIOEdit, "piPaste", "Paste");
    connect(piCut, &QAction::triggered, this, ShowingErrors([this] { piCutClick(); }));
    connect(piCopy, &QAction::triggered, this, ShowingErrors([this] { piCopyClick(); }));
    connect(piPaste, &QAction::triggered, this, ShowingErrors([this] { piPasteClick(); }));
    connect(pmIOEdit, &QMenu::aboutToShow, this, [this] { UpdateEditMenu(); });

    pmIOTable = new QMenu(this);
    pmIOTable->setObjectName("pmIOTable");
    piCopySource = add(pmIOTable, "piCopySource", "Copy Source");
    piCopyTarget = add(pmIOTable, "piCopyTarget", "Copy Target");
    piCopyBoth = add(pmIOTable, "piCopyBoth", "Copy Both");
    piCopyNumber = add(pmIOTable, "piCopyNumber", "Copy Number");
    connect(piCopyNumber, &QAction::triggered, this,
            ShowingErrors([this] { piCopyNumberClick(); }));
    connect(piCopySource, &QAction::triggered, this,
            ShowingErrors([this] { piCopySourceClick(); }));
    connect(piCopyTarget, &QAction::triggered, this,
            ShowingErrors([this] { piCopyTargetClick(); }));
    connect(piCopyBoth, &QAction::triggered, this, ShowingErrors([this] { piCopyBothClick(); }));
}

QString TfmIO::Cells(int col, int row) const {
    const QTableWidgetItem* item = sgIO ? sgIO->item(row, col) : nullptr;
    return item ? item->text() : QString();
}

void TfmIO::SetCell(int col, int row, const QString& text) {
    QTableWidgetItem* item = sgIO->item(row, col);
    if (item->text() == text)
        return;
    item->setText(text);
    // Units and results too long for a narrow window are cut short: the
    // tooltip tells them whole.
    if (row == 1 && col != SignColumn)
        item->setToolTip(text.trimmed());
}

QString TfmIO::TypedLine() const {
    return WithProgramDecimalPoint(reSource->Text());
}

QString TfmIO::TypedSource() const {
    const QString line = TypedLine();
    if (editMode_)
        return WithoutTypedTarget(line);
    return Text(ValueModeSource(line));
}

const TfmIO::TCellUnits& TfmIO::CellUnits() const {
    const QString cell = Cells(1, 1);
    if (cellUnits_.Parsed && cellUnits_.Cell == cell &&
        cellUnits_.AbbrevGeneration == AbbrevListGeneration())
        return cellUnits_;
    // As the whole source is read: the factors only when the cell's units
    // parse; the checks then read the units as reverted.
    TDimRec units;
    TMessages messages;
    StrToDimRec(StdText(" " + cell), units, messages);
    ShowCoreMessages(messages);
    RevertAbbrevsOf(units.Factors);
    cellUnits_ = {cell, AbbrevListGeneration(), true, units.Factors, {}, false, {}};
    cellUnits_.EntriesRead =
        ParseQuantityUnits(DimRecToText(units), cellUnits_.Entries, cellUnits_.Problem);
    return cellUnits_;
}

bool TfmIO::UsesCellUnits() const {
    return !editMode_ && !TypedLine().contains('[');
}

std::string TfmIO::ValueModeSource(const QString& line) const {
    if (line.contains('['))
        return AbbrevsReverted(line + " " + Cells(1, 1));
    const std::string text = StdText(line + " " + Cells(1, 1));
    TDimRec source;
    source.NumberText = Trim(text.substr(0, text.find('[')));
    source.Number = NumberBeforeBracket(text);
    source.Factors = CellUnits().Factors;
    return DimRecToText(source);
}

std::string TfmIO::ValueModeProblem(const std::string& source) const {
    const std::string problem = QuantityProblem(Trim(source.substr(0, source.find('['))));
    return problem.empty() ? CellUnits().Problem : problem;
}

QString TfmIO::GetSource() const {
    const QString line = TypedLine();
    if (editMode_)
        return WithoutTypedTarget(line);
    const QString units = Cells(1, 1);
    const QString value = line.trimmed();
    if (!value.isEmpty() && !IsNumberText(StdText(value))) {
        // The pages convert numbers: an expression goes to them worked out.
        const TTypedValue typed = ReadTypedValue(StdText(value));
        if (typed.Ok)
            return Text(AbbrevsReverted(FullPrecision(typed.Value) + " " +
                                        (units.trimmed().isEmpty() ? "[]" : units)));
    }
    if (units.trimmed().isEmpty())
        return line + "[]";
    return Text(ValueModeSource(line));
}

void TfmIO::SetSource(const QString& text) {
    if (editMode_) {
        reSource->SetText(text);
        // Without a value yet the user's first keys are the number: they go
        // in front of the units, not after the closing bracket.
        const qsizetype bracket = text.indexOf('[');
        if (bracket >= 0 && text.left(bracket).trimmed().isEmpty())
            reSource->moveCursor(QTextCursor::Start);
        return;
    }
    const qsizetype bracket = text.indexOf('[');
    if (bracket < 0) {
        SetCell(1, 1, QString());
        reSource->SetText(text);
        return;
    }
    const QString units = text.mid(bracket).trimmed().left(UnitsPartLimit);
    std::string written = AbbrevsApplied("1 " + units);
    const bool bracketed = TextInBrackets(written);
    SetCell(1, 1, bracketed ? "[" + Text(written) + "]" : QString("[]"));
    reSource->SetText(text.left(bracket).trimmed());
}

QString TfmIO::GetTarget() const {
    const QString target = Cells(TargetColumn, 1);
    // An empty target stays empty rather than reading as " []".
    if (target.trimmed().isEmpty())
        return QString();
    return Text(AbbrevsReverted(target));
}

void TfmIO::SetTarget(const QString& text) {
    QString target = Text(AbbrevsApplied(text));
    if (SourceValueBlank()) {
        const qsizetype nan = target.indexOf("NaN", 0, Qt::CaseInsensitive);
        if (nan >= 0)
            target.remove(nan, 3);
    }
    if (target.trimmed() == "[]" || !problem_.isEmpty())
        target.clear();
    hasTargetValue_ = false;
    SetCell(TargetColumn, 1, target);
}

void TfmIO::SetTargetValue(double value) {
    targetValue_ = value;
    hasTargetValue_ = !TargetEmpty();
}

QString TfmIO::TargetNumber() const {
    if (hasTargetValue_ && std::isfinite(targetValue_))
        return FullPrecision(targetValue_);
    return ValuePart(GetTarget());
}

bool TfmIO::SourceValueBlank() const {
    return ValuePart(reSource->Text()).isEmpty();
}

bool TfmIO::TargetEmpty() const {
    const QString target = Cells(TargetColumn, 1).trimmed();
    return target.isEmpty() || target == "[]";
}

void TfmIO::GetDim(int side, TDimRec& dim) const {
    TMessages messages;
    StrToDimRec(StdText(side == 0 ? GetSource() : GetTarget()), dim, messages);
    ShowCoreMessages(messages);
}

void TfmIO::SetDim(int side, const TDimRec& dim) {
    const QString text = Text(DimRecToText(dim));
    if (side == 0)
        SetSource(text);
    else
        SetTarget(text);
}

void TfmIO::SetEditMode(bool on) {
    if (ModeLocked || on == editMode_)
        return;
    Switching = true;
    struct TSwitchingEnd {
        TfmIO* frame;
        ~TSwitchingEnd() { frame->Switching = false; }
    } switchingEnd{this};
    editMode_ = on;
    if (on) {
        reSource->SetBackground(TintedBackground(palette(), EditModeColour));
        SetTarget(QString());
        QString units = Text(Trim(AbbrevsReverted(Cells(1, 1))));
        if (units.isEmpty())
            units = "[]";
        reSource->SetText(reSource->Text() + " " + units);
        // Nothing typed yet: the first key starts the quantity rather than
        // going after an empty "[]".
        if (SourceValueBlank() && units == "[]")
            reSource->selectAll();
    } else {
        const QString line = reSource->Text();
        typedTarget_ = TypedTargetUnits(line);
        reSource->SetBackground(palette().color(QPalette::Base));
        SetSource(WithoutTypedTarget(line));
        // A typed target gives the rows their target units.
        SetTarget(typedTarget_.isEmpty() ? GetSource()
                                         : ValuePart(GetSource()) + " [" + typedTarget_ + "]");
    }
    ShowSign();
    Switching = false;
    if (!on)
        ShowValueState();
    FrameResize();
    emit ModeChanged(this);
}

void TfmIO::ShowSign() {
    QTableWidgetItem* sign = sgIO->item(1, SignColumn);
    const QPalette colours = palette();
    if (editMode_) {
        const QColor background = TintedBackground(colours, colours.color(QPalette::ToolTipBase));
        sign->setText(" X");
        sign->setForeground(ThemedText(colours, Qt::red, background));
        sign->setBackground(background);
    } else {
        const QColor background =
            IsDarkPalette(colours) ? colours.color(QPalette::Base) : Qt::white;
        sign->setText(" =");
        sign->setForeground(ThemedText(colours, Qt::black, background));
        sign->setBackground(background);
    }
}

void TfmIO::ApplyColours() {
    const QPalette colours = palette();
    for (int row = 0; row < RowCount; ++row)
        for (int col = 0; col < ColumnCount; ++col) {
            QTableWidgetItem* item = sgIO->item(row, col);
            item->setBackground(colours.color(row == 1 ? QPalette::Base : QPalette::Button));
            item->setForeground(colours.color(row == 1 ? QPalette::Text : QPalette::ButtonText));
        }
    ShowSign();
    QPalette problemColours = lbProblem->palette();
    problemColours.setColor(QPalette::WindowText, ThemedText(colours, QColor(176, 0, 0),
                                                             colours.color(QPalette::Window)));
    lbProblem->setPalette(problemColours);
    if (editMode_)
        reSource->SetBackground(TintedBackground(colours, EditModeColour));
    else
        ShowValueState();
}

void TfmIO::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && sgIO && lbProblem)
        ApplyColours();
}

void TfmIO::ShowValueState() {
    const QString value = TypedLine().trimmed();
    const bool number = value.isEmpty() || ReadTypedValue(StdText(value)).Ok;
    const QPalette colours = palette();
    reSource->SetBackground(number
                                ? colours.color(QPalette::Base)
                                : TintedBackground(colours, colours.color(QPalette::ToolTipBase)));
}

void TfmIO::ShowProblem(const QString& text) {
    if (!lbProblem || lbProblem->text() == text)
        return;
    lbProblem->setText(text);
    lbProblem->setToolTip(text);
    lbProblem->setVisible(!text.isEmpty());
    setFixedHeight(FrameHeight + (text.isEmpty() ? 0 : lbProblem->sizeHint().height()));
    FrameResize();
}

void TfmIO::CheckInput() {
    const std::string source = StdText(TypedSource());
    const bool cellUnits = UsesCellUnits();
    problem_ = Text(cellUnits ? ValueModeProblem(source) : QuantityProblem(source));
    QString shown = problem_;
    if (!problem_.isEmpty()) {
        SetCell(TargetColumn, 1, QString());
    } else if (checkEngine_ && checkEngine_->Root()) {
        // An unknown unit is carried through unchanged: said, not refused.
        if (!cellUnits)
            shown = Text(UnknownUnitProblem(source, *checkEngine_));
        else if (CellUnits().EntriesRead)
            shown = Text(UnknownUnitProblem(source, CellUnits().Entries, *checkEngine_));
        const QString target = editMode_ ? TypedTargetUnits(reSource->Text()) : QString();
        if (shown.isEmpty() && !target.isEmpty()) {
            const std::string typed = StdText("1 [" + target + "]");
            std::string targetProblem = QuantityProblem(typed);
            if (targetProblem.empty())
                targetProblem = UnknownUnitProblem(typed, *checkEngine_);
            if (!targetProblem.empty())
                shown = "Target: " + Text(targetProblem);
        }
    }
    ShowProblem(shown);
}

QString TfmIO::TakeTypedTarget() {
    return std::exchange(typedTarget_, QString());
}

void TfmIO::ClearUnits() {
    if (editMode_) {
        reSource->ReplaceText(ValuePart(reSource->Text()) + " []");
        return;
    }
    SetCell(1, 1, QString());
    SetTarget(QString());
    reSource->SetText(reSource->Text());
}

void TfmIO::SetSwapMark(bool on) {
    swapMark_ = on;
    SetCell(SignColumn, 0, on ? "<-" : "");
}

void TfmIO::LogConversion() {
    emit ConversionToLog();
}

void TfmIO::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    FrameResize();
}

void TfmIO::FrameResize() {
    if (!sgIO)
        return;
    const int gridWidth = std::max(0, width() - 2 * SideMargin);
    const int bandTop = (FrameHeight - BandHeight) / 2;
    sgIO->setGeometry(SideMargin, bandTop, gridWidth, BandHeight);

    const QString line = reSource->Text();
    SetCell(0, 1, line + "__");
    const QFontMetrics metrics(sgIO->font());
    const int sides = gridWidth - SignColumnWidth;
    int sourceWidth =
        std::max(metrics.horizontalAdvance(Cells(0, 0)), metrics.horizontalAdvance(Cells(0, 1))) +
        CellPadding;
    sourceWidth = std::min(sourceWidth, sides - sides / TargetShareDivisor);
    sourceWidth = std::max(sourceWidth, 0);
    const int unitsWidth = std::max(0, qRound(sides / 2.0) - sourceWidth);
    const int targetWidth = std::max(0, sides - sourceWidth - unitsWidth);
    sgIO->setColumnWidth(0, sourceWidth);
    sgIO->setColumnWidth(1, unitsWidth);
    sgIO->setColumnWidth(SignColumn, SignColumnWidth);
    sgIO->setColumnWidth(TargetColumn, targetWidth);

    const int lineWidth = sourceWidth + (editMode_ ? unitsWidth : 0);
    reSource->setGeometry(0, sgIO->rowViewportPosition(1), lineWidth, RowHeights[1] - 1);
    if (lbProblem && lbProblem->isVisible()) {
        const int top = bandTop + BandHeight;
        lbProblem->setGeometry(SideMargin, top, gridWidth, height() - top);
        lbProblem->setText(
            lbProblem->fontMetrics().elidedText(problem_, Qt::ElideRight, gridWidth));
    }
}

QWidget* TfmIO::InputLine() const {
    return reSource;
}

void TfmIO::ClearInputSelection() {
    QTextCursor cursor = reSource->textCursor();
    if (cursor.hasSelection()) {
        cursor.clearSelection();
        reSource->setTextCursor(cursor);
    }
}

bool TfmIO::SourceKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A quantity that cannot be read stays in the line with its reason,
        // rather than being split where part of it would be lost.
        if (!editMode_ || problem_.isEmpty())
            SetEditMode(!editMode_);
        return true;
    }
    if (event->key() == Qt::Key_Escape && !editMode_) {
        ClearUnits();
        return true;
    }
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false; // editing keys
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool altGr =
        modifiers.testFlag(Qt::ControlModifier) && modifiers.testFlag(Qt::AltModifier);
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !altGr)
        return false; // shortcuts
    const QChar c = text.at(0);
    if (c == u'[' && !editMode_) {
        SetEditMode(true);
        if (editMode_)
            SelectUnitsForTyping();
        return true;
    }
    if (IsValueChar(c))
        return false;
    return !editMode_;
}

// After "[" the units from the units cell stand selected, so that typing
// replaces them and an arrow key keeps them.
void TfmIO::SelectUnitsForTyping() {
    const QString line = reSource->Text();
    const qsizetype open = line.lastIndexOf('[');
    if (open < 0)
        return;
    qsizetype close = line.indexOf(']', open);
    if (close < 0)
        close = line.size();
    QTextCursor cursor = reSource->textCursor();
    cursor.setPosition(static_cast<int>(open + 1));
    cursor.setPosition(static_cast<int>(close), QTextCursor::KeepAnchor);
    reSource->setTextCursor(cursor);
}

void TfmIO::SourceEdited() {
    CheckInput();
    FrameResize();
    if (Switching)
        return;
    if (!editMode_)
        ShowValueState();
    // A source that cannot be read has no result: SetTarget shows none.
    emit SourceChanged(reSource);
}

bool TfmIO::eventFilter(QObject* watched, QEvent* event) {
    if (sgIO && watched == sgIO->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const Qt::MouseButton button = mouse->button();
        const QPoint position = mouse->position().toPoint();
        RunShowingErrors([&] { sgIOMouseUp(button, position); });
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void TfmIO::sgIOMouseUp(Qt::MouseButton button, const QPoint& position) {
    const QModelIndex cell = sgIO->indexAt(position);
    if (cell.row() == 1 && cell.column() < SignColumn && button == Qt::LeftButton) {
        reSource->setFocus(Qt::MouseFocusReason);
        reSource->moveCursor(QTextCursor::End);
    }
    if (cell.row() == 1 && cell.column() == SignColumn) {
        if (editMode_) {
            const QString value =
                button == Qt::RightButton ? QString() : ValuePart(reSource->Text());
            reSource->ReplaceText(value + " []");
            return;
        }
        emit MarkClicked(this);
    }
    if (button == Qt::RightButton && cell.row() == 1) {
        const bool target = !TargetEmpty();
        piCopyTarget->setEnabled(target);
        piCopyBoth->setEnabled(target);
        piCopyNumber->setEnabled(target);
        pmIOTable->popup(sgIO->viewport()->mapToGlobal(position));
    }
}

void TfmIO::UpdateEditMenu() {
    const bool selection = reSource->textCursor().hasSelection();
    piCut->setEnabled(selection);
    piCopy->setEnabled(selection);
    piPaste->setEnabled(reSource->canPaste());
}

void TfmIO::piCutClick() {
    reSource->cut();
}

void TfmIO::piCopyClick() {
    reSource->copy();
}

void TfmIO::piPasteClick() {
    reSource->paste();
}

void TfmIO::Copied(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QStatusTipEvent tip("Copied: " + text);
    QApplication::sendEvent(this, &tip);
}

void TfmIO::piCopySourceClick() {
    Copied(GetSource());
}

void TfmIO::piCopyTargetClick() {
    Copied(GetTarget());
}

void TfmIO::piCopyBothClick() {
    Copied(GetSource() + " = " + GetTarget());
}

void TfmIO::piCopyNumberClick() {
    Copied(TargetNumber());
}

} // namespace varnel

#include "FrameIO.moc"
