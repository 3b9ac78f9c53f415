#include "CellSelection.h"

#include "EditOperations.h"

#include <algorithm>

void CellSelection::Start(QPoint cell, bool extend, QSize levelSize) {
    m_LevelSize = levelSize;
    if (!extend || IsEmpty())
        m_Anchor = Clamp(cell);
    DragTo(cell);
}

void CellSelection::DragTo(QPoint cell) {
    if (m_LevelSize.isEmpty()) {
        m_Area = QRect();
        return;
    }
    m_Area = EditOperations::CellsBetween(m_Anchor, Clamp(cell));
}

void CellSelection::SelectAll(QSize levelSize) {
    SetArea(QRect(QPoint(0, 0), levelSize), levelSize);
}

void CellSelection::Clear() {
    m_Area = QRect();
}

void CellSelection::SetArea(const QRect& area, QSize levelSize) {
    m_LevelSize = levelSize;
    m_Area = area & QRect(QPoint(0, 0), levelSize);
    m_Anchor = m_Area.topLeft();
}

void CellSelection::ClipTo(QSize levelSize) {
    m_LevelSize = levelSize;
    m_Area &= QRect(QPoint(0, 0), levelSize);
    m_Anchor = Clamp(m_Anchor);
}

QString CellSelection::StatusText() const {
    if (IsEmpty())
        return {};
    return QStringLiteral("Selection %1,%2: %3 x %4")
        .arg(m_Area.x())
        .arg(m_Area.y())
        .arg(m_Area.width())
        .arg(m_Area.height());
}

QPoint CellSelection::Clamp(QPoint cell) const {
    return QPoint(std::clamp(cell.x(), 0, std::max(0, m_LevelSize.width() - 1)),
                  std::clamp(cell.y(), 0, std::max(0, m_LevelSize.height() - 1)));
}
