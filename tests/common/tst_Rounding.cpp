// Rounding and whole-number division as the drawing and layout rules state
// them, against worked examples.

#include "Rounding.h"
#include "TestMain.h"

#include <QTest>

#include <limits>

class tst_Rounding : public QObject {
    Q_OBJECT
private slots:
    void roundsHalvesToEven_data();
    void roundsHalvesToEven();
    void dividesRoundedNumbers_data();
    void dividesRoundedNumbers();
    void halvesTruncatedNumbers_data();
    void halvesTruncatedNumbers();
};

void tst_Rounding::roundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::newRow("2.5 down") << 2.5 << qint64(2);
    QTest::newRow("3.5 up") << 3.5 << qint64(4);
    QTest::newRow("-2.5 up") << -2.5 << qint64(-2);
    QTest::newRow("-3.5 down") << -3.5 << qint64(-4);
    QTest::newRow("0.5") << 0.5 << qint64(0);
    QTest::newRow("2.51") << 2.51 << qint64(3);
    QTest::newRow("-0.49") << -0.49 << qint64(0);
    QTest::newRow("too large") << 1e300 << qint64(9000000000000000000LL);
    QTest::newRow("too small") << -1e300 << qint64(-9000000000000000000LL);
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void tst_Rounding::roundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QCOMPARE(qint64(roundToInteger(value)), rounded);
    if (!std::isnan(value) && std::abs(value) < 1e18)
        QCOMPARE(roundHalfEven(value), double(rounded));
}

void tst_Rounding::dividesRoundedNumbers_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<qint64>("quotient");
    QTest::newRow("7 by 2") << 7.0 << 2.0 << qint64(3);
    QTest::newRow("7.5 by 2.5 is 8 by 2") << 7.5 << 2.5 << qint64(4);
    QTest::newRow("6.5 by 3.5 is 6 by 4") << 6.5 << 3.5 << qint64(1);
    QTest::newRow("-7 by 2, toward zero") << -7.0 << 2.0 << qint64(-3);
    QTest::newRow("7 by -2") << 7.0 << -2.0 << qint64(-3);
    QTest::newRow("by 0.4, which rounds to 0") << 5.0 << 0.4 << qint64(0);
    QTest::newRow("by not a number")
        << 5.0 << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void tst_Rounding::dividesRoundedNumbers() {
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(qint64, quotient);
    QCOMPARE(qint64(quotientOfRounded(a, b)), quotient);
}

void tst_Rounding::halvesTruncatedNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("half");
    QTest::newRow("7.9 is 7, 3") << 7.9 << qint64(3);
    QTest::newRow("8") << 8.0 << qint64(4);
    QTest::newRow("-7.9 is -7, -3") << -7.9 << qint64(-3);
    QTest::newRow("1.5 is 1, 0") << 1.5 << qint64(0);
    QTest::newRow("too large") << 1e300 << qint64(4500000000000000000LL);
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << qint64(0);
}

void tst_Rounding::halvesTruncatedNumbers() {
    QFETCH(double, value);
    QFETCH(qint64, half);
    QCOMPARE(qint64(halfOfTruncated(value)), half);
}

GM_TEST_APPLESS_MAIN(tst_Rounding)
#include "tst_Rounding.moc"
