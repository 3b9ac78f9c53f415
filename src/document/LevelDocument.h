#pragma once

#include "CellChange.h"
#include "CellMask.h"
#include "FileStamp.h"
#include "IoResult.h"
#include "Level.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QUndoStack>

#include <memory>

// One level being edited, without any window: the level, the file it is
// in, its undo stack and whether it differs from that file. Every change
// goes through here, as a step on the stack, and is announced by a signal,
// so that any number of views can follow and the command-line tool and the
// tests load, edit and save by the same road as the editor window.
//
// The level is modified exactly while the stack is away from its clean
// state (the state last loaded, created or saved).
//
// The document also remembers what its file held when it was loaded or
// last saved (a FileStamp), watches the file, and says when another program
// changed or removed it, so that nothing written elsewhere is overwritten
// unasked.
class LevelDocument : public QObject {
    Q_OBJECT
public:
    // The document's file on disk against what was last loaded or saved.
    enum class DiskState {
        Same,    // as loaded or saved (or there is no file)
        Changed, // another program wrote it
        Missing  // it is gone; saving writes it again
    };
    Q_ENUM(DiskState)

    explicit LevelDocument(QObject* parent = nullptr);
    ~LevelDocument() override;

    const Level& level() const { return m_Level; }
    QString fileName() const { return m_FileName; }
    bool isModified() const;
    QUndoStack& undoStack() { return m_Undo; }
    const QUndoStack& undoStack() const { return m_Undo; }

    // A new level with no file, an empty stack, unmodified.
    void NewLevel(qint16 width, qint16 height, qint16 episode, qint16 number);
    // Reads a level file with an empty stack, unmodified. On failure the
    // document holds an empty level and no file, and the result says why.
    IoResult Load(const QString& fileName);
    // Writes the level to `fileName`; on success that is the document's
    // file and the present state is the clean one. On failure nothing
    // changes (the document keeps naming the file its level really is in).
    IoResult Save(const QString& fileName);
    // Takes `level` as an unsaved state of `fileName` (empty for a level
    // never saved), as a recovery copy gives it back: the stack is empty and
    // has no clean state, so the level counts as modified until it is saved.
    void Restore(const Level& level, const QString& fileName);
    // Names the file the level belongs to without writing it; what the
    // file holds now counts as what the level was saved as.
    void SetFileName(const QString& fileName);

    // ---- The file on disk ----
    // Looks at the file now.
    DiskState CheckDisk() const;
    // The state last announced by diskStateChanged (Same after a load or a
    // save).
    DiskState LastDiskState() const { return m_DiskState; }
    // Reads the file again. An unmodified document simply loads it (an
    // empty stack); a modified one takes it as one step named "Reload", so
    // that Undo brings the unsaved changes back, and that step is the saved
    // state. On failure (the file gone or damaged) nothing changes and the
    // result says why.
    IoResult Reload();

    // ---- Strokes: one press-and-drag, however many cells, is one step ----
    // Opens a stroke (a stroke already open goes on): the cells written
    // until it ends make one step, "Paint". Each write goes on the stack at
    // once, merged into the stroke's step, so that Undo, the modified state
    // and a save see the drag as far as it went; a save in the middle makes
    // the rest of the drag a step of its own.
    void BeginStroke();
    // Whether a stroke is open. Anything else that moves the stack (an
    // undo, a redo, another step, a new level) ends it as EndStroke does:
    // a drag then stops writing.
    bool StrokeOpen() const { return m_StrokeOpen; }
    // Writes one cell of one plane, inside the open stroke or as a step of
    // its own; cells outside the level, or already holding `value`, stay.
    void SetCell(CellChange::Plane plane, int x, int y, qint16 value);
    // Writes several cells at once in the same way (a stamp); `changes`
    // give each cell's new value in `after`, their `before` is read here.
    void SetCells(std::vector<CellChange> changes);
    // Closes the open stroke; its step is already on the stack, unless it
    // changed nothing.
    void EndStroke();

    // The whole level replaced by `after` as one step named `stepText`
    // (Level, Properties); nothing happens when it equals the level.
    void ReplaceLevel(const Level& after, const QString& stepText);

    // One editing operation's changes (EditOperations) as one step named
    // `stepText`, written at once; nothing happens for no changes.
    void ApplyEdit(const QString& stepText, std::vector<CellChange> changes);
    // Edit, Replace: `after` into one plane of every cell of `cells`, which
    // hold `before`, as one step named `stepText`; nothing for no cells.
    void ApplyReplacement(const QString& stepText, CellChange::Plane plane, CellMask cells,
                          qint16 before, qint16 after);

    // ---- For the undo commands, which act on the document alone ----
    void ApplyCells(const std::vector<CellChange>& changes, bool after);
    void WriteCells(CellChange::Plane plane, const CellMask& cells, qint16 value);
    void ApplyLevel(const Level& level);

signals:
    // Cells (in level coordinates) whose tile or info may have changed.
    void cellsChanged(QRect cells);
    // The level was replaced whole: new, loaded, resized, another episode.
    void levelReplaced();
    void modifiedChanged(bool modified);
    void fileNameChanged();
    // The file on disk was seen to change (again), to go, or to be back to
    // what was loaded or saved; a save of the document's own is no change.
    void diskStateChanged(LevelDocument::DiskState state);

private:
    void Reset(const QString& fileName);
    void UpdateModified();
    // The stack's index moved: unless by the open stroke's own write, the
    // stroke is over.
    void StackMoved();
    // `stamp` is what the document's file now holds as far as the document
    // knows: after a load, a save or a reload.
    void RememberDisk(const FileStamp& stamp);
    // Watches the document's file and its folder (a file replaced whole, as
    // a save replaces it, drops off a watch on the file alone).
    void Watch();
    // After a change reported by the watcher, once it has settled.
    void LookAtDisk();

    Level m_Level;
    QString m_FileName;
    QUndoStack m_Undo;
    bool m_StrokeOpen = false;
    // The open stroke's number; each stroke, and each write outside one,
    // takes the next.
    quint64 m_Stroke = 0;
    // Set while the open stroke pushes a write.
    bool m_StrokeWriting = false;
    bool m_Modified = false;
    // What the file held when loaded or last saved, and when last looked at.
    FileStamp m_Stamp;
    FileStamp m_Seen;
    DiskState m_DiskState = DiskState::Same;
    // Made for the first file: a document without one watches nothing.
    std::unique_ptr<QFileSystemWatcher> m_Watcher;
    // Another program's write comes as a burst of events; the file is
    // looked at once it has settled.
    QTimer m_WatchDelay;
};
