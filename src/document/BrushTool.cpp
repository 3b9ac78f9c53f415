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
    ActOnCell(event.button, event.modifiers, int(event.x), int(event.y));
    m_Last = {event.x, event.y};
    m_Dragging = true;
}

void BrushTool::Move(const ToolEvent& event) {
    if (event.buttons != Qt::NoButton && Dragging())
        ContinueDrag(event);
    m_Last = {event.x, event.y};
}

void BrushTool::ContinueDrag(const ToolEvent& to) {
    // Picking takes only the cell now under the pointer.
    if (ToolEvent::Picks(to.modifiers) && to.inside)
        PickCell(to.buttons, int(to.x), int(to.y));
    if (!ToolEvent::Edits(to.modifiers))
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
        EditCell(to.buttons, cell.x(), cell.y());
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

void BrushTool::ActOnCell(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int cx,
                          int cy) {
    if (ToolEvent::Edits(modifiers))
        EditCell(buttons, cx, cy);
    else if (ToolEvent::Picks(modifiers))
        PickCell(buttons, cx, cy);
}

void BrushTool::EditCell(Qt::MouseButtons buttons, int cx, int cy) {
    if (m_Selection.Mode() == BrushSelection::TileMode)
        m_Document.SetCell(CellChange::TilePlane, cx, cy,
                           m_Selection.Tile(ToolEvent::SlotOf(buttons)));
    else if (buttons == Qt::LeftButton)
        m_Document.SetCell(CellChange::InfoPlane, cx, cy, m_Selection.InfoToPlace());
    else if (buttons == Qt::RightButton)
        m_Document.SetCell(CellChange::InfoPlane, cx, cy, 0);
}

void BrushTool::PickCell(Qt::MouseButtons buttons, int cx, int cy) {
    ::PickCell(m_Document.level(), m_Selection, buttons, cx, cy);
}
