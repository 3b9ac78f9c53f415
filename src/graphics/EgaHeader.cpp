#include "EgaHeader.h"

#include <QCoreApplication>

namespace {

// Little-endian reads from a byte string whose length the caller checked.
qint32 int32At(const QByteArray& data, qint64 at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | quint8(data[int(at + i)]);
    return qint32(value);
}

qint16 int16At(const QByteArray& data, qint64 at) {
    return qint16(quint16(quint8(data[int(at)]) | (quint8(data[int(at + 1)]) << 8)));
}

// Byte positions of the fields in the fixed part.
enum Field {
    LatchPlaneSize = 0,
    SpritePlaneSize = 4,
    SpriteTable = 12,
    TileCount = 28,
    TileOffset = 30,
    SpriteCount = 40,
    SpriteOffset = 42,
    Compression = 46,
};

EgaHeader::Sprite readSprite(const QByteArray& data, qint64 at) {
    EgaHeader::Sprite sprite;
    sprite.widthBytes = int16At(data, at);
    sprite.height = int16At(data, at + 2);
    // A byte offset within a 16-byte paragraph, then the paragraph.
    sprite.offset =
        qint64(quint16(int16At(data, at + 4))) + qint64(quint16(int16At(data, at + 6))) * 16;
    // The hit box is stored in 1/256 pixel.
    sprite.hitLeft = int16At(data, at + 8) >> 8;
    sprite.hitTop = int16At(data, at + 10) >> 8;
    sprite.hitRight = int16At(data, at + 12) >> 8;
    sprite.hitBottom = int16At(data, at + 14) >> 8;
    const QByteArray name = data.mid(int(at + 16), 12);
    sprite.name = QString::fromLatin1(name.left(name.indexOf('\0') < 0 ? 12 : name.indexOf('\0')));
    return sprite;
}

} // namespace

QString EgaHeader::Parse(const QByteArray& data) {
    if (data.size() < FixedBytes)
        return QCoreApplication::translate("EgaHeader", "it is too short to be a graphics header");
    EgaHeader header;
    header.latchPlaneSize = int32At(data, LatchPlaneSize);
    header.spritePlaneSize = int32At(data, SpritePlaneSize);
    if (header.latchPlaneSize < 0 || header.latchPlaneSize > MaxPlaneSize ||
        header.spritePlaneSize < 0 || header.spritePlaneSize > MaxPlaneSize)
        return QCoreApplication::translate("EgaHeader", "its plane sizes are out of range");
    header.tileCount = int16At(data, TileCount);
    header.tileOffset = int32At(data, TileOffset);
    if (header.tileCount < 0 || header.tileOffset < 0 ||
        header.tileOffset + qint64(header.tileCount) * TileBytesPerPlane > header.latchPlaneSize)
        return QCoreApplication::translate("EgaHeader", "its tiles lie outside the latch plane");
    header.spriteOffset = int32At(data, SpriteOffset);
    if (header.spriteOffset < 0 || header.spriteOffset > header.spritePlaneSize)
        return QCoreApplication::translate("EgaHeader", "its sprites lie outside the sprite plane");
    const int compression = int16At(data, Compression);
    header.latchCompressed = (compression & 1) != 0;
    header.spritesCompressed = (compression & 2) != 0;

    const qint64 table = int32At(data, SpriteTable);
    const qint64 count = int16At(data, SpriteCount);
    if (count < 0 || table < 0 ||
        table + count * ShiftedCopies * SpriteEntryBytes > qint64(data.size()))
        return QCoreApplication::translate("EgaHeader", "its sprite table is cut short");
    for (qint64 i = 0; i < count; ++i)
        header.sprites.push_back(readSprite(data, table + i * ShiftedCopies * SpriteEntryBytes));
    *this = header;
    return QString();
}
