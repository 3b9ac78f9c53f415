#pragma once

#include "SelectorSource.h"
#include "SpriteSet.h"

#include <memory>

// The sprite selector's items: every sprite of the episode's set, drawn
// opaque at the selector's zoom in cells as large as the largest sprite.
// Cells past the last sprite keep only their frame.
class SpriteSelectorSource : public SelectorSource {
public:
    explicit SpriteSelectorSource(ZoomLevel zoom) : m_Zoom(zoom) {}
    // The set shown (never null: a null set is taken as an empty one).
    void SetSprites(std::shared_ptr<const SpriteSet> sprites) {
        m_Sprites = sprites ? std::move(sprites) : std::make_shared<const SpriteSet>();
    }
    double PitchX() const override { return double(m_Sprites->MaxRenderWidth(m_Zoom)) + 4; }
    double PitchY() const override { return double(m_Sprites->MaxRenderHeight(m_Zoom)) + 4; }
    int Count() const override { return m_Sprites->Count(); }
    void DrawItem(long long index, Surface& dest, int x, int y) const override {
        if (index >= 0 && index < m_Sprites->Count())
            m_Sprites->Draw(static_cast<qint16>(index), dest, x, y, m_Zoom, true);
    }

private:
    std::shared_ptr<const SpriteSet> m_Sprites = std::make_shared<const SpriteSet>();
    ZoomLevel m_Zoom;
};
