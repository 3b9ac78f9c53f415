#include "SelectTool.h"

#include "BrushSelection.h"
#include "CellPicker.h"
#include "EditOperations.h"
#include "GameLimits.h"
#include "LevelDocument.h"
#include "ModifierKeys.h"
#include "ToolPreview.h"

#include <QCoreApplication>

namespace {

// What a paste is called in the undo step's name and the status bar, after
// the planes its command asked for.
struct PasteNames {
    QString step;
    QString status;
};

PasteNames pasteNames(int planes) {
    switch (planes) {
    case CellBlock::TilePlane:
        return {SelectTool::PasteTilesText(),
                QCoreApplication::translate("SelectTool", "Pasting tiles")};
    case CellBlock::InfoPlane:
        return {SelectTool::PasteSpritesText(),
                QCoreApplication::translate("SelectTool", "Pasting sprites")};
    default:
        return {SelectTool::PasteText(), QCoreApplication::translate("SelectTool", "Pasting")};
    }
}

} // namespace

SelectTool::SelectTool(LevelDocument& document, BrushSelection& brush)
    : m_Document(document), m_Brush(brush) {}

qint16 SelectTool::LeftBehind() const {
    return qint16(GameLimits::FillTile(m_Document.level().Episode()));
}

QSize SelectTool::LevelSize() const {
    return QSize(m_Document.level().Width(), m_Document.level().Height());
}

void SelectTool::Press(const ToolEvent& event) {
    if (m_Drag != Drag::None)
        return;
    const QPoint cell(int(event.x), int(event.y));
    if (ToolEvent::Picks(event.modifiers)) {
        if (event.inside)
            PickCell(m_Document.level(), m_Brush, event.button, cell.x(), cell.y());
        return;
    }
    if (IsFloating()) {
        m_FloatAt = cell;
        PlaceFloating();
        return;
    }
    // Shift alone extends the selection; other modifiers do nothing here.
    const bool extend = ModifierKeys::Held(event.modifiers) == Qt::ShiftModifier;
    if (!event.inside || (!ToolEvent::Edits(event.modifiers) && !extend))
        return;
    if (!extend && m_Area.Contains(cell)) {
        m_Drag = Drag::Moving;
        m_Grab = cell;
        m_Offset = QPoint();
        m_Lifted.SetBlock(Copy());
        return;
    }
    m_Drag = Drag::Selecting;
    m_Area.Start(cell, extend, LevelSize());
}

void SelectTool::Move(const ToolEvent& event) {
    const QPoint cell(int(event.x), int(event.y));
    if (m_Drag == Drag::Selecting)
        m_Area.DragTo(cell);
    else if (m_Drag == Drag::Moving)
        m_Offset = cell - m_Grab;
    else if (IsFloating())
        m_FloatAt = cell;
}

void SelectTool::Release(const ToolEvent& event) {
    Move(event);
    if (m_Drag == Drag::Moving && !m_Offset.isNull()) {
        const CellMask cells = m_Area.Cells();
        m_Document.ApplyEdit(
            MoveText(), EditOperations::Move(m_Document.level(), cells, m_Offset, LeftBehind()));
        m_Area.SetCells(cells.Translated(m_Offset, LevelSize()));
    }
    m_Drag = Drag::None;
    m_Lifted.SetBlock(CellBlock());
}

void SelectTool::Cancel() {
    m_Drag = Drag::None;
    m_Lifted.SetBlock(CellBlock());
}

void SelectTool::SelectAll() {
    m_Area.SelectAll(LevelSize());
}

void SelectTool::ClearSelection() {
    m_Area.Clear();
}

CellBlock SelectTool::Copy() const {
    return CellBlock::Copy(m_Document.level(), m_Area.Cells());
}

CellBlock SelectTool::Cut() {
    CellBlock block = Copy();
    m_Document.ApplyEdit(CutText(),
                         EditOperations::Clear(m_Document.level(), m_Area.Cells(), LeftBehind()));
    return block;
}

void SelectTool::Delete() {
    m_Document.ApplyEdit(DeleteText(),
                         EditOperations::Clear(m_Document.level(), m_Area.Cells(), LeftBehind()));
}

