#pragma once

#include "IoResult.h"
#include "Picture.h"

#include <QString>
#include <map>
#include <memory>
#include <vector>

class BitmapSource;
class Surface;

// The sprites of one episode, each with its mask (white = see-through), at
// indices -1..Count-1, drawn see-through or opaque at a power-of-two zoom.
// Clones share the pictures.
class SpriteSet {
public:
    SpriteSet();

    qint16 Zoom() const { return m_Zoom; }
    void SetZoom(qint16 newZoom) { m_Zoom = newZoom; }
    double RenderWidth(qint16 spriteIndex) const;
    double RenderHeight(qint16 spriteIndex) const;
    qint16 MaxRenderWidth() const;
    qint16 MaxRenderHeight() const;
    qint16 Count() const { return m_Count; }

    // Draws sprite `spriteIndex` for the cell whose top-left corner is at
    // (xd, yd). Indices outside -1..Count-1 draw nothing.
    void Draw(qint16 spriteIndex, Surface& dest, int xd, int yd, bool opaque) const;

    // Loads the episode's sprites from the folder of `baseFileName`, whose
    // file name's first character is the episode ("<folder>/1spr0000.bmp").
    // `scratch` is the surface the frames are cut on. A failure stops at the
    // file that failed and names it.
    IoResult LoadFromBitmaps(const QString& baseFileName, Surface& scratch);
    // Loads episode `episode`'s sprites from any bitmap source.
    IoResult LoadFromSource(qint16 episode, const BitmapSource& source, Surface& scratch);

    Picture Sprites(qint16 spriteIndex) const;
    Picture SpriteMasks(qint16 spriteIndex) const;
    void LoadFromSpriteSet(const SpriteSet& s);
    SpriteSet Clone() const;
    // A set sharing this one's pictures with scaled copies of its own, as
    // TileSet::Detached: once it has drawn at one zoom, drawing at that
    // zoom only reads, from any number of threads at once.
    SpriteSet Detached() const;
    qint32 Width(qint16 spriteIndex) const;
    qint32 Height(qint16 spriteIndex) const;

private:
    struct ScaledSprites;

    bool Valid(qint16 spriteIndex) const;
    // The sprites and masks at the current zoom (the pictures themselves at
    // zoom 0), made once per zoom and shared with the clones; null when they
    // would be too large to keep.
    const ScaledSprites* Scaled() const;
    IoResult LoadSpriteBitmap(const BitmapSource& source, const QString& name, Picture& image,
                              Picture& mask, Surface& scratch);

    // Entry i of both vectors is sprite i - 1.
    std::vector<Picture> m_Images;
    std::vector<Picture> m_Masks;
    // Copies of the pictures scaled to the zooms drawn so far, shared by the
    // clones of one loaded set.
    std::shared_ptr<std::map<int, ScaledSprites>> m_Scaled;
    qint16 m_Count = 0;
    qint16 m_Zoom = 0;
};
