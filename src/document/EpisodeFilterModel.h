#pragma once

#include <QSortFilterProxyModel>
#include <QString>

// The Episode panel's rows as the user narrows them: sorted by level
// number, and kept to the levels whose number (as written, "7", or as in
// the file name, "07") or file name starts with the text typed, and to
// those with errors or warnings when asked.
class EpisodeFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit EpisodeFilterModel(QObject* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return m_Text; }
    void SetProblemsOnly(bool problemsOnly);
    bool ProblemsOnly() const { return m_ProblemsOnly; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString m_Text;
    bool m_ProblemsOnly = false;
};
