#pragma once

#include "CellFinder.h"
#include "IoResult.h"

#include <QAbstractListModel>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QStringList>

#include <optional>
#include <vector>

class LevelDocument;

// What Edit, Find Tile or Value lists: every cell holding a tile or an info
// value in one level, or in every level of that level's folder (the open
// levels as they are now, unsaved changes and all), one line per cell, and
// which of them Find Next and Find Previous go to.
class FindResults : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        // The cell a line goes to, a QPoint.
        CellRole = Qt::UserRole + 1,
        // The file of its level, "" for a level never saved.
        FileRole
    };
    // The hit a step of Find Next or Find Previous comes to, and whether it
    // went round past the last (or first) hit to get there; row -1: none.
    struct Step {
        int row = -1;
        bool wrapped = false;
    };

    explicit FindResults(QObject* parent = nullptr);

    // Lists the cells of `document`'s level holding `value`.
    void SearchLevel(CellFinder::Plane plane, qint16 value, const LevelDocument& document);
    // Lists those of every level of `document`'s episode in the folder of
    // its file; the levels of `open` documents are searched as they are
    // instead of their files. A level never saved has no folder: it is
    // searched alone. On failure (the folder cannot be read) the list is
    // empty and the result says why.
    IoResult SearchFolder(CellFinder::Plane plane, qint16 value, const LevelDocument& document,
                          const QList<const LevelDocument*>& open);
    // Whether there has been a search.
    bool Searched() const { return m_Finder.has_value(); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    QPoint CellOf(int row) const;
    QString FileOf(int row) const;
    // The open document the line's level was searched in, while it is
    // still open; null for a level read from its file.
    const LevelDocument* DocumentOf(int row) const;

    // The line gone to last, -1 for none (as after a search).
    int Current() const { return m_Current; }
    void SetCurrent(int row) { m_Current = row; }
    // The line after (forward) or before the one gone to last, round past
    // the ends. With none gone to yet: forward, the first hit of the level
    // kept in `fileName` or the first after it (see CellFinder::NextAfter),
    // backward, the last hit.
    Step Next(bool forward, const QString& fileName) const;

    // "37 cells in 5 levels", with the files that could not be read
    // counted; "" before any search.
    QString Summary() const;
    // One line per file that could not be read.
    QStringList Failures() const;

private:
    void Begin(CellFinder::Plane plane, qint16 value);

    std::optional<CellFinder> m_Finder;
    // The open document of each level searched, in the finder's order.
    std::vector<QPointer<const LevelDocument>> m_Documents;
    int m_Current = -1;
};
