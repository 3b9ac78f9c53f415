#pragma once

#include "CellChange.h"

#include <QUndoCommand>

#include <vector>

class LevelDocument;

// One stroke (a press-and-drag on the canvas) as an undo step: the cells
// it changed in either plane, with their values before and after.
class PaintCommand : public QUndoCommand {
public:
    // The changes are already in the document's level when the step is made.
    PaintCommand(LevelDocument& document, std::vector<CellChange> changes);

    void undo() override;
    void redo() override;

    const std::vector<CellChange>& Changes() const { return m_Changes; }
    // The step's name in the Edit menu.
    static QString StepText() { return QStringLiteral("Paint"); }

private:
    LevelDocument& m_Document;
    std::vector<CellChange> m_Changes;
    // The first redo comes from the push, after the stroke itself has
    // written the cells.
    bool m_Pushed = false;
};
