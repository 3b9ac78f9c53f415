#pragma once

// Builders of the game's graphics files for tests: a test LZW packer that
// follows the game's rules, and writers of EGAHEAD / EGALATCH / EGASPRIT
// files from pictures given as EGA colour indices.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <map>
#include <utility>
#include <vector>

namespace EgaTest {

// Appends codes most significant bit first.
class BitWriter {
public:
    void Write(int code, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            if (m_Used % 8 == 0)
                m_Bytes.append('\0');
            if ((code >> i) & 1)
                m_Bytes[m_Bytes.size() - 1] = char(quint8(m_Bytes.back()) | (0x80 >> (m_Used % 8)));
            ++m_Used;
        }
    }
    QByteArray Bytes() const { return m_Bytes; }

private:
    QByteArray m_Bytes;
    qint64 m_Used = 0;
};

inline void putInt32(QByteArray& out, qint64 at, qint64 value) {
    for (int i = 0; i < 4; ++i)
        out[int(at + i)] = char((value >> (8 * i)) & 0xFF);
}

inline void putInt16(QByteArray& out, qint64 at, int value) {
    out[int(at)] = char(value & 0xFF);
    out[int(at + 1)] = char((value >> 8) & 0xFF);
}

// The size word and the 16-bit word that start the packed form.
inline QByteArray lzwHeader(qint64 size) {
    QByteArray header(6, '\0');
    putInt32(header, 0, size);
    putInt16(header, 4, 12);
    return header;
}

// Packs `data` the way the game's files are packed: entries from 258, the
// width grows when the next entry reaches the width's limit, no reset,
// ending with `endCode`.
inline QByteArray lzwPack(const QByteArray& data, int endCode = 257) {
    BitWriter bits;
    std::map<std::pair<int, int>, int> dictionary;
    int width = 9;
    int next = 258;
    int current = -1;
    for (char ch : data) {
        const int byte = quint8(ch);
        if (current < 0) {
            current = byte;
            continue;
        }
        const auto found = dictionary.find({current, byte});
        if (found != dictionary.end()) {
            current = found->second;
            continue;
        }
        bits.Write(current, width);
        if (next < 4096)
            dictionary[{current, byte}] = next++;
        if (next >= (1 << width) && width < 12)
            ++width;
        current = byte;
    }
    if (current >= 0)
        bits.Write(current, width);
    bits.Write(endCode, width);
    return lzwHeader(data.size()) + bits.Bytes();
}

// A picture of EGA colour indices, -1 meaning see-through (sprites only).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<int> pixels;
    int At(int x, int y) const { return pixels[size_t(y * width + x)]; }
};

struct TestSprite {
    Picture picture;                                          // width a multiple of 8
    int hitLeft = 0, hitTop = 0, hitRight = 0, hitBottom = 0; // whole pixels
    QByteArray name;
};

struct GameFiles {
    QByteArray header;
    QByteArray latch;
    QByteArray sprites;
};

// Where the writer puts things, so that tests can damage them on purpose.
constexpr int FontBytes = 64;          // 8 characters of 8 x 8 before the tiles
constexpr int SpriteStart = 32;        // sprites start this far into each plane
constexpr int SpriteTableAt = 48 + 16; // one (empty) bitmap-table entry first

// Writes planar rows of `picture` (8 pixels a byte, most significant bit
// leftmost) into `planes` planes of `planeSize` bytes from `at`. Plane 4, if
// any, is the mask (1 = see-through); see-through pixels get colour bits of
// 15 in the colour planes, which readers must not show.
inline void writePlanar(QByteArray& out, qint64 planeSize, qint64 at, const Picture& picture,
                        int planes) {
    const int rowBytes = picture.width / 8;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const int colour = picture.At(x, y);
            const int bits = colour < 0 ? (15 | 16) : colour;
            for (int plane = 0; plane < planes; ++plane) {
                if ((bits >> plane) & 1) {
                    const qint64 index = plane * planeSize + at + y * rowBytes + x / 8;
                    out[int(index)] = char(quint8(out[int(index)]) | (0x80 >> (x % 8)));
                }
            }
        }
    }
}

