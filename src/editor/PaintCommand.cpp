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
    ApplyCellChanges(m_Window.m_Level, m_Changes, after);
    m_Window.m_Modified = true;
    m_Window.RedrawEdit();
}
