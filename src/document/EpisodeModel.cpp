#include "EpisodeModel.h"

#include "ContactSheet.h"
#include "GameLimits.h"
#include "LevelChecker.h"
#include "LevelDocument.h"
#include "LevelRenderer.h"
#include "PngFile.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace {

// Edits wait this long for more before their level is drawn again.
constexpr int DefaultRedrawDelay = 300;
// Changes in the folder come in bursts (a file written through a
// temporary one, a copy of many): they are taken together.
constexpr int RescanDelay = 200;
// Lines of findings a row's tool tip shows.
constexpr int ToolTipFindings = 8;

int count(const std::vector<Finding>& findings, Severity severity) {
    return int(std::count_if(findings.begin(), findings.end(),
                             [severity](const Finding& f) { return f.severity == severity; }));
}

std::array<int, 3> counts(const std::vector<Finding>& findings) {
    return {count(findings, Severity::Error), count(findings, Severity::Warning),
            count(findings, Severity::Note)};
}

QString absolute(const QString& path) {
    return path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
}

} // namespace

EpisodeModel::EpisodeModel(QObject* parent)
    : QAbstractListModel(parent),
      m_Renderer(std::make_shared<const LevelRenderer>(TileSet(), SpriteSet())) {
    m_RedrawTimer.setSingleShot(true);
    m_RedrawTimer.setInterval(DefaultRedrawDelay);
    connect(&m_RedrawTimer, &QTimer::timeout, this, [this] { RedrawWaiting(); });
    m_RescanTimer.setSingleShot(true);
    m_RescanTimer.setInterval(RescanDelay);
    connect(&m_RescanTimer, &QTimer::timeout, this, [this] { Rescan(); });
    connect(&m_Watcher, &QFileSystemWatcher::directoryChanged, this,
            [this] { m_RescanTimer.start(); });
}

EpisodeModel::~EpisodeModel() {
    // No job may post its result to a model that is going.
    m_Pool.clear();
    m_Pool.waitForDone();
}

// ---- Settings ----

void EpisodeModel::SetGraphics(const TileSet& tiles, const SpriteSet& sprites) {
    m_Renderer = std::make_shared<const LevelRenderer>(tiles, sprites);
    m_TileCount = tiles.Count();
    for (Row& row : m_Rows)
        Refresh(row);
}

void EpisodeModel::SetTileBehaviour(std::shared_ptr<const TileBehaviour> table) {
    m_Table = std::move(table);
    for (Row& row : m_Rows)
        Refresh(row);
}

void EpisodeModel::SetRedrawDelay(int milliseconds) {
    m_RedrawTimer.setInterval(std::max(milliseconds, 0));
}

IoResult EpisodeModel::SetFolder(const QString& folder, int episode) {
    EpisodeFolder scanned;
    const IoResult result = EpisodeFolder::Scan(folder, episode, scanned);
    if (!m_Watcher.directories().isEmpty())
        m_Watcher.removePaths(m_Watcher.directories());
    beginResetModel();
    m_Folder = result ? scanned : EpisodeFolder();
    m_Path = m_Folder.Folder();
    m_Episode = m_Folder.Episode();
    m_Rows.clear();
    for (const EpisodeFolder::Entry& entry : m_Folder.Levels())
        m_Rows.emplace_back(entry);
    m_Map.reset();
    m_Across.clear();
    endResetModel();
    if (!result)
        return result;
    m_Watcher.addPath(m_Folder.Folder());
    for (LevelDocument* document : m_Documents)
        Attach(document);
    for (Row& row : m_Rows)
        if (row.asked == 0)
            Refresh(row);
    UpdateAcross();
    return result;
}

// ---- Rows ----

int EpisodeModel::RowOfNumber(int number) const {
    const auto found = std::find_if(m_Rows.begin(), m_Rows.end(),
                                    [number](const Row& r) { return r.entry.number == number; });
    return found == m_Rows.end() ? -1 : int(found - m_Rows.begin());
}

