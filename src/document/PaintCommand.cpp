#include "PaintCommand.h"

#include "LevelDocument.h"

namespace {

// Levels are at most 65,535 cells wide and high: a cell and its plane fit
// one key.
quint64 KeyOf(const CellChange& change) {
    return (quint64(change.plane) << 32) | (quint64(quint16(change.y)) << 16) |
           quint64(quint16(change.x));
}

} // namespace

PaintCommand::PaintCommand(LevelDocument& document, quint64 stroke,
                           const std::vector<CellChange>& changes)
    : QUndoCommand(StepText()), m_Document(document), m_Stroke(stroke) {
    m_Changes.reserve(changes.size());
    for (const CellChange& change : changes)
        Take(change);
}

void PaintCommand::undo() {
    m_Document.ApplyCells(m_Changes, false);
}

void PaintCommand::redo() {
    m_Document.ApplyCells(m_Changes, true);
}

bool PaintCommand::mergeWith(const QUndoCommand* other) {
    // The stack asks only for commands of the same id.
    const auto* paint = static_cast<const PaintCommand*>(other);
    if (paint->m_Stroke != m_Stroke || &paint->m_Document != &m_Document)
        return false;
    for (const CellChange& change : paint->m_Changes)
        Take(change);
    setObsolete(m_Differing == 0);
    return true;
}

void PaintCommand::Take(const CellChange& change) {
    const auto [found, added] = m_Index.emplace(KeyOf(change), m_Changes.size());
    if (added) {
        m_Changes.push_back(change);
        m_Differing += change.before != change.after ? 1 : 0;
        return;
    }
    CellChange& known = m_Changes[found->second];
    const bool differed = known.before != known.after;
    known.after = change.after;
    const bool differs = known.before != known.after;
    if (differs && !differed)
        ++m_Differing;
    else if (differed && !differs)
        --m_Differing;
}
