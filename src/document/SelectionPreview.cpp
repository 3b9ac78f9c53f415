#include "SelectionPreview.h"

#include "CellSelection.h"
#include "EditTool.h"
#include "ToolPreview.h"

bool SelectionPreview::DrawsSelection() const {
    return !m_Selection.IsEmpty() && !(m_Tool && m_Tool->ShowsSelection());
}

QRect SelectionPreview::PreviewCells() const {
    const QRect tool = m_Tool ? m_Tool->PreviewCells() : QRect();
    return DrawsSelection() ? tool | m_Selection.BoundingRect() : tool;
}

void SelectionPreview::DrawPreview(Surface& dest, const PreviewPlace& place) const {
    if (DrawsSelection())
        ToolPreview::DrawSelection(dest, place, m_Selection.Cells());
    if (m_Tool)
        m_Tool->DrawPreview(dest, place);
}
