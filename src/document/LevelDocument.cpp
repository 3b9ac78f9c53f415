#include "LevelDocument.h"

#include "EditCommand.h"
#include "PaintCommand.h"
#include "ReplaceCommand.h"
#include "ReplaceLevelCommand.h"

#include <QFileInfo>

namespace {

// How long the file must have been quiet before it is looked at.
constexpr int WatchSettleMs = 150;

} // namespace

LevelDocument::LevelDocument(QObject* parent) : QObject(parent) {
    connect(&m_Undo, &QUndoStack::cleanChanged, this, [this] { UpdateModified(); });
    connect(&m_Undo, &QUndoStack::indexChanged, this, [this] { StackMoved(); });
    m_WatchDelay.setSingleShot(true);
    m_WatchDelay.setInterval(WatchSettleMs);
    connect(&m_WatchDelay, &QTimer::timeout, this, [this] { LookAtDisk(); });
}

LevelDocument::~LevelDocument() {
    // The stack empties itself when it is destroyed, after the other
    // members are gone: that must not reach this document.
    m_Undo.disconnect(this);
}

bool LevelDocument::isModified() const {
    return !m_Undo.isClean();
}

void LevelDocument::UpdateModified() {
    const bool modified = isModified();
    if (modified == m_Modified)
        return;
    m_Modified = modified;
    emit modifiedChanged(modified);
}

void LevelDocument::Reset(const QString& fileName) {
    // An empty stack emptied again says nothing: the stroke ends here.
    m_StrokeOpen = false;
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
    RememberDisk(FileStamp());
}

IoResult LevelDocument::Load(const QString& fileName) {
    m_Level = Level();
    QByteArray bytes;
    const IoResult result = m_Level.Load(fileName, &bytes);
    Reset(result ? fileName : QString());
    RememberDisk(result ? FileStamp::OfBytes(bytes) : FileStamp());
    return result;
}

void LevelDocument::Restore(const Level& level, const QString& fileName) {
    m_Level = level;
    Reset(fileName);
    // No state of the stack is what the file holds: undoing never makes
    // the level unmodified.
    m_Undo.resetClean();
    // The file as it is now is what the unsaved changes were made to, as
    // far as anyone can tell: a later change by another program is noticed.
    RememberDisk(fileName.isEmpty() ? FileStamp()
                                    : FileStamp::OfFile(fileName, Level::MaxFileBytes));
}

IoResult LevelDocument::Save(const QString& fileName) {
    // A stroke in progress needs nothing here: its writes so far are on the
    // stack, and the stack merges no later write into a saved step.
    const IoResult result = m_Level.Save(fileName);
    if (!result)
        return result;
    m_Undo.setClean();
    if (fileName != m_FileName) {
        m_FileName = fileName;
        emit fileNameChanged();
    }
    RememberDisk(FileStamp::OfBytes(m_Level.Serialize()));
    UpdateModified();
    return result;
}

void LevelDocument::SetFileName(const QString& fileName) {
    if (fileName == m_FileName)
        return;
    m_FileName = fileName;
    RememberDisk(FileStamp::OfFile(fileName, Level::MaxFileBytes));
    emit fileNameChanged();
}

// ---- The file on disk ----

LevelDocument::DiskState LevelDocument::CheckDisk() const {
    if (m_FileName.isEmpty())
        return DiskState::Same;
    const FileStamp now = FileStamp::OfFile(m_FileName, Level::MaxFileBytes);
    if (!now.Exists())
        return DiskState::Missing;
    return now == m_Stamp ? DiskState::Same : DiskState::Changed;
}

IoResult LevelDocument::Reload() {
    if (m_FileName.isEmpty())
        return IoResult::failure(tr("The level has no file to reload."));
    Level fresh;
    QByteArray bytes;
    const IoResult result = fresh.Load(m_FileName, &bytes);
    if (!result)
        return result;
    if (isModified()) {
        ReplaceLevel(fresh, tr("Reload"));
        m_Undo.setClean();
    } else {
        m_Level = fresh;
        Reset(m_FileName);
    }
    RememberDisk(FileStamp::OfBytes(bytes));
    UpdateModified();
    return result;
}

