// Edit, Replace Tile's fields as the dialog's user fills them in, on copies
// of two real levels of episode 1: what is wrong with them, how many cells
// will change and where, and the planes after the replacement, built with
// plain loops of the test's own.
#include "LevelDocument.h"
#include "LevelPlanes.h"
#include "ReplacementChoice.h"
#include "TestData.h"

#include "TestMain.h"
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Scope = ReplacementChoice::Scope;

// The episode's tiles as the dialog is given them.
constexpr int TileCount = 611;

struct Documents {
    QTemporaryDir dir;
    LevelDocument one;
    LevelDocument two;

    Documents() {
        load(one, "LEVEL01.CK1");
        load(two, "LEVEL02.CK1");
    }
    void load(LevelDocument& document, const QString& name) {
        const QString path = dir.filePath(name);
        QFile::copy(realDataDir() + '/' + name, path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const IoResult loaded = document.Load(path);
        if (!loaded)
            qFatal("%s", qPrintable(loaded.error));
    }
};

// `planes` with `to` in each cell of `which` holding `from` inside `area`;
// the number of cells changed.
int replaced(LevelPlanes& planes, int which, qint16 from, qint16 to, const QRect& area) {
    int count = 0;
    for (int y = 0; y < planes.h; ++y)
        for (int x = 0; x < planes.w; ++x) {
            qint16& cell = planes.plane(which)[std::size_t(y * planes.w + x)];
            if (area.contains(x, y) && cell == from && from != to) {
                cell = to;
                ++count;
            }
        }
    return count;
}

} // namespace

class tst_ReplacementChoice : public QObject {
    Q_OBJECT

private slots:
    void countThenReplace_data();
    void countThenReplace();
};

void tst_ReplacementChoice::countThenReplace_data() {
    QTest::addColumn<int>("plane");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QRect>("selection"); // in level one; empty for none
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("scopeTaken");
    QTest::addColumn<QString>("problem"); // empty when the fields can be done
    QTest::addColumn<bool>("changes");    // some cell changes
    const int tile = CellChange::TilePlane, info = CellChange::InfoPlane;
    const int selection = int(Scope::Selection), level = int(Scope::Level),
              open = int(Scope::OpenLevels);
    const QRect none;
    QTest::newRow("tile, level") << tile << "143"
                                 << "9" << none << level << level << "" << true;
    QTest::newRow("tile, selection")
        << tile << "143"
        << "9" << QRect(0, 0, 30, 21) << selection << selection << "" << true;
    QTest::newRow("tile, open levels") << tile << "143"
                                       << "610" << none << open << open << "" << true;
    QTest::newRow("no selection: the level") << tile << "143"
                                             << "9" << none << selection << level << "" << true;
    QTest::newRow("Keen's start removed") << info << "255"
                                          << "0" << none << level << level << "" << true;
    QTest::newRow("info, raw word") << info << "255"
                                    << "0x8003" << none << open << open << "" << true;
    QTest::newRow("itself") << tile << "143"
                            << "143" << none << level << level << "" << false;
    QTest::newRow("from not a number")
        << tile << "abc"
        << "9" << none << level << level << "Type the tile to replace." << false;
    QTest::newRow("to empty") << info << "255"
                              << "" << none << level << level
                              << "Type the info value to put in its place (0 for none)." << false;
    QTest::newRow("tile beyond the episode's")
        << tile << "143"
        << "611" << none << level << level
        << "Tile 611 is not one of the episode's tiles (0 to 610)." << false;
}

void tst_ReplacementChoice::countThenReplace() {
    QFETCH(int, plane);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QRect, selection);
    QFETCH(int, scope);
    QFETCH(int, scopeTaken);
    QFETCH(QString, problem);
    QFETCH(bool, changes);
    Documents d;
    const QSize size(d.one.level().Width(), d.one.level().Height());
    ReplacementChoice choice(d.one, CellMask::OfRect(size, selection), {&d.two}, TileCount);
    choice.Choose(CellChange::Plane(plane), from, to, Scope(scope));
    QCOMPARE(int(choice.CurrentScope()), scopeTaken);
    QCOMPARE(choice.Problem(), problem);

    LevelPlanes expected[2] = {LevelPlanes(d.one.level()), LevelPlanes(d.two.level())};
    int counts[2] = {0, 0};
    if (problem.isEmpty()) {
        bool ok = false;
        const qint16 a = qint16(from.trimmed().toInt(&ok, 0));
        const qint16 b = qint16(to.trimmed().toUInt(&ok, 0));
        const QRect area =
            scopeTaken == int(Scope::Selection) ? selection : QRect(0, 0, 1 << 15, 1 << 15);
        counts[0] = replaced(expected[0], plane, a, b, area);
        if (scopeTaken == int(Scope::OpenLevels))
            counts[1] = replaced(expected[1], plane, a, b, area);
    }
    const int total = counts[0] + counts[1];
    QCOMPARE(total > 0, changes);
    QCOMPARE(choice.Count(), total);
    QCOMPARE(choice.ChangedLevels(), (counts[0] > 0) + (counts[1] > 0));
    if (!problem.isEmpty() || total == 0)
        QCOMPARE(choice.Summary(), problem.isEmpty() ? "No cell will change." : problem);
    QCOMPARE(choice.CanApply(), total > 0);

    QCOMPARE(choice.Apply(), total);
    QCOMPARE(choice.Count(), 0); // nothing is left to replace
    QVERIFY(LevelPlanes(d.one.level()) == expected[0]);
    QVERIFY(LevelPlanes(d.two.level()) == expected[1]);
    // One step in each level that changed, named after the plane.
    QCOMPARE(d.one.undoStack().count(), counts[0] > 0 ? 1 : 0);
    QCOMPARE(d.two.undoStack().count(), counts[1] > 0 ? 1 : 0);
    if (counts[0] > 0)
        QCOMPARE(d.one.undoStack().undoText(),
                 plane == CellChange::TilePlane ? "Replace Tile" : "Replace Value");
}

GM_TEST_MAIN(tst_ReplacementChoice)
#include "tst_ReplacementChoice.moc"
