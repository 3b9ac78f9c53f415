#pragma once

#include <QImage>

// Placeholder tile sheets in the layout of the exported ones: 16 x 16 tiles,
// 13 to a row, numbered row by row. Every tile shows its number; the level
// background tile and the wall tiles look like what they are.
namespace TileSheetArt {

constexpr int TileSize = 16;
constexpr int TilesPerRow = 13;
constexpr int BackgroundTile = 143;
constexpr int BrickWallTile = 144;
constexpr int StoneWallTile = 245;

// Tiles in an episode's sheet: 611, 689 and 624; 0 for any other episode.
int TileCount(int episode);

// The whole sheet of an episode (a null image for any other episode).
QImage Make(int episode);

} // namespace TileSheetArt
