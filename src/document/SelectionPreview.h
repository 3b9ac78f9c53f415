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
    void SetTool(const EditTool* tool) { m_Tool = tool; }

    QRect PreviewCells() const override;
    void DrawPreview(Surface& dest, const PreviewPlace& place) const override;

private:
    bool DrawsSelection() const;

    const CellSelection& m_Selection;
    const EditTool* m_Tool = nullptr;
};
