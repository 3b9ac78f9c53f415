// The edit tools in a real editor window, driven with real mouse and key
// events through a menu bar as the main window provides it: tool keys and
// their checked state, select, copy and paste through the system
// clipboard with the floating block's pixels, move, delete, fills and
// lines with their previews, spreadsheet and damaged clipboard text, the
// grid, hidden planes and Fit Level.
#include "EditToolBox.h"
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "ScriptedPrompts.h"
#include "SelectTool.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

namespace {

constexpr int Cell = 16; // cells at 1x zoom
// The tile a new level of episode 1 is filled with, its empty tile.
constexpr qint16 EmptyTile = 143;
using editortest::at;

struct Setup : editortest::EditingWindow {
    explicit Setup(int episode = 1) : EditingWindow(100, 60, qint16(episode)) {
        if (!editortest::installMenuBar(*window))
            qWarning("the window did not become active");
        // A recognisable 3 x 2 patch with a sprite value.
        for (int i = 0; i < 6; ++i)
            leveledit::setTile(*window, 2 + i % 3, 2 + i / 3, qint16(20 + i));
        leveledit::setInfo(*window, 3, 3, 5);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QTest::keyClick(drive(*window).canvas(), k, m);
    }
    void move(int cx, int cy, Qt::MouseButtons held = {}) {
        QMouseEvent e(QEvent::MouseMove, at(cx, cy),
                      drive(*window).canvas()->mapToGlobal(at(cx, cy)), Qt::NoButton, held, {});
        QApplication::sendEvent(drive(*window).canvas(), &e);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(drive(*window).canvas(), button, {}, at(from.x(), from.y()));
        move(to.x(), to.y(), button);
        QTest::mouseRelease(drive(*window).canvas(), button, {}, at(to.x(), to.y()));
    }
    QRgb pixel(QPoint p) const { return drive(*window).canvas()->Picture().pixel(p); }
    // The level alone, as the canvas shows it with no grid, selection or
    // floating block over it.
    QImage levelPicture() const {
        return editortest::canvasAt(*window, drive(*window).scrollX()->value(),
                                    drive(*window).scrollY()->value());
    }
    bool showsLevel() const { return editortest::canvasShowsLevel(*window); }
};

QRgb half(QRgb a, QRgb b) {
    return qRgb((qRed(a) >> 1) + (qRed(b) >> 1), (qGreen(a) >> 1) + (qGreen(b) >> 1),
                (qBlue(a) >> 1) + (qBlue(b) >> 1));
}

} // namespace

class tst_ToolsWindow : public QObject {
    Q_OBJECT

private slots:
    void toolKeysAndBar();
    void escGivesUpTheStamp();
    void sameTileAndWandShapeTheSelection();
    void copyAndFloatingPaste();
    void moveDeleteAndUndoNames();
    void pasteOnePlane_data();
    void pasteOnePlane();
    void fillsAndLinesWithPreview();
    void clipboardText();
    void gridHiddenPlanesAndFit();
};

void tst_ToolsWindow::toolKeysAndBar() {
    Setup w;
    const QList<QPair<Qt::Key, EditToolBox::Tool>> keys{
        {Qt::Key_M, EditToolBox::Select},        {Qt::Key_S, EditToolBox::SameTile},
        {Qt::Key_W, EditToolBox::MagicWand},     {Qt::Key_F, EditToolBox::BucketFill},
        {Qt::Key_R, EditToolBox::RectangleFill}, {Qt::Key_L, EditToolBox::Line},
        {Qt::Key_B, EditToolBox::Brush}};
    for (const auto& [key, tool] : keys) {
        w.key(key);
        QCOMPARE(w->Tools().CurrentKind(), tool);
        QVERIFY(w->Tools().ToolAction(tool)->isChecked());
    }
    QCOMPARE(drive(*w).widget<QToolBar>("toolBar")->actions().size(), 7);
    QCOMPARE(drive(*w).widget<QToolBar>("toolBar")->actions()[4]->toolTip().left(16),
             QStringLiteral("Bucket Fill (F):"));
    // Sprite mode: no bucket; a bucket in use gives way to the brush.
    w.key(Qt::Key_F);
    drive(*w).modeButton(1)->click();
    QCOMPARE(w->Tools().CurrentKind(), EditToolBox::Brush);
    QVERIFY(!w->Tools().ToolAction(EditToolBox::BucketFill)->isEnabled());
    w.key(Qt::Key_F);
    QCOMPARE(w->Tools().CurrentKind(), EditToolBox::Brush);
}

