#include "CellFinder.h"

#include "EpisodeFolder.h"
#include "Level.h"

#include <QFileInfo>

#include <algorithm>
#include <set>

void CellFinder::SearchLevel(const Level& level, const QString& fileName) {
    const int index = int(m_Levels.size());
    m_Levels.push_back({fileName, level.Number()});
    const std::vector<qint16>& cells =
        m_Plane == Plane::Tiles ? level.TilePlane() : level.InfoPlane();
    for (int y = 0, i = 0; y < level.Height(); ++y)
        for (int x = 0; x < level.Width(); ++x, ++i)
            if (cells[std::size_t(i)] == m_Value)
                m_Hits.push_back({index, QPoint(x, y)});
}

IoResult CellFinder::SearchFolder(const QString& folder, int episode, const OpenLevel& open) {
    EpisodeFolder levels;
    const IoResult scanned = EpisodeFolder::Scan(folder, episode, levels);
    if (!scanned)
        return scanned;
    for (const EpisodeFolder::Entry& entry : levels.Levels()) {
        if (const Level* held = open ? open(entry.path) : nullptr) {
            SearchLevel(*held, entry.path);
            continue;
        }
        Level level;
        const IoResult read = level.Load(entry.path);
        if (read)
            SearchLevel(level, entry.path);
        else
            m_Failures << tr("%1: %2").arg(entry.name, read.error);
    }
    return IoResult::success();
}

int CellFinder::NextAfter(const QString& fileName, QPoint cell) const {
    if (m_Hits.empty())
        return -1;
    const auto level = std::find_if(m_Levels.begin(), m_Levels.end(),
                                    [&](const SearchedLevel& l) { return l.fileName == fileName; });
    if (level == m_Levels.end())
        return 0;
    const int levelIndex = int(level - m_Levels.begin());
    // Hits are in order: the first one past (level, row, column).
    const auto after = std::find_if(m_Hits.begin(), m_Hits.end(), [&](const Hit& hit) {
        if (hit.levelIndex != levelIndex)
            return hit.levelIndex > levelIndex;
        return hit.cell.y() != cell.y() ? hit.cell.y() > cell.y() : hit.cell.x() > cell.x();
    });
    return after == m_Hits.end() ? 0 : int(after - m_Hits.begin());
}

QString CellFinder::HitText(int index) const {
    if (index < 0 || index >= int(m_Hits.size()))
        return {};
    const Hit& hit = m_Hits[std::size_t(index)];
    const QString& file = m_Levels[std::size_t(hit.levelIndex)].fileName;
    const QString name = file.isEmpty() ? tr("Untitled") : QFileInfo(file).fileName();
    return tr("%1: %2,%3").arg(name).arg(hit.cell.x()).arg(hit.cell.y());
}

QString CellFinder::Summary() const {
    if (m_Hits.empty()) {
        return m_Plane == Plane::Tiles ? tr("No cell holds tile %1").arg(m_Value)
                                       : tr("No cell holds info value %1").arg(m_Value);
    }
    std::set<int> levels;
    for (const Hit& hit : m_Hits)
        levels.insert(hit.levelIndex);
    const QString cells =
        m_Hits.size() == 1 ? tr("1 cell") : tr("%1 cells").arg(qulonglong(m_Hits.size()));
    const QString inLevels =
        levels.size() == 1 ? tr("in 1 level") : tr("in %1 levels").arg(qulonglong(levels.size()));
    return cells + QLatin1Char(' ') + inLevels;
}
