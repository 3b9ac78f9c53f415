// Numbers read from and written to text: file names' numbers and the size
// boxes, the position and selection labels.

#include "DecimalText.h"
#include "TestMain.h"

#include <QTest>

class tst_DecimalText : public QObject {
    Q_OBJECT
private slots:
    void readsLeadingDigits_data();
    void readsLeadingDigits();
    void writesASpaceForThePlusSign_data();
    void writesASpaceForThePlusSign();
};

void tst_DecimalText::readsLeadingDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("cap");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 999999 << 0;
    QTest::newRow("plain") << "24" << 999999 << 24;
    QTest::newRow("blanks anywhere") << " 1 7\t0\n\r" << 999999 << 170;
    QTest::newRow("leading digits") << "12ab3" << 999999 << 12;
    QTest::newRow("no digits first") << "x12" << 999999 << 0;
    QTest::newRow("a sign is no digit") << "-12" << 999999 << 0;
    QTest::newRow("leading zeros") << "0024" << 999999 << 24;
    QTest::newRow("huge, capped") << "99999999999999999999" << 999999 << 999999;
    QTest::newRow("at a level number's cap") << "40000" << 32767 << 32767;
}

void tst_DecimalText::readsLeadingDigits() {
    QFETCH(QString, text);
    QFETCH(int, cap);
    QFETCH(int, value);
    QCOMPARE(ReadLeadingDecimal(text, cap), value);
}

void tst_DecimalText::writesASpaceForThePlusSign_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << " 0";
    QTest::newRow("positive") << qint64(127) << " 127";
    QTest::newRow("negative") << qint64(-3) << "-3";
    QTest::newRow("beyond 32 bits") << qint64(-5000000000LL) << "-5000000000";
}

void tst_DecimalText::writesASpaceForThePlusSign() {
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(DecimalWithSignSpace(value), text);
}

GM_TEST_APPLESS_MAIN(tst_DecimalText)
#include "tst_DecimalText.moc"
