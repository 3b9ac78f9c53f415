#include "EpisodeFilterModel.h"

#include "EpisodeModel.h"

#include <QFileInfo>

EpisodeFilterModel::EpisodeFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(EpisodeModel::NumberRole);
    sort(0);
}

void EpisodeFilterModel::SetText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed == m_Text)
        return;
    m_Text = trimmed;
    invalidateRowsFilter();
}

void EpisodeFilterModel::SetProblemsOnly(bool problemsOnly) {
    if (problemsOnly == m_ProblemsOnly)
        return;
    m_ProblemsOnly = problemsOnly;
    invalidateRowsFilter();
}

bool EpisodeFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    if (m_ProblemsOnly && !row.data(EpisodeModel::HasProblemsRole).toBool())
        return false;
    if (m_Text.isEmpty())
        return true;
    const int number = row.data(EpisodeModel::NumberRole).toInt();
    const QString name = QFileInfo(row.data(EpisodeModel::FilePathRole).toString()).fileName();
    return QString::number(number).startsWith(m_Text) ||
           QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')).startsWith(m_Text) ||
           name.startsWith(m_Text, Qt::CaseInsensitive);
}
