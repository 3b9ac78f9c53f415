#include "SpriteSet.h"

#include "BitmapSource.h"
#include "FolderBitmapSource.h"
#include "PathText.h"
#include "Rounding.h"
#include "SpriteCatalogue.h"
#include "Surface.h"

#include <QCoreApplication>
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

} // namespace

SpriteSet::SpriteSet()
    : m_Images{emptyPicture()}, m_Masks{emptyPicture()},
      m_Scaled(std::make_shared<ScaledPictureCache>()) {}

ScaledPictureCache::Entry SpriteSet::Scaled(ZoomLevel zoom) const {
    if (zoom == ZoomLevel(0))
        return nullptr;
    // Each copy is exactly what a stretched copy of the sprite to its drawn
    // size at a whole-pixel position gives, so drawing it unscaled puts the
    // same pixels on the surface.
    const auto size = [&](qint16 i) {
        return QSize(int(std::floor(RenderWidth(i, zoom) + 0.5)),
                     int(std::floor(RenderHeight(i, zoom) + 0.5)));
    };
    const auto pixels = [&] {
        double total = 0;
        for (qint16 i = -1; i < m_Count; ++i)
            total += 2.0 * size(i).width() * size(i).height(); // picture and mask
        return qint64(std::min(total, 9e18));
    };
    const auto make = [&] {
        ScaledPictureCache::Pictures made;
        for (qint16 i = -1; i < m_Count; ++i) {
            for (const bool mask : {false, true}) {
                const QImage& source = mask ? *SpriteMasks(i) : *Sprites(i);
                Surface copy(size(i).width(), size(i).height());
                copy.PaintPicture(source, 0, 0, RenderWidth(i, zoom), RenderHeight(i, zoom), 0, 0,
                                  source.width(), source.height());
                made.push_back(copy.image());
            }
        }
        return made;
    };
    return m_Scaled->Get(zoom, pixels, make);
}

bool SpriteSet::Valid(qint16 spriteIndex) const {
    return spriteIndex >= -1 && spriteIndex < m_Count && size_t(spriteIndex + 1) < m_Images.size();
}

double SpriteSet::RenderWidth(qint16 spriteIndex, ZoomLevel zoom) const {
    return zoom.Scale(Width(spriteIndex));
}

double SpriteSet::RenderHeight(qint16 spriteIndex, ZoomLevel zoom) const {
    return zoom.Scale(Height(spriteIndex));
}

qint16 SpriteSet::MaxRenderWidth(ZoomLevel zoom) const {
    double largest = 0;
    for (qint16 i = -1; i < m_Count; ++i) {
        if (RenderWidth(i, zoom) > largest)
            largest = roundHalfEven(RenderWidth(i, zoom));
    }
    return toInt16(largest);
}

qint16 SpriteSet::MaxRenderHeight(ZoomLevel zoom) const {
    double largest = 0;
    for (qint16 i = -1; i < m_Count; ++i) {
        if (RenderHeight(i, zoom) > largest)
            largest = roundHalfEven(RenderHeight(i, zoom));
    }
    return toInt16(largest);
}

void SpriteSet::Draw(qint16 spriteIndex, Surface& dest, int xd, int yd, ZoomLevel zoom,
                     bool opaque) const {
    if (!Valid(spriteIndex))
        return;
    const QImage* image = m_Images[size_t(spriteIndex + 1)].get();
    const QImage* mask = m_Masks[size_t(spriteIndex + 1)].get();
    double rw = RenderWidth(spriteIndex, zoom), rh = RenderHeight(spriteIndex, zoom);
    // Kept alive while drawing, even should another view's zoom drop it.
    const ScaledPictureCache::Entry scaled = Scaled(zoom);
    if (scaled) {
        image = &(*scaled)[2 * size_t(spriteIndex + 1)];
        mask = &(*scaled)[2 * size_t(spriteIndex + 1) + 1];
        rw = image->width();
        rh = image->height();
    }
    const int w = image->width(), h = image->height();
    if (opaque) {
        // Clear a whole cell of the largest sprite's size, one pixel more
        // each way, so that nothing of an earlier, larger sprite remains.
        dest.Line(xd, yd, double(xd) + MaxRenderWidth(zoom), double(yd) + MaxRenderHeight(zoom),
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
            QCoreApplication::translate("SpriteSet", "There are no sprites for episode %1.")
                .arg(episode));
    m_Count = count;
    m_Scaled = std::make_shared<ScaledPictureCache>();
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

qint32 SpriteSet::Width(qint16 spriteIndex) const {
    return Sprites(spriteIndex)->width();
}

qint32 SpriteSet::Height(qint16 spriteIndex) const {
    return Sprites(spriteIndex)->height();
}
