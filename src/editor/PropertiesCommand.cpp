#include "PropertiesCommand.h"

#include "frmEdit.h"

PropertiesCommand::PropertiesCommand(frmEdit& window, LevelState before, LevelState after)
    : QUndoCommand(QStringLiteral("Properties")), m_Window(window), m_Before(std::move(before)),
      m_After(std::move(after)) {}

void PropertiesCommand::undo() {
    m_Window.ApplyLevelState(m_Before);
}

void PropertiesCommand::redo() {
    if (!m_Pushed) {
        m_Pushed = true;
        return;
    }
    m_Window.ApplyLevelState(m_After);
}
