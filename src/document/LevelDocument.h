#pragma once

#include "CellChange.h"
#include "IoResult.h"
#include "Level.h"
#include "PaintRecorder.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QUndoStack>

// One level being edited, without any window: the level, the file it is
// in, its undo stack and whether it differs from that file. Every change
// goes through here, as a step on the stack, and is announced by a signal,
// so that any number of views can follow and the command-line tool and the
// tests load, edit and save by the same road as the editor window.
//
// The level is modified exactly while the stack is away from its clean
// state (the state last loaded, created or saved), or while an open stroke
// has changed a cell.
class LevelDocument : public QObject {
    Q_OBJECT
public:
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
    // Names the file the level belongs to without writing it.
    void SetFileName(const QString& fileName);

    // ---- Strokes: one press-and-drag, however many cells, is one step ----
    // Opens a stroke (a stroke already open goes on).
    void BeginStroke();
    bool StrokeOpen() const { return m_Stroke.IsOpen(); }
    // Whether the open stroke has changed a cell so far.
    bool StrokeChanged() const { return m_Stroke.IsOpen() && m_Stroke.HasChanges(); }
    // Writes one cell of one plane, inside a stroke or as a step of its own;
    // cells outside the level are ignored.
    void SetCell(CellChange::Plane plane, int x, int y, qint16 value);
    // Closes the open stroke: its net change, if any, becomes one step.
    void EndStroke();

    // The whole level replaced by `after` as one step named `stepText`
    // (Level, Properties); nothing happens when it equals the level.
    void ReplaceLevel(const Level& after, const QString& stepText);

    // One editing operation's changes (EditOperations) as one step named
    // `stepText`, written at once; nothing happens for no changes.
    void ApplyEdit(const QString& stepText, std::vector<CellChange> changes);

    // ---- For the undo commands, which act on the document alone ----
    void ApplyCells(const std::vector<CellChange>& changes, bool after);
    void ApplyLevel(const Level& level);

signals:
    // Cells (in level coordinates) whose tile or info may have changed.
    void cellsChanged(QRect cells);
    // The level was replaced whole: new, loaded, resized, another episode.
    void levelReplaced();
    void modifiedChanged(bool modified);
    void fileNameChanged();
    // Whether the open stroke has changes flipped: what Undo would take
    // back changed.
    void strokeStateChanged();

private:
    void Reset(const QString& fileName);
    void UpdateModified();

    Level m_Level;
    QString m_FileName;
    QUndoStack m_Undo;
    PaintRecorder m_Stroke;
    bool m_Modified = false;
};
