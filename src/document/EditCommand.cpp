#include "EditCommand.h"

#include "LevelDocument.h"

EditCommand::EditCommand(LevelDocument& document, const QString& stepText,
                         std::vector<CellChange> changes)
    : QUndoCommand(stepText), m_Document(document), m_Changes(std::move(changes)) {}

void EditCommand::undo() {
    m_Document.ApplyCells(m_Changes, false);
}

void EditCommand::redo() {
    m_Document.ApplyCells(m_Changes, true);
}
