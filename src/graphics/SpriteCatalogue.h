#pragma once

#include <QString>
#include <QStringList>

// The built-in table of which exported bitmap holds which sprite, per
// episode, and the meaning of the info values that name sprites.
namespace SpriteCatalogue {

// Number of sprites numbered from 0 (11, 8 and 19 for episodes 1..3); 0 for
// any other episode.
qint16 Count(int episode);

// The bitmap that sprite `sprite` (-1..Count-1) of `episode` is cut from, for
// example "1spr0048.bmp"; empty outside the table.
QString FileName(int episode, int sprite);

// The distinct sprite bitmaps an episode folder must hold, in ascending order.
QStringList DistinctFiles(int episode);

// The tile sheet's name for an episode: "1til0000.bmp" ...; the sprite base
// file "1spr0000.bmp" ...
QString TileSheetName(int episode);
QString SpriteBaseName(int episode);

// The sprite an info value shows, or NoSprite. 255 is the special sprite: 0,
// or -1 on the map level (number 80); 1..count-1 name sprites.
constexpr int NoSprite = -2;
int SpriteForInfo(qint16 info, qint16 levelNumber, qint16 count);

// The info value that placing palette sprite `sprite` writes (0 becomes 255).
qint16 InfoForSprite(qint16 sprite);

// The palette sprite that picking a cell's value selects, or NoSprite when
// the value is 0 or negative.
int SpriteForPick(qint16 info);

// What sprite `sprite` (0..Count-1) of `episode` stands for in the game,
// for tooltips: "Yorp", "Garg", ...; sprite 0 is the player's start, or the
// player's position on the map level. Empty outside the table.
QString SpriteName(int episode, int sprite, bool mapLevel = false);

} // namespace SpriteCatalogue
