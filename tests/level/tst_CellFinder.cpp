// Where a tile or info value is used: the cells found in a level and in a
// folder of levels, in order, and the hit Find Next goes to.
#include "CellFinder.h"
#include "Level.h"
#include "TestData.h"

#include "TestMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Two small levels holding tile 7 at A (5, 2) and (1, 3), and B (0, 0).
CellFinder twoLevels() {
    Level a, b;
    a.Create(8, 6, 1, 1);
    b.Create(8, 6, 1, 2);
    a.SetTile(5, 2, 7);
    a.SetTile(1, 3, 7);
    b.SetTile(0, 0, 7);
    CellFinder finder(CellFinder::Plane::Tiles, 7);
    finder.SearchLevel(a, "/a/LEVEL01.CK1");
    finder.SearchLevel(b, "/b/LEVEL02.CK1");
    return finder;
}

} // namespace

class tst_CellFinder : public QObject {
    Q_OBJECT

private slots:
    void nextAfter_data();
    void nextAfter();
    void texts();
    void folderInOrderWithUnreadableFiles();
};

void tst_CellFinder::nextAfter_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("next");
    QTest::newRow("before the first") << "/a/LEVEL01.CK1" << QPoint(0, 0) << 0;
    QTest::newRow("on a hit") << "/a/LEVEL01.CK1" << QPoint(5, 2) << 1;
    QTest::newRow("later on the row of a hit") << "/a/LEVEL01.CK1" << QPoint(6, 2) << 1;
    QTest::newRow("past the level's last") << "/a/LEVEL01.CK1" << QPoint(2, 3) << 2;
    QTest::newRow("past the last, round") << "/b/LEVEL02.CK1" << QPoint(0, 0) << 0;
    QTest::newRow("a level not searched") << "/c/LEVEL03.CK1" << QPoint(4, 4) << 0;
}

void tst_CellFinder::nextAfter() {
    QFETCH(QString, file);
    QFETCH(QPoint, cell);
    QFETCH(int, next);
    QCOMPARE(twoLevels().NextAfter(file, cell), next);
}

void tst_CellFinder::texts() {
    const CellFinder finder = twoLevels();
    QCOMPARE(int(finder.Hits().size()), 3);
    QCOMPARE(finder.HitText(0), QStringLiteral("LEVEL01.CK1: 5,2"));
    QCOMPARE(finder.HitText(2), QStringLiteral("LEVEL02.CK1: 0,0"));
    QCOMPARE(finder.Summary(), QStringLiteral("3 cells in 2 levels"));
    CellFinder none(CellFinder::Plane::Info, 300);
    Level level;
    level.Create(4, 4, 1, 1);
    none.SearchLevel(level, QString());
    QCOMPARE(none.Summary(), QStringLiteral("No cell holds info value 300"));
    QCOMPARE(none.NextAfter(QString(), QPoint()), -1);
    CellFinder one(CellFinder::Plane::Info, 0);
    level.Create(1, 1, 1, 1);
    one.SearchLevel(level, QString());
    QCOMPARE(one.Summary(), QStringLiteral("1 cell in 1 level"));
    QCOMPARE(one.HitText(0), QStringLiteral("Untitled: 0,0"));
}

// Keen's start (255) in every level file of a copy of the episode, one of
// them damaged: the others are searched in the order of their numbers, the
// damaged one named.
void tst_CellFinder::folderInOrderWithUnreadableFiles() {
    GM_REQUIRE_REAL_DATA();
    QTemporaryDir dir;
    const QDir source(realDataDir());
    for (const QString& name : source.entryList({"LEVEL*.CK1"}, QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), dir.filePath(name)));
    QFile damaged(dir.filePath("LEVEL05.CK1"));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("abc");
    damaged.close();

    CellFinder finder(CellFinder::Plane::Info, 255);
    QVERIFY(finder.SearchFolder(dir.path(), 1));
    QCOMPARE(finder.Failures().size(), 1);
    QVERIFY2(finder.Failures()[0].startsWith("LEVEL05.CK1: "), qPrintable(finder.Failures()[0]));
    // Level 1 has Keen's start at (3, 15), its one cell of 255.
    QCOMPARE(finder.Levels()[0].number, 1);
    QCOMPARE(finder.Hits()[0].cell, QPoint(3, 15));
    QVERIFY(finder.Hits().size() == 1 || finder.Hits()[1].levelIndex > 0);
    // Every level read, in number order, each hit in row order: as a plain
    // look at every cell of every file finds them.
    int index = 0;
    std::size_t hit = 0;
    for (int number : {1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 80, 81, 90}) {
        Level level;
        const QString path =
            dir.filePath(QStringLiteral("LEVEL%1.CK1").arg(number, 2, 10, QChar('0')));
        QVERIFY(level.Load(path));
        QCOMPARE(finder.Levels()[std::size_t(index)].number, number);
        for (int y = 0; y < level.Height(); ++y)
            for (int x = 0; x < level.Width(); ++x)
                if (level.Info(x, y) == 255) {
                    QVERIFY(hit < finder.Hits().size());
                    QCOMPARE(finder.Hits()[hit].levelIndex, index);
                    QCOMPARE(finder.Hits()[hit].cell, QPoint(x, y));
                    ++hit;
                }
        ++index;
    }
    QCOMPARE(hit, finder.Hits().size());
    QCOMPARE(int(finder.Levels().size()), index);
}

GM_TEST_APPLESS_MAIN(tst_CellFinder)
#include "tst_CellFinder.moc"
