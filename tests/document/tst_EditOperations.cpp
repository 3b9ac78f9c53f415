// The editing operations on real levels: every expected plane is built by a
// plain second implementation working on whole-plane copies, the change
// lists are checked against a naive difference of the planes, and applying
// a list forwards and backwards must give exactly the expected and the
// original planes.
#include "CellBlock.h"
#include "CellMask.h"
#include "CellReplacement.h"
#include "CellSelection.h"
#include "EditOperations.h"
#include "LevelPlanes.h"

#include "TestMain.h"

#include <QTest>

namespace {

// The change list that turns `from` into `to`, tile plane first, row by row.
std::vector<CellChange> naiveDiff(const LevelPlanes& from, const LevelPlanes& to) {
    std::vector<CellChange> out;
    for (int plane = 0; plane < 2; ++plane) {
        const auto& a = plane == 0 ? from.tiles : from.infos;
        const auto& b = plane == 0 ? to.tiles : to.infos;
        for (int i = 0; i < from.w * from.h; ++i)
            if (a[std::size_t(i)] != b[std::size_t(i)])
                out.push_back({CellChange::Plane(plane), i % from.w, i / from.w, a[std::size_t(i)],
                               b[std::size_t(i)]});
    }
    return out;
}

Level uniformLevel(int w, int h, qint16 tile) {
    Level level;
    level.Create(qint16(w), qint16(h), 1, 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            level.SetTile(x, y, tile);
    return level;
}

// The operation's list equals the naive difference, and applying it forwards
// and backwards gives exactly the expected and the original planes.
void checkChanges(Level level, const std::vector<CellChange>& changes,
                  const LevelPlanes& expected) {
    const LevelPlanes original(level);
    QCOMPARE(changes, naiveDiff(original, expected));
    ApplyCellChanges(level, changes, true);
    QVERIFY(LevelPlanes(level) == expected);
    ApplyCellChanges(level, changes, false);
    QVERIFY(LevelPlanes(level) == original);
}

// The literal block of LEVEL01.CK1's tiles at (14..17, 9..11) and its infos.
CellBlock level01Block() {
    const qint16 tiles[3][4] = {{143, 143, 143, 143}, {143, 143, 143, 143}, {143, 143, 202, 202}};
    CellBlock block(4, 3, 1, true);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            block.SetTile(x, y, tiles[y][x]);
    return block;
}

} // namespace

class tst_EditOperations : public QObject {
    Q_OBJECT

private slots:
    void copyTakesBothPlanesClipped();
    void paste_data();
    void paste();
    void fillAreaAndClear_data();
    void fillAreaAndClear();
    void bucketFill_data();
    void bucketFill();
    void lineWritesOnePlane();
    void move_data();
    void move();
    void selection_data();
    void selection();
    void cellSets_data();
    void cellSets();
    void combineSelections_data();
    void combineSelections();
    void shapedOperations_data();
    void shapedOperations();
    void replace_data();
    void replace();
    void stampKeepsInfoUnderEmptyCells();
};

void tst_EditOperations::copyTakesBothPlanesClipped() {
    GM_REQUIRE_REAL_DATA();
    const Level level = realLevel("LEVEL01.CK1");
    QCOMPARE(CellBlock::Copy(level, QRect(14, 9, 4, 3)), level01Block());
    // Reversed corners and a part outside the level: only the cells inside.
    const CellBlock corner =
        CellBlock::Copy(level, EditOperations::CellsBetween({121, 22}, {118, 19}));
    QCOMPARE(corner.Width(), 2);
    QCOMPARE(corner.Height(), 2);
    QCOMPARE(corner.Tiles(), (std::vector<qint16>{144, 144, 144, 144}));
    QVERIFY(CellBlock::Copy(level, QRect(-5, -5, 5, 5)).IsEmpty());
    // The whole level: both planes, with the info value 255 of Keen's start.
    const CellBlock whole = CellBlock::Copy(level, QRect(0, 0, 120, 21));
    QVERIFY(whole.Tiles() == level.TilePlane() && whole.Infos() == level.InfoPlane());
    QCOMPARE(std::count(whole.Infos().begin(), whole.Infos().end(), 255), 1);
    QCOMPARE(whole.Episode(), qint16(1));
}

void tst_EditOperations::paste_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QRect>("copied");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("tilesOnly");
    QTest::newRow("inside") << "LEVEL01.CK1" << QRect(2, 2, 12, 10) << "LEVEL01.CK1"
                            << QPoint(40, 5) << false;
    QTest::newRow("with sprites onto another level")
        << "LEVEL02.CK1" << QRect(0, 0, 30, 20) << "LEVEL05.CK1" << QPoint(3, 1) << false;
    QTest::newRow("across the right and bottom edges")
        << "LEVEL01.CK1" << QRect(2, 2, 20, 15) << "LEVEL01.CK1" << QPoint(110, 12) << false;
    QTest::newRow("across the top and left edges")
        << "LEVEL01.CK1" << QRect(10, 5, 20, 15) << "LEVEL01.CK1" << QPoint(-7, -9) << false;
    QTest::newRow("larger than the level")
        << "LEVEL80.CK1" << QRect(0, 0, 200, 200) << "LEVEL01.CK1" << QPoint(-3, -2) << false;
    QTest::newRow("wholly outside")
        << "LEVEL01.CK1" << QRect(2, 2, 5, 5) << "LEVEL01.CK1" << QPoint(120, 0) << false;
    QTest::newRow("tiles only keep the infos")
        << "LEVEL03.CK1" << QRect(0, 0, 40, 20) << "LEVEL01.CK1" << QPoint(0, 0) << true;
}

