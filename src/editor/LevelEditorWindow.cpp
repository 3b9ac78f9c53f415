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
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
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

// The tile strip's scroll range for the palette's tile size and the strip's
// width.
void SetUpTileStrip(LevelEditorWindow& window) {
    const ScrollRange range = EditGeometry::TileStripRange(
        window.picTiles->ScaleWidth(), window.Tiles().RenderWidth(EditGeometry::PaletteZoom),
        window.Tiles().Count());
    window.scrTiles->setMinimum(0);
    window.scrTiles->setMaximum(range.max);
    window.scrTiles->setPageStep(range.largeChange);
    window.scrTiles->setEnabled(range.enabled);
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
    CreateGameControls();
    CreateDiskWatch();
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

    picTiles = new PictureBox(this);
    picTiles->SetBorderWidth(PanelBorder);
    picTiles->resize(552, TilesHeight);
    picTiles->setToolTip(tr("Tiles: click with the left or right button to choose the tile "
                            "that button paints"));
    QWidget* tilesInner = picTiles;
    scrTiles = new QScrollBar(Qt::Horizontal, tilesInner);
    scrTiles->setGeometry(PanelBorder, TilesHeight - PanelBorder - ScrollThickness, 100,
                          ScrollThickness);
    scrTiles->setRange(0, 0);
    cmdTiles = new PickerButton(tilesInner);
    cmdTiles->setGeometry(PanelBorder, PanelBorder, PickerWidth, PickerHeight);
    cmdTiles->setIcon(PickerPicture(false));
    cmdTiles->setIconSize(QSize(16, 32));
    cmdTiles->setToolTip(tr("Tile picker: hold the left or right button down, move over the "
                            "tiles and let go on the one that button paints"));
    cmdSprites = new PickerButton(tilesInner);
    cmdSprites->setGeometry(PanelBorder + PickerWidth, PanelBorder, PickerWidth, PickerHeight);
    cmdSprites->setIcon(PickerPicture(true));
    cmdSprites->setIconSize(QSize(16, 32));
    cmdSprites->setToolTip(tr("Sprite picker: hold the button down, move over the sprites and "
                              "let go on the one to place"));

    picTools = new PictureBox(this);
    picTools->resize(552, ToolsHeight);
    picTools->SetBackColor(qRgb(0xC0, 0xC0, 0xC0));
    picTools->setFocusPolicy(Qt::ClickFocus);
    const int boxLeft[3] = {6, 46, 88};
    for (int i = 0; i < 3; ++i) {
        auto* box = new PictureBox(picTools);
        box->SetBorderWidth(PanelBorder);
        box->SetBackColor(White);
        box->setGeometry(boxLeft[i], SelectionTop, SelectionBoxSize, SelectionBoxSize);
        auto* label = new QLabel(QStringLiteral("0"), picTools);
        label->setGeometry(boxLeft[i], SelectionTop + SelectionBoxSize, SelectionLabelWidth,
                           SelectionLabelHeight);
        box->setToolTip(i < 2 ? tr("The tile the %1 button paints in tile mode")
                                    .arg(i == 0 ? tr("left") : tr("right"))
                              : tr("The sprite the left button places in sprite mode"));
        label->setToolTip(box->toolTip());
        if (i < 2) {
            picSelectedTile[i] = box;
            lblSelectedTile[i] = label;
        } else {
            picSelectedSprite = box;
            lblSelectedSprite = label;
        }
    }
    const QPixmap modePictures[2] = {TileModePicture(), SpriteModePicture()};
    const QString modeTips[2] = {
        tr("Tile mode: the left and right buttons paint their tiles; Ctrl+click picks up a "
           "cell's tile"),
        tr("Sprite mode: the left button places the sprite (or the Value), the right button "
           "clears a cell; Ctrl+click picks up a cell's sprite")};
    for (int i = 0; i < 2; ++i) {
        optMode[i] = new QToolButton(picTools);
        optMode[i]->setCheckable(true);
        optMode[i]->setAutoExclusive(true);
        optMode[i]->setIcon(modePictures[i]);
        optMode[i]->setIconSize(QSize(32, 32));
        optMode[i]->setToolTip(modeTips[i]);
        optMode[i]->setGeometry(134 + i * (ModeButtonSize + 4), SelectionTop - 2, ModeButtonSize,
                                ModeButtonSize);
    }
    optMode[0]->setChecked(true);
    lblPosition = new QLabel(QStringLiteral("0, 0"), picTools);
    lblPosition->setGeometry(134 + 2 * (ModeButtonSize + 4) + 8, SelectionTop + 12, 120, 17);
    lblPosition->setToolTip(tr("The cell under the pointer, across and down"));

    picTileSelector = new PictureBox(this);
    scrTileSelector = new QScrollBar(Qt::Vertical, picTileSelector);
    picSpriteSelector = new PictureBox(this);
    scrSpriteSelector = new QScrollBar(Qt::Vertical, picSpriteSelector);
    for (PictureBox* selector : {picTileSelector, picSpriteSelector}) {
        selector->SetBorderWidth(PanelBorder);
        selector->SetBackColor(Surface::ButtonShadow);
        selector->hide();
    }
    for (QScrollBar* bar : {scrTileSelector, scrSpriteSelector}) {
        bar->setGeometry(0, 0, ScrollThickness, 100);
        bar->setRange(0, 0);
    }

    picLevelPreview = new PictureBox(this);
    picLevelPreview->SetBorderWidth(PanelBorder);
    picLevelPreview->SetBackColor(WindowText);
    picLevelPreview->resize(PreviewSize, PreviewSize);
    picLevelPreview->hide();

    imgCursor0 = PickPointerPicture();

    m_Canvas->SetSets(m_Tiles, m_Sprites);
    m_Canvas->SetOverlay([this](QPainter& painter, const CanvasGeometry& geometry) {
        DrawMarkedCell(painter, geometry);
    });
    m_Brush = std::make_unique<BrushTool>(*m_Document, m_Selection);
    m_TileSource = std::make_unique<TileSelectorSource>(EditGeometry::PaletteZoom);
    m_SpriteSource = std::make_unique<SpriteSelectorSource>(EditGeometry::PaletteZoom);
    m_TileSelector = new SelectorPanel(*picTileSelector, *scrTileSelector, *m_TileSource, this);
    m_SpriteSelector =
        new SelectorPanel(*picSpriteSelector, *scrSpriteSelector, *m_SpriteSource, this);

    setMinimumSize(1, 1);
}

