// Undo and redo: the Edit menu over the document's stack of steps.
#include "LevelEditorWindow.h"

#include "EditTool.h"
#include "LevelDocument.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

void LevelEditorWindow::CreateUndo() {
    mnuEdit = new QMenu(tr("&Edit"), this);
    // The stack keeps their texts ("&Undo Paint", "&Undo" when there is no
    // step) and states.
    QUndoStack& stack = m_Document->undoStack();
    mnuEditUndo = stack.createUndoAction(this, tr("&Undo"));
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = stack.createRedoAction(this, tr("&Redo"));
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addAction(mnuEditUndo);
    mnuEdit->addAction(mnuEditRedo);

    // A drag in progress ends with the step: the brush's stroke ended as
    // the stack moved; a shape or a selection being moved was worked out on
    // the level before, and is dropped.
    for (QAction* action : {mnuEditUndo, mnuEditRedo})
        connect(action, &QAction::triggered, this, [this] { EndDrag(); });
}

void LevelEditorWindow::EndDrag() {
    CurrentTool().Cancel();
    ToolActed();
}
