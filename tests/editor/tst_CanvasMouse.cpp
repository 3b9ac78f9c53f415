// Editing with the mouse on the canvas of a real editor window: a press's
// button and modifiers reaching the tool, drags (with two buttons, with
// Ctrl), the position label and the pick pointer, all sent as real mouse
// events.
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "LevelEdits.h"
#include "PictureBox.h"
#include "TestData.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"
#include "graphics/GraphicsFixtures.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

constexpr QRgb Marker = 0xFF123456;
constexpr int Cell = 16; // drawn cell size at 1x zoom
using editortest::at;
using editortest::drag;
using editortest::hover;

void markCanvas(LevelEditorWindow& window) {
    drive(window).canvas()->surface().image().fill(Marker);
}
// Whether cell (cx, cy) was drawn again.
bool canvasRedrawn(LevelEditorWindow& window, int cx = 5, int cy = 4) {
    return drive(window).canvas()->Picture().pixel(at(cx, cy)) != Marker;
}

using Setup = editortest::EditingWindow;

} // namespace

class tst_CanvasMouse : public QObject {
    Q_OBJECT
private slots:
    void press_data();
    void press();
    void pressOutsideLevelChangesNothing();
    void dragPaintsAndSurvivesLeavingTheLevel();
    void dragStartingOutsidePaintsNothing();
    void fastDragPaintsEveryCellOnTheLine_data();
    void fastDragPaintsEveryCellOnTheLine();
    void dragWithTwoButtons_data();
    void dragWithTwoButtons();
    void dragWithCtrlKeepsPicking();
    void movesWithoutButtonOnlyShowPosition();
    void positionLabel();
    void pickPointer();
    void highZoomAndFarPointer();
    void paintOnRealLevel();
};

// What each button and modifier does to a cell is the brush's table in
// tst_LevelDocument; here the window hands Qt's button and modifiers of a
// real press to the tool and shows what changed.
void tst_CanvasMouse::press_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("tile");      // expected tile after
    QTest::addColumn<int>("infoAfter"); // expected info after
    QTest::addColumn<int>("sel1");
    QTest::addColumn<int>("sprite");
    QTest::addColumn<bool>("redrawn");
    const int R = Qt::RightButton, L = Qt::LeftButton;
    const int none = Qt::NoModifier, ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    // The cell holds tile 12 and info 6; selections 7 / 9 and sprite 4.
    // clang-format off
    QTest::newRow("tile, right")          << 0 << R << none << 9  << 6 << 9 << 4 << true;
    QTest::newRow("sprite, ctrl+right")   << 1 << R << ctrl << 12 << 6 << 9 << 6 << false;
    QTest::newRow("tile, ctrl+shift")     << 0 << L << (ctrl | shift) << 12 << 6 << 9 << 4 << false;
    // clang-format on
}

void tst_CanvasMouse::press() {
    QFETCH(int, mode);
    QFETCH(int, button);
    QFETCH(int, modifiers);
    Setup w;
    drive(*w).modeButton(mode)->click();
    QCOMPARE(w->Mode(), qint16(mode));
    leveledit::setTile(*w, 5, 4, 12);
    leveledit::setInfo(*w, 5, 4, 6);
    const Level before = w->Document().level();
    markCanvas(*w);

    QTest::mousePress(drive(*w).canvas(), Qt::MouseButton(button), Qt::KeyboardModifiers(modifiers),
                      at(5, 4));

    QTEST(int(w->Document().level().Tile(5, 4)), "tile");
    QTEST(int(w->Document().level().Info(5, 4)), "infoAfter");
    QTEST(int(w->SelectedTile(1)), "sel1");
    QTEST(int(w->SelectedSprite()), "sprite");
    QTEST(canvasRedrawn(*w), "redrawn");
    // Nothing but that cell changes.
    Level expected = before;
    expected.SetTile(5, 4, w->Document().level().Tile(5, 4));
    expected.SetInfo(5, 4, w->Document().level().Info(5, 4));
    QVERIFY(w->Document().level() == expected);
    // Every press inside the level starts a drag; only one that changed
    // the level makes it modified (a pick does not).
    const bool changed = !(w->Document().level() == before);
    QCOMPARE(w->IsModified(), changed);
    QVERIFY(w->Drawing());
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 5, 4"));
    QTest::mouseRelease(drive(*w).canvas(), Qt::MouseButton(button),
                        Qt::KeyboardModifiers(modifiers), at(5, 4));
    QVERIFY(!w->Drawing());
    QCOMPARE(w->IsModified(), changed);
}

