#include "BrushTool.h"

#include "BrushSelection.h"
#include "CellLine.h"
#include "CellPicker.h"
#include "LevelDocument.h"

BrushTool::BrushTool(LevelDocument& document, BrushSelection& selection)
    : m_Document(document), m_Selection(selection) {}

void BrushTool::Press(const ToolEvent& event) {
    if (!event.inside)
        return;
    // Another button pressed during the same drag stays in its stroke.
    m_Document.BeginStroke();
    ActOnCell(event.button, event.shift, int(event.x), int(event.y));
    m_Last = {event.x, event.y};
    m_Dragging = true;
}

void BrushTool::Move(const ToolEvent& event) {
    if (event.button != 0 && Dragging())
        ContinueDrag(event);
    m_Last = {event.x, event.y};
}

void BrushTool::ContinueDrag(const ToolEvent& to) {
    // Picking takes only the cell now under the pointer.
    if (to.shift == ToolEvent::CtrlOnly && to.inside)
        PickCell(to.button, int(to.x), int(to.y));
    if (to.shift != ToolEvent::NoModifier)
        return;
    // Painting covers every cell of the level on the straight line from the
    // previous pointer cell, however fast the pointer went.
    const Level& level = m_Document.level();
    const CellLine line(m_Last.x, m_Last.y, to.x, to.y);
    std::vector<QPoint> cells = line.CellsIn(QRect(0, 0, level.Width(), level.Height()));
    // The previous event already wrote the start, unless the pointer stayed
    // in it: then that cell is written again.
    if (line.Count() > 1 && !cells.empty() && cells.front() == line.At(0))
        cells.erase(cells.begin());
    for (const QPoint& cell : cells)
        EditCell(to.button, cell.x(), cell.y());
}

void BrushTool::Release(const ToolEvent&) {
    Cancel();
}

void BrushTool::Cancel() {
    m_Document.EndStroke();
    m_Dragging = false;
}

bool BrushTool::Dragging() const {
    return m_Dragging && m_Document.StrokeOpen();
}

void BrushTool::ActOnCell(int button, int shift, int cx, int cy) {
    if (shift == ToolEvent::NoModifier)
        EditCell(button, cx, cy);
    else if (shift == ToolEvent::CtrlOnly)
        PickCell(button, cx, cy);
}

void BrushTool::EditCell(int button, int cx, int cy) {
    if (m_Selection.Mode() == BrushSelection::TileMode)
        m_Document.SetCell(CellChange::TilePlane, cx, cy,
                           m_Selection.Tile(ToolEvent::SlotOf(button)));
    else if (button == ToolEvent::LeftButton)
        m_Document.SetCell(CellChange::InfoPlane, cx, cy, m_Selection.InfoToPlace());
    else if (button == ToolEvent::RightButton)
        m_Document.SetCell(CellChange::InfoPlane, cx, cy, 0);
}

void BrushTool::PickCell(int button, int cx, int cy) {
    ::PickCell(m_Document.level(), m_Selection, button, cx, cy);
}
