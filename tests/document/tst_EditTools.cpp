// The edit tools on a document holding copies of real levels, driven with
// the events the canvas sends: each edit's planes (checked against literal
// cells and plain whole-plane expectations), its undo step's name, and undo
// and redo giving back both planes exactly.
#include "BrushSelection.h"
#include "BrushTool.h"
#include "BucketFillTool.h"
#include "CellReplacement.h"
#include "ClipboardCodec.h"
#include "LevelDocument.h"
#include "LevelPlanes.h"
#include "LineTool.h"
#include "MagicWandTool.h"
#include "RectangleFillTool.h"
#include "SelectTool.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TestData.h"
#include "TileSet.h"
#include "ToolPreview.h"

#include "TestMain.h"
#include <QFile>
#include <QTemporaryDir>

#include <QTest>

namespace {

// The tile a new level of episode 1 is filled with, its empty tile; the
// right button holds another (9).
constexpr qint16 EmptyTile = 143;

constexpr Qt::MouseButton Left = Qt::LeftButton;
constexpr Qt::MouseButton Right = Qt::RightButton;
constexpr Qt::KeyboardModifier Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifier Ctrl = Qt::ControlModifier;

// A document on a copy of a real level, saved under `name` (whose last
// character gives the episode), with a brush selection.
struct Fixture {
    QTemporaryDir dir;
    LevelDocument document;
    BrushSelection brush;

