#pragma once

#include "TileBehaviour.h"

// A made-up tile behaviour table for the demo graphics, written beside them
// in the form of the game's patch files (TILEINFO.CK1 ...), so that what
// the editor knows of tiles can be shown without the game. It matches the
// pictures: the walls are solid, the demo level's platforms solid on top,
// water on the map blocks, lava kills and animates through its four tiles,
// and the exit, door, key and grille do what they show.
namespace DemoTileBehaviour {

TileBehaviour Make(int episode);

} // namespace DemoTileBehaviour
