#include "EgaTestFiles.h"
#include "LzwDecoder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace EgaTest;

namespace {

// Packs a hand-made list of codes, each with its width.
QByteArray packCodes(qint64 size, const std::vector<std::pair<int, int>>& codes) {
    BitWriter bits;
    for (const auto& [code, width] : codes)
        bits.Write(code, width);
    return lzwHeader(size) + bits.Bytes();
}

QString decode(const QByteArray& packed, QByteArray& out, qint64 maxSize = 1 << 20) {
    return LzwDecoder::Decode(packed, maxSize, out);
}

} // namespace

class TestLzwDecoder : public QObject {
    Q_OBJECT
private slots:
    void exactBytes();
    void repeatsAndTheEntryBeingMade();
    void widthGrowsAtEachLimit();
    void fullDictionaryIsKept();
    void roundTrips_data();
    void roundTrips();
    void damagedData_data();
    void damagedData();
};

void TestLzwDecoder::exactBytes() {
    // 'A' 'B' and the end code, 9 bits each, most significant bit first:
    // 001000001 001000010 100000001 -> 20 90 A0 20.
    const QByteArray packed = QByteArray::fromHex("020000000c00"
                                                  "2090a020");
    QByteArray out = "left alone";
    QCOMPARE(decode(packed, out), QString());
    QCOMPARE(out, QByteArray("AB"));
    // Code 256 ends the data as well; bits after the end are ignored.
    QCOMPARE(decode(packCodes(2, {{'A', 9}, {'B', 9}, {256, 9}, {'C', 9}}), out), QString());
    QCOMPARE(out, QByteArray("AB"));
    // Data that stops without an end code but with everything it declared.
    QCOMPARE(decode(packCodes(2, {{'A', 9}, {'B', 9}}), out), QString());
    QCOMPARE(out, QByteArray("AB"));
    // Nothing at all.
    QCOMPARE(decode(packCodes(0, {{257, 9}}), out), QString());
    QCOMPARE(out, QByteArray());
}

void TestLzwDecoder::repeatsAndTheEntryBeingMade() {
    // 258 = "AB" (made after 'B'), 259 = "BA"; 260 is the entry the decoder
    // is about to make: "AB" + 'A'.
    QByteArray out;
    QCOMPARE(decode(packCodes(7, {{'A', 9}, {'B', 9}, {258, 9}, {260, 9}, {257, 9}}), out),
             QString());
    QCOMPARE(out, QByteArray("ABABABA"));
    // A run of one byte: each code is the entry being made.
    QCOMPARE(decode(packCodes(10, {{'x', 9}, {258, 9}, {259, 9}, {260, 9}, {257, 9}}), out),
             QString());
    QCOMPARE(out, QByteArray(10, 'x'));
}

void TestLzwDecoder::widthGrowsAtEachLimit() {
    // Every code after the first makes an entry. The packer's next entry
    // reaches 512 after the 254th code, 1024 after the 766th and 2048 after
    // the 1790th, so the codes after those are 10, 11 and 12 bits wide.
    std::vector<std::pair<int, int>> codes;
    QByteArray expected;
    for (int i = 1; i <= 2000; ++i) {
        const int width = i <= 254 ? 9 : i <= 766 ? 10 : i <= 1790 ? 11 : 12;
        const int byte = (i * 37) % 256;
        codes.push_back({byte, width});
        expected.append(char(byte));
    }
    codes.push_back({257, 12});
    QByteArray out;
    QCOMPARE(decode(packCodes(expected.size(), codes), out), QString());
    QCOMPARE(out, expected);

    // One code too early at the wider width goes wrong.
    codes[253].second = 10;
    QVERIFY(decode(packCodes(expected.size(), codes), out) != QString() || out != expected);
}

void TestLzwDecoder::fullDictionaryIsKept() {
    // 3838 literal codes make entries 258..4095; after that the dictionary
    // stays full and its entries remain usable. Entry 258 is the first two
    // bytes written.
    std::vector<std::pair<int, int>> codes;
    QByteArray expected;
    for (int i = 1; i <= 5000; ++i) {
        const int width = i <= 254 ? 9 : i <= 766 ? 10 : i <= 1790 ? 11 : 12;
        const int byte = (i * 91 + i / 256) % 256;
        codes.push_back({byte, width});
        expected.append(char(byte));
    }
    codes.push_back({258, 12});
    expected.append(expected.left(2));
    // No reset follows: 258 keeps its meaning.
    codes.push_back({258, 12});
    expected.append(expected.left(2));
    codes.push_back({257, 12});
    QByteArray out;
    QCOMPARE(decode(packCodes(expected.size(), codes), out), QString());
    QCOMPARE(out, expected);
}

void TestLzwDecoder::roundTrips_data() {
    QTest::addColumn<QByteArray>("data");
    QRandomGenerator random(8);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("z");
    QTest::newRow("run") << QByteArray(100000, '\x55');
    QByteArray noisy, lumpy;
    for (int i = 0; i < 60000; ++i)
        noisy.append(char(random.bounded(256)));
    for (int i = 0; i < 200000; ++i)
        lumpy.append(char(random.bounded(4) == 0 ? random.bounded(256) : (i / 64) % 7));
    QTest::newRow("noise") << noisy;
    QTest::newRow("mostly patterns") << lumpy;
}

void TestLzwDecoder::roundTrips() {
    QFETCH(QByteArray, data);
    QByteArray out;
    QCOMPARE(decode(lzwPack(data), out), QString());
    QCOMPARE(out, data);
    QCOMPARE(decode(lzwPack(data, 256), out), QString());
    QCOMPARE(out, data);
}

void TestLzwDecoder::damagedData_data() {
    QTest::addColumn<QByteArray>("packed");
    QTest::addColumn<qint64>("maxSize");
    const QByteArray good = lzwPack(QByteArray(5000, 'q') + QByteArray("tail"));
    QTest::newRow("too short for its header") << QByteArray::fromHex("0200000000") << qint64(100);
    QTest::newRow("no codes") << lzwHeader(4) << qint64(100);
    QTest::newRow("undefined code") << packCodes(2, {{'A', 9}, {300, 9}, {257, 9}}) << qint64(100);
    QTest::newRow("entry code first") << packCodes(2, {{258, 9}, {257, 9}}) << qint64(100);
    QTest::newRow("ends early") << packCodes(3, {{'A', 9}, {'B', 9}, {257, 9}}) << qint64(100);
    QTest::newRow("unpacks to more") << packCodes(1, {{'A', 9}, {'B', 9}, {257, 9}}) << qint64(100);
    QTest::newRow("cut short") << good.left(good.size() - 3) << qint64(1 << 20);
    QTest::newRow("over the limit") << good << qint64(5003);
    QByteArray huge = good;
    putInt32(huge, 0, 0xFFFFFFFFLL);
    QTest::newRow("huge declared size") << huge << qint64(1 << 20);
}

void TestLzwDecoder::damagedData() {
    QFETCH(QByteArray, packed);
    QFETCH(qint64, maxSize);
    QByteArray out = "unchanged";
    QVERIFY(!LzwDecoder::Decode(packed, maxSize, out).isEmpty());
    QCOMPARE(out, QByteArray("unchanged"));
}

QTEST_APPLESS_MAIN(TestLzwDecoder)
#include "tst_LzwDecoder.moc"