void LevelDocument::RememberDisk(const FileStamp& stamp) {
    m_Stamp = stamp;
    m_Seen = stamp;
    Watch();
    if (m_DiskState == DiskState::Same)
        return;
    m_DiskState = DiskState::Same;
    emit diskStateChanged(m_DiskState);
}

void LevelDocument::Watch() {
    if (m_Watcher) {
        const QStringList watched = m_Watcher->files() + m_Watcher->directories();
        if (!watched.isEmpty())
            m_Watcher->removePaths(watched);
    }
    if (m_FileName.isEmpty())
        return;
    const QFileInfo file(m_FileName);
    QStringList paths;
    if (file.exists())
        paths << file.absoluteFilePath();
    if (QFileInfo(file.absolutePath()).isDir())
        paths << file.absolutePath();
    if (paths.isEmpty())
        return;
    if (!m_Watcher) {
        m_Watcher = std::make_unique<QFileSystemWatcher>();
        const auto settle = [this] { m_WatchDelay.start(); };
        connect(m_Watcher.get(), &QFileSystemWatcher::fileChanged, this, settle);
        connect(m_Watcher.get(), &QFileSystemWatcher::directoryChanged, this, settle);
    }
    m_Watcher->addPaths(paths);
}

void LevelDocument::LookAtDisk() {
    // A file written again in place keeps its watch; one replaced whole or
    // made anew needs it again.
    Watch();
    if (m_FileName.isEmpty())
        return;
    const FileStamp now = FileStamp::OfFile(m_FileName, Level::MaxFileBytes);
    if (now == m_Seen)
        return;
    m_Seen = now;
    m_DiskState = !now.Exists()    ? DiskState::Missing
                  : now == m_Stamp ? DiskState::Same
                                   : DiskState::Changed;
    emit diskStateChanged(m_DiskState);
}

void LevelDocument::BeginStroke() {
    if (m_StrokeOpen)
        return;
    m_StrokeOpen = true;
    ++m_Stroke;
}

void LevelDocument::SetCell(CellChange::Plane plane, int x, int y, qint16 value) {
    SetCells({CellChange{plane, x, y, 0, value}});
}

void LevelDocument::SetCells(std::vector<CellChange> changes) {
    std::vector<CellChange> writes;
    writes.reserve(changes.size());
    for (CellChange& change : changes) {
        if (change.x < 0 || change.y < 0 || change.x >= m_Level.Width() ||
            change.y >= m_Level.Height())
            continue;
        change.before = change.plane == CellChange::TilePlane ? m_Level.Tile(change.x, change.y)
                                                              : m_Level.Info(change.x, change.y);
        if (change.before != change.after)
            writes.push_back(change);
    }
    // Nothing written is nothing to undo: a stroke that only picked, or
    // wrote what the cells held, leaves the stack alone.
    if (writes.empty())
        return;
    if (!m_StrokeOpen)
        ++m_Stroke;
    m_StrokeWriting = m_StrokeOpen;
    m_Undo.push(new PaintCommand(*this, m_Stroke, std::move(writes)));
    m_StrokeWriting = false;
}

void LevelDocument::EndStroke() {
    m_StrokeOpen = false;
}

void LevelDocument::StackMoved() {
    if (!m_StrokeWriting)
        m_StrokeOpen = false;
}

void LevelDocument::ReplaceLevel(const Level& after, const QString& stepText) {
    if (after == m_Level)
        return;
    m_Undo.push(new ReplaceLevelCommand(*this, m_Level, after, stepText));
}

void LevelDocument::ApplyEdit(const QString& stepText, std::vector<CellChange> changes) {
    if (!changes.empty())
        m_Undo.push(new EditCommand(*this, stepText, std::move(changes)));
}

void LevelDocument::ApplyReplacement(const QString& stepText, CellChange::Plane plane,
                                     CellMask cells, qint16 before, qint16 after) {
    if (!cells.IsEmpty())
        m_Undo.push(new ReplaceCommand(*this, stepText, plane, std::move(cells), before, after));
}

void LevelDocument::WriteCells(CellChange::Plane plane, const CellMask& cells, qint16 value) {
    const QRect area = cells.BoundingRect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!cells.Contains(x, y))
                continue;
            if (plane == CellChange::TilePlane)
                m_Level.SetTile(x, y, value);
            else
                m_Level.SetInfo(x, y, value);
        }
    }
    if (!area.isEmpty())
        emit cellsChanged(area);
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
