#include "BmpLayout.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

constexpr qsizetype FileHeaderSize = 14;
// The header of OS/2 bitmaps, with 16-bit sizes; every later one starts
// with the 40 bytes of BITMAPINFOHEADER.
constexpr quint32 CoreHeaderSize = 12;
constexpr quint32 InfoHeaderSize = 40;

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

quint16 word(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 dword(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}

struct Layout {
    qint64 width = 0;
    qint64 height = 0;
    int bitsPerPixel = 0;
    quint32 compression = Rgb;
    qint64 statedSize = 0; // of the pixel data; may be 0 when uncompressed
    qint64 dataStart = 0;  // where the pixel data starts in the file
};

bool readLayout(const QByteArray& file, Layout& layout) {
    if (file.size() < FileHeaderSize + 4 || !file.startsWith("BM"))
        return false;
    layout.dataStart = dword(file, 10);
    const quint32 headerSize = dword(file, FileHeaderSize);
    if (headerSize == CoreHeaderSize && file.size() >= FileHeaderSize + CoreHeaderSize) {
        layout.width = word(file, 18);
        layout.height = word(file, 20);
        layout.bitsPerPixel = word(file, 24);
        return true;
    }
    if (headerSize < InfoHeaderSize || file.size() < FileHeaderSize + InfoHeaderSize)
        return false;
    // A negative height stands for rows stored from the top down.
    layout.width = qint32(dword(file, 18));
    layout.height = std::llabs(qint32(dword(file, 22)));
    layout.bitsPerPixel = word(file, 28);
    layout.compression = dword(file, 30);
    layout.statedSize = dword(file, 34);
    return true;
}

// The bytes of pixel data the header asks for; 0 when it does not say.
qint64 pixelDataSize(const Layout& layout) {
    switch (layout.compression) {
    case Rgb:
    case BitFields:
    case AlphaBitFields: {
        const qint64 rowBytes = (layout.width * layout.bitsPerPixel + 31) / 32 * 4;
        // More than any file can hold stays a number: the most there is.
        if (layout.height > std::numeric_limits<qint64>::max() / rowBytes)
            return std::numeric_limits<qint64>::max();
        return rowBytes * layout.height;
    }
    case Rle8:
    case Rle4:
        return layout.statedSize;
    default:
        return 0;
    }
}

} // namespace

namespace BmpLayout {

QString CutShort(const QByteArray& file) {
    Layout layout;
    constexpr int depths[] = {1, 4, 8, 16, 24, 32};
    if (!readLayout(file, layout) || layout.width <= 0 ||
        std::find(std::begin(depths), std::end(depths), layout.bitsPerPixel) == std::end(depths))
        return QString();
    const qint64 size = pixelDataSize(layout);
    const qint64 start = layout.dataStart;
    if (size <= 0 || size <= file.size() - start)
        return QString();
    const QLocale english(QLocale::English);
    return QCoreApplication::translate(
               "BmpLayout", "its header puts %1 bytes of pixel data at byte %2, but the file ends "
                            "after %3 bytes")
        .arg(english.toString(size), english.toString(start), english.toString(file.size()));
}

} // namespace BmpLayout
