#pragma once

#include <QImage>

// Placeholder tile sheets in the layout of the exported ones: 16 x 16 tiles,
// 13 to a row, numbered row by row. Every tile shows its number; the level
// background tile, the wall tiles and the map terrain look like what they are.
namespace TileSheetArt {

constexpr int TileSize = 16;
constexpr int TilesPerRow = 13;
constexpr int BackgroundTile = 143;
constexpr int BrickWallTile = 144;
constexpr int StoneWallTile = 245;
// Terrain of the demo map levels: grass, water, a sandy path and huts that
// stand for the level entrances.
constexpr int GrassTile = 3;
constexpr int WaterTile = 22;
constexpr int PathTile = 35;
constexpr int FirstHutTile = 50;
constexpr int HutCount = 8;

// Tiles in an episode's sheet: 611, 689 and 624; 0 for any other episode.
int TileCount(int episode);

// The whole sheet of an episode (a null image for any other episode).
QImage Make(int episode);

} // namespace TileSheetArt
