#include "SpriteSet.h"

#include "BitmapSource.h"
#include "FolderBitmapSource.h"
#include "PathText.h"
#include "Rounding.h"
#include "SpriteCatalogue.h"
#include "Surface.h"

#include <algorithm>
#include <cmath>

namespace {

const Picture& emptyPicture() {
    static const Picture empty = makePicture(QImage());
    return empty;
}

qint16 toInt16(double v) {
    return qint16(std::clamp(v, -32768.0, 32767.0));
}

// Scaled copies are kept only while all of one zoom's sprites together stay
// within this many pixels (64 MB with their masks): the game's sprites at
// zoom 3 take about 3.2 million. Each zoom up has four times the pixels, so
// all zooms kept together stay within a third more than this.
constexpr double MaxScaledPixels = double(1 << 23);

} // namespace

struct SpriteSet::ScaledSprites {
    std::vector<QImage> images;
    std::vector<QImage> masks;
};

SpriteSet::SpriteSet()
    : m_Images{emptyPicture()}, m_Masks{emptyPicture()},
      m_Scaled(std::make_shared<std::map<int, ScaledSprites>>()) {}

const SpriteSet::ScaledSprites* SpriteSet::Scaled() const {
    if (m_Zoom == 0)
        return nullptr;
    const auto found = m_Scaled->find(m_Zoom);
    if (found != m_Scaled->end())
        return found->second.images.empty() ? nullptr : &found->second;
    // Each copy is exactly what a stretched copy of the sprite to its drawn
    // size at a whole-pixel position gives, so drawing it unscaled puts the
    // same pixels on the surface.
    double pixels = 0;
    for (qint16 i = -1; i < m_Count; ++i)
        pixels += std::floor(RenderWidth(i) + 0.5) * std::floor(RenderHeight(i) + 0.5);
    ScaledSprites& scaled = (*m_Scaled)[m_Zoom];
    if (pixels > MaxScaledPixels)
        return nullptr; // remembered as empty: too large to keep
    for (qint16 i = -1; i < m_Count; ++i) {
        const double rw = RenderWidth(i), rh = RenderHeight(i);
        const int w = int(std::floor(rw + 0.5)), h = int(std::floor(rh + 0.5));
        for (const bool mask : {false, true}) {
            const QImage& source = mask ? *SpriteMasks(i) : *Sprites(i);
            Surface copy(w, h);
            copy.PaintPicture(source, 0, 0, rw, rh, 0, 0, source.width(), source.height());
            (mask ? scaled.masks : scaled.images).push_back(copy.image());
        }
    }
    return &scaled;
}

bool SpriteSet::Valid(qint16 spriteIndex) const {
    return spriteIndex >= -1 && spriteIndex < m_Count && size_t(spriteIndex + 1) < m_Images.size();
}

double SpriteSet::RenderWidth(qint16 spriteIndex) const {
    return std::ldexp(double(Width(spriteIndex)), m_Zoom);
}

double SpriteSet::RenderHeight(qint16 spriteIndex) const {
    return std::ldexp(double(Height(spriteIndex)), m_Zoom);
}

qint16 SpriteSet::MaxRenderWidth() const {
    double largest = 0;
    for (qint16 i = -1; i < m_Count; ++i) {
        if (RenderWidth(i) > largest)
            largest = roundHalfEven(RenderWidth(i));
    }
    return toInt16(largest);
}

qint16 SpriteSet::MaxRenderHeight() const {
    double largest = 0;
    for (qint16 i = -1; i < m_Count; ++i) {
        if (RenderHeight(i) > largest)
            largest = roundHalfEven(RenderHeight(i));
    }
    return toInt16(largest);
}

