// The level file: a 20-byte plain header followed by a word-oriented
// run-length code (marker 0xFEFE, count, value) that holds eight dropped
// header words, the tile plane and the info plane, each plane padded with
// zero words to a multiple of eight.

#include "Level.h"
#include "PathText.h"

#include "BoundedFileReader.h"
#include "FileWriter.h"

#include "DecimalText.h"

#include <QCoreApplication>
#include <QDir>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cstring>

namespace {

constexpr quint16 RunMarker = 0xFEFE;
// Bytes 0..19: the unpacked length and header words 0..7, always plain.
constexpr qint64 PlainHeaderBytes = 20;
// Header words 8..15, decoded after the plain header and thrown away.
constexpr qint64 DroppedHeaderWords = 8;
// The longest run whose count reads back as a positive signed word.
constexpr qint64 LongestRun = 0x7FFF;

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
        QCoreApplication::translate("Level", "%1 is not a valid level file: %2.")
            .arg(quoted(fileName), reason));
}

// A number inside a file name, read as the size boxes read theirs.
qint16 readDecimal(QStringView text) {
    return qint16(ReadLeadingDecimal(text, 0x7FFF));
}

// Four copies of a word in one 64-bit value, to fill or compare four cells
// at a time; the same in either byte order.
quint64 fourWords(qint16 value) {
    return quint64(quint16(value)) * 0x0001000100010001ULL;
}

qint16* fillWords(qint16* out, qint64 count, qint16 value) {
    const quint64 pattern = fourWords(value);
    qint64 i = 0;
    for (; i + 4 <= count; i += 4)
        std::memcpy(out + i, &pattern, sizeof pattern);
    for (; i < count; ++i)
        out[i] = value;
    return out + count;
}

// The end of the run of `cells[from]`'s value that starts at `from`, at most `limit`.
qint64 runEnd(const qint16* cells, qint64 from, qint64 limit) {
    const qint16 value = cells[from];
    const quint64 pattern = fourWords(value);
    qint64 end = from + 1;
    for (quint64 four; end + 4 <= limit; end += 4) {
        std::memcpy(&four, cells + end, sizeof four);
        if (four != pattern)
            break;
    }
    while (end < limit && cells[end] == value)
        ++end;
    return end;
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

    // Takes plain words from data[pos..size) up to the next run marker, the
    // end of the data or the end of the current part; returns the new pos.
    qint64 copyPlain(const uchar* data, qint64 pos, qint64 size) {
        const qint64 n = std::min(m_Left, (size - pos) / 2);
        const uchar* in = data + pos;
        qint64 i = 0;
        if (qint16* out = m_Out) {
            for (; i < n; ++i) {
                const quint16 word = qFromLittleEndian<quint16>(in + 2 * i);
                if (word == RunMarker)
                    break;
                out[i] = qint16(word);
            }
            m_Out += i;
        } else {
            while (i < n && qFromLittleEndian<quint16>(in + 2 * i) != RunMarker)
                ++i;
        }
        m_Left -= i;
        if (m_Left == 0)
            enter(m_Index + 1);
        return pos + 2 * i;
    }

    void fill(qint16 value, qint64 count) {
        while (count > 0 && !full()) {
            const qint64 n = std::min(count, m_Left);
            if (m_Out)
                m_Out = fillWords(m_Out, n, value);
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
        pos = sink.copyPlain(data, pos, size);
        if (sink.full() || pos + 2 > size || wordAt(data, pos) != RunMarker)
            continue;
        if (pos + 6 > size)
            break;
        const qint16 count = qint16(wordAt(data, pos + 2));
        const qint16 value = qint16(wordAt(data, pos + 4));
        pos += 6;
        if (count > 0)
            sink.fill(value, count);
    }
}

// The writer works on a raw cursor into a buffer sized beforehand; each
// helper returns the cursor behind what it wrote.
uchar* putWord(uchar* out, quint16 value) {
    qToLittleEndian(value, out);
    return out + 2;
}

uchar* putZeroWords(uchar* out, qint64 count) {
    return std::fill_n(out, 2 * count, uchar(0));
}

uchar* putHeader(uchar* out, qint16 width, qint16 height, qint64 planeLength) {
    qToLittleEndian(quint32(32 + 4 * planeLength), out);
    out = putWord(out + 4, quint16(width));
    out = putWord(out, quint16(height));
    out = putWord(out, 2); // number of planes
    out = putZeroWords(out, 4);
    out = putWord(out, quint16(2 * planeLength)); // bytes per plane
    // Header words 8 to 15: one run of eight zeros.
    out = putWord(out, RunMarker);
    out = putWord(out, 8);
    return putWord(out, 0);
}

// Runs of four or more, and every run of the marker value itself (which
// could not be stored plain), are packed; shorter runs are written plain.
uchar* putRun(uchar* out, qint16 value, qint64 length) {
    if (length >= 4 || quint16(value) == RunMarker) {
        out = putWord(out, RunMarker);
        out = putWord(out, quint16(length));
        return putWord(out, quint16(value));
    }
    for (qint64 i = 0; i < length; ++i)
        out = putWord(out, quint16(value));
    return out;
}

// Packs one plane's cells. Runs never continue into the padding or the
// next plane. A run is split only where its count would no longer read back
// as a positive word, which no plane of a valid size reaches.
uchar* packPlane(uchar* out, const qint16* cells, qint64 count) {
    qint64 i = 0;
    while (i < count) {
        const qint64 end = runEnd(cells, i, std::min(count, i + LongestRun));
        out = putRun(out, cells[i], end - i);
        i = end;
    }
    return out;
}

} // namespace