    explicit Fixture(const QString& source = "LEVEL01.CK1", const QString& name = "LEVEL01.CK1") {
        const QString path = dir.filePath(name);
        QFile::copy(realDataDir() + '/' + source, path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const IoResult loaded = document.Load(path);
        if (!loaded)
            qFatal("%s", qPrintable(loaded.error));
        brush.SetTile(0, 7);
        brush.SetTile(1, 9);
    }
    const Level& level() const { return document.level(); }
};

// An event at cell (x, y) of a 120 x 21 level: a press or release of
// `button`, or a move with it held.
ToolEvent at(int x, int y, Qt::MouseButton button = Left, Qt::KeyboardModifiers modifiers = {}) {
    return ToolEvent{x, y, x >= 0 && y >= 0 && x < 120 && y < 21, button, button, modifiers};
}

void drag(EditTool& tool, QPoint from, QPoint to, Qt::MouseButton button = Left,
          Qt::KeyboardModifiers modifiers = {}) {
    tool.Press(at(from.x(), from.y(), button, modifiers));
    tool.Move(at(to.x(), to.y(), button, modifiers));
    tool.Release(at(to.x(), to.y(), button, modifiers));
}

// The last edit is one step named `name`; undo gives back `before`, redo
// the planes it made.
void checkOneStep(Fixture& f, const LevelPlanes& before, const QString& name) {
    QUndoStack& stack = f.document.undoStack();
    QCOMPARE(stack.undoText(), name);
    const LevelPlanes after(f.level());
    QVERIFY(!(after == before));
    const int steps = stack.index();
    stack.undo();
    QVERIFY(LevelPlanes(f.level()) == before);
    stack.redo();
    QVERIFY(LevelPlanes(f.level()) == after);
    QCOMPARE(stack.index(), steps);
}

} // namespace

class tst_EditTools : public QObject {
    Q_OBJECT

private slots:
    void init() {
        if (!haveRealData())
            QSKIP("real game files not found");
    }
    void copyAndPaste_data();
    void copyAndPaste();
    void cutDeleteAndMove();
    void pasteWritesTheAskedPlanes_data();
    void pasteWritesTheAskedPlanes();
    void fills();
    void linesInSpriteMode();
    void pickWithCtrlInEveryTool();
    void floatingBlockFollowsTheSetsItIsDrawnWith();
    void leftOutCellsShowWhatIsUnder();
    void stampAlongADrag_data();
    void stampAlongADrag();
    void ctrlDragTakesAStamp_data();
    void ctrlDragTakesAStamp();
    void stampFromTheTileSelector_data();
    void stampFromTheTileSelector();
    void wandShapesTheSelection();
    void replaceInSeveralLevels();
};

void tst_EditTools::copyAndPaste_data() {
    QTest::addColumn<QString>("targetName");
    QTest::addColumn<QPoint>("pasteAt");
    QTest::newRow("same level") << "LEVEL01.CK1" << QPoint(60, 3);
    QTest::newRow("into episode 3, across the bottom right edge")
        << "LEVEL01.CK3" << QPoint(115, 18);
    QTest::newRow("into episode 2, across the top left edge") << "LEVEL01.CK2" << QPoint(-2, -1);
}

void tst_EditTools::copyAndPaste() {
    QFETCH(QString, targetName);
    QFETCH(QPoint, pasteAt);
    Fixture source;
    SelectTool select(source.document, source.brush);
    // Keen's start, info 255 at (3, 15), lies in the block.
    drag(select, {8, 17}, {2, 14});
    QCOMPARE(select.Selection().BoundingRect(), QRect(2, 14, 7, 4));
    // Through the clipboard's form, as between two running programs.
    CellBlock block;
    QVERIFY(ClipboardCodec::FromBytes(ClipboardCodec::ToBytes(select.Copy()), block));
    QCOMPARE(block.Episode(), qint16(1));

    Fixture target("LEVEL01.CK1", targetName);
    const LevelPlanes before(target.level());
    SelectTool paste(target.document, target.brush);
    paste.StartPaste(block, {30, 5});
    QVERIFY(paste.IsFloating());
    QCOMPARE(target.document.undoStack().count(), 0);
    paste.Move(at(pasteAt.x(), pasteAt.y(), Qt::NoButton)); // follows the pointer
    QCOMPARE(paste.StatusText(), QStringLiteral("Pasting 7 x 4 at %1,%2: click or Enter to place, "
                                                "Esc to drop")
                                     .arg(pasteAt.x())
                                     .arg(pasteAt.y()));
    paste.Press(at(pasteAt.x(), pasteAt.y()));
    paste.Release(at(pasteAt.x(), pasteAt.y()));
    QVERIFY(!paste.IsFloating());
    // Every cell: the source's cell it came from, or untouched.
    QVERIFY(LevelPlanes(target.level()) ==
            LevelPlanes(before).place(LevelPlanes(source.level()), QRect(2, 14, 7, 4), pasteAt));
    QCOMPARE(paste.Selection().BoundingRect(), QRect(pasteAt, QSize(7, 4)) & QRect(0, 0, 120, 21));
    checkOneStep(target, before, "Paste");
}

void tst_EditTools::cutDeleteAndMove() {
    Fixture f;
    SelectTool select(f.document, f.brush);
    LevelPlanes before(f.level());
    // Row 15 from x 14: 143 143 178 178 178 178 143.
    drag(select, {14, 15}, {20, 15});
    const CellBlock cut = select.Cut();
    QCOMPARE(cut.Tiles(), (std::vector<qint16>{143, 143, 178, 178, 178, 178, 143}));
    QVERIFY(LevelPlanes(f.level()) == LevelPlanes(before).clear(QRect(14, 15, 7, 1), EmptyTile));
    checkOneStep(f, before, "Cut");

    // Delete clears the info values too: the whole level's.
    before = LevelPlanes(f.level());
    select.SelectAll();
    select.Delete();
    QVERIFY(LevelPlanes(f.level()) == LevelPlanes(before).clear(QRect(0, 0, 120, 21), EmptyTile));
    checkOneStep(f, before, "Delete");
    f.document.undoStack().undo();
    f.document.undoStack().undo();
    select.ClearSelection();

    // Dragging inside the selection moves both planes, overlapping its old
    // place; the empty tile stays behind, as after a cut.
    before = LevelPlanes(f.level());
    drag(select, {2, 14}, {8, 17});
    drag(select, {5, 15}, {6, 13});
    QCOMPARE(select.Selection().BoundingRect(), QRect(3, 12, 7, 4));
    QVERIFY(LevelPlanes(f.level()) == LevelPlanes(before)
                                          .clear(QRect(2, 14, 7, 4), EmptyTile)
                                          .place(before, QRect(2, 14, 7, 4), {3, 12}));
    checkOneStep(f, before, "Move");
    // Esc clears the selection; a press inside no selection starts one.
    select.Escape();
    QVERIFY(select.Selection().IsEmpty());
}

void tst_EditTools::pasteWritesTheAskedPlanes_data() {
    QTest::addColumn<int>("planes");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("status");
    QTest::newRow("both") << int(CellBlock::BothPlanes) << "Paste"
                          << "Pasting 40 x 21";
    QTest::newRow("tiles only") << int(CellBlock::TilePlane) << "Paste Tiles"
                                << "Pasting tiles 40 x 21";
    QTest::newRow("sprites only") << int(CellBlock::InfoPlane) << "Paste Sprites"
                                  << "Pasting sprites 40 x 21";
}

// The block of LEVEL01's first 40 columns pasted 50 columns on: both of its
// planes differ from the cells it lands on, so each plane left alone shows.
void tst_EditTools::pasteWritesTheAskedPlanes() {
    QFETCH(int, planes);
    QFETCH(QString, step);
    QFETCH(QString, status);
    Fixture f;
    SelectTool select(f.document, f.brush);
    select.SelectAll();
    const QRect copied(0, 0, 40, 21);
    const CellBlock block = CellBlock::Copy(f.level(), copied);
    const LevelPlanes before(f.level());
    const bool tiles = planes & CellBlock::TilePlane, infos = planes & CellBlock::InfoPlane;
    const LevelPlanes expected = LevelPlanes(before).place(before, copied, {50, 0}, tiles, infos);
    QVERIFY(!(LevelPlanes(before).place(before, copied, {50, 0}, true, false) == before));
    QVERIFY(!(LevelPlanes(before).place(before, copied, {50, 0}, false, true) == before));

    QVERIFY(select.StartPaste(block, {50, 0}, planes));
    QCOMPARE(select.StatusText(), status + " at 50,0: click or Enter to place, Esc to drop");
    select.PlaceFloating();
    QVERIFY(LevelPlanes(f.level()) == expected);
    checkOneStep(f, before, step);

    // Tiles alone, as text from a spreadsheet gives them: no sprites to
    // paste, nothing floats.
    const CellBlock tilesOnly = block.WithPlanes(CellBlock::TilePlane);
    QCOMPARE(select.StartPaste(tilesOnly, {0, 0}, planes), planes != CellBlock::InfoPlane);
    QCOMPARE(select.IsFloating(), planes != CellBlock::InfoPlane);
}

void tst_EditTools::fills() {
    Fixture f;
    LevelPlanes before(f.level());
    BucketFillTool bucket(f.document, f.brush);
    // The level's frame of tile 144 touches the level edge on every side.
    bucket.Press(at(0, 0, Right));
    QCOMPARE(f.level().Tile(119, 20), qint16(9));
    QCOMPARE(f.level().Tile(1, 10), qint16(9));
    QCOMPARE(f.level().Tile(2, 10), qint16(258));
    checkOneStep(f, before, "Fill");

    // Within a selection the fill keeps to its cells: the frame's column
    // 0 from row 5 down alone.
    before = LevelPlanes(f.level());
    CellSelection within;
    within.SetArea(QRect(0, 5, 1, 30), QSize(120, 21));
    bucket.SetSelection(&within);
    bucket.Press(at(0, 10, Left));
    QVERIFY(LevelPlanes(f.level()) ==
            LevelPlanes(before).fill(CellChange::TilePlane, QRect(0, 5, 1, 16), 7));
    bucket.SetSelection(nullptr);
    f.document.undoStack().undo();

    // Sprite mode fills nothing.
    f.brush.SetMode(BrushSelection::SpriteMode);
    bucket.Press(at(5, 5, Left));
    QCOMPARE(f.document.undoStack().count(), 2);

    f.brush.SetMode(BrushSelection::TileMode);
    before = LevelPlanes(f.level());
    RectangleFillTool rectangle(f.document, f.brush);
    rectangle.Press(at(10, 12));
    rectangle.Move(at(4, 3));
    QCOMPARE(rectangle.PreviewCells(), QRect(4, 3, 7, 10));
    QVERIFY(LevelPlanes(f.level()) == before); // only a preview so far
    rectangle.Release(at(4, 3));
    QVERIFY(LevelPlanes(f.level()) ==
            LevelPlanes(before).fill(CellChange::TilePlane, QRect(4, 3, 7, 10), 7));
    checkOneStep(f, before, "Rectangle Fill");
}

void tst_EditTools::linesInSpriteMode() {
    Fixture f;
    f.brush.SetMode(BrushSelection::SpriteMode);
    f.brush.SetSprite(5);
    LineTool line(f.document, f.brush);
    const LevelPlanes before(f.level());
    // Left places the sprite's value; the drag may leave the level.
    line.Press(at(20, 4));
    line.Move(at(26, 7));
    line.Release(at(200, 4));
    QVERIFY(LevelPlanes(f.level()) == LevelPlanes(before).fill(CellChange::InfoPlane,
                                                               QRect(20, 4, 200, 1),
                                                               f.brush.InfoToPlace()));
    checkOneStep(f, before, "Line");
    // Right erases along a diagonal.
    const LevelPlanes placed(f.level());
    drag(line, {21, 2}, {23, 4}, Right);
    QCOMPARE(f.level().Info(22, 3), qint16(0));
    QCOMPARE(f.level().Info(23, 4), qint16(0));
    QCOMPARE(f.level().Info(24, 4), f.brush.InfoToPlace());
    checkOneStep(f, placed, "Line");
    // The middle button places no sprite, as with the brush.
    const int steps = f.document.undoStack().count();
    drag(line, {21, 2}, {23, 4}, Qt::MiddleButton);
    QCOMPARE(f.document.undoStack().count(), steps);
}

void tst_EditTools::pickWithCtrlInEveryTool() {
    Fixture f;
    SelectTool select(f.document, f.brush);
    BucketFillTool bucket(f.document, f.brush);
    RectangleFillTool rectangle(f.document, f.brush);
    LineTool line(f.document, f.brush);
    const QList<EditTool*> tools{&select, &bucket, &rectangle, &line};
    for (EditTool* tool : tools) {
        f.brush.SetTile(1, 0);
        tool->Press(at(4, 5, Right, Ctrl)); // tile 395
        tool->Release(at(4, 5, Right, Ctrl));
        QCOMPARE(f.brush.Tile(1), qint16(395));
    }
    QCOMPARE(f.document.undoStack().count(), 0);
    QVERIFY(select.Selection().IsEmpty());
    // Shift with Ctrl does nothing at all.
    bucket.Press(at(4, 5, Left, Ctrl | Shift));
    QCOMPARE(f.document.undoStack().count(), 0);
}

// After new graphics (Set Paths) a floating block shows them, as a block
// pasted afresh would.
void tst_EditTools::floatingBlockFollowsTheSetsItIsDrawnWith() {
    Fixture f;
    CellBlock block(3, 2, 1, true);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            block.SetTile(x, y, qint16(x + 3 * y));
    QImage sheet(16 * 6, 16, QImage::Format_RGB32);
    TileSet red, blue;
    sheet.fill(0xFFFF0000);
    red.LoadFromImage(sheet);
    sheet.fill(0xFF0000FF);
    blue.LoadFromImage(sheet);
    const SpriteSet sprites;
    const auto drawn = [&](const TileSet& tiles, const SelectTool& tool) {
        Surface s(100, 60);
        tool.DrawPreview(s, PreviewPlace{tiles, sprites, ZoomLevel(), 0, 0, 0, 0});
        return s.image();
    };
    SelectTool shown(f.document, f.brush), fresh(f.document, f.brush);
    for (SelectTool* tool : {&shown, &fresh})
        tool->StartPaste(block, {1, 1});
    const QImage withRed = drawn(red, shown);
    QCOMPARE(drawn(blue, shown), drawn(blue, fresh));
    QVERIFY(drawn(blue, shown) != withRed);
}

// A floating block's cells left out show the canvas under them; the cells
// it holds are mixed half and half with it.
void tst_EditTools::leftOutCellsShowWhatIsUnder() {
    Fixture f;
    CellBlock block(2, 1, 1, false);
    block.LeaveOut(1, 0);
    QImage sheet(16, 16, QImage::Format_RGB32);
    sheet.fill(0xFFFF0000);
    TileSet red;
    red.LoadFromImage(sheet);
    const SpriteSet sprites;
    SelectTool select(f.document, f.brush);
    select.StartPaste(block, {0, 0});
    Surface s(64, 32);
    s.image().fill(0xFF0000FF);
    select.DrawPreview(s, PreviewPlace{red, sprites, ZoomLevel(), 0, 0, 0, 0});
    QCOMPARE(s.image().pixel(8, 8), QRgb(0xFF7F007F));  // held: half red, half blue
    QCOMPARE(s.image().pixel(24, 8), QRgb(0xFF0000FF)); // left out: blue
}

namespace {

// A 2 x 2 stamp of tiles 1 2 / 3 4 and no info values.
Stamp smallStamp() {
    CellBlock block(2, 2, 1, true);
    for (int i = 0; i < 4; ++i)
        block.SetTile(i % 2, i / 2, qint16(i + 1));
    return Stamp(block);
}

} // namespace

void tst_EditTools::stampAlongADrag_data() {
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QList<QPoint>>("laid"); // the stamps' top-left cells
    QTest::newRow("one fast move along a row") << QPoint(10, 10) << QList<QPoint>{{16, 10}}
                                               << QList<QPoint>{{9, 9}, {11, 9}, {13, 9}, {15, 9}};
    QTest::newRow("moves within one place lay it once")
        << QPoint(10, 10) << QList<QPoint>{{11, 10}, {10, 11}} << QList<QPoint>{{9, 9}};
    QTest::newRow("diagonal up and left")
        << QPoint(10, 10) << QList<QPoint>{{7, 7}} << QList<QPoint>{{9, 9}, {7, 7}, {5, 5}};
    QTest::newRow("down a column, then back up")
        << QPoint(30, 4) << QList<QPoint>{{30, 9}, {30, 2}}
        << QList<QPoint>{{29, 3}, {29, 5}, {29, 7}, {29, 1}};
    QTest::newRow("off the level's left edge")
        << QPoint(1, 1) << QList<QPoint>{{-40, 1}} << QList<QPoint>{{0, 0}};
    QTest::newRow("over Keen's start, whose info stays")
        << QPoint(3, 15) << QList<QPoint>{} << QList<QPoint>{{2, 14}};
}

// The brush with a stamp lays it centred on the press, then side by side on
// the grid of its size at every place the pointer's line passes: one Paint
// step, no gap however fast the pointer moves.
void tst_EditTools::stampAlongADrag() {
    QFETCH(QPoint, press);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QList<QPoint>, laid);
    Fixture f;
    BrushTool brush(f.document, f.brush);
    f.brush.SetStamp(smallStamp());
    const LevelPlanes before(f.level());
    LevelPlanes expected(f.level());
    for (const QPoint& at : laid)
        for (int i = 0; i < 4; ++i)
            expected.fill(CellChange::TilePlane, QRect(at + QPoint(i % 2, i / 2), QSize(1, 1)),
                          qint16(i + 1));
    brush.Press(at(press.x(), press.y()));
    for (const QPoint& to : moves)
        brush.Move(at(to.x(), to.y()));
    QCOMPARE(brush.PreviewCells(),
             QRect(moves.isEmpty() ? press : moves.last(), QSize(2, 2)).translated(-1, -1) &
                 QRect(0, 0, 120, 21));
    brush.Release(at(0, 0));
    QVERIFY(LevelPlanes(f.level()) == expected);
    QCOMPARE(f.level().Info(3, 15), qint16(255));
    checkOneStep(f, before, "Paint");
    // The right button paints its single tile still.
    brush.Press(at(50, 5, Right));
    brush.Release(at(50, 5, Right));
    QCOMPARE(f.level().Tile(50, 5), qint16(9));
    QCOMPARE(f.level().Tile(51, 5), before.tiles[5 * 120 + 51]);
}

