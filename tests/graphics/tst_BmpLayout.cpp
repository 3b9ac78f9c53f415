// Bitmaps shorter than their headers say: each layout's pixel data length
// worked out by hand, a file of exactly that length taken, one byte less
// refused with the lengths.
#include "BmpLayout.h"
#include "TestMain.h"

#include <QTest>
#include <QtEndian>

namespace {

struct Header {
    int headerSize = 40; // 12: the OS/2 form
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;
    int compression = 0;
    int statedSize = 0;
    int paletteBytes = 0;
};

// The headers of a bitmap followed by `dataBytes` bytes of pixel data.
QByteArray bitmap(const Header& h, int dataBytes) {
    const int start = 14 + h.headerSize + h.paletteBytes;
    QByteArray bytes(start + dataBytes, '\x55');
    char* b = bytes.data();
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(quint32(bytes.size()), b + 2);
    qToLittleEndian<quint32>(0, b + 6);
    qToLittleEndian<quint32>(quint32(start), b + 10);
    qToLittleEndian<quint32>(quint32(h.headerSize), b + 14);
    if (h.headerSize == 12) {
        qToLittleEndian<quint16>(quint16(h.width), b + 18);
        qToLittleEndian<quint16>(quint16(h.height), b + 20);
        qToLittleEndian<quint16>(1, b + 22);
        qToLittleEndian<quint16>(quint16(h.bitsPerPixel), b + 24);
        return bytes;
    }
    qToLittleEndian<qint32>(h.width, b + 18);
    qToLittleEndian<qint32>(h.height, b + 22);
    qToLittleEndian<quint16>(1, b + 26);
    qToLittleEndian<quint16>(quint16(h.bitsPerPixel), b + 28);
    qToLittleEndian<quint32>(quint32(h.compression), b + 30);
    qToLittleEndian<quint32>(quint32(h.statedSize), b + 34);
    for (int at = 38; at < 54; ++at)
        b[at] = 0;
    return bytes;
}

} // namespace

Q_DECLARE_METATYPE(Header)

class tst_BmpLayout : public QObject {
    Q_OBJECT

private slots:
    void refusesDataCutShort_data() {
        QTest::addColumn<Header>("header");
        QTest::addColumn<int>("dataBytes"); // what the header asks for
        QTest::addColumn<int>("start");     // where the data starts
        // clang-format off
        QTest::newRow("8 bits, rows padded to 4") << Header{40, 3, 2, 8, 0, 0, 1024} << 8 << 1078;
        QTest::newRow("24 bits") << Header{40, 5, 3, 24, 0, 0, 0} << 48 << 54;
        QTest::newRow("4 bits") << Header{40, 7, 1, 4, 0, 0, 64} << 4 << 118;
        QTest::newRow("1 bit, 33 wide") << Header{40, 33, 2, 1, 0, 0, 8} << 16 << 62;
        QTest::newRow("rows from the top down") << Header{40, 4, -3, 8, 0, 0, 1024} << 12 << 1078;
        QTest::newRow("32 bits with bit fields") << Header{40, 2, 2, 32, 3, 0, 12} << 16 << 66;
        QTest::newRow("OS/2 header, 24 bits") << Header{12, 2, 2, 24, 0, 0, 0} << 16 << 26;
        QTest::newRow("run-length packed, stated size") << Header{40, 64, 64, 8, 1, 10, 1024} << 10 << 1078;
        // clang-format on
    }

    void refusesDataCutShort() {
        QFETCH(Header, header);
        QFETCH(int, dataBytes);
        QFETCH(int, start);
        const QByteArray whole = bitmap(header, dataBytes);
        QCOMPARE(BmpLayout::CutShort(whole), QString());
        QCOMPARE(BmpLayout::CutShort(whole + "extra"), QString());
        QCOMPARE(BmpLayout::CutShort(whole.chopped(1)),
                 QStringLiteral("its header puts %1 bytes of pixel data at byte %2, but the file "
                                "ends after %3 bytes")
                     .arg(dataBytes)
                     .arg(QLocale(QLocale::English).toString(start))
                     .arg(QLocale(QLocale::English).toString(start + dataBytes - 1)));
    }
};

GM_TEST_APPLESS_MAIN(tst_BmpLayout)
#include "tst_BmpLayout.moc"
