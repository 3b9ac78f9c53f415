#pragma once

#include "BlockPicture.h"
#include "CellBlock.h"
#include "CellChange.h"
#include "CellSelection.h"
#include "EditTool.h"

#include <QCoreApplication>
#include <QString>

class BrushSelection;
class LevelDocument;

// Rectangle select with what works on a selection of any shape: a drag
// selects (Shift extends), a drag starting on a selected cell moves the
// selected cells (both planes), Copy, Cut, Delete and Fill, and a pasted block that floats with the
// pointer, drawn half see-through, until a click or Enter puts it down or
// Esc drops it. Cut, Delete and a move leave the level's empty tile (the
// tile a new level of the episode is filled with) and no info values in the
// cells they empty; cells outside the selection's shape stay as they were.
// Moves, cuts, deletes, fills and pastes are one undo step each.
// Ctrl+click picks as the brush does.
class SelectTool : public EditTool {
public:
    SelectTool(LevelDocument& document, BrushSelection& brush);

    // The undo steps' names.
    static QString PasteText() { return QCoreApplication::translate("SelectTool", "Paste"); }
    static QString PasteTilesText() {
        return QCoreApplication::translate("SelectTool", "Paste Tiles");
    }
    static QString PasteSpritesText() {
        return QCoreApplication::translate("SelectTool", "Paste Sprites");
    }
    static QString CutText() { return QCoreApplication::translate("SelectTool", "Cut"); }
    static QString DeleteText() { return QCoreApplication::translate("SelectTool", "Delete"); }
    static QString MoveText() { return QCoreApplication::translate("SelectTool", "Move"); }
    static QString FillText() {
        return QCoreApplication::translate("SelectTool", "Fill Selection");
    }

    void Press(const ToolEvent& event) override;
    void Move(const ToolEvent& event) override;
    void Release(const ToolEvent& event) override;
    void Cancel() override;
    bool Dragging() const override { return m_Drag != Drag::None; }
    QRect PreviewCells() const override;
    void DrawPreview(Surface& dest, const PreviewPlace& place) const override;
    bool ShowsSelection() const override { return true; }
    bool DrawPreviewFrom(Surface& dest, const PreviewPlace& place,
                         const QImage& under) const override;

    const CellSelection& Selection() const { return m_Area; }
    // The selection for the tools that choose cells of any shape (Select
    // Same Tile, Magic Wand), shared with this tool's commands.
    CellSelection& Selection() { return m_Area; }
    void SelectAll();
    void ClearSelection();
    // Both planes of the selection; an empty block when nothing is selected.
    CellBlock Copy() const;
    // Copy, then the selection gets the level's empty tile and no info.
    CellBlock Cut();
    void Delete();
    // Writes `value` into one plane of every selected cell.
    void Fill(CellChange::Plane plane, qint16 value);

    // The planes of `block` that are in `planes` (CellBlock::Plane bits)
    // float with the block's top-left cell at `cell` and follow the pointer
    // from now on; placing them writes those planes alone. False, and
    // nothing floats, when the block holds none of them.
    bool StartPaste(const CellBlock& block, QPoint cell, int planes = CellBlock::BothPlanes);
    bool IsFloating() const { return !m_Floating.IsEmpty(); }
    // Puts the floating block down where it is (clipped at the level's
    // edges) and selects the cells it covers.
    void PlaceFloating();
    // Esc: drops the floating block, or else clears the selection.
    void Escape();
    // Drops the floating block, if any; the selection stays.
    void DropFloating();
    // After the level was replaced (new, loaded, resized): no drag, no
    // floating block, the selection clipped to the new size.
    void LevelReplaced();

    // What the status bar shows for the tool; empty when there is nothing.
    QString StatusText() const;

private:
    enum class Drag { None, Selecting, Moving };

    QSize LevelSize() const;
    // What cut, delete and move leave in the cells they empty: the level's
    // empty tile.
    qint16 LeftBehind() const;
    QRect LevelArea() const { return QRect(QPoint(0, 0), LevelSize()); }
    QRect FloatingCells() const;
    QRect MovedCells() const;

    LevelDocument& m_Document;
    BrushSelection& m_Brush;
    CellSelection m_Area;
    Drag m_Drag = Drag::None;
    // A move: the cell grabbed, how far the pointer has taken it, and the
    // cells lifted.
    QPoint m_Grab;
    QPoint m_Offset;
    BlockPicture m_Lifted;
    // The pasted block, the cell its top-left corner is at and the planes
    // the paste command asked for (which name it).
    BlockPicture m_Floating;
    QPoint m_FloatAt;
    int m_PastePlanes = CellBlock::BothPlanes;
};
