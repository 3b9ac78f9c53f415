// The palettes' and the canvas pointer's arithmetic, with worked examples.
#include "PaletteGeometry.h"
#include "TestMain.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace PaletteGeometry;

class tst_PaletteGeometry : public QObject {
    Q_OBJECT
private slots:
    void stripTile_data();
    void stripTile();
    void stripCentre_data();
    void stripCentre();
    void selectorGridAndRange_data();
    void selectorGridAndRange();
    void selectorPick_data();
    void selectorPick();
    void innerPoint();
    void positionText();
};

void tst_PaletteGeometry::stripTile_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("tile");
    // 32-pixel tiles, pitch 36.
    QTest::newRow("x 37 is still tile 0") << 37.0 << 0 << 600 << 0;
    QTest::newRow("x 38 is tile 1") << 38.0 << 0 << 600 << 1;
    QTest::newRow("x 0, left of the first frame") << 0.0 << 0 << 600 << 0;
    QTest::newRow("scrolled strip") << 38.0 << 10 << 600 << 11;
    QTest::newRow("half rounds to even: 35.5 -> 36") << 37.5 << 0 << 600 << 1;
    QTest::newRow("half rounds to even: 34.5 -> 34") << 36.5 << 0 << 600 << 0;
    QTest::newRow("past the last tile") << 500.0 << 595 << 600 << 599;
    QTest::newRow("far past the last tile") << 1e12 << 0 << 600 << 599;
    QTest::newRow("empty set offers nothing") << 38.0 << 0 << 0 << -1;
}

void tst_PaletteGeometry::stripTile() {
    QFETCH(double, x);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, tile);
    QCOMPARE(StripTileAt(x, first, 36, count), tile);
}

void tst_PaletteGeometry::stripCentre_data() {
    QTest::addColumn<int>("tile");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("tile 100 on a 500-pixel bar") << 100 << 500 << 0 << 590 << 93;
    QTest::newRow("near the start clamps to Min") << 3 << 500 << 0 << 590 << 0;
    QTest::newRow("near the end clamps to Max") << 599 << 500 << 0 << 590 << 590;
    QTest::newRow("bar narrower than a tile") << 20 << 20 << 0 << 590 << 20;
}

void tst_PaletteGeometry::stripCentre() {
    QFETCH(int, tile);
    QFETCH(int, barWidth);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QCOMPARE(StripCentre(tile, barWidth, 32, minimum, maximum), value);
}

void tst_PaletteGeometry::selectorGridAndRange_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("pw");
    QTest::addColumn<double>("ph");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("largeChange");
    QTest::newRow("400x300, 600 tiles")
        << 400 << 300 << 36.0 << 36.0 << 600 << 10 << 8 << 53 << true << 4;
    QTest::newRow("700x420 sprites 64x96")
        << 700 << 420 << 68.0 << 100.0 << 11 << 10 << 4 << 0 << false << 2;
    QTest::newRow("fewer tiles than cells")
        << 400 << 300 << 36.0 << 36.0 << 50 << 10 << 8 << 0 << false << 4;
    QTest::newRow("exactly the visible rows")
        << 400 << 300 << 36.0 << 36.0 << 70 << 10 << 8 << 0 << true << 4;
    QTest::newRow("one row: page step stays 1")
        << 400 << 40 << 36.0 << 36.0 << 600 << 10 << 1 << 60 << true << 1;
    QTest::newRow("no column fits")
        << 40 << 300 << 36.0 << 36.0 << 600 << 0 << 8 << 0 << false << 4;
    QTest::newRow("zero size") << 0 << 0 << 36.0 << 36.0 << 600 << -1 << -1 << 0 << false << 1;
}

void tst_PaletteGeometry::selectorGridAndRange() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, pw);
    QFETCH(double, ph);
    QFETCH(int, count);
    const Grid grid = SelectorGrid(width, height, 17, pw, ph);
    QTEST(int(grid.columns), "columns");
    QTEST(int(grid.rows), "rows");
    const ScrollRange range = SelectorRange(count, grid);
    QTEST(range.max, "maximum");
    QTEST(range.enabled, "enabled");
    QTEST(range.largeChange, "largeChange");
}

void tst_PaletteGeometry::selectorPick_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("item");
    // 400 x 300 selector, pitch 36: 10 columns, 8 rows.
    QTest::newRow("first cell") << 20 << 20 << 0 << 600 << 0;
    QTest::newRow("x 37 is column 0") << 37 << 20 << 0 << 600 << 0;
    QTest::newRow("x 38 is column 1") << 38 << 20 << 0 << 600 << 1;
    QTest::newRow("gap above the first row") << 100 << 0 << 0 << 600 << 2;
    QTest::newRow("row 2 column 3") << 3 * 36 + 10 << 2 * 36 + 10 << 0 << 600 << 23;
    QTest::newRow("scrolled by 5 rows") << 3 * 36 + 10 << 2 * 36 + 10 << 5 << 600 << 73;
    QTest::newRow("over the scroll bar: last column") << 395 << 20 << 0 << 600 << 9;
    QTest::newRow("partly shown bottom row: last row") << 20 << 299 << 0 << 600 << 70;
    QTest::newRow("past the last tile") << 395 << 299 << 53 << 600 << 599;
    QTest::newRow("left of the area") << -1 << 20 << 0 << 600 << -1;
    QTest::newRow("above the area") << 20 << -1 << 0 << 600 << -1;
    QTest::newRow("right edge is outside") << 400 << 20 << 0 << 600 << -1;
    QTest::newRow("bottom edge is outside") << 20 << 300 << 0 << 600 << -1;
    QTest::newRow("empty set") << 20 << 20 << 0 << 0 << -1;
}

void tst_PaletteGeometry::selectorPick() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, firstRow);
    QFETCH(int, count);
    const Grid grid = SelectorGrid(400, 300, 17, 36, 36);
    QTEST(SelectorPick(x, y, 400, 300, 36, 36, grid, firstRow, count), "item");
}

void tst_PaletteGeometry::innerPoint() {
    // A 2-pixel border around a 396 x 296 inner area at (10, 20).
    QCOMPARE(InnerPoint(12, 22, QRect(10, 20, 400, 300), 396, 296), QPoint(0, 0));
    QCOMPARE(InnerPoint(50, 60, QRect(10, 20, 400, 300), 396, 296), QPoint(38, 38));
    // An odd difference: half of 5 is 2.
    QCOMPARE(InnerPoint(12, 22, QRect(10, 20, 401, 301), 396, 296), QPoint(0, 0));
    // A selector narrower than one cell picks nothing anywhere.
    const Grid narrow = SelectorGrid(40, 300, 17, 36, 36);
    QVERIFY(!narrow.Usable());
    QCOMPARE(SelectorPick(10, 10, 40, 300, 36, 36, narrow, 0, 600), -1);
}

void tst_PaletteGeometry::positionText() {
    QCOMPARE(PositionText({12, 7}), QStringLiteral(" 12, 7"));
    QCOMPARE(PositionText({0, 0}), QStringLiteral(" 0, 0"));
    QCOMPARE(PositionText({-1, 3}), QStringLiteral("-1, 3"));
    QCOMPARE(PositionText({170, -2}), QStringLiteral(" 170,-2"));
}

GM_TEST_APPLESS_MAIN(tst_PaletteGeometry)
#include "tst_PaletteGeometry.moc"