void tst_EditOperations::paste() {
    GM_REQUIRE_REAL_DATA();
    QFETCH(QString, source);
    QFETCH(QRect, copied);
    QFETCH(QString, target);
    QFETCH(QPoint, at);
    QFETCH(bool, tilesOnly);
    const Level from = realLevel(source);
    const Level to = realLevel(target);
    CellBlock block = CellBlock::Copy(from, copied);
    if (tilesOnly) {
        CellBlock tiles(block.Width(), block.Height(), 1, false);
        for (int y = 0; y < block.Height(); ++y)
            for (int x = 0; x < block.Width(); ++x)
                tiles.SetTile(x, y, block.Tile(x, y));
        block = tiles;
    }
    const LevelPlanes src(from);
    LevelPlanes expected(to);
    expected.place(src, copied & QRect(0, 0, src.w, src.h), at, true, !tilesOnly);
    checkChanges(to, EditOperations::Paste(to, block, at), expected);
}

void tst_EditOperations::fillAreaAndClear_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("plane"); // -1: Clear (tile and info 0)
    QTest::addColumn<int>("value");
    QTest::newRow("tiles") << QRect(3, 4, 30, 10) << int(CellChange::TilePlane) << 7;
    QTest::newRow("sprites, dragged up and left")
        << EditOperations::CellsBetween({100, 15}, {2, 3}) << int(CellChange::InfoPlane) << 255;
    QTest::newRow("across every edge") << QRect(-4, -4, 140, 40) << int(CellChange::TilePlane) << 0;
    QTest::newRow("clear") << QRect(0, 0, 120, 21) << -1 << 143;
    QTest::newRow("clear across an edge") << QRect(100, 10, 40, 40) << -1 << 9;
}

void tst_EditOperations::fillAreaAndClear() {
    GM_REQUIRE_REAL_DATA();
    QFETCH(QRect, area);
    QFETCH(int, plane);
    QFETCH(int, value);
    const Level level = realLevel("LEVEL01.CK1");
    LevelPlanes expected(level);
    if (plane < 0)
        expected.clear(area, qint16(value));
    else
        expected.fill(plane, area, qint16(value));
    const auto changes =
        plane < 0 ? EditOperations::Clear(level, area, qint16(value))
                  : EditOperations::FillArea(level, area, CellChange::Plane(plane), qint16(value));
    checkChanges(level, changes, expected);
}

