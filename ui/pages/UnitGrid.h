#pragma once

#include <QTableWidget>

namespace varnel {

class TCats;
class TUnit;
class TVariantIndex;

// A unit's hint: its comment in the status bar; for a unit easily taken for
// others, which one it is and what it is not, as tooltip and after the
// comment.
QString UnitHint(const TUnit& unit, const TCats& cats);
QString UnitHint(const TUnit& unit, const TVariantIndex& variantIndex);
class TUnitList;

// A list of the units of one category: name and symbol, one row per unit,
// the whole row selected. The status bar shows the comment of the unit under
// the mouse.
class TUnitGrid : public QTableWidget {
    Q_OBJECT

public:
    TUnitGrid(int nameWidth, int symbolWidth, QWidget* parent = nullptr);

    // Fills the list and selects the core unit's row (the last unit whose
    // type is exactly "si-unit"; row 0 when there is none), shown in bold.
    // Fires no selection signal. A unit easily taken for others of cats says
    // so in its hint.
    void Fill(const TUnitList& units, const TCats& cats);
    void ClearRows();

    bool HasRow(int row) const { return row >= 0 && row < rowCount(); }
    // The current row, kept within the list; -1 only for an empty list.
    int SelectedRow() const;
    // Fires no selection signal.
    void SelectRow(int row);
    QString UnitName(int row) const;
    QString Symbol(int row) const;

private:
    int coreRow_ = -1;
};

} // namespace varnel
