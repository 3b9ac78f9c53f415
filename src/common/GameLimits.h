#pragma once

#include <QtGlobal>

// Facts about the game itself that several parts of the program rely on.
namespace GameLimits {

// Every episode's world map is stored as level 80.
constexpr int MapLevelNumber = 80;

// What the info plane of the world map says: value n (1..16) is an
// entrance to level n, 0x8000 + n a blocker that opens once level n is
// finished; 255 is Keen's start there as in every level.
constexpr int KeenStartValue = 255;
constexpr int LastMapLevel = 16;
constexpr int BlockerBase = 0x8000;

// The level a map cell's info value (its 16-bit word, given as any int)
// is an entrance to, or 0.
constexpr int EntranceLevel(int info) {
    const int word = info & 0xFFFF;
    return word >= 1 && word <= LastMapLevel ? word : 0;
}

// The level whose finishing opens a blocker of this info value, or 0.
constexpr int BlockerLevel(int info) {
    const int word = (info & 0xFFFF) - BlockerBase;
    return word >= 1 && word <= LastMapLevel ? word : 0;
}

// Levels 81 and 90 are the ending and title scenes: shown, not played, so
// they hold neither a start for Keen nor an exit.
constexpr bool IsSceneLevel(int number) {
    return number == 81 || number == 90;
}

// The game loads a level only when its unpacked planes, 32 + 4 * W * H
// bytes, fit one 64 KiB segment; found with episode 1 in DOSBox (124 x 132
// plays, 128 x 128 shows garbage, 120 x 137 aborts). Larger levels are kept
// and saved, but the user is warned.
constexpr int MaxPlayableCells = (65536 - 32) / 4;
static_assert(MaxPlayableCells == 16376, "the game's limit in cells");

// The tiles a new level is made of, per episode 1..3: a two-cell frame of
// the wall tile around the fill tile. An episode outside 1..3 uses
// episode 1's.
inline int BorderTile(int episode) {
    constexpr int tiles[3] = {144, 144, 245};
    return tiles[(episode >= 1 && episode <= 3) ? episode - 1 : 0];
}
inline int FillTile(int /*episode*/) {
    return 143;
}

// The level files of the three episodes, as the open and save dialogs
// offer them (description and pattern items separated by "|").
inline constexpr const char* LevelFileFilter =
    QT_TRANSLATE_NOOP("LevelFileDialogs", "All Levels|Level??.ck?|Keen 1 Levels|Level??.ck1|"
                                          "Keen 2 Levels|Level??.ck2|Keen 3 Levels|Level??.ck3");

} // namespace GameLimits
