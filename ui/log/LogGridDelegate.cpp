#include "ui/log/LogGridDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace varnel {

void TLogGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    const auto grid =
        static_cast<QRgb>(style->styleHint(QStyle::SH_Table_GridLineColor, &option, option.widget));
    painter->setPen(QColor::fromRgba(grid));
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

} // namespace varnel
