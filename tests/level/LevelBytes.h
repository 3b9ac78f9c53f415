#pragma once

// Building level-file bytes by hand, and reading them back the plain way,
// for tests that check the file format byte for byte.

#include "TestFiles.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>
#include <vector>

class LevelBytes {
public:
    LevelBytes& word(int value) {
        char bytes[2];
        qToLittleEndian(quint16(value), bytes);
        m_Data.append(bytes, 2);
        return *this;
    }
    LevelBytes& dword(quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        m_Data.append(bytes, 4);
        return *this;
    }
    LevelBytes& words(int count, int value) {
        for (int i = 0; i < count; ++i)
            word(value);
        return *this;
    }
    LevelBytes& run(int count, int value) { return word(0xFEFE).word(count).word(value); }
    LevelBytes& bytes(const QByteArray& raw) {
        m_Data.append(raw);
        return *this;
    }
    // Bytes 0 to 19 as the game writes them for a W x H level.
    LevelBytes& plainHeader(int width, int height) {
        const qint64 planeLength = (qint64(width) * height + 7) / 8 * 8;
        return dword(quint32(32 + 4 * planeLength))
            .word(width)
            .word(height)
            .word(2)
            .words(4, 0)
            .word(int(quint16(2 * planeLength)));
    }
    // The full header: plain words and the eight dropped ones as one run.
    LevelBytes& header(int width, int height) { return plainHeader(width, height).run(8, 0); }

    const QByteArray& data() const { return m_Data; }
    operator QByteArray() const { return m_Data; }

private:
    QByteArray m_Data;
};

inline quint16 wordAt(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

inline quint32 dwordAt(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

// The whole unpacked image of a file: header words 0 to 7 taken plain from
// bytes 4 to 19, then every word from byte 20 on with each run expanded.
// Nothing is counted or cut off, so a test can see exactly what a writer
// put where.
inline std::vector<quint16> unpackAll(const QByteArray& data) {
    std::vector<quint16> words;
    for (int offset = 4; offset + 2 <= data.size() && offset < 20; offset += 2)
        words.push_back(wordAt(data, offset));
    for (int offset = 20; offset + 2 <= data.size();) {
        const quint16 word = wordAt(data, offset);
        offset += 2;
        if (word != 0xFEFE) {
            words.push_back(word);
            continue;
        }
        if (offset + 4 > data.size())
            break;
        const qint16 count = qint16(wordAt(data, offset));
        words.insert(words.end(), size_t(count > 0 ? count : 0), wordAt(data, offset + 2));
        offset += 4;
    }
    return words;
}