void tst_EditOperations::bucketFill_data() {
    QTest::addColumn<QString>("file"); // empty: a 182 x 180 level of tile 5
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<int>("tile");
    QTest::addColumn<int>("filled");
    QTest::newRow("sky of level 1") << "LEVEL01.CK1" << QPoint(10, 5) << 9 << -1;
    QTest::newRow("border bounded by the level edge") << "LEVEL01.CK1" << QPoint(0, 0) << 3 << -1;
    QTest::newRow("a single cell") << "LEVEL01.CK1" << QPoint(4, 5) << 3 << 1; // tile 395
    QTest::newRow("the same tile") << "LEVEL01.CK1" << QPoint(10, 5) << 143 << 0;
    QTest::newRow("outside") << "LEVEL01.CK1" << QPoint(120, 5) << 3 << 0;
    QTest::newRow("whole 32,760-cell level") << QString() << QPoint(90, 179) << 6 << 32760;
    QTest::newRow("world map") << "LEVEL80.CK1" << QPoint(20, 20) << 1 << -1;
}

void tst_EditOperations::bucketFill() {
    QFETCH(QString, file);
    QFETCH(QPoint, start);
    QFETCH(int, tile);
    QFETCH(int, filled);
    if (!file.isEmpty())
        GM_REQUIRE_REAL_DATA();
    const Level level = file.isEmpty() ? uniformLevel(182, 180, 5) : realLevel(file);
    // A second way: a plain four-neighbour fill, one cell at a time.
    LevelPlanes expected(level);
    const auto cell = [&](QPoint c) -> qint16& {
        return expected.tiles[std::size_t(c.y() * expected.w + c.x())];
    };
    const qint16 old = expected.inside(start.x(), start.y()) ? cell(start) : qint16(tile);
    int marked = 0;
    for (std::vector<QPoint> todo{start}; !todo.empty();) {
        const QPoint c = todo.back();
        todo.pop_back();
        if (old == tile || !expected.inside(c.x(), c.y()) || cell(c) != old)
            continue;
        cell(c) = qint16(tile);
        ++marked;
        for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            todo.push_back(c + step);
    }
    const auto changes = EditOperations::BucketFill(level, start, qint16(tile));
    if (filled >= 0)
        QCOMPARE(int(changes.size()), filled);
    else
        QVERIFY2(marked > 20, "the row should fill a real area");
    checkChanges(level, changes, expected);
}

void tst_EditOperations::lineWritesOnePlane() {
    GM_REQUIRE_REAL_DATA();
    const Level level = realLevel("LEVEL01.CK1");
    // A line leaving the level at the top right: its cells inside only
    // (which cells a line covers is CellLine's to say).
    LevelPlanes expected(level);
    for (QPoint c : {QPoint(116, 2), QPoint(117, 2), QPoint(118, 1), QPoint(119, 1)})
        expected.fill(CellChange::TilePlane, QRect(c, c), 11);
    checkChanges(level, EditOperations::Line(level, {116, 2}, {122, -1}, CellChange::TilePlane, 11),
                 expected);
    checkChanges(level, EditOperations::Line(level, {9, 15}, {3, 15}, CellChange::InfoPlane, 4),
                 LevelPlanes(level).fill(CellChange::InfoPlane, QRect(3, 15, 7, 1), 4));
}

void tst_EditOperations::move_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("apart") << QRect(2, 2, 20, 16) << QPoint(60, 2);
    QTest::newRow("overlapping by one cell") << QRect(10, 3, 30, 15) << QPoint(1, 1);
    QTest::newRow("overlapping up and left") << QRect(10, 3, 30, 15) << QPoint(-4, -2);
    QTest::newRow("partly off the level") << QRect(90, 10, 30, 11) << QPoint(15, 6);
    QTest::newRow("selection past the edge") << QRect(110, 15, 20, 20) << QPoint(-50, -10);
    QTest::newRow("not moved") << QRect(10, 3, 30, 15) << QPoint(0, 0);
}

