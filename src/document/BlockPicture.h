#pragma once

#include "CellBlock.h"
#include "ZoomLevel.h"

#include <QImage>
#include <QPoint>
#include <QRect>

class SpriteSet;
class Surface;
class TileSet;
struct PreviewPlace;

// A block of cells drawn over the canvas again and again as it follows the
// pointer: the picture of the whole block is made once per set and zoom and
// then only copied or mixed in, so that a move costs a pass over the pixels
// it covers. Blocks whose picture would be very large are drawn part by
// part instead.
class BlockPicture {
public:
    void SetBlock(const CellBlock& block);
    const CellBlock& Block() const { return m_Block; }
    bool IsEmpty() const { return m_Block.IsEmpty(); }

    // As ToolPreview::DrawBlock.
    void Draw(Surface& dest, const PreviewPlace& place, QPoint at, const QRect& within,
              qint16 levelNumber, bool translucent) const;
    // The same drawn half see-through into `dest` from `under`, the pixels
    // it is drawn over (see ToolPreview::MixFrom): false, with nothing
    // drawn, for a block whose picture is not kept whole or has
    // see-through pixels.
    bool DrawFrom(Surface& dest, const PreviewPlace& place, QPoint at, const QRect& within,
                  qint16 levelNumber, const QImage& under) const;

private:
    // Whether the whole picture is kept, drawn for `place` when it was not.
    bool KeepPicture(const PreviewPlace& place, qint16 levelNumber) const;

    CellBlock m_Block;
    mutable QImage m_Picture;
    // What m_Picture was drawn with.
    mutable const TileSet* m_Tiles = nullptr;
    mutable const SpriteSet* m_Sprites = nullptr;
    mutable ZoomLevel m_Zoom;
    mutable qint16 m_LevelNumber = 0;
};
