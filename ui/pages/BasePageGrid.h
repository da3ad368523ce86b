#pragma once

#include <QList>
#include <QStringList>
#include <QTableWidget>

namespace varnel {

// A string grid of the Base page: no header, whole rows selected, nothing
// edited, the last column taking what is left of the width. A row without
// text in a cell reads as empty text there.
class TBasePageGrid : public QTableWidget {
    Q_OBJECT

public:
    TBasePageGrid(const QString& name, const QList<int>& widths, bool severalRows,
                  QWidget* parent = nullptr);

    void SetCentredColumns(const QList<int>& columns) { centred_ = columns; }
    QString Cell(int column, int row) const;
    void SetRow(int row, const QStringList& texts);
    void ClearRow(int row);
    // Makes the grid `count` empty rows.
    void ResetRows(int count);
    void AddRows(int count);
    // Ascending; the rows of the current selection.
    QList<int> SelectedRows() const;
    int RowHeight() const;
    // The height that shows `rows` rows without scrolling; the layout keeps
    // the grid at most that high and may give it less when space is short.
    void FitHeightToRows(int rows);

    QSize sizeHint() const override;

private:
    QList<int> centred_;
    int fittedHeight_ = -1;
};

} // namespace varnel
