#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>
#include <vector>

// Where the world map leads: the cells whose info value is an entrance to a
// level (1..16) or a blocker that opens once a level is finished (0x8000 +
// n), grouped into doors, and Keen's starts (255). A door is a group of
// cells of one value that touch by an edge or a corner: the game's doors
// are one to four cells (a 2 x 2 door is four cells of one value), so two
// groups of one value that do not touch are two entrances, apart on the
// map.
class MapIndex {
public:
    struct Door {
        int level = 0;
        std::vector<QPoint> cells; // in row order, never empty

        QPoint First() const { return cells.front(); }
        QRect Bounds() const;
        bool Contains(QPoint cell) const;
    };

    // The index of a map of `width` x `height` cells whose info plane is
    // `infos`, row by row; cells beyond the plane's end count as 0.
    static MapIndex Build(int width, int height, const std::vector<qint16>& infos);

    // Sorted by level, then by first cell in row order.
    const std::vector<Door>& Entrances() const { return m_Entrances; }
    const std::vector<Door>& Blockers() const { return m_Blockers; }
    std::vector<Door> EntrancesTo(int level) const;
    std::vector<Door> BlockersOpenedBy(int level) const;
    // The door `cell` belongs to, or null.
    const Door* EntranceAt(QPoint cell) const;
    const Door* BlockerAt(QPoint cell) const;
    // Cells of Keen's start, in row order.
    const std::vector<QPoint>& Starts() const { return m_Starts; }

private:
    std::vector<Door> m_Entrances;
    std::vector<Door> m_Blockers;
    std::vector<QPoint> m_Starts;
};
