// The Overview dock's arithmetic: the picture centred in the box, the cell
// under a pixel, and where a press and a drag move the canvas's view.
#include "OverviewGeometry.h"

#include "TestMain.h"

#include <QTest>

class tst_OverviewGeometry : public QObject {
    Q_OBJECT
private slots:
    void placesThePicture_data();
    void placesThePicture();
    void pressAndDrag_data();
    void pressAndDrag();
};

void tst_OverviewGeometry::placesThePicture_data() {
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("level");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cellAt");
    QTest::addColumn<QRect>("pixelsOfCell");
    // 40 x 20 cells of 4 pixels: a picture of 160 x 80 in 200 x 100, from
    // (20, 10).
    QTest::newRow("centred, first pixel") << QSize(200, 100) << QSize(40, 20) << QSize(4, 4)
                                          << QPoint(20, 10) << QPoint(0, 0) << QRect(20, 10, 4, 4);
    QTest::newRow("centred, last pixel of cell 2, 1")
        << QSize(200, 100) << QSize(40, 20) << QSize(4, 4) << QPoint(31, 17) << QPoint(2, 1)
        << QRect(28, 14, 4, 4);
    QTest::newRow("left of and above the picture")
        << QSize(200, 100) << QSize(40, 20) << QSize(4, 4) << QPoint(19, 9) << QPoint(-1, -1)
        << QRect(16, 6, 4, 4);
    // 128 x 120 cells of 1 pixel in a box narrower than the level: at 0
    // across, centred down.
    QTest::newRow("wider than the box")
        << QSize(100, 200) << QSize(128, 120) << QSize(1, 1) << QPoint(127, 139) << QPoint(127, 99)
        << QRect(127, 139, 1, 1);
}

void tst_OverviewGeometry::placesThePicture() {
    QFETCH(QSize, box);
    QFETCH(QSize, level);
    QFETCH(QSize, cell);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, cellAt);
    QFETCH(QRect, pixelsOfCell);
    const OverviewGeometry geometry(box, level, cell);
    QCOMPARE(geometry.CellAt(pixel), cellAt);
    QCOMPARE(geometry.PixelsOf(QRect(cellAt, QSize(1, 1))), pixelsOfCell);
}

void tst_OverviewGeometry::pressAndDrag_data() {
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("dragTo");
    QTest::addColumn<QPoint>("originAtPress");
    QTest::addColumn<QPoint>("originAfterDrag");
    // A level of 100 x 50 cells of 2 pixels from (0, 0); the canvas shows
    // 20 x 10 cells from (30, 10); the origin goes up to (81, 41).
    QTest::newRow("inside the view: it follows the pointer")
        << QPoint(70, 30) << QPoint(90, 40) << QPoint(30, 10) << QPoint(40, 15);
    QTest::newRow("outside the view: it centres there")
        << QPoint(20, 20) << QPoint(20, 20) << QPoint(0, 5) << QPoint(0, 5);
    QTest::newRow("dragged past the end: held at the end")
        << QPoint(62, 22) << QPoint(199, 99) << QPoint(30, 10) << QPoint(81, 41);
    QTest::newRow("dragged before the start: held at 0")
        << QPoint(62, 22) << QPoint(-50, -50) << QPoint(30, 10) << QPoint(0, 0);
}

void tst_OverviewGeometry::pressAndDrag() {
    QFETCH(QPoint, press);
    QFETCH(QPoint, dragTo);
    QFETCH(QPoint, originAtPress);
    QFETCH(QPoint, originAfterDrag);
    const OverviewGeometry geometry(QSize(200, 100), QSize(100, 50), QSize(2, 2));
    const QPoint max(81, 41);
    const QPoint grip = geometry.Grip(press, QRect(30, 10, 20, 10));
    QCOMPARE(geometry.OriginFor(press, grip, max), originAtPress);
    QCOMPARE(geometry.OriginFor(dragTo, grip, max), originAfterDrag);
}

GM_TEST_MAIN(tst_OverviewGeometry)
#include "tst_OverviewGeometry.moc"