void tst_CanvasMouse::pressOutsideLevelChangesNothing() {
    // A 24 x 17 level on a canvas of 36 x 21 cells.
    Setup w(24, 17);
    const Level before = w->Document().level();
    markCanvas(*w);
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(24, 3));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 24, 3"));
    QVERIFY(!w->IsModified());
    QVERIFY(!w->Drawing());
    QVERIFY(!canvasRedrawn(*w));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(24, 3));
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, Qt::ControlModifier, at(3, 17));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 3, 17"));
    QCOMPARE(w->SelectedTile(1), qint16(9));
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(3, 17));
    QVERIFY(w->Document().level() == before);
    QVERIFY(!w->IsModified());
}

void tst_CanvasMouse::dragPaintsAndSurvivesLeavingTheLevel() {
    Setup w(24, 17);
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(2, 2));
    QCOMPARE(w->Document().level().Tile(2, 2), qint16(7));
    drag(drive(*w).canvas(), at(3, 2));
    drag(drive(*w).canvas(), at(5, 3));
    QCOMPARE(w->Document().level().Tile(3, 2), qint16(7));
    QCOMPARE(w->Document().level().Tile(5, 3), qint16(7));
    QCOMPARE(w->Document().level().Tile(4, 2), qint16(143)); // cells off the line stay
    // Out of the level to the right, then out of the canvas to the left.
    drag(drive(*w).canvas(), at(30, 3));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QString());
    drag(drive(*w).canvas(), QPoint(-40, 50));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QString());
    QVERIFY(w->Drawing());
    // Back inside: painting goes on, and the canvas shows it at once.
    markCanvas(*w);
    drag(drive(*w).canvas(), at(10, 8));
    QCOMPARE(w->Document().level().Tile(10, 8), qint16(7));
    QCOMPARE(drive(*w).canvas()->Picture().pixel(10 * Cell, 8 * Cell),
             fixtures::tilePixel(7, 0, 0));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 10, 8"));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(10, 8));
    QVERIFY(!w->Drawing());
    // After the release, moves no longer paint.
    hover(drive(*w).canvas(), at(11, 8));
    QCOMPARE(w->Document().level().Tile(11, 8), qint16(143));
}

void tst_CanvasMouse::dragStartingOutsidePaintsNothing() {
    Setup w(24, 17);
    const Level before = w->Document().level();
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(26, 5));
    drag(drive(*w).canvas(), at(20, 5));
    drag(drive(*w).canvas(), at(10, 5));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 10, 5"));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(10, 5));
    QVERIFY(w->Document().level() == before);
    QVERIFY(!w->IsModified());
}

void tst_CanvasMouse::fastDragPaintsEveryCellOnTheLine_data() {
    using Cells = QList<QPoint>;
    QTest::addColumn<int>("mode");
    QTest::addColumn<Cells>("pointer"); // the press, then one move each
    QTest::addColumn<Cells>("painted");
    Cells row5;
    for (int x = 2; x <= 22; ++x)
        row5 << QPoint(x, 5);
    const Cells eightMoves{{2, 5},  {5, 5},  {8, 5},  {10, 5}, {13, 5},
                           {15, 5}, {18, 5}, {20, 5}, {22, 5}};
    QTest::newRow("21 cells in 8 moves, tiles") << 0 << eightMoves << row5;
    QTest::newRow("21 cells in 8 moves, sprites") << 1 << eightMoves << row5;
    QTest::newRow("diagonal jump")
        << 0 << Cells{{1, 1}, {5, 5}} << Cells{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    QTest::newRow("steep jump") << 1 << Cells{{3, 1}, {5, 6}}
                                << Cells{{3, 1}, {3, 2}, {4, 3}, {4, 4}, {5, 5}, {5, 6}};
    // The level is 24 x 17: out at the right edge, along outside, back in.
    QTest::newRow("leaving and coming back")
        << 0 << Cells{{20, 5}, {30, 5}, {30, 10}, {21, 10}}
        << Cells{{20, 5}, {21, 5}, {22, 5}, {23, 5}, {23, 10}, {22, 10}, {21, 10}};
}

void tst_CanvasMouse::fastDragPaintsEveryCellOnTheLine() {
    using Cells = QList<QPoint>;
    QFETCH(int, mode);
    QFETCH(Cells, pointer);
    QFETCH(Cells, painted);
    Setup w(24, 17);
    drive(*w).modeButton(mode)->click();
    Level expected = w->Document().level();
    for (const QPoint& cell : painted) {
        if (mode == 0)
            expected.SetTile(cell.x(), cell.y(), 7);
        else
            expected.SetInfo(cell.x(), cell.y(), 4);
    }
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(pointer[0].x(), pointer[0].y()));
    for (int i = 1; i < pointer.size(); ++i)
        drag(drive(*w).canvas(), at(pointer[i].x(), pointer[i].y()));
    // The canvas shows the last stroke at once.
    const QPoint last = painted.back();
    const QRgb shown = drive(*w).canvas()->Picture().pixel(last.x() * Cell, last.y() * Cell);
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {},
                        at(pointer.back().x(), pointer.back().y()));
    QVERIFY(w->Document().level() == expected);
    if (mode == 0)
        QCOMPARE(shown, fixtures::tilePixel(7, 0, 0));
}

