#pragma once

class Surface;

// What a selector panel shows: a number of items drawn in cells of one
// size. The tile selector's source is the palette's tile set, the sprite
// selector's the palette's sprite set.
class SelectorSource {
public:
    virtual ~SelectorSource() = default;
    // A cell: the largest item plus a gap of 4 pixels.
    virtual double PitchX() const = 0;
    virtual double PitchY() const = 0;
    virtual int Count() const = 0;
    // Draws item `index` (which may lie past the last item) with its
    // top-left corner at (x, y).
    virtual void DrawItem(long long index, Surface& dest, int x, int y) const = 0;
};
