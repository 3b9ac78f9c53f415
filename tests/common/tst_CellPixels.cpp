// The pixels a block of level cells covers on a surface, as the canvas and
// the tools' previews place them.
#include "CellPixels.h"
#include "TestMain.h"

#include <QTest>

class tst_CellPixels : public QObject {
    Q_OBJECT
private slots:
    void of_data();
    void of();
};

void tst_CellPixels::of_data() {
    QTest::addColumn<double>("size");
    QTest::addColumn<QPoint>("originCell");
    QTest::addColumn<QPoint>("originPixel");
    QTest::addColumn<QRect>("cells");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("one cell at the origin")
        << 16.0 << QPoint(0, 0) << QPoint(0, 0) << QRect(0, 0, 1, 1) << QRect(0, 0, 16, 16);
    QTest::newRow("scrolled, 2 x 3 cells")
        << 16.0 << QPoint(10, 5) << QPoint(0, 0) << QRect(12, 6, 2, 3) << QRect(32, 16, 32, 48);
    QTest::newRow("left of the view")
        << 32.0 << QPoint(10, 5) << QPoint(0, 0) << QRect(8, 5, 1, 1) << QRect(-64, 0, 32, 32);
    QTest::newRow("1-pixel cells at zoom -4")
        << 1.0 << QPoint(0, 0) << QPoint(0, 0) << QRect(100, 50, 3, 1) << QRect(100, 50, 3, 1);
    QTest::newRow("drawn from pixel -5, 7")
        << 16.0 << QPoint(3, 2) << QPoint(-5, 7) << QRect(4, 2, 2, 1) << QRect(11, 7, 32, 16);
    // Level::Display draws 16-pixel cells for a 16.75-pixel size.
    QTest::newRow("a fraction of a pixel is dropped")
        << 16.75 << QPoint(0, 0) << QPoint(0, 0) << QRect(2, 0, 2, 1) << QRect(32, 0, 32, 16);
    // 32000 cells of 2^20 pixels: far beyond the int range, edges clamped.
    QTest::newRow("far off") << 1048576.0 << QPoint(0, 0) << QPoint(0, 0)
                             << QRect(32000, -32000, 2, 1)
                             << QRect(QPoint(1073741823, -1073741824),
                                      QPoint(1073741822, -1073741825));
}

void tst_CellPixels::of() {
    QFETCH(double, size);
    QFETCH(QPoint, originCell);
    QFETCH(QPoint, originPixel);
    QFETCH(QRect, cells);
    QTEST(CellPixels::Of(cells, size, size, originCell, originPixel), "pixels");
}

GM_TEST_MAIN(tst_CellPixels)
#include "tst_CellPixels.moc"
