#pragma once

#include "LevelState.h"

#include <QUndoCommand>

class frmEdit;

// One confirmed Level, Properties as an undo step: the window's level and
// sets before and after it.
class PropertiesCommand : public QUndoCommand {
public:
    // The change is already made in the window when the step is made.
    PropertiesCommand(frmEdit& window, LevelState before, LevelState after);

    void undo() override;
    void redo() override;

private:
    frmEdit& m_Window;
    LevelState m_Before;
    LevelState m_After;
    bool m_Pushed = false;
};
