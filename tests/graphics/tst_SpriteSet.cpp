#include "FolderBitmapSource.h"
#include "GraphicsFixtures.h"
#include "SpriteCatalogue.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using fixtures::spriteClear;
using fixtures::spritePixel;

namespace {

constexpr QRgb Paper = 0xFF204060;

Surface paper(int w, int h, QRgb colour = Paper) {
    return fixtures::paper(w, h, colour);
}

// Episode 1 with every sprite from `source`, sprite i of size spriteSize(i).
SpriteSet loadedEpisode(int episode = 1) {
    SpriteSet set;
    Surface scratch;
    const IoResult result =
        set.LoadFromSource(qint16(episode), fixtures::episodeSprites(episode), scratch);
    if (!result.ok)
        qFatal("%s", qPrintable(result.error));
    return set;
}

// The id that the fixtures give the bitmap of sprite `sprite`: that of the
// first sprite number using the same file.
int bitmapId(int episode, int sprite) {
    for (int first = -1; first <= sprite; ++first)
        if (SpriteCatalogue::FileName(episode, first) == SpriteCatalogue::FileName(episode, sprite))
            return first + 1;
    return -1;
}

// A source where every file of episode 1 is a `w` x `h` sprite of id 1,
// except the ones listed in `sizes`.
fixtures::MemorySource sizedSource(const QMap<QString, QSize>& sizes, QSize usual = {8, 8}) {
    fixtures::MemorySource source;
    for (const QString& name : SpriteCatalogue::DistinctFiles(1)) {
        const QSize size = sizes.value(name, usual);
        source.images[name] = fixtures::spriteBitmap(1, size.width(), size.height());
    }
    return source;
}

} // namespace

class tst_SpriteSet : public QObject {
    Q_OBJECT
private slots:
    void newSetHoldsOneEmptySprite() {
        const SpriteSet set;
        QCOMPARE(set.Count(), qint16(0));
        QVERIFY(set.Sprites(-1));
        QVERIFY(set.Sprites(-1)->isNull());
        QVERIFY(set.SpriteMasks(-1));
        QCOMPARE(set.Width(-1), 0);
        QCOMPARE(set.MaxRenderWidth(ZoomLevel()), qint16(0));
        Surface s = paper(4, 4);
        set.Draw(-1, s, 0, 0, ZoomLevel(), false);
        set.Draw(-1, s, 0, 0, ZoomLevel(), true);
        QCOMPARE(s.image().pixel(0, 0), Paper);
    }

    void loadsTheCatalogueInOrder() {
        for (int episode = 1; episode <= 3; ++episode) {
            const fixtures::MemorySource source = fixtures::episodeSprites(episode);
            SpriteSet set;
            Surface scratch;
            QVERIFY(set.LoadFromSource(qint16(episode), source, scratch).ok);
            QCOMPARE(set.Count(), SpriteCatalogue::Count(episode));
            QStringList expected;
            for (int i = -1; i < set.Count(); ++i)
                expected << SpriteCatalogue::FileName(episode, i);
            QCOMPARE(source.requested, expected);
            for (qint16 i = -1; i < set.Count(); ++i) {
                const QSize size = fixtures::spriteSize(bitmapId(episode, i) - 1);
                QCOMPARE(set.Width(i), size.width());
                QCOMPARE(set.Height(i), size.height());
                QCOMPARE(set.Sprites(i)->size(), set.SpriteMasks(i)->size());
            }
        }
    }