inline GameFiles buildGame(const std::vector<Picture>& tiles,
                           const std::vector<TestSprite>& sprites, bool packLatch,
                           bool packSprites) {
    GameFiles files;
    const qint64 latchPlane = FontBytes + qint64(tiles.size()) * 32 + 16;
    files.latch = QByteArray(int(4 * latchPlane), '\0');
    for (size_t t = 0; t < tiles.size(); ++t)
        writePlanar(files.latch, latchPlane, FontBytes + qint64(t) * 32, tiles[t], 4);

    // Sprites go one after another, each on a paragraph boundary plus 8, so
    // both parts of the stored offset matter.
    std::vector<qint64> offsets;
    qint64 end = 0;
    for (const TestSprite& sprite : sprites) {
        const qint64 paragraph = (end + 15) / 16;
        offsets.push_back(paragraph * 16 + 8);
        end = offsets.back() + sprite.picture.width / 8 * sprite.picture.height;
    }
    const qint64 spritePlane = SpriteStart + end + 16;
    files.sprites = QByteArray(int(5 * spritePlane), '\0');
    for (size_t s = 0; s < sprites.size(); ++s)
        writePlanar(files.sprites, spritePlane, SpriteStart + offsets[s], sprites[s].picture, 5);

    files.header = QByteArray(int(SpriteTableAt + sprites.size() * 4 * 32), '\0');
    QByteArray& h = files.header;
    putInt32(h, 0, latchPlane);
    putInt32(h, 4, spritePlane);
    putInt32(h, 8, 48);
    putInt32(h, 12, SpriteTableAt);
    putInt16(h, 16, FontBytes / 8);
    putInt32(h, 18, 0);
    putInt16(h, 28, int(tiles.size()));
    putInt32(h, 30, FontBytes);
    putInt16(h, 34, 1);
    putInt32(h, 36, FontBytes + qint64(tiles.size()) * 32);
    putInt16(h, 40, int(sprites.size()));
    putInt32(h, 42, SpriteStart);
    putInt16(h, 46, (packLatch ? 1 : 0) | (packSprites ? 2 : 0));
    h.replace(48, 5, "EMPTY");
    for (size_t s = 0; s < sprites.size(); ++s) {
        for (int copy = 0; copy < 4; ++copy) {
            const qint64 at = SpriteTableAt + (qint64(s) * 4 + copy) * 32;
            // The shifted copies are one byte wider and stored elsewhere;
            // readers must take the first entry.
            putInt16(h, at, sprites[s].picture.width / 8 + (copy ? 1 : 0));
            putInt16(h, at + 2, sprites[s].picture.height);
            putInt16(h, at + 4, copy ? 0 : int(offsets[s] % 16));
            putInt16(h, at + 6, copy ? 0 : int(offsets[s] / 16));
            putInt16(h, at + 8, sprites[s].hitLeft * 256);
            putInt16(h, at + 10, sprites[s].hitTop * 256);
            putInt16(h, at + 12, sprites[s].hitRight * 256 + 128);
            putInt16(h, at + 14, sprites[s].hitBottom * 256 + 128);
            h.replace(int(at + 16), int(sprites[s].name.size()), sprites[s].name);
        }
    }
    if (packLatch)
        files.latch = lzwPack(files.latch);
    if (packSprites)
        files.sprites = lzwPack(files.sprites);
    return files;
}

inline bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Writes the three files into `folder` under the given names.
inline bool writeGame(const QString& folder, const GameFiles& files, const QString& headerName,
                      const QString& latchName, const QString& spriteName) {
    const QDir dir(folder);
    return writeFile(dir.filePath(headerName), files.header) &&
           writeFile(dir.filePath(latchName), files.latch) &&
           writeFile(dir.filePath(spriteName), files.sprites);
}

// Tile t's pixel (x, y) in the generated tile sets.
inline int tileColour(int t, int x, int y) {
    return (t * 7 + x + 3 * y) % 16;
}

inline std::vector<Picture> makeTiles(int count) {
    std::vector<Picture> tiles;
    for (int t = 0; t < count; ++t) {
        Picture tile{16, 16, {}};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                tile.pixels.push_back(tileColour(t, x, y));
        tiles.push_back(tile);
    }
    return tiles;
}

// Sprite s's pixel (x, y) in the generated sprite sets: see-through on a
// diagonal pattern, some colour elsewhere (black included).
inline int spriteColour(int s, int x, int y) {
    return (x + 2 * y + s) % 5 == 0 ? -1 : (x * 3 + y + s) % 16;
}

inline std::vector<TestSprite> makeSprites(int count) {
    std::vector<TestSprite> sprites;
    for (int s = 0; s < count; ++s) {
        TestSprite sprite;
        sprite.picture = Picture{8 * (1 + s % 3), 5 + s % 7, {}};
        for (int y = 0; y < sprite.picture.height; ++y)
            for (int x = 0; x < sprite.picture.width; ++x)
                sprite.picture.pixels.push_back(spriteColour(s, x, y));
        sprite.hitLeft = 1;
        sprite.hitTop = 2;
        sprite.hitRight = sprite.picture.width - 3;
        sprite.hitBottom = sprite.picture.height - 2;
        sprite.name = QByteArray("SPRITE") + QByteArray::number(s);
        sprites.push_back(sprite);
    }
    return sprites;
}

} // namespace EgaTest