void tst_EditTools::ctrlDragTakesAStamp_data() {
    QTest::addColumn<bool>("ctrlHeld"); // to the release
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("taken");
    QTest::newRow("Ctrl held throughout") << true << QPoint(2, 14) << QPoint(8, 17) << true;
    QTest::newRow("dragged the other way") << true << QPoint(8, 17) << QPoint(2, 14) << true;
    QTest::newRow("Ctrl let go during the drag")
        << false << QPoint(2, 14) << QPoint(8, 17) << false;
    QTest::newRow("one cell picks its tile alone")
        << true << QPoint(5, 16) << QPoint(5, 16) << false;
}

void tst_EditTools::ctrlDragTakesAStamp() {
    QFETCH(bool, ctrlHeld);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(bool, taken);
    Fixture f;
    BrushTool brush(f.document, f.brush);
    const Qt::KeyboardModifiers later = ctrlHeld ? Ctrl : Qt::NoModifier;
    brush.Press(at(from.x(), from.y(), Left, Ctrl));
    brush.Move(at(to.x(), to.y(), Left, later));
    brush.Release(at(to.x(), to.y(), Left, later));
    QCOMPARE(f.brush.HasStamp(), taken);
    if (!taken)
        return;
    // Both planes of (2..8, 14..17), Keen's start 255 among them.
    const Stamp stamp = f.brush.CurrentStamp();
    QCOMPARE(stamp.Block(), CellBlock::Copy(f.level(), QRect(2, 14, 7, 4)));
    QCOMPARE(stamp.Block().Info(1, 1), qint16(255));
    // Esc goes back to the single tile; choosing a tile does too.
    f.brush.ClearStamp();
    QVERIFY(!f.brush.HasStamp());
    f.brush.SetStamp(stamp);
    f.brush.SetTile(0, 7);
    QVERIFY(!f.brush.HasStamp());
}

