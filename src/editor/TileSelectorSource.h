#pragma once

#include "SelectorSource.h"
#include "TileSet.h"

#include <algorithm>
#include <memory>

// The tile selector's items: every tile of the episode's set, drawn at the
// selector's zoom. Cells past the last tile draw as such.
class TileSelectorSource : public SelectorSource {
public:
    explicit TileSelectorSource(ZoomLevel zoom) : m_Zoom(zoom) {}
    // The set shown (never null: a null set is taken as an empty one).
    void SetTiles(std::shared_ptr<const TileSet> tiles) {
        m_Tiles = tiles ? std::move(tiles) : std::make_shared<const TileSet>();
    }
    double PitchX() const override { return m_Tiles->RenderWidth(m_Zoom) + 4; }
    double PitchY() const override { return m_Tiles->RenderHeight(m_Zoom) + 4; }
    int Count() const override { return m_Tiles->Count(); }
    void DrawItem(long long index, Surface& dest, int x, int y) const override {
        // Numbers beyond the 16-bit range are past every set's last tile.
        m_Tiles->Draw(static_cast<qint16>(std::clamp<long long>(index, -1, 32767)), dest, x, y,
                      m_Zoom);
    }

private:
    std::shared_ptr<const TileSet> m_Tiles = std::make_shared<const TileSet>();
    ZoomLevel m_Zoom;
};