void tst_CanvasMouse::dragWithTwoButtons_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("tile mode") << 0;
    QTest::newRow("sprite mode") << 1;
}

void tst_CanvasMouse::dragWithTwoButtons() {
    QFETCH(int, mode);
    Setup w;
    drive(*w).modeButton(mode)->click();
    leveledit::setInfo(*w, 8, 8, 6);
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(2, 2));
    // The second button's own press acts as a right press on its cell.
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, {}, at(3, 2));
    if (mode == 0)
        QCOMPARE(w->Document().level().Tile(3, 2), qint16(9));
    else
        QCOMPARE(w->Document().level().Info(3, 2), qint16(0));
    // Moving with both held (buttons 3): selection 0 in tile mode, drawn
    // again; no change in sprite mode.
    markCanvas(*w);
    drag(drive(*w).canvas(), at(8, 8));
    QCOMPARE(canvasRedrawn(*w, 8, 8), mode == 0);
    if (mode == 0) {
        QCOMPARE(w->Document().level().Tile(8, 8), qint16(7));
    } else {
        QCOMPARE(w->Document().level().Info(8, 8), qint16(6));
        QCOMPARE(w->Document().level().Tile(8, 8), qint16(143));
    }
    // Any release ends the drag, though a button is still held.
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(8, 8));
    QVERIFY(!w->Drawing());
    drag(drive(*w).canvas(), at(9, 8));
    QCOMPARE(w->Document().level().Tile(9, 8), qint16(143));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(9, 8));
}

void tst_CanvasMouse::dragWithCtrlKeepsPicking() {
    Setup w;
    leveledit::setTile(*w, 4, 4, 20);
    leveledit::setTile(*w, 6, 4, 30);
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, Qt::ControlModifier, at(4, 4));
    QCOMPARE(w->SelectedTile(1), qint16(20));
    drag(drive(*w).canvas(), at(6, 4), Qt::ControlModifier);
    QCOMPARE(w->SelectedTile(1), qint16(30));
    QCOMPARE(drive(*w).tileLabel(1)->text(), QStringLiteral(" 30"));
    // Letting go of Ctrl during the drag paints with the picked tile.
    drag(drive(*w).canvas(), at(7, 4));
    QCOMPARE(w->Document().level().Tile(7, 4), qint16(30));
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(7, 4));
}

void tst_CanvasMouse::movesWithoutButtonOnlyShowPosition() {
    Setup w;
    const Level before = w->Document().level();
    markCanvas(*w);
    hover(drive(*w).canvas(), at(5, 5));
    hover(drive(*w).canvas(), at(6, 5), Qt::ControlModifier);
    QVERIFY(w->Document().level() == before);
    QVERIFY(!canvasRedrawn(*w));
    QCOMPARE(w->SelectedTile(0), qint16(7));
    QVERIFY(!w->IsModified());
}

void tst_CanvasMouse::positionLabel() {
    Setup w;
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral("0, 0"));
    hover(drive(*w).canvas(), QPoint(12 * Cell, 7 * Cell + 15));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 12, 7"));
    hover(drive(*w).canvas(), QPoint(12 * Cell - 1, 7 * Cell - 1));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 11, 6"));
    // The view's origin counts in.
    drive(*w).scrollX()->setValue(40);
    drive(*w).scrollY()->setValue(30);
    hover(drive(*w).canvas(), QPoint(3, 20));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 40, 31"));
    // At the end of the range the canvas shows cells past the level.
    drive(*w).scrollX()->setValue(drive(*w).scrollX()->maximum());
    const int lastShown = drive(*w).scrollX()->value();
    hover(drive(*w).canvas(), at(99 - lastShown, 2));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 99, 32"));
    hover(drive(*w).canvas(), at(100 - lastShown, 2));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QString());
    // A press there still writes the position.
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(100 - lastShown, 2));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 100, 32"));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(100 - lastShown, 2));
    QVERIFY(!w->IsModified());
}

