#include "LineTool.h"

#include "EditOperations.h"

std::vector<CellChange> LineTool::Shape(const Level& level, QPoint from, QPoint to,
                                        CellChange::Plane plane, qint16 value) const {
    return EditOperations::Line(level, from, to, plane, value);
}