// Ctrl+drag with the brush takes the block under the drag as a stamp; Esc
// takes the brush back to its single tile; the selection can be the stamp.
void tst_ToolsWindow::escGivesUpTheStamp() {
    Setup w;
    QWidget* canvas = drive(*w).canvas();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::ControlModifier, at(2, 2));
    QMouseEvent move(QEvent::MouseMove, at(4, 3), canvas->mapToGlobal(at(4, 3)), Qt::NoButton,
                     Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::ControlModifier, at(4, 3));
    w.key(Qt::Key_Escape);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, at(40, 20));
    const Level& level = drive(*w).level();
    QCOMPARE(level.Tile(40, 20), qint16(25)); // picked last, at (4, 3)
    for (const QPoint& around : {QPoint(39, 20), QPoint(41, 20), QPoint(40, 19), QPoint(40, 21)})
        QCOMPARE(level.Tile(around.x(), around.y()), EmptyTile);

    // Edit, Use Selection as Stamp: the selected patch, sprite value and
    // all, is what the brush paints next.
    w.key(Qt::Key_M);
    w.drag({2, 2}, {4, 3});
    drive(*w).trigger("useSelectionAsStampAction");
    QCOMPARE(w->Tools().CurrentKind(), EditToolBox::Brush);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, at(60, 30));
    QPoint origin(-1, -1);
    for (int y = 27; y <= 33 && origin.x() < 0; ++y)
        for (int x = 57; x <= 63; ++x)
            if (level.Tile(x, y) == 20) {
                origin = {x, y};
                break;
            }
    QVERIFY(origin.x() >= 0);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(level.Tile(origin.x() + i % 3, origin.y() + i / 3), qint16(20 + i));
    QCOMPARE(level.Info(origin.x() + 1, origin.y() + 1), qint16(5));
}

// S and W with Shift and Ctrl make a selection of any shape that stays,
// drawn, under the brush; Delete empties its cells alone; Esc clears it.
void tst_ToolsWindow::sameTileAndWandShapeTheSelection() {
    Setup w;
    leveledit::setTile(*w, 40, 20, 21); // a second cell of the patch's tile 21
    QWidget* canvas = drive(*w).canvas();
    w.key(Qt::Key_S);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, at(3, 2));
    QCOMPARE(w->ToolStatusText().left(34), QStringLiteral("Selection 3,2: 38 x 19, 2 cells  S"));
    w.key(Qt::Key_W);
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::ShiftModifier, at(2, 2));
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::ControlModifier, at(40, 20));
    QVERIFY(w->ToolStatusText().startsWith("Selection 2,2: 2 x 1  Magic Wand: click"));
    w.key(Qt::Key_B);
    QVERIFY(!w.showsLevel());
    w.key(Qt::Key_Delete);
    const Level& level = w->Document().level();
    QCOMPARE(level.Tile(2, 2), EmptyTile);
    QCOMPARE(level.Tile(3, 2), EmptyTile);
    QCOMPARE(level.Tile(4, 2), qint16(22));
    QCOMPARE(level.Tile(40, 20), qint16(21));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Delete"));
    w.key(Qt::Key_Escape);
    QVERIFY(w.showsLevel());
}