void tst_EditOperations::move() {
    GM_REQUIRE_REAL_DATA();
    QFETCH(QRect, area);
    QFETCH(QPoint, offset);
    const Level level = realLevel("LEVEL01.CK1");
    const LevelPlanes original(level);
    const QRect from = area & QRect(0, 0, original.w, original.h);
    LevelPlanes expected(level);
    if (!offset.isNull())
        expected.clear(from, 9);
    expected.place(original, from, from.topLeft() + offset);
    checkChanges(level, EditOperations::Move(level, area, offset, 9), expected);
}

void tst_EditOperations::selection_data() {
    QTest::addColumn<QList<QPoint>>("firstDrag"); // empty: none
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QPoint>("dragTo");
    QTest::addColumn<QRect>("area");
    const QList<QPoint> none;
    QTest::newRow("down and right")
        << none << QPoint(3, 4) << false << QPoint(10, 8) << QRect(3, 4, 8, 5);
    QTest::newRow("up and left") << none << QPoint(10, 8) << false << QPoint(3, 4)
                                 << QRect(3, 4, 8, 5);
    QTest::newRow("past the edges")
        << none << QPoint(5, 5) << false << QPoint(200, -7) << QRect(5, 0, 115, 6);
    QTest::newRow("started outside")
        << none << QPoint(-3, 30) << false << QPoint(1, 19) << QRect(0, 19, 2, 2);
    QTest::newRow("shift keeps the first corner") << QList<QPoint>{{3, 4}, {10, 8}} << QPoint(6, 2)
                                                  << true << QPoint(6, 2) << QRect(3, 2, 4, 3);
    QTest::newRow("without shift a new one") << QList<QPoint>{{3, 4}, {10, 8}} << QPoint(6, 2)
                                             << false << QPoint(7, 2) << QRect(6, 2, 2, 1);
    QTest::newRow("shift with none starts one")
        << none << QPoint(6, 2) << true << QPoint(6, 2) << QRect(6, 2, 1, 1);
}

void tst_EditOperations::selection() {
    QFETCH(QList<QPoint>, firstDrag);
    QFETCH(QPoint, press);
    QFETCH(bool, shift);
    QFETCH(QPoint, dragTo);
    QFETCH(QRect, area);
    const QSize level(120, 21);
    CellSelection selection;
    if (!firstDrag.isEmpty()) {
        selection.Start(firstDrag[0], false, level);
        selection.DragTo(firstDrag[1]);
    }
    selection.Start(press, shift, level);
    selection.DragTo(dragTo);
    QCOMPARE(selection.BoundingRect(), area);
    QCOMPARE(selection.StatusText(), QStringLiteral("Selection %1,%2: %3 x %4")
                                         .arg(area.x())
                                         .arg(area.y())
                                         .arg(area.width())
                                         .arg(area.height()));
    // A smaller level keeps what is left inside it; Clear leaves nothing.
    selection.SelectAll(level);
    QCOMPARE(selection.BoundingRect(), QRect(0, 0, 120, 21));
    selection.ClipTo(QSize(50, 10));
    QCOMPARE(selection.BoundingRect(), QRect(0, 0, 50, 10));
    selection.Clear();
    QVERIFY(selection.IsEmpty());
    QCOMPARE(selection.StatusText(), QString());
}

