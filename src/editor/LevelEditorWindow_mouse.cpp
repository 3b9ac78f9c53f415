// Editing with the mouse on the canvas: the canvas finds the cell under the
// pointer and hands the press, move or release to the current tool; the
// position label and the pointer's shape follow the pointer.
#include "LevelEditorWindow.h"

#include "CanvasView.h"
#include "EditTool.h"
#include "LevelDocument.h"
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
    event.inside = cell.Inside(form.Document().level().Width(), form.Document().level().Height());
    event.modifiers = modifiers;
    return event;
}

// The cell of a pointer event, or (-1, -1) outside the level.
QPoint CellOf(const ToolEvent& event) {
    return event.inside ? QPoint(static_cast<int>(event.x), static_cast<int>(event.y))
                        : QPoint(-1, -1);
}

// The tool's pointer for the modifiers held: the pick pointer or the
// default one.
void UpdatePointer(QWidget& canvas, const EditTool& tool, const QPixmap& pickPointer,
                   Qt::KeyboardModifiers modifiers) {
    const bool picking = canvas.testAttribute(Qt::WA_SetCursor);
    const bool pick = tool.PointerFor(modifiers) == EditTool::Pointer::Pick;
    if (pick && !picking)
        canvas.setCursor(QCursor(pickPointer, 0, 0));
    else if (!pick && picking)
        canvas.unsetCursor();
}

} // namespace

void LevelEditorWindow::RequestFollowPointer() {
    if (!m_FollowPending) {
        m_FollowPending = true;
        QMetaObject::invokeMethod(this, &LevelEditorWindow::FollowPointer, Qt::QueuedConnection);
    }
}

void LevelEditorWindow::FollowPointer() {
    if (!m_FollowPending)
        return;
    m_FollowPending = false;
    QPoint cell(-1, -1);
    if (picEdit->underMouse()) {
        const int border = picEdit->BorderWidth();
        const QPoint at = picEdit->mapFromGlobal(QCursor::pos()) - QPoint(border, border);
        ToolEvent event = EventAt(*this, {}, at.x(), at.y());
        cell = CellOf(event);
    }
    emit pointerCellChanged(cell);
}

void LevelEditorWindow::picEdit_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                          double x, double y) {
    ToolEvent event = EventAt(*this, modifiers, x, y);
    event.button = button;
    m_PositionLabel->setText(PaletteGeometry::PositionText({event.x, event.y}));
    CurrentTool().Press(event);
    ToolActed();
    m_FollowPending = false;
    emit pointerCellChanged(CellOf(event));
}

void LevelEditorWindow::picEdit_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                          double x, double y) {
    UpdatePointer(*picEdit, CurrentTool(), m_PickPointer, modifiers);
    ToolEvent event = EventAt(*this, modifiers, x, y);
    event.buttons = buttons;
    const QPoint cell(static_cast<int>(event.x), static_cast<int>(event.y));
    const bool moved = cell != m_PointerCell;
    m_PointerCell = cell;
    m_PositionLabel->setText(event.inside ? PaletteGeometry::PositionText({event.x, event.y})
                                          : QString());
    // The tool follows the pointer outside the level too: a drag that
    // leaves it goes on where the line between two positions crosses it, a
    // pasted block hangs over the edge. Moves within one cell change nothing
    // a preview shows.
    CurrentTool().Move(event);
    if (moved)
        ToolActed();
    // Reported once the tool has done what the move does (painting during
    // a drag), so that listeners read the level as it now is.
    m_FollowPending = false;
    emit pointerCellChanged(CellOf(event));
}

void LevelEditorWindow::picEdit_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                        double x, double y) {
    ToolEvent event = EventAt(*this, modifiers, x, y);
    event.button = button;
    CurrentTool().Release(event);
    ToolActed();
    m_FollowPending = false;
    emit pointerCellChanged(CellOf(event));
}
