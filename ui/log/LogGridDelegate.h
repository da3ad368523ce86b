#pragma once

#include <QStyledItemDelegate>

namespace varnel {

// Draws the log's cells with a line below each row only: the rows read as
// lines of a list, the columns stay joined by their colours.
class TLogGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace varnel
