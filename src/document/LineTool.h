#pragma once

#include "DragShapeTool.h"

#include <QCoreApplication>

// Draws the straight line of cells from the drag's first to its last cell.
class LineTool : public DragShapeTool {
public:
    using DragShapeTool::DragShapeTool;
    static QString Name() { return QCoreApplication::translate("LineTool", "Line"); }

protected:
    std::vector<CellChange> Shape(const Level& level, QPoint from, QPoint to,
                                  CellChange::Plane plane, qint16 value) const override;
    QString StepText() const override { return Name(); }
};
