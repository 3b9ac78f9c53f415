#pragma once

#include "FindingGroup.h"

#include <QIcon>
#include <QMetaObject>
#include <QStandardItemModel>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

class LevelDocument;
class TileBehaviour;

// What the check dock lists, without the dock: it follows one document,
// checks its level again a moment after each change (so that a long drag
// costs one check, made once the drag is over), groups identical findings
// and keeps the lines of the severities shown. A group of several cells
// has one child line per cell. Every line that concerns a cell holds it
// (CellRole); a group holds its first cell.
class LevelCheckModel : public QStandardItemModel {
    Q_OBJECT
public:
    enum Role {
        // The cell the line goes to, a QPoint; none for the whole level.
        CellRole = Qt::UserRole + 1,
        // What tells a group apart from the others (severity, kind and
        // message), so that a view can keep it open across checks.
        GroupRole
    };
    // How long after the last change the level is checked again.
    static constexpr int DelayMs = 300;

    explicit LevelCheckModel(QObject* parent = nullptr);

    // What the tile rules need: the episode's table, or why there is none.
    struct TileRules {
        std::shared_ptr<const TileBehaviour> table;
        QString missing;
    };

    // Follows `document` (nullptr for none) and checks it at once.
    // `tileCount` tells, at each check, how many tiles the level's episode
    // has; `rules`, the episode's tile behaviour table for the checks that
    // need it. Without a table those are skipped, and the first line says
    // so.
    void Follow(const LevelDocument* document, std::function<int()> tileCount,
                std::function<TileRules()> rules = {});
    const LevelDocument* Document() const { return m_Document; }
    // Checks at once; a check waiting for its moment is dropped.
    void CheckNow();

    // Whether the lines of a severity are listed (both are at first). Notes
    // go with the warnings: they are shown, counted and hidden with them.
    void SetShown(Severity severity, bool shown);
    bool Shown(Severity severity) const;
    // How many findings (cells, or whole-level findings) of a severity the
    // last check found, shown or not.
    int Count(Severity severity) const;

    // The icons the lines of each severity show.
    void SetIcons(const QIcon& error, const QIcon& warning);

    // "error at 40, 30: message", "error: message" for the whole level, or
    // "warning: message — 280 cells" for a group of several cells; a note
    // says "note".
    static QString LineText(const FindingGroup& group);

signals:
    // The level was checked and the lines made anew.
    void Checked();
    // The lines were made anew (after a check or a change of the filters).
    void Rebuilt();

private:
    void Changed();
    void Rebuild();
    QList<QStandardItem*> Lines() const;
    QStandardItem* GroupLine(const FindingGroup& group) const;

    const LevelDocument* m_Document = nullptr;
    std::function<int()> m_TileCount;
    std::function<TileRules()> m_Rules;
    // The line that says the tile rules were skipped, and why; empty when
    // they ran or were not asked for.
    QString m_Skipped;
    QList<QMetaObject::Connection> m_Connections;
    QTimer m_Delay;
    std::vector<FindingGroup> m_Groups;
    int m_Counts[2] = {0, 0};
    bool m_Shown[2] = {true, true};
    QIcon m_Icons[2];
};
