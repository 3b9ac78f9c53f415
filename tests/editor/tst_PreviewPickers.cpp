// The picker buttons and the level preview on a real editor window, driven
// by real mouse events on the buttons. Qt sends the moves and the release
// of a press to the pressed button wherever the pointer is, which the tests
// reproduce by sending them to the button with positions outside it.

#include "EditGeometry.h"
#include "EditToolBox.h"
#include "EditorDriver.h"
#include "EditorTestSupport.h"
#include "Level.h"
#include "LevelEdits.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "TestMain.h"
#include "editor/EditorDriver.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

namespace {

constexpr QRgb Sentinel = 0xFF123456;

// A point given in the window's inner area, relative to `button`.
QPoint ButtonPoint(LevelEditorWindow& window, QWidget* button, QPoint inWindow) {
    return button->mapFrom(&window, inWindow);
}

// The window point over the middle of selector cell (row, column) as seen
// on screen, with cells pitch x pitch pixels.
QPoint CellPoint(PictureBox* selector, int pw, int ph, int row, int column) {
    const int border = selector->BorderWidth();
    return selector->pos() + QPoint(border + pw * column + pw / 2, border + ph * row + ph / 2);
}

const auto CanvasAt = editortest::canvasAt;

} // namespace

class tst_PreviewPickers : public QObject {
    Q_OBJECT
private slots:
    void tilePickerOpensOnTheSelection();
    void tilePickerDragScrollsAndPicks();
    void ctrlDragInTheTileSelectorTakesAStamp();
    void pickerPointerStaysOnTheScreen_data();
    void pickerPointerStaysOnTheScreen();
    void spritePickerSwitchesModeAndPicks();
    void movesWithoutButtonOrPanelDoNothing();
    void previewOpensAtItsPlace();
    void previewFollowsThePointer();
    void previewPressAndReleaseKeepsTheView();
};

// The worked example: a selector of 10 columns and 8 rows (400 x 300 inner
// pixels, 32-pixel tiles), the right button's tile 57.
void tst_PreviewPickers::tilePickerOpensOnTheSelection() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 404, 304 + 61 + 57);
    drive(*window).modeButton(1)->setChecked(true);
    window->SetSelectedTile(1, 57);
    window->SetSelectedTile(0, 3);

    QTest::mousePress(drive(*window).widget<PickerButton>("tilePicker"), Qt::RightButton, {},
                      QPoint(5, 5));
    QVERIFY(drive(*window).widget<PictureBox>("tileSelector")->isVisible());
    QCOMPARE(drive(*window).widget<PictureBox>("tileSelector")->ScaleWidth(), 400);
    QCOMPARE(drive(*window).widget<PictureBox>("tileSelector")->ScaleHeight(), 300);
    QCOMPARE(window->Mode(), qint16(0));
    QVERIFY(drive(*window).modeButton(0)->isChecked());
    // Row 5 - 4 goes to the top.
    QCOMPARE(drive(*window).widget<QScrollBar>("tileSelectorScrollBar")->value(), 1);
    // The pointer goes to tile 57's cell (column 7, row 4 on screen),
    // counted from the outer corner.
    QCOMPARE(QCursor::pos(), drive(*window)
                                 .widget<PictureBox>("tileSelector")
                                 ->mapToGlobal(QPoint(36 * 7 + 18, 36 * 4 + 18)));

    // Releasing where the pointer was put selects tile 57 again for the
    // right button, closes the selector and leaves the left button's tile.
    const QPoint placed =
        drive(*window).widget<PictureBox>("tileSelector")->pos() + QPoint(36 * 7 + 18, 36 * 4 + 18);
    window->SetSelectedTile(1, 0);
    QTest::mouseRelease(
        drive(*window).widget<PickerButton>("tilePicker"), Qt::RightButton, {},
        ButtonPoint(*window, drive(*window).widget<PickerButton>("tilePicker"), placed));
    QCOMPARE(window->SelectedTile(1), qint16(57));
    QCOMPARE(window->SelectedTile(0), qint16(3));
    QVERIFY(drive(*window).widget<PictureBox>("tileSelector")->isHidden());
    // The pointer is back on the middle of the button (25 x 57).
    QCOMPARE(QCursor::pos(),
             drive(*window).widget<PickerButton>("tilePicker")->mapToGlobal(QPoint(12, 28)));
}

