#pragma once

#include "CellChange.h"
#include "Level.h"
#include "TestData.h"

#include <QPoint>
#include <QRect>

#include <vector>

// Both planes of a level as plain arrays, for tests to build the planes they
// expect with simple loops of their own.
struct LevelPlanes {
    int w = 0;
    int h = 0;
    std::vector<qint16> tiles;
    std::vector<qint16> infos;

    explicit LevelPlanes(const Level& level)
        : w(level.Width()), h(level.Height()), tiles(level.TilePlane()), infos(level.InfoPlane()) {}
    bool operator==(const LevelPlanes& o) const { return tiles == o.tiles && infos == o.infos; }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    std::vector<qint16>& plane(int which) { return which == CellChange::TilePlane ? tiles : infos; }

    // Sets `plane` in the cells of `area` that lie inside the level.
    LevelPlanes& fill(int which, const QRect& area, qint16 value) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (inside(x, y))
                    plane(which)[std::size_t(y * w + x)] = value;
        return *this;
    }
    // Tile `tile` and info 0 in the cells of `area`: what clearing leaves.
    LevelPlanes& clear(const QRect& area, qint16 tile) {
        return fill(CellChange::TilePlane, area, tile).fill(CellChange::InfoPlane, area, 0);
    }
    // Puts the cells of `area` (inside `from`) at `at`, those landing inside
    // the level only: their tiles unless not `withTiles`, their infos unless
    // not `withInfos`.
    LevelPlanes& place(const LevelPlanes& from, const QRect& area, QPoint at, bool withTiles = true,
                       bool withInfos = true) {
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x) {
                const std::size_t i = std::size_t((area.y() + y) * from.w + area.x() + x);
                if (!inside(at.x() + x, at.y() + y))
                    continue;
                const std::size_t j = std::size_t((at.y() + y) * w + at.x() + x);
                if (withTiles)
                    tiles[j] = from.tiles[i];
                if (withInfos)
                    infos[j] = from.infos[i];
            }
        return *this;
    }
};

// A real level of the game, loaded as it is.
inline Level realLevel(const QString& name) {
    Level level;
    const IoResult loaded = level.Load(realDataDir() + QLatin1Char('/') + name);
    if (!loaded)
        qFatal("%s", qPrintable(loaded.error));
    return level;
}
