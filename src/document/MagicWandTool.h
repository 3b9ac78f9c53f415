#pragma once

#include "CellSelection.h"
#include "EditTool.h"

#include <optional>

class LevelDocument;

// Select Same Tile and the Magic Wand: a click chooses the cells holding the
// clicked tile, in the whole level (SameTile) or joined to the clicked cell
// through edges as Bucket Fill would fill them (Connected). Without a
// modifier they become the selection; with Shift they join it, with Ctrl
// they leave it, so that a selection of any shape is made click by click.
// The tool changes the selection it is given, which the select tool's
// commands (Copy, Cut, Delete, Fill, a move) work on; it never changes the
// level.
class MagicWandTool : public EditTool {
public:
    enum class Kind { SameTile, Connected };

    MagicWandTool(LevelDocument& document, CellSelection& selection, Kind kind);

    Kind ToolKind() const { return m_Kind; }
    // How the modifiers held meet the selection; none when they ask for
    // nothing (Alt, or Shift with Ctrl).
    static std::optional<CellSelection::Combine> CombineFor(Qt::KeyboardModifiers modifiers);

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent&) override {}
    void Release(const ToolEvent&) override {}
    void Cancel() override {}
    bool Dragging() const override { return false; }
    QRect PreviewCells() const override { return m_Selection.BoundingRect(); }
    void DrawPreview(Surface& dest, const PreviewPlace& place) const override;
    bool ShowsSelection() const override { return true; }
    // Ctrl takes cells out of the selection here: it never picks.
    Pointer PointerFor(Qt::KeyboardModifiers) const override { return Pointer::Default; }

private:
    LevelDocument& m_Document;
    CellSelection& m_Selection;
    Kind m_Kind;
};
