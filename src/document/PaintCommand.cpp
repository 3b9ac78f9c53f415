#include "PaintCommand.h"

#include "LevelDocument.h"

PaintCommand::PaintCommand(LevelDocument& document, std::vector<CellChange> changes)
    : QUndoCommand(StepText()), m_Document(document), m_Changes(std::move(changes)) {}

void PaintCommand::undo() {
    m_Document.ApplyCells(m_Changes, false);
}

void PaintCommand::redo() {
    if (!m_Pushed) {
        m_Pushed = true;
        return;
    }
    m_Document.ApplyCells(m_Changes, true);
}
