#pragma once

#include "BrushSelection.h"
#include "EditTool.h"
#include "IoResult.h"
#include "Level.h"
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

class BrushTool;
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
// menus, through EditToolBox, and the view options), LevelEditorWindow_game.cpp (Test in Game,
// Check Level) and LevelEditorWindow_files.cpp (Save As's name and folder, the level's file changed
// on disk).
//
// The level, its file, its undo stack and modified state live in the
// window's LevelDocument; the mouse edits through the current EditTool; the
// canvas view follows the document's signals. The handlers stay public so
// that the main window and the tests can drive the window exactly as the
// user's events do; the state is read through the accessors.
class LevelEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit LevelEditorWindow(EditorHost& host, QWidget* parent = nullptr);
    ~LevelEditorWindow() override;

    // ---- Public operations ----
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

    // The menus that take the main window's place while this window is the
    // active child.
    QList<QMenu*> Menus() const;
    EditorHost& Host() const { return m_Host; }

    // ---- State ----
    // The level being edited: the document's, read-only here.
    LevelDocument& Document() { return *m_Document; }
    const LevelDocument& Document() const { return *m_Document; }
    // The level differs from what was last made, loaded or saved (the
    // document's undo stack is away from its clean state, or a drag has
    // written cells not yet on it).
    bool IsModified() const;
    QString FileName() const;
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
    // The canvas's zoom (the palettes' and the preview's are
    // EditGeometry::PaletteZoom and PreviewZoom).
    ZoomLevel CanvasZoom() const;
    // While the level preview is open the canvas follows the preview only.
    bool PreviewOpen() const;
    bool ShowsInfoValues() const { return m_ShowInfoValues; }

private:
    BrushSelection m_Selection;
    // A press of the sprite picker in progress.
    SpritePick m_SpritePick{m_Selection};
    LevelDocument* m_Document = nullptr;
    std::shared_ptr<const TileSet> m_Tiles;
    std::shared_ptr<const SpriteSet> m_Sprites;
    bool m_ShowInfoValues = false;

