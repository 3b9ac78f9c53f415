#include "EditGeometry.h"

#include "VbMath.h"

#include <algorithm>

namespace EditGeometry {

int ZoomInLevel(int zoom) {
    return zoom < MaxZoom ? zoom + 1 : zoom;
}

ScrollRange TileStripRange(int scaleWidth, double renderWidth, int count) {
    const double pitch = renderWidth + 4;
    const long long shown = VbMath::div(scaleWidth + pitch - 1, pitch);
    ScrollRange range;
    range.max = static_cast<int>(std::max<long long>(0, count - shown + 1));
    range.largeChange = static_cast<int>(std::max<long long>(1, shown / 2));
    range.enabled = true;
    return range;
}

QString ScrollReportText(int max, int min, int value) {
    return VbMath::numberText(max) + QLatin1Char(',') + VbMath::numberText(min) + QLatin1Char(',') +
           VbMath::numberText(value);
}

} // namespace EditGeometry