qint16 Level::EpisodeFromFileName(const QString& fileName) {
    return readDecimal(QStringView(fileName).right(1));
}

qint16 Level::NumberFromFileName(const QString& fileName) {
    return readDecimal(QStringView(PathText::BareName(fileName)).mid(5, 2));
}

QByteArray Level::Serialize() const {
    const qint64 cells = qint64(m_Tiles.size());
    const qint64 planeLength = planeWords(cells);
    const qint64 padding = planeLength - cells;
    // Worst case: every cell a lone marker value, six bytes each.
    const qint64 capacity = PlainHeaderBytes + 6 + 2 * (6 * cells + 2 * padding);
    QByteArray bytes(qsizetype(capacity), Qt::Uninitialized);
    uchar* const begin = reinterpret_cast<uchar*>(bytes.data());
    uchar* out = putHeader(begin, m_Width, m_Height, planeLength);
    out = putZeroWords(packPlane(out, m_Tiles.data(), cells), padding);
    out = putZeroWords(packPlane(out, m_Infos.data(), cells), padding);
    bytes.truncate(qsizetype(out - begin));
    return bytes;
}

IoResult Level::Deserialize(const QByteArray& data, const QString& fileName) {
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    const qint64 size = data.size();
    if (size < PlainHeaderBytes)
        return invalidFile(fileName,
                           QCoreApplication::translate(
                               "Level", "it is %1 bytes long, shorter than the 20-byte header")
                               .arg(size));
    const qint16 width = qint16(wordAt(bytes, 4));
    const qint16 height = qint16(wordAt(bytes, 6));
    if (width < 1 || height < 1)
        return invalidFile(fileName,
                           QCoreApplication::translate("Level", "its size of %1x%2 cells is empty")
                               .arg(width)
                               .arg(height));
    const qint64 cells = qint64(width) * height;
    if (cells > MaxCells)
        return invalidFile(fileName,
                           QCoreApplication::translate(
                               "Level", "its size of %1x%2 cells is more than the %3 cells a "
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

IoResult Level::Load(const QString& fileName, QByteArray* bytesRead) {
    // An ordinary read rather than a mapping: a file that shrinks while it
    // is read then gives fewer bytes instead of killing the process.
    QByteArray data;
    const IoResult read = BoundedFileReader::Read(
        fileName, MaxFileBytes, QCoreApplication::translate("Level", "level file"), data);
    if (!read)
        return read;
    const IoResult decoded = Deserialize(data, fileName);
    if (decoded && bytesRead != nullptr)
        *bytesRead = data;
    return decoded;
}

IoResult Level::Save(const QString& fileName) const {
    const qint64 cells = qint64(m_Width) * m_Height;
    if (m_Width < 1 || m_Height < 1 || cells > MaxCells)
        return IoResult::failure(
            QCoreApplication::translate("Level", "Cannot save %1: a level of %2x%3 cells does not "
                                                 "fit in a level file (1 to %4 cells).")
                .arg(quoted(fileName))
                .arg(m_Width)
                .arg(m_Height)
                .arg(MaxCells));
    return FileWriter::WriteWhole(fileName, Serialize());
}
