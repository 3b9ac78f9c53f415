#pragma once

#include "SelectorSource.h"
#include "TileSet.h"

#include <algorithm>

// The tile selector's items: every tile of the palette's set. Cells past
// the last tile draw as such.
class TileSelectorSource : public SelectorSource {
public:
    explicit TileSelectorSource(const TileSet& tiles) : m_Tiles(tiles) {}
    double PitchX() const override { return m_Tiles.RenderWidth() + 4; }
    double PitchY() const override { return m_Tiles.RenderHeight() + 4; }
    int Count() const override { return m_Tiles.Count(); }
    void DrawItem(long long index, Surface& dest, int x, int y) const override {
        // Numbers beyond the 16-bit range are past every set's last tile.
        m_Tiles.Draw(static_cast<qint16>(std::clamp<long long>(index, -1, 32767)), dest, x, y);
    }

private:
    const TileSet& m_Tiles;
};
