#pragma once

#include "CellChange.h"

#include <QUndoCommand>

#include <vector>

class LevelDocument;

// One editing operation (paste, cut, delete, move, a fill, a line) as an
// undo step with its name: the cells it changes, written on redo (also
// the first, when it is pushed) and put back on undo.
class EditCommand : public QUndoCommand {
public:
    EditCommand(LevelDocument& document, const QString& stepText, std::vector<CellChange> changes);

    void undo() override;
    void redo() override;

private:
    LevelDocument& m_Document;
    std::vector<CellChange> m_Changes;
};
