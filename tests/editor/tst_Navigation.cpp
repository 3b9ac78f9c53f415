// Moving around the canvas: the wheel and touchpad arithmetic with plain
// numbers, then real wheel and key events sent to a real editor window's
// canvas.
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "Navigation.h"
#include "PaletteGeometry.h"
#include "PictureBox.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

namespace {

constexpr int Notch = 120;
constexpr Qt::KeyboardModifier Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifier Ctrl = Qt::ControlModifier;

using editortest::canvasShowsLevel;
using editortest::wheel;

PaletteGeometry::Cell cellAt(LevelEditorWindow& w, QPoint pos) {
    // Whole-pixel cells: the cell is the pixel divided by the cell size.
    const int cw = int(w.Tiles().RenderWidth(w.CanvasZoom())),
              ch = int(w.Tiles().RenderHeight(w.CanvasZoom()));
    return {pos.x() / cw + drive(w).scrollX()->value(), pos.y() / ch + drive(w).scrollY()->value()};
}

using Setup = editortest::EditingWindow;

} // namespace

class tst_Navigation : public QObject {
    Q_OBJECT
private slots:
    void takeWholeSteps();
    void wheelMove();
    void scrollLimits();
    void keyMove();

    void wheelScrollsRows();
    void shiftWheelScrollsColumns();
    void touchpadPixelsAddUpToCells();
    void ctrlWheelZoomsAboutThePointer_data();
    void ctrlWheelZoomsAboutThePointer();
    void ctrlWheelAtTheZoomLimits();
    void wheelDuringADrag();
    void wheelIgnoredWhileThePreviewIsOpen();
    void keysScrollTheCanvas();
};

void tst_Navigation::takeWholeSteps() {
    int rest = 0;
    QCOMPARE(Navigation::TakeWholeSteps(rest, 40, 120), 0);
    QCOMPARE(Navigation::TakeWholeSteps(rest, 40, 120), 0);
    QCOMPARE(Navigation::TakeWholeSteps(rest, 50, 120), 1);
    QCOMPARE(rest, 10);
    // Opposite movement cancels what is left before it counts.
    QCOMPARE(Navigation::TakeWholeSteps(rest, -100, 120), 0);
    QCOMPARE(rest, -90);
    QCOMPARE(Navigation::TakeWholeSteps(rest, -400, 120), -4);
    QCOMPARE(rest, -10);
    rest = 0;
    QCOMPARE(Navigation::TakeWholeSteps(rest, 7, 0), 7); // a unit below 1 is 1
    rest = 2147483000;
    QCOMPARE(Navigation::TakeWholeSteps(rest, 2147483000, 1000000000), 4);
    QCOMPARE(rest, 294966000);
}

void tst_Navigation::wheelMove() {
    Navigation::WheelState state;
    // One notch toward the user: three rows down.
    Navigation::WheelAction a = Navigation::WheelMove(state, {0, -Notch}, {}, {}, 3, 16, 16);
    QCOMPARE(a.rows, 3);
    QCOMPARE(a.columns, 0);
    QCOMPARE(a.zoomSteps, 0);
    // Half notches of a fine wheel: 1.5 rows each, whole rows taken.
    a = Navigation::WheelMove(state, {0, 60}, {}, {}, 3, 16, 16);
    QCOMPARE(a.rows, -1);
    a = Navigation::WheelMove(state, {0, 60}, {}, {}, 3, 16, 16);
    QCOMPARE(a.rows, -2);
    // Shift turns the vertical wheel sideways; a sideways wheel stays so.
    a = Navigation::WheelMove(state, {0, Notch}, {}, Shift, 3, 16, 16);
    QCOMPARE(a.columns, -3);
    QCOMPARE(a.rows, 0);
    a = Navigation::WheelMove(state, {-Notch, 0}, {}, {}, 3, 16, 16);
    QCOMPARE(a.columns, 3);
    a = Navigation::WheelMove(state, {-Notch, 0}, {}, Shift, 3, 16, 16);
    QCOMPARE(a.columns, 3);
    // Ctrl zooms, one step per notch, whatever else is held.
    a = Navigation::WheelMove(state, {0, 2 * Notch}, {}, Ctrl, 3, 16, 16);
    QCOMPARE(a.zoomSteps, 2);
    QCOMPARE(a.rows, 0);
    a = Navigation::WheelMove(state, {0, -Notch / 2}, {}, Ctrl | Shift, 3, 16, 16);
    QCOMPARE(a.zoomSteps, 0);
    a = Navigation::WheelMove(state, {0, -Notch / 2}, {}, Ctrl, 3, 16, 16);
    QCOMPARE(a.zoomSteps, -1);
    // Touchpad pixels: touchpadPixelsAddUpToCells.
}

