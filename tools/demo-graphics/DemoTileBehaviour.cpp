#include "DemoTileBehaviour.h"

#include "TileSheetArt.h"

namespace DemoTileBehaviour {

TileBehaviour Make(int episode) {
    using Tile = TileBehaviour::Tile;
    std::vector<Tile> tiles(size_t(TileSheetArt::TileCount(episode)));
    if (tiles.empty())
        return {};
    const Tile solid{1, TileBehaviour::Nothing, 1, 1, 1, 1};
    tiles[TileSheetArt::BrickWallTile] = solid;
    tiles[TileSheetArt::StoneWallTile] = solid;
    tiles[TileSheetArt::WaterTile] = solid;
    for (int i = 0; i < TileSheetArt::PlatformCount; ++i)
        tiles[TileSheetArt::PlatformTile(episode, i)].top = 1;
    for (int i = 0; i < TileSheetArt::LavaFrames; ++i)
        tiles[TileSheetArt::FirstLavaTile + i] = {TileSheetArt::LavaFrames, TileBehaviour::Kills};
    tiles[TileSheetArt::ExitTile].behaviour = TileBehaviour::Exit;
    tiles[TileSheetArt::DoorTile] = {1, TileBehaviour::FirstDoor, 1, 1, 1, 1};
    tiles[TileSheetArt::KeyTile].behaviour = TileBehaviour::FirstKey;
    tiles[TileSheetArt::GrilleTile].behaviour = TileBehaviour::Foreground;
    return TileBehaviour(std::move(tiles));
}

} // namespace DemoTileBehaviour
