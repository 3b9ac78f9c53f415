// The tile behaviour overlay by exact pixels: each mark on a cell of one
// plain colour, at the zooms where it shows and where it is left out.

#include "Level.h"
#include "Surface.h"
#include "TestMain.h"
#include "TileBehaviour.h"
#include "TileBehaviourOverlay.h"

#include <QTest>

namespace {

constexpr QRgb Base = 0xFF204060;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Cyan = 0xFF00FFFF;
constexpr QRgb Black = 0xFF000000;

// Behaviour, top, right, bottom, left of tiles 0..9 (all still).
const int Rows[][5] = {
    {0, 0, 0, 0, 0},  // 0 nothing
    {1, 0, 0, 0, 0},  // 1 kills
    {-1, 0, 0, 0, 0}, // 2 in front of Keen
    {0, 1, 0, 0, 0},  // 3 solid on top
    {0, 3, 0, 0, 0},  // 4 icy on top
    {0, 0, 1, 0, 0},  // 5 solid on the right
    {0, 0, 0, 1, 0},  // 6 solid at the bottom
    {0, 0, 0, 0, 1},  // 7 solid on the left
    {17, 0, 0, 0, 0}, // 8 exit
    {19, 0, 0, 0, 0}, // 9 key 2
    {2, 0, 0, 0, 0},  // 10 door 1
};

TileBehaviour table() {
    std::vector<TileBehaviour::Tile> tiles;
    for (const auto& row : Rows)
        tiles.push_back(
            {1, qint16(row[0]), qint16(row[1]), qint16(row[2]), qint16(row[3]), qint16(row[4])});
    return TileBehaviour(std::move(tiles));
}

Level levelOf(int width, int height, int tile) {
    Level level;
    level.Create(qint16(width), qint16(height), 1, 1);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            level.SetTile(x, y, qint16(tile));
    return level;
}

Surface plain(int width, int height) {
    Surface surface(width, height);
    surface.image().fill(Base);
    return surface;
}

} // namespace

class tst_TileBehaviourOverlay : public QObject {
    Q_OBJECT

private slots:
    void marks_data() {
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QRgb>("colour");
        // Half the colour, red raised by 0x80.
        QTest::newRow("kills: tinted") << 1 << 0 << QPoint(8, 8) << QRgb(0xFF902030);
        QTest::newRow("kills at one pixel a cell") << 1 << -4 << QPoint(0, 0) << QRgb(0xFF902030);
        QTest::newRow("nothing: untouched") << 0 << 0 << QPoint(0, 0) << Base;
        // Stripes where x + y is a multiple of 4, the colour inverted.
        QTest::newRow("front: on a stripe") << 2 << 0 << QPoint(3, 1) << QRgb(0xFFDFBF9F);
        QTest::newRow("front: between stripes") << 2 << 0 << QPoint(1, 1) << Base;
        QTest::newRow("front: wider stripes at 32") << 2 << 1 << QPoint(8, 1) << QRgb(0xFFDFBF9F);
        QTest::newRow("front: no stripes at 4") << 2 << -2 << QPoint(0, 0) << Base;
        // Edges an eighth of the cell thick, white with a black inner line.
        QTest::newRow("top edge") << 3 << 0 << QPoint(5, 0) << White;
        QTest::newRow("top edge's inner line") << 3 << 0 << QPoint(5, 1) << Black;
        QTest::newRow("below the top edge") << 3 << 0 << QPoint(5, 2) << Base;
        QTest::newRow("icy top") << 4 << 0 << QPoint(5, 0) << Cyan;
        QTest::newRow("right edge") << 5 << 0 << QPoint(15, 5) << White;
        QTest::newRow("right edge's inner line") << 5 << 0 << QPoint(14, 5) << Black;
        QTest::newRow("left of the right edge") << 5 << 0 << QPoint(13, 5) << Base;
        QTest::newRow("bottom edge at one pixel") << 6 << -4 << QPoint(0, 0) << White;
        QTest::newRow("left edge at 32") << 7 << 1 << QPoint(2, 20) << White;
        QTest::newRow("left edge's inner line at 32") << 7 << 1 << QPoint(3, 20) << Black;
        QTest::newRow("right of the left edge at 32") << 7 << 1 << QPoint(4, 20) << Base;
        // Pictograms of 5 x 5 in an outline, in the bottom-right corner: at
        // 16 each pictogram pixel is one pixel and the picture takes 8..14.
        QTest::newRow("exit arrow's shaft") << 8 << 0 << QPoint(9, 11) << White;
        QTest::newRow("exit arrow's outline") << 8 << 0 << QPoint(8, 11) << Black;
        QTest::newRow("beside the arrow") << 8 << 0 << QPoint(8, 8) << Base;
        QTest::newRow("the tile left free") << 8 << 0 << QPoint(3, 3) << Base;
        QTest::newRow("key 2 in red") << 9 << 0 << QPoint(9, 11) << QRgb(0xFFFF2020);
        QTest::newRow("no pictogram at 8") << 8 << -1 << QPoint(5, 5) << Base;
        // At 64 the pixels are 4 wide, the picture 28 wide from (32, 32).
        QTest::newRow("door 1 in yellow at 64") << 10 << 2 << QPoint(36, 52) << QRgb(0xFFFFFF00);
        QTest::newRow("door's outline at 64") << 10 << 2 << QPoint(32, 52) << Black;
    }

    void marks() {
        QFETCH(int, tile);
        QFETCH(int, zoom);
        QFETCH(QPoint, pixel);
        QFETCH(QRgb, colour);
        Surface surface = plain(128, 128);
        TileBehaviourOverlay(table()).Draw(surface, levelOf(1, 1, tile), 0, 0, QRect(0, 0, 1, 1),
                                           ZoomLevel(zoom));
        QCOMPARE(QString::number(surface.image().pixel(pixel), 16), QString::number(colour, 16));
    }

    // Only the cells asked for are marked, where the window puts them.
    void drawsTheCellsAsked() {
        Surface surface = plain(64, 16);
        const Level level = levelOf(3, 1, 1);
        TileBehaviourOverlay(table()).Draw(surface, level, 1, 0, QRect(2, 0, 5, 1), ZoomLevel(0), 5,
                                           0);
        // Cell 1 at 5..20 is not asked for; cell 2 at 21..36 is; the
        // window holds no cell 3.
        QCOMPARE(surface.image().pixel(20, 0), Base);
        QCOMPARE(surface.image().pixel(21, 0), QRgb(0xFF902030));
        QCOMPARE(surface.image().pixel(36, 15), QRgb(0xFF902030));
        QCOMPARE(surface.image().pixel(37, 0), Base);
        QCOMPARE(surface.image().pixel(0, 0), Base);
    }
};

GM_TEST_MAIN(tst_TileBehaviourOverlay)
#include "tst_TileBehaviourOverlay.moc"
