#include "DemoLevels.h"

#include "GameLimits.h"

#include "SpriteArt.h"
#include "SpriteCatalogue.h"
#include "TileSheetArt.h"

namespace {

constexpr int CellSize = 16;

QString levelFileName(int episode, int number) {
    return QStringLiteral("LEVEL%1.CK%2").arg(number, 2, 10, QLatin1Char('0')).arg(episode);
}

void fillRow(Level& level, int x0, int x1, int y, qint16 tile) {
    for (int x = x0; x <= x1; ++x)
        level.SetTile(x, y, tile);
}

// Cells a sprite covers downwards, so that it can be stood on the floor.
int spriteRows(int episode, int sprite) {
    const QImage figure = SpriteArt::Figure(episode, SpriteCatalogue::FileName(episode, sprite));
    return qMax(1, (figure.height() + CellSize - 1) / CellSize);
}

Level ordinaryLevel(int episode) {
    const qint16 width = 80;
    const qint16 height = 24;
    Level level;
    level.Create(width, height, qint16(episode), 1);
    const qint16 wall = level.BorderTile(qint16(episode));
    const int floorTop = height - 2; // the first row of the bottom frame
    // Floating platforms of a few different tiles, and a pillar.
    const auto platform = [episode](int i) {
        return qint16(TileSheetArt::PlatformTile(episode, i));
    };
    fillRow(level, 10, 15, 16, platform(0));
    fillRow(level, 20, 26, 12, platform(1));
    fillRow(level, 32, 37, 9, wall);
    fillRow(level, 44, 50, 14, platform(2));
    fillRow(level, 58, 64, 11, platform(3));
    for (int y = 17; y < floorTop; ++y)
        level.SetTile(70, y, wall);
    // A lava pit in the floor, the key on a platform, then a grille, the
    // door it opens and the exit behind the pillar.
    for (int x = 40; x < 48; ++x)
        level.SetTile(x, floorTop,
                      qint16(TileSheetArt::FirstLavaTile + x % TileSheetArt::LavaFrames));
    level.SetTile(23, 11, TileSheetArt::KeyTile);
    for (int y = floorTop - 2; y < floorTop; ++y) {
        level.SetTile(72, y, TileSheetArt::GrilleTile);
        level.SetTile(74, y, TileSheetArt::DoorTile);
        level.SetTile(77, y, TileSheetArt::ExitTile);
    }

    // The player's start, then one of every other sprite along the floor.
    level.SetInfo(3, floorTop - spriteRows(episode, 0), 255);
    const int count = SpriteCatalogue::Count(episode);
    for (int sprite = 1; sprite < count; ++sprite) {
        const int x = 6 + (sprite - 1) * 62 / qMax(1, count - 1);
        level.SetInfo(x, floorTop - spriteRows(episode, sprite), qint16(sprite));
    }
    // One creature on each platform.
    level.SetInfo(12, 16 - spriteRows(episode, 1), 1);
    level.SetInfo(60, 11 - spriteRows(episode, count - 1), qint16(count - 1));
    return level;
}

Level tileGallery(int episode) {
    const int perRow = 26;
    const int count = TileSheetArt::TileCount(episode);
    const int rows = (count + perRow - 1) / perRow;
    Level level;
    // Two free rows below the gallery for the player, who is two cells tall.
    level.Create(qint16(perRow + 4), qint16(rows + 6), qint16(episode), 2);
    for (int n = 0; n < count; ++n)
        level.SetTile(2 + n % perRow, 2 + n / perRow, qint16(n));
    level.SetInfo(2, 2 + rows, 255);
    return level;
}

Level mapLevel(int episode) {
    const qint16 width = 48;
    const qint16 height = 40;
    const qint16 grass = TileSheetArt::GrassTile;
    const qint16 water = TileSheetArt::WaterTile;
    const qint16 path = TileSheetArt::PathTile;
    Level level;
    level.Create(width, height, qint16(episode), qint16(GameLimits::MapLevelNumber));
    for (int y = 2; y < height - 2; ++y) {
        for (int x = 2; x < width - 2; ++x) {
            const int dx = x - 32;
            const int dy = y - 26;
            const bool lake = dx * dx * 2 + dy * dy * 3 < 120;
            level.SetTile(x, y, lake ? water : grass);
        }
    }
    fillRow(level, 4, 40, 8, path);
    for (int y = 8; y < 34; ++y)
        level.SetTile(12, y, path);
    // Level entrances along the paths, one tile each.
    for (int i = 0; i < TileSheetArt::HutCount; ++i)
        level.SetTile(6 + i * 4, 7, qint16(TileSheetArt::FirstHutTile + i));
    level.SetInfo(12, 30, 255);
    return level;
}

} // namespace

namespace DemoLevels {

std::vector<DemoLevel> Make(int episode) {
    if (SpriteCatalogue::Count(episode) == 0)
        return {};
    return {{levelFileName(episode, 1), ordinaryLevel(episode)},
            {levelFileName(episode, 2), tileGallery(episode)},
            {levelFileName(episode, GameLimits::MapLevelNumber), mapLevel(episode)}};
}

} // namespace DemoLevels
