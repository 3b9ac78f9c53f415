#include "PreviewGeometry.h"

#include "Rounding.h"

#include <algorithm>

namespace PreviewGeometry {

QSize OuterSize(int levelW, int levelH, double cellW, double cellH, QSize border) {
    const long long w = roundToInteger(levelW * cellW) + border.width();
    const long long h = roundToInteger(levelH * cellH) + border.height();
    return QSize(int(std::clamp<long long>(w, 0, 1 << 20)),
                 int(std::clamp<long long>(h, 0, 1 << 20)));
}

QPoint Position(QPoint buttonTopLeft, QSize outer, QSize windowInner) {
    int x = buttonTopLeft.x() - int(halfOfTruncated(outer.width()));
    int y = buttonTopLeft.y() - int(halfOfTruncated(outer.height()));
    if (x + outer.width() > windowInner.width())
        x = windowInner.width() - outer.width();
    if (y + outer.height() > windowInner.height())
        y = windowInner.height() - outer.height();
    return QPoint(x, y);
}

int ScrollValue(int pointer, int previewLeft, int borderDiff, int visibleCells, int min, int max) {
    const long long inner = (long long)pointer - (previewLeft + halfOfTruncated(borderDiff));
    const long long cell = halfOfTruncated(double(inner));
    const long long value = cell - quotientOfRounded(visibleCells, 2);
    if (max < min)
        return min;
    return int(std::clamp<long long>(value, min, max));
}

} // namespace PreviewGeometry
