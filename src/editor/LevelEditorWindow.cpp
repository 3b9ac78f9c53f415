#include "LevelEditorWindow.h"

#include "BrushTool.h"
#include "CanvasView.h"
#include "DiskChangeBar.h"
#include "EditGeometry.h"
#include "EditToolBox.h"
#include "EditorHost.h"
#include "LevelCanvas.h"
#include "LevelDocument.h"
#include "MenuKeys.h"
#include "PickerButton.h"
#include "PictureBox.h"
#include "PlayableSize.h"
#include "Prompts.h"
#include "SelectorPanel.h"
#include "SpriteSelectorSource.h"
#include "TileSelectorSource.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include <functional>

namespace {

// Design sizes of the window's panels and controls, in pixels.
constexpr int TilesHeight = 61;
constexpr int ToolsHeight = 57;
constexpr int PanelBorder = 2;
constexpr int PickerWidth = 25;
constexpr int PickerHeight = 57;
constexpr int ScrollThickness = 17;
constexpr int SelectionBoxSize = 36;
constexpr int SelectionTop = 6;
constexpr int SelectionLabelWidth = 33;
constexpr int SelectionLabelHeight = 17;
constexpr int ModeButtonSize = 40;
constexpr int PreviewSize = 97;
constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb WindowText = 0xFF000000;

// Calls `action` whenever the watched object receives an event of `type`;
// the labels and option buttons have no signals for the clicks and focus
// changes the window reacts to.
class EventHook : public QObject {
public:
    EventHook(QObject* watched, QEvent::Type type, std::function<void()> action)
        : QObject(watched), m_Type(type), m_Action(std::move(action)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == m_Type)
            m_Action();
        return false;
    }

private:
    QEvent::Type m_Type;
    std::function<void()> m_Action;
};

// Calls `action` when the watched widget is clicked: pressed and released
// with the pointer still on it. A label does not take presses itself, so
// without this the press would go to the panel under it.
class ClickHook : public QObject {
public:
    ClickHook(QWidget* watched, std::function<void()> action)
        : QObject(watched), m_Watched(watched), m_Action(std::move(action)) {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_Watched->rect().contains(mouse->position().toPoint()))
                m_Action();
            return true;
        }
        return false;
    }

private:
    QWidget* m_Watched;
    std::function<void()> m_Action;
};

// Small pictures of the window's design, drawn here rather than stored.
QPixmap TileModePicture() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor colours[4] = {QColor(0x80, 0x40, 0x00), QColor(0xC0, 0x80, 0x40),
                               QColor(0x00, 0x80, 0x00), QColor(0x40, 0xC0, 0x40)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(4 + (i % 2) * 12, 4 + (i / 2) * 12, 12, 12, colours[i]);
    p.setPen(Qt::black);
    p.drawRect(4, 4, 23, 23);
    p.drawLine(16, 4, 16, 27);
    p.drawLine(4, 16, 27, 16);
    // a brush over the grid
    p.setPen(QPen(QColor(0x60, 0x30, 0x00), 3));
    p.drawLine(18, 30, 29, 19);
    p.fillRect(26, 14, 5, 5, QColor(0xC0, 0x00, 0x00));
    return pixmap;
}

QPixmap SpriteModePicture() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xFF, 0xE0, 0xB0));
    p.drawEllipse(11, 2, 10, 10); // head
    p.setBrush(QColor(0x00, 0x60, 0xC0));
    p.drawRect(10, 13, 12, 10); // body
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(12, 23, 10, 30); // legs
    p.drawLine(20, 23, 22, 30);
    p.drawLine(10, 15, 5, 21); // arms
    p.drawLine(22, 15, 27, 21);
    return pixmap;
}

QPixmap PickerPicture(bool sprites) {
    QPixmap pixmap(16, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    if (sprites) {
        p.setBrush(QColor(0x00, 0x60, 0xC0));
        p.drawEllipse(4, 4, 8, 8);
        p.drawRect(4, 14, 8, 10);
    } else {
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col)
                p.fillRect(2 + col * 6, 4 + row * 8, 5, 7,
                           (row + col) % 2 ? QColor(0x00, 0x80, 0x00) : QColor(0xC0, 0x80, 0x40));
    }
    // the arrow that says "hold and drag"
    p.setBrush(Qt::black);
    const QPoint arrow[3] = {QPoint(4, 27), QPoint(12, 27), QPoint(8, 31)};
    p.drawPolygon(arrow, 3);
    return pixmap;
}

