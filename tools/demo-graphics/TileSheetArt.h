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
// Tiles that do something in the game: an exit, lava that kills and
// animates through four tiles, a door with its key, and a grille drawn in
// front of Keen. The demo's own tile behaviour table says so.
constexpr int ExitTile = 159;
constexpr int FirstLavaTile = 200;
constexpr int LavaFrames = 4;
constexpr int DoorTile = 204;
constexpr int KeyTile = 205;
constexpr int GrilleTile = 206;
// The tiles of the demo level's floating platforms, solid on top: 161, 171,
// 181 and 191 in episode 1.
constexpr int PlatformCount = 4;
inline int PlatformTile(int episode, int platform) {
    return 160 + 10 * platform + episode;
}

// Tiles in an episode's sheet: 611, 689 and 624; 0 for any other episode.
int TileCount(int episode);

// The whole sheet of an episode (a null image for any other episode).
QImage Make(int episode);

} // namespace TileSheetArt