void SelectTool::Fill(CellChange::Plane plane, qint16 value) {
    m_Document.ApplyEdit(
        FillText(), EditOperations::FillCells(m_Document.level(), m_Area.Cells(), plane, value));
}

bool SelectTool::StartPaste(const CellBlock& block, QPoint cell, int planes) {
    const CellBlock written = block.WithPlanes(planes);
    if (written.IsEmpty())
        return false;
    Cancel();
    m_Floating.SetBlock(written);
    m_FloatAt = cell;
    m_PastePlanes = planes & CellBlock::BothPlanes;
    return true;
}

void SelectTool::PlaceFloating() {
    if (!IsFloating())
        return;
    const CellBlock block = m_Floating.Block();
    m_Floating.SetBlock(CellBlock());
    m_Document.ApplyEdit(pasteNames(m_PastePlanes).step,
                         EditOperations::Paste(m_Document.level(), block, m_FloatAt));
    CellMask landed(LevelSize());
    for (int y = 0; y < block.Height(); ++y)
        for (int x = 0; x < block.Width(); ++x)
            if (block.Holds(x, y))
                landed.Add(m_FloatAt.x() + x, m_FloatAt.y() + y);
    m_Area.SetCells(landed);
}

void SelectTool::Escape() {
    if (IsFloating())
        m_Floating.SetBlock(CellBlock());
    else
        m_Area.Clear();
}

void SelectTool::DropFloating() {
    m_Floating.SetBlock(CellBlock());
}

void SelectTool::LevelReplaced() {
    Cancel();
    m_Floating.SetBlock(CellBlock());
    m_Area.ClipTo(LevelSize());
}

QRect SelectTool::FloatingCells() const {
    if (!IsFloating())
        return {};
    return QRect(m_FloatAt, QSize(m_Floating.Block().Width(), m_Floating.Block().Height())) &
           LevelArea();
}

QRect SelectTool::MovedCells() const {
    return m_Drag == Drag::Moving ? m_Area.BoundingRect().translated(m_Offset) & LevelArea()
                                  : QRect();
}

QRect SelectTool::PreviewCells() const {
    return m_Area.BoundingRect() | MovedCells() | FloatingCells();
}

void SelectTool::DrawPreview(Surface& dest, const PreviewPlace& place) const {
    if (m_Drag == Drag::Moving) {
        const QPoint at = m_Area.BoundingRect().topLeft() + m_Offset;
        m_Lifted.Draw(dest, place, at, LevelArea(), m_Document.level().Number(), true);
        ToolPreview::DrawOutline(dest, place, MovedCells());
    } else {
        ToolPreview::DrawSelection(dest, place, m_Area.Cells());
    }
    if (IsFloating()) {
        m_Floating.Draw(dest, place, m_FloatAt, LevelArea(), m_Document.level().Number(), true);
        ToolPreview::DrawOutline(dest, place, FloatingCells());
    }
}

bool SelectTool::DrawPreviewFrom(Surface& dest, const PreviewPlace& place,
                                 const QImage& under) const {
    // A floating block alone, mixed with the pixels under it as it is put.
    if (!IsFloating() || m_Drag == Drag::Moving || !m_Area.IsEmpty())
        return false;
    if (!m_Floating.DrawFrom(dest, place, m_FloatAt, LevelArea(), m_Document.level().Number(),
                             under))
        return false;
    ToolPreview::DrawOutline(dest, place, FloatingCells());
    return true;
}

QString SelectTool::StatusText() const {
    if (IsFloating()) {
        return QCoreApplication::translate(
                   "SelectTool", "%1 %2 x %3 at %4,%5: click or Enter to place, Esc to drop")
            .arg(pasteNames(m_PastePlanes).status)
            .arg(m_Floating.Block().Width())
            .arg(m_Floating.Block().Height())
            .arg(m_FloatAt.x())
            .arg(m_FloatAt.y());
    }
    if (m_Drag == Drag::Moving) {
        return QCoreApplication::translate("SelectTool", "Moving %1 x %2 by %3,%4")
            .arg(m_Area.BoundingRect().width())
            .arg(m_Area.BoundingRect().height())
            .arg(m_Offset.x())
            .arg(m_Offset.y());
    }
    return m_Area.StatusText();
}
