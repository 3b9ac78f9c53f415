#include "BrushTool.h"

#include "BrushSelection.h"
#include "CellLine.h"
#include "CellPicker.h"
#include "EditOperations.h"
#include "LevelDocument.h"
#include "ToolPreview.h"

BrushTool::BrushTool(LevelDocument& document, BrushSelection& selection)
    : m_Document(document), m_Selection(selection) {}

void BrushTool::Press(const ToolEvent& event) {
    m_Hovering = event.inside;
    if (!event.inside)
        return;
    // Another button pressed during the same drag stays in its stroke.
    m_Document.BeginStroke();
    const QPoint cell(int(event.x), int(event.y));
    m_BlockPick = !m_Dragging && ToolEvent::Picks(event.modifiers);
    m_PickStart = cell;
    if (ToolEvent::Edits(event.modifiers) && Stamping(event.button)) {
        m_Stamping = true;
        m_StampStart = cell;
        StampAt(m_Selection.CurrentStamp().TopLeftAt(cell));
    } else {
        ActOnCell(event.button, event.modifiers, cell.x(), cell.y());
    }
    m_Last = {event.x, event.y};
    m_Dragging = true;
}

void BrushTool::Move(const ToolEvent& event) {
    m_Hovering = event.inside;
    if (!ToolEvent::Picks(event.modifiers))
        m_BlockPick = false;
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
    if (Stamping(to.buttons)) {
        ContinueStamping(to);
        return;
    }
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

void BrushTool::ContinueStamping(const ToolEvent& to) {
    const Stamp& stamp = m_Selection.CurrentStamp();
    if (!m_Stamping) {
        // Ctrl let go during the drag: the stamp's grid starts here.
        m_Stamping = true;
        m_StampStart = QPoint(int(to.x), int(to.y));
        m_LastStamp.reset();
    }
    // Every place of the grid the pointer's line passes, in the order
    // passed; the line is cut to the cells whose stamps can reach the level.
    const Level& level = m_Document.level();
    const QSize size = stamp.Size();
    const QRect reach = QRect(0, 0, level.Width(), level.Height())
                            .adjusted(-size.width(), -size.height(), size.width(), size.height());
    const CellLine line(m_Last.x, m_Last.y, to.x, to.y);
    for (const QPoint& cell : line.CellsIn(reach)) {
        const QPoint place = stamp.TopLeftAlong(m_StampStart, cell);
        if (place != m_LastStamp)
            StampAt(place);
    }
}

void BrushTool::StampAt(QPoint topLeft) {
    m_LastStamp = topLeft;
    m_Document.SetCells(
        EditOperations::Stamp(m_Document.level(), m_Selection.CurrentStamp().Block(), topLeft));
}

bool BrushTool::Stamping(Qt::MouseButtons buttons) const {
    return buttons == Qt::LeftButton && m_Selection.HasStamp();
}

void BrushTool::Release(const ToolEvent& event) {
    const QRect picked = PickedArea();
    if (m_BlockPick && ToolEvent::Picks(event.modifiers) && event.inside &&
        picked.width() * picked.height() > 1)
        m_Selection.SetStamp(Stamp::FromLevel(m_Document.level(), picked));
    Cancel();
}

void BrushTool::Cancel() {
    m_Document.EndStroke();
    m_Dragging = false;
    m_Stamping = false;
    m_LastStamp.reset();
    m_BlockPick = false;
}

bool BrushTool::Dragging() const {
    return m_Dragging && m_Document.StrokeOpen();
}

QRect BrushTool::PickedArea() const {
    const Level& level = m_Document.level();
    return EditOperations::CellsBetween(m_PickStart, QPoint(int(m_Last.x), int(m_Last.y))) &
           QRect(0, 0, level.Width(), level.Height());
}

QRect BrushTool::PreviewCells() const {
    if (m_BlockPick && Dragging())
        return PickedArea();
    if (!m_Selection.HasStamp() || !m_Hovering)
        return {};
    const Level& level = m_Document.level();
    return m_Selection.CurrentStamp().CellsAt(QPoint(int(m_Last.x), int(m_Last.y))) &
           QRect(0, 0, level.Width(), level.Height());
}

void BrushTool::DrawPreview(Surface& dest, const PreviewPlace& place) const {
    const QRect cells = PreviewCells();
    if (cells.isEmpty())
        return;
    if (!(m_BlockPick && Dragging())) {
        const Stamp& stamp = m_Selection.CurrentStamp();
        if (m_Picture.Block() != stamp.Block())
            m_Picture.SetBlock(stamp.Block());
        const Level& level = m_Document.level();
        m_Picture.Draw(dest, place, stamp.TopLeftAt(QPoint(int(m_Last.x), int(m_Last.y))),
                       QRect(0, 0, level.Width(), level.Height()), level.Number(), true);
    }
    ToolPreview::DrawOutline(dest, place, cells);
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
