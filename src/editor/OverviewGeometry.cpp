#include "OverviewGeometry.h"

#include <algorithm>

namespace {

// Division rounding down, for pixels left of or above the picture.
int floorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

OverviewGeometry::OverviewGeometry(QSize box, QSize levelCells, QSize cellPixels)
    : m_Box(box), m_Level(levelCells),
      m_Cell(std::max(cellPixels.width(), 1), std::max(cellPixels.height(), 1)) {}

QPoint OverviewGeometry::PictureAt() const {
    return QPoint(std::max(0, (m_Box.width() - m_Level.width() * m_Cell.width()) / 2),
                  std::max(0, (m_Box.height() - m_Level.height() * m_Cell.height()) / 2));
}

QRect OverviewGeometry::PixelsOf(const QRect& cells) const {
    const QPoint at = PictureAt();
    return QRect(at.x() + cells.x() * m_Cell.width(), at.y() + cells.y() * m_Cell.height(),
                 cells.width() * m_Cell.width(), cells.height() * m_Cell.height());
}

QPoint OverviewGeometry::CellAt(QPoint pixel) const {
    const QPoint inside = pixel - PictureAt();
    return QPoint(floorDiv(inside.x(), m_Cell.width()), floorDiv(inside.y(), m_Cell.height()));
}

QPoint OverviewGeometry::Grip(QPoint pixel, const QRect& view) const {
    const QPoint cell = CellAt(pixel);
    if (view.contains(cell))
        return cell - view.topLeft();
    return QPoint(view.width() / 2, view.height() / 2);
}

QPoint OverviewGeometry::OriginFor(QPoint pixel, QPoint grip, QPoint originMax) const {
    const QPoint origin = CellAt(pixel) - grip;
    return QPoint(std::clamp(origin.x(), 0, std::max(0, originMax.x())),
                  std::clamp(origin.y(), 0, std::max(0, originMax.y())));
}
