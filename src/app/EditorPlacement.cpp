#include "EditorPlacement.h"

#include <algorithm>

namespace {

// How many cascade positions along one side still leave room for `minimum`.
int positions(int area, int minimum) {
    return area < minimum ? 1 : (area - minimum) / EditorPlacement::Step + 1;
}

} // namespace

QRect EditorPlacement::NextWindow(QSize area, int openWindows, QSize minimum) {
    const int count = std::min(positions(area.width(), minimum.width()),
                               positions(area.height(), minimum.height()));
    const int offset = std::max(0, openWindows) % count * Step;
    const int width =
        std::max(minimum.width(), std::min(area.width() * 9 / 10, area.width() - offset));
    const int height =
        std::max(minimum.height(), std::min(area.height() * 9 / 10, area.height() - offset));
    return QRect(offset, offset, width, height);
}

QRect EditorPlacement::Inside(QRect window, QSize area, QSize minimum) {
    const QSize size = window.size().boundedTo(area).expandedTo(minimum);
    const int x = std::clamp(window.x(), 0, std::max(0, area.width() - size.width()));
    const int y = std::clamp(window.y(), 0, std::max(0, area.height() - size.height()));
    return QRect(QPoint(x, y), size);
}
