// Editing with the mouse on the canvas: the canvas finds the cell under the
// pointer and hands the press, move or release to the current tool; the
// position label and the pointer's shape follow the pointer.
#include "LevelEditorWindow.h"

#include "CanvasView.h"
#include "EditTool.h"
#include "PictureBox.h"

#include <QCursor>
#include <QLabel>

namespace {

ToolEvent EventAt(const LevelEditorWindow& form, Qt::KeyboardModifiers modifiers, double x,
                  double y) {
    const PaletteGeometry::Cell cell = form.Canvas().Geometry().CellAt(x, y);
    ToolEvent event;
    event.x = cell.x;
    event.y = cell.y;
    event.inside = cell.Inside(form.m_Level.Width(), form.m_Level.Height());
    event.modifiers = modifiers;
    return event;
}

// The tool's pointer for the modifiers held: the pick pointer or the
// default one.
void UpdatePointer(LevelEditorWindow& form, Qt::KeyboardModifiers modifiers) {
    const bool picking = form.picEdit->testAttribute(Qt::WA_SetCursor);
    const bool pick = form.CurrentTool().PointerFor(modifiers) == EditTool::Pointer::Pick;
    if (pick && !picking)
        form.picEdit->setCursor(QCursor(form.imgCursor0, 0, 0));
    else if (!pick && picking)
        form.picEdit->unsetCursor();
}

} // namespace

void LevelEditorWindow::picEdit_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                          double x, double y) {
    ToolEvent event = EventAt(*this, modifiers, x, y);
    event.button = button;
    lblPosition->setText(PaletteGeometry::PositionText({event.x, event.y}));
    CurrentTool().Press(event);
    ToolActed();
}

void LevelEditorWindow::picEdit_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                          double x, double y) {
    UpdatePointer(*this, modifiers);
    ToolEvent event = EventAt(*this, modifiers, x, y);
    event.buttons = buttons;
    const QPoint cell(static_cast<int>(event.x), static_cast<int>(event.y));
    const bool moved = cell != m_PointerCell;
    m_PointerCell = cell;
    if (event.inside) {
        lblPosition->setText(PaletteGeometry::PositionText({event.x, event.y}));
        emit PointerCellChanged(cell.x(), cell.y());
    } else {
        lblPosition->setText(QString());
        emit PointerCellChanged(-1, -1);
    }
    // The tool follows the pointer outside the level too: a drag that
    // leaves it goes on where the line between two positions crosses it, a
    // pasted block hangs over the edge. Moves within one cell change nothing
    // a preview shows.
    CurrentTool().Move(event);
    if (moved)
        ToolActed();
}

void LevelEditorWindow::picEdit_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        double x, double y) {
    ToolEvent event = EventAt(*this, modifiers, x, y);
    event.button = button;
    CurrentTool().Release(event);
    ToolActed();
}
