#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The graphics header of episodes 1 to 3 (EGAHEAD.CKn): the plane sizes of
// the latch and sprite files, where each kind of graphic starts in a plane,
// the compression flags, and the sprite table.
struct EgaHeader {
    // One sprite as its unshifted sprite-table entry describes it.
    struct Sprite {
        int widthBytes = 0; // eight pixels a byte
        int height = 0;
        qint64 offset = 0; // from the start of the sprites in each plane
        // Hit box corners in whole pixels, both included.
        int hitLeft = 0;
        int hitTop = 0;
        int hitRight = 0;
        int hitBottom = 0;
        QString name;
    };

    static constexpr int FixedBytes = 48;
    static constexpr int SpriteEntryBytes = 32;
    // The table holds four copies of each sprite, shifted by 0, 2, 4 and 6
    // pixels for smooth scrolling; the first is the plain image.
    static constexpr int ShiftedCopies = 4;
    // Plane sizes above this are taken as damage; the game's own planes fit
    // in the 64 KiB of an EGA plane.
    static constexpr qint64 MaxPlaneSize = 1 << 20;
    static constexpr int LatchPlanes = 4;
    static constexpr int SpritePlanes = 5;
    static constexpr int TileBytesPerPlane = 32;

    qint64 latchPlaneSize = 0;
    qint64 spritePlaneSize = 0;
    qint64 tileOffset = 0; // 16 x 16 tiles, in each latch plane
    int tileCount = 0;
    qint64 spriteOffset = 0; // in each sprite plane
    bool latchCompressed = false;
    bool spritesCompressed = false;
    std::vector<Sprite> sprites;

    // Reads the header file's bytes. Returns an empty string on success,
    // otherwise what is wrong with them; the header is then unchanged.
    QString Parse(const QByteArray& data);
};
