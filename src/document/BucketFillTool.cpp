#include "BucketFillTool.h"

#include "BrushSelection.h"
#include "CellPicker.h"
#include "CellSelection.h"
#include "EditOperations.h"
#include "LevelDocument.h"

BucketFillTool::BucketFillTool(LevelDocument& document, BrushSelection& selection)
    : m_Document(document), m_Selection(selection) {}

void BucketFillTool::Press(const ToolEvent& event) {
    if (!event.inside)
        return;
    const int cx = int(event.x), cy = int(event.y);
    if (ToolEvent::Picks(event.modifiers)) {
        PickCell(m_Document.level(), m_Selection, event.button, cx, cy);
        return;
    }
    if (!ToolEvent::Edits(event.modifiers) || m_Selection.Mode() != BrushSelection::TileMode)
        return;
    const qint16 tile = m_Selection.Tile(ToolEvent::SlotOf(event.button));
    const CellMask* within = m_Within && !m_Within->IsEmpty() ? &m_Within->Cells() : nullptr;
    m_Document.ApplyEdit(
        StepText(), EditOperations::BucketFill(m_Document.level(), QPoint(cx, cy), tile, within));
}
