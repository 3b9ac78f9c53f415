#include "GraphicsFixtures.h"
#include "Surface.h"
#include "TestMain.h"
#include "TileSet.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>

using fixtures::tilePixel;

namespace {

constexpr QRgb Paper = 0xFF0A0B0C;

Surface paper(int w, int h) {
    return fixtures::paper(w, h, Paper);
}

// Checks that the `size` x `size` square at (xd, yd) shows tile n stretched
// by whole factors (or shrunk, sampling each block's centre).
void verifyTileAt(const Surface& s, int n, int xd, int yd, int size) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int px = (2 * x + 1) * 16 / (2 * size), py = (2 * y + 1) * 16 / (2 * size);
            if (s.image().pixel(xd + x, yd + y) != tilePixel(n, px, py))
                QFAIL(qPrintable(QStringLiteral("tile %1 pixel %2,%3 at size %4")
                                     .arg(n)
                                     .arg(x)
                                     .arg(y)
                                     .arg(size)));
        }
    }
}

int countColour(const Surface& s, QRgb colour) {
    int n = 0;
    for (int y = 0; y < s.ScaleHeight(); ++y)
        for (int x = 0; x < s.ScaleWidth(); ++x)
            n += s.image().pixel(x, y) == colour;
    return n;
}

TileSet loaded(int w = 208, int h = 64) {
    TileSet set;
    set.LoadFromImage(fixtures::tileSheet(w, h));
    return set;
}

} // namespace

class tst_TileSet : public QObject {
    Q_OBJECT
private slots:
    void sheetGeometryIgnoresSparePixels() {
        const TileSet set = loaded(200, 100);
        QCOMPARE(set.TilesPerRow(), qint16(12));
        QCOMPARE(set.Count(), qint16(72));
        // The last tile is whole; nothing of the spare columns or rows is
        // ever drawn.
        Surface s = paper(16, 16);
        set.Draw(71, s, 0, 0, ZoomLevel());
        verifyTileAt(s, 71, 0, 0, 16);
        QCOMPARE(countColour(s, fixtures::SpareColour), 0);
    }

    void tilesAreNumberedRowByRow() {
        const TileSet set = loaded(208, 48);
        Surface s = paper(32, 16);
        set.Draw(14, s, 0, 0, ZoomLevel());
        set.Draw(13, s, 16, 0, ZoomLevel());
        QCOMPARE(s.image().pixel(0, 0), tilePixel(14, 0, 0));
        QCOMPARE(set.Tiles()->pixel(16, 16), tilePixel(14, 0, 0));
        QCOMPARE(set.Tiles()->pixel(0, 16), tilePixel(13, 0, 0));
        verifyTileAt(s, 14, 0, 0, 16);
        verifyTileAt(s, 13, 16, 0, 16);
    }

    // A zoom is raised until a picture drawn at it covers a pixel each way.
    void zoomIsRaisedToWholePixels_data() {
        QTest::addColumn<int>("asked");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("drawn");
        QTest::newRow("a tile at a sixteenth") << -6 << QSize(16, 16) << -4;
        QTest::newRow("a tile at the lowest") << -4 << QSize(16, 16) << -4;
        QTest::newRow("a tile at the lowest exponent") << -32768 << QSize(16, 16) << -4;
        QTest::newRow("a tile enlarged") << 2 << QSize(16, 16) << 2;
        QTest::newRow("a tile at the highest exponent") << 32767 << QSize(16, 16) << 32767;
        QTest::newRow("one pixel") << -1 << QSize(1, 1) << 0;
        QTest::newRow("the smaller side counts") << -3 << QSize(40, 5) << -2;
        QTest::newRow("nothing to draw") << 0 << QSize(0, 16) << 32767;
    }

    void zoomIsRaisedToWholePixels() {
        QFETCH(int, asked);
        QFETCH(QSize, picture);
        QFETCH(int, drawn);
        QCOMPARE(ZoomLevel(asked).AtLeastOnePixel(picture.width(), picture.height()).Exponent(),
                 drawn);
        // The tile set's 16 x 16 tiles follow the rule.
        if (picture == QSize(16, 16)) {
            const TileSet set;
            QCOMPARE(set.DrawnZoom(ZoomLevel(asked)).Exponent(), drawn);
            QCOMPARE(set.RenderWidth(ZoomLevel(asked)), std::ldexp(16.0, drawn));
            QCOMPARE(set.RenderHeight(ZoomLevel(asked)), std::ldexp(16.0, drawn));
        }
    }

    void pixelsToTiles() {
        const TileSet set;
        const ZoomLevel twice(1);
        QCOMPARE(set.PixelWToTiles(100, twice), 4);
        QCOMPARE(set.PixelWToTiles(96, twice), 3);
        QCOMPARE(set.PixelWToTiles(1, twice), 1);
        QCOMPARE(set.PixelWToTiles(0, twice), 0);
        QCOMPARE(set.PixelWToTiles(-100, twice), -2); // (-100 + 31) / 32, toward zero
        QCOMPARE(set.PixelHToTiles(33, twice), 2);
        QCOMPARE(set.PixelWToTiles(1600, ZoomLevel(-4)), 1600);
        // Tiles larger than any surface.
        QCOMPARE(set.PixelWToTiles(1600, ZoomLevel(32767)), 1);
        QCOMPARE(set.PixelHToTiles(0, ZoomLevel(32767)), 0);
    }

