#include "LzexeUnpacker.h"

#include <QtEndian>
#include <algorithm>

namespace {

constexpr qint64 ParagraphBytes = 16;
// LZEXE's header at the start of the packed program's code segment.
constexpr qint64 LzexeHeaderBytes = 16;
constexpr qint64 PackedParagraphsField = 8;
constexpr qint64 GrowthParagraphsField = 10;

// The packed stream between `begin` and `end` of the program's bytes.
class PackedStream {
public:
    PackedStream(const QByteArray& bytes, qint64 begin, qint64 end)
        : m_Bytes(bytes), m_Position(begin), m_End(end) {
        m_HaveBits = refill();
    }

    // False once the data ends where more was needed.
    bool Bit(int& bit) {
        if (!m_HaveBits)
            return false;
        bit = m_Bits & 1;
        m_Bits >>= 1;
        if (--m_BitsLeft == 0)
            m_HaveBits = refill();
        return true;
    }

    bool Byte(int& byte) {
        if (m_Position >= m_End)
            return false;
        byte = quint8(m_Bytes[m_Position++]);
        return true;
    }

    qint64 Position() const { return m_Position; }

private:
    // The next control word follows the last bit of the previous one at
    // once, before any byte that bit governs; a stream may end right after
    // its end mark with no whole word left, so only a bit asked for from a
    // missing word is a fault.
    bool refill() {
        if (m_Position + 2 > m_End)
            return false;
        m_Bits = qFromLittleEndian<quint16>(m_Bytes.constData() + m_Position);
        m_Position += 2;
        m_BitsLeft = 16;
        return true;
    }

    const QByteArray& m_Bytes;
    qint64 m_Position;
    qint64 m_End;
    quint32 m_Bits = 0;
    int m_BitsLeft = 0;
    bool m_HaveBits = false;
};

IoResult cutShort(const PackedStream& stream) {
    return IoResult::failure(
        LzexeUnpacker::tr("its packed data ends at byte %1 before its end mark")
            .arg(stream.Position()));
}

} // namespace

IoResult LzexeUnpacker::Unpack(const QByteArray& program, const DosProgram::Header& header,
                               QByteArray& module) {
    const qint64 lzexeHeader = header.headerBytes + qint64(header.codeSegment) * ParagraphBytes;
    if (lzexeHeader + LzexeHeaderBytes > program.size())
        return IoResult::failure(tr("its unpacker's header at byte %1 lies past its end (%2 bytes)")
                                     .arg(lzexeHeader)
                                     .arg(program.size()));
    const auto field = [&](qint64 at) {
        return qint64(qFromLittleEndian<quint16>(program.constData() + lzexeHeader + at));
    };
    const qint64 packedBytes = field(PackedParagraphsField) * ParagraphBytes;
    const qint64 dataStart = lzexeHeader - packedBytes;
    if (dataStart < header.headerBytes)
        return IoResult::failure(tr("its header claims %1 bytes of packed data, more than the "
                                    "%2 before its unpacker")
                                     .arg(packedBytes)
                                     .arg(lzexeHeader - header.headerBytes));
    // Unpacking happens in place: the packed data is first moved up by the
    // growth, and what is written never overtakes what is still to be read.
    const qint64 limit =
        std::min(packedBytes + field(GrowthParagraphsField) * ParagraphBytes, MaxModuleBytes);

    PackedStream stream(program, dataStart, lzexeHeader);
    QByteArray out;
    for (;;) {
        int bit = 0;
        if (!stream.Bit(bit))
            return cutShort(stream);
        if (bit == 1) {
            int literal = 0;
            if (!stream.Byte(literal))
                return cutShort(stream);
            if (out.size() >= limit)
                return IoResult::failure(
                    tr("it unpacks to more than the %1 bytes its header allows").arg(limit));
            out.append(char(literal));
            continue;
        }
        int length = 0;
        int distance = 0;
        if (!stream.Bit(bit))
            return cutShort(stream);
        if (bit == 0) {
            int high = 0, low = 0, byte = 0;
            if (!stream.Bit(high) || !stream.Bit(low) || !stream.Byte(byte))
                return cutShort(stream);
            length = (high << 1 | low) + 2;
            distance = 256 - byte;
        } else {
            int low = 0, high = 0;
            if (!stream.Byte(low) || !stream.Byte(high))
                return cutShort(stream);
            distance = 0x2000 - ((high & 0xF8) << 5 | low);
            length = (high & 0x07) + 2;
            if (length == 2) {
                int extra = 0;
                if (!stream.Byte(extra))
                    return cutShort(stream);
                if (extra == 0)
                    break; // the end mark
                if (extra == 1)
                    continue; // a new segment: the unpacker's own bookkeeping
                length = extra + 1;
            }
        }
        if (distance > out.size())
            return IoResult::failure(tr("a copy at byte %1 of its packed data reaches %2 bytes "
                                        "back, before the start of the program")
                                         .arg(stream.Position())
                                         .arg(distance));
        if (out.size() + length > limit)
            return IoResult::failure(
                tr("it unpacks to more than the %1 bytes its header allows").arg(limit));
        // Byte by byte: a copy may overlap what it writes.
        for (int i = 0; i < length; ++i)
            out.append(out[out.size() - distance]);
    }
    module = out;
    return IoResult::success();
}
