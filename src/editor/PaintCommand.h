#pragma once

#include "CellChange.h"

#include <QUndoCommand>

#include <vector>

class frmEdit;

// One press-and-drag on an editor window's canvas as an undo step: the
// cells it changed in either plane, with their values before and after.
class PaintCommand : public QUndoCommand {
public:
    // The changes are already in the window's level when the step is made.
    PaintCommand(frmEdit& window, std::vector<CellChange> changes);

    void undo() override;
    void redo() override;

    const std::vector<CellChange>& Changes() const { return m_Changes; }
    // The step's name in the Edit menu.
    static QString StepText() { return QStringLiteral("Paint"); }

private:
    void Apply(bool after);

    frmEdit& m_Window;
    std::vector<CellChange> m_Changes;
    // The first redo comes from the push, after the drag itself has
    // written the cells.
    bool m_Pushed = false;
};