QPixmap PickPointerPicture() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // an eyedropper whose tip, the pointer's hot spot, is the top-left pixel
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const QPoint tube[4] = {QPoint(1, 1), QPoint(4, 1), QPoint(18, 15), QPoint(15, 18)};
    p.drawPolygon(tube, 4);
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(20, 20), 6, 6);
    return pixmap;
}

} // namespace

LevelEditorWindow::LevelEditorWindow(EditorHost& host, QWidget* parent)
    : QWidget(parent), m_Document(new LevelDocument(this)),
      m_Tiles(std::make_shared<const TileSet>()), m_Sprites(std::make_shared<const SpriteSet>()),
      m_Level(m_Document->level()), m_Host(host) {
    CreateControls();
    CreateMenus();
    ConnectControls();
    ConnectDocument();
    CreateUndo();
    CreateInfoValueControls();
    CreateTools();
    CreateTileBehaviourControls();
    CreateGameControls();
    CreateFindControls();
    CreateDiskWatch();
    NameControls();
    UpdateCaption();
}

LevelEditorWindow::~LevelEditorWindow() {
    // The document, a child, is destroyed after this window's own part is
    // gone: nothing it reports then may reach the window.
    m_Document->disconnect(this);
    m_Document->undoStack().disconnect(this);
}

