// The arithmetic of the level preview and the picker buttons, checked with
// the worked examples and the limits around them.

#include "PickerGeometry.h"
#include "PreviewGeometry.h"

#include <QTest>

class tst_PreviewPickerGeometry : public QObject {
    Q_OBJECT
private slots:
    void previewSize_data();
    void previewSize();
    void previewPosition_data();
    void previewPosition();
    void followScroll_data();
    void followScroll();
    void pointerToWindow();
    void openingTopRow_data();
    void openingTopRow();
    void openingPointer();
    void dragZone();
};

void tst_PreviewPickerGeometry::previewSize_data() {
    QTest::addColumn<int>("levelW");
    QTest::addColumn<int>("levelH");
    QTest::addColumn<int>("border");
    QTest::addColumn<QSize>("outer");
    QTest::newRow("170x100 with 2-pixel border") << 170 << 100 << 4 << QSize(344, 204);
    QTest::newRow("no border") << 170 << 100 << 0 << QSize(340, 200);
    QTest::newRow("smallest editor level") << 24 << 17 << 4 << QSize(52, 38);
    QTest::newRow("wide episode-3 level") << 200 << 20 << 4 << QSize(404, 44);
    QTest::newRow("empty level") << 0 << 0 << 4 << QSize(4, 4);
}

void tst_PreviewPickerGeometry::previewSize() {
    QFETCH(int, levelW);
    QFETCH(int, levelH);
    QFETCH(int, border);
    QFETCH(QSize, outer);
    QCOMPARE(PreviewGeometry::OuterSize(levelW, levelH, 2.0, 2.0, QSize(border, border)), outer);
}

void tst_PreviewPickerGeometry::previewPosition_data() {
    QTest::addColumn<QPoint>("button");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("place");
    // (328, 198) would stick out right and below: pulled to 520 - 344 and
    // 330 - 204.
    QTest::newRow("pulled back both ways")
        << QPoint(500, 300) << QSize(344, 204) << QSize(520, 330) << QPoint(176, 126);
    QTest::newRow("centred, fits")
        << QPoint(400, 300) << QSize(100, 60) << QSize(1000, 800) << QPoint(350, 270);
    QTest::newRow("odd size halves down")
        << QPoint(400, 300) << QSize(101, 61) << QSize(1000, 800) << QPoint(350, 270);
    QTest::newRow("exactly at the right edge stays")
        << QPoint(450, 300) << QSize(100, 60) << QSize(500, 800) << QPoint(400, 270);
    // Larger than the window: pulled left and up past the window's edge.
    QTest::newRow("larger than the window")
        << QPoint(346, 246) << QSize(404, 344) << QSize(363, 263) << QPoint(-41, -81);
}

void tst_PreviewPickerGeometry::previewPosition() {
    QFETCH(QPoint, button);
    QFETCH(QSize, outer);
    QFETCH(QSize, window);
    QFETCH(QPoint, place);
    QCOMPARE(PreviewGeometry::Position(button, outer, window), place);
}

void tst_PreviewPickerGeometry::followScroll_data() {
    QTest::addColumn<int>("pointer");
    QTest::addColumn<int>("previewLeft");
    QTest::addColumn<int>("visibleCells");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    // Inner point 100 across and 40 down, 20 x 10 cells in view: column
    // 50 - 10, row 20 - 5. The preview sits at 176 with a 2-pixel border.
    QTest::newRow("column of the worked example") << 176 + 2 + 100 << 176 << 20 << 200 << 40;
    QTest::newRow("row of the worked example") << 126 + 2 + 40 << 126 << 10 << 200 << 15;
    QTest::newRow("beyond the maximum") << 176 + 2 + 100 << 176 << 20 << 30 << 30;
    QTest::newRow("past the left edge") << 100 << 176 << 20 << 200 << 0;
    QTest::newRow("odd pixel halves down") << 2 + 101 << 0 << 20 << 200 << 40;
    QTest::newRow("empty range") << 2 + 101 << 0 << 20 << 0 << 0;
}

void tst_PreviewPickerGeometry::followScroll() {
    QFETCH(int, pointer);
    QFETCH(int, previewLeft);
    QFETCH(int, visibleCells);
    QFETCH(int, max);
    QFETCH(int, value);
    QCOMPARE(PreviewGeometry::ScrollValue(pointer, previewLeft, 4, visibleCells, 0, max), value);
}

void tst_PreviewPickerGeometry::pointerToWindow() {
    // A button 500 pixels into the inner area of a strip with a 2-pixel
    // border whose outer edge is 250 pixels down the window.
    QCOMPARE(PickerGeometry::PointerToWindow(500, 10, 4, 0), 512.0);
    QCOMPARE(PickerGeometry::PointerToWindow(0, -40.5, 4, 250), 211.5);
    // No border, the corner button of the edit area.
    QCOMPARE(PickerGeometry::PointerToWindow(383, 8, 0, 0), 391.0);
}

void tst_PreviewPickerGeometry::openingTopRow_data() {
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("top");
    // 10 columns and 8 rows: tile 57 is in row 5, which goes to the middle.
    QTest::newRow("tile 57") << 57 << 53 << 1;
    QTest::newRow("first row clamps to 0") << 3 << 53 << 0;
    QTest::newRow("last tile clamps to max") << 599 << 53 << 53;
    QTest::newRow("nothing to scroll") << 57 << 0 << 0;
    QTest::newRow("negative tile") << -25 << 53 << 0;
}

void tst_PreviewPickerGeometry::openingTopRow() {
    QFETCH(int, s);
    QFETCH(int, max);
    QFETCH(int, top);
    QCOMPARE(PickerGeometry::OpeningTopRow(s, 10, 8, 0, max), top);
}

void tst_PreviewPickerGeometry::openingPointer() {
    // Tile 57 of 10 columns, pitch 36 x 36, row 1 at the top: column 7, row 4
    // on screen, each plus half a pitch.
    QCOMPARE(PickerGeometry::OpeningPointer(57, 10, 36, 36, 1), QPoint(36 * 7 + 18, 36 * 4 + 18));
    // Sprite cells of 68 x 100 pitch.
    QCOMPARE(PickerGeometry::OpeningPointer(13, 10, 68, 100, 0), QPoint(68 * 3 + 34, 100 + 50));
    // A selector too narrow for a column has no cell to point at, and no
    // division by zero.
    QCOMPARE(PickerGeometry::OpeningPointer(57, 0, 36, 36, 0), QPoint(18, 18));
    QCOMPARE(PickerGeometry::OpeningTopRow(57, 0, 0, 0, 0), 0);
}

void tst_PreviewPickerGeometry::dragZone() {
    using PickerGeometry::DragZone;
    using PickerGeometry::DragZoneOf;
    QCOMPARE(DragZoneOf(-0.5, 0, 300), DragZone::Above);
    QCOMPARE(DragZoneOf(0, 0, 300), DragZone::Inside);
    QCOMPARE(DragZoneOf(300, 0, 300), DragZone::Inside);
    QCOMPARE(DragZoneOf(300.5, 0, 300), DragZone::Below);
    QCOMPARE(DragZoneOf(9, 10, 300), DragZone::Above);
}

QTEST_APPLESS_MAIN(tst_PreviewPickerGeometry)
#include "tst_PreviewPickerGeometry.moc"