void tst_ToolsWindow::copyAndFloatingPaste() {
    Setup w;
    w.key(Qt::Key_M);
    w.drag({4, 3}, {2, 2});
    QCOMPARE(w->ToolStatusText(), QStringLiteral("Selection 2,2: 3 x 2"));
    w.key(Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasFormat("application/x-gridmason-cells"));
    QCOMPARE(data->text(), QStringLiteral("20,21,22\n23,24,25\n\n0,0,0\n0,5,0\n"));

    // The block floats at the pointer, half see-through, until Esc.
    w.move(10, 5);
    w.key(Qt::Key_V, Qt::ControlModifier);
    w.move(12, 6);
    QVERIFY(w->Tools().Selector().IsFloating());
    const QImage level = w.levelPicture();
    const QPoint p = at(13, 6) + QPoint(-5, 3);     // in the block's tile 21
    const QPoint source = at(3, 2) + QPoint(-5, 3); // the same pixel of tile 21
    QCOMPARE(w.pixel(p), half(level.pixel(p), level.pixel(source)));
    QCOMPARE(w.pixel(at(15, 6)), level.pixel(at(15, 6))); // just right of it
    w.key(Qt::Key_Escape);
    QVERIFY(!w->Tools().Selector().IsFloating());
    QVERIFY(w.showsLevel() == false); // the selection's frame is still drawn
    w.key(Qt::Key_Escape);
    QVERIFY(w.showsLevel());

    // Paste again and put it down with Enter: both planes land, one step.
    w.key(Qt::Key_V, Qt::ControlModifier);
    w.move(30, 10);
    w.key(Qt::Key_Return);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(w->Document().level().Tile(30 + i % 3, 10 + i / 3), qint16(20 + i));
    QCOMPARE(w->Document().level().Info(31, 11), qint16(5));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Paste"));
    QCOMPARE(w->ToolStatusText(), QStringLiteral("Selection 30,10: 3 x 2"));

    // Into another episode's window: the numbers, and the status says so.
    Setup other(2);
    other.key(Qt::Key_V, Qt::ControlModifier);
    QVERIFY(other->ToolStatusText().contains("A block from episode 1: pasted as episode 2"));
    other.key(Qt::Key_Return);
    QCOMPARE(other->Document().level().Tile(1, 1), qint16(24));
}

void tst_ToolsWindow::moveDeleteAndUndoNames() {
    Setup w;
    w.key(Qt::Key_M);
    w.drag({2, 2}, {4, 3});
    w.drag({3, 2}, {8, 4}); // inside the selection: a move by (5, 2)
    QCOMPARE(w->Document().level().Tile(7, 4), qint16(20));
    QCOMPARE(w->Document().level().Info(8, 5), qint16(5));
    // The empty tile stays behind, not the right button's tile (9).
    QCOMPARE(w->Document().level().Tile(2, 2), qint16(EmptyTile));
    QCOMPARE(w->Document().level().Info(3, 3), qint16(0));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Move"));
    QVERIFY(w.showsLevel() == false);
    w.key(Qt::Key_Delete);
    QCOMPARE(w->Document().level().Tile(7, 4), qint16(EmptyTile));
    QCOMPARE(w->Document().level().Info(8, 5), qint16(0));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Delete"));
    // The Edit menu says what Delete and Cut leave.
    for (const char* name : {"deleteAction", "cutAction"})
        QVERIFY(w->findChild<QAction*>(name)->toolTip().contains("empty tile (143"));
    w.key(Qt::Key_Z, Qt::ControlModifier);
    w.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w->Document().level().Tile(2, 2), qint16(20));
    QCOMPARE(w->Document().level().Info(3, 3), qint16(5));
    w.key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(w.showsLevel());
}

void tst_ToolsWindow::pasteOnePlane_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("tiles"); // written, and shown while the block floats
    QTest::addColumn<QString>("undo");
    QTest::newRow("tiles only") << "Ctrl+Shift+V" << true << "&Undo Paste Tiles";
    QTest::newRow("sprites only") << "pasteSpritesAction" << false << "&Undo Paste Sprites";
}

