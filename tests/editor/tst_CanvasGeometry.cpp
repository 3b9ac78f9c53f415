// Where the level's cells lie on the canvas: the cell under a point, the
// scroll ranges and the origin that keeps a cell under the pointer when
// zooming, with worked examples (the pixels of a block of cells: tst_CellPixels).
#include "CanvasGeometry.h"
#include "TestMain.h"

#include <QTest>
#include <cmath>
#include <limits>

using PaletteGeometry::Cell;

class tst_CanvasGeometry : public QObject {
    Q_OBJECT
private slots:
    void canvasCell_data();
    void canvasCell();
    void canvasCellAtHugeZoomDoesNotOverflow();
    void range_data();
    void range();
    void originKeepingCell();
};

void tst_CanvasGeometry::canvasCell_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("originX");
    QTest::addColumn<int>("originY");
    QTest::addColumn<int>("cx");
    QTest::addColumn<int>("cy");
    QTest::newRow("top-left pixel") << 0.0 << 0.0 << 16.0 << 0 << 0 << 0 << 0;
    QTest::newRow("last pixel of cell 0") << 15.0 << 15.0 << 16.0 << 0 << 0 << 0 << 0;
    QTest::newRow("first pixel of cell 1") << 16.0 << 16.0 << 16.0 << 0 << 0 << 1 << 1;
    QTest::newRow("15.5 rounds to 16") << 15.5 << 14.5 << 16.0 << 0 << 0 << 1 << 0;
    QTest::newRow("scrolled") << 200.0 << 120.0 << 16.0 << 10 << 5 << 22 << 12;
    QTest::newRow("less than a cell left: first visible")
        << -8.0 << -15.0 << 16.0 << 10 << 5 << 10 << 5;
    QTest::newRow("a whole cell left") << -16.0 << -40.0 << 16.0 << 10 << 5 << 9 << 3;
    QTest::newRow("zoom -3, 2-pixel cells") << 341.0 << 3.0 << 2.0 << 0 << 0 << 170 << 1;
    QTest::newRow("zoom 3, 128-pixel cells") << 300.0 << 127.0 << 128.0 << 1 << 1 << 3 << 1;
}

void tst_CanvasGeometry::canvasCell() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, size);
    QFETCH(int, originX);
    QFETCH(int, originY);
    const Cell cell = CanvasGeometry(size, size, originX, originY).CellAt(x, y);
    QTEST(int(cell.x), "cx");
    QTEST(int(cell.y), "cy");
}

void tst_CanvasGeometry::canvasCellAtHugeZoomDoesNotOverflow() {
    // Cells far larger than the canvas: every pixel is in the first visible
    // cell, even at the largest scroll value.
    const double huge = std::ldexp(16.0, 40);
    Cell cell = CanvasGeometry(huge, huge, 32767, 32767).CellAt(30000, 30000);
    QCOMPARE(cell.x, 32767LL);
    QCOMPARE(cell.y, 32767LL);
    QVERIFY(!cell.Inside(170, 170));
    const double infinite = std::numeric_limits<double>::infinity();
    cell = CanvasGeometry(infinite, infinite, 3, 4).CellAt(500, 500);
    QCOMPARE(cell.x, 3LL);
    QCOMPARE(cell.y, 4LL);
    // A pointer dragged absurdly far with 1-pixel cells stays outside.
    cell = CanvasGeometry(1, 1, 32767, 32767).CellAt(1e30, -1e30);
    QVERIFY(cell.x > 32767);
    QVERIFY(cell.y < 0);
    QVERIFY(!cell.Inside(170, 170));
}

void tst_CanvasGeometry::range_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("inView");
    QTest::addColumn<int>("inHolder");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("largeChange");
    QTest::addColumn<bool>("enabled");
    // 100 x 60 cells in a 400 x 300 holder at 16-pixel cells: 383 pixels
    // need 24 columns, 400 need 25; 283 need 18 rows, 300 need 19.
    QTest::newRow("worked example, across") << 100 << 24 << 25 << 77 << 12 << true;
    QTest::newRow("worked example, down") << 60 << 18 << 19 << 43 << 9 << true;
    QTest::newRow("level one cell longer than the view") << 25 << 24 << 25 << 2 << 12 << true;
    QTest::newRow("last column just fits") << 23 << 24 << 25 << 0 << 12 << false;
    QTest::newRow("level narrower than the view") << 24 << 49 << 50 << 0 << 25 << false;
    // Fewer than two cells across the holder would make a page step of 0.
    QTest::newRow("one cell in the holder") << 100 << 1 << 1 << 100 << 1 << true;
    QTest::newRow("two cells in the holder") << 100 << 2 << 2 << 99 << 1 << true;
}

void tst_CanvasGeometry::range() {
    QFETCH(int, level);
    QFETCH(int, inView);
    QFETCH(int, inHolder);
    const ScrollRange range = CanvasGeometry::Range(level, inView, inHolder);
    QTEST(range.max, "max");
    QTEST(range.largeChange, "largeChange");
    QTEST(range.enabled, "enabled");
}

void tst_CanvasGeometry::originKeepingCell() {
    QCOMPARE(CanvasGeometry::OriginKeepingCell(30, 12, 77), 18);
    QCOMPARE(CanvasGeometry::OriginKeepingCell(3, 12, 77), 0);
    QCOMPARE(CanvasGeometry::OriginKeepingCell(99, 2, 77), 77);
    QCOMPARE(CanvasGeometry::OriginKeepingCell(-5000000000LL, 0, 77), 0);
}

GM_TEST_APPLESS_MAIN(tst_CanvasGeometry)
#include "tst_CanvasGeometry.moc"
