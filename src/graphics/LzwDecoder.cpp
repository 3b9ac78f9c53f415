#include "LzwDecoder.h"

#include <QCoreApplication>
#include <array>
#include <limits>
#include <memory>

namespace {

// Reads codes most significant bit first from a byte string.
class BitReader {
public:
    BitReader(const QByteArray& data, qint64 startByte)
        : m_Data(reinterpret_cast<const quint8*>(data.constData())), m_Size(data.size()),
          m_Pos(startByte * 8), m_End(qint64(data.size()) * 8) {}

    // False when fewer than `bits` (at most 12) remain.
    bool Read(int bits, int& code) {
        if (m_Pos + bits > m_End)
            return false;
        // The code lies within the three bytes from the current one.
        const qint64 at = m_Pos >> 3;
        quint32 window = 0;
        for (qint64 i = at; i < at + 3; ++i)
            window = (window << 8) | (i < m_Size ? m_Data[i] : 0);
        code = int((window >> (24 - (m_Pos & 7) - bits)) & ((1u << bits) - 1));
        m_Pos += bits;
        return true;
    }

private:
    const quint8* m_Data;
    qint64 m_Size;
    qint64 m_Pos;
    qint64 m_End;
};

// The dictionary: every entry is an earlier entry (or byte) plus one byte.
class Dictionary {
public:
    Dictionary() {
        for (int i = 0; i < 256; ++i) {
            m_Prefix[i] = -1;
            m_Last[i] = quint8(i);
            m_First[i] = quint8(i);
            m_Length[i] = 1;
        }
    }

    int Next() const { return m_Next; }
    bool Full() const { return m_Next >= LzwDecoder::MaxEntries; }
    bool Defined(int code) const {
        return code < 256 || (code >= LzwDecoder::FirstEntry && code < m_Next);
    }
    quint8 First(int code) const { return m_First[code]; }
    int Length(int code) const { return m_Length[code]; }

    void Add(int prefix, quint8 last) {
        m_Prefix[m_Next] = prefix;
        m_Last[m_Next] = last;
        m_First[m_Next] = m_First[prefix];
        m_Length[m_Next] = m_Length[prefix] + 1;
        ++m_Next;
    }

    // Writes the string of `code` to `out` (which has room for it).
    void Write(int code, char* out) const {
        for (int i = m_Length[code] - 1; i >= 0; --i) {
            out[i] = char(m_Last[code]);
            code = m_Prefix[code];
        }
    }

private:
    std::array<int, LzwDecoder::MaxEntries> m_Prefix{};
    std::array<quint8, LzwDecoder::MaxEntries> m_Last{};
    std::array<quint8, LzwDecoder::MaxEntries> m_First{};
    std::array<int, LzwDecoder::MaxEntries> m_Length{};
    int m_Next = LzwDecoder::FirstEntry;
};

quint32 readSize(const QByteArray& packed) {
    quint32 size = 0;
    for (int i = 3; i >= 0; --i)
        size = (size << 8) | quint8(packed[i]);
    return size;
}

} // namespace

QString LzwDecoder::Decode(const QByteArray& packed, qint64 maxSize, QByteArray& unpacked) {
    if (packed.size() < HeaderBytes)
        return QCoreApplication::translate("LzwDecoder", "the packed data is too short");
    const qint64 size = readSize(packed);
    if (size > maxSize || size > std::numeric_limits<int>::max())
        return QCoreApplication::translate(
                   "LzwDecoder", "the packed data claims %1 bytes, more than the %2 expected")
            .arg(size)
            .arg(maxSize);

    QByteArray out(int(size), '\0');
    auto dictionary = std::make_unique<Dictionary>();
    BitReader reader(packed, HeaderBytes);
    qint64 written = 0;
    int width = 9;
    int previous = -1;
    int code = 0;
    while (reader.Read(width, code) && code != 256 && code != 257) {
        int entry = code;
        if (!dictionary->Defined(code)) {
            // The one code that may name the entry being made: the previous
            // string followed by its own first byte.
            if (previous < 0 || code != dictionary->Next())
                return QCoreApplication::translate("LzwDecoder",
                                                   "the packed data holds an undefined code");
            entry = -1;
        }
        if (entry < 0) {
            dictionary->Add(previous, dictionary->First(previous));
            entry = code;
        } else if (previous >= 0 && !dictionary->Full()) {
            dictionary->Add(previous, dictionary->First(entry));
        }
        const int length = dictionary->Length(entry);
        if (written + length > size)
            return QCoreApplication::translate(
                "LzwDecoder", "the packed data unpacks to more than its declared size");
        dictionary->Write(entry, out.data() + written);
        written += length;
        previous = entry;
        if (dictionary->Next() + 1 >= (1 << width) && width < MaxBits)
            ++width;
    }
    if (written != size)
        return QCoreApplication::translate("LzwDecoder", "the packed data ends early");
    unpacked = out;
    return QString();
}
