#include "MagicWandTool.h"

#include "EditOperations.h"
#include "LevelDocument.h"
#include "ModifierKeys.h"
#include "ToolPreview.h"

MagicWandTool::MagicWandTool(LevelDocument& document, CellSelection& selection, Kind kind)
    : m_Document(document), m_Selection(selection), m_Kind(kind) {}

std::optional<CellSelection::Combine> MagicWandTool::CombineFor(Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held = ModifierKeys::Held(modifiers);
    if (held == Qt::NoModifier)
        return CellSelection::Combine::Replace;
    if (held == Qt::ShiftModifier)
        return CellSelection::Combine::Add;
    if (held == Qt::ControlModifier)
        return CellSelection::Combine::Remove;
    return std::nullopt;
}

void MagicWandTool::Press(const ToolEvent& event) {
    const std::optional<CellSelection::Combine> how = CombineFor(event.modifiers);
    if (!event.inside || !how)
        return;
    const Level& level = m_Document.level();
    const QPoint cell(int(event.x), int(event.y));
    const CellMask cells = m_Kind == Kind::SameTile
                               ? EditOperations::SameTile(level, level.Tile(cell.x(), cell.y()))
                               : EditOperations::ConnectedCells(level, cell);
    m_Selection.Apply(cells, *how);
}

void MagicWandTool::DrawPreview(Surface& dest, const PreviewPlace& place) const {
    ToolPreview::DrawSelection(dest, place, m_Selection.Cells());
}
