#include "EditOperations.h"

#include "CellBlock.h"
#include "CellLine.h"
#include "CellMask.h"
#include "Level.h"

#include <algorithm>

namespace {

QRect levelArea(const Level& level) {
    return QRect(0, 0, level.Width(), level.Height());
}

// A working copy of both planes over one rectangle of the level: an
// operation writes into it (in level coordinates; cells outside the
// rectangle are ignored), then Changes tells what differs from the level.
// Rows are copied and compared whole: a paste of 170 x 170 cells costs a
// few passes over memory, not a call per cell. A plane is copied when it is
// first written, so that an operation on one plane never passes over the
// other.
class Scratch {
public:
    Scratch(const Level& level, const QRect& area)
        : m_Level(level), m_Area(area.normalized() & levelArea(level)) {}

    void Set(CellChange::Plane plane, int x, int y, qint16 value) {
        if (m_Area.contains(x, y))
            Row(plane, y - m_Area.y())[x - m_Area.x()] = value;
    }
    void SetTile(int x, int y, qint16 value) { Set(CellChange::TilePlane, x, y, value); }

    // Fills one plane over `area` (clipped).
    void Fill(CellChange::Plane plane, const QRect& area, qint16 value) {
        const QRect inside = area & m_Area;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            std::fill_n(Row(plane, y - m_Area.y()) + (inside.x() - m_Area.x()), inside.width(),
                        value);
    }

    // Writes `value` into one plane of the cells of `cells` (clipped).
    void Fill(CellChange::Plane plane, const CellMask& cells, qint16 value) {
        const QRect inside = cells.BoundingRect() & m_Area;
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            const unsigned char* held = cells.Row(y);
            qint16* row = Row(plane, y - m_Area.y());
            for (int x = inside.left(); x <= inside.right(); ++x)
                if (held[x])
                    row[x - m_Area.x()] = value;
        }
    }

    // Writes the planes `block` holds with its top-left cell at `topLeft`
    // (clipped), the cells it holds alone. With `keepInfoUnderEmpty` an
    // info value 0 of the block leaves the level's value alone (a stamp).
    void Put(const CellBlock& block, QPoint topLeft, bool keepInfoUnderEmpty = false) {
        const QRect inside = QRect(topLeft, QSize(block.Width(), block.Height())) & m_Area;
        if (block.HasGaps() || keepInfoUnderEmpty) {
            PutCellByCell(block, topLeft, inside, keepInfoUnderEmpty);
            return;
        }
        for (int plane = 0; plane < 2; ++plane) {
            if (!(plane == 0 ? block.HasTiles() : block.HasInfo()))
                continue;
            const std::vector<qint16>& source = plane == 0 ? block.Tiles() : block.Infos();
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                const std::size_t from = std::size_t(y - topLeft.y()) * std::size_t(block.Width()) +
                                         std::size_t(inside.x() - topLeft.x());
                std::copy_n(source.begin() + std::ptrdiff_t(from), inside.width(),
                            Row(CellChange::Plane(plane), y - m_Area.y()) +
                                (inside.x() - m_Area.x()));
            }
        }
    }

    void PutCellByCell(const CellBlock& block, QPoint topLeft, const QRect& inside,
                       bool keepInfoUnderEmpty) {
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const int bx = x - topLeft.x(), by = y - topLeft.y();
                if (!block.Holds(bx, by))
                    continue;
                if (block.HasTiles())
                    Set(CellChange::TilePlane, x, y, block.Tile(bx, by));
                if (block.HasInfo() && !(keepInfoUnderEmpty && block.Info(bx, by) == 0))
                    Set(CellChange::InfoPlane, x, y, block.Info(bx, by));
            }
        }
    }

    std::vector<CellChange> Changes() const {
        std::vector<CellChange> changes;
        changes.reserve(Differences(0) + Differences(1));
        for (int plane = 0; plane < 2; ++plane) {
            // A plane never written holds what the level holds.
            for (int y = 0; !m_Planes[plane].empty() && y < m_Area.height(); ++y) {
                const qint16* before = LevelRow(plane, y);
                const qint16* after = Row(plane, y);
                for (int x = 0; x < m_Area.width(); ++x) {
                    if (before[x] != after[x])
                        changes.push_back({CellChange::Plane(plane), m_Area.x() + x, m_Area.y() + y,
                                           before[x], after[x]});
                }
            }
        }
        return changes;
    }

