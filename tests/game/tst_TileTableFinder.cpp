// Finding episode 1's tile table in a program's load module: crafted
// modules with the table in various places, and the game's own program.

#include "DosProgram.h"
#include "GameTestFiles.h"
#include "TestData.h"
#include "TestMain.h"
#include "TileTableFinder.h"

#include <QTest>

namespace {

constexpr int Tiles = 611; // episode 1's

QByteArray table() {
    return sampleTable(Tiles);
}

} // namespace

class tst_TileTableFinder : public QObject {
    Q_OBJECT

private slots:
    void find_data() {
        QTest::addColumn<QList<int>>("places");
        QTest::addColumn<int>("damagedAt"); // a table whose last word is out of range, or -1
        QTest::addColumn<QString>("found"); // the offset, or the reason
        QTest::newRow("at 0x130F8") << QList<int>{0x130F8} << -1 << "0x130F8";
        QTest::newRow("elsewhere, odd") << QList<int>{0x1001} << -1 << "0x1001";
        QTest::newRow("0x130F8 before another") << QList<int>{0x2000, 0x130F8} << -1 << "0x130F8";
        QTest::newRow("damaged at 0x130F8, whole elsewhere")
            << QList<int>{0x3000} << 0x130F8 << "0x3000";
        QTest::newRow("two places")
            << QList<int>{0x1000, 0x5000} << -1
            << "a table of 611 tiles fits at several places (0x1000, 0x5000), and which one";
        QTest::newRow("none")
            << QList<int>{} << 0x130F8
            << "it holds no table of 611 tiles that the game could use: not at 0x130F8, where "
               "version 1.31 keeps it (tile 610 has the left value 4, which the game does not "
               "know), nor anywhere else";
    }

    void find() {
        QFETCH(QList<int>, places);
        QFETCH(int, damagedAt);
        QFETCH(QString, found);
        QByteArray module(0x20000, char(0xEE)); // 0xEEEE fits no plane
        for (int at : places)
            module.replace(at, Tiles * 12, table());
        if (damagedAt >= 0) {
            module.replace(damagedAt, Tiles * 12, table());
            putWord(module, damagedAt + Tiles * 12 - 2, 4);
        }
        TileBehaviour read;
        qsizetype offset = -1;
        const IoResult result = TileTableFinder::Find(module, 1, read, offset);
        if (found.startsWith("0x")) {
            QVERIFY2(result.ok, qPrintable(result.error));
            QCOMPARE(QString("0x%1").arg(offset, 0, 16).toUpper().replace("0X", "0x"), found);
            QCOMPARE(read.ToBytes(), table());
        } else {
            QVERIFY(!result.ok);
            QVERIFY2(result.error.startsWith(found), qPrintable(result.error));
        }
    }

    // The counts public notes give for the shareware episode 1, and tiles
    // whose meaning the levels show (159 is the exit of every level).
    void realProgram() {
        GM_REQUIRE_REAL_DATA();
        QByteArray module;
        QVERIFY(DosProgram::LoadModuleFile(realDataDir() + "/KEEN1.EXE", module).ok);
        QCOMPARE(TileTableFinder::Search(module, Tiles, 3), std::vector<qsizetype>{0x130F8});
        TileBehaviour table;
        qsizetype offset = 0;
        QVERIFY(TileTableFinder::Find(module, 1, table, offset).ok);
        std::map<int, int> animations, behaviours;
        for (int t = 0; t < table.Count(); ++t) {
            ++animations[table.At(t).animation];
            ++behaviours[table.At(t).behaviour];
        }
        QCOMPARE(animations, (std::map<int, int>{{1, 521}, {2, 2}, {4, 88}}));
        QCOMPARE(behaviours[TileBehaviour::Kills], 33);
        QCOMPARE(behaviours[TileBehaviour::Foreground], 32);
        QCOMPARE(behaviours[TileBehaviour::Exit], 1);
        QCOMPARE(table.Describe(159), QString("Tile 159: exit"));
        QCOMPARE(table.Describe(208), QString("Tile 208: kills, solid on top, animated (4 tiles)"));
    }
};

GM_TEST_GUILESS_MAIN(tst_TileTableFinder)
#include "tst_TileTableFinder.moc"
