#include "ui/about/ClickLabel.h"

#include <QMouseEvent>

namespace varnel {

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        emit Clicked();
    }
}

} // namespace varnel
