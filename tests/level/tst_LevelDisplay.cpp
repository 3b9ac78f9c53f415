#include "Level.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestMain.h"
#include "TileSet.h"
#include "graphics/GraphicsFixtures.h"

#include <QMap>
#include <QRandomGenerator>
#include <QTest>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

constexpr QRgb Paper = 0xFF0C2238;

Surface paper(int w, int h) {
    return fixtures::paper(w, h, Paper);
}

// The drawing done the plain way, one Draw call per cell, as the fast
// drawing must reproduce pixel for pixel.
// The tiles are drawn at `tileZoom`, the sprites at `spriteZoom`.
void displayCellByCell(const Level& level, Surface& dest, int sx, int sy, const TileSet& tiles,
                       const SpriteSet& sprites, ZoomLevel tileZoom, ZoomLevel spriteZoom, int odx,
                       int ody, int w, int h) {
    if (w == -1)
        w = tiles.PixelWToTiles(dest.ScaleWidth(), tileZoom);
    if (h == -1)
        h = tiles.PixelHToTiles(dest.ScaleHeight(), tileZoom);
    const int rw = int(tiles.RenderWidth(tileZoom)), rh = int(tiles.RenderHeight(tileZoom));
    for (int y = sy; y <= sy + h - 1; ++y)
        for (int x = sx; x <= sx + w - 1; ++x)
            tiles.Draw(x >= level.Width() || y >= level.Height() ? -1 : level.Tile(x, y), dest,
                       odx + (x - sx) * rw, ody + (y - sy) * rh, tileZoom);
    for (int y = sy - 3; y <= sy + h - 1; ++y) {
        for (int x = sx - 3; x <= sx + w - 1; ++x) {
            if (x < 0 || y < 0 || x >= level.Width() || y >= level.Height())
                continue;
            const int sprite =
                SpriteCatalogue::SpriteForInfo(level.Info(x, y), level.Number(), sprites.Count());
            if (sprite != SpriteCatalogue::NoSprite)
                sprites.Draw(qint16(sprite), dest, odx + (x - sx) * rw, ody + (y - sy) * rh,
                             spriteZoom, false);
        }
    }
}

SpriteSet episodeSprites(int episode) {
    SpriteSet set;
    Surface scratch;
    if (!set.LoadFromSource(qint16(episode), fixtures::episodeSprites(episode), scratch).ok)
        qFatal("sprites did not load");
    return set;
}

TileSet sheetOf(int tiles) {
    TileSet set;
    set.LoadFromImage(fixtures::tileSheet(13 * 16, (tiles + 12) / 13 * 16));
    return set;
}

// A level whose cell (x, y) has tile (x + 3y) mod 40 and no sprites.
Level patterned(int w, int h, int number = 1) {
    Level level;
    level.Create(qint16(w), qint16(h), 1, qint16(number));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            level.SetTile(x, y, qint16((x + 3 * y) % 40));
    return level;
}

QRgb at(const Surface& s, int x, int y) {
    return s.image().pixel(x, y);
}

} // namespace

class tst_LevelDisplay : public QObject {
    Q_OBJECT
private slots:
    void tilesFillTheWindowCellByCell() {
        const Level level = patterned(6, 5);
        const TileSet tiles = sheetOf(52);
        const SpriteSet sprites = episodeSprites(1);
        Surface s = paper(48, 32);
        level.Display(s, 2, 1, tiles, sprites, ZoomLevel());
        for (int cy = 0; cy < 2; ++cy)
            for (int cx = 0; cx < 3; ++cx)
                for (int py = 0; py < 16; ++py)
                    for (int px = 0; px < 16; ++px)
                        QCOMPARE(at(s, cx * 16 + px, cy * 16 + py),
                                 fixtures::tilePixel((cx + 2 + 3 * (cy + 1)) % 40, px, py));
        QCOMPARE(s.ForeColor(), QRgb(0xFF000000)); // no outside cell was drawn
    }

    void cellsPastTheLevelAreGrey() {
        // A 3 x 2 level on a 100 x 70 canvas: every column from 3 on and
        // every row from 2 on is the outside square.
        const Level level = patterned(3, 2);
        const TileSet tiles = sheetOf(52);
        Surface s = paper(100, 70);
        level.Display(s, 0, 0, tiles, SpriteSet(), ZoomLevel());
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 100; ++x)
                if (x >= 48 || y >= 32)
                    QCOMPARE(at(s, x, y), QRgb(Surface::ButtonShadow));
        QCOMPARE(at(s, 47, 31), fixtures::tilePixel(2 + 3, 15, 15));
        QCOMPARE(s.ForeColor(), QRgb(Surface::ButtonShadow));
        QCOMPARE(s.DrawStyle(), Surface::DrawStyleInsideSolid);

