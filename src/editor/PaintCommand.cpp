#include "PaintCommand.h"

#include "frmEdit.h"

PaintCommand::PaintCommand(frmEdit& window, std::vector<CellChange> changes)
    : QUndoCommand(StepText()), m_Window(window), m_Changes(std::move(changes)) {}

void PaintCommand::undo() {
    Apply(false);
}

void PaintCommand::redo() {
    if (!m_Pushed) {
        m_Pushed = true;
        return;
    }
    Apply(true);
}

void PaintCommand::Apply(bool after) {
    Level& level = m_Window.m_Level;
    for (const CellChange& change : m_Changes) {
        const qint16 value = after ? change.after : change.before;
        if (change.plane == CellChange::TilePlane)
            level.SetTile(change.x, change.y, value);
        else
            level.SetInfo(change.x, change.y, value);
    }
    m_Window.RedrawEdit();
}
