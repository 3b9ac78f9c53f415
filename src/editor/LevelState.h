#pragma once

#include "Level.h"

// Everything Level, Properties may change in an editor window: the whole
// level (so that cells a smaller size cut off come back exactly). The sets
// the window draws with follow from the level's episode; they are taken
// from the main window when the state is put back, so that a step undone
// after Set Paths draws with the new graphics.
struct LevelState {
    Level level;
};
