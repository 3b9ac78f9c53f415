#pragma once

// Small synthetic graphics for the drawing tests: every pixel of a tile
// sheet or sprite has a colour that says where it came from, so a test can
// check exactly which source pixel landed where.

#include "BitmapSource.h"
#include "SpriteCatalogue.h"
#include "Surface.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QtEndian>

namespace fixtures {

// A surface cleared to `colour`, so that whatever a drawing leaves alone
// is easy to tell from what it paints.
inline Surface paper(int w, int h, QRgb colour) {
    Surface s(w, h);
    s.SetBackColor(colour);
    s.Cls();
    return s;
}

// Colour of pixel (px, py) of tile n: no two pixels of the first 4096 tiles
// share a colour, and none is the button-shadow grey.
inline QRgb tilePixel(int n, int px, int py) {
    return qRgb(n & 0xFF, ((n >> 8) << 4) | (px & 15), 0x80 | (py & 15) << 3 | 1);
}

// Colour of the sheet outside whole tiles.
constexpr QRgb SpareColour = 0xFFFF00FF;

// A sheet of `width` x `height` pixels whose whole 16 x 16 blocks are tiles
// numbered row by row.
inline QImage tileSheet(int width, int height) {
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(SpareColour);
    const int perRow = width / 16;
    for (int y = 0; y < height / 16 * 16; ++y)
        for (int x = 0; x < perRow * 16; ++x)
            sheet.setPixel(x, y, tilePixel((y / 16) * perRow + x / 16, x % 16, y % 16));
    return sheet;
}

// Whether pixel (x, y) of sprite `id` is see-through.
inline bool spriteClear(int id, int x, int y) {
    return (x + 2 * y + id) % 3 == 0;
}

inline QRgb spritePixel(int id, int x, int y) {
    return qRgb(0x40 + (id & 0x3F), (x * 7) & 0xFF, (y * 5) & 0xFF) | 0x00010101;
}

// A sprite bitmap of three `fw` x `fh` frames: the image (black where
// see-through), the mask (white where see-through, black elsewhere) and a
// third frame that must never be used.
inline QImage spriteBitmap(int id, int fw, int fh, int extraColumns = 0) {
    QImage bitmap(3 * fw + extraColumns, fh, QImage::Format_RGB32);
    bitmap.fill(qRgb(0, 0xFF, 0));
    for (int y = 0; y < fh; ++y) {
        for (int x = 0; x < fw; ++x) {
            const bool clear = spriteClear(id, x, y);
            bitmap.setPixel(x, y, clear ? 0xFF000000 : spritePixel(id, x, y));
            bitmap.setPixel(fw + x, y, clear ? 0xFFFFFFFF : 0xFF000000);
        }
    }
    return bitmap;
}

// The size of each synthetic sprite: sprite i of an episode gets frames of
// (8 + 3 * (i + 1)) x (10 + 2 * (i + 1)) pixels, so sizes differ.
inline QSize spriteSize(int sprite) {
    return QSize(8 + 3 * (sprite + 1), 10 + 2 * (sprite + 1));
}

// Bitmaps served from memory, by name in any letter case.
class MemorySource : public BitmapSource {
public:
    QMap<QString, QImage> images;
    mutable QStringList requested;

    IoResult Load(const QString& name, QImage& image) const override {
        requested << name;
        const auto found = images.constFind(name.toLower());
        if (found == images.constEnd())
            return IoResult::failure(QStringLiteral("missing %1").arg(name));
        image = *found;
        return IoResult::success();
    }
};

// One episode's sprites as a memory source: each distinct file gets an id
// from its position in the catalogue (the first sprite number that uses it).
inline MemorySource episodeSprites(int episode) {
    MemorySource source;
    for (int sprite = SpriteCatalogue::Count(episode) - 1; sprite >= -1; --sprite) {
        const QSize size = spriteSize(sprite);
        source.images[SpriteCatalogue::FileName(episode, sprite)] =
            spriteBitmap(sprite + 1, size.width(), size.height());
    }
    return source;
}

// Writes an episode's tile sheet and sprite bitmaps into `folder` as
// Windows bitmaps, the way the exported graphics come.
inline bool writeEpisode(const QString& folder, int episode, const QImage& sheet) {
    QDir().mkpath(folder);
    if (!sheet.save(folder + "/" + SpriteCatalogue::TileSheetName(episode), "BMP"))
        return false;
    const MemorySource source = episodeSprites(episode);
    for (auto it = source.images.constBegin(); it != source.images.constEnd(); ++it) {
        if (!it.value().save(folder + "/" + it.key(), "BMP"))
            return false;
    }
    return true;
}

// Writes `image` as a 4-bit Windows bitmap, which Qt itself never writes.
// The image must use at most 16 colours.
inline bool saveBmp4(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QVector<QRgb> palette;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (!palette.contains(rgb.pixel(x, y)))
                palette << rgb.pixel(x, y);
    if (palette.size() > 16)
        return false;
    const int w = rgb.width(), h = rgb.height();
    const int rowBytes = (w * 4 + 31) / 32 * 4;
    const int offset = 14 + 40 + 16 * 4;
    QByteArray bytes(offset + rowBytes * h, '\0');
    char* d = bytes.data();
    auto put16 = [&](int at, quint16 v) { qToLittleEndian(v, d + at); };
    auto put32 = [&](int at, quint32 v) { qToLittleEndian(v, d + at); };
    d[0] = 'B';
    d[1] = 'M';
    put32(2, quint32(bytes.size()));
    put32(10, offset);
    put32(14, 40);
    put32(18, quint32(w));
    put32(22, quint32(h));
    put16(26, 1);
    put16(28, 4);
    put32(34, quint32(rowBytes * h));
    put32(46, 16);
    for (int i = 0; i < palette.size(); ++i) {
        const QRgb c = palette[i];
        d[54 + 4 * i] = char(qBlue(c));
        d[55 + 4 * i] = char(qGreen(c));
        d[56 + 4 * i] = char(qRed(c));
    }
    for (int y = 0; y < h; ++y) {
        char* row = d + offset + (h - 1 - y) * rowBytes;
        for (int x = 0; x < w; ++x)
            row[x / 2] = char(row[x / 2] | (palette.indexOf(rgb.pixel(x, y)) << (x % 2 ? 0 : 4)));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Bits per pixel recorded in a bitmap file's header.
inline int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30)
        return -1;
    return qFromLittleEndian<quint16>(header.constData() + 28);
}

} // namespace fixtures