// The 3 x 2 patch (sprite value 5 in its bottom middle cell) pasted with one
// plane onto cells holding the empty tile and an enemy (value 7).
void tst_ToolsWindow::pasteOnePlane() {
    QFETCH(QString, command);
    QFETCH(bool, tiles);
    QFETCH(QString, undo);
    Setup w;
    leveledit::setInfo(*w, 31, 11, 7);
    w.key(Qt::Key_M);
    w.drag({2, 2}, {4, 3});
    w.key(Qt::Key_C, Qt::ControlModifier);
    w.move(12, 6);
    if (command.startsWith("Ctrl"))
        QTest::keySequence(drive(*w).canvas(), QKeySequence(command));
    else
        w->findChild<QAction*>(command)->trigger();
    QVERIFY(w->Tools().Selector().IsFloating());

    // Floating at (12, 6): only the plane that will be written shows, half
    // see-through. Cell (13, 7) gets tile 24 and sprite 5 (fixture picture
    // 6), cell (12, 6) tile 20 and no sprite; the block's outline runs over
    // the cells' outer pixels.
    const QImage level = w.levelPicture();
    const QPoint sprite = at(13, 7) - QPoint(8, 8), bare = at(12, 6) - QPoint(8, 8);
    for (int py = 1; py < Cell - 1; ++py) {
        for (int px = 1; px < Cell - 1; ++px) {
            const QPoint p = sprite + QPoint(px, py), q = bare + QPoint(px, py);
            QRgb expected = level.pixel(p);
            if (tiles)
                expected = half(expected, fixtures::tilePixel(24, px, py));
            else if (!fixtures::spriteClear(6, px, py))
                expected = half(expected, fixtures::spritePixel(6, px, py));
            QCOMPARE(w.pixel(p), expected);
            QCOMPARE(w.pixel(q), tiles ? half(level.pixel(q), fixtures::tilePixel(20, px, py))
                                       : level.pixel(q));
        }
    }

    w.move(30, 10);
    w.key(Qt::Key_Return);
    QCOMPARE(w->Document().level().Tile(31, 11), tiles ? qint16(24) : EmptyTile);
    QCOMPARE(w->Document().level().Info(31, 11), qint16(tiles ? 7 : 5));
    QCOMPARE(drive(*w).action("undoAction")->text(), undo);
}

void tst_ToolsWindow::fillsAndLinesWithPreview() {
    Setup w;
    w.key(Qt::Key_R);
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, {}, at(3, 5));
    w.move(6, 7, Qt::RightButton);
    QCOMPARE(w->Document().level().Tile(5, 6), qint16(143)); // a preview only
    QVERIFY(!w.showsLevel());
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(6, 7));
    QCOMPARE(w->Document().level().Tile(5, 6), qint16(9));
    QCOMPARE(w->Document().level().Tile(7, 6), qint16(143));
    QVERIFY(w.showsLevel());
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Rectangle Fill"));

    w.key(Qt::Key_F);
    QTest::mouseClick(drive(*w).canvas(), Qt::LeftButton, {}, at(4, 6)); // the 9s just filled
    QCOMPARE(w->Document().level().Tile(3, 5), qint16(7));
    QCOMPARE(w->Document().level().Tile(6, 7), qint16(7));
    QCOMPARE(w->Document().level().Tile(10, 10), qint16(143));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Fill"));

    w.key(Qt::Key_L);
    w.drag({10, 20}, {14, 22});
    for (QPoint c : {QPoint(10, 20), QPoint(11, 21), QPoint(12, 21), QPoint(13, 22)})
        QCOMPARE(w->Document().level().Tile(c.x(), c.y()), qint16(7));
    QCOMPARE(w->Document().level().Tile(11, 20), qint16(143));
    QCOMPARE(drive(*w).action("undoAction")->text(), QStringLiteral("&Undo Line"));
    // Ctrl+click picks in the line tool too.
    QTest::mouseClick(drive(*w).canvas(), Qt::RightButton, Qt::ControlModifier, at(2, 2));
    QCOMPARE(w->SelectedTile(1), qint16(20));
}

void tst_ToolsWindow::clipboardText() {
    Setup w;
    ScriptedPrompts prompts;
    ScopedPrompts installed(prompts);
    QGuiApplication::clipboard()->setText("5\t6\r\n7\t8\r\n");
    w.move(20, 10);
    w.key(Qt::Key_V, Qt::ControlModifier);
    w.key(Qt::Key_Enter);
    QCOMPARE(w->Document().level().Tile(21, 11), qint16(8));
    QCOMPARE(w->Document().level().Info(21, 11), qint16(0));
    // Tiles only: the sprite value under the block stays. A click puts the
    // block down where it is.
    w.key(Qt::Key_V, Qt::ControlModifier);
    w.move(2, 2);
    QTest::mouseClick(drive(*w).canvas(), Qt::LeftButton, {}, at(2, 2));
    QCOMPARE(w->Document().level().Tile(3, 3), qint16(8));
    QCOMPARE(w->Document().level().Info(3, 3), qint16(5));
    // Those numbers hold no sprites to paste alone.
    w->findChild<QAction*>("pasteSpritesAction")->trigger();
    QCOMPARE(prompts.messages.size(), size_t(1));
    QVERIFY(prompts.messages[0].text.contains("hold tiles only"));
    QVERIFY(!w->Tools().Selector().IsFloating());
    prompts.messages.clear();

    const int steps = w->Document().undoStack().count();
    QGuiApplication::clipboard()->setText("1,2\n3\n");
    w.key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(prompts.messages.size(), size_t(1));
    QVERIFY(prompts.messages[0].text.contains("line 2 has 1 values where the lines before it "
                                              "have 2"));
    QVERIFY(!w->Tools().Selector().IsFloating());
    QCOMPARE(w->Document().undoStack().count(), steps);
}

