// What a cell of the world map leads to under the pointer, on the real map
// of episode 1 (cells from a dump of its info plane), and which file of the
// map's folder a link opens.

#include "Level.h"
#include "MapIndex.h"
#include "MapLink.h"
#include "TestData.h"
#include "TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_MapLink : public QObject {
    Q_OBJECT

private slots:
    void realMap_data() {
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QString>("text");
        QTest::newRow("level 3, top-left of its 2 x 2 door") << QPoint(11, 23) << "Level 3";
        QTest::newRow("level 3, bottom-right") << QPoint(12, 24) << "Level 3";
        QTest::newRow("level 16") << QPoint(32, 62) << "Level 16";
        QTest::newRow("blocker of level 7") << QPoint(28, 10) << "Opens once level 7 is finished";
        QTest::newRow("blocker of level 1, beside its entrance")
            << QPoint(22, 40) << "Opens once level 1 is finished";
        QTest::newRow("Keen's start leads nowhere") << QPoint(12, 37) << "";
        QTest::newRow("beside a door") << QPoint(13, 23) << "";
        QTest::newRow("outside the map") << QPoint(-1, 500) << "";
    }

    void realMap() {
        GM_REQUIRE_REAL_DATA();
        Level map;
        QVERIFY(map.Load(realDataDir() + "/LEVEL80.CK1").ok);
        const MapIndex index = MapIndex::Build(map.Width(), map.Height(), map.InfoPlane());
        QFETCH(QPoint, cell);
        QFETCH(QString, text);
        const MapLink link = MapLink::At(index, cell);
        QCOMPARE(link.Text(), text);
        QCOMPARE(link.IsLink(), !text.isEmpty());
    }

    void levelFile_data() {
        QTest::addColumn<QString>("map");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("expected"); // "" for none
        QTest::newRow("upper case") << "LEVEL80.CK1" << 2 << "LEVEL02.CK1";
        QTest::newRow("lower case beside an upper-case map") << "LEVEL80.CK1" << 3 << "level03.ck1";
        QTest::newRow("missing") << "LEVEL80.CK1" << 5 << "";
        QTest::newRow("not of the map's episode") << "LEVEL80.CK1" << 4 << "";
        QTest::newRow("of the map's episode 2") << "level80.ck2" << 4 << "LEVEL04.CK2";
        QTest::newRow("a map not named as a level") << "world.ck1" << 2 << "";
    }

    void levelFile() {
        QTemporaryDir dir;
        for (const char* name : {"LEVEL80.CK1", "LEVEL02.CK1", "level03.ck1", "LEVEL04.CK2",
                                 "level80.ck2", "world.ck1"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFETCH(QString, map);
        QFETCH(int, level);
        QFETCH(QString, expected);
        QCOMPARE(MapLink::LevelFile(dir.filePath(map), level),
                 expected.isEmpty() ? QString() : dir.filePath(expected));
    }
};

GM_TEST_APPLESS_MAIN(tst_MapLink)
#include "tst_MapLink.moc"
