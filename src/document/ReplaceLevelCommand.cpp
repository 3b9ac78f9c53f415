#include "ReplaceLevelCommand.h"

#include "LevelDocument.h"

ReplaceLevelCommand::ReplaceLevelCommand(LevelDocument& document, Level before, Level after,
                                         const QString& text)
    : QUndoCommand(text), m_Document(document), m_Before(std::move(before)),
      m_After(std::move(after)) {}

void ReplaceLevelCommand::undo() {
    m_Document.ApplyLevel(m_Before);
}

void ReplaceLevelCommand::redo() {
    m_Document.ApplyLevel(m_After);
}
