// The cells of a straight line between two cells: what a drag paints
// between two pointer positions.
#include "CellLine.h"
#include "TestMain.h"

#include <QTest>

#include <algorithm>
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
    void everyLineIsContinuousAndNearTheExactLine();
    void cellsInAnArea_data();
    void cellsInAnArea();
};

void tst_CellLine::cells_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Cells>("expected");
    QTest::newRow("one cell") << QPoint(4, 7) << QPoint(4, 7) << Cells{{4, 7}};
    QTest::newRow("across") << QPoint(2, 5) << QPoint(6, 5)
                            << Cells{{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}};
    QTest::newRow("up") << QPoint(1, 3) << QPoint(1, 0) << Cells{{1, 3}, {1, 2}, {1, 1}, {1, 0}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, -3)
                              << Cells{{0, 0}, {1, -1}, {2, -2}, {3, -3}};
    // Halfway rows go to the larger coordinate, drawn either way round.
    QTest::newRow("shallow") << QPoint(3, 2) << QPoint(5, 3) << Cells{{3, 2}, {4, 3}, {5, 3}};
    QTest::newRow("shallow, backwards")
        << QPoint(5, 3) << QPoint(3, 2) << Cells{{5, 3}, {4, 3}, {3, 2}};
    QTest::newRow("steep, up and right")
        << QPoint(10, 10) << QPoint(11, 6) << Cells{{10, 10}, {10, 9}, {11, 8}, {11, 7}, {11, 6}};
    QTest::newRow("steep, down and left")
        << QPoint(10, 10) << QPoint(9, 14) << Cells{{10, 10}, {10, 11}, {10, 12}, {9, 13}, {9, 14}};
    QTest::newRow("steep") << QPoint(0, 0) << QPoint(2, 5)
                           << Cells{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}};
    QTest::newRow("a third down") << QPoint(0, 0) << QPoint(6, 2)
                                  << Cells{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}};
}

void tst_CellLine::cells() {
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(Cells, expected);
    const CellLine line(from, to);
    QCOMPARE(line.Count(), expected.size());
    QCOMPARE(allCells(line), expected);
}

// Every line between cells of a 9 x 9 square against the plain definition:
// one cell per step of the longer axis, each the nearest to the exact line,
// the same cells from either end.
void tst_CellLine::everyLineIsContinuousAndNearTheExactLine() {
    for (int x0 = 0; x0 < 9; ++x0)
        for (int y0 = 0; y0 < 9; ++y0)
            for (int x1 = 0; x1 < 9; ++x1)
                for (int y1 = 0; y1 < 9; ++y1) {
                    const Cells cells = allCells(CellLine(QPoint(x0, y0), QPoint(x1, y1)));
                    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
                    QCOMPARE(cells.size(), steps + 1);
                    QCOMPARE(cells.front(), QPoint(x0, y0));
                    QCOMPARE(cells.back(), QPoint(x1, y1));
                    for (int i = 0; i < cells.size(); ++i) {
                        const double t = steps == 0 ? 0.0 : double(i) / steps;
                        QVERIFY(std::abs(cells[i].x() - (x0 + t * (x1 - x0))) <= 0.5);
                        QVERIFY(std::abs(cells[i].y() - (y0 + t * (y1 - y0))) <= 0.5);
                        if (i > 0) {
                            const QPoint step = cells[i] - cells[i - 1];
                            QVERIFY(std::max(std::abs(step.x()), std::abs(step.y())) == 1);
                        }
                    }
                    Cells backwards = allCells(CellLine(QPoint(x1, y1), QPoint(x0, y0)));
                    std::reverse(backwards.begin(), backwards.end());
                    QCOMPARE(backwards, cells);
                }
}

void tst_CellLine::cellsInAnArea_data() {
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<Cells>("expected");
    QTest::newRow("inside") << QPoint(0, 0) << QPoint(2, 2) << Cells{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("leaving to the right") << QPoint(2, 1) << QPoint(9, 1) << Cells{{2, 1}, {3, 1}};
    QTest::newRow("coming back from the left")
        << QPoint(-5, 2) << QPoint(1, 2) << Cells{{0, 2}, {1, 2}};
    QTest::newRow("crossing a corner")
        << QPoint(-2, 4) << QPoint(6, -4) << Cells{{0, 2}, {1, 1}, {2, 0}};
    QTest::newRow("passing by") << QPoint(-3, 5) << QPoint(8, 5) << Cells{};
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
