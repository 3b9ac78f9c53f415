#include "Level.h"

#include <QTest>

namespace {

// Gives every cell of both planes a distinct value, so a test can see
// exactly where each old word ended up.
void numberCells(Level& level) {
    for (int y = 0; y < level.Height(); ++y) {
        for (int x = 0; x < level.Width(); ++x) {
            level.SetTile(x, y, qint16(1000 + y * 100 + x));
            level.SetInfo(x, y, qint16(-1 - (y * 100 + x)));
        }
    }
}

} // namespace

class tst_LevelModel : public QObject {
    Q_OBJECT

private slots:
    void freshLevelIsEmpty() {
        Level level;
        QCOMPARE(level.Width(), qint16(0));
        QCOMPARE(level.Height(), qint16(0));
        QCOMPARE(level.Episode(), qint16(0));
        QCOMPARE(level.Number(), qint16(0));
        QVERIFY(level.TilePlane().empty());
        QVERIFY(level.InfoPlane().empty());
        level.SetTile(0, 0, 5);
        level.SetInfo(0, 0, 5);
        QCOMPARE(level.Tile(0, 0), qint16(0));
        QCOMPARE(level.Info(0, 0), qint16(0));
        QVERIFY(level.TilePlane().empty());
    }

    void outOfRangeCellsAreAbsorbed() {
        Level level;
        level.Create(24, 17, 1, 3);
        numberCells(level);
        const Level before = level;
        const QList<QPoint> outside{{-1, 0}, {24, 0}, {0, 17}, {0, -1}, {-30000, 30000}, {24, 16}};
        for (const QPoint& p : outside) {
            QCOMPARE(level.Tile(p.x(), p.y()), qint16(0));
            QCOMPARE(level.Info(p.x(), p.y()), qint16(0));
            level.SetTile(p.x(), p.y(), 77);
            level.SetInfo(p.x(), p.y(), 77);
        }
        QVERIFY(level == before);
        // The last cell of a row is not the first of the next.
        level.SetTile(23, 0, 42);
        QCOMPARE(level.Tile(0, 1), before.Tile(0, 1));
        QCOMPARE(level.TilePlane()[23], qint16(42));
    }

    void planesAreRowByRow() {
        Level level;
        level.Create(30, 20, 1, 1);
        level.SetTile(7, 3, 9);
        level.SetInfo(5, 19, -4);
        QCOMPARE(level.TilePlane()[3 * 30 + 7], qint16(9));
        QCOMPARE(level.InfoPlane()[19 * 30 + 5], qint16(-4));
        QCOMPARE(level.Info(7, 3), qint16(0));
        QCOMPARE(level.Tile(5, 19), qint16(144));
        QCOMPARE(level.Tile(5, 17), qint16(143));
    }

    void createLaysFrame_data() {
        QTest::addColumn<int>("episode");
        QTest::addColumn<int>("border");
        QTest::newRow("episode 1") << 1 << 144;
        QTest::newRow("episode 2") << 2 << 144;
        QTest::newRow("episode 3") << 3 << 245;
    }