EpisodeModel::Row* EpisodeModel::RowOfPath(const QString& path) {
    const auto found = std::find_if(m_Rows.begin(), m_Rows.end(),
                                    [&path](const Row& r) { return r.entry.path == path; });
    return found == m_Rows.end() ? nullptr : &*found;
}

int EpisodeModel::IndexOf(const Row* row) const {
    return int(row - m_Rows.data());
}

std::vector<Finding> EpisodeModel::Findings(int row) const {
    return row >= 0 && row < int(m_Rows.size()) ? m_Rows[size_t(row)].findings
                                                : std::vector<Finding>();
}

std::vector<Finding> EpisodeModel::FolderFindings() const {
    if (m_Folder.Has(GameLimits::MapLevelNumber))
        return {};
    return EpisodeCheck::Merge({}, m_Across, GameLimits::MapLevelNumber);
}

void EpisodeModel::EmitRow(const Row& row, const QList<int>& roles) {
    const QModelIndex at = index(IndexOf(&row));
    emit dataChanged(at, at, roles);
}

// ---- Drawing off the interface thread ----

// Starts a job for the row's present state: its document's, or its file's.
void EpisodeModel::Refresh(Row& row) {
    row.waiting = false;
    ThumbnailJob::Input input;
    input.generation = row.asked = ++m_Generation;
    input.path = row.entry.path;
    if (row.document)
        input.level = std::make_shared<const Level>(row.document->level());
    input.renderer = m_Renderer;
    input.table = m_Table;
    input.tileCount =
        m_TileCount > 0 ? m_TileCount : LevelChecker::GameTileCount(m_Folder.Episode());
    ++m_Started;
    emit thumbnailProgress(m_Finished, m_Started);
    m_Pool.start([this, input] {
        ThumbnailJob::Result result = ThumbnailJob::Run(input);
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { Take(result); }, Qt::QueuedConnection);
    });
}

void EpisodeModel::CountDone() {
    ++m_Finished;
    emit thumbnailProgress(m_Finished, m_Started);
    if (m_Finished == m_Started)
        m_Started = m_Finished = 0;
}

void EpisodeModel::Take(const ThumbnailJob::Result& result) {
    CountDone();
    Row* row = RowOfPath(result.path);
    // A later state was asked for, or the file left the folder.
    if (!row || result.generation != row->asked)
        return;
    row->received = result.generation;
    row->level = result.level;
    row->own = result.own;
    row->thumbnail = result.thumbnail;
    if (result.fileSize >= 0) {
        row->modified = result.modified;
        row->fileSize = result.fileSize;
    }
    if (row->entry.number == GameLimits::MapLevelNumber) {
        const Level* map = row->level.get();
        m_Map = map ? std::make_unique<MapIndex>(
                          MapIndex::Build(map->Width(), map->Height(), map->InfoPlane()))
                    : nullptr;
        emit mapChanged();
    }
    EmitRow(*row);
    UpdateAcross();
}

// The checks across the episode, from the folder's files and the map's
// present state, joined to each row's own.
void EpisodeModel::UpdateAcross() {
    m_Across = m_Folder.Levels().empty() ? std::vector<EpisodeChecker::LevelFinding>()
                                         : EpisodeChecker::Check(m_Folder, m_Map.get());
    for (Row& row : m_Rows) {
        std::vector<Finding> findings = EpisodeCheck::Merge(row.own, m_Across, row.entry.number);
        const bool sameCounts = counts(findings) == counts(row.findings);
        row.findings = std::move(findings);
        if (!sameCounts)
            EmitRow(row, {Qt::DisplayRole, Qt::ToolTipRole, ErrorCountRole, WarningCountRole,
                          NoteCountRole, HasProblemsRole});
    }
}

bool EpisodeModel::Busy() const {
    return m_Started > m_Finished ||
           std::any_of(m_Rows.begin(), m_Rows.end(), [](const Row& r) { return r.waiting; });
}

