#pragma once

#include "Level.h"
#include "SpriteSet.h"
#include "TileSet.h"

// Everything Level, Properties may change in an editor window: the whole
// level (so that cells a smaller size cut off come back exactly) and the
// episode's sets the window draws with.
struct LevelState {
    Level level;
    TileSet tiles;
    SpriteSet sprites;
};