public:
    const Level& m_Level;

    // ---- Controls ----
    PictureBox* picLevelPreview = nullptr;
    PictureBox* picTiles = nullptr;
    QScrollBar* scrTiles = nullptr;
    PickerButton* cmdTiles = nullptr;
    PickerButton* cmdSprites = nullptr;
    PictureBox* picTools = nullptr;
    PictureBox* picSelectedTile[2] = {nullptr, nullptr};
    QLabel* lblSelectedTile[2] = {nullptr, nullptr};
    PictureBox* picSelectedSprite = nullptr;
    QLabel* lblSelectedSprite = nullptr;
    QToolButton* optMode[2] = {nullptr, nullptr};
    QLabel* lblPosition = nullptr;
    PictureBox* picTileSelector = nullptr;
    QScrollBar* scrTileSelector = nullptr;
    PictureBox* picSpriteSelector = nullptr;
    QScrollBar* scrSpriteSelector = nullptr;
    QPixmap imgCursor0; // the pick pointer's 32 x 32 picture

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileClose = nullptr;
    QAction* mnuFileSetPaths = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    QAction* mnuView1xZoom = nullptr;
    QMenu* mnuLevel = nullptr;
    QAction* mnuLevelProperties = nullptr;

    // ---- Unsaved changes (LevelEditorWindow.cpp) ----
    // The name the close question and the main window's title use: the
    // file's name, or "Untitled" for a level never saved.
    QString DocumentName() const;
    // Asks what must be confirmed before the level is written (a level too
    // large for the game, once per window; then the level checker's other
    // errors, whenever one was not accepted at the last Yes). True to go on.
    bool ConfirmSave();

    // ---- Window, menus, files, zoom (LevelEditorWindow.cpp) ----
    void Form_Resize();
    // True when the window may close: nothing unsaved, or the user chose
    // Discard, or saved successfully. False keeps the window open.
    bool Form_QueryUnload();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    // True when the level was written.
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    void mnuFileClose_Click();
    void mnuFileSetPaths_Click();
    void mnuFileExit_Click();
    void mnuViewZoomIn_Click();
    void mnuViewZoomOut_Click();
    void mnuView1xZoom_Click();
    // Sets the canvas's zoom and draws it again.
    void SetCanvasZoom(int zoom);

    // ---- Canvas options and mode buttons (LevelEditorWindow_canvas.cpp) ----
    void RedrawEdit();
    void optMode_Click(int index);
    void optMode_GotFocus(int index);
    void lblPosition_Click();

    // ---- Tile palette (LevelEditorWindow_tiles.cpp) ----
    void picTiles_Paint();
    void scrTiles_Change();
    void scrTiles_Scroll();
    void picTiles_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void picTiles_Resize();
    void picSelectedTile_Paint(int index);
    void picTileSelector_Resize();
    void picTileSelector_Paint();
    // Picks the tile at (x, y) of the selector for the slot of `buttons`.
    void PickTileAt(Qt::MouseButtons buttons, int x, int y);

    // ---- Sprite palette (LevelEditorWindow_sprites.cpp) ----
    void picSelectedSprite_Paint();
    void picSpriteSelector_Resize();
    void picSpriteSelector_Paint();
    void PickSpriteAt(int x, int y);

    // ---- Level preview (LevelEditorWindow_preview.cpp) ----
    void picLevelPreview_Paint();
    void OpenLevelPreview();
    // x, y: pointer position in the window's inner area, pixels.
    void FollowLevelPreview(int x, int y);
    void CloseLevelPreview();

    // ---- Picker buttons (LevelEditorWindow_pickers.cpp); x, y in pixels relative
    // to the button ----
    void cmdTiles_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void cmdTiles_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void cmdTiles_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                          double y);
    void cmdSprites_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                              double y);
    void cmdSprites_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double x,
                              double y);
    void cmdSprites_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                            double y);
    void cmdLevelPreview_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                                   double x, double y);
    void cmdLevelPreview_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
                                   double x, double y);
    void cmdLevelPreview_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, double x,
                                 double y);

    // ---- Level, Properties (LevelEditorWindow_properties.cpp) ----
    void mnuLevelProperties_Click();
    // After new sets and a new level size: the layout, the scroll ranges
    // and every view drawn from the sets or the level, again.
    void RelayoutAfterNewSets();

    // ---- Info values (LevelEditorWindow_info.cpp) ----
    // View, "Show &Info Values": every non-zero info value is written over
    // its cell on the canvas. Off at start; each window keeps its own.
    QAction* mnuViewInfoValues = nullptr;
    // The tool bar's "Value" box, enabled in sprite mode: while it holds a
    // valid value, the left button writes that value instead of the
    // selected sprite.
    QLabel* lblInfoValue = nullptr;
    QLineEdit* txtInfoValue = nullptr;
    // Makes the menu item, the box and the sprite tooltips (constructor).
    void CreateInfoValueControls();
    void mnuViewInfoValues_Click();
    void txtInfoValue_Change();
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
    // The tooltip of palette sprite `sprite`: its name in the game and the
    // info value it writes; empty for a number outside the episode's table.
    QString SpriteTip(int sprite) const;
    // The sprite a release at window point (x, y) over the open sprite
    // selector picks, or -1 outside it.
    int SpriteAt(int x, int y) const;

    // ---- Undo and redo (LevelEditorWindow_undo.cpp) ----
    // Every change to the level is a step on the document's stack: a
    // press-and-drag on the canvas ("Paint"), however many cells it wrote,
    // and a confirmed Level, Properties ("Properties"). The stack's clean
    // state is the saved level (IsModified); saving keeps the stack. Undo
    // and Redo are the stack's own actions.
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    // Makes the Edit menu (constructor).
    void CreateUndo();
    // Ends the current tool's drag after an undo or a redo.
    void EndDrag();

    // ---- Edit tools and view options (LevelEditorWindow_tools.cpp) ----
    QMenu* mnuTools = nullptr;
    QToolBar* tbrTools = nullptr;
    QAction* mnuViewGrid = nullptr;
    QAction* mnuViewTiles = nullptr;
    QAction* mnuViewSprites = nullptr;
    QAction* mnuViewFit = nullptr;
    // The tools, their menu and bar, the Edit and View items (constructor).
    void CreateTools();
    void mnuViewGrid_Click();
    void mnuViewTiles_Click();
    void mnuViewSprites_Click();
    // The largest zoom at which the whole level fits the canvas.
    void mnuViewFit_Click();
    // What the status bar shows for the tools and hidden planes.
    QString ToolStatusText() const;
    // ---- Test in Game, Check Level, saving with errors (LevelEditorWindow_game.cpp) ----
    QAction* mnuLevelTestInGame = nullptr;
    QAction* mnuLevelCheck = nullptr;
    // Adds the Level menu's items (constructor).
    void CreateGameControls();
    // Runs the level as it is now in the game under DOSBox, from a copy.
    void mnuLevelTestInGame_Click();
    void mnuLevelCheck_Click();
    // The game folder of the level's episode, asked for when none is known;
    // "" when the user cancelled.
    QString GameFolderToTest();
    // The number the level is played as: its file's, or one the user
    // chooses for a level without one; 0 when cancelled.
    int NumberToTest();
    // Scrolls cell (x, y) into the middle of the canvas and marks it.
    void ShowCell(int x, int y);
    // Takes the mark away (the check dock was closed).
    void ClearMarkedCell();
    // The cell of the finding chosen last, marked on the canvas; -1, -1
    // for none.
    QPoint MarkedCell() const { return m_MarkedCell; }
    // Draws the mark of MarkedCell over the canvas (its overlay).
    void DrawMarkedCell(QPainter& painter, const CanvasGeometry& geometry) const;