void EpisodeModel::WaitForThumbnails() {
    m_RedrawTimer.stop();
    for (Row& row : m_Rows)
        if (row.waiting)
            Refresh(row);
    m_Pool.waitForDone();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

IoResult EpisodeModel::ExportContactSheet(const QString& path) {
    WaitForThumbnails();
    std::vector<ContactSheet::Item> items;
    for (const Row& row : m_Rows)
        if (!row.thumbnail.isNull())
            items.push_back({row.entry.number, row.thumbnail});
    QImage sheet;
    const IoResult composed = ContactSheet::Compose(items, sheet);
    return composed ? PngFile::Write(sheet, path) : composed;
}

// ---- Open documents ----

void EpisodeModel::Follow(LevelDocument* document) {
    if (!document || m_Documents.contains(document))
        return;
    m_Documents << document;
    connect(document, &QObject::destroyed, this, [this](QObject* gone) { DocumentGone(gone); });
    auto changed = [this, document] { DocumentChanged(document); };
    connect(document, &LevelDocument::cellsChanged, this, changed);
    connect(document, &LevelDocument::levelReplaced, this, changed);
    connect(document, &LevelDocument::fileNameChanged, this,
            [this, document] { Attach(document); });
    connect(document, &LevelDocument::modifiedChanged, this, [this, document] {
        for (const Row& row : m_Rows)
            if (row.document == document)
                EmitRow(row, {Qt::DisplayRole, ModifiedRole});
    });
    Attach(document);
}

// Puts the document on the row of its file, if the folder has one, and
// takes it off any other.
void EpisodeModel::Attach(LevelDocument* document) {
    const QString path = absolute(document->fileName());
    for (Row& row : m_Rows) {
        const bool belongs = row.entry.path == path;
        if (belongs == (row.document == document))
            continue;
        row.document = belongs ? document : nullptr;
        EmitRow(row, {Qt::DisplayRole, ModifiedRole, OpenRole});
        Refresh(row);
    }
}

void EpisodeModel::DocumentChanged(LevelDocument* document) {
    for (Row& row : m_Rows)
        if (row.document == document && !row.waiting) {
            row.waiting = true;
            if (!m_RedrawTimer.isActive())
                m_RedrawTimer.start();
        }
}

// A closed document's row shows another document open on its file, or else
// the file again.
void EpisodeModel::DocumentGone(QObject* document) {
    // Only the address is compared: the document is being destroyed, and
    // is no longer a LevelDocument.
    m_Documents.removeIf([document](const LevelDocument* d) { return d == document; });
    std::vector<Row*> left;
    for (Row& row : m_Rows)
        if (row.document == document) {
            row.document = nullptr;
            left.push_back(&row);
        }
    for (LevelDocument* other : m_Documents)
        Attach(other);
    for (Row* row : left)
        if (!row->document) {
            EmitRow(*row, {Qt::DisplayRole, ModifiedRole, OpenRole});
            Refresh(*row);
        }
}

// Draws the levels whose edits waited, except those in the middle of a
// stroke: they wait for its end.
void EpisodeModel::RedrawWaiting() {
    bool again = false;
    for (Row& row : m_Rows) {
        if (!row.waiting)
            continue;
        if (row.document && row.document->StrokeOpen())
            again = true;
        else
            Refresh(row);
    }
    if (again)
        m_RedrawTimer.start();
}

// ---- The folder on disk ----

void EpisodeModel::Rescan() {
    if (m_Path.isEmpty())
        return;
    EpisodeFolder scanned;
    // Emptied or gone: no level shows until files come back.
    if (!EpisodeFolder::Scan(m_Path, m_Episode, scanned))
        scanned = EpisodeFolder();
    ApplyScan(scanned);
}

// Takes the folder's new list of files: rows of files gone leave, rows of
// new files come, and files changed by others are read again.
void EpisodeModel::ApplyScan(const EpisodeFolder& folder) {
    for (int i = int(m_Rows.size()) - 1; i >= 0; --i) {
        const EpisodeFolder::Entry* entry = folder.Find(m_Rows[size_t(i)].entry.number);
        if (entry && entry->path == m_Rows[size_t(i)].entry.path)
            continue;
        beginRemoveRows(QModelIndex(), i, i);
        if (m_Rows[size_t(i)].entry.number == GameLimits::MapLevelNumber) {
            m_Map.reset();
            emit mapChanged();
        }
        m_Rows.erase(m_Rows.begin() + i);
        endRemoveRows();
    }
    m_Folder = folder;
    for (const EpisodeFolder::Entry& entry : folder.Levels()) {
        if (RowOfPath(entry.path))
            continue;
        const auto at = std::find_if(m_Rows.begin(), m_Rows.end(), [&entry](const Row& r) {
            return r.entry.number > entry.number;
        });
        const int index = int(at - m_Rows.begin());
        beginInsertRows(QModelIndex(), index, index);
        m_Rows.insert(at, Row(entry));
        endInsertRows();
    }
    for (LevelDocument* document : m_Documents)
        Attach(document);
    for (Row& row : m_Rows) {
        const QFileInfo file(row.entry.path);
        const bool changedOnDisk =
            file.lastModified() != row.modified || file.size() != row.fileSize;
        if (row.asked == 0 || (!row.document && changedOnDisk && row.received == row.asked))
            Refresh(row);
    }
    UpdateAcross();
}

// ---- What the rows show ----

int EpisodeModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_Rows.size());
}

