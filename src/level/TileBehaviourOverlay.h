#pragma once

#include "ZoomLevel.h"

#include <QRect>
#include <QRgb>
#include <vector>

class Level;
class QImage;
class Surface;
class TileBehaviour;

// Draws what each tile does in the game over a drawn window of a level:
// - the sides a tile blocks Keen from as bold white edges along them, with
//   a black line inside (a floor Keen slides on, top 2 or 3, in cyan);
// - tiles that kill tinted red;
// - tiles drawn in front of Keen hatched with diagonal stripes;
// - doors, keys, the exit, points, items, switches, teleporters and
//   message boxes marked with a small pictogram in the cell's
//   bottom-right corner (doors and keys in the colour of their key).
// Edges and tints show at every zoom; hatching needs cells of 8 pixels,
// pictograms cells of 16 (zoom 0 and up): smaller, they could not be told
// apart. Cell positions follow Level::Display's arithmetic. The marks of
// each tile are worked out once, so drawing costs a look-up per cell and
// pixel work only where something is marked.
class TileBehaviourOverlay {
public:
    enum class Symbol { None, Door, Key, Exit, Points, Item, Switch, Teleporter, Message };

    static constexpr QRgb EdgeColour = 0xFFFFFFFF;
    static constexpr QRgb SlipperyColour = 0xFF00FFFF;
    static constexpr int MinHatchCell = 8;
    static constexpr int MinSymbolCell = 16;
    // A pictogram is 5 x 5 pictogram pixels inside an outline of one more
    // on each side.
    static constexpr int SymbolSide = 5;

    TileBehaviourOverlay() = default;
    explicit TileBehaviourOverlay(const TileBehaviour& table);

    // The pictogram of a behaviour value, and its colour.
    static Symbol SymbolOf(int behaviour);
    static QRgb SymbolColour(int behaviour);
    // The five rows of a pictogram, the leftmost pixel the highest of five
    // bits.
    static const unsigned char* SymbolRows(Symbol symbol);
    // How thick an edge is in a cell of `cellSize` pixels: an eighth of it,
    // at least a pixel.
    static int EdgeWidth(int cellSize);
    // The size of a pictogram pixel for cells of `cellSize` pixels: a
    // sixteenth of the cell, at most 4; 0 below MinSymbolCell. A pictogram
    // with its outline then takes under half the cell each way.
    static int SymbolScale(int cellSize);

    // Draws the marks of the level cells `cells` onto `dest`, for the
    // window whose top-left cell (sx, sy) lies at pixel (odx, ody), cells of
    // 16 x 16 tile pixels drawn at `zoom` (raised as the tiles are, until a
    // cell is at least a pixel). Cells off the level or off `dest` are
    // skipped.
    void Draw(Surface& dest, const Level& level, int sx, int sy, const QRect& cells, ZoomLevel zoom,
              int odx = 0, int ody = 0) const;

private:
    // What a tile is marked with: the sides as bits (1 top, 2 right, 4
    // bottom, 8 left), a top to slide on, the tint, the hatching and the
    // pictogram with its colour.
    struct Marks {
        quint8 sides = 0;
        bool slippery = false;
        bool kills = false;
        bool front = false;
        Symbol symbol = Symbol::None;
        QRgb colour = 0;
        bool Any() const { return sides || kills || front || symbol != Symbol::None; }
    };
    void DrawCell(QImage& image, const Marks& marks, int x0, int y0, int size) const;

    std::vector<Marks> m_Marks;
};
