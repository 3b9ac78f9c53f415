// Undo and redo: the window's stack of steps, the Edit menu, and the
// recording of press-and-drags on the canvas and of Level, Properties.
//
// The stack is only ever moved through mnuEditUndo_Click and
// mnuEditRedo_Click, which first end a drag in progress: a step must never
// be undone while the canvas is still writing the one above it.
#include "frmEdit.h"

#include "EditorHost.h"
#include "LevelState.h"
#include "PaintCommand.h"
#include "PictureBox.h"
#include "PropertiesCommand.h"

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
    m_UndoStack = new QUndoStack(this);

    mnuEdit = new QMenu(tr("&Edit"), this);
    mnuEditUndo = mnuEdit->addAction(tr("&Undo"));
    mnuEditUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = mnuEdit->addAction(tr("&Redo"));
    mnuEditRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    connect(mnuEditUndo, &QAction::triggered, this, [this] { mnuEditUndo_Click(); });
    connect(mnuEditRedo, &QAction::triggered, this, [this] { mnuEditRedo_Click(); });
    connect(m_UndoStack, &QUndoStack::indexChanged, this, [this] { UpdateUndoActions(); });
    connect(m_UndoStack, &QUndoStack::canUndoChanged, this, [this] { UpdateUndoActions(); });
    connect(m_UndoStack, &QUndoStack::canRedoChanged, this, [this] { UpdateUndoActions(); });
    // Undoing back to the saved state makes the level unmodified again.
    connect(m_UndoStack, &QUndoStack::cleanChanged, this, [this] { UpdateModifiedMark(); });
    UpdateUndoActions();
}

void frmEdit::UpdateUndoActions() {
    // A drag that has changed cells is the step Undo would take back, and
    // it will drop what Redo could bring back once it is closed.
    const bool dragChanged = m_PaintRecorder.IsOpen() && m_PaintRecorder.HasChanges();
    const bool canUndo = dragChanged || m_UndoStack->canUndo();
    const bool canRedo = !dragChanged && m_UndoStack->canRedo();
    const QString undoStep =
        dragChanged ? PaintCommand::StepText() : (canUndo ? m_UndoStack->undoText() : QString());
    mnuEditUndo->setEnabled(canUndo);
    mnuEditUndo->setText(ActionText(tr("&Undo"), undoStep));
    mnuEditRedo->setEnabled(canRedo);
    mnuEditRedo->setText(ActionText(tr("&Redo"), canRedo ? m_UndoStack->redoText() : QString()));
}

// ---- Unsaved changes ----

bool frmEdit::IsModified() const {
    const bool dragChanged = m_PaintRecorder.IsOpen() && m_PaintRecorder.HasChanges();
    return m_UnstackedChange || dragChanged || !m_UndoStack->isClean();
}

void frmEdit::MarkModified() {
    m_UnstackedChange = true;
    UpdateModifiedMark();
}

void frmEdit::MarkSaved() {
    m_UnstackedChange = false;
    m_UndoStack->setClean();
    UpdateModifiedMark();
}

void frmEdit::UpdateModifiedMark() {
    setWindowModified(IsModified());
}

void frmEdit::mnuEditUndo_Click() {
    EndPaintStep();
    m_Drawing = false;
    m_UndoStack->undo();
}

void frmEdit::mnuEditRedo_Click() {
    EndPaintStep();
    m_Drawing = false;
    m_UndoStack->redo();
}

void frmEdit::ResetUndo() {
    m_PaintRecorder.Cancel();
    m_UndoStack->clear();
    UpdateUndoActions();
    UpdateModifiedMark();
}

// ---- Press-and-drag on the canvas ----

void frmEdit::BeginPaintStep() {
    if (m_PaintRecorder.IsOpen()) {
        // Another button pressed during the same drag: still one step.
        if (m_Drawing)
            return;
        // A drag whose release never reached the canvas ends here.
        EndPaintStep();
    }
    m_PaintRecorder.Begin(m_Level);
}

void frmEdit::NotePaintedCell(int cx, int cy) {
    const bool hadChanges = m_PaintRecorder.HasChanges();
    m_PaintRecorder.Note(m_Level, cx, cy);
    if (m_PaintRecorder.HasChanges() != hadChanges) {
        UpdateUndoActions();
        UpdateModifiedMark();
    }
}

void frmEdit::EndPaintStep() {
    if (!m_PaintRecorder.IsOpen())
        return;
    std::vector<CellChange> changes = m_PaintRecorder.Finish(m_Level);
    // A press that only picked, or painted cells with what they held, is
    // no step.
    if (!changes.empty())
        m_UndoStack->push(new PaintCommand(*this, std::move(changes)));
    UpdateUndoActions();
    UpdateModifiedMark();
}

// ---- Level, Properties ----

LevelState frmEdit::CaptureLevelState() {
    EndPaintStep();
    m_Drawing = false;
    return {m_Level};
}

void frmEdit::RecordPropertiesStep(const LevelState& before) {
    if (m_Level == before.level)
        return;
    m_UndoStack->push(new PropertiesCommand(*this, before, {m_Level}));
}

void frmEdit::ApplyLevelState(const LevelState& state) {
    m_Level = state.level;
    // The same road as Level, Properties: new clones of the sets (back at
    // 1x zoom), the layout and scroll ranges for the size, then every view
    // drawn from the sets or the level.
    const int episode = m_Level.Episode();
    if (episode >= 1 && episode <= 3) {
        SetTiles(m_Host.TileSets(episode - 1));
        SetSprites(m_Host.SpriteSets(episode - 1));
    }
    RelayoutAfterNewSets();
}