namespace {

// A second way to find cells: a plain four-neighbour flood one cell at a
// time (connected) or a look at every cell (same tile), within `within`
// when it is not empty.
std::vector<bool> naiveCells(const LevelPlanes& planes, QPoint start, bool connected,
                             const QRect& within) {
    std::vector<bool> in(planes.tiles.size(), false);
    const auto allowed = [&](QPoint c) {
        return planes.inside(c.x(), c.y()) && (within.isEmpty() || within.contains(c));
    };
    if (!allowed(start))
        return in;
    const qint16 tile = planes.tiles[std::size_t(start.y() * planes.w + start.x())];
    const auto holds = [&](QPoint c) {
        return planes.tiles[std::size_t(c.y() * planes.w + c.x())] == tile;
    };
    if (!connected) {
        for (int i = 0; i < planes.w * planes.h; ++i)
            in[std::size_t(i)] = planes.tiles[std::size_t(i)] == tile;
        return in;
    }
    for (std::vector<QPoint> todo{start}; !todo.empty();) {
        const QPoint c = todo.back();
        todo.pop_back();
        if (!allowed(c) || !holds(c) || in[std::size_t(c.y() * planes.w + c.x())])
            continue;
        in[std::size_t(c.y() * planes.w + c.x())] = true;
        for (QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            todo.push_back(c + step);
    }
    return in;
}

std::vector<bool> bitsOf(const CellMask& mask) {
    std::vector<bool> bits;
    for (int y = 0; y < mask.Size().height(); ++y)
        for (int x = 0; x < mask.Size().width(); ++x)
            bits.push_back(mask.Contains(x, y));
    return bits;
}

// A shape of LEVEL01.CK1's size: the rectangle (10..29, 3..12) without the
// rectangle (15..19, 5..8), and the single cell (50, 18).
CellMask ringShape() {
    CellMask mask(QSize(120, 21));
    mask.AddRect(QRect(10, 3, 20, 10));
    mask.Subtract(CellMask::OfRect(QSize(120, 21), QRect(15, 5, 5, 4)));
    mask.Add(50, 18);
    return mask;
}

} // namespace

void tst_EditOperations::cellSets_data() {
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QRect>("within"); // empty: the whole level
    QTest::addColumn<int>("count");    // -1: more than 20
    QTest::newRow("same tile: the sky") << QPoint(10, 5) << false << QRect() << -1;
    QTest::newRow("same tile: one cell") << QPoint(4, 5) << false << QRect() << 1; // tile 395
    QTest::newRow("connected: the sky") << QPoint(10, 5) << true << QRect() << -1;
    QTest::newRow("connected: the frame") << QPoint(0, 0) << true << QRect() << -1;
    QTest::newRow("connected within a rectangle")
        << QPoint(10, 5) << true << QRect(5, 2, 30, 8) << -1;
    QTest::newRow("start outside the rectangle")
        << QPoint(10, 5) << true << QRect(50, 2, 30, 8) << 0;
    QTest::newRow("outside the level") << QPoint(120, 5) << true << QRect() << 0;
}

void tst_EditOperations::cellSets() {
    GM_REQUIRE_REAL_DATA();
    QFETCH(QPoint, start);
    QFETCH(bool, connected);
    QFETCH(QRect, within);
    QFETCH(int, count);
    const Level level = realLevel("LEVEL01.CK1");
    const std::vector<bool> expected = naiveCells(LevelPlanes(level), start, connected, within);
    const CellMask allowed = CellMask::OfRect(QSize(120, 21), within);
    const CellMask found =
        !connected
            ? EditOperations::SameTile(level, level.Tile(start.x(), start.y()))
            : EditOperations::ConnectedCells(level, start, within.isEmpty() ? nullptr : &allowed);
    QVERIFY(bitsOf(found) == expected);
    QCOMPARE(found.Count(), int(std::count(expected.begin(), expected.end(), true)));
    if (count >= 0)
        QCOMPARE(found.Count(), count);
    else
        QVERIFY(found.Count() > 20);
}

void tst_EditOperations::combineSelections_data() {
    QTest::addColumn<int>("how");
    QTest::addColumn<QRect>("second");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("status");
    using Combine = CellSelection::Combine;
    // The first set is ringShape(): 200 - 20 + 1 = 181 cells in (10..50, 3..18).
    QTest::newRow("replace") << int(Combine::Replace) << QRect(2, 2, 3, 3) << QRect(2, 2, 3, 3) << 9
                             << "Selection 2,2: 3 x 3";
    QTest::newRow("add fills the hole")
        << int(Combine::Add) << QRect(15, 5, 5, 4) << QRect(10, 3, 41, 16) << 201
        << "Selection 10,3: 41 x 16, 201 cells";
    QTest::newRow("remove the lone cell")
        << int(Combine::Remove) << QRect(50, 18, 1, 1) << QRect(10, 3, 20, 10) << 180
        << "Selection 10,3: 20 x 10, 180 cells";
    QTest::newRow("remove everything")
        << int(Combine::Remove) << QRect(0, 0, 120, 21) << QRect() << 0 << "";
}

void tst_EditOperations::combineSelections() {
    QFETCH(int, how);
    QFETCH(QRect, second);
    QFETCH(QRect, bounds);
    QFETCH(int, count);
    QFETCH(QString, status);
    CellSelection selection;
    selection.Apply(ringShape(), CellSelection::Combine::Replace);
    QCOMPARE(selection.Cells().Count(), 181);
    selection.Apply(CellMask::OfRect(QSize(120, 21), second), CellSelection::Combine(how));
    QCOMPARE(selection.BoundingRect(), bounds);
    QCOMPARE(selection.Cells().Count(), count);
    QCOMPARE(selection.StatusText(), status);
    // A smaller level keeps the cells left inside it.
    selection.ClipTo(QSize(12, 4));
    QCOMPARE(selection.Cells().Count(), count == 9 ? 6 : count == 0 ? 0 : 2);
}

void tst_EditOperations::shapedOperations_data() {
    QTest::addColumn<int>("operation"); // 0 clear, 1 fill tiles, 2 fill infos, 3 move
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("clear") << 0 << QPoint();
    QTest::newRow("fill tiles") << 1 << QPoint();
    QTest::newRow("fill infos") << 2 << QPoint();
    QTest::newRow("move onto its own hole") << 3 << QPoint(4, 2);
    QTest::newRow("move past the right edge") << 3 << QPoint(75, 1);
}

// Every operation on a selection of another shape than a rectangle touches
// its cells alone: the hole and the cells around stay as they were.
void tst_EditOperations::shapedOperations() {
    GM_REQUIRE_REAL_DATA();
    QFETCH(int, operation);
    QFETCH(QPoint, offset);
    const Level level = realLevel("LEVEL03.CK1");
    const LevelPlanes original(level);
    const CellMask shape = ringShape();
    LevelPlanes expected(level);
    std::vector<CellChange> changes;
    const auto eachCell = [&](auto write) {
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 120; ++x)
                if (shape.Contains(x, y))
                    write(x, y);
    };
    switch (operation) {
    case 0:
        eachCell([&](int x, int y) { expected.clear(QRect(x, y, 1, 1), 9); });
        changes = EditOperations::Clear(level, shape, 9);
        break;
    case 1:
    case 2: {
        const int plane = operation == 1 ? CellChange::TilePlane : CellChange::InfoPlane;
        eachCell([&](int x, int y) { expected.fill(plane, QRect(x, y, 1, 1), 77); });
        changes = EditOperations::FillCells(level, shape, CellChange::Plane(plane), 77);
        break;
    }
    default:
        eachCell([&](int x, int y) { expected.clear(QRect(x, y, 1, 1), 9); });
        eachCell([&](int x, int y) {
            expected.place(original, QRect(x, y, 1, 1), QPoint(x, y) + offset);
        });
        changes = EditOperations::Move(level, shape, offset, 9);
    }
    checkChanges(level, changes, expected);
}

