#include "LevelDocument.h"

#include "EditCommand.h"
#include "PaintCommand.h"
#include "ReplaceLevelCommand.h"

LevelDocument::LevelDocument(QObject* parent) : QObject(parent) {
    connect(&m_Undo, &QUndoStack::cleanChanged, this, [this] { UpdateModified(); });
}

LevelDocument::~LevelDocument() {
    // The stack empties itself when it is destroyed, after the stroke is
    // gone: that must not reach this document.
    m_Undo.disconnect(this);
}

bool LevelDocument::isModified() const {
    return !m_Undo.isClean() || StrokeChanged();
}

void LevelDocument::UpdateModified() {
    const bool modified = isModified();
    if (modified == m_Modified)
        return;
    m_Modified = modified;
    emit modifiedChanged(modified);
}

void LevelDocument::Reset(const QString& fileName) {
    m_Stroke.Cancel();
    m_Undo.clear();
    m_Undo.setClean();
    if (fileName != m_FileName) {
        m_FileName = fileName;
        emit fileNameChanged();
    }
    emit levelReplaced();
    UpdateModified();
}

void LevelDocument::NewLevel(qint16 width, qint16 height, qint16 episode, qint16 number) {
    m_Level = Level();
    m_Level.Create(width, height, episode, number);
    Reset(QString());
}

IoResult LevelDocument::Load(const QString& fileName) {
    m_Level = Level();
    const IoResult result = m_Level.Load(fileName);
    Reset(result ? fileName : QString());
    return result;
}

void LevelDocument::Restore(const Level& level, const QString& fileName) {
    m_Level = level;
    Reset(fileName);
    // No state of the stack is what the file holds: undoing never makes
    // the level unmodified.
    m_Undo.resetClean();
}

IoResult LevelDocument::Save(const QString& fileName) {
    // A stroke still in progress is part of what is written: its step goes
    // on the stack before the stack's state is called saved, and the rest
    // of the drag is a step of its own.
    const bool stroking = StrokeOpen();
    EndStroke();
    const IoResult result = m_Level.Save(fileName);
    if (stroking)
        BeginStroke();
    if (!result)
        return result;
    m_Undo.setClean();
    SetFileName(fileName);
    UpdateModified();
    return result;
}

void LevelDocument::SetFileName(const QString& fileName) {
    if (fileName == m_FileName)
        return;
    m_FileName = fileName;
    emit fileNameChanged();
}

void LevelDocument::BeginStroke() {
    if (!m_Stroke.IsOpen())
        m_Stroke.Begin(m_Level);
}

void LevelDocument::SetCell(CellChange::Plane plane, int x, int y, qint16 value) {
    if (x < 0 || y < 0 || x >= m_Level.Width() || y >= m_Level.Height())
        return;
    const bool single = !m_Stroke.IsOpen();
    if (single)
        BeginStroke();
    const bool hadChanges = m_Stroke.HasChanges();
    if (plane == CellChange::TilePlane)
        m_Level.SetTile(x, y, value);
    else
        m_Level.SetInfo(x, y, value);
    m_Stroke.Note(m_Level, x, y);
    emit cellsChanged(QRect(x, y, 1, 1));
    if (m_Stroke.HasChanges() != hadChanges) {
        emit strokeStateChanged();
        UpdateModified();
    }
    if (single)
        EndStroke();
}

void LevelDocument::EndStroke() {
    if (!m_Stroke.IsOpen())
        return;
    const bool hadChanges = m_Stroke.HasChanges();
    std::vector<CellChange> changes = m_Stroke.Finish(m_Level);
    // A stroke that only picked, or wrote cells with what they held, is no
    // step.
    if (!changes.empty())
        m_Undo.push(new PaintCommand(*this, std::move(changes)));
    if (hadChanges)
        emit strokeStateChanged();
    UpdateModified();
}

void LevelDocument::ReplaceLevel(const Level& after, const QString& stepText) {
    EndStroke();
    if (after == m_Level)
        return;
    m_Undo.push(new ReplaceLevelCommand(*this, m_Level, after, stepText));
}

void LevelDocument::ApplyEdit(const QString& stepText, std::vector<CellChange> changes) {
    EndStroke();
    if (!changes.empty())
        m_Undo.push(new EditCommand(*this, stepText, std::move(changes)));
}

void LevelDocument::ApplyCells(const std::vector<CellChange>& changes, bool after) {
    ApplyCellChanges(m_Level, changes, after);
    const QRect touched = ChangedArea(changes);
    if (!touched.isEmpty())
        emit cellsChanged(touched);
}

void LevelDocument::ApplyLevel(const Level& level) {
    m_Level = level;
    emit levelReplaced();
}
