#pragma once

#include <QImage>
#include <QString>

// Placeholder sprite bitmaps in the layout of the exported ones: three
// frames of equal size side by side, the image (black where see-through),
// its mask (white where see-through, black where opaque) and a hit-box frame
// (the outline in dark grey with the box in bright red). The figures are our
// own simple pixel art: a player, a map player, creatures, robots, a tank,
// cannons, orbs, platforms and flyers, of differing sizes.
namespace SpriteArt {

// The three-frame bitmap for one of the catalogue's sprite files of an
// episode (for example "1spr0048.bmp", any letter case); a null image for a
// name the catalogue does not know.
QImage Make(int episode, const QString& fileName);

// The figure alone: opaque pixels where the sprite is, fully transparent
// elsewhere.
QImage Figure(int episode, const QString& fileName);

// The three frames built from a figure.
QImage Frames(const QImage& figure);

} // namespace SpriteArt
