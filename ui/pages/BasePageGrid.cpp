#include "ui/pages/BasePageGrid.h"

#include <QHeaderView>

#include <set>

namespace varnel {

TBasePageGrid::TBasePageGrid(const QString& name, const QList<int>& widths, bool severalRows,
                             QWidget* parent)
    : QTableWidget(0, static_cast<int>(widths.size()), parent) {
    setObjectName(name);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(severalRows ? QAbstractItemView::ExtendedSelection
                                 : QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setMinimumSectionSize(10);
    for (int column = 0; column < widths.size(); ++column)
        horizontalHeader()->resizeSection(column, widths[column]);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

QString TBasePageGrid::Cell(int column, int row) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TBasePageGrid::SetRow(int row, const QStringList& texts) {
    for (int column = 0; column < columnCount(); ++column) {
        auto* cell = new QTableWidgetItem(column < texts.size() ? texts[column] : QString());
        if (centred_.contains(column))
            cell->setTextAlignment(Qt::AlignCenter);
        setItem(row, column, cell);
    }
}

void TBasePageGrid::ClearRow(int row) {
    for (int column = 0; column < columnCount(); ++column)
        delete takeItem(row, column);
}

void TBasePageGrid::ResetRows(int count) {
    clearContents();
    setRowCount(0);
    setRowCount(count);
}

void TBasePageGrid::AddRows(int count) {
    setRowCount(rowCount() + count);
}

QList<int> TBasePageGrid::SelectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.insert(index.row());
    return QList<int>(rows.begin(), rows.end());
}

int TBasePageGrid::RowHeight() const {
    return verticalHeader()->defaultSectionSize();
}

void TBasePageGrid::FitHeightToRows(int rows) {
    fittedHeight_ = RowHeight() * rows + 2 * frameWidth();
    setMaximumHeight(fittedHeight_);
    updateGeometry();
}

QSize TBasePageGrid::sizeHint() const {
    QSize size = QTableWidget::sizeHint();
    if (fittedHeight_ >= 0)
        size.setHeight(fittedHeight_);
    return size;
}

} // namespace varnel
