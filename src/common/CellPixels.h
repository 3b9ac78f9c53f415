#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <climits>

// Where level cells lie on a surface drawn as Level::Display draws them:
// cells of whole pixels (a fraction of the cell size is dropped), with the
// top-left corner of level cell `originCell` at pixel `originPixel`. The
// one home of that rule for the canvas and the tools' previews.
namespace CellPixels {

// The pixels `cells` cover, which may lie partly or wholly off the surface.
// Each edge is clamped to half the int range, so that the rectangle's size
// still fits an int.
inline QRect Of(const QRect& cells, double cellWidth, double cellHeight, QPoint originCell,
                QPoint originPixel = QPoint()) {
    // Sizes beyond 2^30 pixels are drawn nowhere; capping them keeps the
    // products below within 64 bits.
    auto whole = [](double size) {
        return size > 0 ? static_cast<long long>(std::min(size, double(1 << 30))) : 0LL;
    };
    auto clampInt = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT_MIN / 2, INT_MAX / 2));
    };
    const long long cw = whole(cellWidth);
    const long long ch = whole(cellHeight);
    const long long left =
        originPixel.x() + (static_cast<long long>(cells.left()) - originCell.x()) * cw;
    const long long top =
        originPixel.y() + (static_cast<long long>(cells.top()) - originCell.y()) * ch;
    const long long right = left + static_cast<long long>(cells.width()) * cw;
    const long long bottom = top + static_cast<long long>(cells.height()) * ch;
    return QRect(QPoint(clampInt(left), clampInt(top)),
                 QPoint(clampInt(right) - 1, clampInt(bottom) - 1));
}

} // namespace CellPixels
