#include "BucketFillTool.h"

#include "BrushSelection.h"
#include "CellPicker.h"
#include "EditOperations.h"
#include "LevelDocument.h"

namespace {
constexpr int NoModifier = 0;
constexpr int CtrlOnly = 2;
constexpr int RightButton = 2;
} // namespace

BucketFillTool::BucketFillTool(LevelDocument& document, BrushSelection& selection)
    : m_Document(document), m_Selection(selection) {}

void BucketFillTool::Press(const ToolEvent& event) {
    if (!event.inside)
        return;
    const int cx = int(event.x), cy = int(event.y);
    if (event.shift == CtrlOnly) {
        PickCell(m_Document.level(), m_Selection, event.button, cx, cy);
        return;
    }
    if (event.shift != NoModifier || m_Selection.Mode() != BrushSelection::TileMode)
        return;
    const qint16 tile = m_Selection.Tile(event.button == RightButton ? 1 : 0);
    m_Document.ApplyEdit(StepText(),
                         EditOperations::BucketFill(m_Document.level(), QPoint(cx, cy), tile));
}

EditTool::Pointer BucketFillTool::PointerFor(int shift) const {
    return shift == CtrlOnly ? Pointer::Pick : Pointer::Default;
}
