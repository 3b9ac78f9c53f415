#pragma once

#include "BrushSelection.h"
#include "EditTool.h"
#include "IoResult.h"
#include "Level.h"
#include "LevelCheckModel.h"
#include "SaveQuestions.h"
#include "SpritePick.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

struct MapLink;
class BrushTool;
class QTimer;
class TileAnimation;
class TileBehaviour;
class CanvasGeometry;
class DiskChangeBar;
class CanvasView;
class QPainter;
class SelectorPanel;
class SpriteSelectorSource;
class EditTool;
class TileSelectorSource;
class EditToolBox;
class EditorHost;
class LevelCanvas;
class LevelDocument;
class PickerButton;
class PictureBox;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolBar;
class QToolButton;
class QUndoStack;

// The child window that edits one level: the canvas with its scroll bars
// and corner button, the tile strip with the two picker buttons, the tool
// bar with the selections, mode buttons and position label, the pop-up
// tile and sprite selectors and the level preview.
//
// The window is a thin face over its parts; its handlers are spread over
// several files by concern: LevelEditorWindow.cpp (window, menus, files, zoom),
// LevelEditorWindow_canvas.cpp (the canvas's options and the tool bar's mode
// buttons; the canvas itself, with its scrolling, zoom, wheel and keys, is
// a LevelCanvas), LevelEditorWindow_mouse.cpp (the canvas's events to the current
// tool),
// LevelEditorWindow_tiles.cpp and LevelEditorWindow_sprites.cpp (palettes; both selectors are a
// SelectorPanel), LevelEditorWindow_preview.cpp (level preview), LevelEditorWindow_pickers.cpp
// (picker buttons), LevelEditorWindow_properties.cpp (Level, Properties),
// LevelEditorWindow_undo.cpp (Edit menu), LevelEditorWindow_tools.cpp (the edit tools' bar and
// menus, through EditToolBox, and the view options), LevelEditorWindow_behaviour.cpp (what the
// game's tiles do: Show Tile Behaviour, Animate Tiles, the tiles' names),
// LevelEditorWindow_game.cpp (Test in Game, Check Level), LevelEditorWindow_files.cpp (Save
// As's name and folder, the level's file changed on disk) and LevelEditorWindow_map.cpp (the
// world map's entrances as links to their levels).
//
// The level, its file, its undo stack and modified state live in the
// window's LevelDocument; the mouse edits through the current EditTool; the
// canvas view follows the document's signals. Widgets and actions are
// private and carry object names (see NameControls), so that tests find
// them as a user does; the public face is what the main window needs.
class LevelEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit LevelEditorWindow(EditorHost& host, QWidget* parent = nullptr);
    ~LevelEditorWindow() override;

    // Shows the window and lays it out.
    void Display();
    // The episode's sets, shared with the main window and every other view
    // of the episode, for the canvas, the palettes and the preview (a null
    // set is taken as an empty one). Each view keeps its zoom.
    void SetTiles(std::shared_ptr<const TileSet> tiles);
    void SetSprites(std::shared_ptr<const SpriteSet> sprites);
    // New graphics for the level's episode (after Set Paths): the sets are
    // replaced and every view drawn again, keeping the zoom.
    void TakeNewGraphics(std::shared_ptr<const TileSet> tiles,
                         std::shared_ptr<const SpriteSet> sprites);
    void NewLevel(qint16 w, qint16 h, qint16 episode, qint16 levelnum);
    // Loads a level file; on failure the window keeps its empty level and
    // the result says why (the caller shows it and discards the window).
    IoResult LoadLevel(const QString& fileName);
    // Takes a level recovered after a crash as an unsaved state of
    // `fileName` (empty for a level never saved): the window shows that file
    // and counts as modified until the level is saved there.
    void RestoreLevel(const Level& level, const QString& fileName);
    void SetSelectedTile(qint16 index, qint16 tile);
    void SetSelectedSprite(qint16 sprite);
    // File, Save and File, Save As with their questions; true when the
    // level was written.
    bool Save();
    bool SaveAs();
    // Sets the canvas's zoom and draws it again.
    void SetCanvasZoom(int zoom);

    // The menus that take the main window's place while this window is the
    // active child.
    QList<QMenu*> Menus() const;
    // Puts `menu` into the File menu, before Save (the main window's
    // Recent Files).
    void AddFileSubmenu(QMenu* menu);
    // Adds the main window's `action` to the end of the View menu (the
    // Overview dock's toggle).
    void AddViewAction(QAction* action);
    // Puts the main window's actions into the File menu: `afterOpen` right
    // after Open, `afterClose` right after Close (Open Episode Folder; Save
    // All, Close All).
    void AddFileActions(const QList<QAction*>& afterOpen, const QList<QAction*>& afterClose);
    // Closes the window without asking, its changes discarded (the user
    // chose Discard All in Close All).
    void CloseDiscardingChanges();
    EditorHost& Host() const { return m_Host; }

    // The level being edited and its file, undo stack and modified state.
    LevelDocument& Document() { return *m_Document; }
    const LevelDocument& Document() const { return *m_Document; }
    // The level differs from what was last made, loaded or saved (the
    // document's undo stack is away from its clean state).
    bool IsModified() const;
    QString FileName() const;
    // The name the close question and the main window's title use: the
    // file's name, or "Untitled" for a level never saved.
    QString DocumentName() const;
    qint16 SelectedTile(int slot) const { return m_Selection.Tile(slot); }
    qint16 SelectedSprite() const { return m_Selection.Sprite(); }
    // 0 tile mode, 1 sprite mode.
    int Mode() const { return m_Selection.Mode(); }
    // Whether a press-and-drag on the canvas is in progress.
    bool Drawing() const;
    EditTool& CurrentTool() const;
    EditToolBox& Tools() const;
    CanvasView& Canvas() const { return *m_Canvas; }
    // The sets the canvas, the palettes and the preview draw with.
    const TileSet& Tiles() const { return *m_Tiles; }
    const SpriteSet& Sprites() const { return *m_Sprites; }
    // The same sets, for a view that keeps them (setsChanged tells when
    // they are replaced).
    std::shared_ptr<const TileSet> SharedTiles() const { return m_Tiles; }
    std::shared_ptr<const SpriteSet> SharedSprites() const { return m_Sprites; }
    // The canvas widget: its view (Origin, CellsShown, ScrollTo) and the
    // signal viewChanged, which the Overview dock follows.
    LevelCanvas& CanvasArea() const { return *m_LevelCanvas; }
    // The canvas's zoom (the palettes' and the preview's are
    // EditGeometry::PaletteZoom and PreviewZoom).
    ZoomLevel CanvasZoom() const;
    // The canvas's view: the cell at its top-left corner.
    QPoint ViewOrigin() const;
    // While the level preview is open the canvas follows the preview only.
    bool PreviewOpen() const;
    bool ShowsInfoValues() const { return m_ShowInfoValues; }
    // What the status bar shows for the tools and hidden planes.
    QString ToolStatusText() const;
    // What tile `tile` does in the level's episode, as the status bar and
    // the tiles' tooltips name it: "Tile 159: exit", or "Tile 159" without
    // the episode's table.
    QString TileText(int tile) const;
    // The episode's table for Check Level, or why there is none.
    LevelCheckModel::TileRules TileRules() const;
    // The episode's table (new after Set Paths): the overlay, the loops and
    // the View commands that need them follow it.
    void TakeTileBehaviour();
    // The tooltip of palette sprite `sprite`: its name in the game and the
    // info value it writes; empty for a number outside the episode's table.
    QString SpriteTip(int sprite) const;
    // The sprite a release at window point (x, y) over the open sprite
    // selector picks, or -1 outside it.
    int SpriteAt(int x, int y) const;

    // ---- Check Level's findings (LevelEditorWindow_game.cpp) ----
    // Scrolls cell (x, y) into the middle of the canvas and marks it.
    void ShowCell(int x, int y);
    // Takes the mark away (the check dock was closed).
    void ClearMarkedCell();
    // The cell of the finding chosen last, marked on the canvas; -1, -1
    // for none.
    QPoint MarkedCell() const { return m_MarkedCell; }

    // ---- The world map as the episode's index (LevelEditorWindow_map.cpp) ----
    // Marks the entrances and blockers of `level` on the map's canvas; 0
    // marks none. Nothing shows on a level that is not the world map.
    void MarkMapLevel(int level);
    int MarkedMapLevel() const { return m_MapMarkLevel; }