void LevelEditorWindow::CreateControls() {
    m_LevelCanvas = new LevelCanvas(*m_Document, this);
    m_Canvas = &m_LevelCanvas->View();

    m_TileStrip = new PictureBox(this);
    m_TileStrip->SetBorderWidth(PanelBorder);
    m_TileStrip->resize(552, TilesHeight);
    QWidget* tilesInner = m_TileStrip;
    m_TileStripScrollBar = new QScrollBar(Qt::Horizontal, tilesInner);
    m_TileStripScrollBar->setGeometry(PanelBorder, TilesHeight - PanelBorder - ScrollThickness, 100,
                                      ScrollThickness);
    m_TileStripScrollBar->setRange(0, 0);
    nameStripTile(-1);
    m_TilePicker = new PickerButton(tilesInner);
    m_TilePicker->setGeometry(PanelBorder, PanelBorder, PickerWidth, PickerHeight);
    m_TilePicker->setIcon(PickerPicture(false));
    m_TilePicker->setIconSize(QSize(16, 32));
    m_TilePicker->setToolTip(tr("Tile picker: hold the left or right button down, move over the "
                                "tiles and let go on the one that button paints"));
    m_SpritePicker = new PickerButton(tilesInner);
    m_SpritePicker->setGeometry(PanelBorder + PickerWidth, PanelBorder, PickerWidth, PickerHeight);
    m_SpritePicker->setIcon(PickerPicture(true));
    m_SpritePicker->setIconSize(QSize(16, 32));
    m_SpritePicker->setToolTip(tr("Sprite picker: hold the button down, move over the sprites and "
                                  "let go on the one to place"));

    m_ToolPanel = new PictureBox(this);
    m_ToolPanel->resize(552, ToolsHeight);
    m_ToolPanel->SetBackColor(qRgb(0xC0, 0xC0, 0xC0));
    m_ToolPanel->setFocusPolicy(Qt::ClickFocus);
    const int boxLeft[3] = {6, 46, 88};
    for (int i = 0; i < 3; ++i) {
        auto* box = new PictureBox(m_ToolPanel);
        box->SetBorderWidth(PanelBorder);
        box->SetBackColor(White);
        box->setGeometry(boxLeft[i], SelectionTop, SelectionBoxSize, SelectionBoxSize);
        auto* label = new QLabel(QStringLiteral("0"), m_ToolPanel);
        label->setGeometry(boxLeft[i], SelectionTop + SelectionBoxSize, SelectionLabelWidth,
                           SelectionLabelHeight);
        box->setToolTip(i < 2 ? tr("The tile the %1 button paints in tile mode")
                                    .arg(i == 0 ? tr("left") : tr("right"))
                              : tr("The sprite the left button places in sprite mode"));
        label->setToolTip(box->toolTip());
        if (i < 2) {
            m_SelectedTileBox[i] = box;
            m_SelectedTileLabel[i] = label;
        } else {
            m_SelectedSpriteBox = box;
            m_SelectedSpriteLabel = label;
        }
    }
    const QPixmap modePictures[2] = {TileModePicture(), SpriteModePicture()};
    const QString modeTips[2] = {
        tr("Tile mode: the left and right buttons paint their tiles; Ctrl+click picks up a "
           "cell's tile"),
        tr("Sprite mode: the left button places the sprite (or the Value), the right button "
           "clears a cell; Ctrl+click picks up a cell's sprite")};
    for (int i = 0; i < 2; ++i) {
        m_ModeButton[i] = new QToolButton(m_ToolPanel);
        m_ModeButton[i]->setCheckable(true);
        m_ModeButton[i]->setAutoExclusive(true);
        m_ModeButton[i]->setIcon(modePictures[i]);
        m_ModeButton[i]->setIconSize(QSize(32, 32));
        m_ModeButton[i]->setToolTip(modeTips[i]);
        m_ModeButton[i]->setGeometry(134 + i * (ModeButtonSize + 4), SelectionTop - 2,
                                     ModeButtonSize, ModeButtonSize);
    }
    m_ModeButton[0]->setChecked(true);
    m_PositionLabel = new QLabel(QStringLiteral("0, 0"), m_ToolPanel);
    m_PositionLabel->setGeometry(134 + 2 * (ModeButtonSize + 4) + 8, SelectionTop + 12, 120, 17);
    m_PositionLabel->setToolTip(tr("The cell under the pointer, across and down"));

    m_TileSelectorBox = new PictureBox(this);
    m_TileSelectorScrollBar = new QScrollBar(Qt::Vertical, m_TileSelectorBox);
    m_SpriteSelectorBox = new PictureBox(this);
    m_SpriteSelectorScrollBar = new QScrollBar(Qt::Vertical, m_SpriteSelectorBox);
    for (PictureBox* selector : {m_TileSelectorBox, m_SpriteSelectorBox}) {
        selector->SetBorderWidth(PanelBorder);
        selector->SetBackColor(Surface::ButtonShadow);
        selector->hide();
    }
    for (QScrollBar* bar : {m_TileSelectorScrollBar, m_SpriteSelectorScrollBar}) {
        bar->setGeometry(0, 0, ScrollThickness, 100);
        bar->setRange(0, 0);
    }

    m_PreviewMap = new PictureBox(this);
    m_PreviewMap->SetBorderWidth(PanelBorder);
    m_PreviewMap->SetBackColor(WindowText);
    m_PreviewMap->resize(PreviewSize, PreviewSize);
    m_PreviewMap->hide();

    m_PickPointer = PickPointerPicture();

    m_Canvas->SetSets(m_Tiles, m_Sprites);
    m_Canvas->SetOverlay([this](QPainter& painter, const CanvasGeometry& geometry) {
        DrawMarkedCell(painter, geometry);
        DrawMapMarks(painter, geometry);
    });
    m_Brush = std::make_unique<BrushTool>(*m_Document, m_Selection);
    m_TileSource = std::make_unique<TileSelectorSource>(EditGeometry::PaletteZoom);
    m_SpriteSource = std::make_unique<SpriteSelectorSource>(EditGeometry::PaletteZoom);
    m_TileSelector =
        new SelectorPanel(*m_TileSelectorBox, *m_TileSelectorScrollBar, *m_TileSource, this);
    m_SpriteSelector =
        new SelectorPanel(*m_SpriteSelectorBox, *m_SpriteSelectorScrollBar, *m_SpriteSource, this);

    setMinimumSize(1, 1);
}