void tst_CanvasMouse::pickPointer() {
    Setup w;
    QWidget* canvas = drive(*w).canvas();
    QVERIFY(!canvas->testAttribute(Qt::WA_SetCursor));
    hover(canvas, at(3, 3), Qt::ControlModifier);
    QVERIFY(canvas->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(canvas->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(canvas->cursor().pixmap().size(), QSize(32, 32));
    // Also outside the level, while Ctrl alone is held.
    hover(canvas, QPoint(-5, -5), Qt::ControlModifier);
    QCOMPARE(canvas->cursor().shape(), Qt::BitmapCursor);
    // Ctrl with another modifier is not a pick.
    hover(canvas, at(3, 3), Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!canvas->testAttribute(Qt::WA_SetCursor));
    QCOMPARE(canvas->cursor().shape(), Qt::ArrowCursor);
    hover(canvas, at(3, 3), Qt::ControlModifier);
    hover(canvas, at(4, 3));
    QVERIFY(!canvas->testAttribute(Qt::WA_SetCursor));
    // A press alone does not change the pointer.
    QTest::mousePress(canvas, Qt::LeftButton, Qt::ControlModifier, at(4, 3));
    QVERIFY(!canvas->testAttribute(Qt::WA_SetCursor));
    drag(canvas, at(5, 3), Qt::ControlModifier);
    QCOMPARE(canvas->cursor().shape(), Qt::BitmapCursor);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::ControlModifier, at(5, 3));
}

void tst_CanvasMouse::highZoomAndFarPointer() {
    Setup w;
    for (int i = 0; i < 40; ++i)
        drive(*w).trigger("zoomInAction");
    const double size = w->Tiles().RenderWidth(w->CanvasZoom());
    QVERIFY(size >= 128);
    const QPoint p(int(size) + 5 < drive(*w).canvas()->width() ? int(size) + 5 : 5, 5);
    const int cx = p.x() / int(size);
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, p);
    QCOMPARE(w->Document().level().Tile(cx, 0), qint16(7));
    // Far beyond anything a screen holds: outside, and no overflow.
    editortest::mouse(drive(*w).canvas(), QEvent::MouseMove, {1e15, -1e15}, Qt::NoButton,
                      Qt::LeftButton);
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QString());
    editortest::mouse(drive(*w).canvas(), QEvent::MouseMove, {5e18, 5e18}, Qt::NoButton,
                      Qt::LeftButton);
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QString());
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, p);
    // At the smallest zoom a cell is one pixel wide.
    for (int i = 0; i < 50; ++i)
        drive(*w).trigger("zoomOutAction");
    QCOMPARE(w->Tiles().RenderWidth(w->CanvasZoom()), 1.0);
    hover(drive(*w).canvas(), QPoint(99, 59));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QStringLiteral(" 99, 59"));
    hover(drive(*w).canvas(), QPoint(100, 59));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), QString());
}

void tst_CanvasMouse::paintOnRealLevel() {
    GM_REQUIRE_REAL_DATA();
    EditorTestHost host;
    auto w = editortest::openWindow(host, realDataDir() + "/LEVEL01.CK1", 600, 480);
    QVERIFY(w);
    const Level before = w->Document().level();
    const qint16 picked = w->Document().level().Tile(3, 4);
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, Qt::ControlModifier, at(3, 4));
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(3, 4));
    QCOMPARE(w->SelectedTile(1), picked);
    QTest::mousePress(drive(*w).canvas(), Qt::RightButton, {}, at(10, 6));
    drag(drive(*w).canvas(), at(11, 6));
    QTest::mouseRelease(drive(*w).canvas(), Qt::RightButton, {}, at(11, 6));
    drive(*w).modeButton(1)->click();
    w->SetSelectedSprite(3);
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, at(12, 7));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, at(12, 7));
    Level expected = before;
    expected.SetTile(10, 6, picked);
    expected.SetTile(11, 6, picked);
    expected.SetInfo(12, 7, 3);
    QVERIFY(w->Document().level() == expected);
    QVERIFY(w->IsModified());
    // The level still saves and reads back the same.
    Level reread;
    QVERIFY(reread.Deserialize(w->Document().level().Serialize(), QStringLiteral("LEVEL01.CK1")));
    QVERIFY(reread == expected);
}

GM_TEST_MAIN(tst_CanvasMouse)
#include "tst_CanvasMouse.moc"
