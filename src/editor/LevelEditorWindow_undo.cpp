// Undo and redo: the Edit menu over the document's stack of steps.
#include "LevelEditorWindow.h"

#include "EditTool.h"
#include "LevelDocument.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

void LevelEditorWindow::CreateUndo() {
    m_EditMenu = new QMenu(tr("&Edit"), this);
    // The stack keeps their texts ("&Undo Paint", "&Undo" when there is no
    // step) and states.
    QUndoStack& stack = m_Document->undoStack();
    m_UndoAction = stack.createUndoAction(this, tr("&Undo"));
    m_UndoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    m_RedoAction = stack.createRedoAction(this, tr("&Redo"));
    m_RedoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_EditMenu->addAction(m_UndoAction);
    m_EditMenu->addAction(m_RedoAction);

    // A drag in progress ends with the step: the brush's stroke ended as
    // the stack moved; a shape or a selection being moved was worked out on
    // the level before, and is dropped.
    for (QAction* action : {m_UndoAction, m_RedoAction})
        connect(action, &QAction::triggered, this, [this] { EndDrag(); });
}

void LevelEditorWindow::EndDrag() {
    CurrentTool().Cancel();
    ToolActed();
}