void tst_ToolsWindow::gridHiddenPlanesAndFit() {
    Setup w;
    const QImage level = w.levelPicture();
    w.key(Qt::Key_G);
    QVERIFY(drive(*w).action("gridAction")->isChecked());
    const QPoint corner(5 * Cell, 4 * Cell), inside = corner + QPoint(1, 1);
    QCOMPARE(w.pixel(corner), half(level.pixel(corner), 0xFF000000));
    QCOMPARE(w.pixel(inside), level.pixel(inside));
    // Past the level's last column and row the canvas keeps its background.
    drive(*w).scrollX()->setValue(drive(*w).scrollX()->maximum());
    drive(*w).scrollY()->setValue(drive(*w).scrollY()->maximum());
    const QPoint beyond((100 - drive(*w).scrollX()->value()) * Cell,
                        (60 - drive(*w).scrollY()->value()) * Cell);
    QVERIFY(beyond.x() < drive(*w).canvas()->ScaleWidth() &&
            beyond.y() < drive(*w).canvas()->ScaleHeight());
    QCOMPARE(w.pixel(beyond), w.levelPicture().pixel(beyond));
    QCOMPARE(w.pixel(beyond - QPoint(Cell, Cell)),
             half(w.levelPicture().pixel(beyond - QPoint(Cell, Cell)), 0xFF000000));
    drive(*w).scrollX()->setValue(0);
    drive(*w).scrollY()->setValue(0);
    drive(*w).action("zoomOutAction")->trigger(); // no grid below 1x
    QVERIFY(w.showsLevel());
    drive(*w).action("actualSizeAction")->trigger();
    w.key(Qt::Key_G);

    drive(*w).action("showTilesAction")->trigger();
    QCOMPARE(w.pixel(inside), qRgb(0, 0, 0));
    QVERIFY(w->ToolStatusText().contains("Tiles are hidden"));
    w.key(Qt::Key_B);
    QTest::mouseClick(drive(*w).canvas(), Qt::LeftButton, {}, at(5, 4));
    QCOMPARE(w->Document().level().Tile(5, 4), qint16(7)); // still edits
    drive(*w).action("showTilesAction")->trigger();
    QVERIFY(w.showsLevel());
    // Without sprites: the picture of the level with no info values.
    drive(*w).action("showSpritesAction")->trigger();
    Level bare = w->Document().level();
    for (int y = 0; y < bare.Height(); ++y)
        for (int x = 0; x < bare.Width(); ++x)
            bare.SetInfo(x, y, 0);
    Surface expected(drive(*w).canvas()->ScaleWidth(), drive(*w).canvas()->ScaleHeight());
    bare.Display(expected, 0, 0, w->Tiles(), w->Sprites(), ZoomLevel());
    QCOMPARE(drive(*w).canvas()->Picture(), expected.image());
    QVERIFY(expected.image() != w.levelPicture()); // sprite 5 at (3, 3) is gone
    QVERIFY(w->ToolStatusText().isEmpty());        // tile mode edits the tiles, which show
    drive(*w).modeButton(1)->click();
    QVERIFY(w->ToolStatusText().contains("Sprites are hidden"));
    drive(*w).modeButton(0)->click();
    drive(*w).action("showSpritesAction")->trigger();
    QVERIFY(w.showsLevel());

    // 100 x 60 cells in a 583 x 345 canvas: 4-pixel cells (zoom -2).
    w.key(Qt::Key_9, Qt::ControlModifier);
    QCOMPARE(w->CanvasZoom().Exponent(), -2);
    QCOMPARE(drive(*w).scrollX()->value(), 0);
}

GM_TEST_MAIN(tst_ToolsWindow)
#include "tst_ToolsWindow.moc"