void tst_EditTools::stampFromTheTileSelector_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("tileCount");
    QTest::addColumn<QList<int>>("tiles"); // row by row, -1 for a cell left out
    QTest::addColumn<QSize>("size");
    QTest::newRow("a block") << QRect(2, 1, 3, 2) << 611 << QList<int>{15, 16, 17, 28, 29, 30}
                             << QSize(3, 2);
    QTest::newRow("past the last tile")
        << QRect(0, 46, 4, 1) << 600 << QList<int>{598, 599, -1, -1} << QSize(4, 1);
    QTest::newRow("past the selector's edge")
        << QRect(11, 0, 5, 1) << 611 << QList<int>{11, 12} << QSize(2, 1);
    QTest::newRow("no tile") << QRect(5, 46, 2, 1) << 600 << QList<int>{} << QSize(0, 0);
}

void tst_EditTools::stampFromTheTileSelector() {
    QFETCH(QRect, area);
    QFETCH(int, tileCount);
    QFETCH(QList<int>, tiles);
    QFETCH(QSize, size);
    // 13 tiles a row, as the selector shows episode 1's.
    const Stamp stamp = Stamp::FromTileGrid(area, 13, tileCount, 1);
    QCOMPARE(stamp.Size(), size);
    QVERIFY(!stamp.Block().HasInfo());
    for (int i = 0; i < tiles.size(); ++i) {
        const int x = i % size.width(), y = i / size.width();
        QCOMPARE(stamp.Block().Holds(x, y), tiles[i] >= 0);
        if (tiles[i] >= 0)
            QCOMPARE(stamp.Block().Tile(x, y), qint16(tiles[i]));
    }
}

