#include "PickerGeometry.h"

#include "Rounding.h"

#include <algorithm>

namespace {

// Pointer positions far outside any screen are kept within what QPoint and
// the platform's pointer placement can take.
int ClampToScreenRange(long long value) {
    return int(std::clamp<long long>(value, -(1LL << 24), 1LL << 24));
}

} // namespace

namespace PickerGeometry {

double PointerToWindow(double buttonLeft, double pointer, int containerBorderDiff,
                       int containerLeft) {
    return buttonLeft + pointer + double(halfOfTruncated(containerBorderDiff)) + containerLeft;
}

int OpeningTopRow(int s, long long columns, long long rows, int min, int max) {
    const long long v = quotientOfRounded(s, double(columns)) - halfOfTruncated(double(rows));
    if (max < min)
        return min;
    return int(std::clamp<long long>(v, min, max));
}

QPoint OpeningPointer(int s, long long columns, int pitchW, int pitchH, int topRow) {
    // Without a column the selection has no cell; the grid's first place is
    // as good as any.
    const long long column = columns > 0 ? s % columns : 0;
    const long long row = quotientOfRounded(s, double(columns));
    const long long px = pitchW * column + quotientOfRounded(pitchW, 2);
    const long long py = pitchH * (row - topRow) + quotientOfRounded(pitchH, 2);
    return QPoint(ClampToScreenRange(px), ClampToScreenRange(py));
}

DragZone DragZoneOf(double y, int top, int height) {
    if (y < top)
        return DragZone::Above;
    if (y > double(top) + height)
        return DragZone::Below;
    return DragZone::Inside;
}

} // namespace PickerGeometry
