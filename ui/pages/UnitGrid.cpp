#include "ui/pages/UnitGrid.h"

#include "ui/common/Hints.h"
#include "units/Cats.h"
#include "units/Unit.h"
#include "units/UnitList.h"
#include "units/UnitSearch.h"
#include "units/VariantIndex.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <algorithm>

namespace varnel {

namespace {

QTableWidgetItem* Cell(const std::string& text, const QString& hint) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setToolTip(ShortHint(hint).trimmed());
    item->setStatusTip(LongHint(hint).trimmed());
    return item;
}

} // namespace

QString UnitHint(const TUnit& unit, const TCats& cats) {
    return UnitHint(unit, cats.VariantIndex());
}

QString UnitHint(const TUnit& unit, const TVariantIndex& variantIndex) {
    const std::vector<const TUnit*> variants = variantIndex.VariantsOf(unit);
    if (variants.empty())
        return "| " + QString::fromStdString(unit.Comment());
    // One variant a line: a tooltip as wide as the screen is hard to read.
    std::string tip = unit.NameAndSymbol() + "; not to be taken for";
    for (const TUnit* variant : variants)
        tip += "\n    " + variant->NameAndSymbol();
    return QString::fromStdString(tip + "|" + unit.Comment() + "; " +
                                  variantIndex.VariantNote(unit));
}

TUnitGrid::TUnitGrid(int nameWidth, int symbolWidth, QWidget* parent) : QTableWidget(parent) {
    setColumnCount(2);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setColumnWidth(0, nameWidth);
    setColumnWidth(1, symbolWidth);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWordWrap(false);
    setMouseTracking(true); // the unit's comment in the status bar
}

void TUnitGrid::Fill(const TUnitList& units, const TCats& cats) {
    const QSignalBlocker blocker(this);
    clearContents();
    setRowCount(units.Count());
    coreRow_ = units.Count() > 0 ? 0 : -1;
    const TVariantIndex& variantIndex = cats.VariantIndex();
    int row = 0;
    for (const TUnit* unit : units) {
        const QString hint = UnitHint(*unit, variantIndex);
        setItem(row, 0, Cell(unit->Name(), hint));
        setItem(row, 1, Cell(unit->Symbol(), hint));
        if (unit->Node().Type() == "si-unit")
            coreRow_ = row;
        ++row;
    }
    if (coreRow_ >= 0) {
        for (int column = 0; column < 2; ++column) {
            QFont font = item(coreRow_, column)->font();
            font.setBold(true);
            item(coreRow_, column)->setFont(font);
        }
    }
    SelectRow(coreRow_);
}

void TUnitGrid::ClearRows() {
    const QSignalBlocker blocker(this);
    clearContents();
    setRowCount(0);
    coreRow_ = -1;
}

int TUnitGrid::SelectedRow() const {
    if (rowCount() == 0)
        return -1;
    return std::clamp(currentRow(), 0, rowCount() - 1);
}

void TUnitGrid::SelectRow(int row) {
    if (!HasRow(row))
        return;
    const QSignalBlocker blocker(this);
    setCurrentCell(row, 0);
    scrollToItem(item(row, 0));
}

QString TUnitGrid::UnitName(int row) const {
    return HasRow(row) ? item(row, 0)->text().trimmed() : QString();
}

QString TUnitGrid::Symbol(int row) const {
    return HasRow(row) ? item(row, 1)->text() : QString();
}

} // namespace varnel
