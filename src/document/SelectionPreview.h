#pragma once

#include "PreviewSource.h"

class CellSelection;
class EditTool;

// What the canvas shows over the level: the current tool's preview, and
// under it the selection, which stays when another tool is picked (as in
// Tiled), unless the tool draws the selection itself.
class SelectionPreview : public PreviewSource {
public:
    explicit SelectionPreview(const CellSelection& selection) : m_Selection(selection) {}

    // The tool whose preview is drawn; null for none.
    void SetTool(const EditTool* tool);

    QRect PreviewCells() const override;
    void DrawPreview(Surface& dest, const PreviewPlace& place) const override;
    // The tool's own ways of showing its preview faster, while the
    // selection is not drawn under it.
    bool DrawPreviewFrom(Surface& dest, const PreviewPlace& place,
                         const QImage& under) const override;
    bool PreviewOpaque() const override;
    QRegion PreviewChange(const QRect& shown) const override;

private:
    bool DrawsSelection() const;
    // The tool alone is shown: its shortcuts hold.
    bool ToolAlone() const { return m_Tool != nullptr && !DrawsSelection(); }

    const CellSelection& m_Selection;
    const EditTool* m_Tool = nullptr;
    // What the canvas showed last came from another tool, which the current
    // one knows nothing of: the next change is every cell.
    mutable bool m_ToolChanged = false;
};
