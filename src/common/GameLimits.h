#pragma once

// Facts about the game itself that several parts of the program rely on.
namespace GameLimits {

// Every episode's world map is stored as level 80.
constexpr int MapLevelNumber = 80;

// The game loads a level only when its unpacked planes, 32 + 4 * W * H
// bytes, fit one 64 KiB segment; found with episode 1 in DOSBox (124 x 132
// plays, 128 x 128 shows garbage, 120 x 137 aborts). Larger levels are kept
// and saved, but the user is warned.
constexpr int MaxPlayableCells = (65536 - 32) / 4;
static_assert(MaxPlayableCells == 16376, "the game's limit in cells");

} // namespace GameLimits
