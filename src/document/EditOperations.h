#pragma once

#include "CellChange.h"

#include <QPoint>
#include <QRect>

#include <vector>

class CellBlock;
class CellMask;
class Level;

// The editing operations on a level's cells. Each reads the level as it is
// and returns what it would change, without writing: the cells whose value
// differs afterwards, tile plane first, each plane row by row. An undo step
// applies the list (ApplyCellChanges) forwards and backwards. Cells outside
// the level are left out, so every operation clips at the level's edges.
namespace EditOperations {

// The rectangle of cells with `a` and `b` as opposite corners, both
// included, whichever way round they are (a drag's first and last cell).
QRect CellsBetween(QPoint a, QPoint b);

// Puts `block` with its top-left cell at `topLeft`: the planes it holds,
// leaving the other plane of those cells as it was.
std::vector<CellChange> Paste(const Level& level, const CellBlock& block, QPoint topLeft);

// Writes `value` into one plane of every cell of `area`.
std::vector<CellChange> FillArea(const Level& level, const QRect& area, CellChange::Plane plane,
                                 qint16 value);

// Cut and Delete: `tile` (the level's empty tile) into every cell of
// `area`, info values cleared.
std::vector<CellChange> Clear(const Level& level, const QRect& area, qint16 tile);

// Cut and Delete of a selection of any shape: the same in its cells alone.
std::vector<CellChange> Clear(const Level& level, const CellMask& cells, qint16 tile);

// Writes `value` into one plane of every cell of `cells`.
std::vector<CellChange> FillCells(const Level& level, const CellMask& cells,
                                  CellChange::Plane plane, qint16 value);

// The cell at `start` and every cell reachable from it through edge
// neighbours holding the same tile, within `within` when given (the Magic
// Wand's area, the one Bucket Fill fills); empty when `start` lies outside
// the level or `within`.
CellMask ConnectedCells(const Level& level, QPoint start, const CellMask* within = nullptr);

// Writes `tile` into ConnectedCells(level, start, within).
std::vector<CellChange> BucketFill(const Level& level, QPoint start, qint16 tile,
                                   const CellMask* within = nullptr);

// Every cell of the level holding `tile` (Select Same Tile).
CellMask SameTile(const Level& level, qint16 tile);

// Every cell whose `plane` holds `value`, within `within` when given (the
// cells Replace changes).
CellMask SameValue(const Level& level, CellChange::Plane plane, qint16 value,
                   const CellMask* within = nullptr);

// Puts a stamp (`block`) with its top-left cell at `topLeft`: the planes it
// holds, in the cells it holds, except that its info value 0 leaves the
// level's info value alone (a stamp of tiles never erases a sprite).
std::vector<CellChange> Stamp(const Level& level, const CellBlock& block, QPoint topLeft);

// Writes `value` into one plane of every cell of CellLine(from, to).
std::vector<CellChange> Line(const Level& level, QPoint from, QPoint to, CellChange::Plane plane,
                             qint16 value);

// Moves both planes of `area` by `offset`: the cells left behind get `tile`
// (the level's empty tile) and info 0, then the block lands (clipped) at its
// new place.
std::vector<CellChange> Move(const Level& level, const QRect& area, QPoint offset, qint16 tile);
// The same for a selection of any shape: only its cells move.
std::vector<CellChange> Move(const Level& level, const CellMask& cells, QPoint offset, qint16 tile);

} // namespace EditOperations