// The wand and Select Same Tile make a selection of any shape, click by
// click; copy, the clipboard's own form, delete and paste keep to its cells.
void tst_EditTools::wandShapesTheSelection() {
    Fixture f;
    SelectTool select(f.document, f.brush);
    MagicWandTool wand(f.document, select.Selection(), MagicWandTool::Kind::Connected);
    MagicWandTool same(f.document, select.Selection(), MagicWandTool::Kind::SameTile);
    // The frame of tile 144 (two cells wide round 120 x 21), joined to (0, 0).
    wand.Press(at(0, 0));
    const int frame = 120 * 21 - 116 * 17;
    QCOMPARE(select.Selection().Cells().Count(), frame);
    same.Press(at(4, 5, Left, Shift)); // the one cell of tile 395
    QCOMPARE(select.Selection().Cells().Count(), frame + 1);
    same.Press(at(0, 0, Left, Ctrl)); // every 144 of the level leaves
    QCOMPARE(select.Selection().BoundingRect(), QRect(4, 5, 1, 1));
    same.Press(at(0, 0, Left, Ctrl | Shift)); // asks for nothing
    QCOMPARE(select.Selection().Cells().Count(), 1);

    // (4, 5) and (6, 5) with the cell between left out.
    same.Press(at(4, 5));
    select.Selection().Apply(CellMask::OfRect(QSize(120, 21), QRect(6, 5, 1, 1)),
                             CellSelection::Combine::Add);
    CellBlock copied;
    QVERIFY(ClipboardCodec::FromBytes(ClipboardCodec::ToBytes(select.Copy()), copied));
    QCOMPARE(copied.Width(), 3);
    QVERIFY(copied.Holds(0, 0) && !copied.Holds(1, 0) && copied.Holds(2, 0));
    QCOMPARE(copied.Tile(0, 0), qint16(395));

    const LevelPlanes before(f.level());
    select.Delete();
    QVERIFY(LevelPlanes(f.level()) == LevelPlanes(before)
                                          .clear(QRect(4, 5, 1, 1), EmptyTile)
                                          .clear(QRect(6, 5, 1, 1), EmptyTile));
    checkOneStep(f, before, "Delete");
    select.Fill(CellChange::TilePlane, 7);
    QCOMPARE(f.level().Tile(5, 5), before.tiles[5 * 120 + 5]);
    QCOMPARE(f.level().Tile(6, 5), qint16(7));
    checkOneStep(f,
                 LevelPlanes(f.level())
                     .fill(CellChange::TilePlane, QRect(4, 5, 1, 1), EmptyTile)
                     .fill(CellChange::TilePlane, QRect(6, 5, 1, 1), EmptyTile),
                 "Fill Selection");
    // Pasted 10 rows down: the cell between stays, the selection is the
    // two cells written.
    const LevelPlanes pasted(f.level());
    select.StartPaste(copied, {4, 15});
    select.PlaceFloating();
    QVERIFY(LevelPlanes(f.level()) == LevelPlanes(pasted)
                                          .place(before, QRect(4, 5, 1, 1), {4, 15})
                                          .place(before, QRect(6, 5, 1, 1), {6, 15}));
    QCOMPARE(select.Selection().BoundingRect(), QRect(4, 15, 3, 1));
    QCOMPARE(select.Selection().Cells().Count(), 2);
}

