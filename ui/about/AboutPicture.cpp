#include "ui/about/AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace varnel {

namespace {

void DrawScale(QPainter& p, qreal y, qreal left, qreal right, int ticks) {
    p.drawLine(QPointF(left, y), QPointF(right, y));
    for (int i = 0; i <= ticks; ++i) {
        const qreal x = left + (right - left) * i / ticks;
        const qreal length = i % 2 == 0 ? 6 : 3;
        p.drawLine(QPointF(x, y), QPointF(x, y - length));
    }
}

void DrawArrow(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    const qreal head = to.x() > from.x() ? -5 : 5;
    QPainterPath tip;
    tip.moveTo(to);
    tip.lineTo(to.x() + head, to.y() - 4);
    tip.lineTo(to.x() + head, to.y() + 4);
    tip.closeSubpath();
    p.fillPath(tip, p.pen().color());
}

} // namespace

QPixmap AboutPicture(int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn on a 64-unit square whatever the size.
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient face(0, 0, 0, 64);
    face.setColorAt(0, QColor(0x2f, 0x7d, 0x9a));
    face.setColorAt(1, QColor(0x16, 0x4a, 0x63));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);

    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    DrawScale(p, 20, 10, 54, 8);
    DrawScale(p, 54, 10, 54, 4);
    p.setPen(QPen(QColor(0xff, 0xd2, 0x4a), 2.5, Qt::SolidLine, Qt::RoundCap));
    DrawArrow(p, QPointF(14, 30), QPointF(50, 30));
    DrawArrow(p, QPointF(50, 42), QPointF(14, 42));
    return pixmap;
}

} // namespace varnel