    // Tiles at other zooms come from a scaled copy of the sheet (12 tiles a
    // row here, with spare pixels): each square shows its own tile stretched
    // by whole factors, and nothing else changes.
    void drawsEveryZoomByWholeFactors() {
        const TileSet base = loaded(200, 100);
        for (int exponent = -4; exponent <= 2; ++exponent) {
            const ZoomLevel zoom(exponent);
            const int size = int(base.RenderWidth(zoom));
            Surface s = paper(3 * size + 2, size + 2);
            const qint16 tiles[] = {25, 0, 71};
            for (int k = 0; k < 3; ++k)
                base.Draw(tiles[k], s, 1 + k * size, 1, zoom);
            for (int k = 0; k < 3; ++k)
                verifyTileAt(s, tiles[k], 1 + k * size, 1, size);
            QCOMPARE(countColour(s, Paper), (3 * size + 2) * (size + 2) - 3 * size * size);
        }
    }

    void outOfRangeTilesAreGreySquares() {
        const TileSet set = loaded(208, 32); // 26 tiles
        TileSet empty;
        for (const qint16 index : {qint16(-1), qint16(26), qint16(-32768), qint16(32767)}) {
            for (const TileSet* which : {&set, static_cast<const TileSet*>(&empty)}) {
                Surface s = paper(12, 12);
                which->Draw(index, s, 2, 3, ZoomLevel(-1));
                QCOMPARE(countColour(s, Surface::ButtonShadow), 64);
                QCOMPARE(s.image().pixel(2, 3), QRgb(Surface::ButtonShadow));
                QCOMPARE(s.image().pixel(9, 10), QRgb(Surface::ButtonShadow));
                QCOMPARE(s.ForeColor(), QRgb(Surface::ButtonShadow));
                QCOMPARE(s.DrawStyle(), Surface::DrawStyleInsideSolid);
            }
        }
        // A tile in range leaves the surface's colour and style alone.
        Surface s = paper(16, 16);
        set.Draw(3, s, 0, 0, ZoomLevel());
        QCOMPARE(s.ForeColor(), QRgb(0xFF000000));
        QCOMPARE(s.DrawStyle(), Surface::DrawStyleSolid);
    }

    void drawingPartlyOffTheSurface() {
        const TileSet set = loaded();
        const ZoomLevel twice(1);
        Surface s = paper(40, 40);
        set.Draw(5, s, -20, -30, twice);
        set.Draw(6, s, 30, 35, twice);
        QCOMPARE(s.image().pixel(0, 0), tilePixel(5, 10, 15));
        QCOMPARE(s.image().pixel(11, 1), tilePixel(5, 15, 15));
        QCOMPARE(s.image().pixel(12, 1), Paper);
        QCOMPARE(s.image().pixel(39, 39), tilePixel(6, 4, 2));
        set.Draw(7, s, -40, 0, twice);
        set.Draw(7, s, 40, 0, twice);
        QCOMPARE(s.image().pixel(0, 20), Paper);
    }

    void rowDrawingMatchesTileByTile() {
        const TileSet base = loaded(208, 48); // 39 tiles
        const QVector<qint16> tiles = {0, 38, -1, 39, 12, 13, 255, 7, 7, -5, 1};
        // Zoom 5 is too large for a scaled copy of the sheet and is drawn
        // tile by tile.
        for (const int exponent : {-4, -3, -2, -1, 0, 1, 2, 3, 5}) {
            const ZoomLevel zoom(exponent);
            const int size = int(base.RenderWidth(zoom));
            for (const QPoint at : {QPoint(0, 0), QPoint(-size * 2 - 1, 3), QPoint(5, -size / 2),
                                    QPoint(7 * size, 1), QPoint(3, 8 * size)}) {
                Surface expected = paper(9 * size + 3, 2 * size);
                Surface actual = paper(9 * size + 3, 2 * size);
                for (int k = 0; k < tiles.size(); ++k)
                    base.Draw(tiles[k], expected, at.x() + k * size, at.y(), zoom);
                base.DrawRow(tiles.data(), tiles.size(), actual, at.x(), at.y(), zoom);
                QCOMPARE(actual.image(), expected.image());
                QCOMPARE(actual.ForeColor(), expected.ForeColor());
            }
        }
    }

    // Sheets the size of the game's (13 tiles a row) drawn at large zooms by
    // two views in turn: the copies scaled for one zoom may be dropped to
    // make room for another's, and the largest sheet is drawn straight from
    // the sheet; every tile still shows its own pixels stretched.
    void largeSheetsAtLargeZooms_data() {
        QTest::addColumn<int>("rows");
        QTest::newRow("689 tiles, all zooms kept") << 53;
        QTest::newRow("910 tiles, one zoom at a time") << 70;
        QTest::newRow("1300 tiles, too large at zoom 3") << 100;
    }

