#pragma once

#include "IoResult.h"
#include "Level.h"
#include "Navigation.h"
#include "PaintRecorder.h"
#include "PaletteGeometry.h"
#include "SaveQuestions.h"
#include "SpriteSet.h"
#include "TileSet.h"

#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <optional>

class EditorHost;
class LevelCheckPanel;
class PickerButton;
class PictureBox;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollBar;
class QToolButton;
class QUndoStack;
struct LevelState;

// The child window that edits one level: the canvas with its scroll bars
// and corner button, the tile strip with the two picker buttons, the tool
// bar with the selections, mode buttons and position label, the pop-up
// tile and sprite selectors and the level preview.
//
// The window's member functions are spread over several files by concern:
// frmEdit.cpp (window, menus, files, zoom), frmEdit_canvas.cpp (drawing and
// scrolling of the canvas), frmEdit_mouse.cpp (editing with the mouse),
// frmEdit_tiles.cpp and frmEdit_sprites.cpp (palettes), frmEdit_preview.cpp
// (level preview), frmEdit_pickers.cpp (picker buttons) and
// frmEdit_properties.cpp (Level, Properties).
//
// Controls, state and handlers are public so that the main window and the
// tests can drive the window exactly as the user's events do.
class frmEdit : public QWidget {
    Q_OBJECT
public:
    explicit frmEdit(EditorHost& host, QWidget* parent = nullptr);
    ~frmEdit() override;

    // ---- Public operations ----
    // Shows the window and lays it out.
    void Display();
    // Take clones of the episode's sets (canvas, palettes, preview).
    void SetTiles(const TileSet& tiles);
    void SetSprites(const SpriteSet& sprites);
    // New graphics for the level's episode (after Set Paths): the sets are
    // replaced and every view drawn again, keeping the zoom.
    void TakeNewGraphics(const TileSet& tiles, const SpriteSet& sprites);
    void NewLevel(qint16 w, qint16 h, qint16 episode, qint16 levelnum);
    // Loads a level file; on failure the window keeps its empty level and
    // the result says why (the caller shows it and discards the window).
    IoResult LoadLevel(const QString& fileName);
    void SetSelectedTile(qint16 index, qint16 tile);
    void SetSelectedSprite(qint16 sprite);

    // The menus that take the main window's place while this window is the
    // active child.
    QList<QMenu*> Menus() const;
    EditorHost& Host() const { return m_Host; }

    // ---- State ----
    Level m_Level;
    TileSet m_Tiles;
    TileSet m_PaletteTiles;
    TileSet m_PreviewTiles;
    SpriteSet m_Sprites;
    SpriteSet m_PaletteSprites;
    SpriteSet m_PreviewSprites;
    qint16 m_SelectedTiles[2] = {0, 0};
    qint16 m_SelectedSprite = 0;
    bool m_Drawing = false;
    QString m_FileName;
    qint16 m_Mode = 0;
    bool m_SuppressRedraw = false;

    // ---- Controls ----
    PictureBox* picEditHolder = nullptr;
    PictureBox* picEdit = nullptr;
    QScrollBar* scrEditX = nullptr;
    QScrollBar* scrEditY = nullptr;
    PickerButton* cmdLevelPreview = nullptr;
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

    // ---- Unsaved changes (frmEdit_undo.cpp) ----
    // The level differs from what was last made, loaded or saved: the undo
    // stack is away from its clean state, a drag has written cells not yet
    // on the stack, or a change the stack does not hold was made.
    bool IsModified() const;
    // A change the undo stack does not hold; it stays until the next save.
    void MarkModified();
    // The level is as it was last made, loaded or saved.
    void MarkSaved();
    // The name the close question and the caption use: the file's name,
    // or "Untitled" for a level never saved.
    QString DocumentName() const;
    // Asks what must be confirmed before the level is written (a level too
    // large for the game), each question once per window. True to go on.
    bool ConfirmSave();
    SaveQuestions m_SaveQuestions;

    // ---- Window, menus, files, zoom (frmEdit.cpp) ----
    void Form_Resize();
    // True when the window may close: nothing unsaved, or the user chose
    // No, or saved successfully. False keeps the window open.
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

    // ---- Canvas drawing and scrolling (frmEdit_canvas.cpp) ----
    void RedrawEdit();
    void picEdit_Paint();
    void scrEditX_Change();
    void scrEditX_Scroll();
    void scrEditY_Change();
    void scrEditY_Scroll();
    void picEditHolder_Resize();
    void optMode_Click(int index);
    void optMode_GotFocus(int index);
    void lblPosition_Click();

    // ---- Editing with the mouse (frmEdit_mouse.cpp) ----
    void picEdit_MouseDown(int button, int shift, double x, double y);
    void picEdit_MouseMove(int button, int shift, double x, double y);
    void picEdit_MouseUp(int button, int shift, double x, double y);
    // The cell under the pointer at the drag's previous event, so that a
    // fast drag paints the whole line between two events.
    PaletteGeometry::Cell m_DragCell;

    // ---- Tile palette (frmEdit_tiles.cpp) ----
    void picTiles_Paint();
    void scrTiles_Change();
    void scrTiles_Scroll();
    void picTiles_MouseDown(int button, int shift, double x, double y);
    void picTiles_Resize();
    void picSelectedTile_Paint(int index);
    void picTileSelector_Resize();
    void picTileSelector_Paint();
    void PickTileAt(int button, int x, int y);

    // ---- Sprite palette (frmEdit_sprites.cpp) ----
    void picSelectedSprite_Paint();
    void picSpriteSelector_Resize();
    void picSpriteSelector_Paint();
    void PickSpriteAt(int x, int y);

