#include "MapIndex.h"

#include "GameLimits.h"

#include <algorithm>

namespace {

using Door = MapIndex::Door;

bool rowOrder(QPoint a, QPoint b) {
    return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
}

void sortDoors(std::vector<Door>& doors) {
    std::sort(doors.begin(), doors.end(), [](const Door& a, const Door& b) {
        return a.level != b.level ? a.level < b.level : rowOrder(a.First(), b.First());
    });
}

std::vector<Door> ofLevel(const std::vector<Door>& doors, int level) {
    std::vector<Door> out;
    std::copy_if(doors.begin(), doors.end(), std::back_inserter(out),
                 [level](const Door& d) { return d.level == level; });
    return out;
}

const Door* doorAt(const std::vector<Door>& doors, QPoint cell) {
    const auto found = std::find_if(doors.begin(), doors.end(),
                                    [cell](const Door& d) { return d.Contains(cell); });
    return found == doors.end() ? nullptr : &*found;
}

// The plane's values as 16-bit words, cells beyond its end 0.
class Plane {
public:
    Plane(int width, int height, const std::vector<qint16>& infos)
        : m_Width(std::max(width, 0)), m_Height(std::max(height, 0)), m_Infos(infos) {}
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_Width && y < m_Height; }
    int Word(int x, int y) const {
        const size_t at = size_t(y) * size_t(m_Width) + size_t(x);
        return at < m_Infos.size() ? m_Infos[at] & 0xFFFF : 0;
    }

private:
    int m_Width;
    int m_Height;
    const std::vector<qint16>& m_Infos;
};

// The cells of value `word` that touch (x, y) by edges and corners, one
// after another; `seen` marks them.
std::vector<QPoint> gather(const Plane& plane, int x, int y, int word, std::vector<bool>& seen) {
    std::vector<QPoint> cells;
    std::vector<QPoint> open{{x, y}};
    seen[size_t(y) * plane.Width() + x] = true;
    while (!open.empty()) {
        const QPoint cell = open.back();
        open.pop_back();
        cells.push_back(cell);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = cell.x() + dx, ny = cell.y() + dy;
                if (!plane.Contains(nx, ny) || plane.Word(nx, ny) != word)
                    continue;
                const size_t at = size_t(ny) * plane.Width() + nx;
                if (!seen[at]) {
                    seen[at] = true;
                    open.push_back({nx, ny});
                }
            }
    }
    std::sort(cells.begin(), cells.end(), rowOrder);
    return cells;
}

} // namespace

QRect MapIndex::Door::Bounds() const {
    QRect bounds;
    for (QPoint cell : cells)
        bounds |= QRect(cell, QSize(1, 1));
    return bounds;
}

bool MapIndex::Door::Contains(QPoint cell) const {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}

MapIndex MapIndex::Build(int width, int height, const std::vector<qint16>& infos) {
    const Plane plane(width, height, infos);
    MapIndex index;
    std::vector<bool> seen(size_t(plane.Width()) * size_t(plane.Height()), false);
    for (int y = 0; y < plane.Height(); ++y)
        for (int x = 0; x < plane.Width(); ++x) {
            const int word = plane.Word(x, y);
            if (word == GameLimits::KeenStartValue)
                index.m_Starts.push_back({x, y});
            const int entrance = GameLimits::EntranceLevel(word);
            const int blocker = GameLimits::BlockerLevel(word);
            if ((!entrance && !blocker) || seen[size_t(y) * plane.Width() + x])
                continue;
            Door door{entrance ? entrance : blocker, gather(plane, x, y, word, seen)};
            (entrance ? index.m_Entrances : index.m_Blockers).push_back(std::move(door));
        }
    sortDoors(index.m_Entrances);
    sortDoors(index.m_Blockers);
    return index;
}

std::vector<MapIndex::Door> MapIndex::EntrancesTo(int level) const {
    return ofLevel(m_Entrances, level);
}

std::vector<MapIndex::Door> MapIndex::BlockersOpenedBy(int level) const {
    return ofLevel(m_Blockers, level);
}

const MapIndex::Door* MapIndex::EntranceAt(QPoint cell) const {
    return doorAt(m_Entrances, cell);
}

const MapIndex::Door* MapIndex::BlockerAt(QPoint cell) const {
    return doorAt(m_Blockers, cell);
}
