// The level document and the brush, without any window: strokes as undo
// steps merged write by write, the modified state following the stack's
// clean state, the cells each change announces, load and save of a real
// level, and what the brush does with each button and modifier.
#include "BrushSelection.h"
#include "BrushTool.h"
#include "LevelDocument.h"
#include "LevelPlanes.h"
#include "TestFiles.h"
#include "TestMain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_LevelDocument : public QObject {
    Q_OBJECT
private slots:
    void strokes_data();
    void strokes();
    void undoAnnouncesTheStepsCells();
    void replaceLevelIsOneStep();
    void realLevelSavesAndLoadsBack();
    void failedLoadLeavesAnEmptyUnnamedLevel();
    void restoredLevelStaysModifiedUntilSaved();
    void brush_data();
    void brush();
    void brushDragWhenTheStackMoves_data();
    void brushDragWhenTheStackMoves();
};

namespace {

// The cells the stroke tests write, tile 7 over the new level's 143.
const QPoint StrokeCells[] = {{3, 4}, {4, 4}, {9, 6}};

// The tiles of the stroke cells as text: "7" for 7, "." for 143.
QString strokeTiles(const Level& level) {
    QString text;
    for (const QPoint& cell : StrokeCells)
        text += level.Tile(cell.x(), cell.y()) == 7 ? QLatin1Char('7') : QLatin1Char('.');
    return text;
}

} // namespace

// Each step of `steps`: [ opens a stroke, ] ends it, a b c write tile 7
// into the stroke cells and A B C write 143 back, u undoes, r redoes, s
// saves. `tiles` are then the stroke cells' tiles in the level and `saved`
// in the file (empty when never saved).
void tst_LevelDocument::strokes_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("tiles");
    QTest::addColumn<QString>("saved");
    const auto row = [](const char* name, const char* steps, int count, int index, bool modified,
                        bool open, const char* tiles, const char* saved = "") {
        QTest::newRow(name) << steps << count << index << modified << open << tiles << saved;
    };
    row("a stroke is one step", "[abc]", 1, 1, true, false, "777");
    row("an open stroke's step is there", "[ab", 1, 1, true, true, "77.");
    row("painted back, no step", "[aA]", 0, 0, false, false, "...");
    row("painted back over a step", "[a][bB]", 1, 1, true, false, "7..");
    row("partly painted back", "[abA]", 1, 1, true, false, ".7.");
    row("two strokes, two steps", "[a][b]", 2, 2, true, false, "77.");
    row("writes outside a stroke", "ab", 2, 2, true, false, "77.");
    row("undone whole", "[ab]u", 1, 0, false, false, "...");
    row("redone whole", "[ab]ur", 1, 1, true, false, "77.");
    row("undo ends the stroke", "[abu", 1, 0, false, false, "...");
    row("nothing written keeps redo", "[a]u[A]", 1, 0, false, false, "...");
    row("saved in a stroke", "[asb]", 2, 2, true, false, "77.", "7..");
    row("saved in a stroke, going on", "[as", 1, 1, false, true, "7..", "7..");
    row("saved in a stroke, rest undone", "[asb]u", 2, 1, false, false, "7..", "7..");
    row("saved in a stroke, rest painted back", "[asbB]", 1, 1, false, false, "7..", "7..");
    row("saved in a stroke, then back to before", "[asA]", 2, 2, true, false, "...", "7..");
    row("undone past the save", "[a]su", 1, 0, true, false, "...", "7..");
    row("undone past the save, redone", "[a]sur", 1, 1, false, false, "7..", "7..");
    row("undone past the save, a new stroke", "[a]su[b]", 1, 1, true, false, ".7.", "7..");
}