signals:
    // ToolStatusText may have changed.
    void ToolStatusChanged();
    // The canvas cell under the pointer changed (a move, a scroll, a zoom);
    // (-1, -1) when the pointer is over no cell of the level.
    void pointerCellChanged(QPoint cell);
    // The canvas's zoom may have changed (zoom commands, new tile sets).
    void zoomChanged(int exponent);
    // The window is closing and the user chose not to save its changes.
    void ChangesDiscarded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void ConnectDocument();
    // The document's level was replaced: new, loaded, or by a step.
    void document_LevelReplaced();
    void selection_TileChanged(int slot);
    void selection_SpriteChanged();
    void ConnectControls();
    void UpdateCaption();

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
    void diskBar_Reload();
    // True when the level may be saved: no errors but its size, none the
    // user has not accepted yet, or the user says so (LevelEditorWindow_game.cpp).
    bool ConfirmSaveWithErrors();

    // After a pointer event a tool handled: its preview and status.
    void ToolActed();
    void ApplyLayers();
    // The canvas's scroll ranges after a change of the level's size or sets.
    void RelayoutCanvas();

    // ---- Editing with the mouse (LevelEditorWindow_mouse.cpp) ----
    void canvas_Pressed(const ToolEvent& event);
    void canvas_Moved(const ToolEvent& event, bool newCell);
    void canvas_Released(const ToolEvent& event);

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
    // Takes the sets of the level's episode afresh, the canvas back at 1x
    // zoom, and lays out and draws everything again.
    void TakeEpisodeSets();
    // The questions before a save and what the user accepted.
    SaveQuestions m_SaveQuestions;
    // View, Show Grid, Show Tiles and Show Sprites.
    bool m_ShowGrid = false;
    bool m_ShowTiles = true;
    bool m_ShowSprites = true;
    QPoint m_MarkedCell{-1, -1};
    // Across the top while the level's file was changed by another program.
    DiskChangeBar* m_DiskBar = nullptr;
};
