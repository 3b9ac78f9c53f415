#include "ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace {

constexpr int Size = 24;
const QColor Ink(40, 40, 48);
const QColor Paint(52, 120, 220);
constexpr double Pi = 3.14159265358979323846;

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

QIcon SameTile() {
    return drawnIcon([](QPainter& p) {
        // A 4 x 4 grid of cells, the cells of one tile scattered over it
        // painted and framed as selected.
        p.setPen(QPen(QColor(150, 150, 160), 1));
        p.setBrush(QColor(225, 225, 232));
        for (int i = 0; i < 16; ++i)
            p.drawRect(QRectF(2.5 + i % 4 * 5, 2.5 + i / 4 * 5, 4, 4));
        p.setPen(QPen(Ink, 1.2, Qt::DotLine));
        p.setBrush(Paint);
        for (int i : {0, 6, 9, 15, 3})
            p.drawRect(QRectF(2.5 + i % 4 * 5, 2.5 + i / 4 * 5, 4, 4));
    });
}

QIcon MagicWand() {
    return drawnIcon([](QPainter& p) {
        // A wand from the bottom left, a star sparkling at its tip.
        p.setPen(QPen(Ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 20.5), QPointF(13, 11));
        p.setPen(QPen(QColor(235, 235, 240), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 13), QPointF(13, 11));
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double angle = -Pi / 2 + i * Pi / 5;
            const double radius = i % 2 ? 2.6 : 6.5;
            star << QPointF(16.5 + radius * std::cos(angle), 7.5 + radius * std::sin(angle));
        }
        p.setPen(inkPen(1));
        p.setBrush(QColor(250, 205, 60));
        p.drawPolygon(star);
        p.setPen(QPen(Paint, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 5), QPointF(7, 8));
        p.drawLine(QPointF(5.5, 6.5), QPointF(8.5, 6.5));
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
