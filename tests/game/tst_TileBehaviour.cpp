// The tile behaviour table on its own: the game's byte form, what the
// editor says of a tile, and the tile shown at each animation frame.

#include "GameTestFiles.h"
#include "TestMain.h"
#include "TileBehaviour.h"

#include <QTest>

namespace {

// Sixteen tiles, one row per tile: animation, behaviour, top, right,
// bottom, left. Loops: 1-4, 5-8, 9-10, and 14-15, which the table's end cuts.
const int Rows[16][6] = {
    {1, 0, 0, 0, 0, 0},  {4, 1, 1, 0, 0, 0},  {4, 1, 1, 0, 0, 0},  {4, 1, 1, 0, 0, 0},
    {4, 1, 1, 0, 0, 0},  {4, -1, 0, 0, 0, 0}, {4, -1, 0, 0, 0, 0}, {4, -1, 0, 0, 0, 0},
    {4, -1, 0, 0, 0, 0}, {2, 17, 0, 0, 0, 0}, {2, 17, 0, 0, 0, 0}, {1, -2, 2, 0, 0, 0},
    {1, 0, 0, 1, 1, 1},  {1, 0, 1, 1, 1, 1},  {4, 29, 3, 1, 1, 1}, {4, 2, 1, 0, 1, 0},
};

QByteArray rowBytes() {
    return tablePlanes(16, [](int plane, int tile) { return Rows[tile][plane]; });
}

} // namespace

class tst_TileBehaviour : public QObject {
    Q_OBJECT

private slots:
    void misfits_data() {
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("reason");
        QTest::newRow("known values") << 0 << 4 << "";
        QTest::newRow("animation 3") << 0 << 3 << "tile 7 has the animation value 3, which";
        QTest::newRow("behaviour 32") << 1 << 32 << "tile 7 has the behaviour value 32";
        QTest::newRow("ice on the left") << 5 << 3 << "";
        QTest::newRow("right 4") << 3 << 4 << "tile 7 has the right value 4";
    }

    void misfits() {
        QFETCH(int, plane);
        QFETCH(int, value);
        QFETCH(QString, reason);
        QByteArray bytes = rowBytes();
        putWord(bytes, (plane * 16 + 7) * 2, value);
        const QString misfit = TileBehaviour::Misfit(bytes, 0, 16);
        QVERIFY2(reason.isEmpty() ? misfit.isEmpty() : misfit.startsWith(reason),
                 qPrintable(misfit));
        QCOMPARE(TileBehaviour::Misfit(bytes.chopped(1), 0, 16),
                 QString("16 tiles take 192 bytes, and only 191 are there"));
    }

    void describe_data() {
        QTest::addColumn<int>("tile");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << 0 << "Tile 0: nothing";
        QTest::newRow("lava") << 2 << "Tile 2: kills, solid on top, animated (4 tiles)";
        QTest::newRow("exit") << 9 << "Tile 9: exit, animated (2 tiles)";
        QTest::newRow("smooth floor") << 11 << "Tile 11: masked, smooth on top";
        QTest::newRow("three sides") << 12 << "Tile 12: solid on right, bottom and left";
        QTest::newRow("solid") << 13 << "Tile 13: solid";
        QTest::newRow("icy block")
            << 14 << "Tile 14: behaviour 29, solid, icy on top, animated (4 tiles)";
        QTest::newRow("door") << 15
                              << "Tile 15: door 1, solid on top and bottom, animated (4 tiles)";
        QTest::newRow("outside") << 16 << "Tile 16: not in the game's table of 16 tiles";
    }

    void describe() {
        QFETCH(int, tile);
        QFETCH(QString, text);
        QCOMPARE(TileBehaviour::FromBytes(rowBytes(), 0, 16).Describe(tile), text);
    }

    void frames_data() {
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("frame");
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<int>("shown");
        QTest::newRow("first of a loop, frame 0") << 1 << 0 << 16 << 1;
        QTest::newRow("next frame") << 1 << 1 << 16 << 2;
        QTest::newRow("last goes round") << 4 << 1 << 16 << 1;
        QTest::newRow("third, frame 6") << 3 << 6 << 16 << 1;
        QTest::newRow("second loop of a run") << 6 << 3 << 16 << 5;
        QTest::newRow("two-tile loop") << 10 << 1 << 16 << 9;
        QTest::newRow("still tile") << 0 << 5 << 16 << 0;
        QTest::newRow("loop cut by the table") << 14 << 1 << 16 << 14;
        QTest::newRow("loop cut by the sheet") << 5 << 1 << 8 << 5;
    }

    void frames() {
        QFETCH(int, tile);
        QFETCH(int, frame);
        QFETCH(int, tileCount);
        QFETCH(int, shown);
        QCOMPARE(TileBehaviour::FromBytes(rowBytes(), 0, 16).FrameTile(tile, frame, tileCount),
                 shown);
    }
};

GM_TEST_GUILESS_MAIN(tst_TileBehaviour)
#include "tst_TileBehaviour.moc"
