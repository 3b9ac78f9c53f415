#include "RectangleFillTool.h"

#include "EditOperations.h"

std::vector<CellChange> RectangleFillTool::Shape(const Level& level, QPoint from, QPoint to,
                                                 CellChange::Plane plane, qint16 value) const {
    return EditOperations::FillArea(level, EditOperations::CellsBetween(from, to), plane, value);
}
