#include "ui/pages/UnitComboBox.h"

#include <QHelpEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QToolTip>

namespace varnel {

TUnitComboBox::TUnitComboBox(QWidget* parent) : QComboBox(parent) {}

int TUnitComboBox::TextRoom() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    // The label is drawn a pixel in from either side of the field.
    return std::max(0, field.width() - 2);
}

QString TUnitComboBox::ShownText() const {
    return fontMetrics().elidedText(currentText(), Qt::ElideRight, TextRoom());
}

void TUnitComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = ShownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool TUnitComboBox::event(QEvent* event) {
    // A unit's own hint (its variants) names it in full already.
    if (event->type() == QEvent::ToolTip && ShownText() != currentText() && toolTip().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), currentText(), this);
        return true;
    }
    return QComboBox::event(event);
}

} // namespace varnel
