#include "TileAnimation.h"

#include "Level.h"
#include "TileBehaviour.h"

#include <algorithm>
#include <limits>

TileAnimation::TileAnimation(const TileBehaviour& table, int tileCount) {
    const int count = std::clamp(tileCount, 0, int(std::numeric_limits<qint16>::max()) + 1);
    std::vector<bool> animated(size_t(count), false);
    bool any = false;
    for (int tile = 0; tile < count; ++tile) {
        animated[size_t(tile)] = table.FrameTile(tile, 1, count) != tile;
        any = any || animated[size_t(tile)];
    }
    if (!any)
        return;
    m_Animated = std::move(animated);
    for (int phase = 0; phase < DistinctFrames; ++phase) {
        m_Frames[phase].resize(size_t(count));
        for (int tile = 0; tile < count; ++tile)
            m_Frames[phase][size_t(tile)] = qint16(table.FrameTile(tile, phase, count));
    }
}

int TileAnimation::FrameAt(qint64 milliseconds) {
    return milliseconds <= 0 ? 0 : int((milliseconds / FrameMilliseconds) % DistinctFrames);
}

int TileAnimation::Phase(int frame) {
    return ((frame % DistinctFrames) + DistinctFrames) % DistinctFrames;
}

bool TileAnimation::Animates(qint16 tile) const {
    return tile >= 0 && size_t(tile) < m_Animated.size() && m_Animated[size_t(tile)];
}

qint16 TileAnimation::Shown(qint16 tile, int frame) const {
    return Animates(tile) ? m_Frames[Phase(frame)][size_t(tile)] : tile;
}

const std::vector<qint16>& TileAnimation::FrameMap(int frame) const {
    return m_Frames[Phase(frame)];
}

std::vector<QRect> TileAnimation::ChangedCells(const Level& level, const QRect& window, int from,
                                               int to) const {
    std::vector<QRect> runs;
    const QRect cells = window & QRect(0, 0, level.Width(), level.Height());
    if (IsStill() || cells.isEmpty() || Phase(from) == Phase(to))
        return runs;
    for (int y = cells.top(); y <= cells.bottom(); ++y) {
        int runStart = -1;
        for (int x = cells.left(); x <= cells.right() + 1; ++x) {
            const bool changes = x <= cells.right() && [&] {
                const qint16 tile = level.Tile(x, y);
                return Animates(tile) && Shown(tile, from) != Shown(tile, to);
            }();
            if (changes && runStart < 0)
                runStart = x;
            else if (!changes && runStart >= 0) {
                runs.emplace_back(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return runs;
}
