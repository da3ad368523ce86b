#include "ui/common/Hints.h"

#include <QWidget>

namespace varnel {

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf('|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void SetHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(ShortHint(hint).trimmed());
    widget->setStatusTip(LongHint(hint).trimmed());
}

} // namespace varnel
