#include "LevelCheckModel.h"

#include "EpisodeCheck.h"
#include "LevelChecker.h"
#include "LevelDocument.h"
#include "TileRulesChecker.h"

namespace {

// The filter, count and icon of a severity: errors, or warnings and notes.
int indexOf(Severity severity) {
    return severity == Severity::Error ? 0 : 1;
}

QString severityWord(Severity severity) {
    switch (severity) {
    case Severity::Error:
        return LevelCheckModel::tr("error");
    case Severity::Warning:
        return LevelCheckModel::tr("warning");
    case Severity::Note:
        break;
    }
    return LevelCheckModel::tr("note");
}

QString groupKey(const FindingGroup& group) {
    return QStringLiteral("%1|%2|%3")
        .arg(int(group.severity))
        .arg(int(group.kind))
        .arg(group.message);
}

QStandardItem* plainLine(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

} // namespace

LevelCheckModel::LevelCheckModel(QObject* parent) : QStandardItemModel(parent) {
    m_Delay.setSingleShot(true);
    m_Delay.setInterval(DelayMs);
    connect(&m_Delay, &QTimer::timeout, this, [this] {
        // While a drag goes on, its end is awaited: it may change more.
        if (m_Document && m_Document->StrokeOpen())
            m_Delay.start();
        else
            CheckNow();
    });
    Rebuild();
}

void LevelCheckModel::Follow(const LevelDocument* document, std::function<int()> tileCount,
                             std::function<TileRules()> rules) {
    for (const QMetaObject::Connection& connection : m_Connections)
        disconnect(connection);
    m_Connections.clear();
    m_Document = document;
    m_TileCount = std::move(tileCount);
    m_Rules = std::move(rules);
    if (m_Document) {
        m_Connections
            << connect(m_Document, &LevelDocument::cellsChanged, this, &LevelCheckModel::Changed)
            << connect(m_Document, &LevelDocument::levelReplaced, this, &LevelCheckModel::Changed)
            << connect(m_Document, &QObject::destroyed, this, [this] { Follow(nullptr, {}); });
    }
    CheckNow();
}

void LevelCheckModel::Changed() {
    m_Delay.start();
}

void LevelCheckModel::CheckNow() {
    m_Delay.stop();
    m_Groups.clear();
    m_Counts[0] = m_Counts[1] = 0;
    m_Skipped.clear();
    if (m_Document) {
        const int tileCount = m_TileCount ? m_TileCount() : 0;
        const TileRules rules = m_Rules ? m_Rules() : TileRules{};
        if (m_Rules && !rules.table)
            m_Skipped = TileRulesChecker::SkippedText(
                rules.missing.isEmpty() ? tr("no table is known for this episode") : rules.missing);
        const auto findings =
            EpisodeCheck::OwnFindings(m_Document->level(), tileCount, rules.table.get());
        for (const Finding& finding : findings)
            ++m_Counts[indexOf(finding.severity)];
        m_Groups = FindingGroup::Group(findings);
    }
    Rebuild();
    emit Checked();
}

void LevelCheckModel::SetShown(Severity severity, bool shown) {
    if (m_Shown[indexOf(severity)] == shown)
        return;
    m_Shown[indexOf(severity)] = shown;
    Rebuild();
}

bool LevelCheckModel::Shown(Severity severity) const {
    return m_Shown[indexOf(severity)];
}

int LevelCheckModel::Count(Severity severity) const {
    return m_Counts[indexOf(severity)];
}

void LevelCheckModel::SetIcons(const QIcon& error, const QIcon& warning) {
    m_Icons[0] = error;
    m_Icons[1] = warning;
    Rebuild();
}

QString LevelCheckModel::LineText(const FindingGroup& group) {
    const QString severity = severityWord(group.severity);
    if (!group.HasCell())
        return tr("%1: %2").arg(severity, group.message);
    if (group.Count() == 1)
        return tr("%1 at %2, %3: %4")
            .arg(severity)
            .arg(group.cells.front().x())
            .arg(group.cells.front().y())
            .arg(group.message);
    return tr("%1: %2 \u2014 %3 cells").arg(severity, group.message).arg(group.Count());
}

void LevelCheckModel::Rebuild() {
    clear();
    invisibleRootItem()->appendRows(Lines());
    emit Rebuilt();
}

// The groups shown, or one line saying why there are none; first, once,
// the line that says the tile rules were skipped.
QList<QStandardItem*> LevelCheckModel::Lines() const {
    if (!m_Document)
        return {plainLine(tr("No level is open."))};
    QList<QStandardItem*> lines;
    if (!m_Skipped.isEmpty())
        lines << plainLine(m_Skipped);
    if (m_Groups.empty())
        return lines << plainLine(tr("No problems found."));
    for (const FindingGroup& group : m_Groups)
        if (m_Shown[indexOf(group.severity)])
            lines << GroupLine(group);
    if (lines.size() == (m_Skipped.isEmpty() ? 0 : 1))
        lines << plainLine(tr("Every finding is hidden: turn Errors or Warnings on."));
    return lines;
}

QStandardItem* LevelCheckModel::GroupLine(const FindingGroup& group) const {
    QStandardItem* line = plainLine(LineText(group));
    line->setIcon(m_Icons[indexOf(group.severity)]);
    line->setData(groupKey(group), GroupRole);
    if (group.HasCell())
        line->setData(group.cells.front(), CellRole);
    if (group.Count() > 1) {
        QList<QStandardItem*> cells;
        cells.reserve(int(group.cells.size()));
        for (const QPoint& cell : group.cells) {
            QStandardItem* child = plainLine(tr("at %1, %2").arg(cell.x()).arg(cell.y()));
            child->setData(cell, CellRole);
            cells << child;
        }
        line->appendRows(cells);
    }
    return line;
}