signals:
    // ToolStatusText may have changed.
    void toolStatusChanged();
    // The canvas cell under the pointer, after a move over the canvas, a
    // press or release on it, a scroll or a zoom; (-1, -1) when the pointer
    // is over no cell of the level or has left the canvas.
    void pointerCellChanged(QPoint cell);
    // The canvas's zoom may have changed (zoom commands, new tile sets).
    void zoomChanged(int zoom);
    // The window is closing and the user chose not to save its changes.
    void changesDiscarded();
    // The tile or sprite set was replaced (SharedTiles, SharedSprites).
    void setsChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private slots:
    // ---- File and View menus (LevelEditorWindow.cpp) ----
    void newLevel();
    void openLevels();
    void closeLevel();
    void setPaths();
    void exitProgram();
    void zoomIn();
    void zoomOut();
    void resetZoom();
    // ---- Mode buttons and position label (LevelEditorWindow_canvas.cpp) ----
    void chooseMode(int index);
    void modeButtonFocused(int index);
    void showScrollReport();
    // ---- Tile palette (LevelEditorWindow_tiles.cpp) ----
    void paintTileStrip();
    void scrollTileStrip();
    void dragTileStrip();
    void pickStripTile(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x, double y);
    // The strip's tooltip names the tile at `x` and what it does.
    void nameStripTile(double x);
    void layOutTileStrip();
    void paintSelectedTile(int index);
    void layOutTileSelector();
    void paintTileSelector();
    // ---- Sprite palette (LevelEditorWindow_sprites.cpp) ----
    void paintSelectedSprite();
    void layOutSpriteSelector();
    void paintSpriteSelector();
    // ---- Level preview (LevelEditorWindow_preview.cpp) ----
    void paintLevelPreview();
    // ---- Picker buttons (LevelEditorWindow_pickers.cpp); x, y in pixels
    // relative to the button ----
    void tilePickerPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                           double y);
    void tilePickerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                         double y);
    void tilePickerReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void spritePickerPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                             double y);
    void spritePickerMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                           double y);
    void spritePickerReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                              double y);
    // ---- Level, Properties (LevelEditorWindow_properties.cpp) ----
    void showProperties();
    // ---- Info values (LevelEditorWindow_info.cpp) ----
    // View, "Show &Info Values": every non-zero info value is written over
    // its cell on the canvas. Off at start; each window keeps its own.
    void toggleInfoValues();
    void infoValueEdited();
    // ---- View options (LevelEditorWindow_tools.cpp) ----
    void toggleGrid();
    void toggleTiles();
    void toggleSprites();
    // The largest zoom at which the whole level fits the canvas.
    void fitLevel();
    // ---- Tile behaviour (LevelEditorWindow_behaviour.cpp) ----
    // View, "Show Tile &Behaviour": what each tile does, over the canvas.
    void toggleTileBehaviour();
    // View, "&Animate Tiles": the tiles' loops cycle at the game's pace.
    void toggleTileAnimation();
    // The animation's next step, on the timer.
    void animateTiles();
    // ---- Level menu (LevelEditorWindow_game.cpp) ----
    // Runs the level as it is now in the game under DOSBox, from a copy.
    void testInGame();
    void checkLevel();
    // ---- Document and selection ----
    // The document's level was replaced: new, loaded, or by a step.
    void levelReplaced();
    void selectedTileChanged(int slot);
    void selectedSpriteChanged();
    void reloadFromDisk();

