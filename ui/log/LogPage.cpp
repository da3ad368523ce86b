#include "ui/log/LogPage.h"

#include "ui/common/ErrorGuard.h"
#include "ui/common/FlowLayout.h"
#include "ui/common/Hints.h"
#include "ui/common/MessageBoxes.h"
#include "ui/common/ThemeColours.h"
#include "ui/log/LogFile.h"
#include "ui/log/LogGridDelegate.h"
#include "ui/valueline/FrameIO.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QLocale>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace varnel {

namespace {

constexpr int TimeColumn = 0, SourceColumn = 1, SignColumn = 2, TargetColumn = 3;
const QString SignCell = "  =  ";
constexpr int ToolButtonWidth = 90;
// Room for the cell's margins beside the widest text.
constexpr int CellPadding = 12;

QColor ColumnColour(int column) {
    switch (column) {
    case TimeColumn:
        return QColor(247, 247, 247);
    case SourceColumn:
        return QColor(236, 255, 236);
    case SignColumn:
        return QColor(255, 255, 230);
    default:
        return QColor(Qt::white);
    }
}

// The user's short date and long time, without a time zone: the moment of
// the recording as the desktop writes it.
QString RecordingTime() {
    const QLocale system = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    QString timeFormat = system.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QLatin1Char('t'));
    return system.toString(now.date(), QLocale::ShortFormat) + " " +
           now.time().toString(timeFormat.trimmed());
}

} // namespace

TfmUnitLog::TfmUnitLog(QWidget* parent) : TfmUnitModule(parent) {
    // A plain bar rather than a tool bar: on a narrow log tab its buttons
    // wrap onto a second row instead of overlapping or going out of sight.
    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName("ToolBar1");
    auto* bar = new TFlowLayout(ToolBar1, 0);
    bar->setContentsMargins(2, 2, 2, 2);
    tbSourceBack = AddToolButton("tbSourceBack", " Source Back ",
                                 "| Copy the left side of selected row to source field");
    tbTargetBack = AddToolButton("tbTargetBack", "Target Back",
                                 "| Copy the right side of selected row to source field");
    auto* separator = new QFrame(ToolBar1);
    separator->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    separator->setFixedHeight(20);
    bar->addWidget(separator);
    tbCopy = AddToolButton("tbCopy", "Copy Sel.", "| Copy selected row into the clipboard");
    connect(tbSourceBack, &QToolButton::clicked, this,
            ShowingErrors([this] { tbSourceBackClick(tbSourceBack); }));
    connect(tbTargetBack, &QToolButton::clicked, this,
            ShowingErrors([this] { tbSourceBackClick(tbTargetBack); }));
    connect(tbCopy, &QToolButton::clicked, this, ShowingErrors([this] { tbCopyClick(); }));

    sgLog = new QTableWidget(1, LogColumnCount, this);
    sgLog->setObjectName("sgLog");
    sgLog->horizontalHeader()->hide();
    sgLog->verticalHeader()->hide();
    sgLog->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgLog->verticalHeader()->setDefaultSectionSize(sgLog->fontMetrics().height() + 8);
    sgLog->horizontalHeader()->setMinimumSectionSize(0);
    sgLog->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgLog->setSelectionMode(QAbstractItemView::SingleSelection);
    sgLog->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgLog->setWordWrap(false);
    sgLog->setShowGrid(false);
    sgLog->setItemDelegate(new TLogGridDelegate(sgLog));
    sgLog->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Long conversions scroll rather than being cut off.
    sgLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgLog->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    sgLog->viewport()->installEventFilter(this);
    connect(sgLog, &QTableWidget::cellDoubleClicked, this,
            ShowingErrors([this] { tbSourceBackClick(sgLog); }));
    SetColumnColours();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar1);
    layout->addWidget(sgLog, 1);
}

TfmUnitLog::~TfmUnitLog() {
    // Units data that never loaded leaves the file as it was.
    if (!logRead_)
        return;
    try {
        SaveLog(true);
    } catch (...) {
        // Nothing may leave a destructor; the failure was reported if it could be.
    }
}

