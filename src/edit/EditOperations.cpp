#include "EditOperations.h"

#include "CellBlock.h"
#include "CellLine.h"
#include "Level.h"

#include <algorithm>

namespace {

QRect levelArea(const Level& level) {
    return QRect(0, 0, level.Width(), level.Height());
}

// A working copy of the cells of one rectangle of the level: an operation
// writes into it (in level coordinates; cells outside the rectangle are
// ignored), then Changes tells what differs from the level.
class Scratch {
public:
    Scratch(const Level& level, const QRect& area)
        : m_Level(level), m_Area(area.normalized() & levelArea(level)),
          m_Cells(CellBlock::Copy(level, m_Area)) {}

    void SetTile(int x, int y, qint16 value) {
        m_Cells.SetTile(x - m_Area.x(), y - m_Area.y(), value);
    }
    void SetInfo(int x, int y, qint16 value) {
        m_Cells.SetInfo(x - m_Area.x(), y - m_Area.y(), value);
    }
    void Set(CellChange::Plane plane, int x, int y, qint16 value) {
        if (plane == CellChange::TilePlane)
            SetTile(x, y, value);
        else
            SetInfo(x, y, value);
    }

    std::vector<CellChange> Changes() const {
        std::vector<CellChange> changes;
        AppendDifferences(changes, CellChange::TilePlane);
        AppendDifferences(changes, CellChange::InfoPlane);
        return changes;
    }

private:
    void AppendDifferences(std::vector<CellChange>& changes, CellChange::Plane plane) const {
        for (int y = 0; y < m_Cells.Height(); ++y) {
            for (int x = 0; x < m_Cells.Width(); ++x) {
                const int lx = m_Area.x() + x;
                const int ly = m_Area.y() + y;
                const bool tiles = plane == CellChange::TilePlane;
                const qint16 before = tiles ? m_Level.Tile(lx, ly) : m_Level.Info(lx, ly);
                const qint16 after = tiles ? m_Cells.Tile(x, y) : m_Cells.Info(x, y);
                if (before != after)
                    changes.push_back({plane, lx, ly, before, after});
            }
        }
    }

    const Level& m_Level;
    QRect m_Area;
    CellBlock m_Cells;
};

void writeBlock(Scratch& scratch, const CellBlock& block, QPoint topLeft) {
    for (int y = 0; y < block.Height(); ++y) {
        for (int x = 0; x < block.Width(); ++x) {
            scratch.SetTile(topLeft.x() + x, topLeft.y() + y, block.Tile(x, y));
            if (block.HasInfo())
                scratch.SetInfo(topLeft.x() + x, topLeft.y() + y, block.Info(x, y));
        }
    }
}

void clearArea(Scratch& scratch, const QRect& area, qint16 tile) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            scratch.SetTile(x, y, tile);
            scratch.SetInfo(x, y, 0);
        }
    }
}

} // namespace

namespace EditOperations {

QRect CellsBetween(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

std::vector<CellChange> Paste(const Level& level, const CellBlock& block, QPoint topLeft) {
    Scratch scratch(level, QRect(topLeft, QSize(block.Width(), block.Height())));
    writeBlock(scratch, block, topLeft);
    return scratch.Changes();
}

std::vector<CellChange> FillArea(const Level& level, const QRect& area, CellChange::Plane plane,
                                 qint16 value) {
    const QRect inside = area.normalized() & levelArea(level);
    Scratch scratch(level, inside);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            scratch.Set(plane, x, y, value);
    return scratch.Changes();
}

std::vector<CellChange> Clear(const Level& level, const QRect& area, qint16 tile) {
    const QRect inside = area.normalized() & levelArea(level);
    Scratch scratch(level, inside);
    clearArea(scratch, inside, tile);
    return scratch.Changes();
}

std::vector<CellChange> BucketFill(const Level& level, QPoint start, qint16 tile) {
    const int width = level.Width();
    const int height = level.Height();
    if (!levelArea(level).contains(start))
        return {};
    const qint16 old = level.Tile(start.x(), start.y());
    if (old == tile)
        return {};
    // Iterative: a stack of cells already written whose neighbours are still
    // to be looked at. Writing a cell before pushing it marks it as seen.
    std::vector<qint16> tiles = level.TilePlane();
    std::vector<int> pending;
    pending.reserve(tiles.size());
    const auto visit = [&](int x, int y) {
        const int i = y * width + x;
        if (tiles[static_cast<std::size_t>(i)] == old) {
            tiles[static_cast<std::size_t>(i)] = tile;
            pending.push_back(i);
        }
    };
    visit(start.x(), start.y());
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const int x = i % width;
        const int y = i / width;
        if (x > 0)
            visit(x - 1, y);
        if (x + 1 < width)
            visit(x + 1, y);
        if (y > 0)
            visit(x, y - 1);
        if (y + 1 < height)
            visit(x, y + 1);
    }
    std::vector<CellChange> changes;
    const std::vector<qint16>& before = level.TilePlane();
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        if (tiles[i] != before[i]) {
            changes.push_back({CellChange::TilePlane, static_cast<int>(i) % width,
                               static_cast<int>(i) / width, before[i], tiles[i]});
        }
    }
    return changes;
}

std::vector<CellChange> Line(const Level& level, QPoint from, QPoint to, CellChange::Plane plane,
                             qint16 value) {
    Scratch scratch(level, CellsBetween(from, to));
    for (const QPoint& cell : CellLine(from, to))
        scratch.Set(plane, cell.x(), cell.y(), value);
    return scratch.Changes();
}

std::vector<CellChange> Move(const Level& level, const QRect& area, QPoint offset, qint16 tile) {
    const QRect from = area.normalized() & levelArea(level);
    if (from.isEmpty() || offset.isNull())
        return {};
    const CellBlock block = CellBlock::Copy(level, from);
    Scratch scratch(level, from | from.translated(offset));
    clearArea(scratch, from, tile);
    writeBlock(scratch, block, from.topLeft() + offset);
    return scratch.Changes();
}

} // namespace EditOperations
