#pragma once

#include "EpisodeCheck.h"
#include "EpisodeFolder.h"
#include "IoResult.h"
#include "MapIndex.h"
#include "ThumbnailJob.h"

#include <QAbstractListModel>
#include <QFileSystemWatcher>
#include <QImage>
#include <QSize>
#include <QThreadPool>
#include <QTimer>
#include <memory>
#include <vector>

class LevelDocument;
class LevelRenderer;
class SpriteSet;
class TileBehaviour;
class TileSet;

// The levels of an episode's folder as the Episode panel lists them, one
// row a level file sorted by number: its number, file, size, thumbnail and
// check summary (the level's own findings with those across the episode).
//
// Levels open in a LevelDocument that the model follows show their
// current, unsaved state and a modified mark; edits are coalesced: a
// change waits for the redraw delay, and for the end of the stroke it
// belongs to, so that a drag redraws its level's thumbnail once. The
// folder itself is watched: files added, removed or replaced by other
// programs show.
//
// Reading, checking and drawing run on a pool of threads of the model's
// own (ThumbnailJob) and report their progress; the rows are there at once.
class EpisodeModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role {
        NumberRole = Qt::UserRole + 1, // int
        FilePathRole,                  // QString, absolute
        LevelSizeRole,                 // QSize in cells; invalid until read or unreadable
        ErrorCountRole,                // int
        WarningCountRole,              // int
        NoteCountRole,                 // int
        HasProblemsRole,               // bool: errors or warnings
        ThumbnailRole,                 // QImage; null until drawn
        ModifiedRole,                  // bool: followed with unsaved changes
        OpenRole,                      // bool: followed from an open document
    };

    explicit EpisodeModel(QObject* parent = nullptr);
    ~EpisodeModel() override;

    // The episode's graphics, shared read-only: the model draws from sets
    // of its own that share their pictures. Every thumbnail is drawn again.
    void SetGraphics(const TileSet& tiles, const SpriteSet& sprites);
    // The game's tile table for the checks' tile rules; null leaves them out.
    void SetTileBehaviour(std::shared_ptr<const TileBehaviour> table);

    // Lists the levels of `episode` (0: the folder's own, see
    // EpisodeFolder) in `folder`. On failure the model is empty and the
    // result says why.
    IoResult SetFolder(const QString& folder, int episode = 0);
    QString Folder() const { return m_Path; }
    int Episode() const { return m_Episode; }
    // What the choice of episode left aside (EpisodeFolder::Note).
    QString FolderNote() const { return m_Folder.Note(); }

    // Follows `document` from now until it is destroyed: while its file is
    // one of the folder's levels, that row shows the document's state.
    void Follow(LevelDocument* document);

    int RowOfNumber(int number) const;
    // Whole-level findings first, then in row order.
    std::vector<Finding> Findings(int row) const;
    // Findings about a level the folder lacks (the world map).
    std::vector<Finding> FolderFindings() const;
    // The index of the map's present state; null while it is not read or
    // when it cannot be.
    const MapIndex* Map() const { return m_Map.get(); }

    // How long an edit waits before its thumbnail is drawn again.
    void SetRedrawDelay(int milliseconds);
    // Whether thumbnails are being drawn or waiting to be.
    bool Busy() const;
    // Draws whatever waits, even in an open stroke, and returns once every
    // row shows its present state.
    void WaitForThumbnails();
    // Writes the thumbnails of the levels that could be read as a contact
    // sheet (ContactSheet) in PNG form.
    IoResult ExportContactSheet(const QString& path);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    // While thumbnails are drawn: `done` of `total` so far; done == total
    // once all are.
    void thumbnailProgress(int done, int total);
    // The map's index changed (its entrances or blockers may have).
    void mapChanged();

private:
    struct Row {
        explicit Row(const EpisodeFolder::Entry& file) : entry(file) {}

        EpisodeFolder::Entry entry;
        LevelDocument* document = nullptr; // followed; never used once destroyed
        std::shared_ptr<const Level> level;
        std::vector<Finding> own;
        std::vector<Finding> findings; // own and across the episode
        QImage thumbnail;
        QDateTime modified;
        qint64 fileSize = -1;
        quint64 asked = 0;    // the newest job's generation
        quint64 received = 0; // the generation shown
        bool waiting = false; // an edit waits for the redraw timer
    };

    Row* RowOfPath(const QString& path);
    int IndexOf(const Row* row) const;
    void Refresh(Row& row);
    void Take(const ThumbnailJob::Result& result);
    void UpdateAcross();
    void EmitRow(const Row& row, const QList<int>& roles = {});
    void CountDone();

    void Attach(LevelDocument* document);
    void DocumentChanged(LevelDocument* document);
    void DocumentGone(QObject* document);
    void RedrawWaiting();
    void Rescan();
    void ApplyScan(const EpisodeFolder& folder);

    QString DisplayText(const Row& row) const;
    QString ToolTipText(const Row& row) const;

    // The folder and episode shown; its levels as last read (none when the
    // folder was emptied or went away after it was opened).
    QString m_Path;
    int m_Episode = 0;
    EpisodeFolder m_Folder;
    std::vector<Row> m_Rows;
    std::vector<EpisodeChecker::LevelFinding> m_Across;
    std::unique_ptr<MapIndex> m_Map;
    std::shared_ptr<const LevelRenderer> m_Renderer;
    std::shared_ptr<const TileBehaviour> m_Table;
    int m_TileCount = 0;
    QList<LevelDocument*> m_Documents;
    quint64 m_Generation = 0;
    int m_Started = 0;
    int m_Finished = 0;
    QTimer m_RedrawTimer;
    QTimer m_RescanTimer;
    QFileSystemWatcher m_Watcher;
    // Last, so that it is destroyed first: its destructor waits for the
    // jobs still running.
    QThreadPool m_Pool;
};