QToolButton* TfmUnitLog::AddToolButton(const char* name, const QString& caption,
                                       const QString& hint) {
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAutoRaise(true);
    // 90 pixels, or more where a large font needs them for the words of the
    // caption (the blanks around " Source Back " may go).
    QStyleOptionToolButton option;
    option.initFrom(button);
    option.toolButtonStyle = Qt::ToolButtonTextOnly;
    const QSize text = button->fontMetrics().size(Qt::TextSingleLine, caption.trimmed());
    const int needed =
        button->style()->sizeFromContents(QStyle::CT_ToolButton, &option, text, button).width();
    button->setFixedSize(std::max(ToolButtonWidth, needed), 24);
    SetHint(button, hint);
    ToolBar1->layout()->addWidget(button);
    return button;
}

void TfmUnitLog::LoadUnits() {
    ReadLog();
    SetColumnColours();
}

void TfmUnitLog::ReadLog() {
    // Once only: a second read would mix the file's rows into this run's.
    if (logRead_)
        return;
    logRead_ = true;
    std::vector<TLogRow> rows;
    try {
        rows = ReadLogFile(LogFilePath(), MaxRows);
    } catch (const std::exception& error) {
        // The log starts empty; the converter runs on.
        ShowErrorMessage(QString::fromStdString(error.what()));
    }
    sgLog->setRowCount(std::max<int>(1, static_cast<int>(rows.size())));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < LogColumnCount; ++column)
            SetCell(row, column, QString::fromStdString(rows[row][column]));
    FrameResize();
}

void TfmUnitLog::SaveLog(bool atEnd) {
    std::vector<TLogRow> rows(static_cast<size_t>(sgLog->rowCount()));
    for (int row = 0; row < sgLog->rowCount(); ++row)
        for (int column = 0; column < LogColumnCount; ++column)
            rows[row][column] = Cell(row, column).toStdString();
    const std::filesystem::path file = LogFilePath();
    try {
        WriteLogFile(rows, file);
        unsaved_ = false;
        writeFailureShown_ = false;
    } catch (const std::exception& error) {
        // Without new rows nothing is lost: the file keeps the last ones.
        if (!unsaved_ || (writeFailureShown_ && !atEnd))
            return;
        writeFailureShown_ = true;
        ShowErrorMessage("The conversion log could not be written to\n" +
                         QString::fromStdString(file.string()) + "\n\n" +
                         QString::fromStdString(error.what()) +
                         (atEnd ? "\n\nThe conversions of this session are not saved." : ""));
    }
}

void TfmUnitLog::PageSwitch(TPageKind, TPageKind newKind) {
    if (newKind != pkLog)
        return;
    sgLog->scrollToTop();
    sgLog->horizontalScrollBar()->setValue(0);
    sgLog->setCurrentCell(0, SourceColumn);
    sgLog->selectRow(0);
    IO->SetTarget(QString());
    FrameResize();
}

void TfmUnitLog::Refresh() {
    // A recording replaces the file: it must hold the file's rows first.
    ReadLog();
    const QString source = IO->GetSource();
    const QString trimmedSource = source.trimmed();
    if (trimmedSource.isEmpty() || trimmedSource == "[]")
        return;
    if (IO->TargetEmpty())
        return;
    const QString target = IO->GetTarget();
    if (Cell(0, SourceColumn).trimmed() == trimmedSource &&
        Cell(0, TargetColumn).trimmed() == target.trimmed())
        return;
    if (source.contains("[]") || target.contains("[]"))
        return;

    if (RowHoldsText(0))
        sgLog->insertRow(0);
    SetCell(0, TimeColumn, " " + RecordingTime() + "  ");
    SetCell(0, SourceColumn, "  " + source);
    SetCell(0, SignColumn, SignCell);
    SetCell(0, TargetColumn, target);
    if (sgLog->rowCount() > MaxRows)
        sgLog->setRowCount(MaxRows);
    unsaved_ = true;
    SaveLog(false);
    FrameResize();
}

void TfmUnitLog::SourceChanged(QObject*) {}

void TfmUnitLog::SetShowTime(bool on) {
    showTime_ = on;
    FrameResize();
}