private:
    qint16* Row(int plane, int y) {
        if (m_Planes[plane].empty())
            CopyPlane(plane);
        return m_Planes[plane].data() + std::size_t(y) * std::size_t(m_Area.width());
    }
    void CopyPlane(int plane) {
        m_Planes[plane].resize(std::size_t(m_Area.width()) * std::size_t(m_Area.height()));
        for (int y = 0; y < m_Area.height(); ++y)
            std::copy_n(LevelRow(plane, y), m_Area.width(),
                        m_Planes[plane].data() + std::size_t(y) * std::size_t(m_Area.width()));
    }
    const qint16* Row(int plane, int y) const {
        return m_Planes[plane].data() + std::size_t(y) * std::size_t(m_Area.width());
    }
    // Row y of the scratch area in the level's own plane.
    const qint16* LevelRow(int plane, int y) const {
        const std::vector<qint16>& cells = plane == 0 ? m_Level.TilePlane() : m_Level.InfoPlane();
        return cells.data() + std::size_t(m_Area.y() + y) * std::size_t(m_Level.Width()) +
               std::size_t(m_Area.x());
    }
    std::size_t Differences(int plane) const {
        std::size_t count = 0;
        for (int y = 0; !m_Planes[plane].empty() && y < m_Area.height(); ++y) {
            const qint16* before = LevelRow(plane, y);
            const qint16* after = Row(plane, y);
            for (int x = 0; x < m_Area.width(); ++x)
                count += before[x] != after[x];
        }
        return count;
    }

    const Level& m_Level;
    QRect m_Area;
    std::vector<qint16> m_Planes[2];
};

template <typename Cells> void clearArea(Scratch& scratch, const Cells& cells, qint16 tile) {
    scratch.Fill(CellChange::TilePlane, cells, tile);
    scratch.Fill(CellChange::InfoPlane, cells, 0);
}

QSize levelSize(const Level& level) {
    return QSize(level.Width(), level.Height());
}

} // namespace

