#include "EditGeometry.h"

#include "DecimalText.h"
#include "Rounding.h"

#include <algorithm>
#include <cmath>

namespace EditGeometry {

int ZoomInLevel(int zoom) {
    return zoom < MaxZoom ? zoom + 1 : zoom;
}

int FitZoom(int levelWidth, int levelHeight, int viewWidth, int viewHeight, int tileWidth,
            int tileHeight) {
    int zoom = MaxZoom;
    const auto size = [](int cells, int pixels, int z) {
        return std::ldexp(double(cells) * pixels, z);
    };
    // Down to the zoom whose cells are one pixel, which always stays.
    while (size(1, std::min(tileWidth, tileHeight), zoom) > 1 &&
           (size(levelWidth, tileWidth, zoom) > viewWidth ||
            size(levelHeight, tileHeight, zoom) > viewHeight))
        --zoom;
    return zoom;
}

ScrollRange TileStripRange(int scaleWidth, double renderWidth, int count) {
    const double pitch = renderWidth + 4;
    const long long shown = quotientOfRounded(scaleWidth + pitch - 1, pitch);
    ScrollRange range;
    range.max = static_cast<int>(std::max<long long>(0, count - shown + 1));
    range.largeChange = static_cast<int>(std::max<long long>(1, shown / 2));
    range.enabled = true;
    return range;
}

QString ScrollReportText(int max, int min, int value) {
    return DecimalWithSignSpace(max) + QLatin1Char(',') + DecimalWithSignSpace(min) +
           QLatin1Char(',') + DecimalWithSignSpace(value);
}

} // namespace EditGeometry
