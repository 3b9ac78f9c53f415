// Animated tiles: the frame at a time, the cells that change between two
// frames, and a level drawn at a frame.

#include "Level.h"
#include "LevelRenderer.h"
#include "SpriteSet.h"
#include "TestMain.h"
#include "TileAnimation.h"
#include "TileBehaviour.h"
#include "TileSet.h"

#include <QTest>

namespace {

// Tile 0 still, 1-4 a loop of four, 5-6 a loop of two, 7 still.
TileBehaviour table() {
    const int animation[8] = {1, 4, 4, 4, 4, 2, 2, 1};
    std::vector<TileBehaviour::Tile> tiles;
    for (int a : animation)
        tiles.push_back({qint16(a), 0, 0, 0, 0, 0});
    return TileBehaviour(std::move(tiles));
}

// 0 1 2 5 0 7
// 5 6 0 0 3 4
Level level() {
    const int tiles[2][6] = {{0, 1, 2, 5, 0, 7}, {5, 6, 0, 0, 3, 4}};
    Level level;
    level.Create(6, 2, 1, 1);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x)
            level.SetTile(x, y, qint16(tiles[y][x]));
    return level;
}

QString runs(const std::vector<QRect>& rects) {
    QStringList parts;
    for (const QRect& r : rects)
        parts << QStringLiteral("%1,%2,%3").arg(r.x()).arg(r.y()).arg(r.width());
    return parts.join(';');
}

} // namespace

class tst_TileAnimation : public QObject {
    Q_OBJECT

private slots:
    void frameAtTime_data() {
        QTest::addColumn<qint64>("milliseconds");
        QTest::addColumn<int>("frame");
        QTest::newRow("start") << qint64(0) << 0;
        QTest::newRow("just before the first step") << qint64(109) << 0;
        QTest::newRow("first step") << qint64(110) << 1;
        QTest::newRow("round again") << qint64(440) << 0;
        QTest::newRow("an hour on") << qint64(3600000 + 220) << 1;
    }

    void frameAtTime() {
        QFETCH(qint64, milliseconds);
        QFETCH(int, frame);
        QCOMPARE(TileAnimation::FrameAt(milliseconds), frame);
    }

    void changedCells_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<QString>("changed");
        const QRect all(0, 0, 6, 2);
        QTest::newRow("one step moves every loop") << all << 0 << 1 << 8 << "1,0,3;0,1,2;4,1,2";
        QTest::newRow("two steps bring the pairs back") << all << 0 << 2 << 8 << "1,0,2;4,1,2";
        QTest::newRow("four steps show the same") << all << 1 << 5 << 8 << "";
        QTest::newRow("only the window's cells")
            << QRect(2, 0, 3, 2) << 0 << 1 << 8 << "2,0,2;4,1,1";
        QTest::newRow("a window past the level") << QRect(5, 1, 10, 10) << 0 << 1 << 8 << "5,1,1";
        QTest::newRow("loops the sheet cuts stay still") << all << 0 << 1 << 4 << "";
    }

    void changedCells() {
        QFETCH(QRect, window);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, tileCount);
        QFETCH(QString, changed);
        const TileAnimation animation(table(), tileCount);
        QCOMPARE(runs(animation.ChangedCells(level(), window, from, to)), changed);
    }

    // Each cell drawn with the tile its loop shows at the frame.
    void drawsAFrame_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<QString>("shown");
        QTest::newRow("frame 0 as stored") << 0 << "0 1 2 5 0 7 5 6 0 0 3 4";
        QTest::newRow("frame 3") << 3 << "0 4 1 6 0 7 6 5 0 0 2 3";
    }

    void drawsAFrame() {
        QFETCH(int, frame);
        QFETCH(QString, shown);
        // Tile t of the sheet is all grey t * 0x10.
        QImage sheet(16 * 8, 16, QImage::Format_RGB32);
        for (int t = 0; t < 8; ++t)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    sheet.setPixel(t * 16 + x, y, qRgb(t * 16, t * 16, t * 16));
        TileSet tiles;
        tiles.LoadFromImage(sheet);
        const TileAnimation animation(table(), tiles.Count());
        const QImage picture =
            LevelRenderer(tiles, SpriteSet(), 0).Render(level(), &animation, frame);
        QStringList seen;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x)
                seen << QString::number(qRed(picture.pixel(x * 16 + 8, y * 16 + 8)) / 16);
        QCOMPARE(seen.join(' '), shown);
    }
};

GM_TEST_MAIN(tst_TileAnimation)
#include "tst_TileAnimation.moc"