void SpriteSet::Draw(qint16 spriteIndex, Surface& dest, int xd, int yd, bool opaque) const {
    if (!Valid(spriteIndex))
        return;
    const QImage* image = m_Images[size_t(spriteIndex + 1)].get();
    const QImage* mask = m_Masks[size_t(spriteIndex + 1)].get();
    double rw = RenderWidth(spriteIndex), rh = RenderHeight(spriteIndex);
    if (const ScaledSprites* scaled = Scaled()) {
        image = &scaled->images[size_t(spriteIndex + 1)];
        mask = &scaled->masks[size_t(spriteIndex + 1)];
        rw = image->width();
        rh = image->height();
    }
    const int w = image->width(), h = image->height();
    if (opaque) {
        // Clear a whole cell of the largest sprite's size, one pixel more
        // each way, so that nothing of an earlier, larger sprite remains.
        dest.Line(xd, yd, double(xd) + MaxRenderWidth(), double(yd) + MaxRenderHeight(),
                  dest.BackColor(), true);
        dest.PaintPicture(*mask, xd, yd, rw, rh, 0, 0, w, h, RasterOp::SrcCopy);
    } else {
        dest.PaintPicture(*mask, xd, yd, rw, rh, 0, 0, w, h, RasterOp::SrcAnd);
    }
    dest.PaintPicture(*image, xd, yd, rw, rh, 0, 0, w, h, RasterOp::SrcPaint);
}

IoResult SpriteSet::LoadFromBitmaps(const QString& baseFileName, Surface& scratch) {
    const QString folder = PathText::Folder(baseFileName);
    const QString name = PathText::BareName(baseFileName);
    const QChar first = name.isEmpty() ? QChar() : name.at(0);
    const qint16 episode =
        first >= QLatin1Char('0') && first <= QLatin1Char('9') ? qint16(first.unicode() - '0') : 0;
    return LoadFromSource(episode, FolderBitmapSource(folder), scratch);
}

IoResult SpriteSet::LoadFromSource(qint16 episode, const BitmapSource& source, Surface& scratch) {
    const qint16 count = SpriteCatalogue::Count(episode);
    if (count <= 0)
        return IoResult::failure(
            QStringLiteral("There are no sprites for episode %1.").arg(episode));
    m_Count = count;
    m_Scaled = std::make_shared<std::map<int, ScaledSprites>>();
    m_Images.assign(size_t(count) + 1, emptyPicture());
    m_Masks.assign(size_t(count) + 1, emptyPicture());
    for (qint16 i = -1; i < count; ++i) {
        const IoResult result =
            LoadSpriteBitmap(source, SpriteCatalogue::FileName(episode, i), m_Images[size_t(i + 1)],
                             m_Masks[size_t(i + 1)], scratch);
        if (!result)
            return result;
    }
    return IoResult::success();
}

IoResult SpriteSet::LoadSpriteBitmap(const BitmapSource& source, const QString& name,
                                     Picture& image, Picture& mask, Surface& scratch) {
    QImage bitmap;
    const IoResult result = source.Load(name, bitmap);
    if (!result)
        return result;
    // Three frames side by side: image, mask, and an unused third one.
    const int fw = bitmap.width() / 3;
    const int fh = bitmap.height();
    scratch.Move(0, 0, fw, fh);
    scratch.Cls();
    scratch.PaintPicture(bitmap, 0, 0, fw, fh, 0, 0, fw, fh, RasterOp::SrcCopy);
    image = makePicture(scratch.Image());
    scratch.Cls();
    scratch.PaintPicture(bitmap, 0, 0, fw, fh, fw, 0, fw, fh, RasterOp::SrcCopy);
    mask = makePicture(scratch.Image());
    return IoResult::success();
}

Picture SpriteSet::Sprites(qint16 spriteIndex) const {
    return Valid(spriteIndex) ? m_Images[size_t(spriteIndex + 1)] : emptyPicture();
}

Picture SpriteSet::SpriteMasks(qint16 spriteIndex) const {
    return Valid(spriteIndex) ? m_Masks[size_t(spriteIndex + 1)] : emptyPicture();
}

void SpriteSet::LoadFromSpriteSet(const SpriteSet& s) {
    m_Count = s.m_Count;
    m_Images = s.m_Images;
    m_Masks = s.m_Masks;
    m_Scaled = s.m_Scaled;
}

SpriteSet SpriteSet::Clone() const {
    SpriteSet clone;
    clone.LoadFromSpriteSet(*this);
    return clone;
}

SpriteSet SpriteSet::Detached() const {
    SpriteSet detached = Clone();
    detached.m_Scaled = std::make_shared<std::map<int, ScaledSprites>>();
    return detached;
}

qint32 SpriteSet::Width(qint16 spriteIndex) const {
    return Sprites(spriteIndex)->width();
}

qint32 SpriteSet::Height(qint16 spriteIndex) const {
    return Sprites(spriteIndex)->height();
}
