#include "SelectionPreview.h"

#include "CellSelection.h"
#include "EditTool.h"
#include "ToolPreview.h"

void SelectionPreview::SetTool(const EditTool* tool) {
    m_ToolChanged = m_ToolChanged || tool != m_Tool;
    m_Tool = tool;
}

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

bool SelectionPreview::DrawPreviewFrom(Surface& dest, const PreviewPlace& place,
                                       const QImage& under) const {
    return ToolAlone() && m_Tool->DrawPreviewFrom(dest, place, under);
}

bool SelectionPreview::PreviewOpaque() const {
    return ToolAlone() && m_Tool->PreviewOpaque();
}

QRegion SelectionPreview::PreviewChange(const QRect& shown) const {
    const bool changed = m_ToolChanged;
    m_ToolChanged = false;
    if (changed || !ToolAlone())
        return PreviewSource::PreviewChange(shown);
    return m_Tool->PreviewChange(shown);
}
