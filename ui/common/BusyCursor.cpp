#include "ui/common/BusyCursor.h"

#include <QApplication>

namespace varnel {

TBusyCursor::TBusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

TBusyCursor::~TBusyCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace varnel
