#include "EditGeometry.h"
#include "TestMain.h"

#include <QTest>

using namespace EditGeometry;

class tst_EditGeometry : public QObject {
    Q_OBJECT
private slots:
    void tileStripRange_data();
    void tileStripRange();
    void scrollReportText();
    void fitZoom_data();
    void fitZoom();
};

void tst_EditGeometry::tileStripRange_data() {
    QTest::addColumn<int>("scaleWidth");
    QTest::addColumn<double>("renderWidth");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("largeChange");
    // 548 pixels of 36-pixel pitch show 16 tiles, the last in part.
    QTest::newRow("611 tiles") << 548 << 32.0 << 611 << 596 << 8;
    QTest::newRow("exactly 15 tiles wide") << 540 << 32.0 << 611 << 597 << 7;
    QTest::newRow("fewer tiles than the strip shows") << 548 << 32.0 << 10 << 0 << 8;
    QTest::newRow("a strip narrower than one tile") << 20 << 32.0 << 611 << 611 << 1;
    QTest::newRow("empty strip") << 0 << 32.0 << 611 << 612 << 1;
}

void tst_EditGeometry::tileStripRange() {
    QFETCH(int, scaleWidth);
    QFETCH(double, renderWidth);
    QFETCH(int, count);
    const ScrollRange range = TileStripRange(scaleWidth, renderWidth, count);
    QTEST(range.max, "max");
    QTEST(range.largeChange, "largeChange");
    QVERIFY(range.enabled);
}

void tst_EditGeometry::scrollReportText() {
    QCOMPARE(ScrollReportText(43, 0, 5), QStringLiteral(" 43, 0, 5"));
    QCOMPARE(ScrollReportText(-1, 0, 12), QStringLiteral("-1, 0, 12"));
}

void tst_EditGeometry::fitZoom_data() {
    QTest::addColumn<QSize>("level");
    QTest::addColumn<QSize>("view");
    QTest::addColumn<int>("zoom");
    QTest::newRow("100 x 60 in 583 x 345: 4-pixel cells")
        << QSize(100, 60) << QSize(583, 345) << -2;
    QTest::newRow("exactly the view at 1x") << QSize(100, 50) << QSize(1600, 800) << 0;
    QTest::newRow("one pixel too few") << QSize(100, 50) << QSize(1599, 800) << -1;
    QTest::newRow("small level: 64-pixel cells") << QSize(10, 10) << QSize(1000, 1000) << 2;
    QTest::newRow("at most 8x") << QSize(4, 4) << QSize(600, 600) << 3;
    QTest::newRow("largest level, height decides") << QSize(182, 180) << QSize(1600, 1000) << -2;
    QTest::newRow("nothing fits: 1-pixel cells") << QSize(32760, 1) << QSize(1600, 1000) << -4;
}

void tst_EditGeometry::fitZoom() {
    QFETCH(QSize, level);
    QFETCH(QSize, view);
    QFETCH(int, zoom);
    QCOMPARE(
        EditGeometry::FitZoom(level.width(), level.height(), view.width(), view.height(), 16, 16),
        zoom);
}

GM_TEST_APPLESS_MAIN(tst_EditGeometry)
#include "tst_EditGeometry.moc"
