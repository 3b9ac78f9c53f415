#pragma once

#include "CellChange.h"
#include "CellMask.h"

#include <QString>

#include <vector>

class Level;
class LevelDocument;

// Edit, Replace: every cell of one plane holding one value (a tile, or an
// info value: a sprite or a raw value) gets another, within the selection,
// in the whole level or in several open levels, one undo step per level.
// Count says how many cells a replacement will change before it is done.
class CellReplacement {
public:
    CellReplacement(CellChange::Plane plane, qint16 from, qint16 to)
        : m_Plane(plane), m_From(from), m_To(to) {}

    // The undo step's name: "Replace Tile" or "Replace Value".
    QString StepText() const;

    // The cells of `level` that change, within `within` when given.
    CellMask Cells(const Level& level, const CellMask* within = nullptr) const;
    int Count(const Level& level, const CellMask* within = nullptr) const;
    int Count(const std::vector<LevelDocument*>& documents) const;

    // Replaces in one document as one step; the number of cells changed.
    int Apply(LevelDocument& document, const CellMask* within = nullptr) const;
    // In every document, the whole level, a step in each that changes.
    int Apply(const std::vector<LevelDocument*>& documents) const;

private:
    CellChange::Plane m_Plane;
    qint16 m_From;
    qint16 m_To;
};
