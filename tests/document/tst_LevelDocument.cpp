// The level document and the brush, without any window: strokes as undo
// steps, the modified state following the stack's clean state, the cells
// each change announces, load and save of a real level, and what the brush
// does with each button and modifier.
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
    void strokeIsOneStepAndUndoAnnouncesItsCells();
    void modifiedFollowsTheCleanState();
    void replaceLevelIsOneStep();
    void realLevelSavesAndLoadsBack();
    void failedLoadLeavesAnEmptyUnnamedLevel();
    void restoredLevelStaysModifiedUntilSaved();
    void brush_data();
    void brush();
};

void tst_LevelDocument::strokeIsOneStepAndUndoAnnouncesItsCells() {
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    QSignalSpy cells(&doc, &LevelDocument::cellsChanged);
    doc.BeginStroke();
    doc.SetCell(CellChange::TilePlane, 3, 4, 7);
    doc.SetCell(CellChange::InfoPlane, 9, 6, 5);
    doc.SetCell(CellChange::TilePlane, 50, 4, 7); // outside: ignored
    QCOMPARE(cells.count(), 2);
    QCOMPARE(cells.at(0).at(0).toRect(), QRect(3, 4, 1, 1));
    QVERIFY(doc.StrokeChanged());
    QCOMPARE(doc.undoStack().count(), 0);
    doc.EndStroke();
    QCOMPARE(doc.undoStack().count(), 1);
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

void tst_LevelDocument::modifiedFollowsTheCleanState() {
    QTemporaryDir dir;
    LevelDocument doc;
    doc.NewLevel(20, 10, 1, 1);
    QSignalSpy modified(&doc, &LevelDocument::modifiedChanged);
    QVERIFY(!doc.isModified());
    doc.BeginStroke();
    doc.SetCell(CellChange::TilePlane, 5, 5, 143); // what it holds: no change
    QVERIFY(!doc.isModified());
    doc.SetCell(CellChange::TilePlane, 5, 5, 9);
    QVERIFY(doc.isModified()); // during the stroke already
    doc.EndStroke();
    QVERIFY(doc.isModified());
    QVERIFY(doc.Save(dir.filePath("LEVEL01.CK1")));
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.fileName(), dir.filePath("LEVEL01.CK1"));
    doc.undoStack().undo();
    QVERIFY(doc.isModified());
    doc.undoStack().redo();
    QVERIFY(!doc.isModified());
    QCOMPARE(modified.count(), 4);
    QCOMPARE(modified.last().at(0).toBool(), false);
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

GM_TEST_GUILESS_MAIN(tst_LevelDocument)
#include "tst_LevelDocument.moc"
