#pragma once

#include "CellChange.h"

#include <QCoreApplication>
#include <QUndoCommand>

#include <unordered_map>
#include <vector>

class LevelDocument;

// Cells written by one stroke (a press-and-drag on the canvas) as an undo
// step: each write is pushed as a command of its own carrying the stroke's
// number, and the stack merges the writes of one stroke into the command
// below them. A stroke whose cells all hold again what they held before it
// is obsolete, and the stack drops it: a drag that changed nothing is no
// step.
class PaintCommand : public QUndoCommand {
public:
    // The same for every paint command; the stroke number tells strokes
    // apart.
    static constexpr int Id = 1;

    // `changes` are written on the first redo, when the command is pushed.
    PaintCommand(LevelDocument& document, quint64 stroke, const std::vector<CellChange>& changes);

    void undo() override;
    void redo() override;
    int id() const override { return Id; }
    // Takes the writes of `other` when it belongs to the same stroke of the
    // same document. Each write costs one look-up: the stroke is never
    // scanned again.
    bool mergeWith(const QUndoCommand* other) override;

    // The step's name in the Edit menu.
    static QString StepText() { return QCoreApplication::translate("PaintCommand", "Paint"); }

private:
    // Adds one write: a cell met before keeps its first value before.
    void Take(const CellChange& change);

    LevelDocument& m_Document;
    quint64 m_Stroke;
    // One entry per cell and plane the stroke wrote, in the order first met.
    std::vector<CellChange> m_Changes;
    // Where each cell's entry lies.
    std::unordered_map<quint64, std::size_t> m_Index;
    // How many entries hold another value than before the stroke.
    std::size_t m_Differing = 0;
};
