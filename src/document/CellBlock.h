#pragma once

#include <QRect>
#include <QtGlobal>

#include <vector>

class CellMask;
class Level;

// A rectangle of cells lifted out of a level: both planes row by row (cell
// (x, y) is word y * Width + x) and the episode whose tile and sprite
// numbers they are (0 when unknown, as for text from a spreadsheet). A block
// may carry one plane only (tiles from a spreadsheet, Paste Tiles Only,
// Paste Sprites Only): the planes a block holds are the planes pasting it
// writes, and what its picture shows; the others are left alone. A block
// copied from a selection of another shape than a rectangle leaves out the
// cells outside it: they are not part of the block, and writing it leaves
// the level's cells under them alone.
class CellBlock {
public:
    enum Plane { TilePlane = 1, InfoPlane = 2, BothPlanes = TilePlane | InfoPlane };

    CellBlock() = default;
    // A block of the given size holding tile 0 and, with `withInfo`, info 0.
    // Sizes must be positive and at most Level::MaxCells cells in all.
    CellBlock(int width, int height, qint16 episode, bool withInfo);

    // The cells of `area` that lie inside `level`, with the level's episode;
    // empty when none do.
    static CellBlock Copy(const Level& level, const QRect& area);
    // The cells of `cells` (a set over the level's size), in the block of
    // their bounding rectangle; the other cells of it are left out.
    static CellBlock Copy(const Level& level, const CellMask& cells);

    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    bool IsEmpty() const { return m_Width == 0 || m_Height == 0; }
    qint16 Episode() const { return m_Episode; }
    void SetEpisode(qint16 episode) { m_Episode = episode; }
    bool HasTiles() const { return m_HasTiles; }
    bool HasInfo() const { return m_HasInfo; }
    // The planes of this block that are also in `planes` (Plane bits); an
    // empty block when none is.
    CellBlock WithPlanes(int planes) const;

    // Cells outside the block read as 0 and are ignored when written, as
    // in Level; a plane the block lacks reads 0.
    qint16 Tile(int x, int y) const;
    void SetTile(int x, int y, qint16 value);
    qint16 Info(int x, int y) const;
    void SetInfo(int x, int y, qint16 value);

    // Whether cell (x, y) of the block is part of it (every cell inside a
    // rectangular block is).
    bool Holds(int x, int y) const {
        return Contains(x, y) && (m_Holds.empty() || m_Holds[Index(x, y)] != 0);
    }
    // Whether some cells are left out.
    bool HasGaps() const { return !m_Holds.empty(); }
    // Leaves cell (x, y) out of the block.
    void LeaveOut(int x, int y);

    const std::vector<qint16>& Tiles() const { return m_Tiles; }
    const std::vector<qint16>& Infos() const { return m_Infos; }

    bool operator==(const CellBlock& other) const;
    bool operator!=(const CellBlock& other) const { return !(*this == other); }

private:
    bool Contains(int x, int y) const { return x >= 0 && x < m_Width && y >= 0 && y < m_Height; }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_Width) +
               static_cast<std::size_t>(x);
    }

    int m_Width = 0;
    int m_Height = 0;
    qint16 m_Episode = 0;
    bool m_HasTiles = true;
    bool m_HasInfo = false;
    std::vector<qint16> m_Tiles;
    std::vector<qint16> m_Infos;
    // One byte a cell, 1 for the cells the block holds; empty when it holds
    // every cell.
    std::vector<unsigned char> m_Holds;
};