void tst_EditOperations::replace_data() {
    QTest::addColumn<int>("plane");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("inShape");
    QTest::addColumn<int>("count"); // -1: more than 20
    QTest::newRow("the sky's tile") << int(CellChange::TilePlane) << 143 << 9 << false << -1;
    QTest::newRow("within a shape") << int(CellChange::TilePlane) << 143 << 9 << true << -1;
    QTest::newRow("Keen's start") << int(CellChange::InfoPlane) << 255 << 0 << false << 1;
    QTest::newRow("a tile the level lacks") << int(CellChange::TilePlane) << 600 << 9 << false << 0;
    QTest::newRow("into itself") << int(CellChange::TilePlane) << 143 << 143 << false << 0;
}

void tst_EditOperations::replace() {
    GM_REQUIRE_REAL_DATA();
    QFETCH(int, plane);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, inShape);
    QFETCH(int, count);
    const Level level = realLevel("LEVEL01.CK1");
    const CellMask shape = ringShape();
    LevelPlanes expected(level);
    int replaced = 0;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 120; ++x) {
            qint16& cell = expected.plane(plane)[std::size_t(y * 120 + x)];
            if (cell == from && from != to && (!inShape || shape.Contains(x, y))) {
                cell = qint16(to);
                ++replaced;
            }
        }
    // The cells a replacement changes: those holding `from` (none when it
    // is `to` already).
    const CellMask cells = CellReplacement(CellChange::Plane(plane), qint16(from), qint16(to))
                               .Cells(level, inShape ? &shape : nullptr);
    if (count >= 0)
        QCOMPARE(cells.Count(), count);
    else
        QVERIFY(cells.Count() > 20);
    QCOMPARE(cells.Count(), replaced);
    LevelPlanes before(level);
    for (int i = 0; i < 120 * 21; ++i)
        QCOMPARE(cells.Contains(i % 120, i / 120),
                 expected.plane(plane)[std::size_t(i)] != before.plane(plane)[std::size_t(i)]);
}

