#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

class BrushSelection;
class BrushTool;
class BucketFillTool;
class EditTool;
class LevelDocument;
class LineTool;
class MagicWandTool;
class PreviewSource;
class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class QWidget;
class RectangleFillTool;
class SelectTool;
class SelectionPreview;
class Stamp;

// The edit tools of one editor window and the commands around them: the
// Tools menu and the tool bar (one checked tool, each with a one-key
// shortcut), and the Edit menu's Cut, Copy, Paste, Paste Tiles Only, Paste
// Sprites Only, Delete, Select All, Select None and Place Pasted Block, which
// work through the select tool and the system clipboard. Rectangle Select,
// Select Same Tile and the Magic Wand make one selection, which stays when
// another tool is picked (Bucket Fill keeps to it) until Select None.
class EditToolBox : public QObject {
    Q_OBJECT
public:
    enum Tool { Brush, Select, SameTile, MagicWand, BucketFill, RectangleFill, Line, ToolCount };

    // `pasteCell` gives the cell a pasted block starts at (under the
    // pointer when it is over the canvas); `owner` owns messages.
    EditToolBox(LevelDocument& document, BrushSelection& brush, BrushTool& brushTool,
                std::function<QPoint()> pasteCell, QWidget* owner);
    ~EditToolBox() override;

    EditTool& Current() const;
    Tool CurrentKind() const { return m_Current; }
    void SetCurrent(Tool tool);
    SelectTool& Selector() const { return *m_Select; }
    // What the canvas draws over the level: the current tool's preview over
    // the selection.
    const PreviewSource& Preview() const;

    QAction* ToolAction(Tool tool) const { return m_ToolActions[tool]; }
    QMenu* ToolsMenu() const { return m_ToolsMenu; }
    // A tool bar with the tools, made for `parent`.
    QToolBar* MakeToolBar(QWidget* parent) const;
    // Adds the selection and clipboard commands to the Edit menu.
    void AddEditCommands(QMenu& edit);

    void Cut();
    void Copy();
    void Paste();
    // Paste with the tiles alone (the info values under the block stay) or
    // the info values alone (the tiles stay).
    void PasteTiles();
    void PasteSprites();
    void Delete();
    void SelectAll();
    // Esc and Ctrl+Shift+A: drops a floating block, else the selection.
    void SelectNone();
    // Enter: puts the floating block down.
    void Place();
    // The selected cells, both planes, become the brush's stamp, and the
    // brush the current tool.
    void UseSelectionAsStamp();
    // The Brush becomes the tool, painting `stamp`.
    void UseStamp(const Stamp& stamp);

    // The brush's mode changed: the bucket works on tiles only.
    void ModeChanged();
    // The document's level was replaced.
    void LevelReplaced();
    // After the current tool handled a pointer event: the commands' states,
    // the preview and the status follow.
    void Refresh();
    // What the status bar shows for the tools: the selection, the floating
    // block, or the last note (a block from another episode).
    QString StatusText() const;

signals:
    // The current tool's preview may have changed.
    void previewChanged();
    // StatusText may have changed.
    void statusChanged();
    void currentChanged();

private:
    void CreateActions();
    void UpdateActions();
    // The clipboard's block floats, to write the planes in `planes`
    // (CellBlock::Plane bits); a message says why when it cannot.
    void PastePlanes(int planes);

    LevelDocument& m_Document;
    BrushSelection& m_Brush;
    BrushTool& m_BrushTool;
    std::unique_ptr<SelectTool> m_Select;
    std::unique_ptr<BucketFillTool> m_Bucket;
    std::unique_ptr<RectangleFillTool> m_Rectangle;
    std::unique_ptr<LineTool> m_Line;
    std::unique_ptr<MagicWandTool> m_SameTile;
    std::unique_ptr<MagicWandTool> m_Wand;
    std::unique_ptr<SelectionPreview> m_Preview;
    std::function<QPoint()> m_PasteCell;
    QWidget* m_Owner;
    Tool m_Current = Brush;
    QAction* m_CutAction = nullptr;
    QAction* m_CopyAction = nullptr;
    QAction* m_PasteAction = nullptr;
    QAction* m_PasteTilesAction = nullptr;
    QAction* m_PasteSpritesAction = nullptr;
    QAction* m_DeleteAction = nullptr;
    QAction* m_SelectAllAction = nullptr;
    QAction* m_SelectNoneAction = nullptr;
    QAction* m_PlaceAction = nullptr;
    QAction* m_UseAsStampAction = nullptr;
    QAction* m_ToolActions[ToolCount] = {};
    QActionGroup* m_ToolGroup = nullptr;
    QMenu* m_ToolsMenu = nullptr;
    QString m_Note;
};
