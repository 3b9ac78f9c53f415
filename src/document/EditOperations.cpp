#include "EditOperations.h"

#include "CellBlock.h"
#include "CellLine.h"
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
// few passes over memory, not a call per cell.
class Scratch {
public:
    Scratch(const Level& level, const QRect& area)
        : m_Level(level), m_Area(area.normalized() & levelArea(level)) {
        const std::size_t cells = std::size_t(m_Area.width()) * std::size_t(m_Area.height());
        m_Planes[0].resize(m_Area.isEmpty() ? 0 : cells);
        m_Planes[1].resize(m_Planes[0].size());
        for (int plane = 0; plane < 2 && !m_Area.isEmpty(); ++plane)
            for (int y = 0; y < m_Area.height(); ++y)
                std::copy_n(LevelRow(plane, y), m_Area.width(), Row(plane, y));
    }

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

    // Writes the planes `block` holds with its top-left cell at `topLeft`
    // (clipped).
    void Put(const CellBlock& block, QPoint topLeft) {
        const QRect inside = QRect(topLeft, QSize(block.Width(), block.Height())) & m_Area;
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

    std::vector<CellChange> Changes() const {
        std::vector<CellChange> changes;
        changes.reserve(Differences(0) + Differences(1));
        for (int plane = 0; plane < 2; ++plane) {
            for (int y = 0; y < m_Area.height(); ++y) {
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
        return m_Planes[plane].data() + std::size_t(y) * std::size_t(m_Area.width());
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
        for (int y = 0; y < m_Area.height(); ++y) {
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

void clearArea(Scratch& scratch, const QRect& area, qint16 tile) {
    scratch.Fill(CellChange::TilePlane, area, tile);
    scratch.Fill(CellChange::InfoPlane, area, 0);
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

std::vector<CellChange> BucketFill(const Level& level, QPoint start, qint16 tile) {
    const int width = level.Width();
    const int height = level.Height();
    if (!levelArea(level).contains(start))
        return {};
    const qint16 old = level.Tile(start.x(), start.y());
    if (old == tile)
        return {};
    // Iterative scan-line fill: a stack of seed cells; each seed's run of
    // old tiles along its row is filled at once and seeds the runs of old
    // tiles touching it in the rows above and below.
    std::vector<qint16> tiles = level.TilePlane();
    const auto at = [&](int x, int y) -> qint16& {
        return tiles[std::size_t(y) * std::size_t(width) + std::size_t(x)];
    };
    std::vector<QPoint> seeds{start};
    std::size_t filled = 0;
    const auto seedRuns = [&](int left, int right, int y) {
        for (int x = left; x <= right; ++x)
            if (at(x, y) == old && (x == left || at(x - 1, y) != old))
                seeds.emplace_back(x, y);
    };
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        const int y = seed.y();
        if (at(seed.x(), y) != old)
            continue; // filled since it was seeded
        int left = seed.x();
        int right = seed.x();
        while (left > 0 && at(left - 1, y) == old)
            --left;
        while (right + 1 < width && at(right + 1, y) == old)
            ++right;
        std::fill(&at(left, y), &at(right, y) + 1, tile);
        filled += std::size_t(right - left + 1);
        if (y > 0)
            seedRuns(left, right, y - 1);
        if (y + 1 < height)
            seedRuns(left, right, y + 1);
    }
    std::vector<CellChange> changes;
    changes.reserve(filled);
    const std::vector<qint16>& before = level.TilePlane();
    for (int y = 0, i = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, ++i)
            if (tiles[std::size_t(i)] != before[std::size_t(i)])
                changes.push_back(
                    {CellChange::TilePlane, x, y, before[std::size_t(i)], tiles[std::size_t(i)]});
    return changes;
}

std::vector<CellChange> Line(const Level& level, QPoint from, QPoint to, CellChange::Plane plane,
                             qint16 value) {
    Scratch scratch(level, CellsBetween(from, to));
    for (const QPoint& cell : CellLine(from, to).CellsIn(levelArea(level)))
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
    scratch.Put(block, from.topLeft() + offset);
    return scratch.Changes();
}

} // namespace EditOperations
