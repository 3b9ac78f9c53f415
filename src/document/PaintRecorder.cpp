#include "PaintRecorder.h"

#include "Level.h"

#include <algorithm>

void PaintRecorder::Begin(const Level& level) {
    m_Open = true;
    m_Width = level.Width();
    m_Height = level.Height();
    m_Tiles = level.TilePlane();
    m_Infos = level.InfoPlane();
    m_Differs.assign(m_Tiles.size(), false);
    m_DifferingCells = 0;
}

void PaintRecorder::Note(const Level& level, int x, int y) {
    if (!m_Open || level.Width() != m_Width || level.Height() != m_Height)
        return;
    if (x < 0 || x >= m_Width || y < 0 || y >= m_Height)
        return;
    const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(m_Width) +
                          static_cast<std::size_t>(x);
    if (i >= m_Tiles.size() || i >= m_Infos.size())
        return;
    const bool differs = level.Tile(x, y) != m_Tiles[i] || level.Info(x, y) != m_Infos[i];
    if (differs != m_Differs[i]) {
        m_Differs[i] = differs;
        m_DifferingCells += differs ? 1 : -1;
    }
}

namespace {

void AppendDifferences(std::vector<CellChange>& changes, CellChange::Plane plane, int width,
                       const std::vector<qint16>& before, const std::vector<qint16>& after) {
    const std::size_t count = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (before[i] == after[i])
            continue;
        CellChange change;
        change.plane = plane;
        change.x = static_cast<int>(i % static_cast<std::size_t>(width));
        change.y = static_cast<int>(i / static_cast<std::size_t>(width));
        change.before = before[i];
        change.after = after[i];
        changes.push_back(change);
    }
}

} // namespace

std::vector<CellChange> PaintRecorder::Finish(const Level& level) {
    std::vector<CellChange> changes;
    const bool sameSize = level.Width() == m_Width && level.Height() == m_Height &&
                          level.TilePlane().size() == m_Tiles.size() &&
                          level.InfoPlane().size() == m_Infos.size();
    if (m_Open && sameSize && m_Width > 0) {
        AppendDifferences(changes, CellChange::TilePlane, m_Width, m_Tiles, level.TilePlane());
        AppendDifferences(changes, CellChange::InfoPlane, m_Width, m_Infos, level.InfoPlane());
    }
    Cancel();
    return changes;
}

void PaintRecorder::Cancel() {
    m_Open = false;
    m_Tiles = {};
    m_Infos = {};
    m_Differs = {};
    m_DifferingCells = 0;
}