namespace EditOperations {

QRect CellsBetween(QPoint a, QPoint b) {
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

std::vector<CellChange> Paste(const Level& level, const CellBlock& block, QPoint topLeft) {
    Scratch scratch(level, QRect(topLeft, QSize(block.Width(), block.Height())));
    scratch.Put(block, topLeft);
    return scratch.Changes();
}

std::vector<CellChange> FillArea(const Level& level, const QRect& area, CellChange::Plane plane,
                                 qint16 value) {
    const QRect inside = area.normalized() & levelArea(level);
    Scratch scratch(level, inside);
    scratch.Fill(plane, inside, value);
    return scratch.Changes();
}

std::vector<CellChange> Clear(const Level& level, const QRect& area, qint16 tile) {
    const QRect inside = area.normalized() & levelArea(level);
    Scratch scratch(level, inside);
    clearArea(scratch, inside, tile);
    return scratch.Changes();
}

std::vector<CellChange> BucketFill(const Level& level, QPoint start, qint16 tile,
                                   const CellMask* within) {
    if (!levelArea(level).contains(start) || level.Tile(start.x(), start.y()) == tile)
        return {};
    return FillCells(level, ConnectedCells(level, start, within), CellChange::TilePlane, tile);
}

CellMask ConnectedCells(const Level& level, QPoint start, const CellMask* within) {
    const int width = level.Width();
    const int height = level.Height();
    const auto index = [&](int x, int y) { return std::size_t(y) * std::size_t(width) + x; };
    const auto allowed = [&](int x, int y) { return !within || within->Contains(x, y); };
    if (!levelArea(level).contains(start) || !allowed(start.x(), start.y()))
        return CellMask(levelSize(level));
    const qint16 old = level.Tile(start.x(), start.y());
    // Iterative scan-line fill: a stack of seed cells; each seed's run of
    // cells of the old tile along its row joins the area at once and seeds
    // the runs touching it in the rows above and below.
    const std::vector<qint16>& tiles = level.TilePlane();
    std::vector<unsigned char> taken(tiles.size(), 0);
    const auto open = [&](int x, int y) {
        return tiles[index(x, y)] == old && !taken[index(x, y)] && allowed(x, y);
    };
    std::vector<QPoint> seeds{start};
    const auto seedRuns = [&](int left, int right, int y) {
        for (int x = left; x <= right; ++x)
            if (open(x, y) && (x == left || !open(x - 1, y)))
                seeds.emplace_back(x, y);
    };
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int y = seed.y();
        if (!open(seed.x(), y))
            continue; // taken since it was seeded
        int left = seed.x();
        int right = seed.x();
        while (left > 0 && open(left - 1, y))
            --left;
        while (right + 1 < width && open(right + 1, y))
            ++right;
        std::fill(taken.begin() + std::ptrdiff_t(index(left, y)),
                  taken.begin() + std::ptrdiff_t(index(right, y)) + 1, 1);
        if (y > 0)
            seedRuns(left, right, y - 1);
        if (y + 1 < height)
            seedRuns(left, right, y + 1);
    }
    return CellMask::OfBytes(levelSize(level), std::move(taken));
}

CellMask SameTile(const Level& level, qint16 tile) {
    return SameValue(level, CellChange::TilePlane, tile);
}

CellMask SameValue(const Level& level, CellChange::Plane plane, qint16 value,
                   const CellMask* within) {
    const std::vector<qint16>& values =
        plane == CellChange::TilePlane ? level.TilePlane() : level.InfoPlane();
    std::vector<unsigned char> cells(values.size());
    std::transform(values.begin(), values.end(), cells.begin(),
                   [value](qint16 v) { return v == value ? 1 : 0; });
    if (within) {
        const int width = level.Width();
        for (std::size_t i = 0; i < cells.size(); ++i)
            cells[i] = cells[i] &&
                       within->Contains(int(i % std::size_t(width)), int(i / std::size_t(width)));
    }
    return CellMask::OfBytes(levelSize(level), std::move(cells));
}

std::vector<CellChange> FillCells(const Level& level, const CellMask& cells,
                                  CellChange::Plane plane, qint16 value) {
    Scratch scratch(level, cells.BoundingRect());
    scratch.Fill(plane, cells, value);
    return scratch.Changes();
}

std::vector<CellChange> Clear(const Level& level, const CellMask& cells, qint16 tile) {
    Scratch scratch(level, cells.BoundingRect());
    clearArea(scratch, cells, tile);
    return scratch.Changes();
}

std::vector<CellChange> Stamp(const Level& level, const CellBlock& block, QPoint topLeft) {
    Scratch scratch(level, QRect(topLeft, QSize(block.Width(), block.Height())));
    scratch.Put(block, topLeft, true);
    return scratch.Changes();
}

std::vector<CellChange> Line(const Level& level, QPoint from, QPoint to, CellChange::Plane plane,
                             qint16 value) {
    Scratch scratch(level, CellsBetween(from, to));
    for (const QPoint& cell : CellLine(from, to).CellsIn(levelArea(level)))
        scratch.Set(plane, cell.x(), cell.y(), value);
    return scratch.Changes();
}

std::vector<CellChange> Move(const Level& level, const QRect& area, QPoint offset, qint16 tile) {
    return Move(level, CellMask::OfRect(levelSize(level), area), offset, tile);
}

std::vector<CellChange> Move(const Level& level, const CellMask& cells, QPoint offset,
                             qint16 tile) {
    const QRect from = cells.BoundingRect() & levelArea(level);
    if (from.isEmpty() || offset.isNull())
        return {};
    const CellBlock block = CellBlock::Copy(level, cells);
    Scratch scratch(level, from | from.translated(offset));
    clearArea(scratch, cells, tile);
    scratch.Put(block, from.topLeft() + offset);
    return scratch.Changes();
}

} // namespace EditOperations
