// The checks that know what tiles do in the game, on crafted levels with a
// small table, and on the game's own levels with the game's table.

#include "Level.h"
#include "TestData.h"
#include "TestMain.h"
#include "TileBehaviourLoader.h"
#include "TileRulesChecker.h"

#include <QTest>

namespace {

// 0 nothing, 1 solid, 2 lava, 3 exit, 4 door 1, 5 key 1, 6 door 2, 7
// nothing, 8-11 a loop of four.
TileBehaviour smallTable() {
    using T = TileBehaviour::Tile;
    return TileBehaviour({T{}, T{1, 0, 1, 1, 1, 1}, T{1, 1}, T{1, 17}, T{1, 2, 1, 0, 1, 0},
                          T{1, 18}, T{1, 3, 1, 0, 1, 0}, T{}, T{4}, T{4}, T{4}, T{4}});
}

QStringList briefs(const std::vector<Finding>& findings) {
    using Kind = FindingKind;
    const auto rule = [](Kind kind) {
        switch (kind) {
        case Kind::NoExit:
            return "NoExit";
        case Kind::StartBlocked:
            return "StartBlocked";
        case Kind::DoorWithoutKey:
            return "DoorWithoutKey";
        case Kind::CutAnimation:
            return "CutAnimation";
        default:
            return "other";
        }
    };
    QStringList out;
    for (const auto& f : findings)
        out << QStringLiteral("%1 %2 %3,%4")
                   .arg(SeverityText(f.severity), rule(f.kind))
                   .arg(f.x)
                   .arg(f.y);
    return out;
}

struct Cell {
    int x, y, tile;
};

} // namespace

class tst_TileRulesChecker : public QObject {
    Q_OBJECT

private slots:
    void findings_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QList<int>>("cells"); // x, y, tile, ...
        QTest::addColumn<int>("tileCount");
        QTest::addColumn<QStringList>("expected");
        const QStringList none;
        const QList<int> exit{9, 9, 3};
        QTest::newRow("exit, free start") << 1 << exit << 12 << none;
        QTest::newRow("no exit") << 16 << QList<int>{} << 12 << QStringList{"error NoExit -1,-1"};
        QTest::newRow("map") << 80 << QList<int>{} << 12 << none;
        QTest::newRow("ending") << 81 << QList<int>{} << 12 << none;
        QTest::newRow("title") << 90 << QList<int>{} << 12 << none;
        QTest::newRow("start in a wall")
            << 1 << exit + QList<int>{3, 3, 1} << 12 << QStringList{"warning StartBlocked 3,3"};
        QTest::newRow("lava below the start")
            << 1 << exit + QList<int>{3, 4, 2} << 12 << QStringList{"warning StartBlocked 3,4"};
        QTest::newRow("lava two below") << 1 << exit + QList<int>{3, 5, 2} << 12 << none;
        QTest::newRow("door without its key")
            << 1 << exit + QList<int>{6, 5, 4, 6, 6, 4, 7, 5, 6, 8, 8, 5} << 12
            << QStringList{"warning DoorWithoutKey 7,5"};
        QTest::newRow("loop inside the sheet") << 1 << exit + QList<int>{5, 5, 9} << 12 << none;
        QTest::newRow("loop cut by the sheet")
            << 1 << exit + QList<int>{5, 5, 9, 6, 5, 9, 2, 7, 8} << 10
            << QStringList{"warning CutAnimation 5,5", "warning CutAnimation 2,7"};
    }

    void findings() {
        QFETCH(int, number);
        QFETCH(QList<int>, cells);
        QFETCH(int, tileCount);
        QFETCH(QStringList, expected);
        Level level;
        level.Create(20, 12, 1, qint16(number));
        level.SetInfo(3, 3, 255);
        for (int i = 0; i + 2 < cells.size(); i += 3)
            level.SetTile(cells[i], cells[i + 1], qint16(cells[i + 2]));
        QCOMPARE(briefs(TileRulesChecker::Check(level, smallTable(), tileCount)), expected);
    }

    void messages() {
        Level level;
        level.Create(20, 12, 1, 2);
        level.SetInfo(3, 3, 255);
        level.SetTile(3, 4, 2);
        level.SetTile(6, 5, 6);
        level.SetTile(7, 5, 11);
        QStringList messages;
        for (const auto& f : TileRulesChecker::Check(level, smallTable(), 11))
            messages << f.message;
        QCOMPARE(
            messages,
            QStringList({"the level has no exit, so it cannot be finished (the exit is tile 3)",
                         "the cell below Keen's start (he is two cells tall) holds tile 2 "
                         "(kills): Keen starts stuck or dies",
                         "door 2 (tile 6) has no key 2 in the level: it cannot be opened",
                         "tile 11 animates through tiles 8 to 11, but the episode has only "
                         "11 tiles: it does not animate"}));
    }

    // Every level of the shareware episode 1 is sound by these rules; one
    // whose exit is taken away is not.
    void realLevels() {
        GM_REQUIRE_REAL_DATA();
        TileBehaviour table;
        QString source;
        QVERIFY(TileBehaviourLoader::Load(realDataDir(), 1, table, source).ok);
        const QStringList names = QDir(realDataDir()).entryList({"LEVEL*.CK1"}, QDir::Files);
        QCOMPARE(names.size(), 19);
        for (const QString& name : names) {
            Level level;
            QVERIFY(level.Load(QDir(realDataDir()).filePath(name)).ok);
            QCOMPARE(briefs(TileRulesChecker::Check(level, table, 611)), QStringList());
            if (name != "LEVEL01.CK1")
                continue;
            for (int y = 0; y < level.Height(); ++y)
                for (int x = 0; x < level.Width(); ++x)
                    if (level.Tile(x, y) == 159)
                        level.SetTile(x, y, 143);
            QCOMPARE(briefs(TileRulesChecker::Check(level, table, 611)),
                     QStringList{"error NoExit -1,-1"});
        }
    }
};

GM_TEST_GUILESS_MAIN(tst_TileRulesChecker)
#include "tst_TileRulesChecker.moc"
