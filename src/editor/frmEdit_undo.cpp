// Undo and redo: the Edit menu over the document's stack of steps.
//
// Undo and Redo first end a drag in progress: a step must never be undone
// while the canvas is still writing the one above it.
#include "frmEdit.h"

#include "EditTool.h"
#include "LevelDocument.h"
#include "PaintCommand.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace {

// "&Undo Paint", or "&Undo" alone when there is no step.
QString ActionText(const QString& prefix, const QString& step) {
    return step.isEmpty() ? prefix : prefix + QLatin1Char(' ') + step;
}

} // namespace

void frmEdit::CreateUndo() {
    mnuEdit = new QMenu(tr("&Edit"), this);
    mnuEditUndo = mnuEdit->addAction(tr("&Undo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = mnuEdit->addAction(tr("&Redo"));
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    connect(mnuEditUndo, &QAction::triggered, this, [this] { mnuEditUndo_Click(); });
    connect(mnuEditRedo, &QAction::triggered, this, [this] { mnuEditRedo_Click(); });
    QUndoStack* stack = &m_Document->undoStack();
    connect(stack, &QUndoStack::indexChanged, this, [this] { UpdateUndoActions(); });
    connect(stack, &QUndoStack::canUndoChanged, this, [this] { UpdateUndoActions(); });
    connect(stack, &QUndoStack::canRedoChanged, this, [this] { UpdateUndoActions(); });
    connect(m_Document, &LevelDocument::strokeStateChanged, this, [this] { UpdateUndoActions(); });
    UpdateUndoActions();
}

void frmEdit::UpdateUndoActions() {
    // A drag that has changed cells is the step Undo would take back, and
    // it will drop what Redo could bring back once it is closed.
    const QUndoStack& stack = m_Document->undoStack();
    const bool dragChanged = m_Document->StrokeChanged();
    const bool canUndo = dragChanged || stack.canUndo();
    const bool canRedo = !dragChanged && stack.canRedo();
    const QString undoStep =
        dragChanged ? PaintCommand::StepText() : (canUndo ? stack.undoText() : QString());
    mnuEditUndo->setEnabled(canUndo);
    mnuEditUndo->setText(ActionText(tr("&Undo"), undoStep));
    mnuEditRedo->setEnabled(canRedo);
    mnuEditRedo->setText(ActionText(tr("&Redo"), canRedo ? stack.redoText() : QString()));
}

void frmEdit::mnuEditUndo_Click() {
    CurrentTool().Cancel();
    m_Document->undoStack().undo();
}

void frmEdit::mnuEditRedo_Click() {
    CurrentTool().Cancel();
    m_Document->undoStack().redo();
}