void tst_Navigation::scrollLimits() {
    QCOMPARE(Navigation::ScrollBy(5, 3, 77), 8);
    QCOMPARE(Navigation::ScrollBy(2, -3, 77), 0);
    QCOMPARE(Navigation::ScrollBy(76, 3, 77), 77);
    QCOMPARE(Navigation::ScrollBy(0, 3, 0), 0);
    QCOMPARE(Navigation::ScrollBy(2147483647, 2147483647, 2147483647), 2147483647);
}

void tst_Navigation::keyMove() {
    const Qt::KeyboardModifiers none = Qt::NoModifier, alt = Qt::AltModifier,
                                meta = Qt::MetaModifier, keypad = Qt::KeypadModifier;
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        bool handled;
        int columns;
        int rows;
    } cases[] = {
        {Qt::Key_Left, none, true, -1, 0},
        {Qt::Key_Right, none, true, 1, 0},
        {Qt::Key_Up, none, true, 0, -1},
        {Qt::Key_Down, none, true, 0, 1},
        {Qt::Key_PageUp, none, true, 0, -9},
        {Qt::Key_PageDown, none, true, 0, 9},
        {Qt::Key_Down, Ctrl, false, 0, 0},
        {Qt::Key_Left, Shift, false, 0, 0},
        {Qt::Key_Up, alt, false, 0, 0},
        {Qt::Key_Home, none, false, 0, 0},
        {Qt::Key_A, none, false, 0, 0},
        // The keypad's arrows come with the keypad flag, and Meta is not a
        // modifier the canvas tells apart: both still scroll.
        {Qt::Key_Left, keypad, true, -1, 0},
        {Qt::Key_PageDown, meta, true, 0, 9},
    };
    for (const auto& c : cases) {
        const Navigation::KeyAction a = Navigation::KeyMove(c.key, c.modifiers, 9);
        QCOMPARE(a.handled, c.handled);
        QCOMPARE(a.columns, c.columns);
        QCOMPARE(a.rows, c.rows);
    }
    QCOMPARE(Navigation::KeyMove(Qt::Key_PageDown, {}, 0).rows, 1);
}

void tst_Navigation::wheelScrollsRows() {
    Setup w;
    const int lines = QApplication::wheelScrollLines();
    QVERIFY(drive(*w).scrollY()->maximum() > 4 * lines);
    wheel(drive(*w).canvas(), {40, 40}, {0, -Notch});
    QCOMPARE(drive(*w).scrollY()->value(), lines);
    QCOMPARE(drive(*w).scrollX()->value(), 0);
    QVERIFY(canvasShowsLevel(*w));
    wheel(drive(*w).canvas(), {40, 40}, {0, -2 * Notch});
    QCOMPARE(drive(*w).scrollY()->value(), 3 * lines);
    // The label names the cell now under the pointer.
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(),
             PaletteGeometry::PositionText(cellAt(*w, {40, 40})));
    wheel(drive(*w).canvas(), {40, 40}, {0, 10 * Notch});
    QCOMPARE(drive(*w).scrollY()->value(), 0);
    // Down past the end stops at the bar's maximum.
    for (int i = 0; i < 60; ++i)
        wheel(drive(*w).canvas(), {40, 40}, {0, -Notch});
    QCOMPARE(drive(*w).scrollY()->value(), drive(*w).scrollY()->maximum());
    QVERIFY(canvasShowsLevel(*w));
    QVERIFY(!w->IsModified());
}