    // ---- Level preview (frmEdit_preview.cpp) ----
    void picLevelPreview_Paint();
    void OpenLevelPreview();
    // x, y: pointer position in the window's inner area, pixels.
    void FollowLevelPreview(int x, int y);
    void CloseLevelPreview();

    // ---- Picker buttons (frmEdit_pickers.cpp); x, y in pixels relative
    // to the button ----
    void cmdTiles_MouseDown(int button, int shift, double x, double y);
    void cmdTiles_MouseMove(int button, int shift, double x, double y);
    void cmdTiles_MouseUp(int button, int shift, double x, double y);
    void cmdSprites_MouseDown(int button, int shift, double x, double y);
    void cmdSprites_MouseMove(int button, int shift, double x, double y);
    void cmdSprites_MouseUp(int button, int shift, double x, double y);
    void cmdLevelPreview_MouseDown(int button, int shift, double x, double y);
    void cmdLevelPreview_MouseMove(int button, int shift, double x, double y);
    void cmdLevelPreview_MouseUp(int button, int shift, double x, double y);

    // ---- Level, Properties (frmEdit_properties.cpp) ----
    void mnuLevelProperties_Click();
    // After new sets and a new level size: the layout, the scroll ranges
    // and every view drawn from the sets or the level, again.
    void RelayoutAfterNewSets();

    // ---- Info values (frmEdit_info.cpp) ----
    // View, "Show &Info Values": every non-zero info value is written over
    // its cell on the canvas. Off at start; each window keeps its own.
    bool m_ShowInfoValues = false;
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
    // Draws the overlay on the canvas when it is on (part of RedrawEdit).
    void DrawInfoValues();
    // The tooltip of palette sprite `sprite`: its name in the game and the
    // info value it writes; empty for a number outside the episode's table.
    QString SpriteTip(int sprite) const;
    // The sprite a release at window point (x, y) over the open sprite
    // selector picks, or -1 outside it.
    int SpriteAt(int x, int y) const;

    // ---- Undo and redo (frmEdit_undo.cpp) ----
    // Every change to the level is a step on the window's own stack: a
    // press-and-drag on the canvas ("Paint"), however many cells it wrote,
    // and a confirmed Level, Properties ("Properties"). The stack's clean
    // state is the saved level (IsModified); saving keeps the stack.
    QUndoStack* m_UndoStack = nullptr;
    PaintRecorder m_PaintRecorder;
    QMenu* mnuEdit = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    // Makes the stack and the Edit menu (constructor).
    void CreateUndo();
    // Both end a drag in progress first, which closes its step.
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    // The canvas's press inside the level, before it writes anything.
    void BeginPaintStep();
    // The canvas may just have written cell (cx, cy).
    void NotePaintedCell(int cx, int cy);
    // The end of a press-and-drag: its net change, if any, becomes a step.
    void EndPaintStep();
    // Ends a drag in progress, then gives the level and sets as they are,
    // before Level, Properties changes them.
    LevelState CaptureLevelState();
    // After Level, Properties changed the window: a step from `before` to
    // now, unless the level is as it was.
    void RecordPropertiesStep(const LevelState& before);
    // Puts a level and its sets back into the window, laid out and drawn
    // as after Level, Properties.
    void ApplyLevelState(const LevelState& state);
    void UpdateUndoActions();
    // A new level in the window: no steps of the old one, no drag.
    void ResetUndo();

    // ---- Wheel and keys on the canvas (frmEdit_navigation.cpp) ----
    Navigation::WheelState m_Wheel;
    // Gives the canvas the keyboard focus on a click and watches its wheel
    // and key events (constructor).
    void CreateNavigation();
    // angle: the wheel's turn (eighths of a degree), pixels: a touchpad's
    // movement; shift: modifier bits; x, y: the pointer on the canvas.
    void picEdit_MouseWheel(QPoint angle, QPoint pixels, int shift, double x, double y);
    // True when the key moved the view (it is then not passed on).
    bool picEdit_KeyDown(int key, int shift);
    // Zooms in (steps > 0) or out, keeping the cell at pixel (x, y) of the
    // canvas under that point as far as the scroll ranges allow.
    void ZoomAtPoint(int steps, double x, double y);

    // ---- Test in Game, Check Level, saving with errors (frmEdit_game.cpp) ----
    QAction* mnuLevelTestInGame = nullptr;
    QAction* mnuLevelCheck = nullptr;
    LevelCheckPanel* m_CheckPanel = nullptr;
    // The cell of the finding chosen last, marked on the canvas; -1, -1
    // for none.
    QPoint m_MarkedCell{-1, -1};
    // The user chose once to save this level despite its errors.
    bool m_SaveWithErrorsConfirmed = false;
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
    // Draws the mark of m_MarkedCell (part of RedrawEdit).
    void DrawMarkedCell();
    // True when the level may be saved: no errors, or the user says so
    // (asked once per window).
    bool ConfirmSaveWithErrors();

signals:
    // The canvas cell under the pointer, after a move over the canvas;
    // (-1, -1) when the pointer is over no cell of the level.
    void PointerCellChanged(int cx, int cy);
    // The canvas's zoom may have changed (zoom commands, new tile sets).
    void ZoomChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void ConnectControls();
    void UpdateCaption();
    void UpdateModifiedMark();
    // Writes the level to `fileName`, showing why when it fails.
    bool WriteLevel(const QString& fileName);

    EditorHost& m_Host;
    bool m_UnstackedChange = false;
};