void LevelEditorWindow::CreateMenus() {
    // The platform's standard keys where there are some; each key belongs
    // to one action only (the sub-window's own Close gives up Ctrl+W, see
    // the main window).
    mnuFile = new QMenu(tr("&File"), this);
    mnuFileNew = mnuFile->addAction(tr("&New"));
    mnuFileNew->setShortcuts(MenuKeys(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
    mnuFileOpen = mnuFile->addAction(tr("&Open..."));
    mnuFileOpen->setShortcuts(MenuKeys(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
    mnuFileSave = mnuFile->addAction(tr("&Save"));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = mnuFile->addAction(tr("Save &As..."));
    mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    mnuFileClose = mnuFile->addAction(tr("&Close"));
    mnuFileClose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuFile->addSeparator();
    mnuFileSetPaths = mnuFile->addAction(tr("Set &Paths"));
    mnuFile->addSeparator();
    mnuFileExit = mnuFile->addAction(tr("E&xit"));
    mnuFileExit->setShortcuts(MenuKeys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));

    mnuView = new QMenu(tr("&View"), this);
    mnuViewZoomIn = mnuView->addAction(tr("Zoom &In"));
    // Ctrl+= is the same key as Ctrl++ without Shift on most keyboards.
    mnuViewZoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    mnuViewZoomOut = mnuView->addAction(tr("Zoom &Out"));
    mnuViewZoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    mnuView1xZoom = mnuView->addAction(tr("&1x Zoom"));
    mnuView1xZoom->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    mnuLevel = new QMenu(tr("&Level"), this);
    mnuLevelProperties = mnuLevel->addAction(tr("&Properties"));
}

void LevelEditorWindow::ConnectControls() {
    connect(mnuFileNew, &QAction::triggered, this, [this] { mnuFileNew_Click(); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { mnuFileSave_Click(); });
    connect(mnuFileSaveAs, &QAction::triggered, this, [this] { mnuFileSaveAs_Click(); });
    connect(mnuFileClose, &QAction::triggered, this, [this] { mnuFileClose_Click(); });
    connect(mnuFileSetPaths, &QAction::triggered, this, [this] { mnuFileSetPaths_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuViewZoomIn, &QAction::triggered, this, [this] { mnuViewZoomIn_Click(); });
    connect(mnuViewZoomOut, &QAction::triggered, this, [this] { mnuViewZoomOut_Click(); });
    connect(mnuView1xZoom, &QAction::triggered, this, [this] { mnuView1xZoom_Click(); });
    connect(mnuLevelProperties, &QAction::triggered, this, [this] { mnuLevelProperties_Click(); });

    // Canvas: the tools take its pointer events; its cell under the
    // pointer and its zoom are the window's.
    connect(m_LevelCanvas, &LevelCanvas::pressed, this, &LevelEditorWindow::canvas_Pressed);
    connect(m_LevelCanvas, &LevelCanvas::moved, this, &LevelEditorWindow::canvas_Moved);
    connect(m_LevelCanvas, &LevelCanvas::released, this, &LevelEditorWindow::canvas_Released);
    connect(m_LevelCanvas, &LevelCanvas::pointerCellChanged, this,
            &LevelEditorWindow::pointerCellChanged);
    connect(m_LevelCanvas, &LevelCanvas::zoomChanged, this, &LevelEditorWindow::zoomChanged);
    for (int i = 0; i < 2; ++i) {
        // Toggled also fires when a mode button is chosen from code, as the
        // pickers do when they open.
        connect(optMode[i], &QToolButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optMode_Click(i);
        });
        new EventHook(optMode[i], QEvent::FocusIn, [this, i] { optMode_GotFocus(i); });
    }
    new ClickHook(lblPosition, [this] { lblPosition_Click(); });

    // Tile strip and selections.
    connect(picTiles, &PictureBox::Paint, this, [this] { picTiles_Paint(); });
    connect(picTiles, &PictureBox::Resized, this, [this] { picTiles_Resize(); });
    connect(picTiles, &PictureBox::MouseDown, this, &LevelEditorWindow::picTiles_MouseDown);
    connect(scrTiles, &QScrollBar::valueChanged, this,
            [this] { scrTiles->isSliderDown() ? scrTiles_Scroll() : scrTiles_Change(); });
    for (int i = 0; i < 2; ++i)
        connect(picSelectedTile[i], &PictureBox::Paint, this,
                [this, i] { picSelectedTile_Paint(i); });
    connect(picSelectedSprite, &PictureBox::Paint, this, [this] { picSelectedSprite_Paint(); });

    // Selectors and preview.
    connect(picTileSelector, &PictureBox::Paint, this, [this] { picTileSelector_Paint(); });
    connect(picTileSelector, &PictureBox::Resized, this, [this] { picTileSelector_Resize(); });
    connect(picSpriteSelector, &PictureBox::Paint, this, [this] { picSpriteSelector_Paint(); });
    connect(picSpriteSelector, &PictureBox::Resized, this, [this] { picSpriteSelector_Resize(); });
    connect(picLevelPreview, &PictureBox::Paint, this, [this] { picLevelPreview_Paint(); });

    // Picker buttons.
    connect(cmdTiles, &PickerButton::MouseDown, this, &LevelEditorWindow::cmdTiles_MouseDown);
    connect(cmdTiles, &PickerButton::MouseMove, this, &LevelEditorWindow::cmdTiles_MouseMove);
    connect(cmdTiles, &PickerButton::MouseUp, this, &LevelEditorWindow::cmdTiles_MouseUp);
    connect(cmdSprites, &PickerButton::MouseDown, this, &LevelEditorWindow::cmdSprites_MouseDown);
    connect(cmdSprites, &PickerButton::MouseMove, this, &LevelEditorWindow::cmdSprites_MouseMove);
    connect(cmdSprites, &PickerButton::MouseUp, this, &LevelEditorWindow::cmdSprites_MouseUp);
    PickerButton* previewButton = m_LevelCanvas->PreviewButton();
    connect(previewButton, &PickerButton::MouseDown, this,
            &LevelEditorWindow::cmdLevelPreview_MouseDown);
    connect(previewButton, &PickerButton::MouseMove, this,
            &LevelEditorWindow::cmdLevelPreview_MouseMove);
    connect(previewButton, &PickerButton::MouseUp, this,
            &LevelEditorWindow::cmdLevelPreview_MouseUp);
}

void LevelEditorWindow::ConnectDocument() {
    connect(m_Document, &LevelDocument::levelReplaced, this, [this] { document_LevelReplaced(); });
    connect(m_Document, &LevelDocument::fileNameChanged, this, [this] { UpdateCaption(); });
    connect(m_Document, &LevelDocument::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&m_Selection, &BrushSelection::tileChanged, this,
            &LevelEditorWindow::selection_TileChanged);
    connect(&m_Selection, &BrushSelection::spriteChanged, this,
            [this] { selection_SpriteChanged(); });
}

void LevelEditorWindow::document_LevelReplaced() {
    m_Tools->LevelReplaced();
    // A new or loaded level comes with the sets its caller gives; a step
    // (Level, Properties, its undo and redo) brings its episode's sets, at
    // 1x zoom, and everything laid out and drawn for its size.
    if (!m_OwnReplace)
        TakeEpisodeSets();
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
    return {mnuFile, mnuEdit, mnuView, mnuTools, mnuLevel};
}

// ---- Public operations ----

void LevelEditorWindow::Display() {
    show();
    Form_Resize();
    RelayoutCanvas();
    // Sets given before the window was first shown have had no strip yet.
    SetUpTileStrip(*this);
}

void LevelEditorWindow::SetTiles(std::shared_ptr<const TileSet> tiles) {
    m_Tiles = tiles ? std::move(tiles) : std::make_shared<const TileSet>();
    m_Canvas->SetSets(m_Tiles, m_Sprites);
    m_TileSource->SetTiles(m_Tiles);
    if (isVisible())
        SetUpTileStrip(*this);
}

void LevelEditorWindow::SetSprites(std::shared_ptr<const SpriteSet> sprites) {
    m_Sprites = sprites ? std::move(sprites) : std::make_shared<const SpriteSet>();
    m_Canvas->SetSets(m_Tiles, m_Sprites);
    m_SpriteSource->SetSprites(m_Sprites);
    m_Selection.SetSpriteCount(m_Sprites->Count());
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

void LevelEditorWindow::Form_Resize() {
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
                               qMax(0, h - top - picTiles->height() - picTools->height()));
    picTiles->setGeometry(0, m_LevelCanvas->y() + m_LevelCanvas->height(), w, picTiles->height());
    picTools->setGeometry(0, picTiles->y() + picTiles->height(), w, picTools->height());
    picTileSelector->setGeometry(m_LevelCanvas->geometry());
    picSpriteSelector->setGeometry(m_LevelCanvas->geometry());
}

void LevelEditorWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

bool LevelEditorWindow::Form_QueryUnload() {
    if (!IsModified())
        return true;
    // Several windows may ask in turn (closing the program): each names
    // its own level.
    const Prompts::Answer answer = Prompts::Current().Message(
        this,
        tr("%1 has changed since it was last saved. Do you want to save it?").arg(DocumentName()),
        tr("Warning"), Prompts::Buttons::SaveDiscardCancel, Prompts::Icon::Question);
    switch (answer) {
    case Prompts::Answer::Save:
        // Closing goes on only when the level was really written.
        return mnuFileSave_Click();
    case Prompts::Answer::Discard:
        emit ChangesDiscarded();
        return true;
    default:
        return false;
    }
}

void LevelEditorWindow::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}

// ---- File menu ----

void LevelEditorWindow::mnuFileNew_Click() {
    m_Host.mnuFileNew_Click();
}

void LevelEditorWindow::mnuFileOpen_Click() {
    m_Host.mnuFileOpen_Click();
}

void LevelEditorWindow::mnuFileExit_Click() {
    m_Host.mnuFileExit_Click();
}

void LevelEditorWindow::mnuFileSetPaths_Click() {
    m_Host.mnuFileSetPaths_Click();
}

bool LevelEditorWindow::mnuFileSave_Click() {
    if (FileName().isEmpty())
        return mnuFileSaveAs_Click();
    const SaveRoute route = RouteForChangedFile();
    if (route == SaveRoute::Elsewhere)
        return mnuFileSaveAs_Click();
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

bool LevelEditorWindow::mnuFileSaveAs_Click() {
    return ConfirmSave() && SaveAsChosenFile();
}

bool LevelEditorWindow::ConfirmSave() {
    const QString tooLarge = PlayableSize::Warning(m_Level.Width(), m_Level.Height());
    if (!tooLarge.isEmpty() &&
        !m_SaveQuestions.Confirm(this, QStringLiteral("too large"),
                                 QStringLiteral("%1 is %2.\r\nThe game shows garbage or stops "
                                                "when it loads it. Save it anyway?")
                                     .arg(DocumentName(), tooLarge)))
        return false;
    return ConfirmSaveWithErrors();
}

void LevelEditorWindow::mnuFileClose_Click() {
    if (auto* subWindow = qobject_cast<QMdiSubWindow*>(parentWidget()))
        subWindow->close();
    else
        close();
}

// ---- View menu ----

void LevelEditorWindow::mnuViewZoomIn_Click() {
    m_LevelCanvas->ZoomIn();
}

void LevelEditorWindow::mnuViewZoomOut_Click() {
    m_LevelCanvas->ZoomOut();
}

void LevelEditorWindow::mnuView1xZoom_Click() {
    SetCanvasZoom(0);
}

void LevelEditorWindow::SetCanvasZoom(int zoom) {
    m_LevelCanvas->SetZoom(zoom);
}
