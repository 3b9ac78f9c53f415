#include "DragShapeTool.h"

#include "BrushSelection.h"
#include "CellPicker.h"
#include "EditOperations.h"
#include "LevelDocument.h"
#include "ToolPreview.h"

#include <algorithm>

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
    m_After = Level();
    m_ChangeKnown = false;
}

void DragShapeTool::Follow(QPoint cell) {
    m_To = cell;
    const Level& level = m_Document.level();
    m_Pending = Shape(level, m_From, m_To, m_Plane, m_Value);
    const QRect area =
        EditOperations::CellsBetween(m_From, m_To) & QRect(0, 0, level.Width(), level.Height());
    Level after;
    if (!area.isEmpty())
        after.Create(qint16(area.width()), qint16(area.height()), level.Episode(), level.Number());
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x) {
            after.SetTile(x, y, level.Tile(area.x() + x, area.y() + y));
            after.SetInfo(x, y, level.Info(area.x() + x, area.y() + y));
        }
    for (const CellChange& change : m_Pending) {
        if (change.plane == CellChange::TilePlane)
            after.SetTile(change.x - area.x(), change.y - area.y(), change.after);
        else
            after.SetInfo(change.x - area.x(), change.y - area.y(), change.after);
    }
    NoteChange(m_Area, m_After, area, after);
    m_Area = area;
    m_After = std::move(after);
}

namespace {

bool HasSprites(const Level& cells) {
    const std::vector<qint16>& infos = cells.InfoPlane();
    return std::any_of(infos.begin(), infos.end(), [](qint16 info) { return info != 0; });
}

// The cells on the edge of `area`, where its outline is drawn.
QRegion Frame(const QRect& area) {
    if (area.width() <= 2 || area.height() <= 2)
        return QRegion(area);
    QRegion frame(area);
    return frame.subtracted(area.adjusted(1, 1, -1, -1));
}

} // namespace

void DragShapeTool::NoteChange(const QRect& was, const Level& before, const QRect& is,
                               const Level& after) {
    if (!m_ChangeKnown)
        return;
    // A sprite reaches past its cell, and which sprites show depends on
    // the area: only previews without any are told apart cell by cell.
    if (HasSprites(before) || HasSprites(after)) {
        m_ChangeKnown = false;
        return;
    }
    QRegion changed = QRegion(was).xored(QRegion(is)).united(Frame(was)).united(Frame(is));
    const QRect both = was & is;
    for (int y = both.top(); y <= both.bottom(); ++y) {
        // Runs of cells along the row whose tile changed.
        int start = -1;
        for (int x = both.left(); x <= both.right() + 1; ++x) {
            const bool differs = x <= both.right() && before.Tile(x - was.x(), y - was.y()) !=
                                                          after.Tile(x - is.x(), y - is.y());
            if (differs && start < 0)
                start = x;
            if (!differs && start >= 0) {
                changed += QRect(start, y, x - start, 1);
                start = -1;
            }
        }
    }
    m_Changed += changed;
}

QRegion DragShapeTool::PreviewChange(const QRect& shown) const {
    const QRegion changed =
        m_ChangeKnown && shown == m_AskedArea ? m_Changed : EditTool::PreviewChange(shown);
    // From now on the changes are counted from what the canvas shows now.
    m_Changed = QRegion();
    m_ChangeKnown = m_Dragging;
    m_AskedArea = PreviewCells();
    return changed;
}

QRect DragShapeTool::PreviewCells() const {
    return m_Dragging ? m_Area : QRect();
}

void DragShapeTool::DrawPreview(Surface& dest, const PreviewPlace& place) const {
    if (!m_Dragging || m_Area.isEmpty())
        return;
    // The cells as they will be, framed: any part of them drawn exactly as
    // the whole would draw it there.
    const QPoint at = place.PixelsOf(m_Area).topLeft();
    m_After.Display(dest, 0, 0, place.tiles, place.sprites, place.zoom, at.x(), at.y(),
                    m_After.Width(), m_After.Height());
    ToolPreview::DrawOutline(dest, place, m_Area);
}
