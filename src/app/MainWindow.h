#pragma once

#include "CellFinder.h"
#include "EditorHost.h"
#include "EpisodeTileBehaviour.h"
#include "IoResult.h"
#include "RecoveryStore.h"
#include "SpriteSet.h"
#include "Surface.h"
#include "TileSet.h"

#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>

class FindDock;
class EpisodeDock;
class HelpMenu;
class OverviewDock;
class LevelCheckDock;
class MainStatusBar;
class MainWindowTitle;
class QAction;
class QDragEnterEvent;
class QDropEvent;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class RecentFilesMenu;
class WindowMenu;
class LevelEditorWindow;

// The main window: a multiple-document frame holding one editor window per
// open level. At start it finds the three episodes' graphics folders (from
// the settings file, or by asking), loads one tile set and one sprite set
// per episode and keeps them for the whole run; every editor window borrows
// the sets of its level's episode.
class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up: seeds the settings on a first start beside the demo
    // graphics, finds the folders and loads the graphics. False when the
    // user cancelled the paths dialog at a start without complete paths:
    // the program then ends.
    bool Start();

    // ---- Public operations ----
    void exitProgram() override;
    void newLevel() override;
    void openLevels() override;
    // The sets of episode index + 1; an index outside 0..2 gives an empty
    // set.
    std::shared_ptr<const TileSet> TileSets(int index) const override;
    std::shared_ptr<const SpriteSet> SpriteSets(int index) const override;
    QWidget* HostWindow() override { return this; }
    const EpisodeTileBehaviour* TileBehaviours() const override { return &m_TileBehaviours; }

    // Set Paths, from either File menu; open editor windows of an episode
    // whose folder changed take its new graphics.
    void setPaths() override;
    bool AskForPaths();
    bool LoadPaths();
    void LoadGraphics();

    // On a start with no settings file, points the three episodes at the
    // demo graphics the build puts beside the program, when they are there.
    // True when it wrote the settings.
    bool SeedDemoPaths();

    // The program's folder (where the demo graphics and levels lie); tests
    // put it elsewhere.
    QString ProgramFolder() const { return m_ProgramFolder; }
    void SetProgramFolder(const QString& folder) { m_ProgramFolder = folder; }

    // The open editor windows, in the order they were opened.
    QList<LevelEditorWindow*> Editors() const override;
    // The editor window in front, or nullptr.
    LevelEditorWindow* ActiveEditor() const;
    std::vector<LevelEditorWindow*> EpisodeEditors(const LevelEditorWindow& editor) const override;
    // The editor window of the level file `fileName`, or nullptr.
    LevelEditorWindow* EditorOf(const QString& fileName) const;
    // The folder a level was last opened from or saved in; on a first start
    // the demo levels'.
    QString LevelFolder() const override;

    // ---- Window placement ----
    // The main window's size, place and state as last closed (from the
    // settings file); on a first start 4/5 of the screen, centred.
    void RestorePlacement();
    // Stores them for the next start (on closing).
    void SavePlacement();

    // ---- Opening files by name (command line, drops, recent files) ----
    // Opens the level file in a new editor window as File, Open does with
    // the files chosen in its dialog; nullptr, after the same message, when
    // it cannot be opened. A file already open brings its window to the
    // front instead.
    LevelEditorWindow* OpenLevelFile(const QString& fileName);
    // Opens each file in turn; relative names start from the current folder.
    void OpenFiles(const QStringList& fileNames);
    void openRecentFile(const QString& fileName);
    void LevelSaved(const QString& fileName) override;
    // Level, Check Level: the check dock follows `editor` and checks it.
    void ShowLevelCheck(LevelEditorWindow& editor) override;
    // Edit, Find Tile or Value: the Find dock, filled in with what the
    // editor's left button paints.
    void ShowFind(LevelEditorWindow& editor) override;
    // Find Next and Find Previous: the next cell of the last search's list
    // (round past its ends, said in the status bar).
    void FindNext(LevelEditorWindow& editor, bool forward) override;

    // ---- The episode (Episode panel, world map, Save All, Close All) ----
    // File, Open Episode Folder: a folder chosen in a dialog, shown in the
    // Episode panel.
    void openEpisodeFolder();
    // Shows the levels of `episode` (0: the folder's own) in `folder` in
    // the Episode panel with the episode's graphics, and the panel itself
    // when `reveal`; why not when the folder holds none.
    IoResult ShowEpisode(const QString& folder, int episode = 0, bool reveal = true);
    void OpenLevelFromMap(const QString& fileName) override;
    QImage LevelThumbnail(const QString& fileName) const override;
    // File, Save All: every modified level, stopping at one not saved.
    void saveAll();
    // File, Close All: one question for every modified level, then every
    // editor window closes (none when the user cancels or a save fails).
    void closeAll();

    // ---- Recovery copies ----
    // Every editor window keeps a recovery copy of its level while it is
    // modified (RecoveryKeeper). At start, the copies that a program which
    // crashed, was killed or ended without saving left behind are listed;
    // the chosen ones open as modified windows of their files, the others
    // are discarded or kept for later as the user says.
    void OfferRecovery();
    // Where the copies lie; tests put them elsewhere.
    void SetRecoveryFolder(const QString& folder) { m_Recovery = RecoveryStore(folder); }

    // The graphics folder of episode index 0..2 as last loaded (empty when
    // none is set).
    QString GraphicsFolder(int index) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void NameParts();
    void AddRecentFile(const QString& fileName);
    void ShowMenus(const QList<QMenu*>& menus);
    // The editor window in front changed: its menus, status and check.
    void showActiveEditor(QMdiSubWindow* window);
    // A line of the check dock: its editor window comes to the front and
    // shows the cell.
    void showCheckedCell(LevelEditorWindow* editor, int x, int y);
    // The check dock came: the editor windows are brought inside the area
    // it left. It was closed: the cells it marked are marked no more.
    void checkDockShownOrHidden(bool visible);
    // Searches as the Find dock asks, from the active editor's level.
    void RunFind(CellFinder::Plane plane, qint16 value, bool wholeFolder);
    // Goes to line `row` of the Find dock's list: its level's window (opened
    // when it is not) comes to the front and shows and marks the cell.
    // The status bar names the cell and its place in the list, after
    // `before`; it says why when the cell cannot be gone to (false).
    bool GoToFound(int row, const QString& before = QString());
    // Moves and shrinks the editor window so that none of it is hidden
    // beyond the area's edges.
    void FitInsideArea(QMdiSubWindow* window);
    // The panel's chosen level marked on every open world map of its
    // folder.
    void MarkEpisodeLevel(int number);
    // The Episode panel's graphics: those of the episode it shows.
    void GiveEpisodeGraphics();
    void GiveEpisodePanelRoom();
    // Makes an editor window for `episode`, gives it the episode's sets,
    // lets `fill` give it its level and shows it. When `fill` fails the
    // window is discarded and the failure shown.
    // `adopted`, when it names an entry, is the recovery copy the level came
    // from, which the window keeps from then on.
    LevelEditorWindow* OpenEditor(int episode,
                                  const std::function<IoResult(LevelEditorWindow&)>& fill,
                                  RecoveryEntry adopted = {});
    void KeepRecoveryCopies(LevelEditorWindow& editor, RecoveryEntry adopted);
    // Opens the entry's level in a new window; why not when it cannot.
    IoResult RestoreEntry(RecoveryEntry& entry);
    // Editor windows of episodes whose folder differs from `before` take
    // the episode's new sets, when those loaded.
    void RefreshEditors(const QString (&before)[3]);
    // Each episode's tile behaviour table read again where its game or
    // graphics folder changed; the episode's windows take the new one.
    void LoadTileBehaviours();
    bool LoadTileSets();
    bool LoadSpriteSets();
    // Passes on whether a set loaded, keeping the reason when the set came
    // from a folder of the game's own files.
    bool Remember(const IoResult& loaded, int index);
    // Why loading from a folder of the game's own files failed; empty when
    // the last failure, if any, was a folder of exported bitmaps.
    QString m_GameFilesError;
    EpisodeTileBehaviour m_TileBehaviours;

    // ---- State ----
    // One set of each per episode, shared by its editor windows; a set that
    // failed to load is empty, one never loaded null.
    std::shared_ptr<const TileSet> m_TileSets[3];
    std::shared_ptr<const SpriteSet> m_SpriteSets[3];
    QString m_Paths[3];
    // Scratch surface the sprite sets cut their frames on; never shown.
    Surface m_SpriteScratch;

    QMdiArea* m_MdiArea = nullptr;
    // The File menu shown while no level is open; each editor window has its
    // own, which shares the recent files submenu.
    QMenu* m_FileMenu = nullptr;
    QAction* m_NewAction = nullptr;
    QAction* m_OpenAction = nullptr;
    QAction* m_OpenEpisodeAction = nullptr;
    QAction* m_SaveAllAction = nullptr;
    QAction* m_CloseAllAction = nullptr;
    QAction* m_SetPathsAction = nullptr;
    QAction* m_ExitAction = nullptr;
    RecentFilesMenu* m_RecentMenu = nullptr;
    WindowMenu* m_WindowMenu = nullptr;
    HelpMenu* m_HelpMenu = nullptr;
    MainStatusBar* m_StatusBar = nullptr;
    // Along the bottom: what the active editor's level holds that may keep
    // it from playing (Level, Check Level).
    LevelCheckDock* m_CheckDock = nullptr;
    // Beside the editors: the levels of the episode's folder.
    EpisodeDock* m_EpisodeDock = nullptr;

    QString m_ProgramFolder;
    RecoveryStore m_Recovery;
    // The title names the level of the editor whose menus are shown.
    MainWindowTitle* m_Title = nullptr;
    // Edit, Find Tile or Value's list.
    FindDock* m_FindDock = nullptr;
    // The active level drawn small, with the canvas's view.
    OverviewDock* m_OverviewDock = nullptr;
};
