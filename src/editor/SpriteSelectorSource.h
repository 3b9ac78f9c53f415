#pragma once

#include "SelectorSource.h"
#include "SpriteSet.h"

// The sprite selector's items: every sprite of the palette's set, drawn
// opaque in cells as large as the largest sprite. Cells past the last
// sprite keep only their frame.
class SpriteSelectorSource : public SelectorSource {
public:
    explicit SpriteSelectorSource(const SpriteSet& sprites) : m_Sprites(sprites) {}
    double PitchX() const override { return double(m_Sprites.MaxRenderWidth()) + 4; }
    double PitchY() const override { return double(m_Sprites.MaxRenderHeight()) + 4; }
    int Count() const override { return m_Sprites.Count(); }
    void DrawItem(long long index, Surface& dest, int x, int y) const override {
        if (index >= 0 && index < m_Sprites.Count())
            m_Sprites.Draw(static_cast<qint16>(index), dest, x, y, true);
    }

private:
    const SpriteSet& m_Sprites;
};
