#include "ReplaceCommand.h"

#include "LevelDocument.h"

ReplaceCommand::ReplaceCommand(LevelDocument& document, const QString& stepText,
                               CellChange::Plane plane, CellMask cells, qint16 before, qint16 after)
    : QUndoCommand(stepText), m_Document(document), m_Plane(plane), m_Cells(std::move(cells)),
      m_Before(before), m_After(after) {}

void ReplaceCommand::undo() {
    m_Document.WriteCells(m_Plane, m_Cells, m_Before);
}

void ReplaceCommand::redo() {
    m_Document.WriteCells(m_Plane, m_Cells, m_After);
}