void tst_Navigation::shiftWheelScrollsColumns() {
    Setup w;
    const int lines = QApplication::wheelScrollLines();
    wheel(drive(*w).canvas(), {40, 40}, {0, -Notch}, Qt::ShiftModifier);
    QCOMPARE(drive(*w).scrollX()->value(), lines);
    QCOMPARE(drive(*w).scrollY()->value(), 0);
    wheel(drive(*w).canvas(), {40, 40}, {Notch, 0});
    QCOMPARE(drive(*w).scrollX()->value(), 0);
    QVERIFY(canvasShowsLevel(*w));
    // A level narrower than the canvas does not scroll sideways.
    Setup narrow(24, 60);
    wheel(drive(*narrow).canvas(), {40, 40}, {0, -Notch}, Qt::ShiftModifier);
    QCOMPARE(drive(*narrow).scrollX()->value(), 0);
}

void tst_Navigation::touchpadPixelsAddUpToCells() {
    Setup w;
    for (int i = 0; i < 3; ++i)
        wheel(drive(*w).canvas(), {40, 40}, {0, -15}, {}, {0, -5});
    QCOMPARE(drive(*w).scrollY()->value(), 0);
    wheel(drive(*w).canvas(), {40, 40}, {0, -15}, {}, {0, -5});
    QCOMPARE(drive(*w).scrollY()->value(), 1);
    wheel(drive(*w).canvas(), {40, 40}, {0, -120}, {}, {-35, -12});
    QCOMPARE(drive(*w).scrollY()->value(), 2);
    QCOMPARE(drive(*w).scrollX()->value(), 2);
    // At 2x zoom a cell takes 32 pixels.
    drive(*w).trigger("zoomInAction");
    wheel(drive(*w).canvas(), {40, 40}, {0, -15}, {}, {0, -20});
    QCOMPARE(drive(*w).scrollY()->value(), 2);
    wheel(drive(*w).canvas(), {40, 40}, {0, -15}, {}, {0, -20});
    QCOMPARE(drive(*w).scrollY()->value(), 3);
    QVERIFY(canvasShowsLevel(*w));
}

void tst_Navigation::ctrlWheelZoomsAboutThePointer_data() {
    QTest::addColumn<int>("scrollX");
    QTest::addColumn<int>("scrollY");
    QTest::addColumn<QPoint>("pointer");
    QTest::newRow("middle") << 20 << 10 << QPoint(250, 170);
    QTest::newRow("odd pixel") << 33 << 7 << QPoint(401, 93);
    QTest::newRow("top left") << 5 << 4 << QPoint(3, 3);
    QTest::newRow("at the origin") << 0 << 0 << QPoint(300, 200);
}

void tst_Navigation::ctrlWheelZoomsAboutThePointer() {
    QFETCH(int, scrollX);
    QFETCH(int, scrollY);
    QFETCH(QPoint, pointer);
    Setup w(150, 150);
    drive(*w).scrollX()->setValue(scrollX);
    drive(*w).scrollY()->setValue(scrollY);
    const PaletteGeometry::Cell cell = cellAt(*w, pointer);

    wheel(drive(*w).canvas(), pointer, {0, Notch}, Qt::ControlModifier);
    QCOMPARE(w->CanvasZoom().Exponent(), 1);
    const PaletteGeometry::Cell in = cellAt(*w, pointer);
    if (cell.x - pointer.x() / 32 >= 0)
        QCOMPARE(in.x, cell.x);
    else
        QCOMPARE(drive(*w).scrollX()->value(), 0);
    if (cell.y - pointer.y() / 32 >= 0)
        QCOMPARE(in.y, cell.y);
    else
        QCOMPARE(drive(*w).scrollY()->value(), 0);
    QVERIFY(canvasShowsLevel(*w));

    // Two notches out: 8-pixel cells, the cell still under the pointer.
    wheel(drive(*w).canvas(), pointer, {0, -Notch}, Qt::ControlModifier);
    wheel(drive(*w).canvas(), pointer, {0, -Notch}, Qt::ControlModifier);
    QCOMPARE(w->CanvasZoom().Exponent(), -1);
    const PaletteGeometry::Cell out = cellAt(*w, pointer);
    if (drive(*w).scrollX()->value() > 0 &&
        drive(*w).scrollX()->value() < drive(*w).scrollX()->maximum())
        QCOMPARE(out.x, cell.x);
    if (drive(*w).scrollY()->value() > 0 &&
        drive(*w).scrollY()->value() < drive(*w).scrollY()->maximum())
        QCOMPARE(out.y, cell.y);
    if (scrollX == 20)
        QCOMPARE(out.x, cell.x);
    QVERIFY(canvasShowsLevel(*w));
    QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(), PaletteGeometry::PositionText(out));
}