// A stamp writes its tiles in the cells it holds, and its info values
// except 0: a stamp over Keen's start (3, 15) keeps it; a cell it leaves
// out keeps both planes.
void tst_EditOperations::stampKeepsInfoUnderEmptyCells() {
    GM_REQUIRE_REAL_DATA();
    const Level level = realLevel("LEVEL01.CK1");
    CellBlock stamp(3, 2, 1, true);
    const qint16 tiles[2][3] = {{1, 2, 3}, {4, 5, 6}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            stamp.SetTile(x, y, tiles[y][x]);
    stamp.SetInfo(2, 1, 42);
    stamp.LeaveOut(0, 1);
    // Top-left at (2, 14): row 14 gets 1 2 3, row 15 gets - 5 6 with info
    // 42 at (4, 15); (3, 15) keeps info 255 under the stamp's 0.
    LevelPlanes expected(level);
    for (int x = 0; x < 3; ++x)
        expected.fill(CellChange::TilePlane, QRect(2 + x, 14, 1, 1), tiles[0][x]);
    expected.fill(CellChange::TilePlane, QRect(3, 15, 1, 1), 5);
    expected.fill(CellChange::TilePlane, QRect(4, 15, 1, 1), 6);
    expected.fill(CellChange::InfoPlane, QRect(4, 15, 1, 1), 42);
    QCOMPARE(level.Info(3, 15), qint16(255));
    checkChanges(level, EditOperations::Stamp(level, stamp, {2, 14}), expected);
    // Across the level's top-left corner: only the cells inside.
    checkChanges(level, EditOperations::Stamp(level, stamp, {-2, -1}),
                 LevelPlanes(level)
                     .fill(CellChange::TilePlane, QRect(0, 0, 1, 1), 6)
                     .fill(CellChange::InfoPlane, QRect(0, 0, 1, 1), 42));
}

GM_TEST_APPLESS_MAIN(tst_EditOperations)
#include "tst_EditOperations.moc"
