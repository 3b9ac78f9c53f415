// The level file: a 20-byte plain header followed by a word-oriented
// run-length code (marker 0xFEFE, count, value) that holds eight dropped
// header words, the tile plane and the info plane, each plane padded with
// zero words to a multiple of eight.

#include "Level.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <array>

namespace {

constexpr quint16 RunMarker = 0xFEFE;
// Bytes 0..19: the unpacked length and header words 0..7, always plain.
constexpr qint64 PlainHeaderBytes = 20;
// Header words 8..15, decoded after the plain header and thrown away.
constexpr qint64 DroppedHeaderWords = 8;
// The longest run whose count reads back as a positive signed word.
constexpr qint64 LongestRun = 0x7FFF;
// Files that cannot be mapped (pipes, devices) are read up to this size; no
// level file comes near it.
constexpr qint64 StreamReadLimit = 16 * 1024 * 1024;

// Words one plane takes in the unpacked image: its cells rounded up to a
// multiple of eight.
qint64 planeWords(qint64 cells) {
    return (cells + 7) / 8 * 8;
}

QString quoted(const QString& fileName) {
    return QLatin1Char('"') + QDir::toNativeSeparators(fileName) + QLatin1Char('"');
}

IoResult invalidFile(const QString& fileName, const QString& reason) {
    return IoResult::failure(
        QStringLiteral("%1 is not a valid level file: %2.").arg(quoted(fileName), reason));
}

// A number inside a file name: blanks are skipped wherever they stand and
// the digits at the start of what remains give the value; no digits give 0.
qint16 readDecimal(QStringView text) {
    int value = 0;
    for (const QChar ch : text) {
        if (ch == QLatin1Char(' ') || ch == QLatin1Char('\t') || ch == QLatin1Char('\n'))
            continue;
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        value = std::min(value * 10 + (ch.unicode() - '0'), 0x7FFF);
    }
    return qint16(value);
}

// Where decoded words go, in stream order: the dropped header words, the
// tile plane's cells, the tile plane's padding (dropped), the info plane's
// cells. Once the last info cell is written the sink is full and the rest
// of the stream is never looked at.
class WordSink {
public:
    WordSink(qint16* tiles, qint16* infos, qint64 cells, qint64 padding)
        : m_Segments{
              {{nullptr, DroppedHeaderWords}, {tiles, cells}, {nullptr, padding}, {infos, cells}}} {
        enter(0);
    }

    bool full() const { return m_Index == int(m_Segments.size()); }

    void put(qint16 value) {
        if (m_Out)
            *m_Out++ = value;
        if (--m_Left == 0)
            enter(m_Index + 1);
    }

    void fill(qint16 value, qint64 count) {
        while (count > 0 && !full()) {
            const qint64 n = std::min(count, m_Left);
            if (m_Out)
                m_Out = std::fill_n(m_Out, n, value);
            count -= n;
            m_Left -= n;
            if (m_Left == 0)
                enter(m_Index + 1);
        }
    }

private:
    struct Segment {
        qint16* out; // null: the words are thrown away
        qint64 length;
    };

    void enter(int index) {
        while (index < int(m_Segments.size()) && m_Segments[size_t(index)].length == 0)
            ++index;
        m_Index = index;
        if (!full()) {
            m_Out = m_Segments[size_t(index)].out;
            m_Left = m_Segments[size_t(index)].length;
        }
    }

    std::array<Segment, 4> m_Segments;
    int m_Index = 0;
    qint16* m_Out = nullptr;
    qint64 m_Left = 0;
};

quint16 wordAt(const uchar* data, qint64 offset) {
    return qFromLittleEndian<quint16>(data + offset);
}

// Expands the packed stream from byte 20 on into `sink` until the sink is
// full or the data ends. A word cut off by the end of the data is not read,
// and a run whose count or value is cut off adds nothing.
void decodeStream(const uchar* data, qint64 size, WordSink& sink) {
    qint64 pos = PlainHeaderBytes;
    while (!sink.full() && pos + 2 <= size) {
        const quint16 word = wordAt(data, pos);
        pos += 2;
        if (word != RunMarker) {
            sink.put(qint16(word));
            continue;
        }
        if (pos + 4 > size)
            break;
        const qint16 count = qint16(wordAt(data, pos));
        const qint16 value = qint16(wordAt(data, pos + 2));
        pos += 4;
        if (count > 0)
            sink.fill(value, count);
    }
}

// Writes little-endian words into a buffer sized beforehand.
class ByteWriter {
public:
    explicit ByteWriter(uchar* out) : m_Begin(out), m_Out(out) {}

