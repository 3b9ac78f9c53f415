#pragma once

#include "IoResult.h"
#include "Picture.h"
#include "ScaledPictureCache.h"
#include "ZoomLevel.h"

#include <QString>
#include <memory>
#include <vector>

class BitmapSource;
class Surface;

// The sprites of one episode, each with its mask (white = see-through), at
// indices -1..Count-1, drawn see-through or opaque at any power-of-two zoom.
// One set serves every view of its episode (read-only, from any thread);
// each view brings its own zoom. Copies share the pictures.
class SpriteSet {
public:
    SpriteSet();

    double RenderWidth(qint16 spriteIndex, ZoomLevel zoom) const;
    double RenderHeight(qint16 spriteIndex, ZoomLevel zoom) const;
    // The largest drawn width (height) of a sprite at `zoom`, in whole
    // pixels (halves rounded to even).
    qint16 MaxRenderWidth(ZoomLevel zoom) const;
    qint16 MaxRenderHeight(ZoomLevel zoom) const;
    qint16 Count() const { return m_Count; }

    // Draws sprite `spriteIndex` at `zoom` for the cell whose top-left corner
    // is at (xd, yd). Indices outside -1..Count-1 draw nothing.
    void Draw(qint16 spriteIndex, Surface& dest, int xd, int yd, ZoomLevel zoom, bool opaque) const;

    // Loads the episode's sprites from the folder of `baseFileName`, whose
    // file name's first character is the episode ("<folder>/1spr0000.bmp").
    // `scratch` is the surface the frames are cut on. A failure stops at the
    // file that failed and names it.
    IoResult LoadFromBitmaps(const QString& baseFileName, Surface& scratch);
    // Loads episode `episode`'s sprites from any bitmap source.
    IoResult LoadFromSource(qint16 episode, const BitmapSource& source, Surface& scratch);

    Picture Sprites(qint16 spriteIndex) const;
    Picture SpriteMasks(qint16 spriteIndex) const;
    qint32 Width(qint16 spriteIndex) const;
    qint32 Height(qint16 spriteIndex) const;

private:
    bool Valid(qint16 spriteIndex) const;
    // The sprites and masks at `zoom`, made once per zoom and shared by
    // every view of the set: entry 2 * (i + 1) is sprite i, the next its
    // mask. Null at zoom 0 (the pictures themselves are drawn) and when they
    // are too large to keep.
    ScaledPictureCache::Entry Scaled(ZoomLevel zoom) const;
    IoResult LoadSpriteBitmap(const BitmapSource& source, const QString& name, Picture& image,
                              Picture& mask, Surface& scratch);

    // Entry i of both vectors is sprite i - 1.
    std::vector<Picture> m_Images;
    std::vector<Picture> m_Masks;
    // Copies of the pictures scaled to the zooms drawn so far, shared by the
    // copies of one loaded set.
    std::shared_ptr<ScaledPictureCache> m_Scaled;
    qint16 m_Count = 0;
};
