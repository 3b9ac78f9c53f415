// The overview's picture: the zoom it takes for its box, and a burst of
// changes drawn again in one update giving exactly the picture drawn whole.
#include "Level.h"
#include "OverviewPicture.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include "TestMain.h"

#include <QTest>

namespace {

// Eight tiles of 16 x 16, each of its own colour.
TileSet colouredTiles() {
    QImage sheet(16 * 8, 16, QImage::Format_RGB32);
    for (int tile = 0; tile < 8; ++tile)
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                sheet.setPixel(tile * 16 + x, y, qRgb(tile * 30, 255 - tile * 30, (x + y) * 7));
    TileSet tiles;
    tiles.LoadFromImage(sheet);
    return tiles;
}

} // namespace

class tst_OverviewPicture : public QObject {
    Q_OBJECT

private slots:
    void zoomForTheBox_data();
    void zoomForTheBox();
    void changesDrawnTogether();
};

void tst_OverviewPicture::zoomForTheBox_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QSize>("picture");
    // A level of 120 x 21 cells.
    QTest::newRow("wide box: 1x") << QSize(2000, 400) << 0 << QSize(1920, 336);
    QTest::newRow("a dock") << QSize(300, 300) << -3 << QSize(240, 42);
    QTest::newRow("exactly 4 pixels a cell") << QSize(480, 84) << -2 << QSize(480, 84);
    QTest::newRow("too small: one pixel a cell") << QSize(10, 10) << -4 << QSize(120, 21);
}

void tst_OverviewPicture::zoomForTheBox() {
    QFETCH(QSize, box);
    QFETCH(int, zoom);
    QFETCH(QSize, picture);
    const TileSet tiles = colouredTiles();
    const SpriteSet sprites;
    Level level;
    level.Create(120, 21, 1, 1);
    OverviewPicture overview(tiles, sprites);
    overview.Reset(level, box);
    QCOMPARE(overview.Zoom().Exponent(), zoom);
    QCOMPARE(overview.Picture().size(), picture);
    // The cell under a pixel and back.
    const QPoint cell = overview.CellAt(QPoint(picture.width() - 1, picture.height() - 1));
    QCOMPARE(cell, QPoint(119, 20));
    QCOMPARE(overview.PixelsOf(QRect(cell, QSize(1, 1))).bottomRight(),
             QPoint(picture.width() - 1, picture.height() - 1));
}

void tst_OverviewPicture::changesDrawnTogether() {
    const TileSet tiles = colouredTiles();
    const SpriteSet sprites;
    Level level;
    level.Create(120, 21, 1, 1);
    OverviewPicture overview(tiles, sprites);
    overview.Reset(level, QSize(300, 300)); // 2 pixels a cell
    QVERIFY(!overview.HasChanges());
    QCOMPARE(overview.Update(level), QRect());
    level.SetTile(3, 4, 5);
    overview.CellsChanged(QRect(3, 4, 1, 1));
    level.SetTile(10, 7, 6);
    overview.CellsChanged(QRect(10, 7, 1, 1));
    const QImage before = overview.Picture();
    // Nothing shows before the update; one update draws both.
    QCOMPARE(overview.Picture(), before);
    QCOMPARE(overview.Update(level), QRect(6, 8, 16, 8));
    QVERIFY(!overview.HasChanges());
    OverviewPicture fresh(tiles, sprites);
    fresh.Reset(level, QSize(300, 300));
    QCOMPARE(overview.Picture(), fresh.Picture());
    QVERIFY(overview.Picture() != before);
    // Changes past the level's edge are nothing to draw.
    overview.CellsChanged(QRect(130, 30, 2, 2));
    QCOMPARE(overview.Update(level), QRect());
}

GM_TEST_MAIN(tst_OverviewPicture)
#include "tst_OverviewPicture.moc"
