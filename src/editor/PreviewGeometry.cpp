#include "PreviewGeometry.h"

#include "VbMath.h"

#include <algorithm>

namespace PreviewGeometry {

QSize OuterSize(int levelW, int levelH, double cellW, double cellH, QSize border) {
    const long long w = VbMath::roundEven(levelW * cellW) + border.width();
    const long long h = VbMath::roundEven(levelH * cellH) + border.height();
    return QSize(int(std::clamp<long long>(w, 0, 1 << 20)),
                 int(std::clamp<long long>(h, 0, 1 << 20)));
}

QPoint Position(QPoint buttonTopLeft, QSize outer, QSize windowInner) {
    int x = buttonTopLeft.x() - int(VbMath::halfOf(outer.width()));
    int y = buttonTopLeft.y() - int(VbMath::halfOf(outer.height()));
    if (x + outer.width() > windowInner.width())
        x = windowInner.width() - outer.width();
    if (y + outer.height() > windowInner.height())
        y = windowInner.height() - outer.height();
    return QPoint(x, y);
}

int ScrollValue(int pointer, int previewLeft, int borderDiff, int visibleCells, int min, int max) {
    const long long inner = (long long)pointer - (previewLeft + VbMath::halfOf(borderDiff));
    const long long cell = VbMath::halfOf(double(inner));
    const long long value = cell - VbMath::div(visibleCells, 2);
    if (max < min)
        return min;
    return int(std::clamp<long long>(value, min, max));
}

} // namespace PreviewGeometry
