// A full redraw of a level canvas as the editor does it: Level::Display of
// a 170 x 170 level onto a 1600 x 1000 surface, then the copy of that
// surface to the screen (QPainter::drawImage onto an image of the canvas's
// size, as the widget's backing store takes it), at every zoom the editor
// offers. The tile sheets have the size and layout of the exported sheets
// of the three episodes (611, 689 and 624 tiles of 16 x 16, 13 to a row),
// and one cell in 200 holds a sprite, about as many as the game's levels
// have. Each figure is one redraw as a ratio against one plain copy of a
// 1600 x 1000 image measured next to it, each the fastest of many calls. The view shows the middle
// of the level, or all of it where it is smaller than the canvas.

#include "BenchFixtures.h"
#include "Benchmark.h"
#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"

#include <QPainter>
#include <algorithm>

namespace {

using BenchFixtures::CanvasHeight;
using BenchFixtures::CanvasWidth;
constexpr int LevelSize = 170;
constexpr int CellsPerSprite = 200;
constexpr int TileCounts[] = {611, 689, 624};
// Each figure is the fastest of this many single redraws or copies.
constexpr int Calls = 300;

void consume(const void* pointer) {
    asm volatile("" : : "r"(pointer) : "memory");
}

Level benchmarkLevel(int episode, int tileCount, qint16 spriteCount) {
    Level level;
    level.Create(LevelSize, LevelSize, qint16(episode), 1);
    int placed = 0;
    for (int y = 0; y < LevelSize; ++y) {
        for (int x = 0; x < LevelSize; ++x) {
            level.SetTile(x, y, qint16((x * 7 + y * 13) % tileCount));
            if ((y * LevelSize + x) % CellsPerSprite == 0) {
                const int sprite = placed++ % spriteCount;
                level.SetInfo(x, y, SpriteCatalogue::InfoForSprite(qint16(sprite)));
            }
        }
    }
    return level;
}

// The top-left cell of a view of `cells` cells across: the level's middle,
// or its corner when it is smaller than the view.
qint16 firstCell(int cells) {
    return qint16(std::clamp((LevelSize - cells) / 2, 0, LevelSize));
}

// Seconds of one full redraw of one episode's level at `zoom`.
double redrawSeconds(const Level& level, const TileSet& tiles, const SpriteSet& sprites,
                     qint16 zoom, Surface& canvas, QImage& screen) {
    const ZoomLevel drawn = tiles.DrawnZoom(ZoomLevel(zoom));
    const qint16 sx = firstCell(tiles.PixelWToTiles(CanvasWidth, drawn));
    const qint16 sy = firstCell(tiles.PixelHToTiles(CanvasHeight, drawn));
    return fastestCall(
        [&] {
            level.Display(canvas, sx, sy, tiles, sprites, drawn);
            QPainter painter(&screen);
            painter.drawImage(0, 0, canvas.image());
            painter.end();
            consume(screen.constBits());
        },
        Calls);
}

void runRedraw(QTextStream& out) {
    const double copy = BenchFixtures::fastestCanvasCopySeconds(Calls);
    out << LevelSize << "x" << LevelSize << " level, a sprite in every " << CellsPerSprite
        << "th cell, redrawn on a " << CanvasWidth << "x" << CanvasHeight
        << " canvas and copied to the screen; one plain copy of that image takes "
        << QString::number(copy * 1e3, 'f', 3) << " ms\n";
    out << "  zoom   episode 1  episode 2  episode 3   (x copy; aim at zoom 3: within 2)\n";

    struct Episode {
        TileSet tiles;
        SpriteSet sprites;
        Level level;
    };
    std::vector<Episode> episodes(3);
    for (int e = 0; e < 3; ++e) {
        Episode& episode = episodes[size_t(e)];
        episode.tiles.LoadFromImage(BenchFixtures::tileSheet(TileCounts[e]));
        Surface scratch;
        const IoResult loaded =
            episode.sprites.LoadFromSource(e + 1, BenchFixtures::GeneratedSprites(), scratch);
        if (!loaded) {
            out << "cannot make the sprites: " << loaded.error << "\n";
            return;
        }
        episode.level = benchmarkLevel(e + 1, TileCounts[e], episode.sprites.Count());
    }
    Surface canvas(CanvasWidth, CanvasHeight);
    QImage screen(CanvasWidth, CanvasHeight, QImage::Format_RGB32);
    for (qint16 zoom = -4; zoom <= 3; ++zoom) {
        out << "  " << qSetFieldWidth(4) << zoom << qSetFieldWidth(0);
        for (const Episode& episode : episodes) {
            const double seconds =
                redrawSeconds(episode.level, episode.tiles, episode.sprites, zoom, canvas, screen);
            out << qSetFieldWidth(11) << QString::number(seconds / copy, 'f', 2)
                << qSetFieldWidth(0);
        }
        out << "\n";
        out.flush();
    }
}

const Benchmark redraw("redraw", runRedraw,
                       "a full redraw of a level canvas at every zoom, copied to the screen");

} // namespace