void tst_PreviewPickers::pickerPointerStaysOnTheScreen_data() {
    QTest::addColumn<bool>("sprites");
    QTest::addColumn<int>("selection");
    QTest::newRow("tile 30000 taken from the level") << false << 30000;
    QTest::newRow("tile -300") << false << -300;
    QTest::newRow("sprite 8704") << true << 8704;
}

// A selection far past the selector's last row puts the pointer target
// tens of thousands of pixels below it; the pointer stays on the screen
// instead, at its edge nearest the target.
void tst_PreviewPickers::pickerPointerStaysOnTheScreen() {
    QFETCH(bool, sprites);
    QFETCH(int, selection);
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 404, 304 + 61 + 57);
    const QRect screen = window->screen()->geometry();
    PickerButton* button = sprites ? drive(*window).widget<PickerButton>("spritePicker")
                                   : drive(*window).widget<PickerButton>("tilePicker");
    PictureBox* selector = sprites ? drive(*window).widget<PictureBox>("spriteSelector")
                                   : drive(*window).widget<PictureBox>("tileSelector");
    if (sprites) {
        window->SetSelectedSprite(qint16(selection));
    } else {
        leveledit::setTile(*window, 3, 3, qint16(selection));
        QTest::mouseClick(drive(*window).canvas(), Qt::RightButton, Qt::ControlModifier,
                          QPoint(3 * 16 + 8, 3 * 16 + 8));
        QCOMPARE(window->SelectedTile(1), qint16(selection));
    }
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(selector->isVisible());
    const QPoint pos = QCursor::pos();
    QVERIFY2(screen.contains(pos), qPrintable(QStringLiteral("%1, %2").arg(pos.x()).arg(pos.y())));
    // Straight above or below the target, on the screen's edge.
    QCOMPARE(pos.y(), selection > 0 ? screen.bottom() : screen.top());
    QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(5, 5));
}

void tst_PreviewPickers::tilePickerDragScrollsAndPicks() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 404, 304 + 61 + 57);
    PickerButton* button = drive(*window).widget<PickerButton>("tilePicker");
    QScrollBar* bar = drive(*window).widget<QScrollBar>("tileSelectorScrollBar");
    PictureBox* selector = drive(*window).widget<PictureBox>("tileSelector");
    drive(*window).modeButton(1)->setChecked(true);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 19); // 260 tiles: 26 rows, 8 visible

    // Below the selector (over the strip): one row per move, however far
    // across the pointer is.
    const QPoint below = selector->pos() + QPoint(30, selector->height() + 5);
    for (int i = 1; i <= 3; ++i) {
        QTest::mouseMove(button, ButtonPoint(*window, button, below + QPoint(i * 50, 0)));
        QCOMPARE(bar->value(), i);
    }
    // Above it, back up one row per move until row 0.
    const QPoint above = selector->pos() + QPoint(30, -1);
    for (int expected : {2, 1, 0, 0}) {
        QTest::mouseMove(button, ButtonPoint(*window, button, above));
        QCOMPARE(bar->value(), expected);
    }
    // No move so far picked anything.
    QCOMPARE(window->SelectedTile(0), qint16(0));

    // Scroll down two rows, then drag over the selector: every move picks.
    QTest::mouseMove(button, ButtonPoint(*window, button, below));
    QTest::mouseMove(button, ButtonPoint(*window, button, below));
    QCOMPARE(bar->value(), 2);
    QTest::mouseMove(button, ButtonPoint(*window, button, CellPoint(selector, 36, 36, 1, 4)));
    QCOMPARE(window->SelectedTile(0), qint16(34));
    QCOMPARE(drive(*window).tileLabel(0)->text(), QStringLiteral(" 34"));
    QTest::mouseMove(button, ButtonPoint(*window, button, CellPoint(selector, 36, 36, 3, 9)));
    QCOMPARE(window->SelectedTile(0), qint16(59));
    QCOMPARE(window->SelectedTile(1), qint16(0));

    // Back onto the strip and released there: the selector scrolled once
    // more, the selection is the last one picked inside.
    QTest::mouseMove(button, ButtonPoint(*window, button, below));
    QCOMPARE(bar->value(), 3);
    QTest::mouseRelease(button, Qt::LeftButton, {}, ButtonPoint(*window, button, below));
    QCOMPARE(window->SelectedTile(0), qint16(59));
    QVERIFY(selector->isHidden());
    QCOMPARE(window->Mode(), qint16(0));

    // Opened again, on the new selection; the first cell shows the first
    // tile of the row at the top.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(bar->value(), 1); // tile 59 is in row 5, half of 8 rows above it
    drive(*window).redraw("tileSelector");
    Surface expected(32, 32);
    window->Tiles().Draw(10, expected, 0, 0, EditGeometry::PaletteZoom);
    QCOMPARE(selector->surface().image().copy(4, 4, 32, 32), expected.image());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

