#pragma once

#include "DragShapeTool.h"

#include <QCoreApplication>

// Fills the rectangle with the drag's first and last cells as corners.
class RectangleFillTool : public DragShapeTool {
public:
    using DragShapeTool::DragShapeTool;
    static QString Name() {
        return QCoreApplication::translate("RectangleFillTool", "Rectangle Fill");
    }

protected:
    std::vector<CellChange> Shape(const Level& level, QPoint from, QPoint to,
                                  CellChange::Plane plane, qint16 value) const override;
    QString StepText() const override { return Name(); }
};
