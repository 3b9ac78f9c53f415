// Editing with the mouse on the canvas: painting tiles, placing, erasing and
// picking sprites, drag painting and the position label.
#include "frmEdit.h"

#include "CellLine.h"
#include "PaletteGeometry.h"
#include "PictureBox.h"

#include <QCursor>
#include <QLabel>
#include <QScrollBar>

namespace {

// Modifier codes the canvas tells apart: nothing held edits, Ctrl alone
// picks; any other combination (Shift, Alt, Ctrl with another) does neither.
constexpr int NoModifier = 0;
constexpr int CtrlOnly = 2;

constexpr int LeftButton = 1;
constexpr int RightButton = 2;

PaletteGeometry::Cell cellUnderPointer(const frmEdit& form, double x, double y) {
    return PaletteGeometry::CanvasCellAt(x, y, form.m_Tiles.RenderWidth(),
                                         form.m_Tiles.RenderHeight(), form.scrEditX->value(),
                                         form.scrEditY->value());
}

bool insideLevel(const frmEdit& form, const PaletteGeometry::Cell& cell) {
    return cell.Inside(form.m_Level.Width(), form.m_Level.Height());
}

// Writes the button's selection into the cell.
void writeCell(frmEdit& form, int button, int cx, int cy) {
    const int slot = PaletteGeometry::SelectionSlot(button);
    if (form.m_Mode == 0) {
        form.m_Level.SetTile(cx, cy, form.m_SelectedTiles[slot]);
    } else if (button == LeftButton) {
        form.m_Level.SetInfo(cx, cy, form.InfoValueToPlace());
    } else if (button == RightButton) {
        form.m_Level.SetInfo(cx, cy, 0);
    }
    form.NotePaintedCell(cx, cy);
}

// Writes the button's selection into every cell (all inside the level),
// then redraws the canvas once, also when nothing was written (a middle
// button in sprite mode).
void editCells(frmEdit& form, int button, const std::vector<QPoint>& cells) {
    for (const QPoint& cell : cells)
        writeCell(form, button, cell.x(), cell.y());
    form.picEdit_Paint();
}

// Takes the cell's tile or sprite into the selection; the canvas is not
// redrawn.
void pickCell(frmEdit& form, int button, int cx, int cy) {
    if (form.m_Mode == 0) {
        form.SetSelectedTile(static_cast<qint16>(PaletteGeometry::SelectionSlot(button)),
                             form.m_Level.Tile(cx, cy));
        return;
    }
    form.PickInfoValue(form.m_Level.Info(cx, cy));
}

// What a press does to a cell inside the level.
void actOnCell(frmEdit& form, int button, int shift, const PaletteGeometry::Cell& cell) {
    // The cell is inside the level, so both coordinates fit an int.
    const int cx = static_cast<int>(cell.x);
    const int cy = static_cast<int>(cell.y);
    if (shift == NoModifier)
        editCells(form, button, {QPoint(cx, cy)});
    else if (shift == CtrlOnly)
        pickCell(form, button, cx, cy);
}

// What a move during a drag does: painting covers every cell of the level
// on the straight line from the previous pointer cell, however fast the
// pointer went; picking takes only the cell now under the pointer.
void continueDrag(frmEdit& form, int button, int shift, const PaletteGeometry::Cell& from,
                  const PaletteGeometry::Cell& to) {
    if (shift == CtrlOnly && insideLevel(form, to))
        pickCell(form, button, static_cast<int>(to.x), static_cast<int>(to.y));
    if (shift != NoModifier)
        return;
    const CellLine line(from.x, from.y, to.x, to.y);
    std::vector<QPoint> cells =
        line.CellsIn(QRect(0, 0, form.m_Level.Width(), form.m_Level.Height()));
    // The previous event already wrote the start, unless the pointer stayed
    // in it: then that cell is written again.
    if (line.Count() > 1 && !cells.empty() && cells.front() == line.At(0))
        cells.erase(cells.begin());
    if (!cells.empty())
        editCells(form, button, cells);
}

// The pick pointer shows while Ctrl alone is held, the default otherwise.
void updatePointer(frmEdit& form, int shift) {
    const bool picking = form.picEdit->testAttribute(Qt::WA_SetCursor);
    if (shift == CtrlOnly && !picking)
        form.picEdit->setCursor(QCursor(form.imgCursor0, 0, 0));
    else if (shift != CtrlOnly && picking)
        form.picEdit->unsetCursor();
}

} // namespace

void frmEdit::picEdit_MouseDown(int button, int shift, double x, double y) {
    const PaletteGeometry::Cell cell = cellUnderPointer(*this, x, y);
    lblPosition->setText(PaletteGeometry::PositionText(cell));
    if (!insideLevel(*this, cell))
        return;
    // What the press and the drag after it write is one undo step.
    BeginPaintStep();
    actOnCell(*this, button, shift, cell);
    m_DragCell = cell;
    // The press starts a drag; only cells it really changes make the level
    // modified (through its undo step).
    m_Drawing = true;
}

void frmEdit::picEdit_MouseMove(int button, int shift, double x, double y) {
    updatePointer(*this, shift);
    const PaletteGeometry::Cell cell = cellUnderPointer(*this, x, y);
    if (insideLevel(*this, cell)) {
        lblPosition->setText(PaletteGeometry::PositionText(cell));
        emit PointerCellChanged(static_cast<int>(cell.x), static_cast<int>(cell.y));
    } else {
        lblPosition->setText(QString());
        emit PointerCellChanged(-1, -1);
    }
    // A drag that leaves the level goes on painting where the line between
    // two pointer positions crosses it.
    if (button != 0 && m_Drawing)
        continueDrag(*this, button, shift, m_DragCell, cell);
    m_DragCell = cell;
}

void frmEdit::picEdit_MouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/) {
    EndPaintStep();
    m_Drawing = false;
}