// With Ctrl held, the left button's drag over the tile selector spans a
// block of tiles, as laid out there, which the brush then paints as its
// stamp.
void tst_PreviewPickers::ctrlDragInTheTileSelectorTakesAStamp() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 404, 304 + 61 + 57);
    PickerButton* button = drive(*window).widget<PickerButton>("tilePicker");
    PictureBox* selector = drive(*window).widget<PictureBox>("tileSelector");
    const auto ctrlMove = [&](int row, int column) {
        const QPoint at = ButtonPoint(*window, button, CellPoint(selector, 36, 36, row, column));
        QMouseEvent move(QEvent::MouseMove, at, button->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(button, &move);
        return at;
    };
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    ctrlMove(2, 4); // tile 24: the block's first corner
    QTest::mouseRelease(button, Qt::LeftButton, Qt::ControlModifier, ctrlMove(1, 2)); // tile 12
    QVERIFY(selector->isHidden());
    QCOMPARE(window->Tools().CurrentKind(), EditToolBox::Brush);

    const Level& level = drive(*window).level();
    const qint16 beside = level.Tile(7, 4);
    drive(*window).click({5, 5});
    const qint16 painted[2][3] = {{12, 13, 14}, {22, 23, 24}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            QCOMPARE(level.Tile(4 + x, 4 + y), painted[y][x]);
    QCOMPARE(level.Tile(7, 4), beside);
}

void tst_PreviewPickers::spritePickerSwitchesModeAndPicks() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 600, 480);
    PickerButton* button = drive(*window).widget<PickerButton>("spritePicker");
    PictureBox* selector = drive(*window).widget<PictureBox>("spriteSelector");
    window->SetSelectedSprite(4);

    // Released on the button without moving: sprite mode, nothing picked.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(selector->isVisible());
    QVERIFY(drive(*window).widget<PictureBox>("tileSelector")->isHidden());
    // Six columns of 86 x 68 pixel cells, nothing to scroll: the pointer
    // goes to sprite 4 in the first row.
    QCOMPARE(drive(*window).widget<QScrollBar>("spriteSelectorScrollBar")->value(), 0);
    QCOMPARE(QCursor::pos(), selector->mapToGlobal(QPoint(86 * 4 + 43, 34)));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window->Mode(), qint16(1));
    QVERIFY(drive(*window).modeButton(1)->isChecked());
    QCOMPARE(window->SelectedSprite(), qint16(4));
    QVERIFY(selector->isHidden());

    // Released over a cell: that sprite, whichever button. Episode 1's
    // largest sprite is 41 x 32, 82 x 64 at the palette's zoom.
    const int pw = window->Sprites().MaxRenderWidth(EditGeometry::PaletteZoom) + 4;
    const int ph = window->Sprites().MaxRenderHeight(EditGeometry::PaletteZoom) + 4;
    QCOMPARE(pw, 86);
    QCOMPARE(ph, 68);
    const int columns =
        (selector->width() - 4 -
         drive(*window).widget<QScrollBar>("spriteSelectorScrollBar")->width() + pw - 1) /
            pw -
        1;
    QVERIFY(columns >= 3);
    QTest::mousePress(button, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(button, Qt::RightButton, {},
                        ButtonPoint(*window, button, CellPoint(selector, pw, ph, 1, 2)));
    QCOMPARE(window->SelectedSprite(), qint16(qMin(columns + 2, 10)));
    QCOMPARE(drive(*window).widget<QLabel>("spriteLabel")->text(),
             QStringLiteral(" ") + QString::number(qMin(columns + 2, 10)));
    QVERIFY(selector->isHidden());
}