    void largeSheetsAtLargeZooms() {
        QFETCH(int, rows);
        const TileSet set = loaded(13 * 16, rows * 16);
        const qint16 last = qint16(13 * rows - 1);
        for (int turn = 0; turn < 4; ++turn) {
            const ZoomLevel view(turn % 2 ? 2 : 3);
            const int size = int(set.RenderWidth(view));
            Surface s = paper(3 * size, size);
            const qint16 row[] = {0, qint16(last / 2), last};
            set.DrawRow(row, 3, s, 0, 0, view);
            for (int k = 0; k < 3; ++k)
                verifyTileAt(s, row[k], k * size, 0, size);
        }
    }

    void outsideBlockIsTheUnionOfSquares() {
        const TileSet set = loaded();
        Surface s = paper(40, 40);
        set.DrawOutside(s, 4, 8, 3, 2, ZoomLevel(-1));
        QCOMPARE(countColour(s, Surface::ButtonShadow), 24 * 16);
        QCOMPARE(s.image().pixel(4, 8), QRgb(Surface::ButtonShadow));
        QCOMPARE(s.image().pixel(27, 23), QRgb(Surface::ButtonShadow));
        QCOMPARE(s.image().pixel(28, 23), Paper);
    }

    void loadsBitmapsOfEveryDepthInAnyLetterCase() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        struct Case {
            QImage::Format format;
            int colours;
            int bits;
        };
        const QVector<Case> cases = {{QImage::Format_Mono, 2, 1},
                                     {QImage::Format_Indexed8, 16, 4},
                                     {QImage::Format_Indexed8, 200, 8},
                                     {QImage::Format_RGB32, 250, 24}};
        for (const Case& c : cases) {
            QImage sheet(48, 32, QImage::Format_RGB32);
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 48; ++x)
                    sheet.setPixel(x, y,
                                   c.colours == 2 ? ((x + y) % 2 ? 0xFFFFFFFF : 0xFF000000)
                                                  : qRgb((x + 48 * y) % c.colours + 3, y, 9));
            QImage stored = sheet;
            if (c.format != QImage::Format_RGB32)
                stored = sheet.convertToFormat(c.format, Qt::ThresholdDither);
            const QString path = dir.filePath(QStringLiteral("1TIL0000.BMP"));
            QFile::remove(path);
            if (c.bits == 4)
                QVERIFY(fixtures::saveBmp4(stored, path));
            else
                QVERIFY(stored.save(path, "BMP"));
            QCOMPARE(fixtures::bmpBitsPerPixel(path), c.bits);

            TileSet set;
            const QString asked = QDir::toNativeSeparators(dir.path()).replace('/', '\\') +
                                  QStringLiteral("\\1til0000.bmp");
            const IoResult result = set.LoadFromBitmap(asked);
            QVERIFY2(result.ok, qPrintable(result.error));
            QCOMPARE(set.TilesPerRow(), qint16(3));
            QCOMPARE(set.Count(), qint16(6));
            QCOMPARE(set.Tiles()->format(), QImage::Format_RGB32);
            QCOMPARE(*set.Tiles(), stored.convertToFormat(QImage::Format_RGB32));
        }
    }

    void failedLoadLeavesTheSetAlone() {
        QTemporaryDir dir;
        TileSet set = loaded();
        const Picture before = set.Tiles();

        const IoResult missing = set.LoadFromBitmap(dir.filePath("1til0000.bmp"));
        QVERIFY(!missing.ok);
        QVERIFY2(missing.error.contains("1til0000.bmp"), qPrintable(missing.error));

        QFile junk(dir.filePath("2til0000.bmp"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("BM this is not a bitmap at all");
        junk.close();
        const IoResult unreadable = set.LoadFromBitmap(dir.filePath("2TIL0000.bmp"));
        QVERIFY(!unreadable.ok);
        QVERIFY2(unreadable.error.contains("2til0000.bmp"), qPrintable(unreadable.error));

        QVERIFY(set.Tiles() == before);
        QCOMPARE(set.Count(), qint16(52));
        QCOMPARE(set.TilesPerRow(), qint16(13));
    }

    void reloadingReplacesTheSheet() {
        TileSet set = loaded(208, 64);
        const ZoomLevel quarter(-2);
        Surface s = paper(4, 4);
        set.Draw(1, s, 0, 0, quarter); // fills the scaled copy for zoom -2
        QImage other = fixtures::tileSheet(32, 16);
        other.invertPixels();
        set.LoadFromImage(other);
        QCOMPARE(set.Count(), qint16(2));
        Surface t = paper(4, 4), expected = paper(4, 4);
        set.Draw(1, t, 0, 0, quarter);
        expected.PaintPicture(other, 0, 0, 4, 4, 16, 0, 16, 16);
        QCOMPARE(t.image(), expected.image());
        set.Draw(2, t, 0, 0, quarter);
        QCOMPARE(countColour(t, Surface::ButtonShadow), 16);
    }
};

GM_TEST_GUILESS_MAIN(tst_TileSet)
#include "tst_TileSet.moc"
