// The edit tools and the view options: the tool bar and Tools menu, the
// Edit menu's selection and clipboard commands and Replace Tile, and View,
// Show Grid, Show Tiles, Show Sprites and Fit Level.
#include "LevelEditorWindow.h"

#include "CanvasView.h"
#include "EditGeometry.h"
#include "EditTool.h"
#include "EditToolBox.h"
#include "EditorHost.h"
#include "InfoValueText.h"
#include "LevelCanvas.h"
#include "PictureBox.h"
#include "Prompts.h"
#include "ReplaceTileDialog.h"
#include "ReplacementChoice.h"
#include "SelectTool.h"
#include "TileSet.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QToolBar>

namespace {

// Place of the tool bar in the window's bottom bar: right of the Value box.
constexpr int ToolBarLeft = 346;
constexpr int ToolBarTop = 8;

QAction* addToggle(QMenu* menu, const QString& text, bool on, const QKeySequence& key) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(on);
    action->setShortcut(key);
    return action;
}

} // namespace

void LevelEditorWindow::CreateTools() {
    m_Tools = new EditToolBox(
        *m_Document, m_Selection, *m_Brush, [this] { return m_LevelCanvas->PasteCell(); }, this);
    m_ToolsMenu = m_Tools->ToolsMenu();
    m_ToolBar = m_Tools->MakeToolBar(m_ToolPanel);
    m_ToolBar->move(ToolBarLeft, ToolBarTop);
    m_ToolBar->adjustSize();
    m_Tools->AddEditCommands(*m_EditMenu);
    m_EditMenu->addSeparator();
    m_ReplaceTileAction = m_EditMenu->addAction(tr("R&eplace Tile..."));
    m_ReplaceTileAction->setObjectName(QStringLiteral("replaceTileAction"));
    m_ReplaceTileAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    m_ReplaceTileAction->setToolTip(tr("Replace every cell of one tile or info value by another, "
                                       "in the selection, the level or every open level"));
    connect(m_ReplaceTileAction, &QAction::triggered, this, [this] { replaceTile(); });
    connect(m_Tools, &EditToolBox::previewChanged, this, [this] { m_Canvas->RefreshPreview(); });
    connect(m_Tools, &EditToolBox::statusChanged, this, &LevelEditorWindow::toolStatusChanged);
    m_Canvas->SetPreview(&m_Tools->Preview());

    m_ViewMenu->addSeparator();
    m_GridAction = addToggle(m_ViewMenu, tr("Show &Grid"), m_ShowGrid, QKeySequence(Qt::Key_G));
    m_ShowTilesAction = addToggle(m_ViewMenu, tr("Show &Tiles"), m_ShowTiles, QKeySequence());
    m_ShowSpritesAction = addToggle(m_ViewMenu, tr("Show &Sprites"), m_ShowSprites, QKeySequence());
    m_FitLevelAction = m_ViewMenu->addAction(tr("&Fit Level"));
    m_FitLevelAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
    connect(m_GridAction, &QAction::triggered, this, [this] { toggleGrid(); });
    connect(m_ShowTilesAction, &QAction::triggered, this, [this] { toggleTiles(); });
    connect(m_ShowSpritesAction, &QAction::triggered, this, [this] { toggleSprites(); });
    connect(m_FitLevelAction, &QAction::triggered, this, [this] { fitLevel(); });
}

EditTool& LevelEditorWindow::CurrentTool() const {
    return m_Tools->Current();
}

EditToolBox& LevelEditorWindow::Tools() const {
    return *m_Tools;
}

QString LevelEditorWindow::ToolStatusText() const {
    QString text = m_Tools->StatusText();
    // Edits of a hidden plane still happen: say which plane it is.
    const bool tileMode = Mode() == BrushSelection::TileMode;
    if (tileMode && !m_ShowTiles)
        text += tr("  Tiles are hidden: edits change the tile plane.");
    else if (!tileMode && !m_ShowSprites)
        text += tr("  Sprites are hidden: edits change the sprite plane.");
    return text.trimmed();
}

void LevelEditorWindow::ToolActed() {
    m_Tools->Refresh();
}

void LevelEditorWindow::replaceTile() {
    CurrentTool().Cancel();
    std::vector<LevelDocument*> others;
    for (LevelEditorWindow* editor : m_Host.EpisodeEditors(*this))
        others.push_back(&editor->Document());
    ReplacementChoice choice(*m_Document, m_Tools->Selector().Selection().Cells(),
                             std::move(others), m_Tiles->Count());
    // What the buttons hold is offered: the left button's tile replaced by
    // the right's, or in sprite mode what the left button places removed.
    if (Mode() == BrushSelection::TileMode) {
        choice.Choose(CellChange::TilePlane, QString::number(m_Selection.Tile(0)),
                      QString::number(m_Selection.Tile(1)), choice.CurrentScope());
    } else {
        choice.Choose(CellChange::InfoPlane, InfoValueText::Format(m_Selection.InfoToPlace()),
                      QStringLiteral("0"), choice.CurrentScope());
    }
    ReplaceTileDialog dialog(choice, m_Level.Episode(), this);
    Prompts::Current().RunModal(dialog);
    if (dialog.result() == QDialog::Accepted)
        choice.Apply();
    m_Tools->Refresh();
}

void LevelEditorWindow::toggleGrid() {
    m_ShowGrid = m_GridAction->isChecked();
    m_Canvas->SetShowGrid(m_ShowGrid);
    RedrawEdit();
}

void LevelEditorWindow::toggleTiles() {
    m_ShowTiles = m_ShowTilesAction->isChecked();
    ApplyLayers();
}

void LevelEditorWindow::toggleSprites() {
    m_ShowSprites = m_ShowSpritesAction->isChecked();
    ApplyLayers();
}

void LevelEditorWindow::ApplyLayers() {
    m_Canvas->SetLayers((m_ShowTiles ? Level::TileLayer : 0) |
                        (m_ShowSprites ? Level::SpriteLayer : 0));
    RedrawEdit();
    emit toolStatusChanged();
}

void LevelEditorWindow::fitLevel() {
    m_LevelCanvas->FitLevel();
}
