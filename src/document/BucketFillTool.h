#pragma once

#include "EditTool.h"

#include <QCoreApplication>
#include <QString>

class BrushSelection;
class CellSelection;
class LevelDocument;

// Bucket fill: a press fills the cell under the pointer and every cell
// joined to it through edges and holding the same tile with the button's
// tile, as one undo step. Tiles only: in sprite mode a press changes
// nothing (the editor offers the tool in tile mode only). Ctrl+click picks
// as the brush does. Given a selection that holds cells, the fill stays
// within them.
class BucketFillTool : public EditTool {
public:
    BucketFillTool(LevelDocument& document, BrushSelection& selection);

    static QString StepText() { return QCoreApplication::translate("BucketFillTool", "Fill"); }

    // The selection fills keep to; null (the default) for none.
    void SetSelection(const CellSelection* selection) { m_Within = selection; }

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent&) override {}
    void Release(const ToolEvent&) override {}
    void Cancel() override {}
    bool Dragging() const override { return false; }

private:
    LevelDocument& m_Document;
    BrushSelection& m_Selection;
    const CellSelection* m_Within = nullptr;
};
