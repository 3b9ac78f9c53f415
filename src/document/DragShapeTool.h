#pragma once

#include "CellChange.h"
#include "EditTool.h"
#include "Level.h"

#include <QPoint>
#include <QRegion>
#include <QString>

#include <vector>

class BrushSelection;
class LevelDocument;

// A tool that draws a shape spanned by a drag with the button's tile (tile
// mode) or, in sprite mode, the left button's sprite or value and the right
// button's erasing 0. The shape shows as it will look while dragging and is
// written, as one undo step, on release. Ctrl+click picks as the brush does.
class DragShapeTool : public EditTool {
public:
    DragShapeTool(LevelDocument& document, BrushSelection& selection);

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent& event) override;
    void Release(const ToolEvent& event) override;
    void Cancel() override;
    bool Dragging() const override { return m_Dragging; }
    QRect PreviewCells() const override;
    void DrawPreview(Surface& dest, const PreviewPlace& place) const override;
    bool PreviewOpaque() const override { return m_Dragging; }
    QRegion PreviewChange(const QRect& shown) const override;

protected:
    // What the shape from `from` to `to` writes into `plane`.
    virtual std::vector<CellChange> Shape(const Level& level, QPoint from, QPoint to,
                                          CellChange::Plane plane, qint16 value) const = 0;
    // The undo step's name.
    virtual QString StepText() const = 0;

private:
    void Follow(QPoint cell);
    // Adds to m_Changed the cells whose preview differs between `before`
    // drawn over `was` and `after` drawn over `is`.
    void NoteChange(const QRect& was, const Level& before, const QRect& is, const Level& after);

    LevelDocument& m_Document;
    BrushSelection& m_Selection;
    bool m_Dragging = false;
    CellChange::Plane m_Plane = CellChange::TilePlane;
    qint16 m_Value = 0;
    QPoint m_From;
    QPoint m_To;
    // What release would write, the cells it lies in, and those cells as
    // they will be, as a level of their own that the preview draws.
    std::vector<CellChange> m_Pending;
    QRect m_Area;
    Level m_After;
    // What the canvas is told has changed since it last asked: the cells
    // in m_Changed when m_ChangeKnown, else all of them. Kept beside the
    // tool's state, like a picture cached for drawing.
    mutable QRegion m_Changed;
    mutable bool m_ChangeKnown = false;
    mutable QRect m_AskedArea;
};
