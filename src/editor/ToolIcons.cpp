#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

constexpr int Size = 24;
const QColor Ink(40, 40, 48);
const QColor Paint(52, 120, 220);

// An icon drawn by `draw` on a transparent 24 x 24 picture, and at twice
// that for screens with denser pixels.
QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(Size * scale, Size * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen inkPen(double width) {
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

namespace ToolIcons {

QIcon Brush() {
    return drawnIcon([](QPainter& p) {
        // A handle from the top right down to a round tip of paint.
        p.setPen(QPen(QColor(150, 100, 50), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 4), QPointF(11, 13));
        p.setPen(inkPen(1.2));
        p.setBrush(QColor(190, 190, 200));
        p.drawRect(QRectF(8.5, 12.5, 4, 4));
        QPainterPath tip;
        tip.moveTo(9, 15);
        tip.cubicTo(4, 15, 5, 20, 3, 21);
        tip.cubicTo(7, 22, 11, 21, 10.5, 16.5);
        p.setBrush(Paint);
        p.drawPath(tip);
    });
}

QIcon Select() {
    return drawnIcon([](QPainter& p) {
        p.setPen(QPen(Ink, 1.5, Qt::DashLine));
        p.setBrush(QColor(52, 120, 220, 50));
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
    });
}

QIcon BucketFill() {
    return drawnIcon([](QPainter& p) {
        // A tipped bucket pouring a drop.
        p.setPen(inkPen(1.4));
        p.setBrush(QColor(200, 200, 210));
        QPolygonF bucket;
        bucket << QPointF(4, 10) << QPointF(12, 3) << QPointF(20, 11) << QPointF(13, 19);
        p.drawPolygon(bucket);
        p.setBrush(Paint);
        p.drawEllipse(QRectF(16.5, 15, 4.5, 6));
        p.setPen(QPen(Paint, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 11.5), QPointF(19, 14.5));
    });
}

QIcon RectangleFill() {
    return drawnIcon([](QPainter& p) {
        p.setPen(inkPen(1.4));
        p.setBrush(Paint);
        p.drawRect(QRectF(3.5, 5.5, 17, 13));
    });
}

QIcon Line() {
    return drawnIcon([](QPainter& p) {
        // A staircase of cells from corner to corner.
        p.setPen(Qt::NoPen);
        p.setBrush(Paint);
        for (int i = 0; i < 5; ++i)
            p.drawRect(QRectF(3 + i * 3.6, 17 - i * 3.2, 4, 4));
        p.setPen(inkPen(1.2));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
    });
}

} // namespace ToolIcons