QString EpisodeModel::DisplayText(const Row& row) const {
    QString text = row.entry.name;
    if (row.document && row.document->isModified())
        text += QStringLiteral(" *");
    const QStringList counts = {tr("%n errors", nullptr, count(row.findings, Severity::Error)),
                                tr("%n warnings", nullptr, count(row.findings, Severity::Warning))};
    const QString size = row.level ? tr("%1 x %2").arg(row.level->Width()).arg(row.level->Height())
                                   : (row.received ? tr("unreadable") : tr("reading"));
    return text + QLatin1Char('\n') + size + QStringLiteral(", ") +
           counts.join(QStringLiteral(", "));
}

QString EpisodeModel::ToolTipText(const Row& row) const {
    QStringList lines{QDir::toNativeSeparators(row.entry.path)};
    for (size_t i = 0; i < row.findings.size() && i < size_t(ToolTipFindings); ++i) {
        const Finding& f = row.findings[i];
        const QString place = f.HasCell() ? QStringLiteral("%1,%2: ").arg(f.x).arg(f.y) : QString();
        lines << place + SeverityText(f.severity) + QStringLiteral(": ") + f.message;
    }
    if (row.findings.size() > size_t(ToolTipFindings))
        lines << tr("... and %1 more").arg(row.findings.size() - size_t(ToolTipFindings));
    return lines.join(QLatin1Char('\n'));
}

QVariant EpisodeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(m_Rows.size()))
        return {};
    const Row& row = m_Rows[size_t(index.row())];
    const bool read = row.level != nullptr;
    switch (role) {
    case Qt::DisplayRole:
        return DisplayText(row);
    case Qt::ToolTipRole:
        return ToolTipText(row);
    case Qt::DecorationRole:
    case ThumbnailRole:
        return row.thumbnail;
    case NumberRole:
        return row.entry.number;
    case FilePathRole:
        return row.entry.path;
    case LevelSizeRole:
        return read ? QSize(row.level->Width(), row.level->Height()) : QSize();
    case ErrorCountRole:
        return count(row.findings, Severity::Error);
    case WarningCountRole:
        return count(row.findings, Severity::Warning);
    case NoteCountRole:
        return count(row.findings, Severity::Note);
    case HasProblemsRole:
        return count(row.findings, Severity::Error) + count(row.findings, Severity::Warning) > 0;
    case ModifiedRole:
        return row.document && row.document->isModified();
    case OpenRole:
        return row.document != nullptr;
    default:
        return {};
    }
}

QHash<int, QByteArray> EpisodeModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert({{NumberRole, "number"},
                  {FilePathRole, "filePath"},
                  {LevelSizeRole, "levelSize"},
                  {ErrorCountRole, "errors"},
                  {WarningCountRole, "warnings"},
                  {NoteCountRole, "notes"},
                  {HasProblemsRole, "hasProblems"},
                  {ThumbnailRole, "thumbnail"},
                  {ModifiedRole, "modified"},
                  {OpenRole, "open"}});
    return names;
}
