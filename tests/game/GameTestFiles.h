#pragma once

// Programs and tile tables made by hand for the tests of src/game: a packed
// stream written token by token the way LZEXE lays it out, the programs
// that hold it, and tables as six planes of words.

#include <QByteArray>
#include <QtEndian>
#include <functional>

// Writes LZEXE's packed stream: control bits gathered in 16-bit words, each
// word placed where the unpacker reads it, right after the bit before it.
class LzexeStream {
public:
    LzexeStream() { newWord(); }
    LzexeStream& literal(const QByteArray& text) {
        for (char c : text) {
            bit(1);
            m_Bytes += c;
        }
        return *this;
    }
    // Distance 1..256 back, length 2..5.
    LzexeStream& near(int distance, int length) {
        bits({0, 0, (length - 2) >> 1, (length - 2) & 1});
        m_Bytes += char(256 - distance);
        return *this;
    }
    // Distance 1..8192 back, length 3..9 in the two bytes, 10..256 in a third.
    LzexeStream& far(int distance, int length) {
        bits({0, 1});
        const int span = 0x2000 - distance;
        m_Bytes += char(span & 0xFF);
        m_Bytes += char(((span >> 5) & 0xF8) | (length <= 9 ? length - 2 : 0));
        if (length > 9)
            m_Bytes += char(length - 1);
        return *this;
    }
    LzexeStream& segment() { return mark(1); }
    LzexeStream& end() { return mark(0); }
    QByteArray bytes() const { return m_Bytes; }

private:
    LzexeStream& mark(int code) {
        bits({0, 1});
        m_Bytes += QByteArray("\0\0", 2) + char(code);
        return *this;
    }
    void bits(std::initializer_list<int> values) {
        for (int value : values)
            bit(value);
    }
    void bit(int value) {
        if (value)
            m_Bytes[m_Word + m_Count / 8] =
                char(m_Bytes[m_Word + m_Count / 8] | 1 << (m_Count % 8));
        if (++m_Count == 16)
            newWord();
    }
    void newWord() {
        m_Word = m_Bytes.size();
        m_Bytes += QByteArray(2, '\0');
        m_Count = 0;
    }
    QByteArray m_Bytes;
    qsizetype m_Word = 0;
    int m_Count = 0;
};

inline void putWord(QByteArray& bytes, qsizetype at, int value) {
    qToLittleEndian<quint16>(quint16(value), bytes.data() + at);
}

// An EXE header of two paragraphs for an image of `imageBytes` in all,
// its code segment at `codeSegment` paragraphs into the load module.
inline QByteArray exeHeader(qsizetype imageBytes, int codeSegment, const char* mark = "") {
    QByteArray header(32, '\0');
    header[0] = 'M';
    header[1] = 'Z';
    putWord(header, 2, int(imageBytes % 512));
    putWord(header, 4, int((imageBytes + 511) / 512));
    putWord(header, 8, 2);
    putWord(header, 0x16, codeSegment);
    header.replace(0x1C, qstrlen(mark), mark);
    return header;
}

// An unpacked program whose load module is `module`.
inline QByteArray plainProgram(const QByteArray& module) {
    return exeHeader(32 + module.size(), 0) + module;
}

// A program packed by LZEXE 0.91 holding `stream`, which may grow by
// `growth` paragraphs; `claimed` (when not -1) replaces the packed size its
// header gives.
inline QByteArray packedProgram(const QByteArray& stream, int growth = 0x100, int claimed = -1) {
    QByteArray data = stream;
    data += QByteArray((16 - data.size() % 16) % 16, '\0');
    const int paragraphs = int(data.size() / 16);
    QByteArray lzexe(16, '\0');
    putWord(lzexe, 8, claimed < 0 ? paragraphs : claimed);
    putWord(lzexe, 10, growth);
    return exeHeader(32 + data.size() + 16, paragraphs, "LZ91") + data + lzexe;
}

// A tile table as the game stores it: `count` words of each of the six
// planes, plane by plane.
inline QByteArray tablePlanes(int count, const std::function<int(int plane, int tile)>& value) {
    QByteArray bytes(count * 12, '\0');
    for (int plane = 0; plane < 6; ++plane)
        for (int tile = 0; tile < count; ++tile)
            putWord(bytes, (plane * count + tile) * 2, value(plane, tile));
    return bytes;
}

// A table of `count` tiles with values of every kind the game knows; tile 5
// has behaviour 3.
inline QByteArray sampleTable(int count) {
    return tablePlanes(count, [](int plane, int tile) {
        return plane == 0 ? 1 << (tile % 3) : plane == 1 ? tile % 34 - 2 : (tile + plane) % 4;
    });
}
