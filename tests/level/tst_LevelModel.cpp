#include "Level.h"
#include "TestMain.h"

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

    // Create lays a wall two cells thick (the episode's border tile) round
    // fill tile 143; every resize keeps the old cells that still fit and
    // gives the new ones the frame of the new size. Checked against a plain
    // model of those two rules, step by step, with every old cell numbered.
    void createAndResizeLayTheFrame_data() {
        QTest::addColumn<int>("episode");
        QTest::addColumn<int>("border");
        QTest::addColumn<QSize>("created");
        QTest::addColumn<QList<QSize>>("steps");
        QTest::addColumn<bool>("setters"); // SetWidth and SetHeight instead of Resize
        using Sizes = QList<QSize>;
        QTest::newRow("episode 1") << 1 << 144 << QSize(24, 17) << Sizes{} << false;
        QTest::newRow("episode 2") << 2 << 144 << QSize(24, 17) << Sizes{} << false;
        QTest::newRow("episode 3") << 3 << 245 << QSize(24, 17) << Sizes{} << false;
        QTest::newRow("too small for fill") << 3 << 245 << QSize(4, 5) << Sizes{} << false;
        QTest::newRow("one fill cell") << 3 << 245 << QSize(5, 5) << Sizes{} << false;
        QTest::newRow("wider") << 1 << 144 << QSize(30, 20) << Sizes{{33, 20}} << false;
        QTest::newRow("wider, episode 3") << 3 << 245 << QSize(30, 20) << Sizes{{33, 20}} << false;
        QTest::newRow("one more column and row")
            << 1 << 144 << QSize(30, 20) << Sizes{{31, 21}} << true;
        QTest::newRow("both ways") << 2 << 144 << QSize(24, 17) << Sizes{{30, 25}} << false;
        QTest::newRow("smaller") << 1 << 144 << QSize(30, 20) << Sizes{{28, 18}} << false;
        QTest::newRow("same size") << 3 << 245 << QSize(30, 20) << Sizes{{30, 20}} << false;
        QTest::newRow("same size, setters") << 3 << 245 << QSize(30, 20) << Sizes{{30, 20}} << true;
        QTest::newRow("smaller, then back")
            << 1 << 144 << QSize(30, 20) << Sizes{{10, 20}, {30, 20}} << false;
        QTest::newRow("larger, then a little smaller")
            << 1 << 144 << QSize(30, 20) << Sizes{{40, 22}, {35, 21}} << true;
    }

    void createAndResizeLayTheFrame() {
        QFETCH(int, episode);
        QFETCH(int, border);
        QFETCH(QSize, created);
        QFETCH(QList<QSize>, steps);
        QFETCH(bool, setters);
        QSize size(0, 0);
        std::vector<qint16> tiles, infos;
        const auto modelResize = [&](QSize to) {
            std::vector<qint16> newTiles, newInfos;
            for (int y = 0; y < to.height(); ++y) {
                for (int x = 0; x < to.width(); ++x) {
                    const bool old = x < size.width() && y < size.height();
                    const bool wall = x < 2 || y < 2 || x >= to.width() - 2 || y >= to.height() - 2;
                    const size_t i = size_t(y * size.width() + x);
                    newTiles.push_back(old ? tiles[i] : qint16(wall ? border : 143));
                    newInfos.push_back(old ? infos[i] : qint16(0));
                }
            }
            tiles = newTiles;
            infos = newInfos;
            size = to;
        };
        Level level;
        level.Create(qint16(created.width()), qint16(created.height()), qint16(episode), 42);
        modelResize(created);
        QVERIFY(level.TilePlane() == tiles);
        QVERIFY(level.InfoPlane() == infos);
        numberCells(level);
        tiles = level.TilePlane();
        infos = level.InfoPlane();
        for (const QSize step : steps) {
            if (setters) {
                level.SetWidth(qint16(step.width()));
                level.SetHeight(qint16(step.height()));
            } else {
                level.Resize(qint16(step.width()), qint16(step.height()));
            }
            if (setters) // two steps: the width first
                modelResize(QSize(step.width(), size.height()));
            modelResize(step);
            QCOMPARE(level.Width(), qint16(size.width()));
            QCOMPARE(level.Height(), qint16(size.height()));
            QVERIFY(level.TilePlane() == tiles);
            QVERIFY(level.InfoPlane() == infos);
        }
        QCOMPARE(level.Episode(), qint16(episode));
        QCOMPARE(level.Number(), qint16(42));
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

GM_TEST_GUILESS_MAIN(tst_LevelModel)
#include "tst_LevelModel.moc"
