#pragma once

#include "CheckFinding.h"

#include <QPoint>
#include <QString>
#include <vector>

// Identical findings of one level taken together: the same severity, kind
// and message, with every cell that has it. A level with 280 cells holding
// the same hidden info value reads as one line, not 280; the check dock and
// `gridmason-tool check` show these groups.
struct FindingGroup {
    Severity severity = Severity::Error;
    FindingKind kind = FindingKind::TooLarge;
    QString message;
    // The cells in the order the findings came (row order from the
    // checker); empty for a finding about the whole level.
    std::vector<QPoint> cells;

    bool HasCell() const { return !cells.empty(); }
    // How many findings the group stands for: its cells, or 1 for the
    // whole level.
    int Count() const { return cells.empty() ? 1 : int(cells.size()); }

    // The groups of `findings`: the errors' first, then the warnings', then
    // the notes', each in the order of the group's first finding.
    static std::vector<FindingGroup> Group(const std::vector<Finding>& findings);
};