void TfmUnitLog::tbSourceBackClick(QObject* sender) {
    const int row = SelectedRow();
    if (sender == tbTargetBack) {
        IO->SetSource(Cell(row, TargetColumn).trimmed());
        IO->SetTarget(QString());
    } else {
        // The whole conversion comes back: the rows take the logged target
        // units when they are made for the source.
        IO->SetSource(Cell(row, SourceColumn).trimmed());
        IO->SetTarget(Cell(row, TargetColumn).trimmed());
    }
    emit IO->ModeChanged(IO);
}

void TfmUnitLog::tbCopyClick() {
    const int row = SelectedRow();
    QGuiApplication::clipboard()->setText(Cell(row, SourceColumn).trimmed() + " = " +
                                          Cell(row, TargetColumn));
}

void TfmUnitLog::FrameResize() {
    const int width = sgLog->viewport()->width();
    sgLog->setColumnHidden(TimeColumn, !showTime_);
    int used = 0;
    if (showTime_) {
        for (int column = TimeColumn; column < TargetColumn; ++column) {
            sgLog->setColumnWidth(column, WidestText(column));
            used += sgLog->columnWidth(column);
        }
    } else {
        const int sign = WidestText(SignColumn);
        const int source = std::max(0, SourceShare(width - sign));
        sgLog->setColumnWidth(TimeColumn, 0);
        sgLog->setColumnWidth(SignColumn, sign);
        sgLog->setColumnWidth(SourceColumn, source);
        used = sign + source;
    }
    sgLog->setColumnWidth(TargetColumn, std::max(WidestText(TargetColumn), width - used));
}

int TfmUnitLog::SourceShare(int room) const {
    // Equal halves, unless one side would be cut off while the other has
    // room to spare.
    const int half = static_cast<int>(std::lround(room / 2.0));
    const int source = WidestText(SourceColumn);
    const int target = WidestText(TargetColumn);
    if (source < half)
        return std::max(source, std::min(half, room - target));
    if (target < room - half)
        return std::min(source, room - target);
    return half;
}

bool TfmUnitLog::eventFilter(QObject* watched, QEvent* event) {
    // The grid's inner width changes with the window and with its scroll bar.
    if (watched == sgLog->viewport() && event->type() == QEvent::Resize)
        FrameResize();
    return TfmUnitModule::eventFilter(watched, event);
}

QString TfmUnitLog::Cell(int row, int column) const {
    const QTableWidgetItem* item = sgLog->item(row, column);
    return item ? item->text() : QString();
}

void TfmUnitLog::SetCell(int row, int column, const QString& text) {
    QTableWidgetItem* item = sgLog->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        ColourCell(item, column);
        sgLog->setItem(row, column, item);
    }
    item->setText(text);
}

bool TfmUnitLog::RowHoldsText(int row) const {
    for (int column = 0; column < LogColumnCount; ++column)
        if (!Cell(row, column).isEmpty())
            return true;
    return false;
}

// The pale columns of a light window; on a dark one tinted dark, with the
// palette's text made readable on them.
void TfmUnitLog::ColourCell(QTableWidgetItem* item, int column) const {
    const QColor background = TintedBackground(palette(), ColumnColour(column));
    item->setBackground(background);
    item->setForeground(ThemedText(palette(), palette().color(QPalette::Text), background));
}

int TfmUnitLog::SelectedRow() const {
    // No row selected yet counts as the first, as in a grid that always has one.
    return std::max(0, sgLog->currentRow());
}

int TfmUnitLog::WidestText(int column) const {
    const QFontMetrics metrics = sgLog->fontMetrics();
    int widest = 0;
    for (int row = 0; row < sgLog->rowCount(); ++row)
        widest = std::max(widest, metrics.horizontalAdvance(Cell(row, column)));
    return widest + CellPadding;
}

void TfmUnitLog::SetColumnColours() {
    for (int row = 0; row < sgLog->rowCount(); ++row)
        for (int column = 0; column < LogColumnCount; ++column) {
            if (QTableWidgetItem* item = sgLog->item(row, column))
                ColourCell(item, column);
            else
                SetCell(row, column, QString());
        }
}

} // namespace varnel
