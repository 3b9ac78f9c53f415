#pragma once

#include <QByteArray>
#include <QString>

// Unpacks the LZW code that episode 1 uses for its latch and sprite files.
//
// The packed form is a 32-bit little-endian unpacked size, a 16-bit word the
// decoder does not need, then codes of 9 to 12 bits read most significant bit
// first. Codes 0..255 are bytes, 256 and 257 end the data, dictionary entries
// are numbered from 258. The code width grows by one bit as soon as the next
// entry the packer will create reaches the current width's limit, up to 12
// bits; the dictionary is never reset, so once full it stays as it is.
class LzwDecoder {
public:
    static constexpr int HeaderBytes = 6;
    static constexpr int FirstEntry = 258;
    static constexpr int MaxBits = 12;
    static constexpr int MaxEntries = 1 << MaxBits;

    // Unpacks `packed` into `unpacked`. The declared size must not exceed
    // `maxSize`, so damaged data never makes the decoder allocate more than
    // that. Returns an empty string on success, otherwise why the data is
    // unusable; `unpacked` is then left alone.
    static QString Decode(const QByteArray& packed, qint64 maxSize, QByteArray& unpacked);
};