void tst_PreviewPickers::movesWithoutButtonOrPanelDoNothing() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 100, 60, 1, 1, 404, 304 + 61 + 57);
    PickerButton* button = drive(*window).widget<PickerButton>("tilePicker");
    const QPoint over = CellPoint(drive(*window).widget<PictureBox>("tileSelector"), 36, 36, 2, 2);
    const QPoint relative = ButtonPoint(*window, button, over);

    using editortest::mouse;
    // A move with no button held while the selector is open.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    editortest::hover(button, relative);
    QCOMPARE(window->SelectedTile(0), qint16(0));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));

    // Moves and a release that reach the button after its selector closed
    // (another button's release closed it) pick nothing from the hidden
    // selector.
    mouse(button, QEvent::MouseMove, relative, Qt::NoButton, Qt::LeftButton);
    mouse(button, QEvent::MouseButtonRelease, relative, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window->SelectedTile(0), qint16(0));
    QVERIFY(drive(*window).widget<PictureBox>("tileSelector")->isHidden());

    // Two buttons: the right one's release closes the selector, the left
    // one's moves and release afterwards change nothing.
    window->SetSelectedTile(1, 57);
    mouse(button, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(button, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton,
          Qt::LeftButton | Qt::RightButton);
    QCOMPARE(drive(*window).widget<QScrollBar>("tileSelectorScrollBar")->value(), 1);
    mouse(button, QEvent::MouseButtonRelease, relative, Qt::RightButton, Qt::LeftButton);
    QCOMPARE(window->SelectedTile(1), qint16(32));
    mouse(button, QEvent::MouseMove, relative, Qt::NoButton, Qt::LeftButton);
    mouse(button, QEvent::MouseButtonRelease, relative, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(window->SelectedTile(0), qint16(0));
}

// The worked example's window, 520 x 330 inside, with a 170 x 100 level.
void tst_PreviewPickers::previewOpensAtItsPlace() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 170, 100, 1, 1, 520, 330);
    leveledit::setInfo(*window, 3, 3, 5);
    PictureBox* preview = drive(*window).widget<PictureBox>("levelPreview");
    const QPoint corner = drive(*window).previewButton()->pos();

    QTest::mousePress(drive(*window).previewButton(), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(preview->isVisible());
    QVERIFY(window->PreviewOpen());
    QCOMPARE(preview->size(), QSize(344, 204));
    QCOMPARE(preview->ScaleWidth(), 340);
    QCOMPARE(preview->ScaleHeight(), 200);
    QCOMPARE(preview->x(), qMin(corner.x() - 172, 520 - 344));
    QCOMPARE(preview->y(), qMin(corner.y() - 102, 330 - 204));
    QCOMPARE(preview->x(), 176);
    // The preview is in front of the canvas and the selectors.
    QCOMPARE(window->childAt(preview->geometry().center()), static_cast<QWidget*>(preview));

    // Drawn by the platform's paint: the whole level from its first cell at
    // zoom -3, sprites included.
    Surface expected(340, 200);
    window->Document().level().Display(expected, 0, 0, window->Tiles(), window->Sprites(),
                                       EditGeometry::PreviewZoom);
    QTRY_COMPARE(preview->surface().image(), expected.image());
    QCOMPARE(window->Tiles().RenderWidth(EditGeometry::PreviewZoom), 2.0);

    QTest::mouseRelease(drive(*window).previewButton(), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(preview->isHidden());
    QVERIFY(!window->PreviewOpen());

    // A smaller level opens at its own size next time.
    leveledit::change(*window, [](Level& level) { level.Resize(30, 20); });
    QTest::mousePress(drive(*window).previewButton(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(preview->size(), QSize(64, 44));
    QCOMPARE(preview->pos(), QPoint(qMin(corner.x() - 32, 520 - 64), corner.y() - 22));
    QTest::mouseRelease(drive(*window).previewButton(), Qt::LeftButton, {}, QPoint(8, 8));
}

// The edit area holds 20 x 10 cells (640 x 320 pixels at 32-pixel cells);
// the pointer over the preview's inner point (100, 40) puts cell (50, 20)
// in the middle.
void tst_PreviewPickers::previewFollowsThePointer() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 170, 100, 1, 1, 640, 320 + 61 + 57);
    drive(*window).trigger("zoomInAction");
    QCOMPARE(window->Tiles().RenderWidth(window->CanvasZoom()), 32.0);
    QCOMPARE(drive(*window).levelCanvas()->width(), 640);
    QCOMPARE(drive(*window).levelCanvas()->height(), 320);
    PickerButton* button = drive(*window).previewButton();
    PictureBox* preview = drive(*window).widget<PictureBox>("levelPreview");

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(8, 8));
    const QPoint inner = preview->pos() + QPoint(2, 2);

    // Each move draws the canvas once, after both bars have moved: while the
    // bars report their changes the canvas still shows what was there.
    QImage shown = drive(*window).canvas()->Picture().copy();
    int changes = 0;
    bool redrawnEarly = false;
    QList<QMetaObject::Connection> watches;
    for (QScrollBar* bar : {drive(*window).scrollX(), drive(*window).scrollY()}) {
        watches << connect(bar, &QScrollBar::valueChanged, window.get(), [&] {
            ++changes;
            redrawnEarly |= drive(*window).canvas()->Picture() != shown;
        });
    }
    QTest::mouseMove(button, ButtonPoint(*window, button, inner + QPoint(100, 40)));
    QCOMPARE(drive(*window).scrollX()->value(), 40);
    QCOMPARE(drive(*window).scrollY()->value(), 15);
    QCOMPARE(changes, 2);
    QVERIFY(!redrawnEarly);
    QCOMPARE(drive(*window).canvas()->Picture(), CanvasAt(*window, 40, 15));

    // Past the preview's left edge and far below it: column 0 and the last
    // row the bar allows.
    shown = drive(*window).canvas()->Picture().copy();
    QTest::mouseMove(button, ButtonPoint(*window, button, inner + QPoint(-30, 900)));
    QCOMPARE(drive(*window).scrollX()->value(), 0);
    QCOMPARE(drive(*window).scrollY()->value(), drive(*window).scrollY()->maximum());
    QCOMPARE(drive(*window).scrollY()->maximum(), 100 - 10 + 1);
    QVERIFY(!redrawnEarly);
    for (const QMetaObject::Connection& watch : watches)
        disconnect(watch);

    // Released: the canvas keeps the last position and bars redraw again.
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(preview->isHidden());
    QCOMPARE(drive(*window).scrollX()->value(), 0);
    drive(*window).scrollX()->setValue(5);
    QCOMPARE(drive(*window).canvas()->Picture(), CanvasAt(*window, 5, 91));
}

void tst_PreviewPickers::previewPressAndReleaseKeepsTheView() {
    EditorTestHost host;
    auto window = editortest::newWindow(host, 170, 100, 1, 1, 600, 480);
    drive(*window).scrollX()->setValue(7);
    drive(*window).scrollY()->setValue(9);
    window->SetSelectedTile(0, 12);
    drive(*window).modeButton(1)->setChecked(true);
    QTest::mousePress(drive(*window).previewButton(), Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(drive(*window).previewButton(), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(drive(*window).scrollX()->value(), 7);
    QCOMPARE(drive(*window).scrollY()->value(), 9);
    QCOMPARE(window->Mode(), qint16(1));
    QCOMPARE(window->SelectedTile(0), qint16(12));
    QVERIFY(drive(*window).widget<PictureBox>("levelPreview")->isHidden());
    QVERIFY(!window->PreviewOpen());
}

GM_TEST_MAIN(tst_PreviewPickers)
#include "tst_PreviewPickers.moc"
