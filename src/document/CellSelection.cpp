#include "CellSelection.h"

#include "EditOperations.h"

#include <QCoreApplication>

#include <algorithm>

void CellSelection::Start(QPoint cell, bool extend, QSize levelSize) {
    m_LevelSize = levelSize;
    if (!extend || IsEmpty())
        m_Anchor = Clamp(cell);
    DragTo(cell);
}

void CellSelection::DragTo(QPoint cell) {
    m_Cells = CellMask::OfRect(m_LevelSize, EditOperations::CellsBetween(m_Anchor, Clamp(cell)));
}

void CellSelection::SelectAll(QSize levelSize) {
    SetArea(QRect(QPoint(0, 0), levelSize), levelSize);
}

void CellSelection::Clear() {
    m_Cells = CellMask(m_LevelSize);
}

void CellSelection::SetArea(const QRect& area, QSize levelSize) {
    m_LevelSize = levelSize;
    m_Cells = CellMask::OfRect(levelSize, area);
    m_Anchor = m_Cells.BoundingRect().topLeft();
}

void CellSelection::SetCells(const CellMask& cells) {
    m_LevelSize = cells.Size();
    m_Cells = cells;
    m_Anchor = m_Cells.BoundingRect().topLeft();
}

void CellSelection::Apply(const CellMask& cells, Combine how) {
    if (how == Combine::Replace || m_Cells.Size() != cells.Size()) {
        if (how == Combine::Remove)
            return Clear();
        return SetCells(cells);
    }
    if (how == Combine::Add)
        m_Cells.Unite(cells);
    else
        m_Cells.Subtract(cells);
    m_Anchor = m_Cells.BoundingRect().topLeft();
}

void CellSelection::ClipTo(QSize levelSize) {
    m_Cells = m_Cells.Translated(QPoint(0, 0), levelSize);
    m_LevelSize = levelSize;
    m_Anchor = Clamp(m_Anchor);
}

QString CellSelection::StatusText() const {
    if (IsEmpty())
        return {};
    const QRect area = BoundingRect();
    QString text = QCoreApplication::translate("CellSelection", "Selection %1,%2: %3 x %4")
                       .arg(area.x())
                       .arg(area.y())
                       .arg(area.width())
                       .arg(area.height());
    if (!m_Cells.IsRectangle())
        text +=
            QCoreApplication::translate("CellSelection", ", %n cells", nullptr, m_Cells.Count());
    return text;
}

QPoint CellSelection::Clamp(QPoint cell) const {
    return QPoint(std::clamp(cell.x(), 0, std::max(0, m_LevelSize.width() - 1)),
                  std::clamp(cell.y(), 0, std::max(0, m_LevelSize.height() - 1)));
}
