// The cells of a straight line between two cells: what a drag paints
// between two pointer positions.
#include "CellLine.h"
#include "TestMain.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>

using Cells = QList<QPoint>;

namespace {

Cells allCells(const CellLine& line) {
    Cells cells;
    for (long long i = 0; i < line.Count(); ++i)
        cells << line.At(i);
    return cells;
}

} // namespace

class tst_CellLine : public QObject {
    Q_OBJECT
private slots:
    void cells_data();
    void cells();
    void everyLineIsTheRoundedExactLine();
    void cellsInAnArea_data();
    void cellsInAnArea();
};

void tst_CellLine::cells_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Cells>("expected");
    // Halfway cells go to the larger coordinate, drawn either way round.
    QTest::newRow("shallow") << QPoint(3, 2) << QPoint(5, 3) << Cells{{3, 2}, {4, 3}, {5, 3}};
    QTest::newRow("steep, up and right")
        << QPoint(10, 10) << QPoint(11, 6) << Cells{{10, 10}, {10, 9}, {11, 8}, {11, 7}, {11, 6}};
    QTest::newRow("steep, down and left")
        << QPoint(10, 10) << QPoint(9, 14) << Cells{{10, 10}, {10, 11}, {10, 12}, {9, 13}, {9, 14}};
}

void tst_CellLine::cells() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(Cells, expected);
    const CellLine line(from, to);
    QCOMPARE(line.Count(), expected.size());
    QCOMPARE(allCells(line), expected);
}

// Every line between cells of a 9 x 9 square around the origin against a
// plain second implementation: one cell per step of the longer axis, each the
// exact line's point rounded to the nearest cell, halves up; of those, the
// cells inside an area in order.
void tst_CellLine::everyLineIsTheRoundedExactLine() {
    const auto nearest = [](int from, int to, int i, int steps) {
        return steps == 0 ? from : int(std::floor(from + double(i * (to - from)) / steps + 0.5));
    };
    const QRect area(-1, -2, 4, 3); // and the cells of each inside this area
    for (int x0 = -4; x0 <= 4; ++x0)
        for (int y0 = -4; y0 <= 4; ++y0)
            for (int x1 = -4; x1 <= 4; ++x1)
                for (int y1 = -4; y1 <= 4; ++y1) {
                    const CellLine line(QPoint(x0, y0), QPoint(x1, y1));
                    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
                    QCOMPARE(line.Count(), steps + 1);
                    std::vector<QPoint> inArea;
                    for (int i = 0; i <= steps; ++i) {
                        const QPoint cell(nearest(x0, x1, i, steps), nearest(y0, y1, i, steps));
                        QCOMPARE(line.At(i), cell);
                        if (area.contains(cell))
                            inArea.push_back(cell);
                    }
                    QVERIFY(line.CellsIn(area) == inArea);
                }
}

void tst_CellLine::cellsInAnArea_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Cells>("expected");
    // Ends far outside (every line of a small square is checked above).
    QTest::newRow("far away, pointing in")
        << QPoint(-1000000000, 1) << QPoint(2, 1) << Cells{{0, 1}, {1, 1}, {2, 1}};
    QTest::newRow("far beyond any screen")
        << QPoint(1, 1) << QPoint(2000000000, 1) << Cells{{1, 1}, {2, 1}, {3, 1}};
}

void tst_CellLine::cellsInAnArea() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(Cells, expected);
    const std::vector<QPoint> cells = CellLine(from, to).CellsIn(QRect(0, 0, 4, 3));
    QCOMPARE(Cells(cells.begin(), cells.end()), expected);
}

GM_TEST_MAIN(tst_CellLine)
#include "tst_CellLine.moc"
