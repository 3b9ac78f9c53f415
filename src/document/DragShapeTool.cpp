#include "DragShapeTool.h"

#include "BrushSelection.h"
#include "CellBlock.h"
#include "CellPicker.h"
#include "EditOperations.h"
#include "LevelDocument.h"
#include "ToolPreview.h"

DragShapeTool::DragShapeTool(LevelDocument& document, BrushSelection& selection)
    : m_Document(document), m_Selection(selection) {}

void DragShapeTool::Press(const ToolEvent& event) {
    if (!event.inside || m_Dragging)
        return;
    const QPoint cell(int(event.x), int(event.y));
    if (ToolEvent::Picks(event.modifiers)) {
        PickCell(m_Document.level(), m_Selection, event.button, cell.x(), cell.y());
        return;
    }
    if (!ToolEvent::Edits(event.modifiers))
        return;
    if (m_Selection.Mode() == BrushSelection::TileMode) {
        m_Plane = CellChange::TilePlane;
        m_Value = m_Selection.Tile(ToolEvent::SlotOf(event.button));
    } else if (event.button == Qt::LeftButton || event.button == Qt::RightButton) {
        m_Plane = CellChange::InfoPlane;
        m_Value = event.button == Qt::LeftButton ? m_Selection.InfoToPlace() : qint16(0);
    } else {
        return; // the middle button places no sprite, as with the brush
    }
    m_Dragging = true;
    m_From = cell;
    Follow(cell);
}

void DragShapeTool::Move(const ToolEvent& event) {
    // The pointer may leave the level: the shape then reaches its edge.
    if (m_Dragging)
        Follow(QPoint(int(event.x), int(event.y)));
}

void DragShapeTool::Release(const ToolEvent& event) {
    if (!m_Dragging)
        return;
    Follow(QPoint(int(event.x), int(event.y)));
    std::vector<CellChange> changes = std::move(m_Pending);
    Cancel();
    m_Document.ApplyEdit(StepText(), std::move(changes));
}

void DragShapeTool::Cancel() {
    m_Dragging = false;
    m_Pending.clear();
    m_Area = QRect();
}

void DragShapeTool::Follow(QPoint cell) {
    m_To = cell;
    const Level& level = m_Document.level();
    m_Pending = Shape(level, m_From, m_To, m_Plane, m_Value);
    m_Area =
        EditOperations::CellsBetween(m_From, m_To) & QRect(0, 0, level.Width(), level.Height());
}

QRect DragShapeTool::PreviewCells() const {
    return m_Dragging ? m_Area : QRect();
}

void DragShapeTool::DrawPreview(Surface& dest, const PreviewPlace& place) const {
    if (!m_Dragging || m_Area.isEmpty())
        return;
    // The cells as they will be, framed.
    const Level& level = m_Document.level();
    CellBlock after = CellBlock::Copy(level, m_Area);
    for (const CellChange& change : m_Pending) {
        if (change.plane == CellChange::TilePlane)
            after.SetTile(change.x - m_Area.x(), change.y - m_Area.y(), change.after);
        else
            after.SetInfo(change.x - m_Area.x(), change.y - m_Area.y(), change.after);
    }
    ToolPreview::DrawBlock(dest, place, after, m_Area.topLeft(), m_Area,
                           m_Document.level().Number(), false);
    ToolPreview::DrawOutline(dest, place, m_Area);
}
