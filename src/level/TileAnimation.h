#pragma once

#include <QRect>
#include <QtGlobal>
#include <vector>

class Level;
class TileBehaviour;

// Which tile each cell shows while tiles animate, and when. The game
// cycles its 2- and 4-tile loops of consecutive tiles together, one step a
// frame; since every loop is 1, 2 or 4 tiles long, four frames show every
// picture there is, and frame f looks like frame f % 4.
//
// The pace is the game's: a step every 110 ms, about 9 a second. Timed in
// DOSBox on episode 1's animated screens, the game steps its tiles every
// 110 ms on average (85 to 140 ms apart, as its timer and the screen's
// refresh meet) at slow and fast emulated processors alike.
class TileAnimation {
public:
    static constexpr int FrameMilliseconds = 110;
    static constexpr int DistinctFrames = 4;

    TileAnimation() = default;
    // The loops of `table`, for a sheet of `tileCount` tiles: a loop that
    // runs past either stays still.
    TileAnimation(const TileBehaviour& table, int tileCount);

    // The frame shown `milliseconds` after the animation started.
    static int FrameAt(qint64 milliseconds);

    // Whether any tile animates at all.
    bool IsStill() const { return m_Animated.empty(); }
    // Whether `tile` is part of a loop that moves.
    bool Animates(qint16 tile) const;
    // The tile shown for `tile` at frame `frame` (any frame number).
    qint16 Shown(qint16 tile, int frame) const;
    // Shown() for every tile of the sheet at `frame`, indexed by tile
    // number; tiles outside it show themselves. Empty when nothing moves.
    const std::vector<qint16>& FrameMap(int frame) const;

    // The cells of `window` (level cells) whose picture differs between
    // frames `from` and `to`, as runs of cells along each row, left to
    // right and top to bottom, so that a view repaints only them.
    std::vector<QRect> ChangedCells(const Level& level, const QRect& window, int from,
                                    int to) const;

private:
    static int Phase(int frame);

    // m_Frames[phase][tile]: the tile shown at each of the four phases.
    std::vector<qint16> m_Frames[DistinctFrames];
    // m_Animated[tile]: the tile's loop moves.
    std::vector<bool> m_Animated;
};
