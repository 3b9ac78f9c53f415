// Redrawing a level canvas with Level::Display: a 170 x 170 level with a
// sprite in every tenth cell drawn on a 1600 x 1000 surface, at the zooms
// the editor offers. Each figure is the time of one whole redraw as a ratio
// against one plain copy of a 1600 x 1000 image measured in the same run.
// At zoom -4 each cell is one pixel and most of the canvas lies outside the
// level; at zoom 1 only part of the level is visible.

#include "Benchmark.h"
#include "BitmapSource.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"

#include <cstring>

namespace {

constexpr int CanvasWidth = 1600;
constexpr int CanvasHeight = 1000;
constexpr int Episode = 1;

void consume(const void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

// A tile sheet of 13 x 47 tiles in many colours, the size of episode 1's.
QImage benchmarkSheet() {
    QImage sheet(13 * 16, 47 * 16, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x * 3 + y, y * 5 + x, (x ^ y) * 7));
    return sheet;
}

// Sprite bitmaps of three frames, 16 to 40 pixels across, half see-through.
class GeneratedSprites : public BitmapSource {
public:
    IoResult Load(const QString& name, QImage& image) const override {
        const int number = name.mid(4, 4).toInt();
        const int w = 16 + number % 25, h = 16 + (number * 7) % 17;
        QImage bitmap(3 * w, h, QImage::Format_RGB32);
        bitmap.fill(0xFF000000);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool clear =
                    (x - w / 2) * (x - w / 2) + (y - h / 2) * (y - h / 2) > w * h / 5;
                bitmap.setPixel(x, y, clear ? 0xFF000000 : qRgb(number * 2, x * 6, y * 6));
                bitmap.setPixel(w + x, y, clear ? 0xFFFFFFFF : 0xFF000000);
            }
        }
        image = bitmap;
        return IoResult::success();
    }
};

Level benchmarkLevel(qint16 spriteCount) {
    Level level;
    level.Create(170, 170, Episode, 1);
    int placed = 0;
    for (int y = 0; y < 170; ++y) {
        for (int x = 0; x < 170; ++x) {
            level.SetTile(x, y, qint16((x * 7 + y * 13) % 611));
            if ((y * 170 + x) % 10 == 0) {
                const int sprite = placed++ % spriteCount;
                level.SetInfo(x, y, SpriteCatalogue::InfoForSprite(qint16(sprite)));
            }
        }
    }
    return level;
}

void runRedraw(QTextStream& out) {
    TileSet tiles;
    tiles.LoadFromImage(benchmarkSheet());
    SpriteSet sprites;
    Surface scratch;
    const IoResult loaded = sprites.LoadFromSource(Episode, GeneratedSprites(), scratch);
    if (!loaded) {
        out << "cannot make the sprites: " << loaded.error << "\n";
        return;
    }
    const Level level = benchmarkLevel(sprites.Count());

    QImage from(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    from.fill(0xFF336699);
    QImage to(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    const double copy = secondsPerCall([&] {
        std::memcpy(to.bits(), from.constBits(), size_t(from.sizeInBytes()));
        consume(to.constBits());
    });
    out << "170x170 level, a sprite in every tenth cell, on a " << CanvasWidth << "x"
        << CanvasHeight << " surface; one plain copy of that image takes "
        << QString::number(copy * 1e3, 'f', 3) << " ms\n";

    Surface canvas(CanvasWidth, CanvasHeight);
    for (const qint16 zoom : {qint16(1), qint16(0), qint16(-1), qint16(-3), qint16(-4)}) {
        TileSet zoomedTiles = tiles.Clone();
        zoomedTiles.SetZoom(zoom);
        SpriteSet zoomedSprites = sprites.Clone();
        zoomedSprites.SetZoom(zoom);
        const double seconds = secondsPerCall([&] {
            level.Display(canvas, 0, 0, zoomedTiles, zoomedSprites);
            consume(canvas.image().constBits());
        });
        out << "  zoom " << qSetFieldWidth(3) << zoom << qSetFieldWidth(0) << "  "
            << qSetFieldWidth(6) << QString::number(seconds / copy, 'f', 2) << qSetFieldWidth(0)
            << "x copy  (" << QString::number(seconds * 1e3, 'f', 3) << " ms)\n";
    }
}

const Benchmark redraw("redraw", runRedraw,
                       "a full redraw of a level canvas at every zoom, copied to the screen");

} // namespace