    void cutsImageAndMaskFrames() {
        // 100 pixels across make three 33-pixel frames and one spare column.
        fixtures::MemorySource source = sizedSource({});
        source.images["1spr0000.bmp"] = fixtures::spriteBitmap(5, 33, 24, 1);
        SpriteSet set;
        Surface scratch;
        QVERIFY(set.LoadFromSource(1, source, scratch).ok);
        QCOMPARE(set.Width(0), 33);
        QCOMPARE(set.Height(0), 24);
        const QImage& image = *set.Sprites(0);
        const QImage& mask = *set.SpriteMasks(0);
        QCOMPARE(image.format(), QImage::Format_RGB32);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 33; ++x) {
                const bool clear = spriteClear(5, x, y);
                QCOMPARE(image.pixel(x, y), clear ? QRgb(0xFF000000) : spritePixel(5, x, y));
                QCOMPARE(mask.pixel(x, y), clear ? QRgb(0xFFFFFFFF) : QRgb(0xFF000000));
            }
        }
        // Several sprites cut from one file get pictures of their own.
        QVERIFY(set.Sprites(6).get() != set.Sprites(7).get());
        QCOMPARE(*set.Sprites(6), *set.Sprites(9));
    }

    void drawnSizeFollowsTheZoom() {
        fixtures::MemorySource source = sizedSource({});
        source.images["1spr0000.bmp"] = fixtures::spriteBitmap(5, 33, 24, 1);
        SpriteSet set;
        Surface scratch;
        QVERIFY(set.LoadFromSource(1, source, scratch).ok);
        QCOMPARE(set.RenderWidth(0, ZoomLevel(1)), 66.0);
        QCOMPARE(set.RenderHeight(0, ZoomLevel(1)), 48.0);
        QCOMPARE(set.RenderWidth(0, ZoomLevel(-3)), 4.125);
        QCOMPARE(set.RenderHeight(0, ZoomLevel(-3)), 3.0);
        // No lower limit in the sprite set.
        QCOMPARE(set.RenderWidth(0, ZoomLevel(-20)), std::ldexp(33.0, -20));
    }

    void largestDrawnSizeRoundsHalvesToEven() {
        // Entry -1 (1spr0032.bmp) is the widest.
        SpriteSet wide;
        Surface scratch;
        QVERIFY(wide.LoadFromSource(1, sizedSource({{"1spr0032.bmp", {40, 9}}}), scratch).ok);
        QCOMPARE(wide.MaxRenderWidth(ZoomLevel()), qint16(40));
        QCOMPARE(wide.MaxRenderHeight(ZoomLevel()), qint16(9));

        // At zoom -3, 20 pixels are 2.5 (rounded to 2) and 28 are 3.5 (to 4).
        SpriteSet half;
        QVERIFY(half.LoadFromSource(1, sizedSource({{"1spr0048.bmp", {20, 28}}}), scratch).ok);
        QCOMPARE(half.MaxRenderWidth(ZoomLevel(-3)), qint16(2));
        QCOMPARE(half.MaxRenderHeight(ZoomLevel(-3)), qint16(4));
        SpriteSet odd;
        QVERIFY(odd.LoadFromSource(1, sizedSource({{"1spr0048.bmp", {28, 20}}}), scratch).ok);
        QCOMPARE(odd.MaxRenderWidth(ZoomLevel(-3)), qint16(4));
        QCOMPARE(odd.MaxRenderHeight(ZoomLevel(-3)), qint16(2));
    }

    void seeThroughDrawingKeepsTheBackgroundInClearPixels() {
        SpriteSet set = loadedEpisode();
        const qint16 sprite = 3;
        const int w = set.Width(sprite), h = set.Height(sprite), id = bitmapId(1, sprite);
        Surface s = paper(w + 4, h + 4);
        set.Draw(sprite, s, 2, 1, ZoomLevel(), false);
        for (int y = 0; y < h + 4; ++y) {
            for (int x = 0; x < w + 4; ++x) {
                const int sx = x - 2, sy = y - 1;
                const bool inside = sx >= 0 && sy >= 0 && sx < w && sy < h;
                const QRgb expected =
                    inside && !spriteClear(id, sx, sy) ? spritePixel(id, sx, sy) : Paper;
                QCOMPARE(s.image().pixel(x, y), expected);
            }
        }
    }

    void doubledSpriteCoversTwiceTheArea() {
        const SpriteSet set = loadedEpisode();
        const int id = bitmapId(1, 1);
        Surface s = paper(2 * set.Width(1), 2 * set.Height(1));
        set.Draw(1, s, 0, 0, ZoomLevel(1), false);
        for (int y = 0; y < s.ScaleHeight(); ++y)
            for (int x = 0; x < s.ScaleWidth(); ++x)
                QCOMPARE(s.image().pixel(x, y),
                         spriteClear(id, x / 2, y / 2) ? Paper : spritePixel(id, x / 2, y / 2));
    }

    void everyZoomDrawsAStretchedCopyOfImageAndMask() {
        // Sprites at other zooms come from copies scaled once per zoom (zoom 7
        // is too large for that); the pixels must be those of stretching the
        // pictures themselves.
        const SpriteSet set = loadedEpisode(3);
        for (const int exponent : {-4, -3, -2, -1, 0, 1, 2, 3, 7}) {
            const ZoomLevel zoom(exponent);
            for (const qint16 i : {qint16(-1), qint16(0), qint16(4), qint16(17)}) {
                const double rw = set.RenderWidth(i, zoom), rh = set.RenderHeight(i, zoom);
                const int w = set.Width(i), h = set.Height(i);
                for (const QPoint at : {QPoint(3, 2), QPoint(-5, -7), QPoint(50, 61)}) {
                    for (const bool opaque : {false, true}) {
                        Surface expected = paper(64, 64), actual = paper(64, 64);
                        if (opaque)
                            expected.Line(at.x(), at.y(), at.x() + set.MaxRenderWidth(zoom),
                                          at.y() + set.MaxRenderHeight(zoom), Paper, true);
                        expected.PaintPicture(*set.SpriteMasks(i), at.x(), at.y(), rw, rh, 0, 0, w,
                                              h, opaque ? RasterOp::SrcCopy : RasterOp::SrcAnd);
                        expected.PaintPicture(*set.Sprites(i), at.x(), at.y(), rw, rh, 0, 0, w, h,
                                              RasterOp::SrcPaint);
                        set.Draw(i, actual, at.x(), at.y(), zoom, opaque);
                        QCOMPARE(actual.image(), expected.image());
                    }
                }
            }
        }
    }

    void indicesOutsideTheSetDrawNothing() {
        const SpriteSet set = loadedEpisode();
        Surface s = paper(60, 60);
        for (const qint16 i : {qint16(-2), set.Count(), qint16(300), qint16(-32768)}) {
            set.Draw(i, s, 0, 0, ZoomLevel(), false);
            set.Draw(i, s, 0, 0, ZoomLevel(), true);
        }
        QCOMPARE(s.image(), paper(60, 60).image());
        set.Draw(-1, s, 0, 0, ZoomLevel(), false);
        QVERIFY(s.image() != paper(60, 60).image());
        QCOMPARE(s.image().pixel(1, 0), spritePixel(0, 1, 0)); // entry -1 has id 0
    }

    void opaqueDrawingClearsTheLargestCell() {
        // Largest sprite 32 x 48: a 33 x 49 area is cleared to the grey
        // background colour, and the sprite shows on white in its rectangle.
        SpriteSet set;
        Surface scratch;
        QVERIFY(
            set.LoadFromSource(1, sizedSource({{"1spr0098.bmp", {32, 48}}}, {10, 6}), scratch).ok);
        QCOMPARE(set.MaxRenderWidth(ZoomLevel()), qint16(32));
        QCOMPARE(set.MaxRenderHeight(ZoomLevel()), qint16(48));
        Surface s = paper(50, 60, 0xFF123456);
        s.SetBackColor(0xFF808080);
        set.Draw(2, s, 3, 4, ZoomLevel(), true);
        for (int y = 0; y < 60; ++y) {
            for (int x = 0; x < 50; ++x) {
                const int sx = x - 3, sy = y - 4;
                QRgb expected = 0xFF123456;
                if (sx >= 0 && sy >= 0 && sx <= 32 && sy <= 48)
                    expected = 0xFF808080;
                if (sx >= 0 && sy >= 0 && sx < 10 && sy < 6)
                    expected = spriteClear(1, sx, sy) ? 0xFFFFFFFF : spritePixel(1, sx, sy);
                QCOMPARE(s.image().pixel(x, y), expected);
            }
        }
        QCOMPARE(s.ForeColor(), QRgb(0xFF000000));
    }

    void loadsFromAFolderInAnyLetterCase() {
        QTemporaryDir dir;
        const fixtures::MemorySource source = fixtures::episodeSprites(2);
        for (auto it = source.images.constBegin(); it != source.images.constEnd(); ++it)
            QVERIFY(it.value().save(dir.filePath(it.key().toUpper()), "BMP"));
        // One sprite as a 4-bit and one as a 1-bit bitmap: a red pixel and
        // a white one on black, masks in black and white.
        QImage tiny(6, 2, QImage::Format_RGB32);
        tiny.fill(0xFF000000);
        tiny.setPixel(0, 0, 0xFFFF0000);
        tiny.setPixel(2, 0, 0xFFFFFFFF);
        tiny.setPixel(3, 1, 0xFFFFFFFF);
        QVERIFY(fixtures::saveBmp4(tiny, dir.filePath("2SPR0128.BMP")));
        QCOMPARE(fixtures::bmpBitsPerPixel(dir.filePath("2SPR0128.BMP")), 4);
        tiny.setPixel(0, 0, 0xFFFFFFFF);
        QVERIFY(tiny.convertToFormat(QImage::Format_Mono).save(dir.filePath("2Spr0126.bmp")));
        QCOMPARE(fixtures::bmpBitsPerPixel(dir.filePath("2Spr0126.bmp")), 1);
        QVERIFY(QFile::remove(dir.filePath("2SPR0126.BMP")));

        SpriteSet set;
        Surface scratch;
        const QString base = QString(dir.path()).replace('/', '\\') + "\\2spr0000.bmp";
        const IoResult result = set.LoadFromBitmaps(base, scratch);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(set.Count(), qint16(8));
        for (qint16 i = -1; i < 6; ++i)
            QCOMPARE(*set.Sprites(i),
                     fixtures::episodeSprites(2).images[SpriteCatalogue::FileName(2, i)].copy(
                         0, 0, set.Width(i), set.Height(i)));
        QCOMPARE(set.Width(7), 2);
        QCOMPARE(set.Sprites(7)->pixel(0, 0), QRgb(0xFFFF0000));
        QCOMPARE(set.SpriteMasks(7)->pixel(0, 0), QRgb(0xFFFFFFFF));
        QCOMPARE(set.SpriteMasks(7)->pixel(1, 1), QRgb(0xFFFFFFFF));
        QCOMPARE(set.SpriteMasks(7)->pixel(1, 0), QRgb(0xFF000000));
        QCOMPARE(set.Sprites(6)->pixel(0, 0), QRgb(0xFFFFFFFF));
        QCOMPARE(set.Sprites(6)->pixel(1, 0), QRgb(0xFF000000));
        QCOMPARE(*set.SpriteMasks(6), *set.SpriteMasks(7));
    }

    void missingBitmapStopsTheLoadThere() {
        QTemporaryDir dir;
        QVERIFY(fixtures::writeEpisode(dir.path(), 1, fixtures::tileSheet(16, 16)));
        QVERIFY(QFile::remove(dir.filePath("1spr0075.bmp"))); // sprite 3
        SpriteSet set = loadedEpisode(3);
        Surface scratch;
        const IoResult result = set.LoadFromBitmaps(dir.path() + "/1spr0000.bmp", scratch);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains("1spr0075.bmp"), qPrintable(result.error));
        QCOMPARE(set.Count(), qint16(11));
        for (qint16 i = -1; i < 3; ++i)
            QVERIFY(!set.Sprites(i)->isNull());
        for (qint16 i = 3; i < 11; ++i) {
            QVERIFY(set.Sprites(i));
            QVERIFY(set.Sprites(i)->isNull());
            QCOMPARE(set.Width(i), 0);
        }
        Surface s = paper(40, 40);
        set.Draw(5, s, 0, 0, ZoomLevel(), false);
        set.Draw(5, s, 0, 0, ZoomLevel(), true);
        QCOMPARE(s.image().pixel(0, 0), Paper);
        QCOMPARE(s.image().pixel(39, 39), Paper);
    }

    void unreadableBitmapIsReportedByName() {
        QTemporaryDir dir;
        QVERIFY(fixtures::writeEpisode(dir.path(), 1, fixtures::tileSheet(16, 16)));
        QVERIFY(writeFile(dir.filePath("1spr0114.bmp"), QByteArray(40, 'x')));
        SpriteSet set;
        Surface scratch;
        const IoResult result = set.LoadFromBitmaps(dir.path() + "/1SPR0000.BMP", scratch);
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains("1spr0114.bmp"), qPrintable(result.error));
        QVERIFY(!set.Sprites(9)->isNull());
    }

    void baseNameOfNoEpisodeLeavesTheSetAlone() {
        SpriteSet set = loadedEpisode(2);
        const Picture before = set.Sprites(4);
        Surface scratch;
        for (const QString& base :
             {QStringLiteral("/tmp/4spr0000.bmp"), QStringLiteral("C:\\keen\\xspr0000.bmp"),
              QString(), QStringLiteral("folder/")}) {
            const IoResult result = set.LoadFromBitmaps(base, scratch);
            QVERIFY(!result.ok);
            QCOMPARE(set.Count(), qint16(8));
            QVERIFY(set.Sprites(4) == before);
        }
    }

    void findsFilesInAnyLetterCase() {
        QTemporaryDir dir;
        QFile f(dir.filePath("3TiL0000.bMp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(FolderBitmapSource::FindFile(dir.path(), "3til0000.bmp"),
                 dir.filePath("3TiL0000.bMp"));
        QCOMPARE(FolderBitmapSource::FindFile(dir.path() + "/", "3TIL0000.BMP"),
                 dir.filePath("3TiL0000.bMp"));
        QCOMPARE(
            FolderBitmapSource::FindFile(QString(dir.path()).replace('/', '\\'), "3til0000.BMP"),
            dir.filePath("3TiL0000.bMp"));
        QVERIFY(FolderBitmapSource::FindFile(dir.path(), "3til0001.bmp").isEmpty());
        QVERIFY(FolderBitmapSource::FindFile(dir.path() + "/nowhere", "3til0000.bmp").isEmpty());
        QVERIFY(FolderBitmapSource::FindFile(dir.path(), QString()).isEmpty());
    }
};

GM_TEST_GUILESS_MAIN(tst_SpriteSet)
#include "tst_SpriteSet.moc"