    void createLaysFrame() {
        QFETCH(int, episode);
        QFETCH(int, border);
        Level level;
        level.Create(24, 17, qint16(episode), 42);
        QCOMPARE(level.Width(), qint16(24));
        QCOMPARE(level.Height(), qint16(17));
        QCOMPARE(level.Episode(), qint16(episode));
        QCOMPARE(level.Number(), qint16(42));
        QCOMPARE(level.TilePlane().size(), size_t(24 * 17));
        QCOMPARE(level.InfoPlane().size(), size_t(24 * 17));
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 24; ++x) {
                const bool wall = x < 2 || x > 21 || y < 2 || y > 14;
                QCOMPARE(level.Tile(x, y), qint16(wall ? border : 143));
                QCOMPARE(level.Info(x, y), qint16(0));
            }
        }
    }

    void createSmallLevelIsAllWall() {
        Level level;
        level.Create(4, 5, 3, 1);
        for (qint16 tile : level.TilePlane())
            QCOMPARE(tile, qint16(245));
        level.Create(5, 5, 3, 1);
        QCOMPARE(level.Tile(2, 2), qint16(143));
        QCOMPARE(std::count(level.TilePlane().begin(), level.TilePlane().end(), qint16(143)), 1);
    }

    void createReplacesEverything() {
        Level level;
        level.Create(40, 30, 3, 5);
        numberCells(level);
        level.Create(24, 17, 1, 80);
        QCOMPARE(level.TilePlane().size(), size_t(24 * 17));
        QCOMPARE(level.Tile(2, 2), qint16(143));
        QCOMPARE(level.Tile(0, 0), qint16(144));
        QCOMPARE(level.Info(3, 3), qint16(0));
        QCOMPARE(level.Number(), qint16(80));
    }

    void episodeOutsideTablesUsesEpisodeOne_data() {
        QTest::addColumn<int>("episode");
        QTest::newRow("0") << 0;
        QTest::newRow("4") << 4;
        QTest::newRow("9") << 9;
        QTest::newRow("-1") << -1;
        QTest::newRow("-32768") << -32768;
        QTest::newRow("32767") << 32767;
    }

    void episodeOutsideTablesUsesEpisodeOne() {
        QFETCH(int, episode);
        Level level;
        level.Create(24, 17, qint16(episode), 1);
        QCOMPARE(level.Episode(), qint16(episode));
        QCOMPARE(level.Tile(0, 0), qint16(144));
        QCOMPARE(level.Tile(2, 2), qint16(143));
        level.Resize(27, 17);
        QCOMPARE(level.Tile(24, 5), qint16(143));
        QCOMPARE(level.Tile(26, 5), qint16(144));
        QCOMPARE(level.BorderTile(qint16(episode)), qint16(144));
        QCOMPARE(level.FillTile(qint16(episode)), qint16(143));
    }

    void growWidthAddsOwnWall_data() {
        QTest::addColumn<int>("episode");
        QTest::addColumn<int>("border");
        QTest::newRow("episode 1") << 1 << 144;
        QTest::newRow("episode 3") << 3 << 245;
    }

    void growWidthAddsOwnWall() {
        QFETCH(int, episode);
        QFETCH(int, border);
        Level level;
        level.Create(30, 20, qint16(episode), 7);
        numberCells(level);
        const Level old = level;
        level.Resize(33, 20);
        QCOMPARE(level.Width(), qint16(33));
        QCOMPARE(level.Height(), qint16(20));
        QCOMPARE(level.TilePlane().size(), size_t(33 * 20));
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 30; ++x) {
                QCOMPARE(level.Tile(x, y), old.Tile(x, y));
                QCOMPARE(level.Info(x, y), old.Info(x, y));
            }
            const bool wallRow = y < 2 || y > 17;
            QCOMPARE(level.Tile(30, y), qint16(wallRow ? border : 143));
            QCOMPARE(level.Tile(31, y), qint16(border));
            QCOMPARE(level.Tile(32, y), qint16(border));
            for (int x = 30; x < 33; ++x)
                QCOMPARE(level.Info(x, y), qint16(0));
        }
        QCOMPARE(level.Episode(), qint16(episode));
        QCOMPARE(level.Number(), qint16(7));
    }

    void growByOneAddsWallColumnAndRow() {
        Level level;
        level.Create(30, 20, 1, 1);
        numberCells(level);
        level.SetHeight(21);
        level.SetWidth(31);
        for (int y = 0; y < 20; ++y)
            QCOMPARE(level.Tile(30, y), qint16(144));
        for (int x = 0; x < 31; ++x)
            QCOMPARE(level.Tile(x, 20), qint16(144));
        QCOMPARE(level.Tile(29, 19), qint16(1000 + 19 * 100 + 29));
    }

    void growBothWaysFillsCorner() {
        Level level;
        level.Create(24, 17, 2, 1);
        numberCells(level);
        level.Resize(30, 25);
        // New cells inside the new frame, below and to the right of the old
        // level, get the fill tile; old cells stay where they were.
        QCOMPARE(level.Tile(26, 20), qint16(143));
        QCOMPARE(level.Tile(10, 20), qint16(143));
        QCOMPARE(level.Tile(26, 5), qint16(143));
        QCOMPARE(level.Tile(28, 20), qint16(144));
        QCOMPARE(level.Tile(10, 23), qint16(144));
        QCOMPARE(level.Tile(23, 16), qint16(1000 + 16 * 100 + 23));
        QCOMPARE(level.Info(23, 16), qint16(-(16 * 100 + 23) - 1));
        QCOMPARE(level.Info(26, 20), qint16(0));
    }

    void shrinkCutsWithoutWall() {
        Level level;
        level.Create(30, 20, 1, 1);
        numberCells(level);
        const Level old = level;
        level.Resize(28, 18);
        QCOMPARE(level.Width(), qint16(28));
        QCOMPARE(level.Height(), qint16(18));
        QCOMPARE(level.TilePlane().size(), size_t(28 * 18));
        QCOMPARE(level.InfoPlane().size(), size_t(28 * 18));
        for (int y = 0; y < 18; ++y) {
            for (int x = 0; x < 28; ++x) {
                QCOMPARE(level.Tile(x, y), old.Tile(x, y));
                QCOMPARE(level.Info(x, y), old.Info(x, y));
            }
        }
        QCOMPARE(level.Tile(28, 0), qint16(0));
    }

    void resizeToSameSizeChangesNothing() {
        Level level;
        level.Create(30, 20, 3, 4);
        numberCells(level);
        const Level old = level;
        level.SetWidth(30);
        QVERIFY(level == old);
        level.SetHeight(20);
        QVERIFY(level == old);
        level.Resize(30, 20);
        QVERIFY(level == old);
    }

    void shrinkThenGrowLaysFreshCells() {
        Level level;
        level.Create(30, 20, 1, 1);
        numberCells(level);
        level.Resize(10, 20);
        level.Resize(30, 20);
        // The cut-off columns are gone; what comes back is new wall and fill.
        QCOMPARE(level.Tile(15, 10), qint16(143));
        QCOMPARE(level.Info(15, 10), qint16(0));
        QCOMPARE(level.Tile(29, 10), qint16(144));
        QCOMPARE(level.Tile(9, 10), qint16(1000 + 10 * 100 + 9));
    }

    void settersChangeOnlyTheirField() {
        Level level;
        level.Create(24, 17, 1, 1);
        numberCells(level);
        const std::vector<qint16> tiles = level.TilePlane();
        level.SetEpisode(3);
        level.SetNumber(80);
        QCOMPARE(level.Episode(), qint16(3));
        QCOMPARE(level.Number(), qint16(80));
        QVERIFY(level.TilePlane() == tiles);
        // A later resize uses the new episode's wall.
        level.Resize(27, 17);
        QCOMPARE(level.Tile(26, 8), qint16(245));
    }
};

QTEST_GUILESS_MAIN(tst_LevelModel)
#include "tst_LevelModel.moc"