        // A window starting past the level is all outside.
        Surface t = paper(20, 20);
        level.Display(t, 5, 0, tiles, SpriteSet(), ZoomLevel());
        QCOMPARE(at(t, 0, 0), QRgb(Surface::ButtonShadow));
        QCOMPARE(at(t, 19, 19), QRgb(Surface::ButtonShadow));
    }

    void windowSizeComesFromTheSurface() {
        // 32-pixel tiles on a 100-pixel surface: four columns, the last
        // partly visible.
        Level level = patterned(10, 10);
        const TileSet tiles = sheetOf(52);
        Surface s = paper(100, 40);
        level.Display(s, 1, 0, tiles, SpriteSet(), ZoomLevel(1));
        QCOMPARE(at(s, 96, 0), fixtures::tilePixel(4, 0, 0));
        QCOMPARE(at(s, 99, 39), fixtures::tilePixel(4 + 3, 1, 3));

        // An explicit window draws just its cells, at the given origin.
        Surface e = paper(100, 100);
        level.Display(e, 0, 0, tiles, SpriteSet(), ZoomLevel(1), 10, 20, 2, 1);
        QCOMPARE(at(e, 9, 20), Paper);
        QCOMPARE(at(e, 10, 20), fixtures::tilePixel(0, 0, 0));
        QCOMPARE(at(e, 73, 51), fixtures::tilePixel(1, 15, 15));
        QCOMPARE(at(e, 74, 20), Paper);
        QCOMPARE(at(e, 10, 52), Paper);
    }

    void spritesJustLeftAndAboveTheWindowShowTheirPart() {
        // Sprite 10 is 70 x 70 pixels, larger than four cells.
        fixtures::MemorySource source = fixtures::episodeSprites(1);
        source.images["1spr0114.bmp"] = fixtures::spriteBitmap(3, 70, 70);
        SpriteSet sprites;
        Surface scratch;
        QVERIFY(sprites.LoadFromSource(1, source, scratch).ok);
        const TileSet tiles = sheetOf(52);
        Surface plain = paper(64, 64);
        patterned(12, 12).Display(plain, 4, 5, tiles, sprites, ZoomLevel());

        struct Case {
            QPoint cell;
            bool drawn;
        };
        const QVector<Case> cases = {{{3, 5}, true},   // just left: drawn at odx - RenderWidth
                                     {{1, 2}, true},   // three cells left and up
                                     {{0, 5}, false},  // four cells left
                                     {{4, 1}, false},  // four cells up
                                     {{8, 5}, false},  // right of the window
                                     {{4, 9}, false}}; // below the window
        for (const Case& c : cases) {
            Level level = patterned(12, 12);
            level.SetInfo(c.cell.x(), c.cell.y(), 10);
            Surface s = paper(64, 64);
            level.Display(s, 4, 5, tiles, sprites, ZoomLevel());
            Surface expected = plain;
            if (c.drawn)
                sprites.Draw(10, expected, (c.cell.x() - 4) * 16, (c.cell.y() - 5) * 16,
                             ZoomLevel(), false);
            QCOMPARE(s.image(), expected.image());
            QCOMPARE(s.image() != plain.image(), c.drawn);
        }
    }

    void laterSpritesLieOverEarlierOnes() {
        const TileSet tiles = sheetOf(52);
        const SpriteSet sprites = episodeSprites(3);
        Level level = patterned(8, 8);
        level.SetInfo(2, 2, 18);
        level.SetInfo(3, 2, 4);
        level.SetInfo(2, 3, 12);
        Surface s = paper(128, 128), expected = paper(128, 128);
        level.Display(s, 0, 0, tiles, sprites, ZoomLevel());
        patterned(8, 8).Display(expected, 0, 0, tiles, sprites, ZoomLevel());
        sprites.Draw(18, expected, 32, 32, ZoomLevel(), false);
        sprites.Draw(4, expected, 48, 32, ZoomLevel(), false);
        sprites.Draw(12, expected, 32, 48, ZoomLevel(), false);
        QCOMPARE(s.image(), expected.image());
    }

    void matchesCellByCellDrawingEverywhere() {
        // Random levels, windows, origins and zooms against the plain
        // method, including tile numbers outside the sheet.
        QRandomGenerator random(20240611);
        const SpriteSet baseSprites = episodeSprites(3);
        const TileSet baseTiles = sheetOf(60);
        for (int round = 0; round < 400; ++round) {
            const int lw = random.bounded(1, 30), lh = random.bounded(1, 30);
            Level level;
            level.Create(qint16(lw), qint16(lh), 3, random.bounded(4) == 0 ? 80 : 7);
            for (int y = 0; y < lh; ++y) {
                for (int x = 0; x < lw; ++x) {
                    level.SetTile(x, y, qint16(random.bounded(-3, 66)));
                    const int r = random.bounded(20);
                    level.SetInfo(x, y, qint16(r < 3 ? 255 : r < 8 ? r * 3 - 4 : r == 9 ? -7 : 0));
                }
            }
            const int zoom = random.bounded(-5, 3);
            // Tiles are never smaller than a pixel: the sprites follow the
            // zoom the tiles take.
            const ZoomLevel tileZoom(zoom), spriteZoom(std::max(zoom, -4));
            const int sw = random.bounded(1, 260), sh = random.bounded(1, 200);
            const int sx = random.bounded(-2, lw + 3), sy = random.bounded(-2, lh + 3);
            const bool whole = random.bounded(2) == 0;
            const int odx = whole ? 0 : random.bounded(-40, 60);
            const int ody = whole ? 0 : random.bounded(-40, 60);
            const int w = whole ? -1 : random.bounded(-2, 20);
            const int h = whole ? -1 : random.bounded(-2, 20);
            Surface fast = paper(sw, sh), plain = paper(sw, sh);
            level.Display(fast, qint16(sx), qint16(sy), baseTiles, baseSprites, tileZoom, odx, ody,
                          w, h);
            displayCellByCell(level, plain, sx, sy, baseTiles, baseSprites, tileZoom, spriteZoom,
                              odx, ody, w, h);
            if (fast.image() != plain.image())
                QFAIL(qPrintable(QStringLiteral("round %1: level %2x%3 zoom %4 surface %5x%6 "
                                                "window %7,%8 %9x%10 at %11,%12")
                                     .arg(round)
                                     .arg(lw)
                                     .arg(lh)
                                     .arg(zoom)
                                     .arg(sw)
                                     .arg(sh)
                                     .arg(sx)
                                     .arg(sy)
                                     .arg(w)
                                     .arg(h)
                                     .arg(odx)
                                     .arg(ody)));
        }
    }

    // An episode's sets serve views on several threads at once (thumbnails
    // drawn off the interface thread while a window draws): each thread's
    // pictures are exactly those of sets that no other thread uses.
    void twoThreadsDrawWithOneEpisodesSets() {
        Level level = patterned(40, 30, 7);
        for (int y = 0; y < 30; y += 2)
            for (int x = 0; x < 40; x += 3)
                level.SetInfo(x, y, qint16(1 + (x + y) % 25));
        const QList<int> zooms[2] = {{-3, 1, -2}, {-1, 2, 1}};
        const auto picture = [&](const TileSet& tiles, const SpriteSet& sprites, int zoom) {
            Surface s = paper(300, 200);
            level.Display(s, 1, 1, tiles, sprites, ZoomLevel(zoom));
            return s.image();
        };
        QMap<int, QImage> expected;
        for (const QList<int>& list : zooms)
            for (const int zoom : list)
                expected[zoom] = picture(sheetOf(200), episodeSprites(2), zoom);

        // Fresh sets each time: the threads meet most while the scaled
        // pictures are being made.
        for (int attempt = 0; attempt < 20; ++attempt) {
            const TileSet tiles = sheetOf(200);
            const SpriteSet sprites = episodeSprites(2);
            int wrong[2] = {0, 0};
            std::atomic<int> ready{0};
            std::unique_ptr<QThread> threads[2];
            for (int t = 0; t < 2; ++t) {
                threads[t].reset(QThread::create([&, t] {
                    // Both start drawing at the same moment.
                    ++ready;
                    while (ready < 2)
                        QThread::yieldCurrentThread();
                    for (int round = 0; round < 3; ++round)
                        for (const int zoom : zooms[t])
                            wrong[t] += picture(tiles, sprites, zoom) != expected[zoom];
                }));
                threads[t]->start();
            }
            for (auto& thread : threads)
                QVERIFY(thread->wait(60000));
            QCOMPARE(wrong[0], 0);
            QCOMPARE(wrong[1], 0);
        }
    }

    void hugeZoomDoesNotCrash() {
        const Level level = patterned(5, 5);
        const TileSet tiles = sheetOf(52);
        const SpriteSet sprites = episodeSprites(1);
        Surface s = paper(20, 20);
        level.Display(s, 0, 0, tiles, sprites, ZoomLevel(32767));
        level.Display(s, 2, 2, tiles, sprites, ZoomLevel(14));
        QCOMPARE(at(s, 0, 0), fixtures::tilePixel((2 + 6) % 40, 0, 0));
    }
};

GM_TEST_GUILESS_MAIN(tst_LevelDisplay)
#include "tst_LevelDisplay.moc"
