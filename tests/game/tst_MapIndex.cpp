// Where the world map leads: its doors read from the real map of episode 1
// (cells written out by hand from a dump of its info plane) and from small
// made-up planes, one way of grouping cells each.

#include "Level.h"
#include "MapIndex.h"
#include "TestData.h"
#include "TestMain.h"

#include <QTest>

namespace {

using Cells = QList<QPoint>;

// "3: 11,23 12,23" for each door, in the index's order.
QStringList doorTexts(const std::vector<MapIndex::Door>& doors) {
    QStringList out;
    for (const MapIndex::Door& door : doors) {
        QString text = QString::number(door.level) + ":";
        for (QPoint cell : door.cells)
            text += QStringLiteral(" %1,%2").arg(cell.x()).arg(cell.y());
        out << text;
    }
    return out;
}

} // namespace

class tst_MapIndex : public QObject {
    Q_OBJECT

private slots:
    void realMap_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QStringList>("entrances");
        QTest::addColumn<QStringList>("blockers");
        QTest::newRow("1, a blocker beside")
            << 1 << QStringList{"1: 21,39 21,40"} << QStringList{"1: 22,39 22,40"};
        QTest::newRow("3, a 2 x 2 door")
            << 3 << QStringList{"3: 11,23 12,23 11,24 12,24"} << QStringList{};
        QTest::newRow("5, one cell") << 5 << QStringList{"5: 15,18"} << QStringList{};
        QTest::newRow("7, a blocker above")
            << 7 << QStringList{"7: 27,11 28,11"} << QStringList{"7: 27,10 28,10"};
        QTest::newRow("16") << 16 << QStringList{"16: 31,61 32,61 31,62 32,62"} << QStringList{};
    }

    void realMap() {
        GM_REQUIRE_REAL_DATA();
        Level map;
        QVERIFY(map.Load(realDataDir() + "/LEVEL80.CK1").ok);
        const MapIndex index = MapIndex::Build(map.Width(), map.Height(), map.InfoPlane());
        QFETCH(int, level);
        QTEST(doorTexts(index.EntrancesTo(level)), "entrances");
        QTEST(doorTexts(index.BlockersOpenedBy(level)), "blockers");
        // Every level of the episode has one door; only 1 and 7 have blockers.
        QCOMPARE(index.Entrances().size(), size_t(16));
        QCOMPARE(index.Blockers().size(), size_t(2));
        QCOMPARE(index.Starts(), std::vector<QPoint>{QPoint(12, 37)});
        QCOMPARE(index.EntranceAt(QPoint(12, 24))->level, 3);
        QCOMPARE(index.BlockerAt(QPoint(28, 10))->level, 7);
        QVERIFY(!index.EntranceAt(QPoint(22, 39)));
    }

    void grouping_data() {
        QTest::addColumn<QStringList>("rows"); // info values, hexadecimal words
        QTest::addColumn<QStringList>("entrances");
        QTest::addColumn<QStringList>("blockers");
        QTest::newRow("a diagonal is one door") << QStringList{"2 0 0", "0 2 0", "0 0 2"}
                                                << QStringList{"2: 0,0 1,1 2,2"} << QStringList{};
        QTest::newRow("apart, two doors in row order")
            << QStringList{"0 0 4", "0 0 0", "4 4 0"} << QStringList{"4: 2,0", "4: 0,2 1,2"}
            << QStringList{};
        QTest::newRow("touching values stay apart")
            << QStringList{"1 2 8001", "1 2 8001"} << QStringList{"1: 0,0 0,1", "2: 1,0 1,1"}
            << QStringList{"1: 2,0 2,1"};
        QTest::newRow("doors sorted by level")
            << QStringList{"10 0 1", "8010 0 8001"} << QStringList{"1: 2,0", "16: 0,0"}
            << QStringList{"1: 2,1", "16: 0,1"};
        QTest::newRow("no doors: 0, 17, 0x8000, 0x8011, 255, -1")
            << QStringList{"0 11 8000", "8011 FF FFFF"} << QStringList{} << QStringList{};
    }

    void grouping() {
        QFETCH(QStringList, rows);
        std::vector<qint16> plane;
        int width = 0;
        for (const QString& row : rows) {
            const QStringList words = row.split(' ');
            width = int(words.size());
            for (const QString& word : words)
                plane.push_back(qint16(word.toUShort(nullptr, 16)));
        }
        const MapIndex index = MapIndex::Build(width, int(rows.size()), plane);
        QTEST(doorTexts(index.Entrances()), "entrances");
        QTEST(doorTexts(index.Blockers()), "blockers");
    }

    void shortPlaneReadsAsEmpty() {
        // A plane shorter than its size says: the missing cells hold nothing.
        const MapIndex index = MapIndex::Build(3, 3, {1, 0, 0, 0, 1});
        QCOMPARE(doorTexts(index.Entrances()), QStringList{"1: 0,0 1,1"});
        QVERIFY(MapIndex::Build(-4, 2, {1, 1}).Entrances().empty());
    }
};

GM_TEST_APPLESS_MAIN(tst_MapIndex)
#include "tst_MapIndex.moc"