void tst_EditTools::replaceInSeveralLevels() {
    Fixture one;
    Fixture two("LEVEL02.CK1", "LEVEL02.CK1");
    const std::vector<LevelDocument*> both{&one.document, &two.document};
    const CellReplacement replacement(CellChange::TilePlane, 143, 9);
    int expected = 0;
    LevelPlanes after[2] = {LevelPlanes(one.level()), LevelPlanes(two.level())};
    for (LevelPlanes& planes : after)
        for (qint16& tile : planes.tiles)
            if (tile == 143) {
                tile = 9;
                ++expected;
            }
    QVERIFY(expected > 100);
    QCOMPARE(replacement.Count(both), expected);
    const LevelPlanes beforeOne(one.level());
    QCOMPARE(replacement.Apply(both), expected);
    QVERIFY(LevelPlanes(one.level()) == after[0]);
    QVERIFY(LevelPlanes(two.level()) == after[1]);
    QCOMPARE(two.document.undoStack().count(), 1);
    checkOneStep(one, beforeOne, "Replace Tile");
    // Nothing left to replace: no step.
    QCOMPARE(replacement.Apply(both), 0);
    QCOMPARE(one.document.undoStack().count(), 1);
    // An info value within a selection: Keen's start outside it stays.
    const CellReplacement start(CellChange::InfoPlane, 255, 0);
    const CellMask elsewhere = CellMask::OfRect(QSize(120, 21), QRect(10, 0, 20, 21));
    QCOMPARE(start.Count(one.level(), &elsewhere), 0);
    QCOMPARE(start.Apply(one.document), 1);
    QCOMPARE(one.document.undoStack().undoText(), QStringLiteral("Replace Value"));
}

GM_TEST_MAIN(tst_EditTools)
#include "tst_EditTools.moc"