void tst_LevelDocument::strokes() {
    QFETCH(QString, steps);
    QTemporaryDir dir;
    const QString file = dir.filePath("LEVEL01.CK1");
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    // Every announcement says the state changed, and what it is now.
    bool announced = false;
    connect(&doc, &LevelDocument::modifiedChanged, this, [&](bool modified) {
        QVERIFY(modified != announced);
        announced = modified;
    });
    for (const QChar step : steps) {
        const char c = step.toLatin1();
        if (c >= 'a' && c <= 'c')
            doc.SetCell(CellChange::TilePlane, StrokeCells[c - 'a'].x(), StrokeCells[c - 'a'].y(),
                        7);
        else if (c >= 'A' && c <= 'C')
            doc.SetCell(CellChange::TilePlane, StrokeCells[c - 'A'].x(), StrokeCells[c - 'A'].y(),
                        143);
        else if (c == '[')
            doc.BeginStroke();
        else if (c == ']')
            doc.EndStroke();
        else if (c == 'u')
            doc.undoStack().undo();
        else if (c == 'r')
            doc.undoStack().redo();
        else if (c == 's')
            QVERIFY(doc.Save(file));
    }
    QTEST(doc.undoStack().count(), "count");
    QTEST(doc.undoStack().index(), "index");
    QTEST(doc.isModified(), "modified");
    QCOMPARE(announced, doc.isModified());
    QTEST(doc.StrokeOpen(), "open");
    QTEST(strokeTiles(doc.level()), "tiles");
    QFETCH(QString, saved);
    if (!saved.isEmpty()) {
        Level written;
        QVERIFY(written.Load(file));
        QCOMPARE(strokeTiles(written), saved);
    }
    QCOMPARE(doc.undoStack().undoText(),
             doc.undoStack().canUndo() ? QStringLiteral("Paint") : QString());
}

void tst_LevelDocument::undoAnnouncesTheStepsCells() {
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    QSignalSpy cells(&doc, &LevelDocument::cellsChanged);
    doc.BeginStroke();
    doc.SetCell(CellChange::TilePlane, 3, 4, 7);
    doc.SetCell(CellChange::InfoPlane, 9, 6, 5);
    doc.SetCell(CellChange::TilePlane, 50, 4, 7); // outside: ignored
    QCOMPARE(cells.count(), 2);
    QCOMPARE(cells.at(0).at(0).toRect(), QRect(3, 4, 1, 1));
    QCOMPARE(cells.at(1).at(0).toRect(), QRect(9, 6, 1, 1));
    doc.EndStroke();
    cells.clear();
    doc.undoStack().undo();
    QCOMPARE(doc.level().Tile(3, 4), qint16(143));
    QCOMPARE(doc.level().Info(9, 6), qint16(0));
    // One signal for the block both cells lie in.
    QCOMPARE(cells.count(), 1);
    QCOMPARE(cells.at(0).at(0).toRect(), QRect(3, 4, 7, 3));
    doc.undoStack().redo();
    QCOMPARE(doc.level().Tile(3, 4), qint16(7));
    QCOMPARE(doc.level().Info(9, 6), qint16(5));
}

void tst_LevelDocument::replaceLevelIsOneStep() {
    LevelDocument doc;
    doc.NewLevel(30, 20, 1, 5);
    doc.SetCell(CellChange::TilePlane, 29, 19, 33);
    Level smaller = doc.level();
    smaller.Resize(20, 10);
    smaller.SetEpisode(3);
    QSignalSpy replaced(&doc, &LevelDocument::levelReplaced);
    doc.ReplaceLevel(doc.level(), QStringLiteral("Properties")); // the same: no step
    QCOMPARE(doc.undoStack().count(), 1);
    doc.ReplaceLevel(smaller, QStringLiteral("Properties"));
    QCOMPARE(doc.undoStack().undoText(), QStringLiteral("Properties"));
    QCOMPARE(doc.level().Width(), qint16(20));
    doc.undoStack().undo();
    // The cut-off cell comes back exactly.
    QCOMPARE(doc.level().Width(), qint16(30));
    QCOMPARE(doc.level().Tile(29, 19), qint16(33));
    QCOMPARE(doc.level().Episode(), qint16(1));
    QCOMPARE(replaced.count(), 2);
}

void tst_LevelDocument::realLevelSavesAndLoadsBack() {
    GM_REQUIRE_REAL_DATA();
    QTemporaryDir dir;
    LevelDocument doc;
    QVERIFY(doc.Load(realDataDir() + "/LEVEL02.CK1"));
    QVERIFY(doc.level() == realLevel("LEVEL02.CK1"));
    doc.SetCell(CellChange::TilePlane, 12, 15, 211);
    const QString copy = dir.filePath("LEVEL02.CK1");
    QVERIFY(doc.Save(copy));
    LevelDocument again;
    QVERIFY(again.Load(copy));
    QVERIFY(again.level() == doc.level());
    QCOMPARE(again.level().Tile(12, 15), qint16(211));
}