void LevelEditorWindow::CreateMenus() {
    // The platform's standard keys where there are some; each key belongs
    // to one action only (the sub-window's own Close gives up Ctrl+W, see
    // the main window).
    m_FileMenu = new QMenu(tr("&File"), this);
    m_NewAction = m_FileMenu->addAction(tr("&New"));
    m_NewAction->setShortcuts(MenuKeys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    m_OpenAction = m_FileMenu->addAction(tr("&Open..."));
    m_OpenAction->setShortcuts(MenuKeys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    m_SaveAction = m_FileMenu->addAction(tr("&Save"));
    m_SaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_SaveAsAction = m_FileMenu->addAction(tr("Save &As..."));
    m_SaveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_CloseAction = m_FileMenu->addAction(tr("&Close"));
    m_CloseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    m_FileMenu->addSeparator();
    m_SetPathsAction = m_FileMenu->addAction(tr("Set &Paths"));
    m_FileMenu->addSeparator();
    m_ExitAction = m_FileMenu->addAction(tr("E&xit"));
    m_ExitAction->setShortcuts(MenuKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    m_ViewMenu = new QMenu(tr("&View"), this);
    m_ZoomInAction = m_ViewMenu->addAction(tr("Zoom &In"));
    // Ctrl+= is the same key as Ctrl++ without Shift on most keyboards.
    m_ZoomInAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    m_ZoomOutAction = m_ViewMenu->addAction(tr("Zoom &Out"));
    m_ZoomOutAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_ActualSizeAction = m_ViewMenu->addAction(tr("&1x Zoom"));
    m_ActualSizeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    m_LevelMenu = new QMenu(tr("&Level"), this);
    m_PropertiesAction = m_LevelMenu->addAction(tr("&Properties"));
}

void LevelEditorWindow::ConnectControls() {
    connect(m_NewAction, &QAction::triggered, this, [this] { newLevel(); });
    connect(m_OpenAction, &QAction::triggered, this, [this] { openLevels(); });
    connect(m_SaveAction, &QAction::triggered, this, [this] { Save(); });
    connect(m_SaveAsAction, &QAction::triggered, this, [this] { SaveAs(); });
    connect(m_CloseAction, &QAction::triggered, this, [this] { closeLevel(); });
    connect(m_SetPathsAction, &QAction::triggered, this, [this] { setPaths(); });
    connect(m_ExitAction, &QAction::triggered, this, [this] { exitProgram(); });
    connect(m_ZoomInAction, &QAction::triggered, this, [this] { zoomIn(); });
    connect(m_ZoomOutAction, &QAction::triggered, this, [this] { zoomOut(); });
    connect(m_ActualSizeAction, &QAction::triggered, this, [this] { resetZoom(); });
    connect(m_PropertiesAction, &QAction::triggered, this, [this] { showProperties(); });

    // Canvas: the tools take its pointer events; its cell under the
    // pointer and its zoom are the window's.
    connect(m_LevelCanvas, &LevelCanvas::pressed, this, &LevelEditorWindow::canvasPressed);
    connect(m_LevelCanvas, &LevelCanvas::moved, this, &LevelEditorWindow::canvasMoved);
    connect(m_LevelCanvas, &LevelCanvas::released, this, &LevelEditorWindow::canvasReleased);
    ConnectMapIndex();
    connect(m_LevelCanvas, &LevelCanvas::pointerCellChanged, this,
            &LevelEditorWindow::pointerCellChanged);
    connect(m_LevelCanvas, &LevelCanvas::zoomChanged, this, &LevelEditorWindow::zoomChanged);
    for (int i = 0; i < 2; ++i) {
        // Toggled also fires when a mode button is chosen from code, as the
        // pickers do when they open.
        connect(m_ModeButton[i], &QToolButton::toggled, this, [this, i](bool checked) {
            if (checked)
                chooseMode(i);
        });
        new EventHook(m_ModeButton[i], QEvent::FocusIn, [this, i] { modeButtonFocused(i); });
    }
    new ClickHook(m_PositionLabel, [this] { showScrollReport(); });

    // Tile strip and selections.
    connect(m_TileStrip, &PictureBox::Paint, this, [this] { paintTileStrip(); });
    connect(m_TileStrip, &PictureBox::Resized, this, [this] { layOutTileStrip(); });
    connect(m_TileStrip, &PictureBox::MouseDown, this, &LevelEditorWindow::pickStripTile);
    connect(
        m_TileStrip, &PictureBox::MouseMove, this,
        [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double) { nameStripTile(x); });
    connect(m_TileStripScrollBar, &QScrollBar::valueChanged, this,
            [this] { m_TileStripScrollBar->isSliderDown() ? dragTileStrip() : scrollTileStrip(); });
    for (int i = 0; i < 2; ++i)
        connect(m_SelectedTileBox[i], &PictureBox::Paint, this,
                [this, i] { paintSelectedTile(i); });
    connect(m_SelectedSpriteBox, &PictureBox::Paint, this, [this] { paintSelectedSprite(); });

    // Selectors and preview.
    connect(m_TileSelectorBox, &PictureBox::Paint, this, [this] { paintTileSelector(); });
    connect(m_TileSelectorBox, &PictureBox::Resized, this, [this] { layOutTileSelector(); });
    connect(m_SpriteSelectorBox, &PictureBox::Paint, this, [this] { paintSpriteSelector(); });
    connect(m_SpriteSelectorBox, &PictureBox::Resized, this, [this] { layOutSpriteSelector(); });
    connect(m_PreviewMap, &PictureBox::Paint, this, [this] { paintLevelPreview(); });

    // Picker buttons.
    connect(m_TilePicker, &PickerButton::MouseDown, this, &LevelEditorWindow::tilePickerPressed);
    connect(m_TilePicker, &PickerButton::MouseMove, this, &LevelEditorWindow::tilePickerMoved);
    connect(m_TilePicker, &PickerButton::MouseUp, this, &LevelEditorWindow::tilePickerReleased);
    connect(m_SpritePicker, &PickerButton::MouseDown, this,
            &LevelEditorWindow::spritePickerPressed);
    connect(m_SpritePicker, &PickerButton::MouseMove, this, &LevelEditorWindow::spritePickerMoved);
    connect(m_SpritePicker, &PickerButton::MouseUp, this, &LevelEditorWindow::spritePickerReleased);
    PickerButton* previewButton = m_LevelCanvas->PreviewButton();
    connect(previewButton, &PickerButton::MouseDown, this,
            &LevelEditorWindow::previewButtonPressed);
    connect(previewButton, &PickerButton::MouseMove, this, &LevelEditorWindow::previewButtonMoved);
    connect(previewButton, &PickerButton::MouseUp, this, &LevelEditorWindow::previewButtonReleased);
}

void LevelEditorWindow::ConnectDocument() {
    connect(m_Document, &LevelDocument::levelReplaced, this, [this] { levelReplaced(); });
    connect(m_Document, &LevelDocument::fileNameChanged, this, [this] { UpdateCaption(); });
    connect(m_Document, &LevelDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_Selection, &BrushSelection::tileChanged, this,
            &LevelEditorWindow::selectedTileChanged);
    connect(&m_Selection, &BrushSelection::spriteChanged, this,
            [this] { selectedSpriteChanged(); });
}

void LevelEditorWindow::levelReplaced() {
    m_Tools->LevelReplaced();
    // A new or loaded level comes with the sets its caller gives; a step
    // (Level, Properties, its undo and redo) brings its episode's sets, at
    // 1x zoom, and everything laid out and drawn for its size.
    if (!m_OwnReplace)
        TakeEpisodeSets();
    // Its episode's table, which may be another's.
    TakeTileBehaviour();
}

void LevelEditorWindow::TakeEpisodeSets() {
    const int episode = m_Level.Episode();
    if (episode >= 1 && episode <= 3) {
        SetTiles(m_Host.TileSets(episode - 1));
        SetSprites(m_Host.SpriteSets(episode - 1));
    }
    m_Canvas->SetZoom(ZoomLevel(0));
    RelayoutAfterNewSets();
    emit zoomChanged(CanvasZoom().Exponent());
}

bool LevelEditorWindow::IsModified() const {
    return m_Document->isModified();
}

QString LevelEditorWindow::FileName() const {
    return m_Document->fileName();
}

bool LevelEditorWindow::Drawing() const {
    return CurrentTool().Dragging();
}

QList<QMenu*> LevelEditorWindow::Menus() const {
    return {m_FileMenu, m_EditMenu, m_ViewMenu, m_ToolsMenu, m_LevelMenu};
}

void LevelEditorWindow::AddFileSubmenu(QMenu* menu) {
    m_FileMenu->insertMenu(m_SaveAction, menu);
}

void LevelEditorWindow::AddViewAction(QAction* action) {
    m_ViewMenu->addSeparator();
    m_ViewMenu->addAction(action);
}

void LevelEditorWindow::AddFileActions(const QList<QAction*>& afterOpen,
                                       const QList<QAction*>& afterClose) {
    const QList<QAction*> items = m_FileMenu->actions();
    m_FileMenu->insertActions(items.value(items.indexOf(m_OpenAction) + 1), afterOpen);
    m_FileMenu->insertActions(items.value(items.indexOf(m_CloseAction) + 1), afterClose);
}

void LevelEditorWindow::CloseDiscardingChanges() {
    m_DiscardOnClose = true;
    QWidget* frame = parentWidget() ? parentWidget() : this;
    if (!frame->close())
        m_DiscardOnClose = false;
}

QPoint LevelEditorWindow::ViewOrigin() const {
    return m_LevelCanvas->Origin();
}

void LevelEditorWindow::SetUpTileStrip() {
    const ScrollRange range = EditGeometry::TileStripRange(
        m_TileStrip->ScaleWidth(), Tiles().RenderWidth(EditGeometry::PaletteZoom), Tiles().Count());
    m_TileStripScrollBar->setMinimum(0);
    m_TileStripScrollBar->setMaximum(range.max);
    m_TileStripScrollBar->setPageStep(range.largeChange);
    m_TileStripScrollBar->setEnabled(range.enabled);
}

void LevelEditorWindow::NameControls() {
    const std::pair<QObject*, const char*> names[] = {
        {m_PreviewMap, "levelPreview"},
        {m_TileStrip, "tileStrip"},
        {m_TileStripScrollBar, "tileStripScrollBar"},
        {m_TilePicker, "tilePicker"},
        {m_SpritePicker, "spritePicker"},
        {m_ToolPanel, "toolPanel"},
        {m_SelectedTileBox[0], "leftTileBox"},
        {m_SelectedTileBox[1], "rightTileBox"},
        {m_SelectedTileLabel[0], "leftTileLabel"},
        {m_SelectedTileLabel[1], "rightTileLabel"},
        {m_SelectedSpriteBox, "spriteBox"},
        {m_SelectedSpriteLabel, "spriteLabel"},
        {m_ModeButton[0], "tileModeButton"},
        {m_ModeButton[1], "spriteModeButton"},
        {m_PositionLabel, "positionLabel"},
        {m_TileSelectorBox, "tileSelector"},
        {m_TileSelectorScrollBar, "tileSelectorScrollBar"},
        {m_SpriteSelectorBox, "spriteSelector"},
        {m_SpriteSelectorScrollBar, "spriteSelectorScrollBar"},
        {m_InfoValueLabel, "infoValueLabel"},
        {m_InfoValueEdit, "infoValueEdit"},
        {m_ToolBar, "toolBar"},
        {m_FileMenu, "fileMenu"},
        {m_NewAction, "newAction"},
        {m_OpenAction, "openAction"},
        {m_SaveAction, "saveAction"},
        {m_SaveAsAction, "saveAsAction"},
        {m_CloseAction, "closeAction"},
        {m_SetPathsAction, "setPathsAction"},
        {m_ExitAction, "exitAction"},
        {m_EditMenu, "editMenu"},
        {m_UndoAction, "undoAction"},
        {m_RedoAction, "redoAction"},
        {m_ViewMenu, "viewMenu"},
        {m_ZoomInAction, "zoomInAction"},
        {m_ZoomOutAction, "zoomOutAction"},
        {m_ActualSizeAction, "actualSizeAction"},
        {m_GridAction, "gridAction"},
        {m_ShowTilesAction, "showTilesAction"},
        {m_ShowSpritesAction, "showSpritesAction"},
        {m_FitLevelAction, "fitLevelAction"},
        {m_InfoValuesAction, "infoValuesAction"},
        {m_ShowBehaviourAction, "showTileBehaviourAction"},
        {m_AnimateTilesAction, "animateTilesAction"},
        {m_AnimationTimer, "tileAnimationTimer"},
        {m_ToolsMenu, "toolsMenu"},
        {m_LevelMenu, "levelMenu"},
        {m_PropertiesAction, "propertiesAction"},
        {m_TestInGameAction, "testInGameAction"},
        {m_CheckLevelAction, "checkLevelAction"},
        {m_FindAction, "findAction"},
        {m_FindNextAction, "findNextAction"},
        {m_FindPreviousAction, "findPreviousAction"},
    };
    for (const auto& [object, name] : names)
        object->setObjectName(QLatin1String(name));
    NameForScreenReaders();
}

// The controls that show pictures instead of text.
void LevelEditorWindow::NameForScreenReaders() {
    const std::pair<QWidget*, QString> names[] = {
        {m_PreviewMap, tr("Level preview")},
        {m_TileStrip, tr("Tile strip")},
        {m_TileStripScrollBar, tr("Scroll the tile strip")},
        {m_TilePicker, tr("Tile picker")},
        {m_SpritePicker, tr("Sprite picker")},
        {m_ToolPanel, tr("Tool panel")},
        {m_SelectedTileBox[0], tr("Left button's tile")},
        {m_SelectedTileBox[1], tr("Right button's tile")},
        {m_SelectedSpriteBox, tr("Selected sprite")},
        {m_ModeButton[0], tr("Tile mode")},
        {m_ModeButton[1], tr("Sprite mode")},
        {m_TileSelectorBox, tr("Tile selector")},
        {m_TileSelectorScrollBar, tr("Scroll the tile selector")},
        {m_SpriteSelectorBox, tr("Sprite selector")},
        {m_SpriteSelectorScrollBar, tr("Scroll the sprite selector")},
    };
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(name);
}

// ---- Public operations ----

void LevelEditorWindow::Display() {
    show();
    LayOut();
    RelayoutCanvas();
    // Sets given before the window was first shown have had no strip yet.
    SetUpTileStrip();
}

void LevelEditorWindow::SetTiles(std::shared_ptr<const TileSet> tiles) {
    m_Tiles = tiles ? std::move(tiles) : std::make_shared<const TileSet>();
    m_Canvas->SetSets(m_Tiles, m_Sprites);
    m_TileSource->SetTiles(m_Tiles);
    if (isVisible())
        SetUpTileStrip();
    // The loops cut by the sheet's last tile stay still.
    if (m_ShowBehaviourAction)
        TakeTileBehaviour();
    emit setsChanged();
}

void LevelEditorWindow::SetSprites(std::shared_ptr<const SpriteSet> sprites) {
    m_Sprites = sprites ? std::move(sprites) : std::make_shared<const SpriteSet>();
    m_Canvas->SetSets(m_Tiles, m_Sprites);
    m_SpriteSource->SetSprites(m_Sprites);
    m_Selection.SetSpriteCount(m_Sprites->Count());
    emit setsChanged();
}

void LevelEditorWindow::TakeNewGraphics(std::shared_ptr<const TileSet> tiles,
                                        std::shared_ptr<const SpriteSet> sprites) {
    SetTiles(std::move(tiles));
    SetSprites(std::move(sprites));
    RelayoutAfterNewSets();
}

ZoomLevel LevelEditorWindow::CanvasZoom() const {
    return m_Canvas->Zoom();
}

bool LevelEditorWindow::PreviewOpen() const {
    return m_LevelCanvas->Locked();
}

void LevelEditorWindow::NewLevel(qint16 w, qint16 h, qint16 episode, qint16 levelnum) {
    CurrentTool().Cancel();
    m_OwnReplace = true;
    m_Document->NewLevel(w, h, episode, levelnum);
    m_OwnReplace = false;
    UpdateCaption();
}

IoResult LevelEditorWindow::LoadLevel(const QString& fileName) {
    CurrentTool().Cancel();
    m_OwnReplace = true;
    const IoResult result = m_Document->Load(fileName);
    m_OwnReplace = false;
    UpdateCaption();
    return result;
}

void LevelEditorWindow::RestoreLevel(const Level& level, const QString& fileName) {
    CurrentTool().Cancel();
    m_OwnReplace = true;
    m_Document->Restore(level, fileName);
    m_OwnReplace = false;
    UpdateCaption();
}

void LevelEditorWindow::UpdateCaption() {
    // "[*]" shows the platform's unsaved mark while the window is modified.
    setWindowTitle((FileName().isEmpty() ? DocumentName() : FileName()) + QStringLiteral("[*]"));
    setWindowModified(IsModified());
}

QString LevelEditorWindow::DocumentName() const {
    return FileName().isEmpty() ? tr("Untitled") : QFileInfo(FileName()).fileName();
}

// ---- Window ----

void LevelEditorWindow::LayOut() {
    // Inside the multiple-document area the frame is the sub-window that
    // holds this widget; on its own the widget is its own frame.
    auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget());
    QWidget* frame = subWindow ? static_cast<QWidget*>(subWindow) : this;
    if (frame->isMinimized())
        return;
    const QSize outer = subWindow ? subWindow->size() : frameGeometry().size();
    const QSize extra = subWindow ? QSize(0, 0) : outer - size();
    if (outer.width() < EditGeometry::MinOuterWidth) {
        frame->resize(EditGeometry::MinOuterWidth - extra.width(), outer.height() - extra.height());
        return;
    }
    if (outer.height() < EditGeometry::MinOuterHeight) {
        frame->resize(outer.width() - extra.width(), EditGeometry::MinOuterHeight - extra.height());
        return;
    }
    const int w = width();
    const int h = height();
    // The bar that tells of a file changed on disk, while shown, pushes the
    // edit area down.
    const int top =
        m_DiskBar == nullptr || m_DiskBar->isHidden() ? 0 : m_DiskBar->sizeHint().height();
    if (m_DiskBar != nullptr)
        m_DiskBar->setGeometry(0, 0, w, top);
    m_LevelCanvas->setGeometry(0, top, w,
                               qMax(0, h - top - m_TileStrip->height() - m_ToolPanel->height()));
    m_TileStrip->setGeometry(0, m_LevelCanvas->y() + m_LevelCanvas->height(), w,
                             m_TileStrip->height());
    m_ToolPanel->setGeometry(0, m_TileStrip->y() + m_TileStrip->height(), w, m_ToolPanel->height());
    m_TileSelectorBox->setGeometry(m_LevelCanvas->geometry());
    m_SpriteSelectorBox->setGeometry(m_LevelCanvas->geometry());
}

void LevelEditorWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

bool LevelEditorWindow::QueryClose() {
    if (!IsModified())
        return true;
    if (m_DiscardOnClose) {
        emit changesDiscarded();
        return true;
    }
    // Several windows may ask in turn (closing the program): each names
    // its own level.
    const Prompts::Answer answer = Prompts::Current().Message(
        this,
        tr("%1 has changed since it was last saved. Do you want to save it?").arg(DocumentName()),
        tr("Warning"), Prompts::Buttons::SaveDiscardCancel, Prompts::Icon::Question);
    switch (answer) {
    case Prompts::Answer::Save:
        // Closing goes on only when the level was really written.
        return Save();
    case Prompts::Answer::Discard:
        emit changesDiscarded();
        return true;
    default:
        return false;
    }
}

void LevelEditorWindow::closeEvent(QCloseEvent* event) {
    if (QueryClose())
        event->accept();
    else
        event->ignore();
}

// ---- File menu ----

void LevelEditorWindow::newLevel() {
    m_Host.newLevel();
}

void LevelEditorWindow::openLevels() {
    m_Host.openLevels();
}

void LevelEditorWindow::exitProgram() {
    m_Host.exitProgram();
}

void LevelEditorWindow::setPaths() {
    m_Host.setPaths();
}

bool LevelEditorWindow::Save() {
    if (FileName().isEmpty())
        return SaveAs();
    const SaveRoute route = RouteForChangedFile();
    if (route == SaveRoute::Elsewhere)
        return SaveAs();
    if (route == SaveRoute::Cancel || !ConfirmSave())
        return false;
    switch (WriteLevel(FileName())) {
    case SaveRoute::Here:
        m_Host.LevelSaved(FileName());
        return true;
    case SaveRoute::Elsewhere:
        return SaveAsChosenFile();
    case SaveRoute::Cancel:
        break;
    }
    return false;
}

bool LevelEditorWindow::SaveAs() {
    return ConfirmSave() && SaveAsChosenFile();
}

bool LevelEditorWindow::ConfirmSave() {
    const QString tooLarge = PlayableSize::Warning(m_Level.Width(), m_Level.Height());
    if (!tooLarge.isEmpty() &&
        !m_SaveQuestions.Confirm(this, QStringLiteral("too large"),
                                 tr("%1 is %2.\r\nThe game shows garbage or stops "
                                    "when it loads it. Save it anyway?")
                                     .arg(DocumentName(), tooLarge)))
        return false;
    return ConfirmSaveWithErrors();
}

void LevelEditorWindow::closeLevel() {
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget()))
        subWindow->close();
    else
        close();
}

// ---- View menu ----

void LevelEditorWindow::zoomIn() {
    m_LevelCanvas->ZoomIn();
}

void LevelEditorWindow::zoomOut() {
    m_LevelCanvas->ZoomOut();
}

void LevelEditorWindow::resetZoom() {
    SetCanvasZoom(0);
}

void LevelEditorWindow::SetCanvasZoom(int zoom) {
    m_LevelCanvas->SetZoom(zoom);
}
