#include "PaletteGeometry.h"

#include "DecimalText.h"
#include "Rounding.h"

#include <algorithm>
#include <climits>

namespace PaletteGeometry {

namespace {
int clampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
} // namespace

int StripTileAt(double x, int firstTile, double pitch, int count) {
    if (count <= 0)
        return -1;
    const long long tile = firstTile + quotientOfRounded(x - 2, pitch);
    return clampToInt(std::clamp<long long>(tile, 0, count - 1));
}

int StripCentre(int tile, int barWidth, double tileWidth, int minimum, int maximum) {
    const long long shown = quotientOfRounded(barWidth, tileWidth);
    long long v = tile - shown / 2;
    if (v < minimum)
        v = minimum;
    if (v > maximum)
        v = maximum;
    return clampToInt(v);
}

Grid SelectorGrid(int width, int height, int barWidth, double pitchX, double pitchY) {
    Grid grid;
    grid.columns = quotientOfRounded(double(width - barWidth) + pitchX - 1, pitchX) - 1;
    grid.rows = quotientOfRounded(double(height) + pitchY - 1, pitchY) - 1;
    return grid;
}

ScrollRange SelectorRange(int count, const Grid& grid) {
    ScrollRange range;
    range.largeChange = clampToInt(std::max(1LL, halfOfTruncated(double(grid.rows))));
    if (grid.columns <= 0)
        return range; // no column fits: nothing to scroll
    const long long gridRows = (count + grid.columns - 1) / grid.columns;
    const long long m = gridRows - (grid.rows - 1);
    if (m < 0)
        return range;
    range.max = clampToInt(m);
    range.enabled = true;
    return range;
}

long long SelectorCell(const Grid& grid, long long firstRow, long long r, long long c) {
    return (firstRow + r) * grid.columns + c;
}

QRect SelectorSpan(const Grid& grid, long long from, long long to) {
    if (grid.columns <= 0 || from < 0 || to < 0)
        return QRect(0, 0, 1, 1);
    const QPoint a(int(from % grid.columns), int(from / grid.columns));
    const QPoint b(int(to % grid.columns), int(to / grid.columns));
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QPoint InnerPoint(int x, int y, const QRect& outer, int scaleWidth, int scaleHeight) {
    const long long borderX = halfOfTruncated(double(outer.width() - scaleWidth));
    const long long borderY = halfOfTruncated(double(outer.height() - scaleHeight));
    return QPoint(clampToInt(x - (outer.x() + borderX)), clampToInt(y - (outer.y() + borderY)));
}

int SelectorPick(int x, int y, int scaleWidth, int scaleHeight, double pitchX, double pitchY,
                 const Grid& grid, int firstRow, int count) {
    if (x < 0 || y < 0 || x >= scaleWidth || y >= scaleHeight)
        return -1;
    if (!grid.Usable() || count <= 0)
        return -1;
    const long long col =
        std::clamp<long long>(quotientOfRounded(x - 2, pitchX), 0, grid.columns - 1);
    const long long row = std::clamp<long long>(quotientOfRounded(y - 2, pitchY), 0, grid.rows - 1);
    const long long item = SelectorCell(grid, firstRow, row, col);
    return clampToInt(std::min<long long>(item, count - 1));
}

QString PositionText(const Cell& cell) {
    return DecimalWithSignSpace(cell.x) + QLatin1Char(',') + DecimalWithSignSpace(cell.y);
}

} // namespace PaletteGeometry
