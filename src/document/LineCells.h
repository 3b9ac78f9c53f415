#pragma once

#include <QPoint>

#include <vector>

// The cells of a straight line from `from` to `to`, both included, in
// order: one cell per step along the longer axis, each the cell nearest
// the exact line (of two equally near, the one farther from `from`), so
// every pair of neighbours touches at an edge or a corner. Meant for cells
// under the pointer: the list has one entry per step.
std::vector<QPoint> LineCells(QPoint from, QPoint to);