void tst_LevelDocument::failedLoadLeavesAnEmptyUnnamedLevel() {
    QTemporaryDir dir;
    const QString damaged = dir.filePath("LEVEL03.CK1");
    QVERIFY(writeFile(damaged, QByteArray("\x05\x00", 2)));
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    const IoResult result = doc.Load(damaged);
    QVERIFY(!result);
    QVERIFY(result.error.contains("LEVEL03.CK1"));
    QCOMPARE(doc.level().Width(), qint16(0));
    QVERIFY(doc.fileName().isEmpty());
    QVERIFY(!doc.isModified());
}

// A level restored from a recovery copy differs from its file however far
// the user undoes, until it is saved.
void tst_LevelDocument::restoredLevelStaysModifiedUntilSaved() {
    QTemporaryDir dir;
    Level recovered;
    recovered.Create(20, 10, 1, 4);
    LevelDocument doc;
    doc.Restore(recovered, dir.filePath("LEVEL04.CK1"));
    QVERIFY(doc.isModified());
    doc.SetCell(CellChange::TilePlane, 6, 6, 9);
    doc.undoStack().undo();
    QVERIFY(doc.isModified());
    QVERIFY(doc.Save(doc.fileName()));
    QVERIFY(!doc.isModified());
}

void tst_LevelDocument::brush_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("selected");  // the selected sprite before
    QTest::addColumn<int>("tile");      // the cell's tile after
    QTest::addColumn<int>("info");      // its info after (it holds 6 before)
    QTest::addColumn<int>("slot0");     // the left button's tile after
    QTest::addColumn<int>("slot1");     // the right button's tile after
    QTest::addColumn<int>("sprite");    // the selected sprite after
    QTest::addColumn<QString>("value"); // what the value box is asked to read
    const int L = Qt::LeftButton, R = Qt::RightButton, M = Qt::MiddleButton, X = Qt::BackButton;
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier,
              alt = Qt::AltModifier, meta = Qt::MetaModifier;
    // The cell holds tile 12 and info 6; tiles 7 / 9 and the given sprite
    // selected.
    // clang-format off
    QTest::newRow("tile, left keeps info")         << 0 << L << none           << 4 << 7  << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, right")                   << 0 << R << none           << 4 << 9  << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, middle paints slot 0")    << 0 << M << none           << 4 << 7  << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, back button: slot 0")     << 0 << X << none           << 4 << 7  << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, meta is not a modifier")  << 0 << L << meta           << 4 << 7  << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, ctrl+left picks")         << 0 << L << ctrl           << 4 << 12 << 6   << 12 << 9  << 4 << "-";
    QTest::newRow("tile, ctrl+right picks")        << 0 << R << ctrl           << 4 << 12 << 6   << 7  << 12 << 4 << "-";
    QTest::newRow("tile, ctrl+middle picks")       << 0 << M << ctrl           << 4 << 12 << 6   << 12 << 9  << 4 << "-";
    QTest::newRow("tile, shift does nothing")      << 0 << L << shift          << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, alt+right nothing")       << 0 << R << alt            << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("tile, ctrl+shift nothing")      << 0 << L << (ctrl | shift) << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite, left places 4")         << 1 << L << none           << 4 << 12 << 4   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite 0 places 255")           << 1 << L << none           << 0 << 12 << 255 << 7  << 9  << 0 << "-";
    QTest::newRow("sprite, right erases")          << 1 << R << none           << 4 << 12 << 0   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite, middle nothing")        << 1 << M << none           << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite, back button nothing")   << 1 << X << none           << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite, ctrl picks 6")          << 1 << L << ctrl           << 4 << 12 << 6   << 7  << 9  << 6 << "";
    QTest::newRow("sprite, ctrl+right picks 6")    << 1 << R << ctrl           << 4 << 12 << 6   << 7  << 9  << 6 << "";
    QTest::newRow("sprite, shift+left nothing")    << 1 << L << shift          << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite, alt+right nothing")     << 1 << R << alt            << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    QTest::newRow("sprite, ctrl+alt nothing")      << 1 << L << (ctrl | alt)   << 4 << 12 << 6   << 7  << 9  << 4 << "-";
    // clang-format on
}

