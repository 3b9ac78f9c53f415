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

    void eventsMoveTheView_data();
    void eventsMoveTheView();
    void ctrlWheelZoomsAboutThePointer_data();
    void ctrlWheelZoomsAboutThePointer();
    void wheelDuringADrag();
    void wheelIgnoredWhileThePreviewIsOpen();
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
    // Touchpad pixels: takeWholeSteps, and the rows of eventsMoveTheView.
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

// Each route by which the wheel, the touchpad and the keys reach the view
// of a real window, once; what each does in every case is the arithmetic
// above and tst_LevelCanvas. A row sends `times` wheel events (`angle`,
// touchpad `pixels`) or presses of `key`, with `modifiers`, after Zoom In
// from the menu when `zoomedIn`; the wheel turns three lines a notch.
void tst_Navigation::eventsMoveTheView_data() {
    QTest::addColumn<bool>("zoomedIn");
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("times");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<int>("zoom");
    const QPoint down(0, -Notch), up(0, Notch), none;
    const int shift = Shift, ctrl = Ctrl;
    // clang-format off
    QTest::newRow("wheel: three rows")           << false << down << none << 0 << 0     << 1 << QPoint(0, 3) << 0;
    QTest::newRow("Shift+wheel: three columns")  << false << down << none << 0 << shift << 1 << QPoint(3, 0) << 0;
    QTest::newRow("sideways wheel")      << false << QPoint(-Notch, 0) << none << 0 << 0 << 1 << QPoint(3, 0) << 0;
    QTest::newRow("touchpad: 16 pixels, a row")  << false << QPoint(0, -15) << QPoint(0, -5)  << 0 << 0 << 4 << QPoint(0, 1) << 0;
    QTest::newRow("touchpad at 2x: 32 pixels")   << true  << QPoint(0, -15) << QPoint(0, -20) << 0 << 0 << 2 << QPoint(0, 1) << 1;
    QTest::newRow("Ctrl+wheel, about the pointer") << false << up << none << 0 << ctrl  << 1 << QPoint(1, 1) << 1;
    QTest::newRow("Ctrl+wheel stops at 8x")      << false << up   << none << 0 << ctrl  << 6 << QPoint(2, 2) << 3;
    QTest::newRow("Ctrl+wheel stops at 1 pixel") << false << down << none << 0 << ctrl  << 6 << QPoint(0, 0) << -4;
    QTest::newRow("arrow keys")                  << false << none << none << int(Qt::Key_Down) << 0    << 2 << QPoint(0, 2) << 0;
    QTest::newRow("Ctrl+Down is not the canvas's") << false << none << none << int(Qt::Key_Down) << ctrl << 1 << QPoint(0, 0) << 0;
    // clang-format on
}

void tst_Navigation::eventsMoveTheView() {
    QFETCH(bool, zoomedIn);
    QFETCH(QPoint, angle);
    QFETCH(QPoint, pixels);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, times);
    QApplication::setWheelScrollLines(3);
    Setup w;
    QWidget* canvas = drive(*w).canvas();
    const QPoint at(40, 40);
    if (zoomedIn)
        drive(*w).trigger("zoomInAction");
    for (int i = 0; i < times; ++i) {
        if (key != 0)
            QTest::keyClick(canvas, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        else
            wheel(canvas, at, angle, Qt::KeyboardModifiers(modifiers), pixels);
    }
    QFETCH(QPoint, origin);
    QCOMPARE(QPoint(drive(*w).scrollX()->value(), drive(*w).scrollY()->value()), origin);
    QTEST(w->CanvasZoom().Exponent(), "zoom");
    QVERIFY(canvasShowsLevel(*w));
    // After the wheel, the label names the cell now under the pointer.
    if (key == 0)
        QCOMPARE(drive(*w).widget<QLabel>("positionLabel")->text(),
                 PaletteGeometry::PositionText(cellAt(*w, at)));
    QVERIFY(!w->IsModified());
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

GM_TEST_MAIN(tst_Navigation)
#include "tst_Navigation.moc"
