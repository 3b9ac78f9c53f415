#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <vector>

// What each tile of an episode does in the game, as the game's own table
// says: whether it animates, what touching it does, and from which sides it
// blocks Keen.
//
// The game keeps the table as six planes of little-endian 16-bit words, one
// word per tile each: animation, behaviour, then blocking from the top,
// right, bottom and left. A patch file that replaces the table holds the
// same bytes.
class TileBehaviour {
    Q_DECLARE_TR_FUNCTIONS(TileBehaviour)
public:
    struct Tile {
        // 1 still; 2 or 4: one of a loop of that many consecutive tiles.
        qint16 animation = 1;
        // One of the Behaviour values below (the game knows -2..31).
        qint16 behaviour = 0;
        // 0 lets Keen through; 1 blocks. The top may also be 2 (a smooth
        // floor Keen slides on) or 3 (ice).
        qint16 top = 0;
        qint16 right = 0;
        qint16 bottom = 0;
        qint16 left = 0;

        bool operator==(const Tile& other) const;
    };

    enum Behaviour {
        Masked = -2,
        Foreground = -1,
        Nothing = 0,
        Kills = 1,
        FirstDoor = 2, // doors 1 to 4: 2..5
        Exit = 17,
        FirstKey = 18, // keys 1 to 4: 18..21
    };
    static constexpr int Planes = 6;
    static constexpr int BytesPerTile = Planes * 2;
    // The most tiles a table may describe: several times the game's.
    static constexpr int MaxTiles = 4096;

    TileBehaviour() = default;
    explicit TileBehaviour(std::vector<Tile> tiles);

    // The table of `count` tiles whose planes start at byte `offset` of
    // `bytes`; empty when they do not lie wholly inside `bytes`.
    static TileBehaviour FromBytes(const QByteArray& bytes, qsizetype offset, int count);
    // The table in the game's form, as a patch file holds it.
    QByteArray ToBytes() const;

    // Whether the game knows `value` in plane `plane` (0 animation, 1
    // behaviour, 2..5 blocking from the top, right, bottom and left).
    static bool Known(int plane, int value);
    // Why the `count` tiles at `offset` of `bytes` cannot be the game's
    // table (a value outside what the game knows: animation 1, 2 or 4,
    // behaviour -2..31, blocking 0..3, or bytes missing); empty when they
    // can.
    static QString Misfit(const QByteArray& bytes, qsizetype offset, int count);

    int Count() const { return int(m_Tiles.size()); }
    bool IsEmpty() const { return m_Tiles.empty(); }
    bool Contains(int tile) const { return tile >= 0 && tile < Count(); }
    // The tile's entry; a still tile that does nothing for a tile outside
    // the table.
    Tile At(int tile) const;
    bool operator==(const TileBehaviour& other) const { return m_Tiles == other.m_Tiles; }

    // The first tile and the length of the animation loop `tile` belongs
    // to: runs of consecutive tiles with the same animation value, cut
    // into loops of that many from the run's first tile. A still tile (or
    // one outside the table) is a loop of 1 of itself. A loop may reach
    // past the table's end when the table cuts it.
    int LoopStart(int tile) const;
    int LoopLength(int tile) const;
    // The tile the game shows for `tile` at animation frame `frame` (0, 1,
    // 2, ...): each frame shows the next tile of its loop, and the loop's
    // last is followed by its first. A loop that reaches past the first
    // `tileCount` tiles (or the table's) does not animate.
    int FrameTile(int tile, int frame, int tileCount) const;

    // The name of a behaviour value: "exit", "kills", "door 1", "key 2",
    // "500 points", "behaviour 29" for one without a name.
    static QString BehaviourName(int value);
    // What the tile does, for the editor's tooltips and status bar: "Tile
    // 159: exit", "Tile 208: kills, solid on top, animated (4 tiles)".
    QString Describe(int tile) const;
    // The same without the "Tile N: " in front: "kills, solid on top".
    QString Traits(int tile) const;
    // How the tile blocks Keen: "solid", "solid on top and bottom", "icy
    // on top"; empty when it does not.
    QString Blocking(int tile) const;
    // Whether Keen standing in the tile would be stuck or die: it blocks
    // from any side or kills.
    bool TrapsKeen(int tile) const;

private:
    std::vector<Tile> m_Tiles;
    // The first tile of each tile's loop, worked out once.
    std::vector<int> m_LoopStart;
};