    void word(quint16 value) {
        qToLittleEndian(value, m_Out);
        m_Out += 2;
    }
    void dword(quint32 value) {
        qToLittleEndian(value, m_Out);
        m_Out += 4;
    }
    void zeroWords(qint64 count) { m_Out = std::fill_n(m_Out, 2 * count, uchar(0)); }
    qint64 written() const { return m_Out - m_Begin; }

private:
    uchar* m_Begin;
    uchar* m_Out;
};

void writeHeader(ByteWriter& out, qint16 width, qint16 height, qint64 planeLength) {
    out.dword(quint32(32 + 4 * planeLength));
    out.word(quint16(width));
    out.word(quint16(height));
    out.word(2); // number of planes
    out.zeroWords(4);
    out.word(quint16(2 * planeLength)); // bytes per plane
    // Header words 8 to 15: one run of eight zeros.
    out.word(RunMarker);
    out.word(8);
    out.word(0);
}

// Runs of four or more, and every run of the marker value itself (which
// could not be stored plain), are packed; shorter runs are written plain.
void flushRun(ByteWriter& out, qint16 value, qint64 length) {
    if (length >= 4 || quint16(value) == RunMarker) {
        out.word(RunMarker);
        out.word(quint16(length));
        out.word(quint16(value));
        return;
    }
    for (qint64 i = 0; i < length; ++i)
        out.word(quint16(value));
}

// Packs one plane's cells. Runs never continue into the padding or the
// next plane. A run is split only where its count would no longer read back
// as a positive word, which no plane of a valid size reaches.
void packPlane(ByteWriter& out, const qint16* cells, qint64 count) {
    qint64 i = 0;
    while (i < count) {
        const qint16 value = cells[i];
        const qint64 limit = std::min(count, i + LongestRun);
        qint64 end = i + 1;
        while (end < limit && cells[end] == value)
            ++end;
        flushRun(out, value, end - i);
        i = end;
    }
}

} // namespace

qint16 Level::EpisodeFromFileName(const QString& fileName) {
    return readDecimal(QStringView(fileName).right(1));
}

qint16 Level::NumberFromFileName(const QString& fileName) {
    const qsizetype slash =
        std::max(fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char('\\')));
    return readDecimal(QStringView(fileName).mid(slash + 1).mid(5, 2));
}

QByteArray Level::Serialize() const {
    const qint64 cells = qint64(m_Tiles.size());
    const qint64 planeLength = planeWords(cells);
    const qint64 padding = planeLength - cells;
    // Worst case: every cell a lone marker value, six bytes each.
    const qint64 capacity = PlainHeaderBytes + 6 + 2 * (6 * cells + 2 * padding);
    QByteArray bytes(qsizetype(capacity), Qt::Uninitialized);
    ByteWriter out(reinterpret_cast<uchar*>(bytes.data()));
    writeHeader(out, m_Width, m_Height, planeLength);
    packPlane(out, m_Tiles.data(), cells);
    out.zeroWords(padding);
    packPlane(out, m_Infos.data(), cells);
    out.zeroWords(padding);
    bytes.truncate(qsizetype(out.written()));
    return bytes;
}

IoResult Level::Deserialize(const QByteArray& data, const QString& fileName) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 size = data.size();
    if (size < PlainHeaderBytes)
        return invalidFile(
            fileName,
            QStringLiteral("it is %1 bytes long, shorter than the 20-byte header").arg(size));
    const qint16 width = qint16(wordAt(bytes, 4));
    const qint16 height = qint16(wordAt(bytes, 6));
    if (width < 1 || height < 1)
        return invalidFile(
            fileName, QStringLiteral("its size of %1x%2 cells is empty").arg(width).arg(height));
    const qint64 cells = qint64(width) * height;
    if (cells > MaxCells)
        return invalidFile(fileName,
                           QStringLiteral("its size of %1x%2 cells is more than the %3 cells a "
                                          "level file can hold")
                               .arg(width)
                               .arg(height)
                               .arg(MaxCells));

    // Decode into new planes and take them only when all went well.
    std::vector<qint16> tiles(size_t(cells), 0);
    std::vector<qint16> infos(size_t(cells), 0);
    WordSink sink(tiles.data(), infos.data(), cells, planeWords(cells) - cells);
    decodeStream(bytes, size, sink);

    m_Width = width;
    m_Height = height;
    m_Tiles.swap(tiles);
    m_Infos.swap(infos);
    m_Episode = EpisodeFromFileName(fileName);
    m_Number = NumberFromFileName(fileName);
    return IoResult::success();
}

IoResult Level::Load(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::failure(
            QStringLiteral("Cannot open %1: %2.").arg(quoted(fileName), file.errorString()));
    // Ordinary files are mapped rather than copied: decoding stops as soon
    // as both planes are full, so a long tail is never even paged in.
    const qint64 size = file.size();
    if (!file.isSequential() && size > 0) {
        if (uchar* mapped = file.map(0, size)) {
            const IoResult result = Deserialize(
                QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), qsizetype(size)),
                fileName);
            file.unmap(mapped);
            return result;
        }
    }
    const QByteArray data = file.read(StreamReadLimit + 1);
    if (file.error() != QFileDevice::NoError)
        return IoResult::failure(
            QStringLiteral("Cannot read %1: %2.").arg(quoted(fileName), file.errorString()));
    if (data.size() > StreamReadLimit)
        return invalidFile(fileName, QStringLiteral("it is far too long"));
    return Deserialize(data, fileName);
}

IoResult Level::Save(const QString& fileName) const {
    const qint64 cells = qint64(m_Width) * m_Height;
    if (m_Width < 1 || m_Height < 1 || cells > MaxCells)
        return IoResult::failure(QStringLiteral("Cannot save %1: a level of %2x%3 cells does not "
                                                "fit in a level file (1 to %4 cells).")
                                     .arg(quoted(fileName))
                                     .arg(m_Width)
                                     .arg(m_Height)
                                     .arg(MaxCells));
    // The new contents go to a temporary file that replaces the old one
    // only once it is complete, so a failure leaves the old file as it was.
    QSaveFile file(fileName);
    const QByteArray bytes = Serialize();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return IoResult::failure(
            QStringLiteral("Cannot save %1: %2.").arg(quoted(fileName), file.errorString()));
    return IoResult::success();
}
