#pragma once

#include "CellChange.h"
#include "CellMask.h"

#include <QUndoCommand>

class LevelDocument;

// Edit, Replace as an undo step: the cells of one plane that held `before`
// get `after`, and undo gives them `before` back. The cells are kept as a
// set of a byte a cell, a quarter of what a list of cell changes takes for a
// replacement of most of a level.
class ReplaceCommand : public QUndoCommand {
public:
    ReplaceCommand(LevelDocument& document, const QString& stepText, CellChange::Plane plane,
                   CellMask cells, qint16 before, qint16 after);

    void undo() override;
    void redo() override;

private:
    LevelDocument& m_Document;
    CellChange::Plane m_Plane;
    CellMask m_Cells;
    qint16 m_Before;
    qint16 m_After;
};
