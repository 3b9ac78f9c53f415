// Find Tile or Value's list: a folder searched with the open levels as they
// are now, and the hit Find Next and Find Previous go to.
#include "FindResults.h"
#include "Level.h"
#include "LevelDocument.h"
#include "TestMain.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// LEVEL01.CK1 holds tile 7 at (1, 1) and (4, 2), LEVEL02.CK1 at (2, 0),
// LEVEL03.CK2 (another episode) at (0, 0).
bool writeFolder(const QTemporaryDir& dir) {
    Level level;
    level.Create(6, 5, 1, 1);
    level.SetTile(1, 1, 7);
    level.SetTile(4, 2, 7);
    bool ok = level.Save(dir.filePath("LEVEL01.CK1")).ok;
    level.Create(6, 5, 1, 2);
    level.SetTile(2, 0, 7);
    ok = ok && level.Save(dir.filePath("LEVEL02.CK1")).ok;
    level.Create(6, 5, 2, 3);
    level.SetTile(0, 0, 7);
    return ok && level.Save(dir.filePath("LEVEL03.CK2")).ok;
}

QStringList rows(const FindResults& results) {
    QStringList out;
    for (int row = 0; row < results.rowCount(); ++row)
        out << results.index(row).data().toString();
    return out;
}

} // namespace

class tst_FindResults : public QObject {
    Q_OBJECT
private slots:
    void folderTakesOpenLevelsAsTheyAre_data();
    void folderTakesOpenLevelsAsTheyAre();
    void next_data();
    void next();
};

void tst_FindResults::folderTakesOpenLevelsAsTheyAre_data() {
    QTest::addColumn<bool>("secondOpen");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("second level read from its file")
        << false << QStringList{"LEVEL01.CK1: 1,1", "LEVEL01.CK1: 4,2", "LEVEL02.CK1: 2,0"};
    // Open, its 7 moved to (3, 3) and not saved.
    QTest::newRow("second level open with unsaved changes")
        << true << QStringList{"LEVEL01.CK1: 1,1", "LEVEL01.CK1: 4,2", "LEVEL02.CK1: 3,3"};
}

void tst_FindResults::folderTakesOpenLevelsAsTheyAre() {
    QFETCH(bool, secondOpen);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    QVERIFY(writeFolder(dir));
    LevelDocument first, second;
    QVERIFY(first.Load(dir.filePath("LEVEL01.CK1")).ok);
    QVERIFY(second.Load(dir.filePath("LEVEL02.CK1")).ok);
    second.SetCell(CellChange::TilePlane, 2, 0, 1);
    second.SetCell(CellChange::TilePlane, 3, 3, 7);
    QList<const LevelDocument*> open{&first};
    if (secondOpen)
        open << &second;

    FindResults results;
    QVERIFY(results.SearchFolder(CellFinder::Plane::Tiles, 7, first, open).ok);
    QCOMPARE(rows(results), expected);
    QCOMPARE(results.DocumentOf(0), &first);
    QCOMPARE(results.DocumentOf(2), secondOpen ? &second : nullptr);
    QCOMPARE(results.index(2).data(FindResults::CellRole).toPoint(),
             secondOpen ? QPoint(3, 3) : QPoint(2, 0));
    QCOMPARE(QFileInfo(results.FileOf(2)), QFileInfo(dir.filePath("LEVEL02.CK1")));

    // A level never saved has no folder: it is searched alone.
    LevelDocument untitled;
    untitled.NewLevel(4, 4, 1, 1);
    untitled.SetCell(CellChange::TilePlane, 0, 3, 7);
    QVERIFY(results.SearchFolder(CellFinder::Plane::Tiles, 7, untitled, open).ok);
    QCOMPARE(rows(results), QStringList{"Untitled: 0,3"});
    QCOMPARE(results.DocumentOf(0), &untitled);
}

void tst_FindResults::next_data() {
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("activeFile");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("wrapped");
    // Rows: 0 and 1 in LEVEL01.CK1, 2 in LEVEL02.CK1.
    QTest::newRow("first step: the active level's first")
        << -1 << true << "LEVEL02.CK1" << 2 << false;
    QTest::newRow("first step: a level not searched") << -1 << true << "LEVEL09.CK1" << 0 << false;
    QTest::newRow("first step back: the last") << -1 << false << "LEVEL01.CK1" << 2 << false;
    QTest::newRow("on from the last gone to") << 0 << true << "LEVEL02.CK1" << 1 << false;
    QTest::newRow("past the last, round") << 2 << true << "LEVEL01.CK1" << 0 << true;
    QTest::newRow("back") << 2 << false << "LEVEL01.CK1" << 1 << false;
    QTest::newRow("before the first, round") << 0 << false << "LEVEL01.CK1" << 2 << true;
}

void tst_FindResults::next() {
    QFETCH(int, current);
    QFETCH(bool, forward);
    QFETCH(QString, activeFile);
    QFETCH(int, row);
    QFETCH(bool, wrapped);
    QTemporaryDir dir;
    QVERIFY(writeFolder(dir));
    LevelDocument first;
    QVERIFY(first.Load(dir.filePath("LEVEL01.CK1")).ok);
    FindResults results;
    QCOMPARE(results.Next(true, QString()).row, -1);
    QVERIFY(results.SearchFolder(CellFinder::Plane::Tiles, 7, first, {}).ok);
    results.SetCurrent(current);
    const FindResults::Step step = results.Next(forward, dir.filePath(activeFile));
    QCOMPARE(step.row, row);
    QCOMPARE(step.wrapped, wrapped);
}

GM_TEST_MAIN(tst_FindResults)
#include "tst_FindResults.moc"
