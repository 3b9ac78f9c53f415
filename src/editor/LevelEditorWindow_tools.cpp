// The edit tools and the view options: the tool bar and Tools menu, the
// Edit menu's selection and clipboard commands, and View, Show Grid, Show
// Tiles, Show Sprites and Fit Level.
#include "LevelEditorWindow.h"

#include "CanvasView.h"
#include "EditGeometry.h"
#include "EditTool.h"
#include "EditToolBox.h"
#include "LevelCanvas.h"
#include "PictureBox.h"

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
    mnuTools = m_Tools->ToolsMenu();
    tbrTools = m_Tools->MakeToolBar(picTools);
    tbrTools->move(ToolBarLeft, ToolBarTop);
    tbrTools->adjustSize();
    m_Tools->AddEditCommands(*mnuEdit);
    connect(m_Tools, &EditToolBox::currentChanged, this,
            [this] { m_Canvas->SetPreview(&CurrentTool()); });
    connect(m_Tools, &EditToolBox::previewChanged, this, [this] { m_Canvas->RefreshPreview(); });
    connect(m_Tools, &EditToolBox::statusChanged, this, &LevelEditorWindow::ToolStatusChanged);
    m_Canvas->SetPreview(&CurrentTool());

    mnuView->addSeparator();
    mnuViewGrid = addToggle(mnuView, tr("Show &Grid"), m_ShowGrid, QKeySequence(Qt::Key_G));
    mnuViewTiles = addToggle(mnuView, tr("Show &Tiles"), m_ShowTiles, QKeySequence());
    mnuViewSprites = addToggle(mnuView, tr("Show &Sprites"), m_ShowSprites, QKeySequence());
    mnuViewGrid->setObjectName(QStringLiteral("mnuViewGrid"));
    mnuViewTiles->setObjectName(QStringLiteral("mnuViewTiles"));
    mnuViewSprites->setObjectName(QStringLiteral("mnuViewSprites"));
    mnuViewFit = mnuView->addAction(tr("&Fit Level"));
    mnuViewFit->setObjectName(QStringLiteral("mnuViewFit"));
    mnuViewFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_9));
    connect(mnuViewGrid, &QAction::triggered, this, [this] { mnuViewGrid_Click(); });
    connect(mnuViewTiles, &QAction::triggered, this, [this] { mnuViewTiles_Click(); });
    connect(mnuViewSprites, &QAction::triggered, this, [this] { mnuViewSprites_Click(); });
    connect(mnuViewFit, &QAction::triggered, this, [this] { mnuViewFit_Click(); });
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

void LevelEditorWindow::mnuViewGrid_Click() {
    m_ShowGrid = mnuViewGrid->isChecked();
    m_Canvas->SetShowGrid(m_ShowGrid);
    RedrawEdit();
}

void LevelEditorWindow::mnuViewTiles_Click() {
    m_ShowTiles = mnuViewTiles->isChecked();
    ApplyLayers();
}

void LevelEditorWindow::mnuViewSprites_Click() {
    m_ShowSprites = mnuViewSprites->isChecked();
    ApplyLayers();
}

void LevelEditorWindow::ApplyLayers() {
    m_Canvas->SetLayers((m_ShowTiles ? Level::TileLayer : 0) |
                        (m_ShowSprites ? Level::SpriteLayer : 0));
    RedrawEdit();
    emit ToolStatusChanged();
}

void LevelEditorWindow::mnuViewFit_Click() {
    m_LevelCanvas->FitLevel();
}
