#include "FindResults.h"

#include "LevelDocument.h"

#include <QFileInfo>

#include <map>

FindResults::FindResults(QObject* parent) : QAbstractListModel(parent) {}

void FindResults::Begin(CellFinder::Plane plane, qint16 value) {
    m_Finder.emplace(plane, value);
    m_Documents.clear();
    m_Current = -1;
}

void FindResults::SearchLevel(CellFinder::Plane plane, qint16 value,
                              const LevelDocument& document) {
    beginResetModel();
    Begin(plane, value);
    m_Finder->SearchLevel(document.level(), document.fileName());
    m_Documents.emplace_back(&document);
    endResetModel();
}

IoResult FindResults::SearchFolder(CellFinder::Plane plane, qint16 value,
                                   const LevelDocument& document,
                                   const QList<const LevelDocument*>& open) {
    if (document.fileName().isEmpty()) {
        SearchLevel(plane, value, document);
        return IoResult::success();
    }
    beginResetModel();
    Begin(plane, value);
    // The same file under another name (a link, "..") is the same level.
    std::map<QString, const LevelDocument*> used;
    const auto openLevel = [&](const QString& path) -> const Level* {
        const QFileInfo file(path);
        for (const LevelDocument* candidate : open) {
            if (!candidate->fileName().isEmpty() && QFileInfo(candidate->fileName()) == file) {
                used[path] = candidate;
                return &candidate->level();
            }
        }
        return nullptr;
    };
    const IoResult searched = m_Finder->SearchFolder(QFileInfo(document.fileName()).absolutePath(),
                                                     document.level().Episode(), openLevel);
    if (!searched)
        m_Finder.reset();
    else
        for (const CellFinder::SearchedLevel& level : m_Finder->Levels()) {
            const auto found = used.find(level.fileName);
            m_Documents.emplace_back(found == used.end() ? nullptr : found->second);
        }
    endResetModel();
    return searched;
}

int FindResults::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_Finder ? 0 : int(m_Finder->Hits().size());
}

QVariant FindResults::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    if (!index.isValid() || row < 0 || row >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_Finder->HitText(row);
    case Qt::ToolTipRole:
    case FileRole:
        return FileOf(row);
    case CellRole:
        return CellOf(row);
    default:
        return {};
    }
}

QPoint FindResults::CellOf(int row) const {
    return row >= 0 && row < rowCount() ? m_Finder->Hits()[std::size_t(row)].cell : QPoint(-1, -1);
}

QString FindResults::FileOf(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_Finder->Levels()[std::size_t(m_Finder->Hits()[std::size_t(row)].levelIndex)].fileName;
}

const LevelDocument* FindResults::DocumentOf(int row) const {
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_Documents[std::size_t(m_Finder->Hits()[std::size_t(row)].levelIndex)];
}

FindResults::Step FindResults::Next(bool forward, const QString& fileName) const {
    const int count = rowCount();
    if (count == 0)
        return {};
    if (m_Current < 0 || m_Current >= count)
        return {forward ? m_Finder->NextAfter(fileName, QPoint(-1, -1)) : count - 1, false};
    const int next = m_Current + (forward ? 1 : -1);
    if (next < 0)
        return {count - 1, true};
    if (next >= count)
        return {0, true};
    return {next, false};
}

QString FindResults::Summary() const {
    if (!m_Finder)
        return {};
    const int failed = int(m_Finder->Failures().size());
    if (failed == 0)
        return m_Finder->Summary();
    return failed == 1 ? tr("%1; 1 file could not be read").arg(m_Finder->Summary())
                       : tr("%1; %2 files could not be read").arg(m_Finder->Summary()).arg(failed);
}

QStringList FindResults::Failures() const {
    return m_Finder ? m_Finder->Failures() : QStringList();
}