void tst_LevelDocument::brush() {
    QFETCH(int, mode);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    QFETCH(int, selected);
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    doc.SetCell(CellChange::TilePlane, 5, 4, 12);
    doc.SetCell(CellChange::InfoPlane, 5, 4, 6);
    BrushSelection selection;
    selection.SetSpriteCount(19);
    selection.SetMode(mode);
    selection.SetTile(0, 7);
    selection.SetTile(1, 9);
    selection.SetSprite(qint16(selected));
    QString value = QStringLiteral("-");
    connect(&selection, &BrushSelection::valuePicked, this, [&](const QString& t) { value = t; });
    BrushTool brush(doc, selection);
    const int steps = doc.undoStack().count();
    const ToolEvent event{
        5, 4, true, Qt::MouseButton(button), {}, Qt::KeyboardModifiers(modifiers)};
    brush.Press(event);
    QVERIFY(brush.Dragging());
    brush.Release(event);
    QVERIFY(!brush.Dragging());
    QTEST(int(doc.level().Tile(5, 4)), "tile");
    QTEST(int(doc.level().Info(5, 4)), "info");
    QTEST(int(selection.Tile(0)), "slot0");
    QTEST(int(selection.Tile(1)), "slot1");
    QTEST(int(selection.Sprite()), "sprite");
    QTEST(value, "value");
    // A step exactly when the cell changed.
    const bool changed = doc.level().Tile(5, 4) != 12 || doc.level().Info(5, 4) != 6;
    QCOMPARE(doc.undoStack().count(), steps + (changed ? 1 : 0));
    QCOMPARE(brush.PointerFor(Qt::KeyboardModifiers(modifiers)) == EditTool::Pointer::Pick,
             modifiers == int(Qt::ControlModifier));
}

// What comes between the cells of a drag: an undo or another step ends
// it (the button still held paints nothing more), a save does not.
void tst_LevelDocument::brushDragWhenTheStackMoves_data() {
    QTest::addColumn<QString>("between");
    QTest::addColumn<bool>("dragging");
    QTest::addColumn<QString>("tiles"); // cells 2 to 5 of row 2 after the drag
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::newRow("undo") << "undo" << false << "...." << 1 << 0;
    QTest::newRow("another step") << "step" << false << "77.." << 2 << 2;
    QTest::newRow("save") << "save" << true << "7777" << 2 << 2;
}

void tst_LevelDocument::brushDragWhenTheStackMoves() {
    QFETCH(QString, between);
    QTemporaryDir dir;
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    BrushSelection selection;
    selection.SetTile(0, 7);
    BrushTool brush(doc, selection);
    brush.Press({2, 2, true, Qt::LeftButton});
    brush.Move({3, 2, true, Qt::NoButton, Qt::LeftButton});
    if (between == "undo")
        doc.undoStack().undo();
    else if (between == "step")
        doc.ApplyEdit("Fill", {CellChange{CellChange::TilePlane, 9, 9, 143, 9}});
    else
        QVERIFY(doc.Save(dir.filePath("LEVEL01.CK1")));
    QTEST(brush.Dragging(), "dragging");
    brush.Move({5, 2, true, Qt::NoButton, Qt::LeftButton});
    brush.Release({5, 2, true, Qt::LeftButton});
    QString tiles;
    for (int x = 2; x <= 5; ++x)
        tiles += doc.level().Tile(x, 2) == 7 ? QLatin1Char('7') : QLatin1Char('.');
    QTEST(tiles, "tiles");
    QTEST(doc.undoStack().count(), "count");
    QTEST(doc.undoStack().index(), "index");
}

GM_TEST_GUILESS_MAIN(tst_LevelDocument)
#include "tst_LevelDocument.moc"