private:
    void CreateControls();
    void CreateMenus();
    // Gives every widget and action its object name.
    void NameControls();
    void NameForScreenReaders();
    void ConnectDocument();
    void ConnectControls();
    void UpdateCaption();
    // Lays out the panels in the window (on every resize).
    void LayOut();
    // True when the window may close: nothing unsaved, or the user chose
    // Discard, or saved successfully. False keeps the window open.
    bool QueryClose();
    // Asks what must be confirmed before the level is written (a level too
    // large for the game, once per window; then the level checker's other
    // errors, whenever one was not accepted at the last Yes). True to go on.
    bool ConfirmSave();

    // ---- Canvas options (LevelEditorWindow_canvas.cpp) ----
    void RedrawEdit();

    // ---- Palettes (LevelEditorWindow_tiles.cpp, LevelEditorWindow_sprites.cpp) ----
    // Picks the tile at (x, y) of the selector for the slot of `buttons`.
    void PickTileAt(Qt::MouseButtons buttons, int x, int y);
    void PickSpriteAt(int x, int y);
    // The tile strip's scroll range for the palette's tile size and the
    // strip's width.
    void SetUpTileStrip();

    // ---- Level preview (LevelEditorWindow_preview.cpp) ----
    void OpenLevelPreview();
    // x, y: pointer position in the window's inner area, pixels.
    void FollowLevelPreview(int x, int y);
    void CloseLevelPreview();
    void previewButtonPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                              double y);
    void previewButtonMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void previewButtonReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                               double y);

    // After new sets and a new level size: the layout, the scroll ranges
    // and every view drawn from the sets or the level, again.
    void RelayoutAfterNewSets();
    // Takes the sets of the level's episode afresh, the canvas back at 1x
    // zoom, and lays out and draws everything again.
    void TakeEpisodeSets();

    // ---- Info values (LevelEditorWindow_info.cpp) ----
    // Makes the menu item, the box and the sprite tooltips (constructor).
    void CreateInfoValueControls();
    // The value the box holds, if its text is a valid value.
    std::optional<qint16> TypedInfoValue() const;
    // What the left button writes in sprite mode.
    qint16 InfoValueToPlace() const;
    // After a Ctrl+press in sprite mode on a cell holding `value`: 0 does
    // nothing; a value that shows no sprite goes into the box, the sprite
    // selection staying as it was; a sprite's value selects that sprite and
    // empties the box, so that the sprite is what is placed next.
    void PickInfoValue(qint16 value);
    // The selected-sprite box and its label show what the left button
    // places: the value in the box, lettered, while there is one, otherwise
    // the selected sprite.
    void ShowLeftButtonSprite();

    // ---- Undo and redo (LevelEditorWindow_undo.cpp) ----
    // Every change to the level is a step on the document's stack: a
    // press-and-drag on the canvas ("Paint"), however many cells it wrote,
    // and a confirmed Level, Properties ("Properties"). The stack's clean
    // state is the saved level (IsModified); saving keeps the stack. Undo
    // and Redo are the stack's own actions. Makes the Edit menu
    // (constructor).
    void CreateUndo();
    // Ends the current tool's drag after an undo or a redo.
    void EndDrag();

    // ---- Edit tools and view options (LevelEditorWindow_tools.cpp) ----
    // The tools, their menu and bar, the Edit and View items (constructor).
    void CreateTools();
    // After a pointer event a tool handled: its preview and status.
    void ToolActed();
    void ApplyLayers();
    // Edit, Replace Tile...: the dialog, then the replacement.
    void replaceTile();

    // ---- Tile behaviour (LevelEditorWindow_behaviour.cpp) ----
    // The View menu's two items and the animation's timer (constructor).
    void CreateTileBehaviourControls();
    // The canvas, strip and preview follow the two View items.
    void ApplyTileBehaviour();
    // Whether the tiles' loops cycle now.
    bool Animating() const;
    // The timer runs while the window animates and is shown.
    void FollowAnimationTimer();
    // The tile the palettes show for `tile` at the animation's frame.
    qint16 ShownTile(qint16 tile) const;
    // The tile strip's cells drawn again: all, or those that animate.
    void PaintStripCells(bool animatedOnly);
    // The level preview's cells that change between two frames, drawn.
    void AnimatePreview(int from, int to);

    // ---- Test in Game, Check Level, saving with errors (LevelEditorWindow_game.cpp) ----
    // Adds the Level menu's items (constructor).
    void CreateGameControls();
    // The game folder of the level's episode, asked for when none is known;
    // "" when the user cancelled.
    QString GameFolderToTest();
    // The number the level is played as: its file's, or one the user
    // chooses for a level without one; 0 when cancelled.
    int NumberToTest();
    // Draws the mark of MarkedCell over the canvas (its overlay).
    void DrawMarkedCell(QPainter& painter, const CanvasGeometry& geometry) const;
    // True when the level may be saved: no errors but its size, none the
    // user has not accepted yet, or the user says so.
    bool ConfirmSaveWithErrors();

    // ---- Find (LevelEditorWindow_find.cpp) ----
    // Edit, Find Tile or Value, Find Next and Find Previous, which the
    // main window's Find dock answers (constructor).
    void CreateFindControls();
    // ---- The world map (LevelEditorWindow_map.cpp) ----
    void ConnectMapIndex();
    bool IsWorldMap() const;
    // What `cell` leads to while the level is the world map.
    MapLink MapLinkAt(QPoint cell) const;
    void mapToolTip(QPoint cell, QPoint globalPos);
    void mapContextMenu(QPoint cell, QPoint globalPos);
    // Opens the level an entrance at `cell` leads to; false when it is no
    // entrance or its level has no file beside the map.
    bool openMapLink(QPoint cell);
    void DrawMapMarks(QPainter& painter, const CanvasGeometry& geometry) const;

    // ---- Files (LevelEditorWindow_files.cpp) ----
    // What becomes of a save.
    enum class SaveRoute { Here, Elsewhere, Cancel };
    // Before File, Save writes the level's own file: when another program
    // changed it since it was loaded or saved, whether to overwrite it,
    // save elsewhere or not at all.
    SaveRoute RouteForChangedFile();
    // Writes the level to `fileName`, showing why when it fails; a file or
    // folder that cannot be written offers to save elsewhere.
    SaveRoute WriteLevel(const QString& fileName);
    // Save As without its questions before saving: the dialog in the
    // level's folder with its name (or a free level name), until a name
    // that can be saved is written or the user cancels.
    bool SaveAsChosenFile();
    // The bar that tells of the file changed on disk (constructor).
    void CreateDiskWatch();
    // The canvas's scroll ranges after a change of the level's size or sets.
    void RelayoutCanvas();

    // ---- Editing with the mouse (LevelEditorWindow_mouse.cpp) ----
    void canvasPressed(const ToolEvent& event);
    void canvasMoved(const ToolEvent& event, bool newCell);
    void canvasReleased(const ToolEvent& event);

    BrushSelection m_Selection;
    // A press of the sprite picker in progress.
    // The tile a Ctrl+drag in the tile selector started at, or -1.
    int m_StampCorner = -1;
    SpritePick m_SpritePick{m_Selection};
    LevelDocument* m_Document = nullptr;
    std::shared_ptr<const TileSet> m_Tiles;
    std::shared_ptr<const SpriteSet> m_Sprites;
    bool m_ShowInfoValues = false;
    // The document's level, read-only.
    const Level& m_Level;
    EditorHost& m_Host;
    std::unique_ptr<BrushTool> m_Brush;
    EditToolBox* m_Tools = nullptr;
    // The canvas, and the view that draws its picture.
    LevelCanvas* m_LevelCanvas = nullptr;
    CanvasView* m_Canvas = nullptr;
    std::unique_ptr<TileSelectorSource> m_TileSource;
    std::unique_ptr<SpriteSelectorSource> m_SpriteSource;
    SelectorPanel* m_TileSelector = nullptr;
    SelectorPanel* m_SpriteSelector = nullptr;
    // Set while the window itself replaces the level (new, load), whose
    // caller brings the sets.
    bool m_OwnReplace = false;
    // The questions before a save and what the user accepted.
    SaveQuestions m_SaveQuestions;
    // View, Show Grid, Show Tiles and Show Sprites.
    bool m_ShowGrid = false;
    bool m_ShowTiles = true;
    bool m_ShowSprites = true;
    QPoint m_MarkedCell{-1, -1};
    // The episode's tile behaviour table, and its loops when any tile
    // animates with the window's sheet.
    std::shared_ptr<const TileBehaviour> m_Behaviour;
    std::shared_ptr<const TileAnimation> m_Animation;
    QTimer* m_AnimationTimer = nullptr;
    // The level whose doors are marked on the world map; 0 for none.
    int m_MapMarkLevel = 0;
    // Set by CloseDiscardingChanges: the close asks nothing.
    bool m_DiscardOnClose = false;
    // Across the top while the level's file was changed by another program.
    DiskChangeBar* m_DiskBar = nullptr;

    // ---- Controls ----
    PictureBox* m_PreviewMap = nullptr;
    PictureBox* m_TileStrip = nullptr;
    QScrollBar* m_TileStripScrollBar = nullptr;
    PickerButton* m_TilePicker = nullptr;
    PickerButton* m_SpritePicker = nullptr;
    PictureBox* m_ToolPanel = nullptr;
    PictureBox* m_SelectedTileBox[2] = {nullptr, nullptr};
    QLabel* m_SelectedTileLabel[2] = {nullptr, nullptr};
    PictureBox* m_SelectedSpriteBox = nullptr;
    QLabel* m_SelectedSpriteLabel = nullptr;
    QToolButton* m_ModeButton[2] = {nullptr, nullptr};
    QLabel* m_PositionLabel = nullptr;
    PictureBox* m_TileSelectorBox = nullptr;
    QScrollBar* m_TileSelectorScrollBar = nullptr;
    PictureBox* m_SpriteSelectorBox = nullptr;
    QScrollBar* m_SpriteSelectorScrollBar = nullptr;
    // The tool bar's "Value" box, enabled in sprite mode: while it holds a
    // valid value, the left button writes that value instead of the
    // selected sprite.
    QLabel* m_InfoValueLabel = nullptr;
    QLineEdit* m_InfoValueEdit = nullptr;
    QToolBar* m_ToolBar = nullptr;
    QPixmap m_PickPointer; // the pick pointer's 32 x 32 picture

    QMenu* m_FileMenu = nullptr;
    QAction* m_NewAction = nullptr;
    QAction* m_OpenAction = nullptr;
    QAction* m_SaveAction = nullptr;
    QAction* m_SaveAsAction = nullptr;
    QAction* m_CloseAction = nullptr;
    QAction* m_SetPathsAction = nullptr;
    QAction* m_ExitAction = nullptr;
    QMenu* m_EditMenu = nullptr;
    QAction* m_UndoAction = nullptr;
    QAction* m_RedoAction = nullptr;
    QAction* m_ReplaceTileAction = nullptr;
    QMenu* m_ViewMenu = nullptr;
    QAction* m_ZoomInAction = nullptr;
    QAction* m_ZoomOutAction = nullptr;
    QAction* m_ActualSizeAction = nullptr;
    QAction* m_GridAction = nullptr;
    QAction* m_ShowTilesAction = nullptr;
    QAction* m_ShowSpritesAction = nullptr;
    QAction* m_FitLevelAction = nullptr;
    QAction* m_InfoValuesAction = nullptr;
    QAction* m_ShowBehaviourAction = nullptr;
    QAction* m_AnimateTilesAction = nullptr;
    QMenu* m_ToolsMenu = nullptr;
    QMenu* m_LevelMenu = nullptr;
    QAction* m_PropertiesAction = nullptr;
    QAction* m_TestInGameAction = nullptr;
    QAction* m_CheckLevelAction = nullptr;
    QAction* m_FindAction = nullptr;
    QAction* m_FindNextAction = nullptr;
    QAction* m_FindPreviousAction = nullptr;
};