void tst_Navigation::ctrlWheelAtTheZoomLimits() {
    Setup w;
    // Zoomed in as far as the window goes; more notches change nothing.
    for (int i = 0; i < 6; ++i)
        wheel(drive(*w).canvas(), {100, 100}, {0, Notch}, Qt::ControlModifier);
    QCOMPARE(w->CanvasZoom().Exponent(), 3);
    for (int i = 0; i < 12; ++i)
        wheel(drive(*w).canvas(), {100, 100}, {0, -Notch}, Qt::ControlModifier);
    QCOMPARE(w->CanvasZoom().Exponent(), -4);
    // Near the level's far corner the view stops at the bars' maximum.
    drive(*w).trigger("actualSizeAction");
    drive(*w).scrollX()->setValue(drive(*w).scrollX()->maximum());
    drive(*w).scrollY()->setValue(drive(*w).scrollY()->maximum());
    wheel(drive(*w).canvas(), {500, 330}, {0, -Notch}, Qt::ControlModifier);
    QCOMPARE(w->CanvasZoom().Exponent(), -1);
    QCOMPARE(drive(*w).scrollX()->value(), drive(*w).scrollX()->maximum());
    QCOMPARE(drive(*w).scrollY()->value(), drive(*w).scrollY()->maximum());
    QVERIFY(canvasShowsLevel(*w));
}

void tst_Navigation::wheelDuringADrag() {
    Setup w;
    w->SetSelectedTile(0, 7);
    QTest::mousePress(drive(*w).canvas(), Qt::LeftButton, {}, {40, 40});
    QCOMPARE(w->Document().level().Tile(2, 2), qint16(7));
    const int lines = QApplication::wheelScrollLines();
    wheel(drive(*w).canvas(), {40, 40}, {0, -Notch});
    // The wheel itself paints nothing; the drag goes on at the next move.
    QCOMPARE(w->Document().level().Tile(2, 2 + lines), qint16(143));
    QVERIFY(w->Drawing());
    QTest::mouseEvent(QTest::MouseMove, drive(*w).canvas(), Qt::NoButton, {}, {41, 40});
    QCOMPARE(w->Document().level().Tile(2, 2 + lines), qint16(7));
    QTest::mouseRelease(drive(*w).canvas(), Qt::LeftButton, {}, {41, 40});
}

void tst_Navigation::wheelIgnoredWhileThePreviewIsOpen() {
    Setup w;
    drive(*w).pressPicker("levelPreviewButton");
    wheel(drive(*w).canvas(), {40, 40}, {0, -Notch});
    wheel(drive(*w).canvas(), {40, 40}, {0, Notch}, Qt::ControlModifier);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Down);
    QCOMPARE(drive(*w).scrollY()->value(), 0);
    QCOMPARE(w->CanvasZoom().Exponent(), 0);
    drive(*w).releaseButton("levelPreviewButton");
}

void tst_Navigation::keysScrollTheCanvas() {
    Setup w;
    QCOMPARE(drive(*w).canvas()->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Down);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Down);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Right);
    QCOMPARE(drive(*w).scrollY()->value(), 2);
    QCOMPARE(drive(*w).scrollX()->value(), 1);
    QVERIFY(canvasShowsLevel(*w));
    const int page = drive(*w).scrollY()->pageStep();
    QVERIFY(page > 1);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_PageDown);
    QCOMPARE(drive(*w).scrollY()->value(), 2 + page);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Up);
    QCOMPARE(drive(*w).scrollY()->value(), 1 + page);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_PageUp);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_PageUp);
    QCOMPARE(drive(*w).scrollY()->value(), 0);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Left);
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Left);
    QCOMPARE(drive(*w).scrollX()->value(), 0);
    // With a modifier the keys are not the canvas's.
    QTest::keyClick(drive(*w).canvas(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(drive(*w).scrollY()->value(), 0);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(drive(*w).canvas(), Qt::Key_PageDown);
    QCOMPARE(drive(*w).scrollY()->value(), drive(*w).scrollY()->maximum());
    QVERIFY(!w->IsModified());
}

GM_TEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
